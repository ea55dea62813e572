#include "model/Totals.h"

#include "model/MoneyText.h"

namespace model {

TotalsTexts RecalculateTotals(OrderRecord& record) {
    double salesTax = 0;
    double subTotal = 0;
    double orderTotal = 0;

    for (int i = 0; i <= ProductCount; ++i) {
        if (record.Product[static_cast<std::size_t>(i)] == 1)
            subTotal += ProductPrice(i);
    }
    if (record.Check1 == 1)
        salesTax = subTotal * SalesTaxRate;
    orderTotal = (subTotal + ShippingCharge) + salesTax;

    TotalsTexts texts;
    texts.tax = FormatMoney(salesTax);
    texts.shipping = FormatMoney(ShippingCharge);

    // No product, no order: the tax box alone never makes an amount, and
    // shipping is only charged when something is shipped.
    if (subTotal == 0) {
        texts.shipping = FormatMoney(0);
        orderTotal = 0;
        salesTax = 0;
    }
    texts.subTotal = FormatMoney(subTotal);
    texts.total = FormatMoney(orderTotal);

    record.SubTotal = subTotal;
    record.SalesTax = salesTax;
    record.OrderTotal = orderTotal;
    return texts;
}

} // namespace model
