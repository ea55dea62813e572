#include "platform/ui/DisplayText.h"
#include "support/ExpectedLayout.h"
#include "support/FakeDisplayInfo.h"
#include "support/FakeMessageBoxes.h"
#include "support/PaintedText.h"
#include "support/TopLevelWindows.h"
#include "windows/shell/MainWindow.h"
#include "windows/shell/SplashWindow.h"
#include "windows/shell/SplashWindowControls.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <optional>

using windows::shell::MainWindow;
using windows::shell::SplashWindow;

class SplashWindowTest final : public QObject {
    Q_OBJECT

private:
    std::optional<FakeMessageBoxes> m_boxes;
    std::optional<FakeDisplayInfo> m_display;

    static QString splashText(const SplashWindow& splash) {
        return splash
            .findChild<QLabel*>(platform::fromUtf8(windows::shell::splash_control::StartingText))
            ->text();
    }

private Q_SLOTS:
    void init() {
        m_boxes.emplace();
        m_display.emplace();
    }

    void cleanup() {
        deleteTopLevelWindows<SplashWindow>();
        deleteTopLevelWindows<MainWindow>();
        m_display.reset();
        m_boxes.reset();
    }

    void lowColourWarning_data() {
        QTest::addColumn<int>("bitsPerPixel");
        QTest::addColumn<int>("planes");
        QTest::addColumn<bool>("warns");
        QTest::addRow("16 colours in 4 bits") << 4 << 1 << true;
        QTest::addRow("16 colours in 4 planes") << 1 << 4 << true;
        QTest::addRow("32 colours in 2 planes") << 4 << 2 << true;
        QTest::addRow("256 colours in 2 planes") << 7 << 2 << false;
        QTest::addRow("256 colours") << 8 << 1 << false;
        QTest::addRow("16 bits") << 16 << 1 << false;
        QTest::addRow("24 bits") << 24 << 1 << false;
        QTest::addRow("32 bits") << 32 << 1 << false;
    }

    void lowColourWarning() {
        QFETCH(int, bitsPerPixel);
        QFETCH(int, planes);
        QFETCH(bool, warns);
        m_display->bits = bitsPerPixel;
        m_display->colourPlanes = planes;
        bool splashVisibleDuringWarning = false;
        m_boxes->whileOpen = [&](const platform::MessageRequest&) {
            for (const SplashWindow* splash : topLevelWindows<SplashWindow>())
                splashVisibleDuringWarning |= splash->isVisible();
        };

        const QPointer<SplashWindow> splash = SplashWindow::start();

        QCOMPARE(m_boxes->asked.size(), warns ? 1 : 0);
        if (warns) {
            const platform::MessageRequest& warning = m_boxes->asked.first();
            QCOMPARE(warning.title, QStringLiteral(" LOW COLOR WARNING"));
            QCOMPARE(warning.text,
                     QStringLiteral(
                         "WARNING:\r\rRecommend you set your video to display at least 256 colors. "
                         "Contact your video card manufacturer if you need a driver to display "
                         "more colors.\rYou may continue and the program will function as "
                         "designed, but background colors and screens may look bad!"));
            QCOMPARE(warning.buttons, platform::MessageButtons::Ok);
            QCOMPARE(warning.icon, platform::MessageIcon::None);
            QVERIFY(!splashVisibleDuringWarning);
        }
        // The warning is advice only: the splash window loads and shows anyway.
        QVERIFY(splash && splash->isVisible());
        QCOMPARE(splashText(*splash).count(QLatin1Char('\n')), 3);
    }

    // The real message box, in the middle of the screen although the splash
    // window that owns it has not been placed yet.
    void lowColourWarningIsCentredOnTheScreen() {
        m_boxes.reset();
        m_display->bits = 4;
        m_display->area = QGuiApplication::primaryScreen()->geometry();
        QRect warning;
        QTimer::singleShot(0, [&warning] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                warning = box->frameGeometry();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });

        SplashWindow::start();

