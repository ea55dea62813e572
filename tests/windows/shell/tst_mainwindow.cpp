#include "platform/help/Help.h"
#include "platform/help/HelpViewer.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/DisplayText.h"
#include "support/ExpectedLayout.h"
#include "support/FakeDisplayInfo.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeProgramEnd.h"
#include "support/PaintedText.h"
#include "support/TopLevelWindows.h"
#include "windows/order/OrderWindow.h"
#include "windows/shell/AboutWindow.h"
#include "windows/shell/AboutWindowControls.h"
#include "windows/shell/MainWindow.h"
#include "windows/shell/MainWindowControls.h"

#include <QAction>
#include <QFontInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <optional>

using platform::MessageAnswer;
using windows::shell::AboutWindow;
using windows::shell::MainWindow;
namespace command = windows::shell::main_control;

class MainWindowTest final : public QObject {
    Q_OBJECT

private:
    std::optional<FakeMessageBoxes> m_boxes;
    std::optional<FakeProgramEnd> m_end;
    std::optional<FakeDisplayInfo> m_display;
    std::optional<MainWindow> m_main;

    QAction* action(std::string_view name) const {
        auto* found = m_main->findChild<QAction*>(platform::fromUtf8(name));
        if (!found)
            qFatal("no menu command %s", name.data());
        return found;
    }

    // Runs `look` on the modal window that `open` brings up, then closes
    // that window, so that `open` returns.
    static void whileModal(const std::function<void()>& open,
                           const std::function<void(QWidget&)>& look) {
        QTimer lookOnce;
        lookOnce.setSingleShot(true);
        QObject::connect(&lookOnce, &QTimer::timeout, &lookOnce, [&look] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                look(*modal);
                modal->close();
            }
        });
        lookOnce.start(0);
        open();
    }

    // An icon that shows nothing; no icon at all would let window managers
    // show the owner's.
    static bool isEmptyIcon(const QIcon& icon) {
        if (icon.isNull())
            return false;
        const QImage picture = icon.pixmap(16, 16).toImage();
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (qAlpha(picture.pixel(x, y)) != 0)
                    return false;
            }
        }
        return true;
    }

    bool activateMainWindow() {
        m_main->activateWindow();
        return QTest::qWaitForWindowActive(&*m_main);
    }

