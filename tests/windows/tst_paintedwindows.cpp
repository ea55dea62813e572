#include "platform/desktop/ClassicLook.h"
#include "platform/desktop/Twips.h"
#include "support/FakeDisplayInfo.h"
#include "support/TopLevelWindows.h"
#include "windows/order/OrderWindow.h"
#include "windows/shell/AboutWindow.h"
#include "windows/shell/MainWindow.h"
#include "windows/shell/MainWindowControls.h"
#include "windows/shell/SplashWindow.h"

#include <QTest>
#include <memory>

namespace {

// What a region of a window must show, sampled from the window as painted.
enum class Look {
    Filled, // the colour covers the region, nearly every pixel of it
    Shows,  // the colour is there, in a few pixels at least (text, a line)
    Lacks,  // the colour is nowhere in the region
};

struct Sample {
    QString window; // "order", "main", "about" or "splash"
    QRect twips;    // in the window's client area
    QColor colour;
    Look look;
};

// Pixels close to `colour`: anti-aliasing leaves glyph edges in between.
bool near(QColor pixel, QColor colour) {
    return qAbs(pixel.red() - colour.red()) <= 24 && qAbs(pixel.green() - colour.green()) <= 24 &&
           qAbs(pixel.blue() - colour.blue()) <= 24;
}

// The colours in a region, most frequent first, for a failure message.
QString coloursIn(const QImage& image, QRect region) {
    QMap<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            ++counts[image.pixel(x, y)];
    QList<std::pair<int, QRgb>> sorted;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        sorted.append({it.value(), it.key()});
    std::sort(sorted.rbegin(), sorted.rend());
    QStringList shown;
    for (const auto& [count, rgb] : sorted.mid(0, 5))
        shown << QStringLiteral("%1 x %2").arg(count).arg(QColor(rgb).name());
    return shown.join(QLatin1String(", "));
}

// The four windows, each shown and painted at 96 dpi; `inactive` puts
// another window in front first.
class PaintedWindows final {
public:
    PaintedWindows()
        : m_display({1024, 768}, 24) {
        m_splash = windows::shell::SplashWindow::start();
        m_main = std::make_unique<windows::shell::MainWindow>();
        m_about = std::make_unique<windows::shell::AboutWindow>(m_main.get());
        m_order = std::make_unique<windows::order::OrderWindow>(m_main.get());
    }
    ~PaintedWindows() { deleteTopLevelWindows<windows::shell::SplashWindow>(); }
    PaintedWindows(const PaintedWindows&) = delete;
    PaintedWindows& operator=(const PaintedWindows&) = delete;

    // The client area of the window as it paints itself, active or not.
    QImage picture(const QString& name, bool active) {
        QWidget* window = windowNamed(name);
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            return {};
        QWidget* front = active ? window : &m_otherWindow;
        front->show();
        front->activateWindow();
        if (!QTest::qWaitForWindowActive(front))
            return {};
        if (window->isActiveWindow() != active)
            return {};
        QWidget* client = name == "main" ? m_main->centralWidget() : window;
        return client->grab().toImage();
    }

private:
    QWidget* windowNamed(const QString& name) const {
        if (name == "order")
            return m_order.get();
        if (name == "main")
            return m_main.get();
        if (name == "about")
            return m_about.get();
        return m_splash;
    }

    FakeDisplayInfo m_display;
    QWidget m_otherWindow; // another program's, say
    windows::shell::SplashWindow* m_splash = nullptr;
    std::unique_ptr<windows::shell::MainWindow> m_main;
    std::unique_ptr<windows::shell::AboutWindow> m_about;
    std::unique_ptr<windows::order::OrderWindow> m_order;
};

} // namespace

Q_DECLARE_METATYPE(Look)

