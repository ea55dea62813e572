#include "model/Catalogue.h"
#include "platform/desktop/ClassicLook.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePrinter.h"
#include "support/OrderWindowFixture.h"
#include "support/ScratchFolder.h"

#include <QAccessible>
#include <QClipboard>
#include <QTest>
#include <QTimer>

namespace {

const QStringList TextFields{"FirstName", "Address", "City",     "State",   "Zip",
                             "DayPhone",  "EMail",   "CardName", "CardNum", "CardExp"};

// Sends a pointer movement to a control, as the mouse does when it rests there.
void movePointerOver(QWidget* control) {
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 5), control->mapToGlobal(QPointF(10, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

// The stops of the Tab key after the name field, all the way round, with
// the payment option `payment` selected.
QStringList tabStopsAfterName(int payment) {
    auto products = [](int first, int last) {
        QStringList names;
        for (int i = first; i <= last; ++i)
            names << QStringLiteral("Product(%1)").arg(i);
        return names;
    };
    auto when = [payment](int option, const QStringList& stops) {
        return payment == option ? stops : QStringList();
    };
    const bool card = payment == 2 || payment == 3 || payment == 5 || payment == 6;
    return QStringList{"Address", "City", "State", "Zip", "DayPhone"} + when(0, {"Option4(0)"}) +
           when(2, {"Option4(2)"}) + when(3, {"Option4(3)"}) +
           (card ? QStringList{"CardName", "CardNum", "CardExp"} : QStringList()) +
           QStringList{"Option4(1)"} + when(4, {"Option4(4)"}) + QStringList{"EMail"} +
           when(6, {"Option4(6)"}) + QStringList{"Product(0)", "Product(2)", "Product(1)"} +
           products(3, 6) + QStringList{"Check1"} + products(7, 15) + when(5, {"Option4(5)"}) +
           products(16, 23) + QStringList{"FileButton", "Cancel", "PrintReorder", "FirstName"};
}

// The mouse button goes down on one control and comes up over another.
void pressAndLetGoElsewhere(QWidget* pressed, QWidget* released) {
    QWindow* window = pressed->window()->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {},
                      pressed->mapTo(pressed->window(), pressed->rect().center()));
    QTest::mouseRelease(window, Qt::LeftButton, {},
                        released->mapTo(released->window(), released->rect().center()));
}

void addPaymentRows() {
    QTest::addColumn<int>("payment");
    QTest::addRow("check") << 0;
    QTest::addRow("visa") << 2;
    QTest::addRow("master card") << 3;
    QTest::addRow("money order") << 4;
    QTest::addRow("american express") << 5;
    QTest::addRow("discover") << 6;
}

// A fresh window with the payment method picked by a click, the way a
// customer picks it, and the focus back in the name field.
void choosePayment(const OrderWindowFixture& order, int payment) {
    if (payment != 0) {
        order.click(order.option(payment));
        order.click(order.field("FirstName"));
    }
    QCOMPARE(order.focusName(), QString("FirstName"));
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
        // Screen readers read the amounts from the start, not from the first click.
        for (const char* label : {"Label1", "Label12", "Label7", "Label3"})
            QCOMPARE(order.find(label)->accessibleDescription(), QString("$0.00"));
        // A close box and the system menu; nothing to make the fixed layout bigger.
        const Qt::WindowFlags flags = order.window().windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
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
        for (int i = model::ProductCount - 1; i >= 0; --i)
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

    void tabAndShiftTabVisitTheStopsInOrder_data() { addPaymentRows(); }

    void tabAndShiftTabVisitTheStopsInOrder() {
        QFETCH(int, payment);
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        choosePayment(order, payment);
        const QStringList stops = tabStopsAfterName(payment);

        QStringList visited;
        for (qsizetype i = 0; i < stops.size(); ++i) {
            order.press(Qt::Key_Tab);
            visited << order.focusName();
        }
        QCOMPARE(visited, stops);

        QStringList backwards;
        for (qsizetype i = 0; i < stops.size(); ++i) {
            order.press(Qt::Key_Tab, Qt::ShiftModifier);
            backwards.prepend(order.focusName());
        }
        QCOMPARE(backwards, QStringList{"FirstName"} + stops.mid(0, stops.size() - 1));
    }

    void enterMovesOn_data() {
        QTest::addColumn<int>("payment");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QStringList>("stops");
        QTest::addColumn<int>("key");
        const int enter = Qt::Key_Return;
        QTest::addRow("name to phone")
            << 0 << "FirstName" << QStringList{"Address", "City", "State", "Zip", "DayPhone"}
            << enter;
        QTest::addRow("keypad enter")
            << 0 << "Zip" << QStringList{"DayPhone"} << int(Qt::Key_Enter);
        QTest::addRow("phone, check") << 0 << "DayPhone" << QStringList{"Option4(0)"} << enter;
        QTest::addRow("phone, visa") << 2 << "DayPhone" << QStringList{"Option4(2)"} << enter;
        QTest::addRow("phone, master card")
            << 3 << "DayPhone" << QStringList{"Option4(3)"} << enter;
        QTest::addRow("phone, amex")
            << 5 << "DayPhone" << QStringList{"CardName", "CardNum", "CardExp", "Option4(1)"}
            << enter;
        QTest::addRow("phone, discover") << 6 << "DayPhone" << QStringList{"CardName"} << enter;
        QTest::addRow("phone, money order")
            << 4 << "DayPhone" << QStringList{"Option4(1)"} << enter;
        QTest::addRow("e-mail stays") << 0 << "EMail" << QStringList{"EMail", "EMail"} << enter;
    }

    void enterMovesOn() {
        QFETCH(int, payment);
        QFETCH(QString, from);
        QFETCH(QStringList, stops);
        QFETCH(int, key);
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        choosePayment(order, payment);
        order.click(order.field(from));
        const QString entry = order.field(from)->text();
        const Qt::KeyboardModifiers keypad =
            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        for (const QString& stop : stops) {
            order.press(key, keypad);
            QCOMPARE(order.focusName(), stop);
        }
        QCOMPARE(order.field(from)->text(), entry);
    }

    // However the selection changes, the selected option is the group's one
    // stop, in both directions.
    void theSelectedOptionIsTheGroupsStop_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("selected");
        QTest::addRow("clicked away and back") << "click 6, click 0" << 0;
        QTest::addRow("clicked") << "click 3" << 3;
        QTest::addRow("arrow keys") << "click 0, down, down" << 5;
        QTest::addRow("arrow keys back up") << "click 2, up, up" << 6;
        QTest::addRow("screen reader") << "reader 4" << 4;
        QTest::addRow("pressed, let go elsewhere") << "press 6, click 3" << 3;
        QTest::addRow("pressed, let go elsewhere, nothing else") << "press 5" << 0;
        QTest::addRow("disk size clicked") << "click 2, click 1" << 2;
    }

    void theSelectedOptionIsTheGroupsStop() {
        QFETCH(QString, how);
        QFETCH(int, selected);
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        for (const QString& step : how.split(", ")) {
            const QStringList words = step.split(' ');
            if (words[0] == "click")
                order.click(order.option(words[1].toInt()));
            else if (words[0] == "down" || words[0] == "up")
                order.press(words[0] == "down" ? Qt::Key_Down : Qt::Key_Up);
            else if (words[0] == "press")
                pressAndLetGoElsewhere(order.option(words[1].toInt()), order.field("Zip"));
            else
                QAccessible::queryAccessibleInterface(order.option(words[1].toInt()))
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::pressAction());
        }
        QTRY_VERIFY(order.option(selected)->isChecked());
        const QStringList stops = QStringList{"FirstName"} + tabStopsAfterName(selected);
        const auto stopAfter = [&stops](const QString& name, int step) {
            return stops.value(stops.indexOf(name) + step);
        };

        order.click(order.field("DayPhone"));
        order.press(Qt::Key_Tab);
        QCOMPARE(order.focusName(), stopAfter("DayPhone", 1));
        order.click(order.field("EMail"));
        order.press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(order.focusName(), stopAfter("EMail", -1));
        order.press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(order.focusName(), stopAfter("EMail", -2));
    }

