#include "platform/MessageBoxes.h"

#include "platform/QtMessageBoxes.h"

namespace platform {
namespace {
MessageBoxes* installedBoxes = nullptr;
}

MessageBoxes& MessageBoxes::current() {
    static QtMessageBoxes realBoxes;
    return installedBoxes ? *installedBoxes : realBoxes;
}

void MessageBoxes::install(MessageBoxes* boxes) {
    installedBoxes = boxes;
}

} // namespace platform
