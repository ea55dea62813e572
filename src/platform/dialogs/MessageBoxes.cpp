#include "platform/dialogs/MessageBoxes.h"

#include "platform/ServiceSlot.h"
#include "platform/dialogs/QtMessageBoxes.h"

namespace platform {
namespace {
using MessageBoxesSlot = ServiceSlot<MessageBoxes, QtMessageBoxes>;
}

MessageBoxes& MessageBoxes::current() {
    return MessageBoxesSlot::current();
}

void MessageBoxes::install(MessageBoxes* boxes) {
    MessageBoxesSlot::install(boxes);
}

} // namespace platform
