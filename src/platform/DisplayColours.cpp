#include "platform/DisplayColours.h"

#include "platform/DisplayInfo.h"

#include <cmath>

namespace platform {

double displayColourCount() {
    const DisplayInfo& display = DisplayInfo::current();
    return std::pow(2.0, display.bitsPerPixel()) * display.planes();
}

} // namespace platform
