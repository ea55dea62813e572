#include "model/Catalogue.h"
#include "model/CustomerEntries.h"
#include "model/MoneyText.h"
#include "support/ExpectedOrders.h"

#include <QTest>
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
        for (int row = 0; row < ProductCount; ++row)
            QTest::addRow("row %d", row) << row;
    }

    void pricesAgreeInEveryRow() {
        QFETCH(int, row);
        const double price = productPrice(row);
        QCOMPARE(trailingPrice(productCaption(row)), price);
        QCOMPARE(trailingPrice(feeLine(row)), price);
        // The fee line writes the price with two decimals and nothing after it.
        const std::string line(feeLine(row));
        QVERIFY(line.ends_with(formatAmount(price)));
        QVERIFY(line.find(" Registration Fee: $") != std::string::npos);
    }

    // The sum is the sub-total of an order of everything.
    void pricesSumToTheSubTotalOfEverything() {
        double sum = 0;
        double largest = 0;
        double smallest = 1e9;
        for (int row = 0; row < ProductCount; ++row) {
            sum += productPrice(row);
            largest = std::max(largest, productPrice(row));
            smallest = std::min(smallest, productPrice(row));
        }
        QCOMPARE(QString::fromStdString(formatMoney(sum)), sample::expected("all").subTotal);
        QCOMPARE(largest, 49.95);
        QCOMPARE(smallest, 9.95);
    }

    // Every text of the catalogue and every prompt, written out letter for
    // letter: the window, the documents and the customer read them as they are.
    void textsAreExact_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addRow("caption 0") << QString::fromUtf8(productCaption(0)) << "Tarvo Pairs  $19.95";
        QTest::addRow("fee line 0")
            << QString::fromUtf8(feeLine(0)) << "Tarvo Pairs Registration Fee: $19.95";
        QTest::addRow("caption 1") << QString::fromUtf8(productCaption(1)) << "Tarvo Sums  $19.95";
        QTest::addRow("fee line 1")
            << QString::fromUtf8(feeLine(1)) << "Tarvo Sums Registration Fee: $19.95";
        QTest::addRow("caption 2")
            << QString::fromUtf8(productCaption(2)) << "Tarvo Letters  $19.95";
        QTest::addRow("fee line 2")
            << QString::fromUtf8(feeLine(2)) << "Tarvo Letters Registration Fee: $19.95";
        QTest::addRow("caption 3")
            << QString::fromUtf8(productCaption(3)) << "Tarvo Trio (3 Games)  $29.95";
        QTest::addRow("fee line 3")
            << QString::fromUtf8(feeLine(3)) << "Tarvo Trio Registration Fee: $29.95";
        QTest::addRow("caption 4") << QString::fromUtf8(productCaption(4)) << "KUBLO$19.95";
        QTest::addRow("fee line 4")
            << QString::fromUtf8(feeLine(4)) << "KUBLO Registration Fee: $19.95";
        QTest::addRow("caption 5") << QString::fromUtf8(productCaption(5)) << "KUBLOII$19.95";
        QTest::addRow("fee line 5")
            << QString::fromUtf8(feeLine(5)) << "KUBLO II Registration Fee: $19.95";
        QTest::addRow("caption 6")
            << QString::fromUtf8(productCaption(6)) << "MORBIX: The Game  $9.95";
        QTest::addRow("fee line 6")
            << QString::fromUtf8(feeLine(6)) << "Morbix: The Game Registration Fee: $9.95";
        QTest::addRow("caption 7")
            << QString::fromUtf8(productCaption(7)) << "GLYFFS Volume I  $19.95";
        QTest::addRow("fee line 7")
            << QString::fromUtf8(feeLine(7)) << "GLYFFS Vol. I Registration Fee: $19.95";
        QTest::addRow("caption 8")
            << QString::fromUtf8(productCaption(8)) << "GLYFFS Volume II  $19.95";
        QTest::addRow("fee line 8")
            << QString::fromUtf8(feeLine(8)) << "GLYFFS Vol. II Registration Fee: $19.95";
        QTest::addRow("caption 9")
            << QString::fromUtf8(productCaption(9)) << "GLYFFS Volumes I && II  $29.95";
        QTest::addRow("fee line 9")
            << QString::fromUtf8(feeLine(9)) << "GLYFFS Vol. I & II Registration Fee: $29.95";
        QTest::addRow("caption 10") << QString::fromUtf8(productCaption(10)) << "Tarvo Deck  $9.95";
        QTest::addRow("fee line 10")
            << QString::fromUtf8(feeLine(10)) << "Tarvo Deck Registration Fee: $9.95";
        QTest::addRow("caption 11")
            << QString::fromUtf8(productCaption(11)) << "Tarvo Mosaic  $9.95";
        QTest::addRow("fee line 11")
            << QString::fromUtf8(feeLine(11)) << "Tarvo Mosaic Registration Fee: $9.95";
        QTest::addRow("caption 12") << QString::fromUtf8(productCaption(12)) << "KUBLO III  $29.95";
        QTest::addRow("fee line 12")
            << QString::fromUtf8(feeLine(12)) << "KUBLO III Registration Fee: $29.95";
        QTest::addRow("caption 13")
            << QString::fromUtf8(productCaption(13)) << "Berry Towers $19.95";
        QTest::addRow("fee line 13")
            << QString::fromUtf8(feeLine(13)) << "Berry Towers Registration Fee: $19.95";
        QTest::addRow("caption 14")
            << QString::fromUtf8(productCaption(14)) << "Mall Tumble $19.95";
        QTest::addRow("fee line 14")
            << QString::fromUtf8(feeLine(14)) << "Mall Tumble Registration Fee: $19.95";
        QTest::addRow("caption 15")
            << QString::fromUtf8(productCaption(15)) << "KUBLO 1, 2, && 3 Combo  $49.95";
        QTest::addRow("fee line 15")
            << QString::fromUtf8(feeLine(15)) << "KUBLO 1-2-3 Combo Registration Fee: $49.95";
        QTest::addRow("caption 16") << QString::fromUtf8(productCaption(16)) << "TrinkBin  $19.95";
        QTest::addRow("fee line 16")
            << QString::fromUtf8(feeLine(16)) << "TRINKBIN Registration Fee: $19.95";
        QTest::addRow("caption 17") << QString::fromUtf8(productCaption(17)) << "Fizzlets $19.95";
        QTest::addRow("fee line 17")
            << QString::fromUtf8(feeLine(17)) << "FIZZLETS Registration Fee: $19.95";
        QTest::addRow("caption 18")
            << QString::fromUtf8(productCaption(18)) << "Shareware Order Form $19.95";
        QTest::addRow("fee line 18")
            << QString::fromUtf8(feeLine(18)) << "Order Form Source Code Registration Fee: $19.95";
        QTest::addRow("caption 19") << QString::fromUtf8(productCaption(19)) << "1&&2 $29.95";
        QTest::addRow("fee line 19")
            << QString::fromUtf8(feeLine(19)) << "FIZZLETS 1 & 2 Registration Fee: $29.95";
        QTest::addRow("caption 20") << QString::fromUtf8(productCaption(20)) << "Orbids $19.95";
        QTest::addRow("fee line 20")
            << QString::fromUtf8(feeLine(20)) << "ORBIDS Registration Fee: $19.95";
        QTest::addRow("caption 21") << QString::fromUtf8(productCaption(21)) << " II  $19.95";
        QTest::addRow("fee line 21")
            << QString::fromUtf8(feeLine(21)) << "ORBIDS II Registration Fee: $19.95";
        QTest::addRow("caption 22")
            << QString::fromUtf8(productCaption(22)) << "Orbids && Orbids II  $29.95";
        QTest::addRow("fee line 22")
            << QString::fromUtf8(feeLine(22)) << "ORBIDS & ORBIDS II Registration Fee: $29.95";
        QTest::addRow("caption 23") << QString::fromUtf8(productCaption(23)) << "FlickVu  $9.95";
        QTest::addRow("fee line 23")
            << QString::fromUtf8(feeLine(23)) << "FLICKVU Registration Fee: $9.95";
        QTest::addRow("prompt FullName")
            << QString::fromUtf8(prompt::FullName) << "(Enter Your Full Name)";
        QTest::addRow("prompt Address") << QString::fromUtf8(prompt::Address) << "(Address)";
        QTest::addRow("prompt City") << QString::fromUtf8(prompt::City) << "(City)";
        QTest::addRow("prompt State") << QString::fromUtf8(prompt::State) << "(State/Country)";
        QTest::addRow("prompt ZipCode") << QString::fromUtf8(prompt::ZipCode) << "(Zip/Post Code)";
        QTest::addRow("prompt Phone") << QString::fromUtf8(prompt::Phone) << "(Telephone Number)";
        QTest::addRow("prompt Email") << QString::fromUtf8(prompt::Email) << "(E-Mail Address)";
        QTest::addRow("prompt CardholderName")
            << QString::fromUtf8(prompt::CardholderName) << "(Cardholder Name Shown on Card)";
        QTest::addRow("prompt CardNumber")
            << QString::fromUtf8(prompt::CardNumber) << "(Credit Card Number)";
        QTest::addRow("prompt CardExpiry")
            << QString::fromUtf8(prompt::CardExpiry) << "(Card Exp Date)";
    }

    void textsAreExact() {
        QFETCH(QString, text);
        QTEST(text, "expected");
    }

    void descriptionsFollowTheirShape_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < ProductCount; ++row)
            QTest::addRow("row %d", row) << row;
    }

    void descriptionsFollowTheirShape() {
        QFETCH(int, row);
        const std::string_view description = *productDescription(row);
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
        const std::string expectedStart = std::string(productName(feeLine(row))) + ":  ";
        const QString shown = QString::fromUtf8(description).replace("&&", "&");
        QVERIFY2(shown.startsWith(QString::fromStdString(expectedStart)), qPrintable(shown));
        QCOMPARE(description.find('\r'), std::string_view::npos);
    }

    void lookupsOutsideTheCatalogue() {
        QVERIFY(!productDescription(-1).has_value());
        QVERIFY(!productDescription(ProductCount).has_value());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, productPrice(ProductCount));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, productPrice(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, feeLine(ProductCount));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, productCaption(ProductCount));
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
