#include "windows/shell/SplashWindowLayout.h"

#include "windows/shell/SplashWindowControls.h"

#include <array>

namespace windows::shell {
namespace {

using namespace layout;

// The window writes the program's name and version in.
constexpr auto SplashControls = std::to_array<ControlSpec>({
    {.name = splash_control::StartingText,
     .place = {120, 120, 2655, 1095},
     .text = rgb(255, 0, 0),
     .font = FontSpec{Face::Sans, 9.6, true, false},
     .transparent = true},
});

} // namespace

FormSpec splashWindowForm() {
    return {.caption = "",
            .clientWidth = 2856,
            .clientHeight = 1476,
            .back = rgb(0, 0, 192),
            .text = rgb(255, 255, 0),
            .font = SansBold};
}

std::span<const ControlSpec> splashWindowControls() {
    return SplashControls;
}

} // namespace windows::shell
