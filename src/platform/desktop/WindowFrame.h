#pragma once

#include <QMargins>

class QWidget;

namespace platform {

// The frame that the window manager puts around a top-level window: title bar
// and borders, in the window's device-independent pixels. Asked before the
// window is first shown, it is the window manager's own forecast of that
// frame, so that the window can open in its final place. Zero where windows
// get no frame: no window manager, or one that cannot tell beforehand.
QMargins windowFrame(QWidget& window);

} // namespace platform
