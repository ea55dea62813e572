#pragma once

#include <string>

namespace model {

// "$#,##0.00": dollar sign, the amount to the nearest cent (an exact half
// cent goes away from zero), comma-separated thousands, two decimals.
std::string formatMoney(double amount);

// "###,##0.00": the same digits without the dollar sign.
std::string formatAmount(double amount);

// The plain text of a number: at most 15 significant digits, a decimal point
// only when a fraction follows, no trailing zeros and no "0" before the point
// of a value below 1 (0.6442625 gives ".6442625").
std::string plainNumberText(double value);

} // namespace model
