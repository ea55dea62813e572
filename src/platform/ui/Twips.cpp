#include "platform/ui/Twips.h"

#include <cmath>

namespace platform::twips {

int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / PerPixel));
}

int fromPixels(int pixels) {
    return pixels * PerPixel;
}

QRect toPixels(int left, int top, int width, int height) {
    const int x = toPixels(left);
    const int y = toPixels(top);
    return {x, y, toPixels(left + width) - x, toPixels(top + height) - y};
}

QSize sizeToPixels(int width, int height) {
    return {toPixels(width), toPixels(height)};
}

} // namespace platform::twips
