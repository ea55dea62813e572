#pragma once

#include <QIcon>
#include <string_view>

namespace windows::shell {

// The program's picture, a yellow pencil pointing right on black, 32 x 32
// pixels in 16 colours, as the layout tables name it.
inline constexpr std::string_view ProgramPicture = ":/icons/program-icon.xpm";

// The picture as the icon of the splash, main and About windows.
QIcon programIcon();

} // namespace windows::shell
