#include "platform/desktop/WindowFrame.h"

#include "platform/desktop/FramingWatch.h"
#include "platform/desktop/X11Frames.h"

#include <QScreen>
#include <QWidget>
#include <cmath>

namespace platform {
namespace {

bool isFrameless(const QWidget& window) {
    const Qt::WindowFlags flags = window.windowFlags();
    return flags.testFlag(Qt::FramelessWindowHint) ||
           flags.testFlag(Qt::X11BypassWindowManagerHint);
}

// The screen's pixels in the window's device-independent ones, as Qt reckons
// them: a screen keeps its corner, and what lies beyond it shrinks by the
// window's pixel ratio.
int toWindowPixels(int screenPixels, qreal ratio) {
    return static_cast<int>(std::lround(screenPixels / ratio));
}

QMargins toWindowPixels(const QMargins& frame, qreal ratio) {
    return {toWindowPixels(frame.left(), ratio), toWindowPixels(frame.top(), ratio),
            toWindowPixels(frame.right(), ratio), toWindowPixels(frame.bottom(), ratio)};
}

FramedPlace toWindowPixels(const X11Frames::Place& place, const QWidget& window) {
    const qreal ratio = window.devicePixelRatioF();
    const QPoint corner = window.screen() ? window.screen()->geometry().topLeft() : QPoint();
    const QPoint beyond = place.client.topLeft() - corner;
    const QPoint client =
        corner + QPoint(toWindowPixels(beyond.x(), ratio), toWindowPixels(beyond.y(), ratio));
    return {QRect(client, window.size()), toWindowPixels(place.frame, ratio)};
}

// The way back: a point in the window's pixels as the screen's.
QPoint toScreenPixels(const QPoint& point, const QWidget& window) {
    const qreal ratio = window.devicePixelRatioF();
    const QPoint corner = window.screen() ? window.screen()->geometry().topLeft() : QPoint();
    const QPoint beyond = point - corner;
    return corner + QPoint(static_cast<int>(std::lround(beyond.x() * ratio)),
                           static_cast<int>(std::lround(beyond.y() * ratio)));
}

} // namespace

QMargins expectedFrame(QWidget& window) {
    // Made on first use, even by a frameless window: the window manager gets
    // its first question early.
    X11Frames* frames = X11Frames::instance();
    if (isFrameless(window))
        return {};
    if (!frames) {
        // Elsewhere Qt knows the frame once the window is on the screen.
        const QRect inner = window.geometry();
        const QRect outer = window.frameGeometry();
        return {inner.left() - outer.left(), inner.top() - outer.top(),
                outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    }
    return toWindowPixels(frames->expectedFrame(window), window.devicePixelRatioF());
}

void whenFramed(QWidget& window, const FramedCall& framed) {
    X11Frames* frames = X11Frames::instance();
    if (!frames || isFrameless(window))
        return;
    FramingWatch::instance().watch(window, [frames, framed](QWidget& shown) {
        const std::optional<X11Frames::Place> place = frames->placeOf(shown);
        if (!place)
            return false;
        frames->learn(shown, place->frame);
        framed(shown, toWindowPixels(*place, shown));
        return true;
    });
}

void moveClientTo(QWidget& window, const QPoint& corner) {
    if (X11Frames* frames = X11Frames::instance(); frames && !isFrameless(window))
        frames->moveClient(window, toScreenPixels(corner, window));
}

} // namespace platform
