#include "platform/ClassicLook.h"
#include "support/FakeMessageBoxes.h"
#include "support/FixedClock.h"
#include "support/OrderWindowFixture.h"
#include "support/ScratchFolder.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QByteArray EarlierOrder("             Quendrel Software Order Form  11-30-26\r\nearlier\r\n");

unsigned modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// The order the golden file holds: two products ticked out of catalogue
// order, sales tax, a card payment and entries outside plain ASCII.
void enterVisaOrder(const OrderWindowFixture& order) {
    order.tick({3, 0});
    order.click(order.find<QCheckBox>("Check1"));
    order.click(order.option(2));
    order.type("FirstName", QString::fromUtf8("José Ńowak € 你 "));
    order.type("Address", QString::fromUtf8("12 Rue Émile-Žola"));
    order.type("City", QString::fromUtf8("Łódź"));
    order.type("State", "PL");
    order.type("Zip", "90-001");
    order.type("DayPhone", "+48 42 555 0199");
    order.type("EMail", "jose@example.com");
    order.type("CardName", QString::fromUtf8("José Nowak"));
    order.type("CardNum", "4111 1111 1111 1111");
    order.type("CardExp", "09/29");
}

} // namespace

class OrderSaveTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::applyClassicLook(); }

    void init() {
        m_scratch.emplace();
        QVERIFY(m_scratch->isValid());
    }

    void cleanup() { m_scratch.reset(); }

    void nothingOrderedTouchesNoFile() {
        QVERIFY(ScratchFolder::write("order.txt", EarlierOrder));
        FakeMessageBoxes messages;
        OrderWindowFixture order;
        order.tick({4, 4}); // ticked and unticked again
        order.click(order.find<QCheckBox>("Check1"));
        order.field("Zip")->setFocus(Qt::OtherFocusReason);
        order.click(order.button("FileButton"));

        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked[0].text, QString("Missing data, please complete order form."));
        QCOMPARE(messages.asked[0].title, QString("Quendrel Software - Data Missing"));
        QCOMPARE(messages.asked[0].icon, platform::MessageIcon::None);
        QCOMPARE(order.focusName(), QString("FirstName"));
        QCOMPARE(order.field("FirstName")->selectedText(), QString("(Enter Your Full Name)"));
        QCOMPARE(ScratchFolder::read("order.txt"), EarlierOrder);
        QCOMPARE(ScratchFolder::contents(), QStringList{"order.txt"});
    }

    void savedFileMatchesByteForByte() {
        FakeMessageBoxes messages;
        FixedClock clock({2026, 12, 8});
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        enterVisaOrder(order);
        order.click(order.button("FileButton"));

        QCOMPARE(ScratchFolder::read("order.txt"),
                 ScratchFolder::read(QFINDTESTDATA("data/visa-order.txt")));
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked[0].text,
                 QString("Your registration form has been saved as ORDER.TXT in the directory "
                         "where this program is located."));
        QCOMPARE(messages.asked[0].title, QString("Quendrel Software - ORDER.TXT Saved"));
        QCOMPARE(order.focusName(), QString("Cancel"));
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(modeOf("order.txt"), 0600u);
    }

    void savingAgainReplacesTheFile() {
        QVERIFY(ScratchFolder::write("order.txt", EarlierOrder));
        ::chmod("order.txt", 0644);
        FakeMessageBoxes messages;
        OrderWindowFixture order;
        order.tick({0});
        order.click(order.button("FileButton"));
        order.tick({0, 23});
        order.click(order.button("FileButton"));

        const QByteArray saved = ScratchFolder::read("order.txt");
        QVERIFY(!saved.contains("Tarvo Pairs"));
        QVERIFY(saved.contains("         FLICKVU Registration Fee: $9.95\r\n"));
        QCOMPARE(saved.count("Quendrel Software Order Form"), 1);
        QVERIFY(saved.endsWith("_\r\n\r\n"));
        QCOMPARE(saved.count("\r\n"), 42);
        QCOMPARE(saved.count('\n'), 42);
        QCOMPARE(modeOf("order.txt"), 0644u); // an existing file keeps its mode
        QCOMPARE(ScratchFolder::contents(), QStringList{"order.txt"});
    }

    // The file size limit makes the write fail part-way, as a full disk would.
    void failedWriteKeepsTheEarlierOrder() {
        QVERIFY(ScratchFolder::write("order.txt", EarlierOrder));
        FakeMessageBoxes messages;
        OrderWindowFixture order;
        order.tick({1});

        struct rlimit previous {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = previous;
        small.rlim_cur = 512;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        order.click(order.button("FileButton"));
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        expectFailureMessage(messages, "File too large");
        QCOMPARE(ScratchFolder::read("order.txt"), EarlierOrder);
        QCOMPARE(ScratchFolder::contents(), QStringList{"order.txt"});
        QCOMPARE(order.focusName() == QString("Cancel"), false);
    }

    void fullDiskKeepsTheEarlierOrder() {
        const SmallDisk disk("small", "4k");
        if (!disk.isMounted())
            QSKIP("This machine does not allow mounting a small tmpfs here");
        QVERIFY(QDir::setCurrent("small"));
        QVERIFY(ScratchFolder::write("order.txt", EarlierOrder)); // takes the only page there is

        FakeMessageBoxes messages;
        OrderWindowFixture order;
        order.tick({2});
        order.click(order.button("FileButton"));

        expectFailureMessage(messages, "No space left on device");
        QCOMPARE(ScratchFolder::read("order.txt"), EarlierOrder);
        QCOMPARE(ScratchFolder::contents(), QStringList{"order.txt"});
        QVERIFY(QDir::setCurrent(m_scratch->path()));
    }

    void fileThatCannotBeCreated() {
        QVERIFY(QDir().mkdir("order.txt"));
        FakeMessageBoxes messages;
        OrderWindowFixture order;
        order.tick({2});
        order.click(order.button("FileButton"));

        expectFailureMessage(messages, "Is a directory");
        QVERIFY(QFileInfo("order.txt").isDir());
        QVERIFY(ScratchFolder::contents("order.txt").isEmpty());
        QCOMPARE(ScratchFolder::contents(), QStringList{"order.txt"});
    }

private:
    static void expectFailureMessage(const FakeMessageBoxes& messages, const QString& text) {
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked[0].text, text);
        QCOMPARE(messages.asked[0].title, QString("Unable To Print to File."));
        QCOMPARE(messages.asked[0].buttons, platform::MessageButtons::Ok);
        QCOMPARE(messages.asked[0].icon, platform::MessageIcon::Warning);
        QVERIFY(!QApplication::overrideCursor());
    }

    std::optional<ScratchFolder> m_scratch;
};

QTEST_MAIN(OrderSaveTest)
#include "tst_ordersave.moc"
