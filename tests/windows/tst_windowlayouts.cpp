#include "model/Catalogue.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/DisplayText.h"
#include "support/ExpectedLayout.h"
#include "support/OrderWindowFixture.h"
#include "support/PaintedText.h"
#include "support/ProgramWindows.h"
#include "windows/layout/FormBuilder.h"
#include "windows/order/OrderWindowLayout.h"
#include "windows/shell/AboutWindowLayout.h"
#include "windows/shell/MainWindowLayout.h"
#include "windows/shell/SplashWindowLayout.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QTest>

namespace {

QString keyOf(const expected::Control& row) {
    return windows::layout::FormControls::keyOf(row.name.toStdString(), row.index);
}

// The rows of a window's own layout table: only their names count here.
std::span<const windows::layout::ControlSpec> tableOf(const QString& window) {
    if (window == QLatin1String("order"))
        return windows::order::orderWindowControls();
    if (window == QLatin1String("main"))
        return windows::shell::mainWindowControls();
    if (window == QLatin1String("about"))
        return windows::shell::aboutWindowControls();
    return windows::shell::splashWindowControls();
}

bool isOfKind(QWidget& widget, const QString& kind) {
    auto* label = qobject_cast<QLabel*>(&widget);
    const QHash<QString, bool> kinds{{"panel", widget.metaObject() == &QFrame::staticMetaObject},
                                     {"frame", qobject_cast<QGroupBox*>(&widget) != nullptr},
                                     {"label", label && label->pixmap().isNull()},
                                     {"image", label && !label->pixmap().isNull()},
                                     {"text field", qobject_cast<QLineEdit*>(&widget) != nullptr},
                                     {"check box", qobject_cast<QCheckBox*>(&widget) != nullptr},
                                     {"option", qobject_cast<QRadioButton*>(&widget) != nullptr},
                                     {"button", qobject_cast<QPushButton*>(&widget) != nullptr}};
    if (!kinds.contains(kind))
        qFatal("the expected layout has no kind of control called %s", qPrintable(kind));
    return kinds.value(kind);
}

// A caption as the control shows it: a label shows "&&" as "&" in its text,
// the other kinds keep "&&" in theirs and show one "&".
QString captionOf(QWidget& widget) {
    if (auto* label = qobject_cast<QLabel*>(&widget))
        return QString(label->text()).replace(QLatin1Char('&'), QLatin1String("&&"));
    if (auto* frame = qobject_cast<QGroupBox*>(&widget))
        return frame->title();
    if (auto* field = qobject_cast<QLineEdit*>(&widget))
        return field->text();
    if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        return button->text();
    return {};
}

// The palette roles a control of this kind shows its text and its ground in.
std::pair<QPalette::ColorRole, QPalette::ColorRole> colourRolesOf(const QString& kind) {
    if (kind == QLatin1String("text field"))
        return {QPalette::Text, QPalette::Base};
    if (kind == QLatin1String("button"))
        return {QPalette::ButtonText, QPalette::Button};
    return {QPalette::WindowText, QPalette::Window};
}

// A painted font of the expected face: the layout's own, or the stand-in
// with the same metrics that Debian installs.
bool isOfFace(const QFontInfo& font, const QString& face) {
    return face == QLatin1String("serif")
               ? font.family() == "Liberation Serif" || font.family() == "Times New Roman"
               : font.family() == "Liberation Sans" || font.family() == "MS Sans Serif";
}

Qt::Alignment alignmentOf(const QString& align) {
    if (align == QLatin1String("centre"))
        return Qt::AlignHCenter;
    return align == QLatin1String("right") ? Qt::AlignRight : Qt::AlignLeft;
}

// Whether a label's wrapped text stays inside the area within its border.
bool textFits(const QLabel& label) {
    const QRect area = label.contentsRect();
    const QRect text = label.fontMetrics().boundingRect(
        area, int(label.alignment()) | Qt::TextWordWrap, label.text());
    return area.contains(text);
}

} // namespace

class WindowLayoutsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::applyClassicLook(); }

    // A control the window needs and the table lacks, or has of another kind,
    // stops the window at once with the control's name.
    void aMissingControlStopsWithItsName() {
        using namespace windows::layout;
        QWidget window;
        ControlSpec label;
        label.name = "Greeting";
        const FormControls controls = FormBuilder::build(window, {}, std::array{label});
        QCOMPARE(controls.require<QLabel>("Greeting").objectName(), QString("Greeting"));
        const auto stopsNaming = [&](const auto& lookUp, const char* expected) {
            try {
                lookUp();
            } catch (const MissingControl& stop) {
                return QString::fromUtf8(stop.what()).contains(QLatin1String(expected));
            }
            return false;
        };
        QVERIFY(stopsNaming([&] { controls.require<QLabel>("Greting"); }, "Greting"));
        QVERIFY(stopsNaming([&] { controls.require<QLabel>("Greeting", 2); }, "Greeting(2)"));
        QVERIFY(stopsNaming([&] { controls.require<QPushButton>("Greeting"); }, "QPushButton"));

        ControlSpec orphan;
        orphan.name = "Orphan";
        orphan.container = "NoSuchFrame";
        QVERIFY(stopsNaming([&] { FormBuilder::build(window, {}, std::array{orphan}); },
                            "NoSuchFrame"));
    }

    // Each window as a whole: caption, size, colours and font.
    void everyWindowAsBuilt_data() {
        QTest::addColumn<QString>("window");
        for (const QString& name : ProgramWindows::names())
            QTest::addRow("%s", qPrintable(name)) << name;
    }

    void everyWindowAsBuilt() {
        QFETCH(QString, window);
        const expected::Window& layout = expected::window(window);
        ProgramWindows windows;
        QWidget& client = windows.clientArea(window);
        QCOMPARE(windows.window(window).windowTitle(), layout.caption);
        // On a screen of exactly 1024 x 768 the splash window takes a size of
        // its own, frame included; the other windows keep their client size.
        if (layout.outerOn1024By768)
            QCOMPARE(windows.window(window).frameGeometry().size(),
                     expected::inPixels(*layout.outerOn1024By768));
        else
            QCOMPARE(client.size(), expected::inPixels(layout.client));
        QCOMPARE(client.minimumSize(), client.maximumSize()); // nothing follows a new size
        QVERIFY(client.autoFillBackground());
        QCOMPARE(client.palette().color(QPalette::Active, QPalette::Window), layout.back);
        QCOMPARE(client.palette().color(QPalette::Active, QPalette::WindowText), layout.text);
        const QFontInfo font(client.font());
        QVERIFY2(isOfFace(font, layout.font.face), qPrintable(font.family()));
        QVERIFY(qAbs(font.pointSizeF() - layout.font.points) < 0.4);
        QCOMPARE(font.bold(), layout.font.bold);
    }

    // Every row of the expected layout, as the window built it: kind,
    // container, place, caption, colours, state and the font its text is
    // painted in.
    void everyRowAsBuilt_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("row");
        for (const QString& name : ProgramWindows::names()) {
            const QList<expected::Control>& rows = expected::window(name).controls;
            for (int row = 0; row < rows.size(); ++row)
                QTest::addRow("%s %s", qPrintable(name), qPrintable(keyOf(rows[row])))
                    << name << row;
        }
    }

    void everyRowAsBuilt() {
        QFETCH(QString, window);
        QFETCH(int, row);
        const expected::Window& layout = expected::window(window);
        const expected::Control& expected = layout.controls[row];
        ProgramWindows windows;
        QWidget& client = windows.clientArea(window);
        QWidget* widget = client.findChild<QWidget*>(keyOf(expected));
        QVERIFY2(widget, "the window has no such control");
        QVERIFY2(isOfKind(*widget, expected.kind), widget->metaObject()->className());
        QCOMPARE(widget->parentWidget()->objectName(),
                 expected.container.isEmpty() ? client.objectName() : expected.container);
        QCOMPARE(widget->parentWidget()->window(), &windows.window(window));
        if (expected.ownSize.isValid()) {
            QCOMPARE(widget->pos(), expected::inPixels(expected.place).topLeft());
            QCOMPARE(widget->size(), expected.ownSize);
        } else {
            QCOMPARE(widget->geometry(), expected::inPixels(expected.place));
        }

        if (expected.caption)
            QCOMPARE(captionOf(*widget), *expected.caption);
        if (expected.name == QLatin1String(control::ProductBox.data()))
            QCOMPARE(captionOf(*widget), platform::fromUtf8(model::productCaption(expected.index)));

        const auto [textRole, backRole] = colourRolesOf(expected.kind);
        const QPalette palette = widget->palette();
        QCOMPARE(palette.color(QPalette::Active, textRole),
                 expected.text.isValid() ? expected.text : layout.text);
        if (expected.transparent)
            QVERIFY(!widget->autoFillBackground());
        if (expected.back.isValid()) {
            QCOMPARE(palette.color(QPalette::Active, backRole), expected.back);
            if (backRole == QPalette::Window)
                QVERIFY(widget->autoFillBackground());
        }

        QCOMPARE(widget->isEnabled(), expected.enabled);
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable())
            QCOMPARE(button->isChecked(), expected.selected);
        if (auto* box = qobject_cast<QCheckBox*>(widget))
            QCOMPARE(box->layoutDirection() == Qt::RightToLeft, expected.squareOnTheRight);
        if (auto* label = qobject_cast<QLabel*>(widget); label && expected.kind == "label") {
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, alignmentOf(expected.align));
            QCOMPARE(label->frameShape() != QFrame::NoFrame, expected.border);
        }

        // Read from what the control paints, not from the font it was asked to use.
        const expected::Font font = expected.font.value_or(layout.font);
        const QList<PaintedText> painted = PaintedTextRecorder::of(*widget, {});
        if (!captionOf(*widget).trimmed().isEmpty())
            QVERIFY(!painted.isEmpty());
        for (const PaintedText& text : painted) {
            const QFontInfo shown(text.font);
            QVERIFY2(isOfFace(shown, font.face), qPrintable(shown.family()));
            QVERIFY2(expected.fontShrinksToFit ? shown.pointSizeF() < font.points + 0.4
                                               : qAbs(shown.pointSizeF() - font.points) < 0.4,
                     qPrintable(QString::number(shown.pointSizeF())));
            QCOMPARE(shown.bold(), font.bold);
            QCOMPARE(text.font.underline(), font.underline);
        }
    }

    // A row of a window's own table that the expected layout lacks is a
    // control nobody asked for, or one with a wrong name or index.
    void everyRowOfTheTablesIsExpected_data() { everyWindowAsBuilt_data(); }

    void everyRowOfTheTablesIsExpected() {
        QFETCH(QString, window);
        QStringList expectedKeys;
        for (const expected::Control& row : expected::window(window).controls)
            expectedKeys << keyOf(row);
        QStringList tableKeys;
        for (const windows::layout::ControlSpec& row : tableOf(window))
            tableKeys << windows::layout::FormControls::keyOf(row.name, row.index);
        expectedKeys.sort();
        tableKeys.sort();
        QCOMPARE(tableKeys, expectedKeys);
    }

    // The Tab key's order through the controls that take the focus, by click
    // or by key, follows their tab indices.
    void tabOrderFollowsTheTabIndices_data() {
        QTest::addColumn<QString>("window");
        QTest::addRow("order") << "order";
        QTest::addRow("about") << "about";
    }

    void tabOrderFollowsTheTabIndices() {
        QFETCH(QString, window);
        ProgramWindows windows;
        QWidget& client = windows.clientArea(window);
        QList<expected::Control> rows = expected::window(window).controls;
        std::stable_sort(rows.begin(), rows.end(),
                         [](const auto& a, const auto& b) { return a.tab < b.tab; });
        QList<QWidget*> stops;
        for (const expected::Control& row : rows) {
            auto* widget = client.findChild<QWidget*>(keyOf(row));
            QVERIFY(widget);
            if (widget->focusPolicy() != Qt::NoFocus) {
                QVERIFY2(row.tab >= 0, qPrintable(keyOf(row)));
                stops << widget;
            }
        }
        QVERIFY(stops.size() > 1);
        QList<QWidget*> chain{stops.first()};
        for (QWidget* next = stops.first()->nextInFocusChain(); next != stops.first();
             next = next->nextInFocusChain()) {
            if (stops.contains(next))
                chain << next;
        }
        QCOMPARE(chain, stops);
    }

    // The three card fields belong to the window and lie above the panel.
    void cardFieldsLieAboveThePanel() {
        OrderWindowFixture order;
        QWidget* panel = order.find(control::OrderPanel);
        for (std::string_view name :
             {control::CardholderNameField, control::CardNumberField, control::CardExpiryField}) {
            QWidget* field = order.field(name);
            QCOMPARE(field->parentWidget(), &order.window());
            const QWidgetList siblings =
                order.window().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            QVERIFY(siblings.indexOf(field) > siblings.indexOf(panel));
        }
    }

    // Nothing a customer reads may be cut off or wrapped at 96 dpi.
    void captionsFitTheirControls() {
        OrderWindowFixture order;
        for (QAbstractButton* button : order.window().findChildren<QAbstractButton*>()) {
            QVERIFY2(button->sizeHint().width() <= button->width() &&
                         button->fontMetrics().height() <= button->height(),
                     qPrintable(button->objectName()));
        }
        for (QLabel* label : order.window().findChildren<QLabel*>())
            QVERIFY2(textFits(*label), qPrintable(label->objectName()));
        auto* description = order.find<QLabel>(control::DescriptionBox);
        for (int row = 0; row < model::ProductCount; ++row) {
            description->setText(platform::labelText(*model::productDescription(row)));
            QVERIFY2(textFits(*description), qPrintable(QString::number(row)));
        }
    }

    // Disabled, the card fields grey their text and keep their white ground.
    void disabledCardFieldsKeepTheirBackground() {
        OrderWindowFixture order;
        for (std::string_view name :
             {control::CardholderNameField, control::CardNumberField, control::CardExpiryField}) {
            QLineEdit* field = order.field(name);
            QVERIFY(!field->isEnabled());
            const QImage image = field->grab().toImage();
            QCOMPARE(image.pixelColor(image.width() - 5, image.height() / 2), QColor(Qt::white));
            const QList<PaintedText> painted = PaintedTextRecorder::of(*field);
            QVERIFY(!painted.isEmpty());
            QVERIFY(painted.first().colour != QColor(0, 0, 255));
        }
    }

    void doubledAmpersandsShowAsOne() {
        OrderWindowFixture order;
        QCOMPARE(order.caption(control::ShippingLabel), QString("Shipping & Handling:"));
        QCOMPARE(order.product(15)->text(), QString("KUBLO 1, 2, && 3 Combo  $49.95"));
        QCOMPARE(order.product(15)->accessibleName(), QString("KUBLO 1, 2, & 3 Combo  $49.95"));
        QCOMPARE(order.find<QGroupBox>(control::CatalogueFrame)->title(),
                 QString("Click on box to order . . . "));
        QCOMPARE(order.diskSizeOption()->text(), QString::fromUtf8("3½\" HD"));
    }

    void inputsHaveAccessibleNames_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addRow("name") << nameOf(control::NameField) << "Full name";
        QTest::addRow("zip") << nameOf(control::ZipCodeField) << "ZIP or post code";
        QTest::addRow("phone") << nameOf(control::PhoneField) << "Telephone number";
        QTest::addRow("card number") << nameOf(control::CardNumberField) << "Card number";
        QTest::addRow("sub-total") << nameOf(control::SubTotalAmount) << "Sub-total";
        QTest::addRow("tax") << nameOf(control::SalesTaxAmount) << "Sales tax";
        QTest::addRow("shipping") << nameOf(control::ShippingAmount) << "Shipping";
        QTest::addRow("total") << nameOf(control::TotalAmount) << "Total";
        QTest::addRow("tax box") << nameOf(control::SalesTaxBox) << "Add Missouri sales tax";
        QTest::addRow("product") << nameOf(control::ProductBox, 9)
                                 << "GLYFFS Volumes I & II  $29.95";
        QTest::addRow("option") << nameOf(control::AmericanExpressOption) << "American Express";
        QTest::addRow("button") << nameOf(control::PrintButton) << "Print Order Form";
    }

    void inputsHaveAccessibleNames() {
        QFETCH(QString, control);
        OrderWindowFixture order;
        QTEST(order.find(control)->accessibleName(), "name");
    }
};

QTEST_MAIN(WindowLayoutsTest)
#include "tst_windowlayouts.moc"
