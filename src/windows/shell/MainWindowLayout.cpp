#include "windows/shell/MainWindowLayout.h"

#include "windows/shell/MainWindowControls.h"

#include <array>

namespace windows::shell {
namespace {

using namespace layout;

// The window writes the introduction in.
constexpr auto MainControls = std::to_array<ControlSpec>({
    {.name = main_control::IntroductionText,
     .place = {360, 240, 7212, 4692},
     .back = rgb(255, 255, 255),
     .text = rgb(0, 0, 0),
     .font = FontSpec{Face::Serif, 12, true, false}},
});

} // namespace

FormSpec mainWindowForm() {
    return {.caption = "Order Form",
            .clientWidth = 7872,
            .clientHeight = 5088,
            .back = rgb(255, 255, 255),
            .text = WindowText,
            .font = SansBold};
}

std::span<const ControlSpec> mainWindowControls() {
    return MainControls;
}

} // namespace windows::shell