    void arrowKeysSelectWithinTheirGroup_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<int>>("selected"); // after each press
        QTest::addRow("down the payment methods and round")
            << int(Qt::Key_Down) << QList<int>{4, 5, 6, 3, 2, 0};
        QTest::addRow("right works like down") << int(Qt::Key_Right) << QList<int>{4, 5};
        QTest::addRow("up from the first") << int(Qt::Key_Up) << QList<int>{2, 3};
        QTest::addRow("left works like up") << int(Qt::Key_Left) << QList<int>{2};
    }

    void arrowKeysSelectWithinTheirGroup() {
        QFETCH(int, key);
        QFETCH(QList<int>, selected);
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        order.click(order.field("DayPhone"));
        order.press(Qt::Key_Tab);
        QCOMPARE(order.focusName(), QString("Option4(0)"));
        for (int option : selected) {
            order.press(key);
            QVERIFY2(order.option(option)->isChecked(), qPrintable(QString::number(option)));
            QCOMPARE(order.focusName(), QStringLiteral("Option4(%1)").arg(option));
            QCOMPARE(order.field("CardName")->isEnabled(),
                     QList<int>({2, 3, 5, 6}).contains(option));
        }
        // The disk size stays as it is, alone in its group.
        order.click(order.option(1));
        order.press(Qt::Key_Down);
        order.press(Qt::Key_Up);
        QVERIFY(order.option(1)->isChecked());
        QCOMPARE(order.focusName(), QString("Option4(1)"));
    }

    // A click anywhere in a check box's or option button's rectangle works it,
    // not only on its square and caption.
    void theWholeRectangleTakesTheClick_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("point"); // pixels from the rectangle's top-left
        QTest::addRow("tax box, middle") << "Check1" << QPoint(16, 16);
        QTest::addRow("tax box, left edge") << "Check1" << QPoint(1, 30);
        QTest::addRow("product, right of its caption") << "Product(0)" << QPoint(166, 6);
        QTest::addRow("product, bottom right") << "Product(21)" << QPoint(87, 15);
        QTest::addRow("option, right of its caption") << "Option4(5)" << QPoint(134, 8);
        QTest::addRow("option, top left") << "Option4(2)" << QPoint(0, 0);
    }

    void theWholeRectangleTakesTheClick() {
        QFETCH(QString, control);
        QFETCH(QPoint, point);
        OrderWindowFixture order;
        auto* button = order.find<QAbstractButton>(control);
        QVERIFY(button->rect().contains(point));
        order.clickAt(button, point);
        QVERIFY(button->isChecked());
        if (control == "Product(0)")
            QCOMPARE(order.caption("Label1"), QString("$19.95"));
        if (control == "Option4(5)")
            QVERIFY(order.field("CardNum")->isEnabled());
    }

    // Wherever a person clicks into a field, the first key replaces its text.
    void clickingIntoAFieldSelectsItsText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("across"); // where, as a share of the width
        for (const char* name : {"FirstName", "Address", "City", "State", "Zip", "DayPhone",
                                 "EMail", "CardName", "CardNum", "CardExp"})
            QTest::addRow("%s", name) << QString::fromLatin1(name) << 0.5;
        QTest::addRow("Address, left end") << "Address" << 0.01;
        QTest::addRow("Zip, right end") << "Zip" << 0.98;
    }

    void clickingIntoAFieldSelectsItsText() {
        QFETCH(QString, field);
        QFETCH(double, across);
        OrderWindowFixture order;
        order.click(order.option(6)); // cards on, so all ten take the focus
        QLineEdit* target = order.field(field);
        const QPoint point(int(target->width() * across), target->height() / 2);
        order.clickAt(target, point);
        QCOMPARE(order.focusName(), field);
        QTest::keyClicks(target, "12 Elm St");
        QCOMPARE(target->text(), QString("12 Elm St"));

        // In the field that has the focus, a click puts the caret where it is.
        order.clickAt(target, QPoint(2, target->height() / 2));
        QTest::keyClicks(target, "#");
        QCOMPARE(target->text(), QString("#12 Elm St"));
    }

    void enteringAFieldByKeySelectsItsText() {
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        QCOMPARE(order.field("FirstName")->selectedText(), QString("(Enter Your Full Name)"));
        order.press(Qt::Key_Return);
        QLineEdit* address = order.field("Address");
        QCOMPARE(address->selectedText(), QString("(Address)"));
        QTest::keyClicks(address, "12 Elm Street");
        QCOMPARE(address->text(), QString("12 Elm Street"));

        // Coming back selects the whole entry again, so typing replaces it.
        order.press(Qt::Key_Tab);
        order.press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(address->selectedText(), QString("12 Elm Street"));
    }

    // The field's own context menu works on what the customer selected there;
    // the focus coming back from the menu selects nothing afresh.
    void pasteFromTheContextMenuReplacesTheSelection() {
        OrderWindowFixture order;
        order.type("Address", "12 Elm St");
        order.press(Qt::Key_Home);
        order.press(Qt::Key_Right, Qt::ShiftModifier);
        order.press(Qt::Key_Right, Qt::ShiftModifier); // "12" selected
        QApplication::clipboard()->setText("408");

        QLineEdit* address = order.field("Address");
        QTimer pickPaste; // the menu's own access key, once the menu is up
        pickPaste.setInterval(10);
        connect(&pickPaste, &QTimer::timeout, this, [&pickPaste] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                pickPaste.stop();
                QTest::keyClick(menu, Qt::Key_P);
            }
        });
        pickPaste.start();
        order.clickAt(address, QPoint(80, 8), Qt::RightButton);
        QTRY_VERIFY(!pickPaste.isActive());
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(address->text(), QString("408 Elm St"));
        // Offscreen, nothing may hand the window its activation back once the
        // menu is gone; a window manager would.
        if (!order.window().isActiveWindow())
            order.window().activateWindow();
        QTRY_COMPARE(order.focusName(), QString("Address"));
        QVERIFY(!address->hasSelectedText());
    }

    // None is the window's default button, but Enter presses the one that
    // has the focus, as Space does.
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<int>("backwards"); // Shift+Tab presses from the name field
        QTest::addColumn<int>("key");
        QTest::addRow("print") << 1 << int(Qt::Key_Return);
        QTest::addRow("order later") << 2 << int(Qt::Key_Return);
        QTest::addRow("save") << 3 << int(Qt::Key_Return);
        QTest::addRow("save, keypad enter") << 3 << int(Qt::Key_Enter);
        QTest::addRow("save, space") << 3 << int(Qt::Key_Space);
    }

    void enterPressesTheFocusedButton() {
        QFETCH(int, backwards);
        QFETCH(int, key);
        FakeMessageBoxes messages;
        FakePrinter printer;
        ScratchFolder scratch;
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        for (int i = 0; i < backwards; ++i)
            order.press(Qt::Key_Tab, Qt::ShiftModifier);
        order.press(key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

        QCOMPARE(printer.attempts, 0); // nothing ticked: the save and print refuse
        QCOMPARE(order.window().isVisible(), backwards != 2);
        QCOMPARE(messages.asked.size(), backwards == 2 ? 0 : 1);
        QVERIFY(ScratchFolder::contents().isEmpty());
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
