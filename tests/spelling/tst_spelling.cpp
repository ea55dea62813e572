#include "documents/OrderDocument.h"
#include "model/Catalogue.h"
#include "platform/help/HelpViewer.h"
#include "platform/system/CommandLine.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/DisplayText.h"
#include "support/FakeDisplayInfo.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePrinter.h"
#include "support/FakeProgramEnd.h"
#include "support/OrderWindowFixture.h"
#include "support/SampleOrders.h"
#include "support/ScratchFolder.h"
#include "support/TopLevelWindows.h"
#include "windows/shell/AboutWindow.h"
#include "windows/shell/MainWindow.h"
#include "windows/shell/MainWindowControls.h"
#include "windows/shell/SplashWindow.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QTextDocument>

namespace {

// Everything a window shows: its title, the texts of its controls and menus,
// and what screen readers read out for them.
QStringList textsOf(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        texts << widget->accessibleName() << widget->accessibleDescription();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
            texts << frame->title();
        if (const auto* field = qobject_cast<const QLineEdit*>(widget))
            texts << field->text();
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            texts << menu->title();
    }
    for (const QAction* action : window.findChildren<QAction*>())
        texts << action->text();
    return texts;
}

QStringList messagesOf(const FakeMessageBoxes& boxes) {
    QStringList texts;
    for (const platform::MessageRequest& request : boxes.asked)
        texts << request.title << request.text;
    return texts;
}

} // namespace

// Every text the program shows, saves or prints, through hunspell's American
// English dictionary and the names of words.txt.
class SpellingTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::applyClassicLook(); }

    void catalogue() {
        QStringList texts;
        for (int row = 0; row < model::ProductCount; ++row)
            texts << platform::labelText(model::productCaption(row))
                  << platform::fromUtf8(model::feeLine(row))
                  << platform::labelText(*model::productDescription(row));
        expectNoMisspelling(texts);
    }

    void documents() {
        QStringList texts;
        using model::PaymentMethod;
        for (PaymentMethod payment :
             {PaymentMethod::Check, PaymentMethod::MoneyOrder, PaymentMethod::Visa,
              PaymentMethod::MasterCard, PaymentMethod::AmericanExpress, PaymentMethod::Discover}) {
            const documents::OrderSnapshot order = sample::everything(true, payment);
            for (const auto& lines : {documents::orderFileLines(order, {2026, 12, 8}),
                                      documents::printedFormLines(order, {2026, 12, 8})})
                for (const std::string& line : lines)
                    texts << QString::fromStdString(line);
        }
        expectNoMisspelling(texts);
    }

    void orderWindowAndItsMessages() {
        const ScratchFolder scratch;
        FakeMessageBoxes boxes;
        FakePrinter printer;
        printer.failuresToCome = 1;
        OrderWindowFixture order;
        QStringList texts = textsOf(order.window());
        order.click(order.button(control::SaveButton)); // nothing ordered yet
        order.tick({0});
        order.click(order.button(control::SaveButton));
        order.click(order.button(control::PrintButton));
        QVERIFY(QFile::remove("order.txt") && QDir().mkdir("order.txt"));
        order.click(order.button(control::SaveButton));
        QCOMPARE(boxes.asked.size(), 4);
        expectNoMisspelling(texts + messagesOf(boxes));
    }

    void shellWindowsAndTheirMessages() {
        FakeMessageBoxes boxes;
        FakeProgramEnd end;
        const FakeDisplayInfo display({1024, 768}, 4); // 16 colours: the warning
        windows::shell::SplashWindow::start();
        QStringList texts;
        for (const auto* splash : topLevelWindows<windows::shell::SplashWindow>())
            texts << textsOf(*splash);
        deleteTopLevelWindows<windows::shell::SplashWindow>();

        windows::shell::MainWindow main;
        texts << textsOf(main);
        namespace command = windows::shell::main_control;
        for (std::string_view name : {command::VendorInformationCommand, command::ExitCommand})
            main.findChild<QAction*>(platform::fromUtf8(name))->trigger();
        const windows::shell::AboutWindow about;
        texts << textsOf(about);
        QCOMPARE(boxes.asked.size(), 3);
        expectNoMisspelling(texts + messagesOf(boxes));
    }

    void help() {
        platform::HelpViewer viewer;
        viewer.showMissingFile(QStringLiteral("Other.hlp"));
        QStringList texts = textsOf(viewer);
        QFile guide(QStringLiteral(":/help/using-help.html"));
        QVERIFY(guide.open(QIODevice::ReadOnly));
        QTextDocument page;
        page.setHtml(QString::fromUtf8(guide.readAll()));
        texts << page.toPlainText() << page.metaInformation(QTextDocument::DocumentTitle);
        expectNoMisspelling(texts);
    }

    void commandLine() {
        QStringList texts;
        for (QByteArray argument : {"--help", "--version", "--unknown"}) {
            std::array<char*, 1> arguments{argument.data()};
            const auto answer = platform::answerCommandLine(arguments);
            QVERIFY(answer);
            texts << QString::fromStdString(answer->output)
                  << QString::fromStdString(answer->error);
        }
        expectNoMisspelling(texts);
    }

private:
    static void expectNoMisspelling(const QStringList& texts) {
        QProcess hunspell;
        hunspell.start(QStringLiteral("hunspell"),
                       {"-d", "en_US", "-p", QFINDTESTDATA("words.txt"), "-l", "-i", "UTF-8"});
        QVERIFY2(hunspell.waitForStarted(), "hunspell is not installed (scripts/test installs it)");
        hunspell.write(texts.join(QLatin1Char('\n')).toUtf8());
        hunspell.closeWriteChannel();
        QVERIFY(hunspell.waitForFinished());
        const QString errors = QString::fromUtf8(hunspell.readAllStandardError());
        QVERIFY2(hunspell.exitCode() == 0 && errors.isEmpty(), qPrintable(errors));
        QStringList misspelt =
            QString::fromUtf8(hunspell.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        misspelt.removeDuplicates();
        QVERIFY2(misspelt.isEmpty(), qPrintable("misspelt: " + misspelt.join(", ")));
    }
};

QTEST_MAIN(SpellingTest)
#include "tst_spelling.moc"
