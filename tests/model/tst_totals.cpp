#include "model/Totals.h"

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

QList<int> allProducts() {
    QList<int> all;
    for (int i = 0; i < ProductCount; ++i)
        all << i;
    return all;
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
        QTest::addRow("nothing") << QList<int>{} << false << "$0.00"
                                 << "$0.00"
                                 << "$0.00"
                                 << "$0.00";
        QTest::addRow("tax box alone") << QList<int>{} << true << "$0.00"
                                       << "$0.00"
                                       << "$0.00"
                                       << "$0.00";
        QTest::addRow("row 0") << QList<int>{0} << false << "$19.95"
                               << "$4.00"
                               << "$0.00"
                               << "$23.95";
        QTest::addRow("row 0, tax") << QList<int>{0} << true << "$19.95"
                                    << "$4.00"
                                    << "$1.29"
                                    << "$25.24";
        QTest::addRow("row 15, tax") << QList<int>{15} << true << "$49.95"
                                     << "$4.00"
                                     << "$3.23"
                                     << "$57.18";
        QTest::addRow("row 21 has no name but a price") << QList<int>{21} << false << "$19.95"
                                                        << "$4.00"
                                                        << "$0.00"
                                                        << "$23.95";
        QTest::addRow("rows 0 and 3, tax") << QList<int>{0, 3} << true << "$49.90"
                                           << "$4.00"
                                           << "$3.23"
                                           << "$57.13";
        QTest::addRow("all") << allProducts() << false << "$518.80"
                             << "$4.00"
                             << "$0.00"
                             << "$522.80";
        QTest::addRow("all, tax") << allProducts() << true << "$518.80"
                                  << "$4.00"
                                  << "$33.59"
                                  << "$556.39";
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
        QCOMPARE(*record.salesTax, 19.95 * 0.06475);
        QCOMPARE(*record.orderTotal, (19.95 + 4) + 19.95 * 0.06475);
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
        QCOMPARE(q(recalculateTotals(record).total), QString("$25.24"));
        record.salesTaxTicked = false;
        QCOMPARE(q(recalculateTotals(record).total), QString("$23.95"));
    }
};

QTEST_APPLESS_MAIN(TotalsTest)
#include "tst_totals.moc"
