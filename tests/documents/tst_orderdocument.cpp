#include "documents/OrderDocument.h"
#include "support/ExpectedOrders.h"

#include <QTest>
#include <algorithm>

using namespace documents;
using Lines = std::vector<std::string>;

namespace {

constexpr CalendarDate Today{2001, 7, 5};

QStringList toQt(const Lines& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

// The lines from the first one that starts with `first` (after its indent).
QStringList block(const Lines& lines, const QString& first, qsizetype count) {
    const QStringList all = toQt(lines);
    const auto it = std::find_if(all.begin(), all.end(), [&](const QString& line) {
        return line.trimmed().startsWith(first);
    });
    return it == all.end() ? QStringList{} : all.mid(it - all.begin(), count);
}

QString sp(int count) {
    return QString(count, ' ');
}

} // namespace

class OrderDocumentTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shortestFileLineByLine() {
        const QStringList expected{
            sp(13) + "Quendrel Software Order Form  07-05-01",
            QString(62, '-'),
            "All lines of this form must be completed in full for us to",
            "process your order. NO C.O.D. ORDERS.",
            "",
            sp(13) + "Quendrel Software",
            sp(13) + "PO BOX 4417",
            sp(13) + "Springfield, MO 65801-4417  USA",
            "",
            "CREDIT CARD ORDER OPTIONS (VISA, MasterCard, Discover, AmEx):",
            "  * FAX:     1-800-555-0147",
            "  * Phone:   1-800-555-0123",
            "  * E-MAIL:  orders@quendrel.example",
            QString(62, '-'),
            sp(9) + "Tarvo Pairs Registration Fee: $19.95",
            "",
            "   Sub-Total:  $    19.95",
            "    Shipping:  $     4.00",
            sp(15) + "-----------",
            "       TOTAL:  $    23.95",
            sp(15) + "===========",
            "",
            sp(12) + "Check Enclosed (Payable to 'Quendrel Software')",
            "",
            "The registered version is supplied on a 3.5 HD diskette.",
            "",
            sp(12) + "(Enter Your Full Name) ",
            sp(12) + "(Address)",
            sp(12) + "(City), (State/Country)  (Zip/Post Code)",
            "",
            sp(12) + "Phone:  (Telephone Number)",
            sp(12) + "E-Mail: (E-Mail Address)",
            QString(65, '-'),
            " Comments (Continue on Back if Needed): ",
            "",
            "",
            QString(65, '-'),
            "",
            "Purchaser's Printed Name: " + QString(36, '_'),
            "",
            sp(15) + "Signature: " + QString(36, '_'),
            "",
        };
        QCOMPARE(toQt(orderFileLines(sample::order({0}, false), Today)), expected);
    }

    void shortestPaperFormLineByLine() {
        const QStringList expected{
            sp(19) + "Quendrel Software Order Form  07-05-01",
            sp(6) + QString(62, '-'),
            sp(6) + "All lines of this form must be completed in full for us to",
            sp(6) + "process your order. NO C.O.D. ORDERS.",
            "",
            sp(19) + "Quendrel Software",
            sp(19) + "PO BOX 4417",
            sp(19) + "Springfield, MO 65801-4417  USA",
            "",
            sp(6) + "CREDIT CARD ORDER OPTIONS (VISA, MasterCard, Discover, AmEx):",
            "",
            sp(7) + "* FAX:     1-800-555-0147",
            sp(7) + "* Phone:   1-800-555-0123",
            sp(7) + "* E-MAIL:  orders@quendrel.example",
            sp(6) + QString(62, '-'),
            sp(9) + "Tarvo Pairs Registration Fee: $19.95",
            "",
            sp(9) + "Sub-Total:  $    19.95",
            sp(10) + "Shipping:  $     4.00",
            sp(21) + "-----------",
            sp(13) + "TOTAL:  $    23.95",
            sp(21) + "===========",
            "",
            sp(18) + "Check Enclosed (Payable to 'Quendrel Software')",
            "",
            sp(4) + "The registered version is supplied on a 3.5 HD diskette.",
            "",
            sp(18) + "(Enter Your Full Name) ",
            sp(18) + "(Address)",
            sp(18) + "(City), (State/Country)  (Zip/Post Code)",
            "",
            sp(18) + "Phone:  (Telephone Number)",
            sp(18) + "E-Mail: (E-Mail Address)",
            sp(6) + QString(65, '-'),
            sp(7) + "Comments (Continue on Back if Needed): ",
            "",
            "",
            "",
            sp(6) + QString(65, '-'),
            "",
            sp(6) + "Purchaser's Printed Name: " + QString(38, '_'),
            "",
            sp(21) + "Signature: " + QString(38, '_'),
            "",
        };
        QCOMPARE(toQt(printedFormLines(sample::order({0}, false), Today)), expected);
    }

    void lineCounts_data() {
        using model::PaymentMethod;
        QTest::addColumn<PaymentMethod>("payment");
        QTest::addColumn<bool>("everything");
        QTest::addColumn<bool>("salesTax");
        QTest::addColumn<int>("fileLines");
        QTest::addColumn<int>("paperLines");
        QTest::addRow("one product, check") << PaymentMethod::Check << false << false << 42 << 44;
        QTest::addRow("one product, money order")
            << PaymentMethod::MoneyOrder << false << false << 42 << 44;
        QTest::addRow("one product, tax") << PaymentMethod::Check << false << true << 43 << 45;
        QTest::addRow("one product, visa") << PaymentMethod::Visa << false << false << 46 << 48;
        // A line for each product: one more with every product than with one.
        const int more = model::ProductCount - 1;
        QTest::addRow("all, tax, master card")
            << PaymentMethod::MasterCard << true << true << 47 + more << 49 + more;
        QTest::addRow("all, tax, amex")
            << PaymentMethod::AmericanExpress << true << true << 47 + more << 49 + more;
        QTest::addRow("all, tax, discover")
            << PaymentMethod::Discover << true << true << 47 + more << 49 + more;
    }

