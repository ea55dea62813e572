#pragma once

#include "documents/OrderSnapshot.h"
#include "model/Totals.h"

#include <initializer_list>

// Orders as the order window would show them after the customer's clicks.
namespace sample {

inline documents::OrderSnapshot order(std::initializer_list<int> products, bool salesTax,
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

inline documents::OrderSnapshot everything(bool salesTax, model::PaymentMethod payment) {
    return order(
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23},
        salesTax, payment);
}

} // namespace sample
