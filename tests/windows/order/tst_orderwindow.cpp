#include "model/Catalogue.h"
#include "platform/ui/ClassicLook.h"
#include "support/ExpectedOrders.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePrinter.h"
#include "support/OrderWindowFixture.h"
#include "support/ScratchFolder.h"

#include <QAccessible>
#include <QClipboard>
#include <QMap>
#include <QSet>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

using model::PaymentMethod;

namespace {

constexpr std::array<std::string_view, 4> AmountLabels{
    control::SubTotalAmount, control::SalesTaxAmount, control::ShippingAmount,
    control::TotalAmount};
constexpr std::array<std::string_view, 3> CardFields{
    control::CardholderNameField, control::CardNumberField, control::CardExpiryField};

// Sends a pointer movement to a control, as the mouse does when it rests there.
void movePointerOver(QWidget* control) {
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 5), control->mapToGlobal(QPointF(10, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

QStringList namesOf(std::initializer_list<std::string_view> names) {
    QStringList list;
    for (std::string_view name : names)
        list << nameOf(name);
    return list;
}

// The stops of the Tab key after the name field, all the way round, with
// `payment` selected.
QStringList tabStopsAfterName(PaymentMethod payment) {
    auto products = [](int first, int last) {
        QStringList names;
        for (int i = first; i <= last; ++i)
            names << nameOf(control::ProductBox, i);
        return names;
    };
    auto when = [payment](PaymentMethod method, std::string_view stop) {
        return payment == method ? QStringList{nameOf(stop)} : QStringList();
    };
    const bool card = model::isCardPayment(payment);
    return namesOf({control::AddressField, control::CityField, control::StateField,
                    control::ZipCodeField, control::PhoneField}) +
           when(PaymentMethod::Check, control::CheckOption) +
           when(PaymentMethod::Visa, control::VisaOption) +
           when(PaymentMethod::MasterCard, control::MasterCardOption) +
           (card ? namesOf({control::CardholderNameField, control::CardNumberField,
                            control::CardExpiryField})
                 : QStringList()) +
           namesOf({control::DiskSizeOption}) +
           when(PaymentMethod::MoneyOrder, control::MoneyOrderOption) +
           namesOf({control::EmailField}) + when(PaymentMethod::Discover, control::DiscoverOption) +
           products(0, 0) + products(2, 2) + products(1, 1) + products(3, 6) +
           namesOf({control::SalesTaxBox}) + products(7, 15) +
           when(PaymentMethod::AmericanExpress, control::AmericanExpressOption) +
           products(16, model::ProductCount - 1) +
           namesOf({control::SaveButton, control::OrderLaterButton, control::PrintButton,
                    control::NameField});
}

// The button goes down at `from` in a control, the pointer moves by `by`
// with it held, and the button comes up there: a click when `by` is small.
void pressMoveAndLetGo(QWidget* control, QPoint from, QPoint by) {
    QWindow* window = control->window()->windowHandle();
    const QPoint start = control->mapTo(control->window(), from);
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    if (!by.isNull())
        QTest::mouseMove(window, start + by);
    QTest::mouseRelease(window, Qt::LeftButton, {}, start + by);
}

int dragDistance() {
    return QGuiApplication::styleHints()->startDragDistance();
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
    QTest::addColumn<PaymentMethod>("payment");
    QTest::addRow("check") << PaymentMethod::Check;
    QTest::addRow("visa") << PaymentMethod::Visa;
    QTest::addRow("master card") << PaymentMethod::MasterCard;
    QTest::addRow("money order") << PaymentMethod::MoneyOrder;
    QTest::addRow("american express") << PaymentMethod::AmericanExpress;
    QTest::addRow("discover") << PaymentMethod::Discover;
}

// A fresh window with the payment method picked by a click, the way a
// customer picks it, and the focus back in the name field.
void choosePayment(const OrderWindowFixture& order, PaymentMethod payment) {
    if (payment != PaymentMethod::Check) {
        order.click(order.payment(payment));
        order.click(order.field(control::NameField));
    }
    QCOMPARE(order.focusName(), nameOf(control::NameField));
}

// The option button a word of a test's steps names; a word it does not know
// stops the test.
QRadioButton* optionNamed(const OrderWindowFixture& order, const QString& word) {
    if (word == "disk")
        return order.diskSizeOption();
    const QHash<QString, PaymentMethod> methods{
        {"check", PaymentMethod::Check},           {"visa", PaymentMethod::Visa},
        {"mastercard", PaymentMethod::MasterCard}, {"moneyorder", PaymentMethod::MoneyOrder},
        {"amex", PaymentMethod::AmericanExpress},  {"discover", PaymentMethod::Discover}};
    if (!methods.contains(word))
        qFatal("no option button is called \"%s\"", qPrintable(word));
    return order.payment(methods.value(word));
}

} // namespace

class OrderWindowTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::applyClassicLook(); }

