#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPointF>
#include <QProcess>
#include <QSizeF>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <cups/cups.h>
#include <map>

// The tests' own CUPS scheduler (tests/fixtures/cups), for tests registered
// with orderform_add_test(... PRIVATE_CUPS). Its queues:
//   form      the default destination; A4 paper
//   letter    reports no paper, so the form is laid out on Letter
//   refusing  rejects every job
//   flaky     for tests to reject and accept (cupsreject, cupsaccept)
//   picky     creates jobs but refuses their PDF documents, until its driver
//             is changed to the fixture's a4.ppd
// Every queue is paused and has its printable area a quarter inch from the
// edges of the paper; the document of each job stays in the spool folder.
//
//     const int mark = privatecups::lastJobId();
//     ... print ...
//     const QList<privatecups::Job> jobs = privatecups::jobsAfter(mark);
//     QCOMPARE(jobs.size(), 1);
//     const privatecups::PrintedDocument paper = privatecups::printedJob(jobs[0].id);
//     QCOMPARE(paper.pages, QList<QStringList>{privatecups::asOnPaper(lines)});
namespace privatecups {

inline constexpr qreal PrintableAreaInset = 18; // points

// The scheduler with the queues, as the test's environment names it.
inline const QByteArray& printersServer() {
    static const QByteArray server = qgetenv("CUPS_SERVER");
    return server;
}

// A scheduler without any printer.
inline QByteArray emptyServer() {
    return qgetenv("ORDERFORM_TEST_CUPS_EMPTY_SERVER");
}

// Points libcups at another scheduler (or at a socket where none listens).
inline void useServer(const QByteArray& server) {
    printersServer(); // keep the original before it changes
    qputenv("CUPS_SERVER", server);
    cupsSetServer(nullptr); // libcups holds on to the server it read first
}

// Makes `queue` the default destination through PRINTER; empty: the
// scheduler's own default.
inline void useQueue(const QByteArray& queue) {
    if (queue.isEmpty())
        qunsetenv("PRINTER");
    else
        qputenv("PRINTER", queue);
}

// A file of the fixture's folder, such as a printer driver.
inline QString fixtureFile(const QString& name) {
    return qEnvironmentVariable("ORDERFORM_TEST_CUPS_FIXTURE") + QLatin1Char('/') + name;
}

// Runs a CUPS command (cupsaccept, cupsreject, lpadmin, ...) on the scheduler
// of CUPS_SERVER; true when it worked.
inline bool runCommand(const QString& program, const QStringList& arguments) {
    QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(program, {QStringLiteral("/usr/sbin")});
    QProcess process;
    process.start(path, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// A scheduler of the test's own (private-cupsd in a scratch folder), for a
// test that stops it; the queues are given as private-cupsd takes them. It is
// stopped at the latest when it goes.
//
//     privatecups::Scheduler scheduler({"form:default:a4"});
//     QVERIFY(scheduler.isRunning());
//     privatecups::useServer(scheduler.server());
//     QVERIFY(scheduler.stop());
class Scheduler final {
public:
    explicit Scheduler(const QStringList& queues) {
        m_running = m_scratch.isValid() &&
                    run(QStringList{"start", folder(), QString::fromUtf8(server())} + queues);
    }
    ~Scheduler() { stop(); }
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    bool isRunning() const { return m_running; }
    QByteArray server() const { return m_scratch.filePath(QStringLiteral("cupsd.sock")).toUtf8(); }

    bool stop() {
        if (m_running)
            m_running = !run({QStringLiteral("stop"), folder()});
        return !m_running;
    }

private:
    QString folder() const { return m_scratch.filePath(QStringLiteral("scheduler")); }

    static bool run(const QStringList& arguments) {
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        script.start(QStringLiteral("bash"),
                     QStringList{fixtureFile(QStringLiteral("private-cupsd"))} + arguments);
        // The script gives a slow machine two minutes to start the scheduler.
        return script.waitForFinished(150000) && script.exitStatus() == QProcess::NormalExit &&
               script.exitCode() == 0;
    }

    QTemporaryDir m_scratch;
    bool m_running = false;
};

inline QString documentPath(int jobId, int document = 1) {
    return QStringLiteral("%1/d%2-%3")
        .arg(qEnvironmentVariable("ORDERFORM_TEST_CUPS_SPOOL"))
        .arg(jobId, 5, 10, QLatin1Char('0'))
        .arg(document, 3, 10, QLatin1Char('0'));
}

struct Job {
    int id = 0;
    QString queue;
    QString title;
    ipp_jstate_t state = IPP_JSTATE_PENDING;
    int documents = 0; // kept in the spool folder
    int priority = 0;
};

// The scheduler's jobs after job `afterId`, in every state, oldest first.
inline QList<Job> jobsAfter(int afterId = 0) {
    cups_job_t* list = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, nullptr, 0, CUPS_WHICHJOBS_ALL);
    QList<Job> jobs;
    for (int i = 0; i < count; ++i) {
        if (list[i].id <= afterId)
            continue;
        Job job{list[i].id,
                QString::fromUtf8(list[i].dest),
                QString::fromUtf8(list[i].title),
                list[i].state,
                0,
                list[i].priority};
        while (QFile::exists(documentPath(job.id, job.documents + 1)))
            ++job.documents;
        jobs << job;
    }
    cupsFreeJobs(count, list);
    std::sort(jobs.begin(), jobs.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
    return jobs;
}

inline int lastJobId() {
    const QList<Job> jobs = jobsAfter();
    return jobs.isEmpty() ? 0 : jobs.last().id;
}

// A PDF document as it reads on paper: the lines of each page, with their
// leading spaces counted in characters from the left edge of the printable
// area, without trailing spaces and without the empty lines at the end.
struct PrintedDocument {
    QList<QStringList> pages;
    QSizeF pageSize; // points
    qreal pitch = 0; // the width of a character, points
};

// The lines as PrintedDocument gives them.
inline QStringList asOnPaper(QStringList lines) {
    for (QString& line : lines) {
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Reads the words of a PDF document of fixed-pitch text, with their places
// (pdftotext -bbox), and sets them back into lines and columns.
inline PrintedDocument readPdf(const QString& path,
                               QPointF printableArea = {PrintableAreaInset, PrintableAreaInset}) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};

    struct Word {
        qreal left, top, height;
        QString text;
    };
    QList<QList<Word>> pages;
    PrintedDocument document;
    qreal width = 0;
    qsizetype characters = 0;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto number = [&](const char* name) {
            return xml.attributes().value(QLatin1String(name)).toDouble();
        };
        if (xml.name() == QLatin1String("page")) {
            pages.append(QList<Word>());
            document.pageSize = QSizeF(number("width"), number("height"));
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const Word word{number("xMin"), number("yMin"), number("yMax") - number("yMin"), {}};
            width += number("xMax") - word.left;
            pages.last().append(word);
            pages.last().last().text = xml.readElementText();
            characters += pages.last().last().text.size();
        }
    }
    if (characters == 0)
        return document;
    document.pitch = width / characters;

    for (const QList<Word>& words : pages) {
        std::map<int, std::map<int, QString>> rows;
        for (const Word& word : words) {
            const int row = qRound((word.top - printableArea.y()) / word.height);
            const int column = qRound((word.left - printableArea.x()) / document.pitch);
            rows[std::max(row, 0)][std::max(column, 0)] = word.text;
        }
        QStringList lines;
        for (const auto& [row, columns] : rows) {
            while (lines.size() <= row)
                lines << QString();
            QString& line = lines[row];
            for (const auto& [column, text] : columns) {
                line += line.size() < column ? QString(column - line.size(), QLatin1Char(' '))
                                             : QString(line.isEmpty() ? 0 : 1, QLatin1Char(' '));
                line += text;
            }
        }
        document.pages << lines;
    }
    return document;
}

// The document of a job as it would come out of the printer.
inline PrintedDocument printedJob(int jobId, int document = 1) {
    return readPdf(documentPath(jobId, document));
}

} // namespace privatecups
