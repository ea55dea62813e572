#include "platform/desktop/FrameLog.h"

namespace platform {
Q_LOGGING_CATEGORY(frameLog, "orderform.frames", QtWarningMsg)
} // namespace platform
