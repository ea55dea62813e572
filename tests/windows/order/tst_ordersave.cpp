#include "platform/ClassicLook.h"
#include "support/FakeMessageBoxes.h"
#include "support/FixedClock.h"
#include "support/OrderWindowFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QByteArray EarlierOrder("             Quendrel Software Order Form  11-30-26\r\nearlier\r\n");

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

unsigned modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// Everything in the folder, so that a leftover temporary file shows up.
QStringList folderContents(const QString& path = QStringLiteral(".")) {
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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
    void initTestCase() {
        platform::applyClassicLook();
        m_startFolder = QDir::currentPath();
    }

    void init() {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        QVERIFY(QDir::setCurrent(m_folder->path()));
    }

    void cleanup() {
        QDir::setCurrent(m_startFolder);
        m_folder.reset();
    }

    void nothingOrderedTouchesNoFile() {
        writeFile("order.txt", EarlierOrder);
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
        QCOMPARE(readFile("order.txt"), EarlierOrder);
        QCOMPARE(folderContents(), QStringList{"order.txt"});
    }

    void savedFileMatchesByteForByte() {
        FakeMessageBoxes messages;
        FixedClock clock({2026, 12, 8});
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        enterVisaOrder(order);
        order.click(order.button("FileButton"));

        QCOMPARE(readFile("order.txt"), readFile(QFINDTESTDATA("data/visa-order.txt")));
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
        writeFile("order.txt", EarlierOrder);
        ::chmod("order.txt", 0644);
        FakeMessageBoxes messages;
        OrderWindowFixture order;
        order.tick({0});
        order.click(order.button("FileButton"));
        order.tick({0, 23});
        order.click(order.button("FileButton"));

        const QByteArray saved = readFile("order.txt");
        QVERIFY(!saved.contains("Tarvo Pairs"));
        QVERIFY(saved.contains("         FLICKVU Registration Fee: $9.95\r\n"));
        QCOMPARE(saved.count("Quendrel Software Order Form"), 1);
        QVERIFY(saved.endsWith("_\r\n\r\n"));
        QCOMPARE(saved.count("\r\n"), 42);
        QCOMPARE(saved.count('\n'), 42);
        QCOMPARE(modeOf("order.txt"), 0644u); // an existing file keeps its mode
        QCOMPARE(folderContents(), QStringList{"order.txt"});
    }

    // The file size limit makes the write fail part-way, as a full disk would.
    void failedWriteKeepsTheEarlierOrder() {
        writeFile("order.txt", EarlierOrder);
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
        QCOMPARE(readFile("order.txt"), EarlierOrder);
        QCOMPARE(folderContents(), QStringList{"order.txt"});
        QCOMPARE(order.focusName() == QString("Cancel"), false);
    }

    void fullDiskKeepsTheEarlierOrder() {
        QVERIFY(QDir().mkdir("small"));
        if (::mount("tmpfs", "small", "tmpfs", 0, "size=4k") != 0)
            QSKIP("This machine does not allow mounting a small tmpfs here");
        const auto unmount = qScopeGuard([] { ::umount2("small", MNT_DETACH); });
        QVERIFY(QDir::setCurrent("small"));
        writeFile("order.txt", EarlierOrder); // takes the only page there is

        FakeMessageBoxes messages;
        OrderWindowFixture order;
        order.tick({2});
        order.click(order.button("FileButton"));

        expectFailureMessage(messages, "No space left on device");
        QCOMPARE(readFile("order.txt"), EarlierOrder);
        QCOMPARE(folderContents(), QStringList{"order.txt"});
        QVERIFY(QDir::setCurrent(m_folder->path()));
    }

    void fileThatCannotBeCreated() {
        QVERIFY(QDir().mkdir("order.txt"));
        FakeMessageBoxes messages;
        OrderWindowFixture order;
        order.tick({2});
        order.click(order.button("FileButton"));

        expectFailureMessage(messages, "Is a directory");
        QVERIFY(QFileInfo("order.txt").isDir());
        QVERIFY(folderContents("order.txt").isEmpty());
        QCOMPARE(folderContents(), QStringList{"order.txt"});
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

    QString m_startFolder;
    std::unique_ptr<QTemporaryDir> m_folder;
};

QTEST_MAIN(OrderSaveTest)
#include "tst_ordersave.moc"