// The windows as painted, not as asked for: backgrounds of panels, frames and
// filled labels, the colours of coloured captions, alignment, wrapping,
// borders and the tax box's square, with the window active and inactive.
// Regions are in twips of the window's client area, written out here.
class PaintedWindowsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::applyClassicLook(); }

    void regions_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<Look>("look");
        QTest::addColumn<bool>("active");
        const QColor grey(192, 192, 192);
        const QColor white(255, 255, 255);
        const QColor black(0, 0, 0);
        const QColor red(255, 0, 0);
        const QColor navy(0, 0, 64);
        const QColor yellow(255, 255, 0);
        const QColor cyan(0, 255, 255);
        const auto row = [](const char* name, const char* window, QRect twips, QColor colour,
                            Look look) {
            for (bool active : {true, false}) {
                QTest::addRow("%s, %s", name, active ? "active" : "inactive")
                    << QString::fromLatin1(window) << twips << colour << look << active;
            }
        };
        using enum Look;
        // The order window
        row("window's edge", "order", {15, 15, 90, 90}, grey, Filled);
        row("panel between controls", "order", {300, 2190, 5400, 60}, grey, Filled);
        row("description box", "order", {300, 1380, 5500, 720}, white, Filled);
        row("description box's border", "order", {240, 1380, 15, 720}, white, Lacks);
        row("comments note", "order", {300, 5895, 400, 360}, white, Filled);
        row("comments note's red text", "order", {240, 5880, 5655, 390}, red, Shows);
        row("comments note centred", "order", {255, 5895, 600, 360}, red, Lacks);
        row("total due caption", "order", {2760, 2280, 1500, 180}, QColor(0, 0, 255), Shows);
        row("catalogue caption", "order", {6000, 240, 3000, 180}, QColor(0, 0, 192), Shows);
        row("payment caption", "order", {240, 3075, 2000, 180}, QColor(0, 0, 192), Shows);
        row("total due frame inside", "order", {2820, 4980, 2900, 60}, grey, Filled);
        row("sub-total amount", "order", {4800, 2760, 855, 255}, black, Shows);
        row("sub-total right-aligned", "order", {4800, 2760, 360, 255}, black, Lacks);
        row("shipping amount in red", "order", {4800, 3600, 870, 330}, red, Shows);
        row("sales-tax prompt", "order", {2880, 4560, 2295, 240}, QColor(128, 0, 0), Shows);
        row("sales-tax prompt wraps", "order", {2880, 4800, 2295, 255}, QColor(128, 0, 0), Shows);
        row("tax box's square on the right", "order", {5415, 4560, 240, 495}, white, Shows);
        row("tax box's left part", "order", {5175, 4575, 180, 465}, white, Lacks);
        row("print button's face", "order", {6060, 5940, 600, 240}, QColor(0, 255, 0), Filled);
        row("save button's face", "order", {6060, 5580, 300, 240}, grey, Filled);
        row("disabled card field", "order", {3300, 5250, 300, 180}, white, Filled);
        row("product caption", "order", {6240, 1680, 2535, 195}, black, Shows);
        // The main window, below its menu bar
        row("main window", "main", {30, 30, 300, 180}, white, Filled);
        row("introduction", "main", {360, 240, 7212, 600}, black, Shows);
        row("introduction wraps", "main", {360, 3000, 7212, 1500}, black, Shows);
        // The About window
        row("about window", "about", {15, 15, 300, 300}, navy, Filled);
        row("title transparent", "about", {1320, 360, 120, 204}, navy, Filled);
        row("title in cyan", "about", {1320, 360, 1284, 204}, cyan, Shows);
        row("edition's own background", "about", {1404, 840, 120, 192}, QColor(64, 0, 64), Filled);
        row("edition in yellow", "about", {1404, 840, 1212, 192}, yellow, Shows);
        row("contact box", "about", {420, 1980, 300, 300}, white, Filled);
        row("contact box's border", "about", {360, 2000, 15, 900}, white, Lacks);
        row("contact text", "about", {360, 1920, 3075, 1050}, black, Shows);
        row("web address button's face", "about", {600, 3135, 2700, 30}, yellow, Filled);
        row("OK button's face", "about", {420, 420, 120, 360}, grey, Filled);
        // The splash window
        row("splash window", "splash", {15, 15, 90, 1400}, QColor(0, 0, 192), Filled);
        row("splash text in red", "splash", {120, 120, 2655, 1095}, red, Shows);
        row("splash text transparent", "splash", {2400, 120, 375, 300}, QColor(0, 0, 192), Filled);
    }

    void regions() {
        QFETCH(QString, window);
        QFETCH(QRect, twips);
        QFETCH(QColor, colour);
        QFETCH(Look, look);
        QFETCH(bool, active);
        PaintedWindows windows;
        const QImage image = windows.picture(window, active);
        QVERIFY2(!image.isNull(), "the window did not come up, or not in the state asked for");
        QCOMPARE(image.devicePixelRatio(), 1.0);
        const QRect region =
            platform::twips::toPixels(twips.left(), twips.top(), twips.width(), twips.height())
                .intersected(image.rect());
        QVERIFY(!region.isEmpty());

        int matching = 0;
        for (int y = region.top(); y <= region.bottom(); ++y)
            for (int x = region.left(); x <= region.right(); ++x)
                matching += near(image.pixelColor(x, y), colour) ? 1 : 0;
        const int all = region.width() * region.height();
        const bool holds = look == Look::Filled  ? matching >= all * 95 / 100
                           : look == Look::Shows ? matching >= 3
                                                 : matching == 0;
        QVERIFY2(holds, qPrintable(QStringLiteral("%1 of %2 pixels near %3; %4")
                                       .arg(matching)
                                       .arg(all)
                                       .arg(colour.name(), coloursIn(image, region))));
    }
};

QTEST_MAIN(PaintedWindowsTest)
#include "tst_paintedwindows.moc"
