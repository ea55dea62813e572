#pragma once

#include "documents/CalendarDate.h"

#include <string>
#include <string_view>

// How the order documents write dates and amounts.
namespace documents {

// "mm-dd-yy", each part with a leading zero.
std::string DateText(CalendarDate date);

// An amount label's caption ("$518.80") right-aligned so that the amount ends
// ten columns after the caller's "$": (10 - caption length) spaces, then the
// caption's amount again without its dollar sign.
std::string AmountField(std::string_view caption);

// The file's sales-tax field: spaced by the length of the unrounded amount's
// plain text, then the amount to two decimals.
std::string TaxField(double salesTax);

// Shipping is the same on every order: five spaces and "4.00".
std::string ShippingField();

// What the documents say about a payment option; empty for any other index.
std::string_view PaymentText(int paymentOption);

} // namespace documents
