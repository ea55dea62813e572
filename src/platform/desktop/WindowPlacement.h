#pragma once

class QWidget;

namespace platform {

// Places a top-level window in the middle of the primary monitor: top =
// screen height / 2 - window height / 2, left likewise, for the window's outer
// size, the window manager's frame included, and from the monitor's own corner.
// Call it before the window is shown. Where the window manager then frames or
// places it otherwise than expected, the window is moved once, right after it
// shows.
void centreOnScreen(QWidget& window);

} // namespace platform
