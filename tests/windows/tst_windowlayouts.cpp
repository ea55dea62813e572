#include "model/Catalogue.h"
#include "platform/desktop/ClassicLook.h"
#include "platform/desktop/DisplayText.h"
#include "support/OrderWindowFixture.h"
#include "support/PaintedText.h"
#include "windows/layout/FormBuilder.h"
#include "windows/order/OrderWindowLayout.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QTest>

namespace {

// Whether a label's wrapped text stays inside the area within its border.
bool textFits(const QLabel& label) {
    const QRect area = label.contentsRect();
    const QRect text = label.fontMetrics().boundingRect(
        area, int(label.alignment()) | Qt::TextWordWrap, label.text());
    return area.contains(text);
}

} // namespace

class OrderWindowLayoutTest final : public QObject {
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

    void windowHasItsFixedSize() {
        OrderWindowFixture order;
        QCOMPARE(order.window().size(), QSize(641, 434)); // 9612 x 6516 twips
        QCOMPARE(order.window().minimumSize(), order.window().maximumSize());
        QCOMPARE(order.product(21)->geometry(), QRect(128, 208, 89, 16));
        QCOMPARE(order.find(control::CatalogueFrame)->parentWidget()->objectName(),
                 nameOf(control::OrderPanel));
    }

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
        QCOMPARE(order.field(control::CardholderNameField)->geometry().topLeft(), QPoint(17, 347));
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

    void fontsKeepTheirSizesAndWeights_data() {
        QTest::addColumn<QString>("control"); // object name
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::addRow("window font") << nameOf(control::SubTotalLabel) << 7.8 << true << false;
        QTest::addRow("product") << nameOf(control::ProductBox, 0) << 7.8 << true << false;
        QTest::addRow("regular") << nameOf(control::ShippingNote) << 7.8 << false << false;
        QTest::addRow("underlined total") << nameOf(control::TotalAmount) << 7.8 << true << true;
        QTest::addRow("comment line") << nameOf(control::CommentsNote) << 12.0 << true << false;
    }

    // Read from what the control paints, not from the font it was asked to use.
    void fontsKeepTheirSizesAndWeights() {
        QFETCH(QString, control);
        QFETCH(qreal, points);
        OrderWindowFixture order;
        const QList<PaintedText> painted = PaintedTextRecorder::of(*order.find(control));
        QVERIFY(!painted.isEmpty());
        for (const PaintedText& text : painted) {
            const QFontInfo font(text.font);
            QVERIFY2(font.family() == "Liberation Sans" || font.family() == "MS Sans Serif",
                     qPrintable(font.family()));
            QVERIFY(qAbs(font.pointSizeF() - points) < 0.4);
            QTEST(font.bold(), "bold");
            QTEST(text.font.underline(), "underline");
        }
    }

    // Every row of the table: the text its control paints, itself and not
    // its children, is in the row's font or else the window's.
    void everyControlPaintsInItsRowsFont() {
        OrderWindowFixture order;
        const windows::layout::FormSpec form = windows::order::orderWindowForm();
        for (const windows::layout::ControlSpec& row : windows::order::orderWindowControls()) {
            const windows::layout::FontSpec expected = row.font.value_or(form.font);
            const QString name = windows::layout::FormControls::keyOf(row.name, row.index);
            for (const PaintedText& text : PaintedTextRecorder::of(*order.find(name), {})) {
                const QFontInfo font(text.font);
                QVERIFY2(qAbs(font.pointSizeF() - expected.points) < 0.4 &&
                             font.bold() == expected.bold &&
                             text.font.underline() == expected.underline,
                         qPrintable(name));
            }
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

QTEST_MAIN(OrderWindowLayoutTest)
#include "tst_windowlayouts.moc"
