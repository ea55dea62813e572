#include "model/Catalogue.h"
#include "model/MoneyText.h"

#include <QTest>
#include <cmath>
#include <stdexcept>
#include <string>

using namespace model;

namespace {

// The price written at the end of a caption or fee line, after its "$".
double trailingPrice(std::string_view text) {
    const auto dollar = text.rfind('$');
    return dollar == std::string_view::npos ? -1 : std::stod(std::string(text.substr(dollar + 1)));
}

std::string_view productName(std::string_view feeLine) {
    return feeLine.substr(0, feeLine.find(" Registration Fee: $"));
}

} // namespace

class CatalogueTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pricesAgreeInEveryRow_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row <= ProductCount; ++row)
            QTest::addRow("row %d", row) << row;
    }

    void pricesAgreeInEveryRow() {
        QFETCH(int, row);
        const double price = ProductPrice(row);
        QCOMPARE(trailingPrice(ProductCaption(row)), price);
        QCOMPARE(trailingPrice(FeeLine(row)), price);
        // The fee line writes the price with two decimals and nothing after it.
        const std::string feeLine(FeeLine(row));
        QVERIFY(feeLine.ends_with(FormatAmount(price)));
        QVERIFY(feeLine.find(" Registration Fee: $") != std::string::npos);
    }

    void pricesSumTo518_80() {
        double sum = 0;
        double largest = 0;
        double smallest = 1e9;
        for (int row = 0; row <= ProductCount; ++row) {
            sum += ProductPrice(row);
            largest = std::max(largest, ProductPrice(row));
            smallest = std::min(smallest, ProductPrice(row));
        }
        QVERIFY(std::fabs(sum - 518.80) < 1e-9);
        QCOMPARE(FormatMoney(sum), std::string("$518.80"));
        QCOMPARE(largest, 49.95);
        QCOMPARE(smallest, 9.95);
    }

    void captionsAreExact_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("caption");
        QTest::addRow("no gap, row 4") << 4 << "KUBLO$19.95";
        QTest::addRow("no gap, row 5") << 5 << "KUBLOII$19.95";
        QTest::addRow("doubled ampersand") << 9 << "GLYFFS Volumes I && II  $29.95";
        QTest::addRow("one space, row 13") << 13 << "Berry Towers $19.95";
        QTest::addRow("combo") << 15 << "KUBLO 1, 2, && 3 Combo  $49.95";
        QTest::addRow("no name, row 19") << 19 << "1&&2 $29.95";
        QTest::addRow("leading space, row 21") << 21 << " II  $19.95";
    }

    void captionsAreExact() {
        QFETCH(int, row);
        QFETCH(QString, caption);
        QCOMPARE(QString::fromUtf8(ProductCaption(row)), caption);
    }

    void descriptionsFollowTheirShape_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row <= ProductCount; ++row)
            QTest::addRow("row %d", row) << row;
    }

    void descriptionsFollowTheirShape() {
        QFETCH(int, row);
        const std::string_view description = *ProductDescription(row);
        QVERIFY2(description.size() >= 129 && description.size() <= 247,
                 qPrintable(QString::number(description.size())));
        if (row == 3) {
            QVERIFY(description.find(" -- Tarvo Trio") != std::string_view::npos);
            return;
        }
        if (row == 18) {
            QVERIFY(description.starts_with("ORDER FORM SOURCE CODE (Royalty Free): \r"));
            QCOMPARE(description.size(), std::size_t{209});
            QCOMPARE(description.find('\n'), std::string_view::npos);
            return;
        }
        // The description names the product as its fee line does; "&&" shows as "&".
        const std::string expectedStart = std::string(productName(FeeLine(row))) + ":  ";
        const QString shown = QString::fromUtf8(description).replace("&&", "&");
        QVERIFY2(shown.startsWith(QString::fromStdString(expectedStart)), qPrintable(shown));
        QCOMPARE(description.find('\r'), std::string_view::npos);
    }

    void lookupsOutsideTheCatalogue() {
        QVERIFY(!ProductDescription(-1).has_value());
        QVERIFY(!ProductDescription(ProductCount + 1).has_value());
        QCOMPARE(ProductPrice(24), 0.0);
        QCOMPARE(ProductPrice(CatalogueSlots - 1), 0.0);
        QVERIFY(FeeLine(30).empty());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ProductPrice(CatalogueSlots));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ProductPrice(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ProductCaption(24));
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
