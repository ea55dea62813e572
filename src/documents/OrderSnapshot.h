#pragma once

#include "model/OrderRecord.h"

#include <array>
#include <string>

namespace documents {

// What the order window shows at the moment the customer saves or prints:
// the documents are made from this and nothing else.
struct OrderSnapshot {
    model::CustomerEntries entries;
    std::array<bool, model::ProductCount + 1> products{};
    bool salesTaxTicked = false;
    int paymentOption = model::payment::Check;
    std::string subTotalCaption = "$0.00"; // the sub-total label
    std::string salesTaxCaption = "$0.00"; // the sales-tax label
    std::string totalCaption = "$0.00";    // the order-total label
    double salesTax = 0;                   // unrounded; unset counts as zero
};

} // namespace documents
