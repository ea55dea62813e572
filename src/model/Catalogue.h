#pragma once

#include <optional>
#include <string_view>

namespace model {

// How many products the catalogue holds; they are numbered 0 to ProductCount - 1.
inline constexpr int ProductCount = 24;

// Text of a product's check box on the order window. "&&" stands for one "&".
// Throws std::out_of_range for a number that is no product's.
std::string_view productCaption(int index);

// Price in US dollars. Throws std::out_of_range for a number that is no product's.
double productPrice(int index);

// The line the order documents carry for a ticked product. Throws
// std::out_of_range for a number that is no product's.
std::string_view feeLine(int index);

// The paragraph shown while the pointer rests on a product; nothing for a
// number that is no product's. A lone carriage return breaks the line, "&&"
// stands for "&".
std::optional<std::string_view> productDescription(int index);

} // namespace model
