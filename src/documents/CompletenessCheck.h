#pragma once

#include <optional>

namespace documents {

// An order can be saved or printed once at least one product is priced into
// it. The sub-total is unset until the first recalculation; unset counts as 0.
bool isOrderComplete(std::optional<double> subTotal);

} // namespace documents
