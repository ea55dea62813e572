#include "platform/desktop/WindowPlacement.h"

#include "platform/desktop/DisplayInfo.h"
#include "platform/desktop/Twips.h"

#include <QWidget>
#include <cmath>

namespace platform {

void centreOnScreen(QWidget& window) {
    const QSize screen = DisplayInfo::current().screenSize();
    // The frame is only known once the window manager has framed the window.
    const QSize outer = window.frameGeometry().size().expandedTo(window.size());
    const float top = static_cast<float>(twips::fromPixels(screen.height())) / 2 -
                      static_cast<float>(twips::fromPixels(outer.height())) / 2;
    const float left = static_cast<float>(twips::fromPixels(screen.width())) / 2 -
                       static_cast<float>(twips::fromPixels(outer.width())) / 2;
    window.move(static_cast<int>(std::lround(left / twips::PerPixel)),
                static_cast<int>(std::lround(top / twips::PerPixel)));
}

} // namespace platform