    void lineCounts() {
        QFETCH(model::PaymentMethod, payment);
        QFETCH(bool, everything);
        QFETCH(bool, salesTax);
        const OrderSnapshot order = everything ? sample::everything(salesTax, payment)
                                               : sample::order({5}, salesTax, payment);
        QTEST(int(orderFileLines(order, Today).size()), "fileLines");
        QTEST(int(printedFormLines(order, Today).size()), "paperLines");
    }

    // Each sample order with tax; the file spaces the tax by its unrounded value.
    void totalsBlock_data() {
        QTest::addColumn<QString>("name");
        for (const sample::Expected& order : sample::expectedOrders())
            if (!order.taxInFile.isEmpty())
                QTest::addRow("%s", qPrintable(order.name)) << order.name;
    }

    void totalsBlock() {
        QFETCH(QString, name);
        const sample::Expected& expected = sample::expected(name);
        const OrderSnapshot order = sample::order(expected);
        QCOMPARE(block(orderFileLines(order, Today), "Sub-Total:", 6),
                 (QStringList{"   Sub-Total:  $" + sample::field(expected.subTotal),
                              "MO Sales Tax:  $" + expected.taxInFile,
                              "    Shipping:  $" + sample::field(expected.shipping),
                              sp(15) + QString(11, '-'),
                              "       TOTAL:  $" + sample::field(expected.total),
                              sp(15) + QString(11, '=')}));
        QCOMPARE(block(printedFormLines(order, Today), "Sub-Total:", 6),
                 (QStringList{sp(9) + "Sub-Total:  $" + sample::field(expected.subTotal),
                              sp(6) + "MO Sales Tax:  $" + sample::field(expected.tax),
                              sp(10) + "Shipping:  $" + sample::field(expected.shipping),
                              sp(21) + QString(11, '-'),
                              sp(13) + "TOTAL:  $" + sample::field(expected.total),
                              sp(21) + QString(11, '=')}));
    }

    // On paper every amount ends in column 31, whatever the order.
    void paperAmountsEndInOneColumn() {
        const OrderSnapshot order = sample::everything(true, model::PaymentMethod::Visa);
        const QStringList totals = block(printedFormLines(order, Today), "Sub-Total:", 5);
        QCOMPARE(totals.size(), 5);
        int amounts = 0;
        for (const QString& line : totals) {
            if (line.contains('$')) {
                QCOMPARE(line.size(), 31);
                ++amounts;
            }
        }
        QCOMPARE(amounts, 4); // sub-total, tax, shipping and total
    }

    void productsFollowTheCatalogue() {
        const OrderSnapshot order = sample::order({23, 9, 0}, false);
        const QStringList lines = block(orderFileLines(order, Today), "Tarvo Pairs", 3);
        QCOMPARE(lines, (QStringList{sp(9) + "Tarvo Pairs Registration Fee: $19.95",
                                     sp(9) + "GLYFFS Vol. I & II Registration Fee: $29.95",
                                     sp(9) + "FLICKVU Registration Fee: $9.95"}));
    }

    void customerEntriesAreWrittenUnaltered() {
        OrderSnapshot order = sample::order({1}, false, model::PaymentMethod::Discover);
        order.customer.fullName = "  Ana Lima  ";
        order.customer.cardholderName = "Ana Lima";
        order.customer.cardNumber = "4111 1111 1111 1111";
        order.customer.cardExpiry = "12/29";
        const Lines file = orderFileLines(order, Today);
        QCOMPARE(
            block(file, "Discover Payment", 6),
            (QStringList{sp(12) + "Discover Payment", "", sp(12) + "Cardholder Name:      Ana Lima",
                         sp(12) + "Card Number:          4111 1111 1111 1111",
                         sp(12) + "Card Expiration Date: 12/29", ""}));
        QVERIFY(toQt(file).contains(sp(12) + "  Ana Lima   "));
        QVERIFY(toQt(printedFormLines(order, Today)).contains(sp(18) + "  Ana Lima   "));
    }

    void moneyOrderHasNoCardBlock() {
        const OrderSnapshot order = sample::order({1}, false, model::PaymentMethod::MoneyOrder);
        const QStringList lines = block(orderFileLines(order, Today), "Money Order Enclosed", 3);
        QCOMPARE(lines, (QStringList{sp(12) + "Money Order Enclosed (Payable to 'Quendrel "
                                              "Software')",
                                     "",
                                     "The registered version is supplied on a 3.5 HD "
                                     "diskette."}));
    }

    void shippingLineIsTheSameEverywhere() {
        for (const OrderSnapshot& order :
             {sample::order({6}, false), sample::everything(true, model::PaymentMethod::Visa)}) {
            QVERIFY(toQt(orderFileLines(order, Today)).contains("    Shipping:  $     4.00"));
            QVERIFY(
                toQt(printedFormLines(order, Today)).contains(sp(10) + "Shipping:  $     4.00"));
        }
    }
};

QTEST_APPLESS_MAIN(OrderDocumentTest)
#include "tst_orderdocument.moc"
