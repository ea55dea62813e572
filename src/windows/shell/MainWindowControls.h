#pragma once

#include <string_view>

// The main window's controls and menu commands by name, for its layout
// table, the window and the tests.
namespace windows::shell::main_control {

inline constexpr std::string_view Client = "MainWindowClient"; // under the menu bar
inline constexpr std::string_view IntroductionText = "IntroductionText";

inline constexpr std::string_view FileMenu = "FileMenu";
inline constexpr std::string_view ShowOrderFormCommand = "ShowOrderFormCommand";
inline constexpr std::string_view ExitCommand = "ExitCommand";
inline constexpr std::string_view OrderFormMenu = "OrderFormMenu";
inline constexpr std::string_view VendorInformationCommand = "VendorInformationCommand";
inline constexpr std::string_view OrderFormCommand = "OrderFormCommand";
inline constexpr std::string_view HelpMenu = "HelpMenu";
inline constexpr std::string_view HowToUseHelpCommand = "HowToUseHelpCommand";
inline constexpr std::string_view HelpMenuSeparator = "HelpMenuSeparator";
inline constexpr std::string_view AboutCommand = "AboutCommand";

} // namespace windows::shell::main_control
