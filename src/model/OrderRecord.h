#pragma once

#include "model/Catalogue.h"

#include <array>
#include <optional>

namespace model {

// The ticks of an order and the amounts computed from them.
struct OrderRecord {
    std::array<bool, ProductCount> productTicked{};
    bool salesTaxTicked = false; // Missouri sales tax applies
    // Unset until the first recalculation; an unset amount counts as zero.
    std::optional<double> subTotal;
    std::optional<double> salesTax;
    std::optional<double> orderTotal;
};

} // namespace model
