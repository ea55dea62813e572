#include "platform/ui/ClassicLook.h"
#include "support/ExpectedOrders.h"
#include "support/FailingRename.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePrinter.h"
#include "support/FixedClock.h"
#include "support/OrderWindowFixture.h"
#include "support/SavedOrder.h"
#include "support/ScratchFolder.h"
#include "support/SmallDisk.h"
#include "support/SystemText.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <clocale>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray EarlierOrder("             Quendrel Software Order Form  11-30-26\r\nearlier\r\n");

unsigned modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// Gives up root's right to write anywhere while it lives, so that the modes
// of folders and files count as they do for everybody else.
class OrdinaryUser final {
public:
    OrdinaryUser() {
        constexpr uid_t Nobody = 65534;
        if (::geteuid() == 0)
            m_dropped = ::setegid(Nobody) == 0 && ::seteuid(Nobody) == 0;
    }
    ~OrdinaryUser() {
        if (m_dropped && ::seteuid(0) == 0)
            static_cast<void>(::setegid(0));
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    bool m_dropped = false;
};

// Makes the next writes beyond `bytes` fail, as a full disk would, while it lives.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes)
        : m_previousHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        struct rlimit small = m_previous;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    struct rlimit m_previous {};
    void (*m_previousHandler)(int);
};

// What goes wrong in a failed save, besides the modes of the folder and file.
enum class SaveFault {
    None,
    TooBig,
    DiskFull,
    DiskFillsMidSave,
    RenameFails,
    NameIsAFolder,
    FolderRemoved
};

// The order the golden file holds: two products ticked out of catalogue
// order, sales tax, a card payment and entries outside plain ASCII.
// The order of the golden visa-order.txt, put together in the window.
const sample::Document& visaOrder() {
    static const sample::Document document = sample::golden("visa-order.txt");
    return document;
}