    void opensEmpty() {
        OrderWindowFixture order;
        for (std::string_view label : AmountLabels)
            QCOMPARE(order.caption(label), QString("$0.00"));
        QCOMPARE(order.caption(control::DescriptionBox), QString(" "));
        QCOMPARE(order.field(control::NameField)->text(), QString("(Enter Your Full Name)"));
        for (std::string_view card : CardFields)
            QVERIFY(!order.field(card)->isEnabled());
        QVERIFY(order.payment(PaymentMethod::Check)->isChecked());
        QVERIFY(order.diskSizeOption()->isChecked());
        QCOMPARE(order.window().windowTitle(), QString("Quendrel Software Order Form (USA)"));
        // Screen readers read the amounts from the start, not from the first click.
        for (std::string_view label : AmountLabels)
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
        // Each sample order, its products clicked last row first.
        for (const sample::Expected& order : sample::expectedOrders())
            QTest::addRow("%s", qPrintable(order.name))
                << QList<int>(order.products.rbegin(), order.products.rend()) << order.salesTax
                << QStringList{order.subTotal, order.tax, order.shipping, order.total};
        QTest::addRow("ticked and unticked")
            << QList<int>{0, 0} << false << QStringList{"$0.00", "$0.00", "$0.00", "$0.00"};
        QTest::addRow("last one unticked, tax")
            << QList<int>{3, 15, 3, 15} << true << QStringList{"$0.00", "$0.00", "$0.00", "$0.00"};
    }

