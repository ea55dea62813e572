#include "model/MoneyText.h"

#include <QTest>

using namespace model;

class MoneyTextTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void money_data() {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("money");
        QTest::addColumn<QString>("amount10");
        QTest::addRow("zero") << 0.0 << "$0.00"
                              << "0.00";
        QTest::addRow("shipping") << 4.0 << "$4.00"
                                  << "4.00";
        QTest::addRow("below one") << 0.6442625 << "$0.64"
                                   << "0.64";
        QTest::addRow("rounds down") << 1.2917625 << "$1.29"
                                     << "1.29";
        QTest::addRow("rounds up") << 25.2417625 + 0.004 << "$25.25"
                                   << "25.25";
        QTest::addRow("a hair below") << 518.7999999999999 << "$518.80"
                                      << "518.80";
        QTest::addRow("exact half cent goes up") << 0.125 << "$0.13"
                                                 << "0.13";
        QTest::addRow("exact half cent, odd") << 2.375 << "$2.38"
                                              << "2.38";
        QTest::addRow("just below a half cent") << 0.1249999 << "$0.12"
                                                << "0.12";
        QTest::addRow("carry into whole part") << 9.995 + 1e-9 << "$10.00"
                                               << "10.00";
        QTest::addRow("thousands") << 1234.5 << "$1,234.50"
                                   << "1,234.50";
        QTest::addRow("exactly a thousand") << 1000.0 << "$1,000.00"
                                            << "1,000.00";
        QTest::addRow("millions") << 1234567.891 << "$1,234,567.89"
                                  << "1,234,567.89";
        QTest::addRow("carry into a new group") << 999999.996 << "$1,000,000.00"
                                                << "1,000,000.00";
        QTest::addRow("negative") << -1.5 << "-$1.50"
                                  << "-1.50";
        QTest::addRow("tiny negative is zero") << -0.001 << "$0.00"
                                               << "0.00";
    }

    void money() {
        QFETCH(double, amount);
        QFETCH(QString, money);
        QFETCH(QString, amount10);
        QCOMPARE(QString::fromStdString(formatMoney(amount)), money);
        QCOMPARE(QString::fromStdString(formatAmount(amount)), amount10);
    }

    void plainNumber_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addRow("zero") << 0.0 << "0";
        QTest::addRow("whole") << 4.0 << "4";
        QTest::addRow("no leading zero") << 0.6442625 << ".6442625";
        QTest::addRow("tax of 19.95") << 19.95 * 0.06475 << "1.2917625";
        QTest::addRow("tax of 149.60") << 149.6 * 0.06475 << "9.6866";
        QTest::addRow("tax of 169.75") << 169.75 * 0.06475 << "10.9913125";
        QTest::addRow("fifteen digits") << 1.0 / 3.0 << ".333333333333333";
        QTest::addRow("sum a hair below") << 518.7999999999999 << "518.8";
        QTest::addRow("negative below one") << -0.5 << "-.5";
        QTest::addRow("large") << 1e16 << "1E+16";
    }

    void plainNumber() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(plainNumberText(value)), text);
    }
};

QTEST_APPLESS_MAIN(MoneyTextTest)
#include "tst_moneytext.moc"
