#include "documents/OrderDocument.h"
#include "platform/printing/CupsJobSender.h"
#include "platform/printing/CupsPrinter.h"
#include "support/CuttingProxy.h"
#include "support/ExpectedOrders.h"
#include "support/PrivateCups.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace privatecups;

namespace {

const QString JobName = QStringLiteral("Quendrel Software Order Form");
constexpr QSizeF A4Points(595, 842);
constexpr QSizeF LetterPoints(612, 792);

QStringList formLines(const documents::OrderSnapshot& order) {
    QStringList lines;
    for (const std::string& line : documents::printedFormLines(order, {2001, 7, 5}))
        lines << QString::fromStdString(line);
    return lines;
}

// Prints through the default printer and answers every failure with
// `answer`, after running `beforeAnswer`; the failures end up in `errors`.
platform::Printer::Outcome print(const QStringList& lines, bool answer, QStringList& errors,
                                 const std::function<void()>& beforeAnswer = {}) {
    platform::CupsPrinter printer;
    return printer.print(JobName, lines, [&](const QString& error) {
        errors << error;
        if (beforeAnswer)
            beforeAnswer();
        return answer && errors.size() < 5;
    });
}

QString withoutSpaces(QString text) {
    return text.remove(QLatin1Char(' '));
}

} // namespace

Q_DECLARE_METATYPE(documents::OrderSnapshot)

class CupsPrinterTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        useServer(printersServer());
        useQueue({});
    }

    void formComesOutOnOnePageAsLaidOut_data() {
        QTest::addColumn<QByteArray>("queue");
        QTest::addColumn<documents::OrderSnapshot>("order");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<QString>("salesTaxLine");
        // Every product with tax and a card: a line for each product, besides
        // the 49 that one product with tax and a card takes.
        const int longest = 49 + model::ProductCount - 1;
        const sample::Expected& workedExample = sample::expected("rows 0 and 3, tax");
        QTest::addRow("one product, check")
            << QByteArray() << sample::order({0}, false) << 44 << A4Points << QString();
        QTest::addRow("longest form")
            << QByteArray() << sample::everything(true, model::PaymentMethod::Visa) << longest
            << A4Points << QString();
        QTest::addRow("longest form on Letter")
            << QByteArray("letter") << sample::everything(true, model::PaymentMethod::Discover)
            << longest << LetterPoints << QString();
        QTest::addRow("worked example")
            << QByteArray() << sample::order(workedExample) << 46 << A4Points
            << QString(6, ' ') + "MO Sales Tax:  $" + sample::field(workedExample.tax);
    }

    void formComesOutOnOnePageAsLaidOut() {
        QFETCH(QByteArray, queue);
        QFETCH(documents::OrderSnapshot, order);
        QFETCH(QSizeF, paper);
        useQueue(queue);
        const QStringList lines = formLines(order);
        QTEST(int(lines.size()), "lineCount");

        const int mark = lastJobId();
        QStringList errors;
        QCOMPARE(print(lines, false, errors), platform::Printer::Outcome::Printed);
        QCOMPARE(errors, QStringList());

        const QList<Job> jobs = jobsAfter(mark);
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs[0].queue, queue.isEmpty() ? QStringLiteral("form") : QString(queue));
        QCOMPARE(jobs[0].title, JobName);
        QCOMPARE(jobs[0].documents, 1);
        const PrintedDocument printed = printedJob(jobs[0].id);
        QCOMPARE(printed.pages.size(), 1);
        QCOMPARE(printed.pageSize.toSize(), paper.toSize());
        QCOMPARE(printed.pages[0], asOnPaper(lines));
        QFETCH(QString, salesTaxLine);
        QVERIFY(salesTaxLine.isEmpty() || printed.pages[0].contains(salesTaxLine));
    }

    // The failure says what is wrong in a person's words and what they can do,
    // then what the system says.
    void failureIsReportedAndCancelLeavesNoJob_data() {
        QTest::addColumn<QByteArray>("server"); // "stopped": one the test stops
        QTest::addColumn<QByteArray>("queue");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("systemsWords"); // empty: whatever the system says
        QTest::addRow("no default destination")
            << emptyServer() << QByteArray()
            << "No default printer was found.\rChoose a default printer in the system's printer "
               "settings, then choose Retry."
            << "No default destination.";
        QTest::addRow("scheduler stopped")
            << QByteArray("stopped") << QByteArray()
            << "The printing system is not running.\rStart it, or have it started, then choose "
               "Retry."
            << QString();
        QTest::addRow("queue rejects jobs")
            << QByteArray() << QByteArray("refusing")
            << "The printer \"refusing\" is not accepting print jobs.\rLet it accept jobs again "
               "in the system's printer settings, then choose Retry."
            << "Destination \"refusing\" is not accepting jobs.";
        QTest::addRow("queue refuses the document")
            << QByteArray() << QByteArray("picky") << "The printer refused the document."
            << "Unsupported document-format \"application/pdf\".";
    }

    void failureIsReportedAndCancelLeavesNoJob() {
        QFETCH(QByteArray, server);
        QFETCH(QByteArray, queue);
        QFETCH(QString, cause);
        QFETCH(QString, systemsWords);
        QVERIFY(runCommand("lpadmin", {"-p", "picky", "-P", fixtureFile("no-pdf.ppd")}));
        const int mark = lastJobId();
        std::optional<Scheduler> stopped;
        if (server == "stopped") {
            stopped.emplace(QStringList{"form:default:a4"});
            QVERIFY(stopped->isRunning());
            server = stopped->server();
            QVERIFY(stopped->stop());
        }
        if (!server.isEmpty())
            useServer(server);
        useQueue(queue);

        QStringList errors;
        QCOMPARE(print(formLines(sample::order({0}, false)), false, errors),
                 platform::Printer::Outcome::Cancelled);
        QCOMPARE(errors.size(), 1);
        const QString systems = systemsWords.isEmpty() ? QString() : "\r\r(" + systemsWords + ")";
        QVERIFY2(systemsWords.isEmpty() ? errors[0].startsWith(cause + "\r\r(")
                                        : errors[0] == cause + systems,
                 qPrintable(errors[0]));

        useServer(printersServer());
        for (const Job& job : jobsAfter(mark))
            QCOMPARE(job.state, IPP_JSTATE_CANCELED);
    }

    void jobRefusedOnceIsPrintedOnceAfterRetry() {
        QVERIFY(runCommand("cupsreject", {"flaky"}));
        useQueue("flaky");
        const int mark = lastJobId();
        const QStringList lines = formLines(sample::order({2, 7}, true));

        QStringList errors;
        QCOMPARE(print(lines, true, errors, [] { QVERIFY(runCommand("cupsaccept", {"flaky"})); }),
                 platform::Printer::Outcome::Printed);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].startsWith("The printer \"flaky\" is not accepting print jobs."));
        const QList<Job> jobs = jobsAfter(mark);
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs[0].documents, 1);
        QCOMPARE(printedJob(jobs[0].id).pages, QList<QStringList>{asOnPaper(lines)});
    }

    // A document that did not arrive whole is not sent into its job again:
    // that job is cancelled, and a new one carries the whole form.
    void documentRefusedOnceIsPrintedOnceAfterRetry() {
        QVERIFY(runCommand("lpadmin", {"-p", "picky", "-P", fixtureFile("no-pdf.ppd")}));
        useQueue("picky");
        const int mark = lastJobId();
        const QStringList lines = formLines(sample::order({4}, false));

        QStringList errors;
        QCOMPARE(
            print(lines, true, errors,
                  [] {
                      QVERIFY(runCommand("lpadmin", {"-p", "picky", "-P", fixtureFile("a4.ppd")}));
                  }),
            platform::Printer::Outcome::Printed);
        QCOMPARE(errors.size(), 1);
        const QList<Job> jobs = jobsAfter(mark);
        QCOMPARE(jobs.size(), 2);
        QCOMPARE(jobs[0].state, IPP_JSTATE_CANCELED);
        QCOMPARE(jobs[0].documents, 0);
        QCOMPARE(jobs[1].state, IPP_JSTATE_PENDING);
        QCOMPARE(jobs[1].documents, 1);
        QCOMPARE(printedJob(jobs[1].id).pages, QList<QStringList>{asOnPaper(lines)});
    }

    // The job carries what the person chose for the printer (lpoptions), as
    // a job that lp sends would.
    void jobCarriesTheDestinationsOwnOptions() {
        // What `lpoptions -p form -o job-priority=77` writes, in the test's
        // own home folder.
        QVERIFY(QDir::home().mkpath(".cups"));
        QFile lpoptions(QDir::home().filePath(".cups/lpoptions"));
        QVERIFY(lpoptions.open(QIODevice::WriteOnly));
        lpoptions.write("Dest form job-priority=77\n");
        lpoptions.close();
        const auto removeChoices = qScopeGuard([&lpoptions] { lpoptions.remove(); });

        const int mark = lastJobId();
        QStringList errors;
        QCOMPARE(print(formLines(sample::order({0}, false)), false, errors),
                 platform::Printer::Outcome::Printed);
        const QList<Job> jobs = jobsAfter(mark);
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs[0].priority, 77);
    }

    // A job that ended before the printout came to cancel it, cancelled
    // from elsewhere, say, is no failure: it is gone either way.
    void jobThatHasEndedCountsAsCancelled() {
        const int mark = lastJobId();
        platform::CupsJobSender sender;
        QVERIFY(sender.findDefaultDestination());
        QVERIFY(sender.createJob(JobName));
        const QList<Job> created = jobsAfter(mark);
        QCOMPARE(created.size(), 1);
        QVERIFY(runCommand("cancel", {QString::number(created[0].id)}));

        QVERIFY2(sender.cancelJob(), qPrintable(sender.lastError()));
    }

    // The connection breaks off in the middle of the document, and the
    // scheduler does not answer the cancellation that follows at once. Once
    // it answers again, the job is cancelled whether the person gives up or
    // tries again, and trying again prints the form once, in a new job.
    void connectionLostDuringTheDocument_data() {
        QTest::addColumn<bool>("tryAgain");
        QTest::addRow("given up") << false;
        QTest::addRow("tried again") << true;
    }

    void connectionLostDuringTheDocument() {
        QFETCH(bool, tryAgain);
        const int mark = lastJobId();
        QTemporaryDir scratch;
        CuttingProxy proxy(printersServer(), scratch.filePath("proxy.sock").toUtf8());
        QVERIFY(proxy.isListening());
        useServer(proxy.server());
        const QStringList lines = formLines(sample::order({5}, false));

        QStringList errors;
        const platform::Printer::Outcome outcome =
            print(lines, tryAgain, errors, [&proxy] { proxy.passOn(); });
        useServer(printersServer());
        QVERIFY(proxy.hasCut());
        QCOMPARE(errors.size(), 1);
        QCOMPARE(outcome, tryAgain ? platform::Printer::Outcome::Printed
                                   : platform::Printer::Outcome::Cancelled);
        const QList<Job> jobs = jobsAfter(mark);
        QCOMPARE(jobs.size(), tryAgain ? 2 : 1);
        QCOMPARE(jobs[0].state, IPP_JSTATE_CANCELED);
        if (tryAgain)
            QCOMPARE(printedJob(jobs[1].id).pages, QList<QStringList>{asOnPaper(lines)});
    }

    void longCustomerEntryWrapsInsteadOfBeingCut() {
        documents::OrderSnapshot order = sample::order({0}, false);
        for (int word = 0; word < 25; ++word)
            order.customer.address += " Lane" + std::to_string(word * 7919 % 100000);
        const QStringList lines = formLines(order);
        const int mark = lastJobId();
        QStringList errors;
        QCOMPARE(print(lines, false, errors), platform::Printer::Outcome::Printed);

        const QList<Job> jobs = jobsAfter(mark);
        QCOMPARE(jobs.size(), 1);
        const QStringList printed = printedJob(jobs[0].id).pages.value(0);
        QVERIFY(printed.size() > lines.size());
        QCOMPARE(withoutSpaces(printed.join(QString())), withoutSpaces(lines.join(QString())));
    }
};

QTEST_MAIN(CupsPrinterTest)
#include "tst_cupsprinter.moc"
