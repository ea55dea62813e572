#pragma once

#include "model/OrderRecord.h"

#include <string>

namespace model {

// The four amount texts of the order window, in the money format.
struct TotalsTexts {
    std::string tax;
    std::string shipping;
    std::string subTotal;
    std::string total;
};

// Recomputes SubTotal, SalesTax and OrderTotal of the record from its ticks,
// from scratch, and returns the texts the window shows for them.
TotalsTexts RecalculateTotals(OrderRecord& record);

} // namespace model
