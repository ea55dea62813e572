#include "model/Totals.h"

#include "model/MoneyText.h"

namespace model {

TotalsTexts recalculateTotals(OrderRecord& record) {
    double salesTax = 0;
    double subTotal = 0;
    double orderTotal = 0;

    for (int i = 0; i < ProductCount; ++i) {
        if (record.productTicked[static_cast<std::size_t>(i)])
            subTotal += productPrice(i);
    }
    if (record.salesTaxTicked)
        salesTax = subTotal * SalesTaxRate;
    orderTotal = (subTotal + ShippingCharge) + salesTax;

    TotalsTexts texts;
    texts.tax = formatMoney(salesTax);
    texts.shipping = formatMoney(ShippingCharge);

    // No product, no order: the tax box alone never makes an amount, and
    // shipping is only charged when something is shipped.
    if (subTotal == 0) {
        texts.shipping = formatMoney(0);
        orderTotal = 0;
        salesTax = 0;
    }
    texts.subTotal = formatMoney(subTotal);
    texts.total = formatMoney(orderTotal);

    record.subTotal = subTotal;
    record.salesTax = salesTax;
    record.orderTotal = orderTotal;
    return texts;
}

} // namespace model
