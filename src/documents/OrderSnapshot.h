#pragma once

#include "model/Catalogue.h"
#include "model/CustomerEntries.h"
#include "model/PaymentMethod.h"

#include <array>
#include <string>

namespace documents {

// What the order window shows at the moment the customer saves or prints:
// the documents are made from this and nothing else.
struct OrderSnapshot {
    model::CustomerEntries customer;
    std::array<bool, model::ProductCount> productTicked{};
    bool salesTaxTicked = false;
    model::PaymentMethod paymentMethod = model::PaymentMethod::Check;
    std::string subTotalCaption = "$0.00"; // the sub-total label
    std::string salesTaxCaption = "$0.00"; // the sales-tax label
    std::string totalCaption = "$0.00";    // the order-total label
    double salesTax = 0;                   // unrounded; unset counts as zero
};

} // namespace documents
