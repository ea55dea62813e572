#pragma once

namespace platform {

// How many colours the display can show at once: 2 to the power of its bits
// per pixel, times its colour planes.
double displayColourCount();

} // namespace platform
