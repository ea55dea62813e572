#include "model/Totals.h"
#include "support/ExpectedOrders.h"

#include <QTest>

using namespace model;

Q_DECLARE_METATYPE(QList<int>)

namespace {

OrderRecord recordWith(const QList<int>& products, bool salesTax) {
    OrderRecord record;
    for (int index : products)
        record.productTicked[static_cast<std::size_t>(index)] = true;
    record.salesTaxTicked = salesTax;
    return record;
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

class TotalsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void texts_data() {
        QTest::addColumn<QList<int>>("products");
        QTest::addColumn<bool>("salesTax");
        QTest::addColumn<QString>("subTotal");
        QTest::addColumn<QString>("shipping");
        QTest::addColumn<QString>("tax");
        QTest::addColumn<QString>("total");
        for (const sample::Expected& order : sample::expectedOrders())
            QTest::addRow("%s", qPrintable(order.name))
                << QList<int>(order.products.begin(), order.products.end()) << order.salesTax
                << order.subTotal << order.shipping << order.tax << order.total;
    }

    void texts() {
        QFETCH(QList<int>, products);
        QFETCH(bool, salesTax);
        OrderRecord record = recordWith(products, salesTax);
        const TotalsTexts texts = recalculateTotals(record);
        QTEST(q(texts.subTotal), "subTotal");
        QTEST(q(texts.shipping), "shipping");
        QTEST(q(texts.tax), "tax");
        QTEST(q(texts.total), "total");
    }

    void amountsAreKeptUnrounded() {
        OrderRecord record = recordWith({0}, true);
        recalculateTotals(record);
        QCOMPARE(*record.subTotal, 19.95);
        QCOMPARE(*record.salesTax, 19.95 * SalesTaxRate);
        QCOMPARE(*record.orderTotal, (19.95 + 4) + 19.95 * SalesTaxRate);
    }

    void untickingTheLastProductClearsEverything() {
        OrderRecord record = recordWith({15}, true);
        recalculateTotals(record);
        record.productTicked[15] = false;
        const TotalsTexts texts = recalculateTotals(record);
        QCOMPARE(q(texts.total), QString("$0.00"));
        QCOMPARE(q(texts.shipping), QString("$0.00"));
        QCOMPARE(q(texts.tax), QString("$0.00"));
        QCOMPARE(*record.orderTotal, 0.0);
        QCOMPARE(*record.salesTax, 0.0);
        QCOMPARE(*record.subTotal, 0.0);
    }

    void taxFlagRecomputesAtOnce() {
        OrderRecord record = recordWith({0}, false);
        QCOMPARE(q(recalculateTotals(record).tax), QString("$0.00"));
        record.salesTaxTicked = true;
        QCOMPARE(q(recalculateTotals(record).total), sample::expected("row 0, tax").total);
        record.salesTaxTicked = false;
        QCOMPARE(q(recalculateTotals(record).total), sample::expected("row 0").total);
    }
};

QTEST_APPLESS_MAIN(TotalsTest)
#include "tst_totals.moc"
