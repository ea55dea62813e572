#pragma once

#include "documents/OrderSnapshot.h"
#include "model/Totals.h"

#include <numeric>
#include <vector>

// Orders as the order window would show them after the customer's clicks.
namespace sample {

inline documents::OrderSnapshot order(const std::vector<int>& products, bool salesTax,
                                      model::PaymentMethod payment = model::PaymentMethod::Check) {
    model::OrderRecord record;
    for (int index : products)
        record.productTicked[static_cast<std::size_t>(index)] = true;
    record.salesTaxTicked = salesTax;
    const model::TotalsTexts texts = model::recalculateTotals(record);

    documents::OrderSnapshot snapshot;
    for (int index : products)
        snapshot.productTicked[static_cast<std::size_t>(index)] = true;
    snapshot.salesTaxTicked = salesTax;
    snapshot.paymentMethod = payment;
    snapshot.subTotalCaption = texts.subTotal;
    snapshot.salesTaxCaption = texts.tax;
    snapshot.totalCaption = texts.total;
    snapshot.salesTax = record.salesTax.value_or(0);
    return snapshot;
}

// Every product of the catalogue.
inline documents::OrderSnapshot everything(bool salesTax, model::PaymentMethod payment) {
    std::vector<int> products(model::ProductCount);
    std::iota(products.begin(), products.end(), 0);
    return order(products, salesTax, payment);
}

} // namespace sample
