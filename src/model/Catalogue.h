#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace model {

// Index of the last catalogue row (the number of rows minus one). Every loop
// over the products runs from 0 to ProductCount inclusive.
inline constexpr std::int16_t ProductCount = 23;

// The price and fee-line tables have room for a few more products than the
// catalogue holds; the spare slots read as 0 and "".
inline constexpr int CatalogueSlots = 31;

// Text of a product's check box on the order window. "&&" stands for one "&".
// Throws std::out_of_range outside 0..ProductCount.
std::string_view ProductCaption(int index);

// Price in US dollars. Slots past ProductCount read 0; an index outside the
// table (0..CatalogueSlots-1) throws std::out_of_range.
double ProductPrice(int index);

// The line the order documents carry for a ticked product. Slots past
// ProductCount read ""; an index outside the table throws std::out_of_range.
std::string_view FeeLine(int index);

// The paragraph shown while the pointer rests on a product; nothing outside
// 0..ProductCount. A lone carriage return breaks the line, "&&" stands for "&".
std::optional<std::string_view> ProductDescription(int index);

} // namespace model
