#include "documents/OrderDocument.h"
#include "platform/ui/ClassicLook.h"
#include "support/ExpectedOrders.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePrinter.h"
#include "support/FixedClock.h"
#include "support/OrderWindowFixture.h"

#include <QTest>

// The order window's side of printing; the printer itself is tested against a
// real print scheduler elsewhere.
class OrderPrintTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::applyClassicLook(); }

    void nothingOrderedSendsNothing_data() {
        QTest::addColumn<bool>("taxTicked");
        QTest::addRow("untouched window") << false;
        QTest::addRow("tax box alone") << true;
    }

    void nothingOrderedSendsNothing() {
        QFETCH(bool, taxTicked);
        FakeMessageBoxes messages;
        FakePrinter printer;
        OrderWindowFixture order;
        if (taxTicked)
            order.click(order.salesTaxBox());
        messages.whileOpen = [](const platform::MessageRequest&) {
            QVERIFY(!QApplication::overrideCursor());
        };
        order.click(order.button(control::PrintButton));

        QCOMPARE(printer.attempts, 0);
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked[0].title, QString("Quendrel Software - Data Missing"));
        QCOMPARE(order.focusName(), nameOf(control::NameField));
    }

    void printsTheFormOfWhatTheWindowShows() {
        FakeMessageBoxes messages;
        FakePrinter printer;
        FixedClock clock({2026, 12, 8});
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        order.tick({3, 0});
        order.click(order.salesTaxBox());
        order.type(control::NameField, "Ana Lima");
        order.click(order.button(control::PrintButton));

        QVERIFY(messages.asked.isEmpty()); // no message on success
        QCOMPARE(printer.printedJobNames, QStringList{"Quendrel Software Order Form"});
        const QStringList lines = printer.printedJobs.value(0);
        QCOMPARE(lines.size(), 46);
        QCOMPARE(lines[0], QString(19, ' ') + "Quendrel Software Order Form  12-08-26");
        const sample::Expected& expected = sample::expected("rows 0 and 3, tax");
        QVERIFY(lines.contains(QString(6, ' ') + "MO Sales Tax:  $" + sample::field(expected.tax)));
        QVERIFY(lines.contains(QString(13, ' ') + "TOTAL:  $" + sample::field(expected.total)));
        QVERIFY(lines.contains(QString(18, ' ') + "Ana Lima "));
        QCOMPARE(order.focusName(), nameOf(control::OrderLaterButton));
        QVERIFY(!QApplication::overrideCursor());
    }

    void retryAfterAFailurePrintsOnce() {
        FakeMessageBoxes messages;
        FakePrinter printer;
        printer.failuresToCome = 1;
        messages.answers = {platform::MessageAnswer::Retry};
        bool busyWhileAsking = false;
        messages.whileOpen = [&](const platform::MessageRequest&) {
            busyWhileAsking = QApplication::overrideCursor() != nullptr;
        };
        OrderWindowFixture order;
        order.tick({0});
        order.click(order.button(control::PrintButton));

        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked[0].text, printer.failureText);
        QCOMPARE(messages.asked[0].title, QString("Unable To Print, Please Check Your Printer"));
        QCOMPARE(messages.asked[0].buttons, platform::MessageButtons::RetryCancel);
        QCOMPARE(messages.asked[0].icon, platform::MessageIcon::Warning);
        QVERIFY(busyWhileAsking);
        QCOMPARE(printer.printedJobs.size(), 1);
        QCOMPARE(order.focusName(), nameOf(control::OrderLaterButton));
        QVERIFY(!QApplication::overrideCursor());
    }

    void cancelLeavesTheWindowAsItWas() {
        FakeMessageBoxes messages;
        FakePrinter printer;
        printer.failuresToCome = 3;
        messages.answers = {platform::MessageAnswer::Retry, platform::MessageAnswer::Cancel};
        OrderWindowFixture order;
        order.tick({0});
        order.click(order.field(control::CityField));
        order.click(order.button(control::PrintButton));

        QCOMPARE(messages.asked.size(), 2);
        QVERIFY(printer.printedJobs.isEmpty());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(order.caption(control::SubTotalAmount), QString("$19.95"));
        QVERIFY(order.product(0)->isChecked());
    }
};

QTEST_MAIN(OrderPrintTest)
#include "tst_orderprint.moc"
