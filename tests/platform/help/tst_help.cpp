#include "platform/help/Help.h"
#include "platform/help/HelpViewer.h"
#include "support/TopLevelWindows.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <memory>

using platform::Help;
using platform::HelpViewer;

class HelpTest final : public QObject {
    Q_OBJECT

private:
    static QList<HelpViewer*> shownViewers() {
        QList<HelpViewer*> shown;
        for (HelpViewer* viewer : topLevelWindows<HelpViewer>())
            if (viewer->isVisible())
                shown.append(viewer);
        return shown;
    }

private Q_SLOTS:
    void cleanup() {
        deleteTopLevelWindows<HelpViewer>();
        Help::setHelpFile({});
    }

    void f1DoesNothingWithoutAHelpFile() {
        QWidget window;
        auto* field = new QLineEdit(&window);
        window.show();
        QTest::keyClick(field, Qt::Key_F1);
        QVERIFY(topLevelWindows<HelpViewer>().isEmpty());
    }

    void f1OpensTheGuideInAnyWindow_data() {
        QTest::addColumn<QString>("helpFile");
        QTest::addColumn<bool>("inDialog");
        QTest::addRow("plain window") << "Winhelp.hlp" << false;
        QTest::addRow("dialog") << "Winhelp.hlp" << true;
        QTest::addRow("name in other case") << "WINHELP.HLP" << false;
    }

    void f1OpensTheGuideInAnyWindow() {
        QFETCH(QString, helpFile);
        QFETCH(bool, inDialog);
        Help::setHelpFile(helpFile);
        std::unique_ptr<QWidget> window(inDialog ? new QDialog : new QWidget);
        auto* field = new QLineEdit(window.get());
        window->show();

        QTest::keyClick(field, Qt::Key_F1);
        QTest::keyClick(window.get(), Qt::Key_F1);

        // One viewer, however often F1 is pressed.
        QCOMPARE(shownViewers().size(), 1);
        QCOMPARE(shownViewers().first()->document(),
                 QUrl(QStringLiteral("qrc:/help/using-help.html")));
        QVERIFY(!shownViewers().first()->findChild<QTextBrowser*>()->toPlainText().isEmpty());
        QCOMPARE(field->text(), QString());
    }

    // A modal window blocks every other window of the program; help opened
    // from it must still take input.
    void helpFromAModalWindowBelongsToIt() {
        Help::setHelpFile(QStringLiteral("Winhelp.hlp"));
        QDialog dialog;
        dialog.setModal(true);
        dialog.show();
        QCOMPARE(QApplication::activeModalWidget(), &dialog);

        QTest::keyClick(&dialog, Qt::Key_F1);

        QCOMPARE(shownViewers().size(), 1);
        QCOMPARE(shownViewers().first()->parentWidget(), &dialog);
    }

    // Esc closes the viewer, wherever in it the focus is.
    void escapeClosesTheViewer_data() {
        QTest::addColumn<QString>("focused"); // a button's text, or the document
        QTest::addRow("document") << QString();
        QTest::addRow("contents button") << "&Contents";
    }

    void escapeClosesTheViewer() {
        QFETCH(QString, focused);
        Help::setHelpFile(QStringLiteral("Winhelp.hlp"));
        QWidget window;
        window.show();
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(shownViewers().size(), 1);
        HelpViewer* viewer = shownViewers().first();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        if (!focused.isEmpty()) {
            for (QPushButton* button : viewer->findChildren<QPushButton*>())
                if (button->text() == focused)
                    button->setFocus(Qt::TabFocusReason);
        }
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target && target->window() == viewer);
        QCOMPARE(bool(qobject_cast<QTextBrowser*>(target)), focused.isEmpty());

        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(!viewer->isVisible());
        QVERIFY(window.isVisible());
    }

    void unknownHelpFileSaysSo() {
        Help::setHelpFile(QStringLiteral("Other.hlp"));
        QWidget window;
        window.show();
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(shownViewers().size(), 1);
        QVERIFY(shownViewers().first()->findChild<QTextBrowser*>()->toPlainText().contains(
            QStringLiteral("Other.hlp")));
    }

    // Every jump of the guide leads to a topic that exists.
    void guideJumpsLeadSomewhere() {
        QFile guide(QStringLiteral(":/help/using-help.html"));
        QVERIFY(guide.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(guide.readAll());
        QSet<QString> anchors;
        for (const auto& match :
             QRegularExpression(QStringLiteral("name=\"([^\"]+)\"")).globalMatch(html))
            anchors.insert(match.captured(1));
        int jumps = 0;
        for (const auto& match :
             QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(html)) {
            QVERIFY2(anchors.contains(match.captured(1)), qPrintable(match.captured(1)));
            ++jumps;
        }
        QVERIFY(jumps > 0);
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
