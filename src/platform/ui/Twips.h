#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window geometry is designed in twips: 15 twips make one device-independent
// pixel at 96 dpi. Qt's own high-DPI scaling takes it from there.
namespace platform::twips {

inline constexpr int PerPixel = 15;

int toPixels(int twips);
int fromPixels(int pixels);

// Rounds the edges rather than the size, so that neighbours stay neighbours.
QRect toPixels(int left, int top, int width, int height);
QSize sizeToPixels(int width, int height);

} // namespace platform::twips
