#include "model/OrderRecord.h"

#include <algorithm>

namespace model {

bool IsCardPayment(int paymentMethod) {
    return std::find(CardPaymentOptions.begin(), CardPaymentOptions.end(), paymentMethod) !=
           CardPaymentOptions.end();
}

} // namespace model
