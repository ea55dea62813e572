#include "platform/desktop/WindowPlacement.h"
#include "platform/desktop/X11Frames.h"
#include "platform/system/DesktopSession.h"
#include "support/FakeDisplayInfo.h"
#include "support/FakeWindowManager.h"
#include "support/PrivateXServer.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <optional>
#include <xcb/xcb.h>

using Manner = FakeWindowManager::Manner;
Q_DECLARE_METATYPE(std::optional<Manner>)

namespace {

// The program's windows are of a fixed size.
std::unique_ptr<QWidget> fixedWindow(QWidget* owner, QSize size) {
    auto window = owner ? std::make_unique<QDialog>(owner) : std::make_unique<QWidget>();
    window->setWindowTitle(owner ? QStringLiteral("A box") : QStringLiteral("A window"));
    window->setFixedSize(size);
    if (owner)
        window->setWindowModality(Qt::ApplicationModal);
    return window;
}

// Where the window's client area is on the screen, as the X server has it.
QRect clientOnScreen(const QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    const auto client = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_translate_coordinates_reply_t* corner = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, client, root, 0, 0), nullptr);
    const QRect onScreen =
        corner ? QRect(corner->dst_x, corner->dst_y, window.width(), window.height()) : QRect();
    std::free(corner);
    return onScreen;
}

// How far the window's outer frame (the tests' window managers' Frame, where
// there is one) lies from the middle of the screen area; at most half a pixel
// each way where it is centred.
QPointF offCentre(const QWidget& window, const QRect& screen, bool framed) {
    const QRectF outer =
        clientOnScreen(window).marginsAdded(framed ? FakeWindowManager::Frame : QMargins());
    return outer.center() - QRectF(screen).center();
}

bool isCentred(const QWidget& window, const QRect& screen, bool framed) {
    const QPointF off = offCentre(window, screen, framed);
    return qAbs(off.x()) <= 0.5 && qAbs(off.y()) <= 0.5;
}

} // namespace

class DesktopTest final : public QObject {
    Q_OBJECT

public:
    explicit DesktopTest(QByteArray display)
        : m_display(std::move(display)) {}

private:
    QByteArray m_display;

    // Shows a window centred on the screen area and waits until the window
    // manager has framed it and it is centred by that frame. Gives where it
    // was placed before it showed, and how long placing it took.
    static std::pair<QRect, qint64> showCentred(QWidget& window, const QRect& screen, bool framed) {
        QElapsedTimer placing;
        placing.start();
        platform::centreOnScreen(window);
        const std::pair<QRect, qint64> placed{window.geometry(), placing.elapsed()};
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return {};
        // What the window manager tells the window after showing it.
        QTest::qWait(50);
        [[maybe_unused]] const bool centred =
            QTest::qWaitFor([&] { return isCentred(window, screen, framed); });
        return placed;
    }

private Q_SLOTS:
    void placesEveryWindowByItsRealFrame_data() {
        QTest::addColumn<std::optional<Manner>>("manner");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<bool>("forecasts");
        // Drops the first request to move each framed window, as one still
        // busy placing a new window may: the window is looked at again.
        QTest::addColumn<bool>("dropsFirstMove");
        const QRect whole(0, 0, 1024, 768);
        // Rows run in this order; each new window manager starts afresh.
        QTest::addRow("no window manager") << std::optional<Manner>() << whole << false << false;
        QTest::addRow("answers") << std::optional(Manner::Answers) << whole << true << false;
        QTest::addRow("lists but never answers")
            << std::optional(Manner::ListsButNeverAnswers) << whole << false << false;
        QTest::addRow("answers without listing")
            << std::optional(Manner::AnswersWithoutListing) << whole << true << false;
        QTest::addRow("no conventions")
            << std::optional(Manner::NoConventions) << whole << false << false;
        // The primary monitor right of and below another.
        QTest::addRow("answers, primary monitor elsewhere")
            << std::optional(Manner::Answers) << QRect(400, 150, 624, 600) << true << false;
        QTest::addRow("never answers, primary monitor elsewhere")
            << std::optional(Manner::ListsButNeverAnswers) << QRect(400, 150, 624, 600) << false
            << false;
        QTest::addRow("never answers, drops the first move")
            << std::optional(Manner::ListsButNeverAnswers) << whole << false << true;
    }

