#pragma once

class QWidget;

namespace platform {

// Places a top-level window in the middle of the screen: top = screen height
// / 2 - window height / 2, left likewise, for the window's outer size, the
// window manager's frame included. Call it before the window is shown.
void centreOnScreen(QWidget& window);

} // namespace platform
