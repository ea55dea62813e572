#include "platform/desktop/WindowPlacement.h"

#include "platform/desktop/DisplayInfo.h"
#include "platform/desktop/FrameLog.h"
#include "platform/desktop/WindowFrame.h"
#include "platform/ui/Twips.h"

#include <QTimer>
#include <QWidget>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace platform {
namespace {

// top = screen height / 2 - window height / 2, left likewise, in twips, for
// the window's outer size and within the screen's own area.
QPoint centredOuterCorner(const QRect& screen, const QSize& outer) {
    const float top = static_cast<float>(twips::fromPixels(screen.height())) / 2 -
                      static_cast<float>(twips::fromPixels(outer.height())) / 2;
    const float left = static_cast<float>(twips::fromPixels(screen.width())) / 2 -
                       static_cast<float>(twips::fromPixels(outer.width())) / 2;
    return screen.topLeft() + QPoint(static_cast<int>(std::lround(left / twips::PerPixel)),
                                     static_cast<int>(std::lround(top / twips::PerPixel)));
}

// Where the client area goes when the frame round it is centred.
QPoint centredClientCorner(const QRect& screen, const QSize& client, const QMargins& frame) {
    return centredOuterCorner(screen, client.grownBy(frame)) + QPoint(frame.left(), frame.top());
}

constexpr int LookAgainMilliseconds = 500;

// Where the client area of a window on the screen has to go for its frame to
// be centred; nothing where it is there already. The frame log tells which
// `look` found the window where.
std::optional<QPoint> movedPlace(const QRect& screen, const QWidget& window,
                                 const FramedPlace& place, const char* look) {
    const QPoint wanted = centredClientCorner(screen, window.size(), place.frame);
    qCDebug(frameLog) << window.windowTitle() << look << place.client.topLeft() << "in"
                      << place.frame << "centred at" << wanted;
    const QPoint off = wanted - place.client.topLeft();
    // Scaled, a window's pixels are rounded on the way to the screen's.
    const int slack = window.devicePixelRatioF() > 1 ? 1 : 0;
    if (std::abs(off.x()) > slack || std::abs(off.y()) > slack)
        return wanted;
    return std::nullopt;
}

} // namespace

void centreOnScreen(QWidget& window) {
    const QRect screen = DisplayInfo::current().screenArea();
    // The client area goes inside the frame that the window manager is
    // expected to give it, so the window shows in its place from the start.
    const QMargins frame = expectedFrame(window);
    window.setGeometry(QRect(centredClientCorner(screen, window.size(), frame), window.size()));
    qCDebug(frameLog) << window.windowTitle() << "placed at" << window.pos() << "for" << frame;

    // Where the window manager did otherwise (another frame than expected, or
    // another place), the window moves once, right after it has been shown.
    whenFramed(window, [screen](QWidget& shown, const FramedPlace& place) {
        if (const std::optional<QPoint> wanted = movedPlace(screen, shown, place, "framed at"))
            shown.setGeometry(QRect(*wanted, shown.size()));
        // A window manager still busy with a new window may drop that move or
        // undo it, or change the frame after all: one more look a moment later.
        QTimer::singleShot(LookAgainMilliseconds, &shown, [&shown, screen] {
            whenFramed(shown, [screen](QWidget& again, const FramedPlace& placeNow) {
                if (const std::optional<QPoint> still =
                        movedPlace(screen, again, placeNow, "looked at again at"))
                    moveClientTo(again, *still);
            });
        });
    });
}

} // namespace platform