        QVERIFY(!warning.isEmpty());
        const QPoint offCentre =
            2 * warning.center() + QPoint(1, 1) - m_display->area.bottomRight();
        QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2,
                 qPrintable(QStringLiteral("%1, %2").arg(warning.x()).arg(warning.y())));
    }

    void sizeAndPlace_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("outerSize");
        // A size of its own on exactly 1024 x 768; the design size elsewhere.
        const expected::Window& layout = expected::window("splash");
        const QSize own = expected::inPixels(*layout.outerOn1024By768);
        const QSize design = expected::inPixels(layout.client);
        QTest::addRow("1024 x 768") << QRect(0, 0, 1024, 768) << own;
        QTest::addRow("800 x 600") << QRect(0, 0, 800, 600) << design;
        QTest::addRow("1024 x 600") << QRect(0, 0, 1024, 600) << design;
        QTest::addRow("1152 x 864") << QRect(0, 0, 1152, 864) << design;
        QTest::addRow("1280 x 1024") << QRect(0, 0, 1280, 1024) << design;
        // The primary monitor, whose size counts, right of a larger one.
        QTest::addRow("1024 x 768 right of another") << QRect(1280, 0, 1024, 768) << own;
        QTest::addRow("800 x 600 below another") << QRect(0, 1024, 800, 600) << design;
    }

    void sizeAndPlace() {
        QFETCH(QRect, screen);
        QFETCH(QSize, outerSize);
        m_display->area = screen;

        const SplashWindow* splash = SplashWindow::start();

        QCOMPARE(splash->frameGeometry().size(), outerSize);
        // Centred on that monitor with the size it ended up with.
        const QPoint offCentre = 2 * splash->frameGeometry().center() + QPoint(1, 1) -
                                 screen.topLeft() - screen.bottomRight();
        QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
    }

    void textAndPointer() {
        SplashWindow* splash = SplashWindow::start();
        const QList<PaintedText> painted = PaintedTextRecorder::of(*splash);
        QCOMPARE(painted.size(), 4);
        for (const PaintedText& line : painted) {
            QCOMPARE(QFontInfo(line.font).family(), QStringLiteral("Liberation Sans"));
            QVERIFY(qAbs(QFontInfo(line.font).pointSizeF() - 9.6) < 0.4);
            QVERIFY(QFontInfo(line.font).bold());
            QCOMPARE(line.colour, QColor(255, 0, 0));
        }
        auto* label = splash->findChild<QLabel*>(
            platform::fromUtf8(windows::shell::splash_control::StartingText));
        QCOMPARE(label->geometry(), expected::inPixels(expected::window("splash").inClientArea(
                                        windows::shell::splash_control::StartingText)));
        QVERIFY(!label->autoFillBackground());
        QCOMPARE(splash->palette().color(QPalette::Window), QColor(0, 0, 192));

        QCOMPARE(splashText(*splash).split(QLatin1Char('\n')),
                 QStringList({QStringLiteral("Starting Order Form"), QStringLiteral("Version 5.2"),
                              QStringLiteral("Copyright (C) 1999 by"),
                              QStringLiteral("Quendrel Software")}));
        QCOMPARE(splash->cursor().shape(), Qt::WaitCursor);
        QCOMPARE(splash
                     ->findChild<QLabel*>(
                         platform::fromUtf8(windows::shell::splash_control::StartingText))
                     ->cursor()
                     .shape(),
                 Qt::WaitCursor);
    }

    void cannotBeClosedFromOutside() {
        SplashWindow* splash = SplashWindow::start();
        QVERIFY(!splash->close());
        QVERIFY(splash->isVisible());
    }

    void mainWindowOpensOnceAfterASecond_data() {
        QTest::addColumn<int>("loadMilliseconds");
        QTest::addRow("quick load") << 0;
        QTest::addRow("load slower than two ticks") << 2500;
    }

    void mainWindowOpensOnceAfterASecond() {
        QFETCH(int, loadMilliseconds);
        QElapsedTimer clock;
        clock.start();
        const QPointer<SplashWindow> splash = SplashWindow::start();
        // From now on only the main window's load asks for the screen size.
        qint64 mainLoadStarted = -1;
        m_display->whileAsked = [&] {
            if (mainLoadStarted < 0)
                mainLoadStarted = clock.elapsed();
            QTest::qWait(loadMilliseconds);
        };

        QTRY_COMPARE_WITH_TIMEOUT(topLevelWindows<MainWindow>().size(), 1, 5000);
        QTRY_VERIFY(topLevelWindows<MainWindow>().first()->isVisible());
        // Never before the second is up: a precise timer never fires early,
        // however busy the machine. How soon after it the main window shows
        // is bench/startup_race's to measure.
        QVERIFY2(mainLoadStarted >= 950, qPrintable(QString::number(mainLoadStarted)));
        // The main window's load has closed and released the splash window.
        QTRY_VERIFY(!splash);

        QTest::qWait(1500);
        QCOMPARE(topLevelWindows<MainWindow>().size(), 1);
    }

    // A tick that comes while the warning is still open opens the main window
    // only once the splash window has finished loading.
    void tickDuringWarningWaitsForTheLoad() {
        m_display->bits = 4;
        int mainWindowsDuringWarning = -1;
        m_boxes->whileOpen = [&](const platform::MessageRequest&) {
            QTest::qWait(1500);
            mainWindowsDuringWarning = static_cast<int>(topLevelWindows<MainWindow>().size());
        };

        const QPointer<SplashWindow> splash = SplashWindow::start();

        QCOMPARE(mainWindowsDuringWarning, 0);
        QTRY_COMPARE(topLevelWindows<MainWindow>().size(), 1);
        QTRY_VERIFY(!splash);
        QTest::qWait(1200);
        QCOMPARE(topLevelWindows<MainWindow>().size(), 1);
    }
};

QTEST_MAIN(SplashWindowTest)
#include "tst_splashwindow.moc"
