#include "model/Catalogue.h"
#include "platform/ClassicLook.h"
#include "support/OrderWindowFixture.h"

#include <QAccessible>
#include <QTest>

Q_DECLARE_METATYPE(QList<int>)

namespace {

const QStringList TextFields{"FirstName", "Address", "City",     "State",   "Zip",
                             "DayPhone",  "EMail",   "CardName", "CardNum", "CardExp"};

// Sends a pointer movement to a control, as the mouse does when it rests there.
void movePointerOver(QWidget* control) {
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 5), control->mapToGlobal(QPointF(10, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

} // namespace

class OrderWindowTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::applyClassicLook(); }

    void opensEmpty() {
        OrderWindowFixture order;
        for (const char* label : {"Label1", "Label12", "Label7", "Label3"})
            QCOMPARE(order.caption(label), QString("$0.00"));
        QCOMPARE(order.caption("Label6"), QString(" "));
        QCOMPARE(order.field("FirstName")->text(), QString("(Enter Your Full Name)"));
        for (const char* card : {"CardName", "CardNum", "CardExp"})
            QVERIFY(!order.field(card)->isEnabled());
        QVERIFY(order.option(0)->isChecked());
        QVERIFY(order.option(1)->isChecked());
        QCOMPARE(order.window().windowTitle(), QString("Quendrel Software Order Form (USA)"));
    }