    void totalsFollowTheClicks() {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, salesTax);
        QFETCH(QStringList, amounts);
        OrderWindowFixture order;
        if (salesTax)
            order.click(order.salesTaxBox());
        for (int index : clicks)
            order.click(order.product(index));
        QStringList shown;
        QStringList readAloud; // what a screen reader gets
        for (std::string_view label : AmountLabels) {
            shown << order.caption(label);
            readAloud << order.find(label)->accessibleDescription();
        }
        QCOMPARE(shown, amounts);
        QCOMPARE(readAloud, amounts);
    }

    void taxBoxRecomputesAtOnce() {
        OrderWindowFixture order;
        order.tick({0});
        auto* tax = order.salesTaxBox();
        order.click(tax);
        QCOMPARE(order.caption(control::TotalAmount), sample::expected("row 0, tax").total);
        order.click(tax);
        QCOMPARE(order.caption(control::SalesTaxAmount), QString("$0.00"));
        QCOMPARE(order.caption(control::TotalAmount), sample::expected("row 0").total);
    }

    void ticksWithoutAClickCountToo() {
        // Assistive technology ticks a box through its toggle action.
        OrderWindowFixture order;
        for (QCheckBox* box : {order.product(0), order.salesTaxBox()})
            QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
        const sample::Expected& expected = sample::expected("row 0, tax");
        QCOMPARE(order.caption(control::SubTotalAmount), expected.subTotal);
        QCOMPARE(order.caption(control::TotalAmount), expected.total);
    }

    void tabAndShiftTabVisitTheStopsInOrder_data() { addPaymentRows(); }

    void tabAndShiftTabVisitTheStopsInOrder() {
        QFETCH(PaymentMethod, payment);
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
        QCOMPARE(backwards, namesOf({control::NameField}) + stops.mid(0, stops.size() - 1));
    }

    void enterMovesOn_data() {
        QTest::addColumn<PaymentMethod>("payment");
        QTest::addColumn<std::string_view>("from");
        QTest::addColumn<QStringList>("stops");
        QTest::addColumn<int>("key");
        const int enter = Qt::Key_Return;
        const PaymentMethod check = PaymentMethod::Check;
        QTest::addRow("name to phone")
            << check << control::NameField
            << namesOf({control::AddressField, control::CityField, control::StateField,
                        control::ZipCodeField, control::PhoneField})
            << enter;
        QTest::addRow("keypad enter") << check << control::ZipCodeField
                                      << namesOf({control::PhoneField}) << int(Qt::Key_Enter);
        QTest::addRow("phone, check")
            << check << control::PhoneField << namesOf({control::CheckOption}) << enter;
        QTest::addRow("phone, visa") << PaymentMethod::Visa << control::PhoneField
                                     << namesOf({control::VisaOption}) << enter;
        QTest::addRow("phone, master card") << PaymentMethod::MasterCard << control::PhoneField
                                            << namesOf({control::MasterCardOption}) << enter;
        QTest::addRow("phone, amex")
            << PaymentMethod::AmericanExpress << control::PhoneField
            << namesOf({control::CardholderNameField, control::CardNumberField,
                        control::CardExpiryField, control::DiskSizeOption})
            << enter;
        QTest::addRow("phone, discover") << PaymentMethod::Discover << control::PhoneField
                                         << namesOf({control::CardholderNameField}) << enter;
        QTest::addRow("phone, money order") << PaymentMethod::MoneyOrder << control::PhoneField
                                            << namesOf({control::DiskSizeOption}) << enter;
        QTest::addRow("e-mail stays")
            << check << control::EmailField << namesOf({control::EmailField, control::EmailField})
            << enter;
    }

    void enterMovesOn() {
        QFETCH(PaymentMethod, payment);
        QFETCH(std::string_view, from);
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
        QTest::addColumn<PaymentMethod>("selected");
        QTest::addRow("clicked away and back")
            << "click discover, click check" << PaymentMethod::Check;
        QTest::addRow("clicked") << "click mastercard" << PaymentMethod::MasterCard;
        QTest::addRow("arrow keys") << "click check, down, down" << PaymentMethod::AmericanExpress;
        QTest::addRow("arrow keys back up") << "click visa, up, up" << PaymentMethod::Discover;
        QTest::addRow("screen reader") << "reader moneyorder" << PaymentMethod::MoneyOrder;
        QTest::addRow("pressed, let go elsewhere")
            << "press discover, click mastercard" << PaymentMethod::MasterCard;
        QTest::addRow("pressed, let go elsewhere, nothing else")
            << "press amex" << PaymentMethod::Check;
        QTest::addRow("disk size clicked") << "click visa, click disk" << PaymentMethod::Visa;
    }

    void theSelectedOptionIsTheGroupsStop() {
        QFETCH(QString, how);
        QFETCH(PaymentMethod, selected);
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        for (const QString& step : how.split(", ")) {
            const QStringList words = step.split(' ');
            if (words[0] == "click")
                order.click(optionNamed(order, words.value(1)));
            else if (words[0] == "down" || words[0] == "up")
                order.press(words[0] == "down" ? Qt::Key_Down : Qt::Key_Up);
            else if (words[0] == "press")
                pressAndLetGoElsewhere(optionNamed(order, words.value(1)),
                                       order.field(control::ZipCodeField));
            else if (words[0] == "reader")
                QAccessible::queryAccessibleInterface(optionNamed(order, words.value(1)))
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::pressAction());
            else
                QFAIL(qPrintable("no step is called \"" + words[0] + "\""));
        }
        QTRY_VERIFY(order.payment(selected)->isChecked());
        const QStringList stops = namesOf({control::NameField}) + tabStopsAfterName(selected);
        const auto stopAfter = [&stops](std::string_view name, int step) {
            return stops.value(stops.indexOf(nameOf(name)) + step);
        };

        order.click(order.field(control::PhoneField));
        order.press(Qt::Key_Tab);
        QCOMPARE(order.focusName(), stopAfter(control::PhoneField, 1));
        order.click(order.field(control::EmailField));
        order.press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(order.focusName(), stopAfter(control::EmailField, -1));
        order.press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(order.focusName(), stopAfter(control::EmailField, -2));
    }

    void arrowKeysSelectWithinTheirGroup_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<PaymentMethod>>("selected"); // after each press
        using P = PaymentMethod;
        QTest::addRow("down the payment methods and round")
            << int(Qt::Key_Down)
            << QList<P>{P::MoneyOrder, P::AmericanExpress, P::Discover, P::MasterCard, P::Visa,
                        P::Check};
        QTest::addRow("right works like down")
            << int(Qt::Key_Right) << QList<P>{P::MoneyOrder, P::AmericanExpress};
        QTest::addRow("up from the first") << int(Qt::Key_Up) << QList<P>{P::Visa, P::MasterCard};
        QTest::addRow("left works like up") << int(Qt::Key_Left) << QList<P>{P::Visa};
    }

    void arrowKeysSelectWithinTheirGroup() {
        QFETCH(int, key);
        QFETCH(QList<PaymentMethod>, selected);
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        order.click(order.field(control::PhoneField));
        order.press(Qt::Key_Tab);
        QCOMPARE(order.focusName(), nameOf(control::CheckOption));
        for (PaymentMethod method : selected) {
            order.press(key);
            QVERIFY(order.payment(method)->isChecked());
            QCOMPARE(order.focusName(), nameOf(control::optionFor(method)));
            QCOMPARE(order.field(control::CardholderNameField)->isEnabled(),
                     model::isCardPayment(method));
        }
        // The disk size stays as it is, alone in its group.
        order.click(order.diskSizeOption());
        order.press(Qt::Key_Down);
        order.press(Qt::Key_Up);
        QVERIFY(order.diskSizeOption()->isChecked());
        QCOMPARE(order.focusName(), nameOf(control::DiskSizeOption));
    }

    // A click anywhere in a check box's or option button's rectangle works it,
    // not only on its square and caption.
    void theWholeRectangleTakesTheClick_data() {
        QTest::addColumn<std::string_view>("control");
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("point"); // pixels from the rectangle's top-left
        QTest::addRow("tax box, middle") << control::SalesTaxBox << -1 << QPoint(16, 16);
        QTest::addRow("tax box, left edge") << control::SalesTaxBox << -1 << QPoint(1, 30);
        QTest::addRow("product, right of its caption")
            << control::ProductBox << 0 << QPoint(166, 6);
        QTest::addRow("product, bottom right") << control::ProductBox << 21 << QPoint(87, 15);
        QTest::addRow("option, right of its caption")
            << control::AmericanExpressOption << -1 << QPoint(134, 8);
        QTest::addRow("option, top left") << control::VisaOption << -1 << QPoint(0, 0);
    }

    void theWholeRectangleTakesTheClick() {
        QFETCH(std::string_view, control);
        QFETCH(int, index);
        QFETCH(QPoint, point);
        OrderWindowFixture order;
        auto* button = order.find<QAbstractButton>(control, index);
        QVERIFY(button->rect().contains(point));
        order.clickAt(button, point);
        QVERIFY(button->isChecked());
        if (control == control::ProductBox)
            QCOMPARE(order.caption(control::SubTotalAmount), QString("$19.95"));
        if (control == control::AmericanExpressOption)
            QVERIFY(order.field(control::CardNumberField)->isEnabled());
    }

    // Wherever a person clicks into a field, and however the hand moves while
    // the button is down, short of a drag, the click that brings the focus
    // selects the whole text, so that the first key replaces it. A click into
    // the field that already has the focus, however it came, puts the caret
    // at the pointer.
    void clickingIntoAFieldSelectsItsText_data() {
        QTest::addColumn<std::string_view>("field");
        QTest::addColumn<double>("across"); // where, as a share of the width
        QTest::addColumn<QPoint>("moved");  // with the button down
        // How the field had the focus before the click: "none", "window opened"
        // (the name field), "Enter" (on to the address field), "Shift+Tab"
        // (Enter from the name field, then back).
        QTest::addColumn<QString>("focused");
        for (std::string_view name :
             {control::NameField, control::AddressField, control::CityField, control::StateField,
              control::ZipCodeField, control::PhoneField, control::EmailField,
              control::CardholderNameField, control::CardNumberField, control::CardExpiryField}) {
            QTest::addRow("%s", name.data()) << name << 0.5 << QPoint() << "none";
            QTest::addRow("%s, moved 2 pixels", name.data())
                << name << 0.5 << QPoint(2, 0) << "none";
        }
        QTest::addRow("address, left end") << control::AddressField << 0.01 << QPoint() << "none";
        QTest::addRow("zip code, right end") << control::ZipCodeField << 0.98 << QPoint() << "none";
        QTest::addRow("name, moved just short of a drag")
            << control::NameField << 0.2 << QPoint(dragDistance() - 2, 1) << "none";
        QTest::addRow("name, focused since the window opened")
            << control::NameField << 0.2 << QPoint() << "window opened";
        QTest::addRow("address, focused by Enter")
            << control::AddressField << 0.1 << QPoint() << "Enter";
        QTest::addRow("name, focused by Shift+Tab")
            << control::NameField << 0.15 << QPoint() << "Shift+Tab";
    }

    void clickingIntoAFieldSelectsItsText() {
        QFETCH(std::string_view, field);
        QFETCH(double, across);
        QFETCH(QPoint, moved);
        QFETCH(QString, focused);
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        if (focused == "none") // cards on: all ten take the focus
            order.click(order.payment(PaymentMethod::Discover));
        if (focused == "Enter" || focused == "Shift+Tab")
            order.press(Qt::Key_Return);
        if (focused == "Shift+Tab")
            order.press(Qt::Key_Tab, Qt::ShiftModifier);
        QLineEdit* target = order.field(field);
        QCOMPARE(target->hasFocus(), focused != "none");
        const QString before = target->text();
        const QPoint point(int(target->width() * across), target->height() / 2);
        pressMoveAndLetGo(target, point, moved);
        QCOMPARE(order.focusName(), nameOf(field));
        if (focused != "none") { // an ordinary click: the caret at the pointer
            const int caret = target->cursorPositionAt(point);
            QVERIFY2(caret > 0 && caret < before.size(), qPrintable(QString::number(caret)));
            QTest::keyClicks(target, "X");
            QCOMPARE(target->text(), QString(before).insert(caret, 'X'));
            return;
        }
        QTest::keyClicks(target, "12 Elm St");
        QCOMPARE(target->text(), QString("12 Elm St"));

        // In the field that has the focus, a click puts the caret where it is.
        order.clickAt(target, QPoint(2, target->height() / 2));
        QTest::keyClicks(target, "#");
        QCOMPARE(target->text(), QString("#12 Elm St"));
    }

    // A drag across the text selects part of it, as in any text field,
    // whether the drag enters the field or starts in the one with the focus.
    void draggingAcrossAFieldSelectsPartOfIt_data() {
        QTest::addColumn<bool>("entering");
        QTest::addRow("into another field") << true;
        QTest::addRow("in the field with the focus") << false;
    }

    void draggingAcrossAFieldSelectsPartOfIt() {
        QFETCH(bool, entering);
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        QLineEdit* address = order.field(control::AddressField);
        if (!entering) {
            order.click(address);
            QTest::keyClicks(address, "(Address)");
        }
        // From the left end, across about half of "(Address)".
        const QPoint start(2, address->height() / 2);
        const int half = address->fontMetrics().horizontalAdvance("(Addr");
        QVERIFY(half > dragDistance());
        pressMoveAndLetGo(address, start, QPoint(half, 0));
        QCOMPARE(order.focusName(), nameOf(control::AddressField));
        QVERIFY2(address->selectedText().startsWith("(Add") &&
                     address->selectedText().size() < address->text().size(),
                 qPrintable(address->selectedText()));
        QTest::keyClicks(address, "X");
        QVERIFY2(address->text().startsWith("X") && address->text().endsWith("ess)"),
                 qPrintable(address->text()));
    }

    void enteringAFieldByKeySelectsItsText() {
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        QCOMPARE(order.field(control::NameField)->selectedText(),
                 QString("(Enter Your Full Name)"));
        order.press(Qt::Key_Return);
        QLineEdit* address = order.field(control::AddressField);
        QCOMPARE(address->selectedText(), QString("(Address)"));
        QTest::keyClicks(address, "12 Elm Street");
        QCOMPARE(address->text(), QString("12 Elm Street"));
        // Once typed into, the field takes a click as any text field does.
        order.clickAt(address, QPoint(2, address->height() / 2));
        QTest::keyClicks(address, "#");
        QCOMPARE(address->text(), QString("#12 Elm Street"));

        // Coming back selects the whole entry again, so typing replaces it.
        order.press(Qt::Key_Tab);
        order.press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(address->selectedText(), QString("#12 Elm Street"));
    }

    // The field's own context menu works on what the customer selected there;
    // the focus coming back from the menu selects nothing afresh.
    void pasteFromTheContextMenuReplacesTheSelection() {
        OrderWindowFixture order;
        order.type(control::AddressField, "12 Elm St");
        order.press(Qt::Key_Home);
        order.press(Qt::Key_Right, Qt::ShiftModifier);
        order.press(Qt::Key_Right, Qt::ShiftModifier); // "12" selected
        QApplication::clipboard()->setText("408");

        QLineEdit* address = order.field(control::AddressField);
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
        QTRY_COMPARE(order.focusName(), nameOf(control::AddressField));
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
        QTest::addColumn<PaymentMethod>("payment");
        QTest::addColumn<bool>("enabled");
        QTest::addRow("check") << PaymentMethod::Check << false;
        QTest::addRow("visa") << PaymentMethod::Visa << true;
        QTest::addRow("master card") << PaymentMethod::MasterCard << true;
        QTest::addRow("money order") << PaymentMethod::MoneyOrder << false;
        QTest::addRow("american express") << PaymentMethod::AmericanExpress << true;
        QTest::addRow("discover") << PaymentMethod::Discover << true;
    }

    void cardFieldsFollowThePaymentMethod() {
        QFETCH(PaymentMethod, payment);
        QFETCH(bool, enabled);
        OrderWindowFixture order;
        order.click(order.payment(PaymentMethod::AmericanExpress));
        order.type(control::CardNumberField, "4111 1111 1111 1111");
        order.click(order.payment(payment));
        order.click(order.diskSizeOption()); // the disk size changes nothing
        for (std::string_view card : CardFields)
            QCOMPARE(order.field(card)->isEnabled(), enabled);
        QCOMPARE(order.field(control::CardNumberField)->text(), QString("4111 1111 1111 1111"));
    }

    void descriptionFollowsThePointer() {
        OrderWindowFixture order;
        movePointerOver(order.product(18));
        const QString shown = order.caption(control::DescriptionBox);
        QVERIFY(shown.startsWith("ORDER FORM SOURCE CODE (Royalty Free): \n"));
        QCOMPARE(shown.count('\n'), 1);
        QCOMPARE(shown.size(), 209);

        // Leaving the products keeps the last description.
        movePointerOver(order.find(control::CommentsNote));
        movePointerOver(order.field(control::NameField));
        QCOMPARE(order.caption(control::DescriptionBox), shown);

        movePointerOver(order.product(9));
        QVERIFY(order.caption(control::DescriptionBox).startsWith("GLYFFS Vol. I & II:  "));
    }

    // Keyboard only, from a fresh window: Tab to each product shows its
    // description, the very text the pointer shows there, and a screen reader
    // reads the same with the box.
    void tabToEachProductShowsItsDescription() {
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        const QStringList stops = tabStopsAfterName(PaymentMethod::Check);
        QMap<int, QString> byFocus;
        for (qsizetype i = 0; i < stops.size(); ++i) {
            order.press(Qt::Key_Tab);
            for (int product = 0; product < model::ProductCount; ++product) {
                if (order.focusName() == nameOf(control::ProductBox, product))
                    byFocus[product] = order.caption(control::DescriptionBox);
            }
        }
        QCOMPARE(byFocus.size(), model::ProductCount);

        QSet<QString> different;
        for (int product = 0; product < model::ProductCount; ++product) {
            const QString shown = byFocus[product];
            QVERIFY2(!shown.trimmed().isEmpty(), qPrintable(QString::number(product)));
            QCOMPARE(order.product(product)->accessibleDescription(), shown);
            movePointerOver(order.product(product));
            QCOMPARE(order.caption(control::DescriptionBox), shown);
            different.insert(shown);
        }
        QCOMPARE(different.size(), model::ProductCount);
        QVERIFY(byFocus[18].startsWith("ORDER FORM SOURCE CODE (Royalty Free): \n"));
        QCOMPARE(byFocus[18].count('\n'), 1);
        // Nothing was ticked on the way.
        QCOMPARE(order.caption(control::SubTotalAmount), QString("$0.00"));
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
            order.type(control::NameField, "Ana");
            order.click(order.button(control::OrderLaterButton));
            QVERIFY(!order.window().isVisible());
            QCOMPARE(order.window().result(), int(QDialog::Rejected));
            // The hourglass of the closing is gone again.
            QCOMPARE(order.window().cursor().shape(), Qt::ArrowCursor);
        }
        OrderWindowFixture next;
        QCOMPARE(next.field(control::NameField)->text(), QString("(Enter Your Full Name)"));
        QVERIFY(!next.product(3)->isChecked());
        QCOMPARE(next.caption(control::TotalAmount), QString("$0.00"));
    }
};

QTEST_MAIN(OrderWindowTest)
#include "tst_orderwindow.moc"
