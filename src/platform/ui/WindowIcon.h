#pragma once

class QWidget;

namespace platform {

// Gives a window no icon of its own: an empty one. A window left without any
// would show its owner's icon in its title bar under window managers that fall
// back to that (openbox, icewm, KWin); with an empty one they show nothing.
void showNoWindowIcon(QWidget& window);

} // namespace platform
