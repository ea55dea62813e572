#pragma once

#include "documents/OrderSnapshot.h"
#include "model/Totals.h"

#include <initializer_list>

// Orders as the order window would show them after the customer's clicks.
namespace sample {

inline documents::OrderSnapshot order(std::initializer_list<int> products, bool salesTax,
                                      int payment = model::payment::Check) {
    model::OrderRecord record;
    for (int index : products)
        record.Product[static_cast<std::size_t>(index)] = 1;
    record.Check1 = salesTax ? 1 : 0;
    const model::TotalsTexts texts = model::RecalculateTotals(record);

    documents::OrderSnapshot snapshot;
    for (int index : products)
        snapshot.products[static_cast<std::size_t>(index)] = true;
    snapshot.salesTaxTicked = salesTax;
    snapshot.paymentOption = payment;
    snapshot.subTotalCaption = texts.subTotal;
    snapshot.salesTaxCaption = texts.tax;
    snapshot.totalCaption = texts.total;
    snapshot.salesTax = record.SalesTax.value_or(0);
    return snapshot;
}

inline documents::OrderSnapshot everything(bool salesTax, int payment) {
    return order(
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23},
        salesTax, payment);
}

} // namespace sample