private Q_SLOTS:
    // As the program starts.
    void initTestCase() { platform::applyClassicLook(); }

    void init() {
        m_boxes.emplace();
        m_end.emplace();
        m_display.emplace();
        m_main.emplace();
        m_main->show();
        QVERIFY(activateMainWindow());
    }

    void cleanup() {
        m_main.reset();
        deleteTopLevelWindows<platform::HelpViewer>();
        platform::Help::setHelpFile({});
        m_display.reset();
        m_end.reset();
        m_boxes.reset();
    }

    void introductoryText() {
        const QString text =
            m_main->findChild<QLabel*>(platform::fromUtf8(command::IntroductionText))->text();
        QCOMPARE(text,
                 QStringLiteral(
                     "Quendrel Software -- www.quendrel.example\n\n"
                     "The purpose of this program is to demonstrate a way to add an order form "
                     "to your software.\n\n"
                     "ATTENTION SHAREWARE PROGRAMMER:\n"
                     "If you would like to add this order form to your programs, you may "
                     "purchase the Qt C++ (6.4) source code (both 16-bit and 32-bit editions) "
                     "from Quendrel Software.\n\n"
                     "Add this order form to your project and modify as desired. For only $19.95 "
                     "the source code can be yours (royalty free)!"));
        QCOMPARE(m_main->windowTitle(), QStringLiteral("Order Form"));
        // The program's picture, read without guessing its format.
        QCOMPARE(m_main->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    }

    void orderCommands_data() {
        QTest::addColumn<std::string_view>("command");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addRow("Show Order Form") << command::ShowOrderFormCommand << QKeySequence();
        QTest::addRow("Order Form") << command::OrderFormCommand << QKeySequence();
        QTest::addRow("Ctrl+S") << command::ShowOrderFormCommand
                                << QKeySequence(Qt::CTRL | Qt::Key_S);
        QTest::addRow("Ctrl+O") << command::OrderFormCommand << QKeySequence(Qt::CTRL | Qt::Key_O);
    }

    // Each command opens a new order window, modal, and waits for it to close.
    void orderCommands() {
        QFETCH(std::string_view, command);
        QFETCH(QKeySequence, shortcut);
        for (int opening = 0; opening < 2; ++opening) {
            QVERIFY(activateMainWindow());
            QPointer<windows::order::OrderWindow> opened;
            bool modal = false;
            bool noIcon = false;
            whileModal(
                [&] {
                    if (shortcut.isEmpty())
                        action(command)->trigger();
                    else
                        QTest::keySequence(&*m_main, shortcut);
                },
                [&](QWidget& window) {
                    opened = qobject_cast<windows::order::OrderWindow*>(&window);
                    modal = window.isModal();
                    noIcon = isEmptyIcon(window.windowIcon());
                });
            QVERIFY2(modal, "no modal order window opened");
            // Nor the main window's in its title bar.
            QVERIFY(noIcon);
            // Closed means gone: the next opening starts afresh.
            QVERIFY(!opened);
            QVERIFY(topLevelWindows<windows::order::OrderWindow>().isEmpty());
        }
    }

    void menus() {
        QStringList shown;
        for (QAction* top : m_main->menuBar()->actions()) {
            shown << top->text();
            for (QAction* item : top->menu()->actions())
                shown << (item->isSeparator()
                              ? QStringLiteral("-")
                              : item->text() + QLatin1Char('\t') + item->shortcut().toString());
        }
        QCOMPARE(shown, QStringList({"&File", "&Show Order Form\tCtrl+S", "&Exit\tCtrl+E",
                                     "&Order Form", "&Quendrel Software Information\tCtrl+D",
                                     "&Order Form\tCtrl+O", "&Help", "How to &Use Help\tCtrl+U",
                                     "-", "&About Order Form\tCtrl+A"}));
    }

    // Shortcuts and access keys pressed on the keyboard, each key going to
    // whatever has the focus: the main window, then the menu it opened.
    void commandsFromTheKeyboard_data() {
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<QString>("outcome");
        const auto alt = [](Qt::Key key) {
            return QKeyCombination(Qt::AltModifier, key);
        };
        const auto ctrl = [](Qt::Key key) {
            return QKeyCombination(Qt::ControlModifier, key);
        };
        const auto plain = [](Qt::Key key) {
            return QKeyCombination(key);
        };
        QTest::addRow("Ctrl+S") << QList{ctrl(Qt::Key_S)} << "order window";
        QTest::addRow("Ctrl+D") << QList{ctrl(Qt::Key_D)} << "message Quendrel Software";
        QTest::addRow("Ctrl+A") << QList{ctrl(Qt::Key_A)} << "About window";
        QTest::addRow("Ctrl+E") << QList{ctrl(Qt::Key_E)} << "message EXIT";
        QTest::addRow("Alt+F, S") << QList{alt(Qt::Key_F), plain(Qt::Key_S)} << "order window";
        QTest::addRow("Alt+F, E") << QList{alt(Qt::Key_F), plain(Qt::Key_E)} << "message EXIT";
        QTest::addRow("Alt+O, Q") << QList{alt(Qt::Key_O), plain(Qt::Key_Q)}
                                  << "message Quendrel Software";
        QTest::addRow("Alt+O, O") << QList{alt(Qt::Key_O), plain(Qt::Key_O)} << "order window";
        QTest::addRow("Alt+H, U") << QList{alt(Qt::Key_H), plain(Qt::Key_U)} << "help";
        QTest::addRow("Alt+H, A") << QList{alt(Qt::Key_H), plain(Qt::Key_A)} << "About window";
    }

    void commandsFromTheKeyboard() {
        QFETCH(QList<QKeyCombination>, keys);
        QString outcome;
        whileModal(
            [&] {
                for (const QKeyCombination key : keys) {
                    QWidget* target = QApplication::activePopupWidget();
                    if (!target)
                        target = QApplication::focusWidget();
                    if (!target)
                        target = QApplication::activeWindow();
                    QTest::keyClick(target, key.key(), key.keyboardModifiers());
                }
            },
            [&](QWidget& window) {
                if (qobject_cast<windows::order::OrderWindow*>(&window))
                    outcome = QStringLiteral("order window");
                else if (qobject_cast<AboutWindow*>(&window))
                    outcome = QStringLiteral("About window");
            });
        if (!m_boxes->asked.isEmpty()) {
            const platform::MessageRequest& message = m_boxes->asked.first();
            outcome = QStringLiteral("message ") +
                      (message.title.isEmpty() ? message.text.section(QLatin1Char('\r'), 0, 0)
                                               : message.title);
        }
        if (!topLevelWindows<platform::HelpViewer>().isEmpty())
            outcome = QStringLiteral("help");
        QTEST(outcome, "outcome");
    }

    // The program's messages in the real message box: a message without a
    // title of its own shows the program's name; each shows its whole title
    // (in a title bar font as large as most, beside three buttons), no icon in
    // its title bar, the classic font, and lies in the middle of the primary
    // monitor, wherever that is.
    void realMessageBoxes_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownTitle");
        QTest::addRow("vendor information") << QString() << QStringLiteral("Order Form");
        QTest::addRow("exit") << QStringLiteral("EXIT") << QStringLiteral("EXIT");
        for (const char* title :
             {"Unable To Print to File.", "Unable To Print, Please Check Your Printer",
              "Quendrel Software - ORDER.TXT Saved", " LOW COLOR WARNING"})
            QTest::addRow("%s", title) << QString::fromLatin1(title) << QString::fromLatin1(title);
    }

    void realMessageBoxes() {
        QFETCH(QString, title);
        QFETCH(QString, shownTitle);
        m_boxes.reset();
        m_display->area = QRect(1280, 200, 1024, 768);
        QString shown;
        QRect place;
        bool noIcon = false;
        QString family;
        whileModal(
            [&] {
                platform::MessageBoxes::current().show(
                    &*m_main, {QStringLiteral("Permission denied"), title,
                               platform::MessageButtons::Ok, platform::MessageIcon::Warning});
            },
            [&](QWidget& box) {
                // As it stays once its layout has settled.
                QVERIFY(QTest::qWaitForWindowExposed(&box));
                QCoreApplication::sendPostedEvents();
                shown = box.windowTitle();
                place = box.frameGeometry();
                noIcon = isEmptyIcon(box.windowIcon());
                family = QFontInfo(box.font()).family();
            });
        QCOMPARE(shown, shownTitle);
        QFont titleBarFont(QStringLiteral("Liberation Sans"), 11, QFont::Bold);
        const int wholeTitle = QFontMetrics(titleBarFont).horizontalAdvance(shownTitle) + 3 * 20;
        QVERIFY2(
            place.width() >= wholeTitle,
            qPrintable(
                QStringLiteral("%1 wide, the title needs %2").arg(place.width()).arg(wholeTitle)));
        QVERIFY(noIcon);
        QCOMPARE(family, QStringLiteral("Liberation Sans"));
        const QPoint offCentre = 2 * place.center() + QPoint(1, 1) - m_display->area.topLeft() -
                                 m_display->area.bottomRight();
        QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2,
                 qPrintable(QStringLiteral("at %1, %2").arg(place.x()).arg(place.y())));
    }

    // The menus write in the classic proportional face, not the desktop's.
    void menuFont() {
        for (const QWidget* menu : std::initializer_list<const QWidget*>{
                 m_main->menuBar(), m_main->menuBar()->actions().first()->menu()}) {
            const QFontInfo font(menu->font());
            QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
            QVERIFY(qAbs(font.pointSizeF() - 8) < 0.4);
            QVERIFY(!font.bold());
        }
    }

    void introductoryTextAsPainted() {
        auto* label = m_main->findChild<QLabel*>(platform::fromUtf8(command::IntroductionText));
        QCOMPARE(label->geometry(), expected::inPixels(expected::window("main").inClientArea(
                                        command::IntroductionText)));
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 255));
        const QList<PaintedText> painted = PaintedTextRecorder::of(*label);
        QVERIFY(!painted.isEmpty());
        for (const PaintedText& text : painted) {
            QCOMPARE(QFontInfo(text.font).family(), QStringLiteral("Liberation Serif"));
            QVERIFY(qAbs(QFontInfo(text.font).pointSizeF() - 12) < 0.4);
            QVERIFY(QFontInfo(text.font).bold());
            QCOMPARE(text.colour, QColor(0, 0, 0));
        }
    }

    void exitConfirmation_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QList<int>>("endStatuses");
        QTest::addRow("No") << MessageAnswer::No << QList<int>();
        QTest::addRow("Yes") << MessageAnswer::Yes << QList<int>{0};
    }

    void exitConfirmation() {
        QFETCH(MessageAnswer, answer);
        m_boxes->answers = {answer};

        QTest::keySequence(&*m_main, QKeySequence(Qt::CTRL | Qt::Key_E));

        QCOMPARE(m_boxes->asked.size(), 1);
        const platform::MessageRequest& question = m_boxes->asked.first();
        QCOMPARE(question.text, QStringLiteral("Do you really want to leave this great program?"));
        QCOMPARE(question.title, QStringLiteral("EXIT"));
        QCOMPARE(question.buttons, platform::MessageButtons::YesNo);
        QCOMPARE(question.icon, platform::MessageIcon::Question);
        QTEST(m_end->statuses, "endStatuses");
        // The program ends from here without closing any window first.
        QVERIFY(m_main->isVisible());
    }

    void closingEndsTheProgramWithoutAsking_data() {
        QTest::addColumn<bool>("helpOpen");
        QTest::addRow("alone") << false;
        QTest::addRow("with the help viewer open") << true;
    }

    void closingEndsTheProgramWithoutAsking() {
        QFETCH(bool, helpOpen);
        if (helpOpen) {
            action(command::HowToUseHelpCommand)->trigger();
            QCOMPARE(topLevelWindows<platform::HelpViewer>().size(), 1);
        }

        QVERIFY(m_main->close());

        QVERIFY(m_boxes->asked.isEmpty());
        QCOMPARE(m_end->statuses, QList<int>{0});
    }

    void vendorInformation() {
        action(command::VendorInformationCommand)->trigger();

        QCOMPARE(m_boxes->asked.size(), 1);
        const platform::MessageRequest& message = m_boxes->asked.first();
        QCOMPARE(message.text, QStringLiteral("Quendrel Software\r"
                                              "2150 Larkmoor Road\r"
                                              "Springfield, MO 65804  USA\r"
                                              "\r"
                                              "Phone:  1-800-555-0123\r"
                                              "Fax:        1-800-555-0147\r"
                                              "\r"
                                              "orders@quendrel.example\r"
                                              "www.quendrel.example\r"));
        QVERIFY(message.title.isEmpty());
        QCOMPARE(message.buttons, platform::MessageButtons::Ok);
        QCOMPARE(message.icon, platform::MessageIcon::None);
    }

    // Open twice: each time a new About window, with the hourglass over the
    // main window while it is open and the default pointer afterwards.
    void aboutWindow() {
        for (int opening = 0; opening < 2; ++opening) {
            QPointer<AboutWindow> about;
            Qt::CursorShape mainPointer = Qt::ArrowCursor;
            QString focused;
            QList<QSize> iconSizes;
            whileModal([&] { action(command::AboutCommand)->trigger(); },
                       [&](QWidget& window) {
                           about = qobject_cast<AboutWindow*>(&window);
                           mainPointer = m_main->cursor().shape();
                           iconSizes = window.windowIcon().availableSizes();
                           if (QWidget* focus = window.focusWidget())
                               focused = focus->objectName();
                       });
            QVERIFY2(about.isNull() && !focused.isEmpty(), "the About window did not open");
            QCOMPARE(focused, platform::fromUtf8(windows::shell::about_control::WebAddressButton));
            QCOMPARE(mainPointer, Qt::WaitCursor);
            QCOMPARE(m_main->cursor().shape(), Qt::ArrowCursor);
            QCOMPARE(iconSizes, QList<QSize>{QSize(32, 32)}); // the program's picture
            QVERIFY(topLevelWindows<AboutWindow>().isEmpty());
        }
    }

    void helpKey() {
        QTest::keyClick(&*m_main, Qt::Key_F1);
        QVERIFY2(topLevelWindows<platform::HelpViewer>().isEmpty(),
                 "F1 opened help before How to Use Help");

        QTest::keySequence(&*m_main, QKeySequence(Qt::CTRL | Qt::Key_U));
        QCOMPARE(platform::Help::helpFile(), QStringLiteral("Winhelp.hlp"));
        QCOMPARE(topLevelWindows<platform::HelpViewer>().size(), 1);
        platform::HelpViewer* viewer = topLevelWindows<platform::HelpViewer>().first();
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->document(), platform::Help::documentFor(QStringLiteral("Winhelp.hlp")));
        QCOMPARE(QFontInfo(viewer->font()).family(), QStringLiteral("Liberation Sans"));

        // From now on F1 brings back the same guide, also from the About window.
        viewer->close();
        QTest::keyClick(&*m_main, Qt::Key_F1);
        QTRY_COMPARE(topLevelWindows<platform::HelpViewer>().size(), 1);
        QVERIFY(topLevelWindows<platform::HelpViewer>().first()->isVisible());
        bool helpOverAbout = false;
        whileModal([&] { action(command::AboutCommand)->trigger(); },
                   [&](QWidget& about) {
                       QTest::keyClick(&about, Qt::Key_F1);
                       for (const platform::HelpViewer* shown :
                            topLevelWindows<platform::HelpViewer>())
                           helpOverAbout |= shown->isVisible() && shown->parentWidget() == &about;
                   });
        QVERIFY(helpOverAbout);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
