#include "platform/ui/ClassicLook.h"
#include "support/FakeMessageBoxes.h"
#include "support/FixedClock.h"
#include "support/OrderWindowFixture.h"
#include "support/PrivateCups.h"

#include <QTest>
#include <algorithm>
#include <optional>

namespace {

qsizetype countOf(QChar character, const QStringList& lines) {
    qsizetype count = 0;
    for (const QString& line : lines)
        count += line.count(character);
    return count;
}

// An order window on the tests' own scheduler, dated 12-08-26, that answers
// every message at once; the jobs it sends from now on.
struct OrderPrintout {
    FakeMessageBoxes messages;
    FixedClock clock{{2026, 12, 8}};
    const int mark = privatecups::lastJobId();
    OrderWindowFixture order;

    // Ticks the products and clicks "Print Order Form" `clicks` times.
    void print(std::initializer_list<int> products, int clicks = 1) const {
        order.tick(products);
        for (int i = 0; i < clicks; ++i)
            order.click(order.button(control::PrintButton));
    }
    QList<privatecups::Job> jobs() const { return privatecups::jobsAfter(mark); }
    // Whatever was sent was cancelled again.
    bool noJobLeft() const {
        const QList<privatecups::Job> sent = jobs();
        return std::all_of(sent.begin(), sent.end(), [](const privatecups::Job& job) {
            return job.state == IPP_JSTATE_CANCELED || job.state == IPP_JSTATE_ABORTED;
        });
    }
};

} // namespace

// "Print Order Form" on the tests' own print scheduler, from the click to the
// paper in its paused queue.
class OrderPrintCupsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::applyClassicLook(); }

    void init() {
        privatecups::useServer(privatecups::printersServer());
        privatecups::useQueue({});
    }

    void oneProductGivesOneJobOfOnePage() {
        OrderPrintout printout;
        printout.print({0});

        QVERIFY(printout.messages.asked.isEmpty());
        const QList<privatecups::Job> jobs = printout.jobs();
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs[0].title, QString("Quendrel Software Order Form"));
        const privatecups::PrintedDocument paper = privatecups::printedJob(jobs[0].id);
        QCOMPARE(paper.pages.size(), 1);
        const QStringList page = paper.pages[0];
        QCOMPARE(page.size(), 43); // the form's 44 lines but the empty last one
        QCOMPARE(page.first(), QString(19, ' ') + "Quendrel Software Order Form  12-08-26");
        QVERIFY(page.contains(QString(9, ' ') + "Tarvo Pairs Registration Fee: $19.95"));
        QVERIFY(page.contains(QString(13, ' ') + "TOTAL:  $    23.95"));
        QCOMPARE(page.last(), QString(21, ' ') + "Signature: " + QString(38, '_'));
        QCOMPARE(printout.order.focusName(), nameOf(control::OrderLaterButton));
    }

    void nothingOrderedReachesNoScheduler() {
        OrderPrintout printout;
        printout.print({});
        QCOMPARE(printout.messages.asked.size(), 1);
        QCOMPARE(printout.messages.asked[0].title, QString("Quendrel Software - Data Missing"));
        QVERIFY(printout.jobs().isEmpty());
    }

    // The box names the cause in words a person understands, under the
    // title it always had.
    void failureBoxSaysWhatIsWrong_data() {
        QTest::addColumn<QByteArray>("queue"); // empty: the scheduler is stopped
        QTest::addColumn<QString>("cause");
        QTest::addRow("scheduler stopped") << QByteArray() << "The printing system is not running.";
        QTest::addRow("queue rejects jobs")
            << QByteArray("refusing") << "The printer \"refusing\" is not accepting print jobs.";
    }

    void failureBoxSaysWhatIsWrong() {
        QFETCH(QByteArray, queue);
        QFETCH(QString, cause);
        OrderPrintout printout;
        std::optional<privatecups::Scheduler> stopped;
        if (queue.isEmpty()) {
            stopped.emplace(QStringList{"form:default:a4"});
            QVERIFY(stopped->isRunning());
            privatecups::useServer(stopped->server());
            QVERIFY(stopped->stop());
        }
        privatecups::useQueue(queue);
        printout.print({0});
        privatecups::useServer(privatecups::printersServer());
        privatecups::useQueue({});

        const QList<platform::MessageRequest>& asked = printout.messages.asked;
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked[0].text.startsWith(cause + "\r"), qPrintable(asked[0].text));
        QCOMPARE(asked[0].title, QString("Unable To Print, Please Check Your Printer"));
        QCOMPARE(asked[0].buttons, platform::MessageButtons::RetryCancel);
        QCOMPARE(asked[0].icon, platform::MessageIcon::Warning);
        QVERIFY(printout.noJobLeft());
        QVERIFY(!QApplication::overrideCursor());
    }

    // A 100,000-character name wraps over many rows and pages, all of it.
    void veryLongNameComesOutWhole() {
        OrderPrintout printout;
        // '#' stands nowhere else on the form.
        printout.order.field(control::NameField)->setText(QString(100000, QLatin1Char('#')));
        printout.print({0});

        QVERIFY(printout.messages.asked.isEmpty());
        const QList<privatecups::Job> jobs = printout.jobs();
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs[0].documents, 1);
        const privatecups::PrintedDocument paper = privatecups::printedJob(jobs[0].id);
        QVERIFY(paper.pages.size() > 1);
        qsizetype printed = 0;
        for (const QStringList& page : paper.pages)
            printed += countOf(QLatin1Char('#'), page);
        QCOMPARE(printed, 100000);
    }

    // Each click is a printout of its own: as many jobs as clicks, each with
    // its whole form.
    void rapidPrintsGiveOneCompleteJobEach() {
        OrderPrintout printout;
        printout.print({7}, 10);

        QVERIFY(printout.messages.asked.isEmpty());
        const QList<privatecups::Job> jobs = printout.jobs();
        QCOMPARE(jobs.size(), 10);
        const QList<QStringList> first = privatecups::printedJob(jobs[0].id).pages;
        QCOMPARE(first.size(), 1);
        QVERIFY(first[0].contains(QString(9, ' ') + "GLYFFS Vol. I Registration Fee: $19.95"));
        QCOMPARE(first[0].last(), QString(21, ' ') + "Signature: " + QString(38, '_'));
        for (const privatecups::Job& job : jobs) {
            QCOMPARE(job.documents, 1);
            QCOMPARE(privatecups::printedJob(job.id).pages, first);
        }
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(OrderPrintCupsTest)
#include "tst_orderprintcups.moc"
