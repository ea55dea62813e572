#include "model/MoneyText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace model {
namespace {

// Whole part and two decimals of |amount| rounded to the nearest cent, as
// decimal digits ("51880" for 518.7999...). Rounding looks at the exact
// binary value, so only a true half cent is rounded away from zero.
std::string roundedCentDigits(double magnitude) {
    // Enough room for the largest double written out in full plus 60 decimals.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, 60);
    const std::string text(buffer.data(), result.ptr);
    const auto point = text.find('.');
    std::string digits = text.substr(0, point) + text.substr(point + 1, 2);
    const bool roundUp = text[point + 3] >= '5';
    if (roundUp) {
        auto it = digits.rbegin();
        for (; it != digits.rend() && *it == '9'; ++it)
            *it = '0';
        if (it == digits.rend())
            digits.insert(digits.begin(), '1');
        else
            ++*it;
    }
    return digits;
}

std::string groupedAmount(double amount, std::string_view currency) {
    if (!std::isfinite(amount))
        return std::isnan(amount) ? "NaN" : (amount < 0 ? "-Infinity" : "Infinity");

    std::string digits = roundedCentDigits(std::fabs(amount));
    const std::string cents = digits.substr(digits.size() - 2);
    const std::string_view wholeDigits(digits.data(), digits.size() - 2);
    const std::size_t firstSignificant = wholeDigits.find_first_not_of('0');
    const std::string whole(firstSignificant == std::string_view::npos
                                ? std::string_view("0")
                                : wholeDigits.substr(firstSignificant));

    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += ',';
        grouped += whole[i];
    }
    std::string text;
    if (amount < 0 && (whole != "0" || cents != "00"))
        text.push_back('-');
    text.append(currency).append(grouped).append(1, '.').append(cents);
    return text;
}

} // namespace

std::string formatMoney(double amount) {
    return groupedAmount(amount, "$");
}

std::string formatAmount(double amount) {
    return groupedAmount(amount, "");
}

std::string plainNumberText(double value) {
    if (value == 0)
        return "0";
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == 'e')
            c = 'E';
    }
    if (text.starts_with("0."))
        text.erase(0, 1);
    else if (text.starts_with("-0."))
        text.erase(1, 1);
    return text;
}

} // namespace model