    void totalsFollowTheClicks_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("salesTax");
        QTest::addColumn<QStringList>("amounts"); // sub-total, tax, shipping, total
        QTest::addRow("row 0") << QList<int>{0} << false
                               << QStringList{"$19.95", "$0.00", "$4.00", "$23.95"};
        QTest::addRow("row 0, tax")
            << QList<int>{0} << true << QStringList{"$19.95", "$1.29", "$4.00", "$25.24"};
        QTest::addRow("row 15, tax")
            << QList<int>{15} << true << QStringList{"$49.95", "$3.23", "$4.00", "$57.18"};
        QTest::addRow("ticked and unticked")
            << QList<int>{0, 0} << false << QStringList{"$0.00", "$0.00", "$0.00", "$0.00"};
        QTest::addRow("last one unticked, tax")
            << QList<int>{3, 15, 3, 15} << true << QStringList{"$0.00", "$0.00", "$0.00", "$0.00"};
        QTest::addRow("tax box alone")
            << QList<int>{} << true << QStringList{"$0.00", "$0.00", "$0.00", "$0.00"};
        QList<int> all;
        for (int i = model::ProductCount; i >= 0; --i)
            all << i;
        QTest::addRow("all") << all << false << QStringList{"$518.80", "$0.00", "$4.00", "$522.80"};
        QTest::addRow("all, tax") << all << true
                                  << QStringList{"$518.80", "$33.59", "$4.00", "$556.39"};
    }

    void totalsFollowTheClicks() {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, salesTax);
        QFETCH(QStringList, amounts);
        OrderWindowFixture order;
        if (salesTax)
            order.click(order.find<QCheckBox>("Check1"));
        for (int index : clicks)
            order.click(order.product(index));
        QStringList shown;
        QStringList readAloud; // what a screen reader gets
        for (const char* label : {"Label1", "Label12", "Label7", "Label3"}) {
            shown << order.caption(label);
            readAloud << order.find(label)->accessibleDescription();
        }
        QCOMPARE(shown, amounts);
        QCOMPARE(readAloud, amounts);
    }

    void taxBoxRecomputesAtOnce() {
        OrderWindowFixture order;
        order.tick({0});
        auto* tax = order.find<QCheckBox>("Check1");
        order.click(tax);
        QCOMPARE(order.caption("Label3"), QString("$25.24"));
        order.click(tax);
        QCOMPARE(order.caption("Label12"), QString("$0.00"));
        QCOMPARE(order.caption("Label3"), QString("$23.95"));
    }

    void ticksWithoutAClickCountToo() {
        // Assistive technology ticks a box through its toggle action.
        OrderWindowFixture order;
        for (QCheckBox* box : {order.product(0), order.find<QCheckBox>("Check1")})
            QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
        QCOMPARE(order.caption("Label1"), QString("$19.95"));
        QCOMPARE(order.caption("Label3"), QString("$25.24"));
    }

    void enterMovesOn_data() {
        QTest::addColumn<int>("payment");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QStringList>("stops");
        QTest::addRow("name to phone")
            << 0 << "FirstName" << QStringList{"Address", "City", "State", "Zip", "DayPhone"};
        QTest::addRow("phone, check") << 0 << "DayPhone" << QStringList{"Option4(0)"};
        QTest::addRow("phone, visa") << 2 << "DayPhone" << QStringList{"Option4(2)"};
        QTest::addRow("phone, master card") << 3 << "DayPhone" << QStringList{"Option4(3)"};
        QTest::addRow("phone, amex")
            << 5 << "DayPhone" << QStringList{"CardName", "CardNum", "CardExp", "Option4(1)"};
        QTest::addRow("phone, discover") << 6 << "DayPhone" << QStringList{"CardName"};
        QTest::addRow("phone, money order") << 4 << "DayPhone" << QStringList{"Option4(1)"};
        QTest::addRow("e-mail stays") << 0 << "EMail" << QStringList{"EMail", "EMail"};
    }

    void enterMovesOn() {
        QFETCH(int, payment);
        QFETCH(QString, from);
        QFETCH(QStringList, stops);
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        order.click(order.option(payment));
        order.field(from)->setFocus(Qt::OtherFocusReason);
        for (const QString& stop : stops) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(order.focusName(), stop);
        }
    }

    void tabVisitsTheStopsInOrder_data() {
        QTest::addColumn<int>("payment");
        QTest::addColumn<QStringList>("stops");
        auto products = [](int first, int last) {
            QStringList names;
            for (int i = first; i <= last; ++i)
                names << QStringLiteral("Product(%1)").arg(i);
            return names;
        };
        const QStringList catalogue = QStringList{"Product(0)", "Product(2)", "Product(1)"} +
                                      products(3, 6) + QStringList{"Check1"} + products(7, 15);
        const QStringList end =
            products(16, 23) + QStringList{"FileButton", "Cancel", "PrintReorder", "FirstName"};
        QTest::addRow("money order")
            << 4 << QStringList{"Option4(1)", "Option4(4)", "EMail"} + catalogue + end;
        QTest::addRow("american express")
            << 5
            << QStringList{"CardName", "CardNum", "CardExp", "Option4(1)", "EMail"} + catalogue +
                   QStringList{"Option4(5)"} + end;
        QTest::addRow("discover") << 6
                                  << QStringList{"CardName",   "CardNum", "CardExp",
                                                 "Option4(1)", "EMail",   "Option4(6)"} +
                                         catalogue + end;
    }

    void tabVisitsTheStopsInOrder() {
        QFETCH(int, payment);
        QFETCH(QStringList, stops);
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        order.click(order.option(payment));
        order.field("DayPhone")->setFocus(Qt::OtherFocusReason);
        QStringList visited;
        for (qsizetype i = 0; i < stops.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << order.focusName();
        }
        QCOMPARE(visited, stops);
    }

    void arrowKeysMoveWithinThePaymentGroup() {
        OrderWindowFixture order;
        order.option(0)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(order.option(0), Qt::Key_Down);
        QVERIFY(order.option(4)->isChecked());
        QCOMPARE(order.focusName(), QString("Option4(4)"));
        QVERIFY(!order.field("CardName")->isEnabled());
    }

    void enteringAFieldSelectsItsText() {
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        order.field("FirstName")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(order.field("FirstName"), Qt::Key_Return);
        QLineEdit* address = order.field("Address");
        QCOMPARE(address->selectedText(), QString("(Address)"));
        QTest::keyClicks(address, "12 Elm Street");
        QCOMPARE(address->text(), QString("12 Elm Street"));

        // Coming back selects the whole entry again, so typing replaces it.
        order.field("City")->setFocus(Qt::OtherFocusReason);
        address->setFocus(Qt::OtherFocusReason);
        QCOMPARE(address->selectedText(), QString("12 Elm Street"));
    }

    void cardFieldsFollowThePaymentMethod_data() {
        QTest::addColumn<int>("payment");
        QTest::addColumn<bool>("enabled");
        QTest::addRow("check") << 0 << false;
        QTest::addRow("visa") << 2 << true;
        QTest::addRow("master card") << 3 << true;
        QTest::addRow("money order") << 4 << false;
        QTest::addRow("american express") << 5 << true;
        QTest::addRow("discover") << 6 << true;
    }

    void cardFieldsFollowThePaymentMethod() {
        QFETCH(int, payment);
        QFETCH(bool, enabled);
        OrderWindowFixture order;
        order.click(order.option(5));
        order.type("CardNum", "4111 1111 1111 1111");
        order.click(order.option(payment));
        order.click(order.option(1)); // the disk size changes nothing
        for (const char* card : {"CardName", "CardNum", "CardExp"})
            QCOMPARE(order.field(card)->isEnabled(), enabled);
        QCOMPARE(order.field("CardNum")->text(), QString("4111 1111 1111 1111"));
    }

    void descriptionFollowsThePointer() {
        OrderWindowFixture order;
        movePointerOver(order.product(18));
        const QString shown = order.caption("Label6");
        QVERIFY(shown.startsWith("ORDER FORM SOURCE CODE (Royalty Free): \n"));
        QCOMPARE(shown.count('\n'), 1);
        QCOMPARE(shown.size(), 209);

        // Leaving the products keeps the last description.
        movePointerOver(order.find("Label2"));
        movePointerOver(order.field("FirstName"));
        QCOMPARE(order.caption("Label6"), shown);

        movePointerOver(order.product(9));
        QVERIFY(order.caption("Label6").startsWith("GLYFFS Vol. I & II:  "));
    }

    void escapeDoesNotCloseTheWindow() {
        OrderWindowFixture order;
        QTest::keyClick(&order.window(), Qt::Key_Escape);
        QVERIFY(order.window().isVisible());
    }

    void orderLaterClosesAndTheNextWindowStartsAfresh() {
        {
            OrderWindowFixture order;
            order.tick({3});
            order.type("FirstName", "Ana");
            order.click(order.button("Cancel"));
            QVERIFY(!order.window().isVisible());
            QCOMPARE(order.window().result(), int(QDialog::Rejected));
            QVERIFY(!QApplication::overrideCursor());
        }
        OrderWindowFixture next;
        QCOMPARE(next.field("FirstName")->text(), QString("(Enter Your Full Name)"));
        QVERIFY(!next.product(3)->isChecked());
        QCOMPARE(next.caption("Label3"), QString("$0.00"));
    }
};

QTEST_MAIN(OrderWindowTest)
#include "tst_orderwindow.moc"