void enterVisaOrder(const OrderWindowFixture& order) {
    const documents::OrderSnapshot& wanted = visaOrder().order;
    for (std::size_t index = 0; index < wanted.productTicked.size(); ++index)
        if (wanted.productTicked[index])
            order.click(order.product(static_cast<int>(index)));
    if (wanted.salesTaxTicked)
        order.click(order.salesTaxBox());
    order.click(order.payment(wanted.paymentMethod));
    const model::CustomerEntries& entries = wanted.customer;
    const std::pair<std::string_view, const std::string&> typed[] = {
        {control::NameField, entries.fullName},
        {control::AddressField, entries.address},
        {control::CityField, entries.city},
        {control::StateField, entries.state},
        {control::ZipCodeField, entries.zipCode},
        {control::PhoneField, entries.phone},
        {control::EmailField, entries.email},
        {control::CardholderNameField, entries.cardholderName},
        {control::CardNumberField, entries.cardNumber},
        {control::CardExpiryField, entries.cardExpiry},
    };
    for (const auto& [field, text] : typed)
        order.type(field, QString::fromStdString(text));
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

    void nothingOrderedTouchesNoFile_data() {
        QTest::addColumn<bool>("earlierFile");
        QTest::addColumn<bool>("clicksFirst");
        QTest::addRow("untouched window") << false << false;
        QTest::addRow("untouched window, earlier file") << true << false;
        QTest::addRow("ticked and unticked, tax") << true << true;
    }

    void nothingOrderedTouchesNoFile() {
        QFETCH(bool, earlierFile);
        QFETCH(bool, clicksFirst);
        if (earlierFile)
            QVERIFY(ScratchFolder::write("order.txt", EarlierOrder));
        FakeMessageBoxes messages;
        OrderWindowFixture order;
        if (clicksFirst) {
            order.tick({4, 4}); // ticked and unticked again
            order.click(order.salesTaxBox());
            order.click(order.field(control::ZipCodeField));
        }
        order.click(order.button(control::SaveButton));

        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked[0].text, QString("Missing data, please complete order form."));
        QCOMPARE(messages.asked[0].title, QString("Quendrel Software - Data Missing"));
        QCOMPARE(messages.asked[0].icon, platform::MessageIcon::None);
        QCOMPARE(order.focusName(), nameOf(control::NameField));
        QCOMPARE(order.field(control::NameField)->selectedText(),
                 QString("(Enter Your Full Name)"));
        if (!earlierFile) {
            QVERIFY(ScratchFolder::contents().isEmpty());
            return;
        }
        QCOMPARE(ScratchFolder::read("order.txt"), EarlierOrder);
        QCOMPARE(ScratchFolder::contents(), QStringList{"order.txt"});
    }

    void savedFileMatchesByteForByte() {
        FakeMessageBoxes messages;
        expectNormalPointerWhileAsking(messages);
        FixedClock clock(visaOrder().date);
        OrderWindowFixture order;
        QVERIFY(order.isActive());
        enterVisaOrder(order);

        QCOMPARE(saveOrder(order), ScratchFolder::read(QFINDTESTDATA("data/visa-order.txt")));
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked[0].text,
                 QString("Your registration form has been saved as ORDER.TXT in the directory "
                         "where this program is located."));
        QCOMPARE(messages.asked[0].title, QString("Quendrel Software - ORDER.TXT Saved"));
        QCOMPARE(order.focusName(), nameOf(control::OrderLaterButton));
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(modeOf("order.txt"), 0600u);
    }

    void savingAgainReplacesTheFile() {
        QVERIFY(ScratchFolder::write("order.txt", EarlierOrder));
        ::chmod("order.txt", 0644);
        FakeMessageBoxes messages;
        OrderWindowFixture order;
        order.tick({0});
        order.click(order.button(control::SaveButton));
        order.tick({0, 23});
        const QByteArray saved = saveOrder(order);
        QVERIFY(!saved.contains("Tarvo Pairs"));
        QVERIFY(saved.contains("         FLICKVU Registration Fee: $9.95\r\n"));
        QCOMPARE(saved.count("Quendrel Software Order Form"), 1);
        QVERIFY(saved.endsWith("_\r\n\r\n"));
        QCOMPARE(saved.count("\r\n"), 42);
        QCOMPARE(saved.count('\n'), 42);
        QCOMPARE(modeOf("order.txt"), 0644u); // an existing file keeps its mode
        QCOMPARE(ScratchFolder::contents(), QStringList{"order.txt"});
    }

    // Every way a save can fail: the system's own words for it, no "Saved"
    // after it, and the earlier order, byte for byte and with its mode, the
    // only file in the folder. A mode of 0 leaves the folder or file as it
    // is; where one is set, the save runs as an ordinary user.
    void failedSaveKeepsTheEarlierOrder_data() {
        QTest::addColumn<SaveFault>("fault");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("error");
        QTest::addRow("too big") << SaveFault::TooBig << 0 << 0 << int(EFBIG);
        QTest::addRow("disk full") << SaveFault::DiskFull << 0 << 0 << int(ENOSPC);
        QTest::addRow("disk fills mid-save")
            << SaveFault::DiskFillsMidSave << 0 << 0 << int(ENOSPC);
        QTest::addRow("rename fails") << SaveFault::RenameFails << 0 << 0 << int(EIO);
        QTest::addRow("name is a folder") << SaveFault::NameIsAFolder << 0 << 0 << int(EISDIR);
        QTest::addRow("folder removed") << SaveFault::FolderRemoved << 0 << 0 << int(ENOENT);
        QTest::addRow("read-only file") << SaveFault::None << 0777 << 0444 << int(EACCES);
        // Where no new file may be made, order.txt is rewritten in place; the
        // earlier order comes back if that fails.
        QTest::addRow("read-only folder, read-only file")
            << SaveFault::None << 0555 << 0444 << int(EACCES);
        QTest::addRow("read-only folder, too big")
            << SaveFault::TooBig << 0555 << 0666 << int(EFBIG);
    }

    void failedSaveKeepsTheEarlierOrder() {
        QFETCH(SaveFault, fault);
        QFETCH(int, folderMode);
        QFETCH(int, fileMode);
        QFETCH(int, error);
        std::optional<SmallDisk> disk;
        if (fault == SaveFault::DiskFull || fault == SaveFault::DiskFillsMidSave) {
            // The earlier order takes the only page of the smaller disk.
            disk.emplace("small", fault == SaveFault::DiskFull ? "4k" : "64k");
            if (!disk->isMounted())
                QSKIP("This machine does not allow mounting a small tmpfs here");
            QVERIFY(QDir::setCurrent("small"));
        }
        if (fault == SaveFault::NameIsAFolder)
            QVERIFY(QDir().mkdir("order.txt"));
        else
            QVERIFY(ScratchFolder::write("order.txt", EarlierOrder));
        if (fileMode != 0)
            QCOMPARE(::chmod("order.txt", mode_t(fileMode)), 0);
        const unsigned earlierMode = modeOf("order.txt");
        FakeMessageBoxes messages;
        expectNormalPointerWhileAsking(messages);
        OrderWindowFixture order;
        order.tick({1});
        if (fault == SaveFault::DiskFillsMidSave) // a long order runs out of room part-way
            order.field(control::AddressField)->setText(QString(100000, QLatin1Char('y')));
        if (fault == SaveFault::FolderRemoved)
            QVERIFY(QDir(m_scratch->path()).removeRecursively());
        if (folderMode != 0)
            QCOMPARE(::chmod(".", mode_t(folderMode)), 0);
        {
            std::optional<OrdinaryUser> user;
            if (folderMode != 0)
                user.emplace();
            std::optional<FileSizeLimit> limit;
            if (fault == SaveFault::TooBig) // makes the write fail part-way
                limit.emplace(512);
            std::optional<FailingRename> failing;
            if (fault == SaveFault::RenameFails) // the last step, the new file into place
                failing.emplace("order.txt", EIO);
            order.click(order.button(control::SaveButton));
            if (failing)
                QCOMPARE(FailingRename::failures(), 1);
        }
        if (folderMode != 0)
            QCOMPARE(::chmod(".", 0700), 0);

        expectSaveFailure(messages, systemText(error));
        QVERIFY(order.focusName() != nameOf(control::OrderLaterButton));
        if (fault == SaveFault::FolderRemoved)
            return;
        QCOMPARE(ScratchFolder::contents(), QStringList{"order.txt"});
        QCOMPARE(modeOf("order.txt"), earlierMode);
        if (fault == SaveFault::NameIsAFolder) {
            QVERIFY(QFileInfo("order.txt").isDir());
            QVERIFY(ScratchFolder::contents("order.txt").isEmpty());
        } else {
            QCOMPARE(ScratchFolder::read("order.txt"), EarlierOrder);
        }
        QVERIFY(QDir::setCurrent(m_scratch->path()));
    }

    // A folder where this user may create no file still takes the order
    // when the earlier order file is writable: it is rewritten in place.
    void readOnlyFolderRewritesAWritableFile() {
        // Longer than the new order, so that a rewrite that is not cut to its
        // new length shows.
        QVERIFY(ScratchFolder::write("order.txt", EarlierOrder + QByteArray(4000, 'e') + "\r\n"));
        QCOMPARE(::chmod("order.txt", 0666), 0);
        QCOMPARE(::chmod(".", 0555), 0);
        FakeMessageBoxes messages;
        FixedClock clock({2026, 12, 8});
        OrderWindowFixture order;
        order.tick({0});
        {
            const OrdinaryUser user;
            order.click(order.button(control::SaveButton));
        }
        QCOMPARE(::chmod(".", 0700), 0);

        QCOMPARE(modeOf("order.txt"), 0666u);
        QCOMPARE(ScratchFolder::contents(), QStringList{"order.txt"});
        const QByteArray saved = ScratchFolder::read("order.txt");
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked[0].title, QString("Quendrel Software - ORDER.TXT Saved"));
        QVERIFY(saved.startsWith("             Quendrel Software Order Form  12-08-26\r\n"));
        QVERIFY(saved.endsWith("_\r\n\r\n"));
        QCOMPARE(saved.count("\r\n"), 42);
        QVERIFY(!saved.contains("eee"));
    }

    // The file and the printed form are the same whatever language and
    // number format the desktop uses.
    void sameDocumentsInEveryLanguage_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addRow("German") << QByteArray("de_DE.UTF-8");
        QTest::addRow("French") << QByteArray("fr_FR.UTF-8");
        QTest::addRow("Turkish") << QByteArray("tr_TR.UTF-8");
    }

    void sameDocumentsInEveryLanguage() {
        QFETCH(QByteArray, locale);
        const QByteArray previous = std::setlocale(LC_ALL, nullptr);
        const QLocale previousDefault;
        const auto [expectedFile, expectedForm] = documentsUnder("C.UTF-8");
        const auto [file, form] = documentsUnder(locale);
        std::setlocale(LC_ALL, previous.constData());
        QLocale::setDefault(previousDefault);

        QVERIFY2(!file.isEmpty(), "generate the locale first (scripts/test does)");
        QCOMPARE(expectedFile, ScratchFolder::read(QFINDTESTDATA("data/visa-order.txt")));
        QCOMPARE(file, expectedFile);
        QCOMPARE(form, expectedForm);
    }

private:
    // What the visa order saves and prints under `locale`, as Qt sets it up
    // at start-up; nothing if the machine lacks that locale.
    static std::pair<QByteArray, QStringList> documentsUnder(const QByteArray& locale) {
        if (!std::setlocale(LC_ALL, locale.constData()))
            return {};
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        FakeMessageBoxes messages;
        FakePrinter printer;
        FixedClock clock(visaOrder().date);
        OrderWindowFixture order;
        enterVisaOrder(order);
        order.click(order.button(control::SaveButton));
        order.click(order.button(control::PrintButton));
        return {ScratchFolder::read("order.txt"), printer.printedJobs.value(0)};
    }

    // The hourglass is gone before any message shows.
    static void expectNormalPointerWhileAsking(FakeMessageBoxes& messages) {
        messages.whileOpen = [](const platform::MessageRequest& request) {
            QVERIFY2(!QApplication::overrideCursor(), qPrintable(request.title));
        };
    }

    std::optional<ScratchFolder> m_scratch;
};

QTEST_MAIN(OrderSaveTest)
#include "tst_ordersave.moc"
