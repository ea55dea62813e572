#pragma once

#include "model/Catalogue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace model {

// What each customer field holds until the customer types over it. The prompt
// is ordinary text: it stays in the order if nobody replaces it.
namespace prompt {
inline constexpr std::string_view FirstName = "(Enter Your Full Name)";
inline constexpr std::string_view Address = "(Address)";
inline constexpr std::string_view City = "(City)";
inline constexpr std::string_view State = "(State/Country)";
inline constexpr std::string_view Zip = "(Zip/Post Code)";
inline constexpr std::string_view DayPhone = "(Telephone Number)";
inline constexpr std::string_view EMail = "(E-Mail Address)";
inline constexpr std::string_view CardName = "(Cardholder Name Shown on Card)";
inline constexpr std::string_view CardNum = "(Credit Card Number)";
inline constexpr std::string_view CardExp = "(Card Exp Date)";
} // namespace prompt

// The ten free-text entries of an order, UTF-8, never validated or trimmed.
struct CustomerEntries {
    std::string FirstName{prompt::FirstName};
    std::string Address{prompt::Address};
    std::string City{prompt::City};
    std::string State{prompt::State};
    std::string Zip{prompt::Zip};
    std::string DayPhone{prompt::DayPhone};
    std::string EMail{prompt::EMail};
    std::string CardName{prompt::CardName};
    std::string CardNum{prompt::CardNum};
    std::string CardExp{prompt::CardExp};
};

// Payment options, numbered like the option buttons that offer them. Option 1
// is the disk-size button, which is never a payment method.
namespace payment {
inline constexpr int Check = 0;
inline constexpr int Visa = 2;
inline constexpr int MasterCard = 3;
inline constexpr int MoneyOrder = 4;
inline constexpr int AmericanExpress = 5;
inline constexpr int Discover = 6;
} // namespace payment

inline constexpr std::array<int, 4> CardPaymentOptions{payment::Visa, payment::MasterCard,
                                                       payment::AmericanExpress, payment::Discover};

bool IsCardPayment(int paymentMethod);

inline constexpr double ShippingCharge = 4;
inline constexpr double SalesTaxRate = 0.06475;

struct OrderRecord {
    CustomerEntries entries;
    std::array<int, ProductCount + 1> Product{}; // 0 or 1 per catalogue row
    int Check1 = 0;                              // 1 when Missouri sales tax applies
    int PaymentMethod = payment::Check;
    // Unset until the first recalculation; an unset amount counts as zero.
    std::optional<double> SubTotal;
    std::optional<double> SalesTax;
    std::optional<double> OrderTotal;
};

} // namespace model
