#include "platform/desktop/WindowPlacement.h"

#include "platform/desktop/DisplayInfo.h"
#include "platform/desktop/Twips.h"
#include "platform/desktop/WindowFrame.h"

#include <QWidget>
#include <cmath>

namespace platform {

void centreOnScreen(QWidget& window) {
    const QSize screen = DisplayInfo::current().screenSize();
    const QMargins frame = windowFrame(window);
    const QSize outer = window.size().grownBy(frame);
    const float top = static_cast<float>(twips::fromPixels(screen.height())) / 2 -
                      static_cast<float>(twips::fromPixels(outer.height())) / 2;
    const float left = static_cast<float>(twips::fromPixels(screen.width())) / 2 -
                       static_cast<float>(twips::fromPixels(outer.width())) / 2;
    const QPoint outerCorner(static_cast<int>(std::lround(left / twips::PerPixel)),
                             static_cast<int>(std::lround(top / twips::PerPixel)));
    // The client area goes inside the frame, where the window manager will
    // put it, so the window shows in its place from the start.
    window.setGeometry(QRect(outerCorner + QPoint(frame.left(), frame.top()), window.size()));
}

} // namespace platform
