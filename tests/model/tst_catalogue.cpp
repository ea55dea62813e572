#include "model/Catalogue.h"
#include "model/MoneyText.h"
#include "model/OrderRecord.h"

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

    // Every text of the catalogue and every prompt, written out letter for
    // letter: the window, the documents and the customer read them as they are.
    void textsAreExact_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addRow("caption 0") << QString::fromUtf8(ProductCaption(0)) << "Tarvo Pairs  $19.95";
        QTest::addRow("fee line 0")
            << QString::fromUtf8(FeeLine(0)) << "Tarvo Pairs Registration Fee: $19.95";
        QTest::addRow("caption 1") << QString::fromUtf8(ProductCaption(1)) << "Tarvo Sums  $19.95";
        QTest::addRow("fee line 1")
            << QString::fromUtf8(FeeLine(1)) << "Tarvo Sums Registration Fee: $19.95";
        QTest::addRow("caption 2")
            << QString::fromUtf8(ProductCaption(2)) << "Tarvo Letters  $19.95";
        QTest::addRow("fee line 2")
            << QString::fromUtf8(FeeLine(2)) << "Tarvo Letters Registration Fee: $19.95";
        QTest::addRow("caption 3")
            << QString::fromUtf8(ProductCaption(3)) << "Tarvo Trio (3 Games)  $29.95";
        QTest::addRow("fee line 3")
            << QString::fromUtf8(FeeLine(3)) << "Tarvo Trio Registration Fee: $29.95";
        QTest::addRow("caption 4") << QString::fromUtf8(ProductCaption(4)) << "KUBLO$19.95";
        QTest::addRow("fee line 4")
            << QString::fromUtf8(FeeLine(4)) << "KUBLO Registration Fee: $19.95";
        QTest::addRow("caption 5") << QString::fromUtf8(ProductCaption(5)) << "KUBLOII$19.95";
        QTest::addRow("fee line 5")
            << QString::fromUtf8(FeeLine(5)) << "KUBLO II Registration Fee: $19.95";
        QTest::addRow("caption 6")
            << QString::fromUtf8(ProductCaption(6)) << "MORBIX: The Game  $9.95";
        QTest::addRow("fee line 6")
            << QString::fromUtf8(FeeLine(6)) << "Morbix: The Game Registration Fee: $9.95";
        QTest::addRow("caption 7")
            << QString::fromUtf8(ProductCaption(7)) << "GLYFFS Volume I  $19.95";
        QTest::addRow("fee line 7")
            << QString::fromUtf8(FeeLine(7)) << "GLYFFS Vol. I Registration Fee: $19.95";
        QTest::addRow("caption 8")
            << QString::fromUtf8(ProductCaption(8)) << "GLYFFS Volume II  $19.95";
        QTest::addRow("fee line 8")
            << QString::fromUtf8(FeeLine(8)) << "GLYFFS Vol. II Registration Fee: $19.95";
        QTest::addRow("caption 9")
            << QString::fromUtf8(ProductCaption(9)) << "GLYFFS Volumes I && II  $29.95";
        QTest::addRow("fee line 9")
            << QString::fromUtf8(FeeLine(9)) << "GLYFFS Vol. I & II Registration Fee: $29.95";
        QTest::addRow("caption 10") << QString::fromUtf8(ProductCaption(10)) << "Tarvo Deck  $9.95";
        QTest::addRow("fee line 10")
            << QString::fromUtf8(FeeLine(10)) << "Tarvo Deck Registration Fee: $9.95";
        QTest::addRow("caption 11")
            << QString::fromUtf8(ProductCaption(11)) << "Tarvo Mosaic  $9.95";
        QTest::addRow("fee line 11")
            << QString::fromUtf8(FeeLine(11)) << "Tarvo Mosaic Registration Fee: $9.95";
        QTest::addRow("caption 12") << QString::fromUtf8(ProductCaption(12)) << "KUBLO III  $29.95";
        QTest::addRow("fee line 12")
            << QString::fromUtf8(FeeLine(12)) << "KUBLO III Registration Fee: $29.95";
        QTest::addRow("caption 13")
            << QString::fromUtf8(ProductCaption(13)) << "Berry Towers $19.95";
        QTest::addRow("fee line 13")
            << QString::fromUtf8(FeeLine(13)) << "Berry Towers Registration Fee: $19.95";
        QTest::addRow("caption 14")
            << QString::fromUtf8(ProductCaption(14)) << "Mall Tumble $19.95";
        QTest::addRow("fee line 14")
            << QString::fromUtf8(FeeLine(14)) << "Mall Tumble Registration Fee: $19.95";
        QTest::addRow("caption 15")
            << QString::fromUtf8(ProductCaption(15)) << "KUBLO 1, 2, && 3 Combo  $49.95";
        QTest::addRow("fee line 15")
            << QString::fromUtf8(FeeLine(15)) << "KUBLO 1-2-3 Combo Registration Fee: $49.95";
        QTest::addRow("caption 16") << QString::fromUtf8(ProductCaption(16)) << "TrinkBin  $19.95";
        QTest::addRow("fee line 16")
            << QString::fromUtf8(FeeLine(16)) << "TRINKBIN Registration Fee: $19.95";
        QTest::addRow("caption 17") << QString::fromUtf8(ProductCaption(17)) << "Fizzlets $19.95";
        QTest::addRow("fee line 17")
            << QString::fromUtf8(FeeLine(17)) << "FIZZLETS Registration Fee: $19.95";
        QTest::addRow("caption 18")
            << QString::fromUtf8(ProductCaption(18)) << "Shareware Order Form $19.95";
        QTest::addRow("fee line 18")
            << QString::fromUtf8(FeeLine(18)) << "Order Form Source Code Registration Fee: $19.95";
        QTest::addRow("caption 19") << QString::fromUtf8(ProductCaption(19)) << "1&&2 $29.95";
        QTest::addRow("fee line 19")
            << QString::fromUtf8(FeeLine(19)) << "FIZZLETS 1 & 2 Registration Fee: $29.95";
        QTest::addRow("caption 20") << QString::fromUtf8(ProductCaption(20)) << "Orbids $19.95";
        QTest::addRow("fee line 20")
            << QString::fromUtf8(FeeLine(20)) << "ORBIDS Registration Fee: $19.95";
        QTest::addRow("caption 21") << QString::fromUtf8(ProductCaption(21)) << " II  $19.95";
        QTest::addRow("fee line 21")
            << QString::fromUtf8(FeeLine(21)) << "ORBIDS II Registration Fee: $19.95";
        QTest::addRow("caption 22")
            << QString::fromUtf8(ProductCaption(22)) << "Orbids && Orbids II  $29.95";
        QTest::addRow("fee line 22")
            << QString::fromUtf8(FeeLine(22)) << "ORBIDS & ORBIDS II Registration Fee: $29.95";
        QTest::addRow("caption 23") << QString::fromUtf8(ProductCaption(23)) << "FlickVu  $9.95";
        QTest::addRow("fee line 23")
            << QString::fromUtf8(FeeLine(23)) << "FLICKVU Registration Fee: $9.95";
        QTest::addRow("prompt FirstName")
            << QString::fromUtf8(prompt::FirstName) << "(Enter Your Full Name)";
        QTest::addRow("prompt Address") << QString::fromUtf8(prompt::Address) << "(Address)";
        QTest::addRow("prompt City") << QString::fromUtf8(prompt::City) << "(City)";
        QTest::addRow("prompt State") << QString::fromUtf8(prompt::State) << "(State/Country)";
        QTest::addRow("prompt Zip") << QString::fromUtf8(prompt::Zip) << "(Zip/Post Code)";
        QTest::addRow("prompt DayPhone")
            << QString::fromUtf8(prompt::DayPhone) << "(Telephone Number)";
        QTest::addRow("prompt EMail") << QString::fromUtf8(prompt::EMail) << "(E-Mail Address)";
        QTest::addRow("prompt CardName")
            << QString::fromUtf8(prompt::CardName) << "(Cardholder Name Shown on Card)";
        QTest::addRow("prompt CardNum")
            << QString::fromUtf8(prompt::CardNum) << "(Credit Card Number)";
        QTest::addRow("prompt CardExp") << QString::fromUtf8(prompt::CardExp) << "(Card Exp Date)";
    }

    void textsAreExact() {
        QFETCH(QString, text);
        QTEST(text, "expected");
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
