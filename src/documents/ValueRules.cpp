#include "documents/ValueRules.h"

#include "model/MoneyText.h"
#include "model/Totals.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace documents {
namespace {

std::string spaces(long count) {
    return count > 0 ? std::string(static_cast<std::size_t>(count), ' ') : std::string();
}

// Reads back a money caption such as "$1,234.50" without its first character.
// The caption is always written with a decimal point, so it is read with one
// too, whatever number format the desktop's language uses.
double captionAmount(std::string_view caption) {
    std::string digits;
    for (char c : caption.substr(caption.empty() ? 0 : 1)) {
        if (c != ',')
            digits += c;
    }
    double amount = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), amount);
    return amount;
}

} // namespace

std::string dateText(CalendarDate date) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02d-%02d-%02d", date.month % 100, date.day % 100,
                  ((date.year % 100) + 100) % 100);
    return text.data();
}

std::string amountField(std::string_view caption) {
    return spaces(10 - static_cast<long>(caption.size())) +
           model::formatAmount(captionAmount(caption));
}

std::string taxField(double salesTax) {
    const std::string plain = model::plainNumberText(salesTax);
    return spaces(10 - static_cast<long>(plain.size())) + model::formatAmount(salesTax);
}

std::string shippingField() {
    const std::string amount = model::formatAmount(model::ShippingCharge);
    return spaces(10 - static_cast<long>(amount.size()) - 1) + amount;
}

std::string_view paymentText(model::PaymentMethod method) {
    switch (method) {
    case model::PaymentMethod::Check:
        return "Check Enclosed (Payable to 'Quendrel Software')";
    case model::PaymentMethod::MoneyOrder:
        return "Money Order Enclosed (Payable to 'Quendrel Software')";
    case model::PaymentMethod::Visa:
        return "VISA Payment";
    case model::PaymentMethod::MasterCard:
        return "MasterCard Payment";
    case model::PaymentMethod::AmericanExpress:
        return "American Express Payment";
    case model::PaymentMethod::Discover:
        return "Discover Payment";
    }
    return {};
}

} // namespace documents
