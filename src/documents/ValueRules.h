#pragma once

#include "documents/CalendarDate.h"
#include "model/PaymentMethod.h"

#include <string>
#include <string_view>

// How the order documents write dates and amounts.
namespace documents {

// "mm-dd-yy", each part with a leading zero.
std::string dateText(CalendarDate date);

// An amount label's caption ("$518.80") right-aligned so that the amount ends
// ten columns after the caller's "$": (10 - caption length) spaces, then the
// caption's amount again without its dollar sign.
std::string amountField(std::string_view caption);

// The file's sales-tax field: spaced by the length of the unrounded amount's
// plain text, then the amount to two decimals.
std::string taxField(double salesTax);

// Shipping is the same on every order: the shipping charge to two decimals,
// right-aligned like the other amounts ("     4.00").
std::string shippingField();

// What the documents say about a payment method.
std::string_view paymentText(model::PaymentMethod method);

} // namespace documents
