#pragma once

#include "platform/dialogs/MessageBoxes.h"

namespace platform {

class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* owner, const MessageRequest& request) override;
};

} // namespace platform
