#pragma once

#include <string_view>

// Quendrel Software's own details, the same wherever the program shows them.
namespace model::vendor {

inline constexpr std::string_view Name = "Quendrel Software";
inline constexpr std::string_view PostOfficeBox = "PO BOX 4417";
inline constexpr std::string_view DocumentCityLine = "Springfield, MO 65801-4417";
inline constexpr std::string_view StreetAddress = "2150 Larkmoor Road";
inline constexpr std::string_view CityLine = "Springfield, MO 65804  USA";
inline constexpr std::string_view TollFreePhone = "1-800-555-0123";
inline constexpr std::string_view TollFreeFax = "1-800-555-0147";
inline constexpr std::string_view Email = "orders@quendrel.example";
inline constexpr std::string_view WebAddress = "www.quendrel.example";
inline constexpr std::string_view HomePage = "https://www.quendrel.example/";
inline constexpr std::string_view RightsNotice = "Copyright (C) 1999 by";
inline constexpr std::string_view RightsReserved = "All Rights Reserved";
inline constexpr std::string_view DevelopmentSystem = "Qt C++ (6.4)";
inline constexpr std::string_view ProgramVersion = "5.2";

} // namespace model::vendor
