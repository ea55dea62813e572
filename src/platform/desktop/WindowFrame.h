#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <functional>

class QWidget;

// The frame that the window manager puts round a top-level window (title bar
// and borders), in the window's device-independent pixels.
namespace platform {

// What the frame of `window`, which is not on the screen yet, is expected to
// be: on X11 the window manager's own forecast for a window of its kind, or
// the frame it really gave the last window of that kind. Zero for a frameless
// window, without a window manager, and before anything is known.
QMargins expectedFrame(QWidget& window);

// Where a window really is once it is on the screen: its client area and the
// frame round it.
struct FramedPlace {
    QRect client;
    QMargins frame;
};

using FramedCall = std::function<void(QWidget& window, const FramedPlace& place)>;

// Calls `framed` once, right after `window` has been put on the screen and the
// window manager, where there is one, has finished framing it, with where it
// really is; what it finds is also what expectedFrame() gives later windows of
// the kind where the window manager gives no forecast. Only on X11, and not
// for frameless windows: elsewhere a compositor places the windows.
void whenFramed(QWidget& window, const FramedCall& framed);

// Asks the window manager to put the client area of `window`, which is on the
// screen, with its corner at `corner`, even where Qt believes it is there
// already (a window manager may drop a request to move a window that it is
// still placing). Only on X11, as whenFramed().
void moveClientTo(QWidget& window, const QPoint& corner);

} // namespace platform
