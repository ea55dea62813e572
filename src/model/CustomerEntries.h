#pragma once

#include <string>
#include <string_view>

namespace model {

// What each customer field holds until the customer types over it. The prompt
// is ordinary text: it stays in the order if nobody replaces it.
namespace prompt {
inline constexpr std::string_view FullName = "(Enter Your Full Name)";
inline constexpr std::string_view Address = "(Address)";
inline constexpr std::string_view City = "(City)";
inline constexpr std::string_view State = "(State/Country)";
inline constexpr std::string_view ZipCode = "(Zip/Post Code)";
inline constexpr std::string_view Phone = "(Telephone Number)";
inline constexpr std::string_view Email = "(E-Mail Address)";
inline constexpr std::string_view CardholderName = "(Cardholder Name Shown on Card)";
inline constexpr std::string_view CardNumber = "(Credit Card Number)";
inline constexpr std::string_view CardExpiry = "(Card Exp Date)";
} // namespace prompt

// The ten free-text entries of an order, UTF-8, never validated or trimmed.
struct CustomerEntries {
    std::string fullName{prompt::FullName};
    std::string address{prompt::Address};
    std::string city{prompt::City};
    std::string state{prompt::State};
    std::string zipCode{prompt::ZipCode};
    std::string phone{prompt::Phone};
    std::string email{prompt::Email};
    std::string cardholderName{prompt::CardholderName};
    std::string cardNumber{prompt::CardNumber};
    std::string cardExpiry{prompt::CardExpiry};
};

} // namespace model
