#pragma once

#include <string_view>

// The About window's controls by name, for its layout table, the window and
// the tests.
namespace windows::shell::about_control {

inline constexpr std::string_view TitleLabel = "TitleLabel";
inline constexpr std::string_view VersionLabel = "VersionLabel";
inline constexpr std::string_view EditionLabel = "EditionLabel";
inline constexpr std::string_view RightsNoticeLabel = "RightsNoticeLabel";
inline constexpr std::string_view RightsReservedLabel = "RightsReservedLabel";
inline constexpr std::string_view ContactBox = "ContactBox";
inline constexpr std::string_view ProgramPicture = "ProgramPicture";
inline constexpr std::string_view WebAddressButton = "WebAddressButton";
inline constexpr std::string_view OkButton = "OkButton";

} // namespace windows::shell::about_control
