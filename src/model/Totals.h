#pragma once

#include "model/OrderRecord.h"

#include <string>

namespace model {

// Missouri's sales tax on the sub-total, where it applies. The order window's
// caption for it shows this rate.
inline constexpr double SalesTaxRate = 0.06475;
// Shipping and handling in US dollars, anywhere in the world.
inline constexpr double ShippingCharge = 4;

// The four amount texts of the order window, in the money format.
struct TotalsTexts {
    std::string tax;
    std::string shipping;
    std::string subTotal;
    std::string total;
};

// Recomputes the sub-total, sales tax and order total of the record from its ticks,
// from scratch, and returns the texts the window shows for them.
TotalsTexts recalculateTotals(OrderRecord& record);

} // namespace model
