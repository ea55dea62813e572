#include "documents/ValueRules.h"
#include "model/Totals.h"
#include "support/ExpectedOrders.h"

#include <QTest>

using namespace documents;

Q_DECLARE_METATYPE(QList<int>)

class ValueRulesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void date_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("text");
        QTest::addRow("leading zeros") << 2001 << 7 << 5 << "07-05-01";
        QTest::addRow("two digits each") << 2026 << 12 << 31 << "12-31-26";
        QTest::addRow("century year") << 2000 << 1 << 1 << "01-01-00";
        QTest::addRow("last century") << 1999 << 10 << 9 << "10-09-99";
    }

    void date() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QTEST(QString::fromStdString(dateText({year, month, day})), "text");
    }

    void amountFieldIsRightAligned_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("field");
        QTest::addRow("largest sub-total") << "$518.80"
                                           << "   518.80";
        QTest::addRow("two digits") << "$49.90"
                                    << "    49.90";
        QTest::addRow("one digit") << "$3.23"
                                   << "     3.23";
        QTest::addRow("thousands keep their comma") << "$1,234.50"
                                                    << " 1,234.50";
        QTest::addRow("too long for the field") << "$12,345,678.00"
                                                << "12,345,678.00";
    }

    void amountFieldIsRightAligned() {
        QFETCH(QString, caption);
        QTEST(QString::fromStdString(amountField(caption.toStdString())), "field");
    }

    // The file spaces the tax by the length of its unrounded value.
    void taxFieldFollowsTheUnroundedTax_data() {
        QTest::addColumn<QList<int>>("products");
        QTest::addColumn<QString>("field");
        for (const sample::Expected& order : sample::expectedOrders())
            if (!order.taxInFile.isEmpty())
                QTest::addRow("%s", qPrintable(order.name))
                    << QList<int>(order.products.begin(), order.products.end()) << order.taxInFile;
    }

    void taxFieldFollowsTheUnroundedTax() {
        QFETCH(QList<int>, products);
        model::OrderRecord record;
        for (int index : products)
            record.productTicked[static_cast<std::size_t>(index)] = true;
        record.salesTaxTicked = true;
        model::recalculateTotals(record);
        QTEST(QString::fromStdString(taxField(*record.salesTax)), "field");
    }

    void shippingIsAlwaysTheSame() { QCOMPARE(shippingField(), std::string("     4.00")); }

    void paymentTexts_data() {
        using model::PaymentMethod;
        QTest::addColumn<PaymentMethod>("method");
        QTest::addColumn<QString>("text");
        QTest::addRow("check") << PaymentMethod::Check
                               << "Check Enclosed (Payable to 'Quendrel Software')";
        QTest::addRow("visa") << PaymentMethod::Visa << "VISA Payment";
        QTest::addRow("master card") << PaymentMethod::MasterCard << "MasterCard Payment";
        QTest::addRow("money order")
            << PaymentMethod::MoneyOrder << "Money Order Enclosed (Payable to 'Quendrel Software')";
        QTest::addRow("amex") << PaymentMethod::AmericanExpress << "American Express Payment";
        QTest::addRow("discover") << PaymentMethod::Discover << "Discover Payment";
    }

    void paymentTexts() {
        QFETCH(model::PaymentMethod, method);
        QTEST(QString::fromUtf8(paymentText(method)), "text");
    }
};

QTEST_APPLESS_MAIN(ValueRulesTest)
#include "tst_valuerules.moc"
