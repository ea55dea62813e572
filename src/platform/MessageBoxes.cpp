#include "platform/MessageBoxes.h"

#include "platform/QtMessageBoxes.h"
#include "platform/ServiceSlot.h"

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
