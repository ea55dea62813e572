#include "platform/dialogs/MessageBoxes.h"

#include "platform/ServiceSlot.h"
#include "platform/dialogs/QtMessageBoxes.h"

namespace platform {
namespace {
using Slot = ServiceSlot<MessageBoxes, QtMessageBoxes>;
}

MessageBoxes& MessageBoxes::current() {
    return Slot::current();
}

void MessageBoxes::install(MessageBoxes* boxes) {
    Slot::install(boxes);
}

} // namespace platform
