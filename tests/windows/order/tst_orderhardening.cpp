#include "platform/ui/ClassicLook.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePrinter.h"
#include "support/FixedClock.h"
#include "support/OrderWindowFixture.h"
#include "support/SavedOrder.h"
#include "support/ScratchFolder.h"

#include <QClipboard>
#include <QDir>
#include <QTest>

namespace {

// Every line of an order file ends in CR LF, and nothing else in it is a
// control byte.
bool isCleanOrderFile(const QByteArray& bytes) {
    if (!bytes.endsWith("\r\n"))
        return false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
            continue;
        }
        if (byte < 0x20 || byte == 0x7F)
            return false;
    }
    return true;
}

// Clicks into the field, which selects its text, and pastes over it.
void paste(QLineEdit* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    OrderWindowFixture::click(field);
    OrderWindowFixture::press(Qt::Key_V, Qt::ControlModifier);
}

} // namespace

// What odd input does to the order window: each case
// must end with a clear message or a correct file.
class OrderHardeningTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::applyClassicLook(); }

    void init() {
        m_scratch.emplace();
        QVERIFY(m_scratch->isValid());
    }

    void cleanup() { m_scratch.reset(); }

    void oddEntriesMakeACleanFile_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("written");
        QTest::addRow("control characters")
            << QString::fromUtf8("Ana\x01\x1B[31m Lima\x7F") << QByteArray("Ana??[31m Lima?");
        QTest::addRow("right to left")
            << QString::fromUtf8("\u202B\u05D3\u05E0\u05D4\u202C") << QByteArray("?????");
        QTest::addRow("emoji") << QString::fromUtf8("Ana 👩‍💻") << QByteArray("Ana ???");
        QTest::addRow("outside the code page")
            << QString::fromUtf8("Dvořák Łukasz 東京") << QByteArray("Dvor\xE1k ?ukasz ??");
    }

    void oddEntriesMakeACleanFile() {
        QFETCH(QString, entry);
        QFETCH(QByteArray, written);
        FakeMessageBoxes messages;
        OrderWindowFixture order;
        order.tick({0});
        order.field(control::NameField)->setText(entry);
        const QByteArray saved = saveOrder(order);
        QVERIFY(isCleanOrderFile(saved));
        QVERIFY2(saved.contains("\r\n            " + written + " \r\n"), saved.constData());
    }

    void pastedLinesStayOnOneLine() {
        FakeMessageBoxes messages;
        OrderWindowFixture order;
        order.tick({0});
        paste(order.field(control::AddressField), "12 Elm Street\nApartment 4\r\nBack door");
        const QByteArray saved = saveOrder(order);
        QVERIFY(isCleanOrderFile(saved));
        QCOMPARE(saved.count("\r\n"), 42);
    }

    // Card details are on the documents with a card payment only.
    void veryLongEntries_data() {
        QTest::addColumn<std::string_view>("field");
        for (std::string_view name :
             {control::NameField, control::AddressField, control::CityField, control::StateField,
              control::ZipCodeField, control::PhoneField, control::EmailField,
              control::CardholderNameField, control::CardNumberField, control::CardExpiryField})
            QTest::addRow("%s", name.data()) << name;
    }

    void veryLongEntries() {
        QFETCH(std::string_view, field);
        FakeMessageBoxes messages;
        FakePrinter printer;
        OrderWindowFixture order;
        order.tick({0});
        order.click(order.payment(model::PaymentMethod::Visa));
        const QString entry(100000, QLatin1Char('x'));
        paste(order.field(field), entry);
        QCOMPARE(order.field(field)->text().size(), entry.size());

        // How long the save takes is bench_windows' (a 100,000-character name).
        order.click(order.button(control::SaveButton));
        order.click(order.button(control::PrintButton));

        const QByteArray saved = ScratchFolder::read("order.txt");
        QVERIFY(isCleanOrderFile(saved));
        QVERIFY(saved.contains(entry.toLatin1()));
        QCOMPARE(printer.printedJobs.size(), 1);
        QVERIFY(printer.printedJobs[0].join(QLatin1Char('\n')).contains(entry));
    }

    void rapidClicksOnSaveAndPrint() {
        FakeMessageBoxes messages;
        FakePrinter printer;
        FixedClock clock({2026, 12, 8});
        OrderWindowFixture order;
        order.tick({7});
        for (int i = 0; i < 25; ++i) {
            order.click(order.button(control::SaveButton));
            order.click(order.button(control::PrintButton));
        }
        QCOMPARE(messages.asked.size(), 25);
        QCOMPARE(printer.printedJobs.size(), 25);
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{"order.txt"});
        QVERIFY(isCleanOrderFile(ScratchFolder::read("order.txt")));
        QVERIFY(!QApplication::overrideCursor());
    }

private:
    std::optional<ScratchFolder> m_scratch;
};

QTEST_MAIN(OrderHardeningTest)
#include "tst_orderhardening.moc"