    void placesEveryWindowByItsRealFrame() {
        QFETCH(std::optional<Manner>, manner);
        QFETCH(QRect, screen);
        QFETCH(bool, forecasts);
        QFETCH(bool, dropsFirstMove);
        FakeDisplayInfo display;
        display.area = screen;
        // Where the window manager answers, the test waits as long as it
        // takes on a busy machine; elsewhere the program's own wait counts.
        platform::X11Frames::setAnswerWait(forecasts ? std::chrono::milliseconds(3000)
                                                     : platform::X11Frames::DefaultAnswerWait);
        std::optional<FakeWindowManager> windowManager;
        if (manner)
            windowManager.emplace(m_display, *manner, dropsFirstMove);

        // The first window: where the window manager forecasts its frame it
        // opens in its final place; elsewhere it moves there once framed.
        const std::unique_ptr<QWidget> main = fixedWindow(nullptr, {525, 358});
        const bool framed = manner.has_value();
        const auto [mainPlaced, mainWait] = showCentred(*main, screen, framed);
        // A few milliseconds at most (the old wait was a second), with room
        // for a busy machine.
        if (!forecasts)
            QVERIFY2(mainWait < 250, qPrintable(QStringLiteral("waited %1 ms").arg(mainWait)));
        QVERIFY2(isCentred(*main, screen, framed),
                 qPrintable(QStringLiteral("the first window's client area at %1, %2")
                                .arg(clientOnScreen(*main).x())
                                .arg(clientOnScreen(*main).y())));
        if (forecasts)
            QCOMPARE(main->geometry(), mainPlaced);
        const auto askedBefore = windowManager ? windowManager->questions().size() : 0;

        // A modal box it owns opens in its place from the start: by the
        // window manager's forecast, or by what the first window showed.
        const std::unique_ptr<QWidget> box = fixedWindow(main.get(), {300, 200});
        const QRect boxPlaced = showCentred(*box, screen, framed).first;
        QCOMPARE(box->geometry(), boxPlaced);
        QVERIFY(isCentred(*box, screen, framed));

        if (!windowManager)
            return;
        const std::vector<FakeWindowManager::Question> questions = windowManager->questions();
        if (forecasts) {
            // The box's stand-in was of its kind: modal, owned by the window.
            QVERIFY(questions.size() > askedBefore);
            QVERIFY(questions.back().modal);
            QCOMPARE(questions.back().transientFor, static_cast<uint32_t>(main->winId()));
        } else {
            // A window manager that left a question unanswered is not asked
            // again; one without conventions is never asked.
            QCOMPARE(questions.size(), askedBefore);
            if (*manner == Manner::NoConventions)
                QVERIFY(questions.empty());
        }
    }

    void platformForTheSession_data() {
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("sessionType");
        QTest::addColumn<QByteArray>("x11Display");
        QTest::addColumn<QByteArray>("chosenPlatform");
        QTest::addColumn<bool>("platformArgument");
        QTest::addColumn<bool>("throughXWayland");
        QTest::addRow("Wayland with XWayland") << QByteArray("wayland-0") << QByteArray("wayland")
                                               << QByteArray(":0") << QByteArray() << false << true;
        QTest::addRow("Wayland display only") << QByteArray("wayland-0") << QByteArray()
                                              << QByteArray(":1") << QByteArray() << false << true;
        QTest::addRow("Wayland session type only")
            << QByteArray() << QByteArray("wayland") << QByteArray(":0") << QByteArray() << false
            << true;
        QTest::addRow("Wayland without XWayland")
            << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray() << QByteArray()
            << false << false;
        QTest::addRow("platform chosen in the environment")
            << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray(":0")
            << QByteArray("wayland") << false << false;
        QTest::addRow("platform chosen on the command line")
            << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray(":0") << QByteArray()
            << true << false;
        QTest::addRow("X11 session") << QByteArray() << QByteArray("x11") << QByteArray(":0")
                                     << QByteArray() << false << false;
    }

    void platformForTheSession() {
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, sessionType);
        QFETCH(QByteArray, x11Display);
        QFETCH(QByteArray, chosenPlatform);
        QFETCH(bool, platformArgument);
        QFETCH(bool, throughXWayland);
        const platform::DesktopSession session{waylandDisplay, sessionType, x11Display,
                                               chosenPlatform, platformArgument};
        QCOMPARE(session.runsThroughXWayland(), throughXWayland);
    }

    void commandLineForQt() {
        char program[] = "orderform";
        char platformOption[] = "-platform";
        char offscreen[] = "offscreen";
        const QByteArray saved = qgetenv("WAYLAND_DISPLAY");
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        qunsetenv("QT_QPA_PLATFORM");

        char* alone[] = {program, nullptr};
        platform::QtCommandLine added(1, alone);
        QCOMPARE(added.count(), 3);
        QCOMPARE(QByteArray(added.arguments()[1]), QByteArray("-platform"));
        QCOMPARE(QByteArray(added.arguments()[2]), QByteArray("xcb"));
        QCOMPARE(added.arguments()[3], nullptr);

        char* chosen[] = {program, platformOption, offscreen, nullptr};
        platform::QtCommandLine kept(3, chosen);
        QCOMPARE(kept.count(), 3);
        QCOMPARE(QByteArray(kept.arguments()[2]), QByteArray("offscreen"));
        qputenv("WAYLAND_DISPLAY", saved);
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
};

int main(int argc, char* argv[]) {
    // Windows on a private X server, framed by the tests' own window managers.
    const PrivateXServer server;
    QApplication application(argc, argv);
    DesktopTest test(server.display());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
