#include "platform/system/CommandLine.h"

#include <QTest>
#include <vector>

// The command line, read before any window opens: what ends the program at
// once, with which words and status, and what is left for Qt.
class CommandLineTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitStatus"); // -1: the program starts
        QTest::addColumn<QString>("outputStart");
        QTest::addColumn<QString>("error");
        const QString usage = "Usage: orderform [OPTION]...\n";
        const QString version = "orderform (Order Form) 5.2\n";
        const auto wrong = [](const QString& complaint) {
            return "orderform: " + complaint + " (orderform --help lists the options)\n";
        };

        QTest::addRow("nothing") << QStringList() << -1 << QString() << QString();
        QTest::addRow("--help") << QStringList{"--help"} << 0 << usage << QString();
        QTest::addRow("-h") << QStringList{"-h"} << 0 << usage << QString();
        QTest::addRow("--version") << QStringList{"--version"} << 0 << version << QString();
        QTest::addRow("help after a Qt option")
            << QStringList{"-platform", "offscreen", "--help"} << 0 << usage << QString();
        QTest::addRow("help wins over what follows")
            << QStringList{"--help", "--bogus"} << 0 << usage << QString();
        QTest::addRow("Qt's options") << QStringList{"-platform",
                                                     "xcb",
                                                     "-display",
                                                     ":1",
                                                     "--style",
                                                     "Fusion",
                                                     "-reverse",
                                                     "-stylesheet=a.qss",
                                                     "-qmljsdebugger=port:1",
                                                     "--sync"}
                                      << -1 << QString() << QString();
        QTest::addRow("a Qt option's value is no option")
            << QStringList{"-qwindowtitle", "--version"} << -1 << QString() << QString();
        QTest::addRow("unknown option")
            << QStringList{"--bogus"} << 2 << QString() << wrong("unknown option '--bogus'");
        QTest::addRow("unknown option after a good one")
            << QStringList{"-platform", "xcb", "-x"} << 2 << QString()
            << wrong("unknown option '-x'");
        QTest::addRow("help spelt with one dash")
            << QStringList{"-help"} << 2 << QString() << wrong("unknown option '-help'");
        QTest::addRow("a Qt option's name as a prefix")
            << QStringList{"-platforms", "xcb"} << 2 << QString()
            << wrong("unknown option '-platforms'");
        QTest::addRow("= where Qt takes none") << QStringList{"-platform=xcb"} << 2 << QString()
                                               << wrong("unknown option '-platform=xcb'");
        QTest::addRow("value missing") << QStringList{"-display"} << 2 << QString()
                                       << wrong("option '-display' needs a value");
        QTest::addRow("file name") << QStringList{"order.txt"} << 2 << QString()
                                   << wrong("unexpected argument 'order.txt'");
        QTest::addRow("lone dash")
            << QStringList{"-"} << 2 << QString() << wrong("unexpected argument '-'");
        QTest::addRow("end of options")
            << QStringList{"--"} << 2 << QString() << wrong("unexpected argument '--'");
    }

    void answers() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitStatus);
        QFETCH(QString, outputStart);
        QFETCH(QString, error);
        std::vector<QByteArray> bytes;
        for (const QString& argument : arguments)
            bytes.push_back(argument.toUtf8());
        std::vector<char*> pointers;
        for (QByteArray& argument : bytes)
            pointers.push_back(argument.data());

        const std::optional<platform::CommandLineAnswer> answer =
            platform::answerCommandLine(pointers);
        QCOMPARE(answer.has_value(), exitStatus >= 0);
        if (!answer)
            return;
        QCOMPARE(answer->exitStatus, exitStatus);
        const QString output = QString::fromStdString(answer->output);
        QVERIFY2(output.startsWith(outputStart), qPrintable(output));
        QCOMPARE(output.isEmpty(), outputStart.isEmpty());
        QCOMPARE(QString::fromStdString(answer->error), error);
    }
};

QTEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
