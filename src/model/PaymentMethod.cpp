#include "model/PaymentMethod.h"

namespace model {

bool isCardPayment(PaymentMethod method) {
    switch (method) {
    case PaymentMethod::Visa:
    case PaymentMethod::MasterCard:
    case PaymentMethod::AmericanExpress:
    case PaymentMethod::Discover:
        return true;
    case PaymentMethod::Check:
    case PaymentMethod::MoneyOrder:
        break;
    }
    return false;
}

} // namespace model
