#pragma once

namespace model {

// How the customer pays. The order window offers each as an option button.
enum class PaymentMethod { Check, MoneyOrder, Visa, MasterCard, AmericanExpress, Discover };

// Visa, MasterCard, American Express and Discover: the card details count.
bool isCardPayment(PaymentMethod method);

} // namespace model
