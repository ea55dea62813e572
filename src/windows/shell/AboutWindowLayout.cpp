#include "windows/shell/AboutWindowLayout.h"

#include "model/Vendor.h"
#include "windows/shell/AboutWindowControls.h"
#include "windows/shell/ProgramIcon.h"

#include <array>

namespace windows::shell {
namespace {

using namespace layout;
using K = ControlKind;

constexpr Colour Cyan = rgb(0, 255, 255);
constexpr Colour Yellow = rgb(255, 255, 0);
constexpr FontSpec ButtonFont{Face::Sans, 13.8, true, false};

// Bottom of the stacking order first.
constexpr auto AboutControls = std::to_array<ControlSpec>({
    {.name = about_control::TitleLabel,
     .place = {1320, 360, 1284, 204},
     .caption = "Order Form",
     .text = Cyan,
     .font = FontSpec{Face::Serif, 9, true, false},
     .tabIndex = 0,
     .align = Align::Centre,
     .transparent = true},
    // The window writes the program's version in.
    {.name = about_control::VersionLabel,
     .place = {1380, 600, 1152, 192},
     .text = Yellow,
     .tabIndex = 3,
     .align = Align::Centre,
     .transparent = true},
    {.name = about_control::RightsNoticeLabel,
     .place = {120, 1200, 3495, 195},
     .caption = model::vendor::RightsNotice,
     .text = Cyan,
     .tabIndex = 4,
     .align = Align::Centre,
     .transparent = true},
    // The window writes the vendor's address in.
    {.name = about_control::ContactBox,
     .place = {360, 1920, 3075, 1050},
     .back = WindowBackground,
     .text = WindowText,
     .tabIndex = 5,
     .align = Align::Centre,
     .border = true},
    {.name = about_control::ProgramPicture,
     .kind = K::Image,
     .place = {2880, 480, 384, 384},
     .image = ProgramPicture},
    {.name = about_control::RightsReservedLabel,
     .place = {1005, 1440, 1725, 195},
     .caption = model::vendor::RightsReserved,
     .text = Cyan,
     .tabIndex = 6,
     .align = Align::Centre,
     .transparent = true},
    {.name = about_control::EditionLabel,
     .place = {1404, 840, 1212, 192},
     .caption = " 32-bit Edition ",
     .back = rgb(64, 0, 64),
     .text = Yellow,
     .tabIndex = 7,
     .align = Align::Centre},
    {.name = about_control::WebAddressButton,
     .kind = K::PushButton,
     .place = {480, 3120, 2892, 492},
     .caption = model::vendor::WebAddress,
     .back = Yellow,
     .font = ButtonFont,
     .tabIndex = 1},
    {.name = about_control::OkButton,
     .kind = K::PushButton,
     .place = {360, 360, 732, 492},
     .caption = "OK",
     .back = ButtonFace,
     .font = ButtonFont,
     .tabIndex = 2},
});

} // namespace

FormSpec aboutWindowForm() {
    return {.caption = " About Order Form",
            .clientWidth = 3768,
            .clientHeight = 3948,
            .back = rgb(0, 0, 64),
            .text = WindowText,
            .font = SansBold};
}

std::span<const ControlSpec> aboutWindowControls() {
    return AboutControls;
}

} // namespace windows::shell
