#pragma once

#include <string_view>

// The splash window's controls by name, for its layout table, the window and
// the tests.
namespace windows::shell::splash_control {

inline constexpr std::string_view StartingText = "StartingText";

} // namespace windows::shell::splash_control
