#pragma once

#include <QLoggingCategory>

// Where each window was put, what the window manager made of it and what was
// moved afterwards; off unless asked for, as with
//     QT_LOGGING_RULES="orderform.frames.debug=true" orderform
namespace platform {
Q_DECLARE_LOGGING_CATEGORY(frameLog)
} // namespace platform
