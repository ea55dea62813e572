// Constructing and showing each window, opening the order window from the
// main window's menu and a click on a product. Every figure runs until the
// window or control has been painted (see WindowWatch.h).

#include "WindowWatch.h"
#include "windows/layout/FormControls.h"
#include "windows/order/OrderWindow.h"
#include "windows/order/OrderWindowControls.h"
#include "windows/shell/AboutWindow.h"
#include "windows/shell/MainWindow.h"
#include "windows/shell/MainWindowControls.h"
#include "windows/shell/SplashWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

namespace control = windows::order::order_control;

using windows::order::OrderWindow;
using windows::shell::AboutWindow;
using windows::shell::MainWindow;
using windows::shell::SplashWindow;

// The splash window shows itself as it is made, so its paint is looked for
// among all events from before its start.
class SplashPaintWatch final : public QObject {
public:
    SplashPaintWatch() { qApp->installEventFilter(this); }
    ~SplashPaintWatch() override { qApp->removeEventFilter(this); }
    SplashPaintWatch(const SplashPaintWatch&) = delete;
    SplashPaintWatch& operator=(const SplashPaintWatch&) = delete;

    void waitForPaint() const {
        while (!m_painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<SplashWindow*>(watched))
            m_painted = true;
        return false;
    }

private:
    bool m_painted = false;
};

void ShowSplashWindow(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = bench::Clock::now();
        QPointer<SplashWindow> splash;
        {
            const SplashPaintWatch watch;
            splash = SplashWindow::start();
            watch.waitForPaint();
        }
        state.SetIterationTime(bench::secondsSince(start));

        // Released before its second is up, so the main window never follows.
        splash->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (splash) {
            state.SkipWithError("the splash window outlived its unload");
            return;
        }
    }
}
BENCHMARK(ShowSplashWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

template <class Window>
void ConstructAndShow(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = bench::Clock::now();
        auto window = std::make_unique<Window>();
        bench::showAndWaitForPaint(*window);
        state.SetIterationTime(bench::secondsSince(start));
    }
}
BENCHMARK_TEMPLATE(ConstructAndShow, MainWindow)
    ->Name("MainWindow")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(ConstructAndShow, OrderWindow)
    ->Name("OrderWindow")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(ConstructAndShow, AboutWindow)
    ->Name("AboutWindow")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Sees the first paint of each order window, notes the time once that paint
// has been handed on, and closes the window again.
class OrderWindowCloser final : public QObject {
public:
    bench::Clock::time_point painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<OrderWindow*>(watched);
        if (!window || event->type() != QEvent::Paint || m_seen == window)
            return false;
        m_seen = window;
        QMetaObject::invokeMethod(
            window,
            [this, window] {
                painted = bench::Clock::now();
                window->reject();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    QPointer<OrderWindow> m_seen;
};

// From File > Show Order Form to the order window on screen.
void OrderWindowFromTheMenu(benchmark::State& state) {
    MainWindow mainWindow;
    bench::showAndWaitForPaint(mainWindow);
    auto* command = mainWindow.findChild<QAction*>(
        windows::layout::FormControls::keyOf(windows::shell::main_control::ShowOrderFormCommand));
    OrderWindowCloser closer;
    qApp->installEventFilter(&closer);
    for (auto _ : state) {
        const auto start = bench::Clock::now();
        command->trigger(); // returns once the modal window has closed again
        state.SetIterationTime(std::chrono::duration<double>(closer.painted - start).count());
    }
    qApp->removeEventFilter(&closer);
}
BENCHMARK(OrderWindowFromTheMenu)->UseManualTime()->Unit(benchmark::kMillisecond);
// The first time in a process, as after the program's start: meaningful only
// when it runs alone (scripts/bench runs it so, in a fresh process each time).
BENCHMARK(OrderWindowFromTheMenu)
    ->Name("OrderWindowFromTheMenu/first")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// From the click on a product to the four amounts repainted. With sales tax
// ticked, ticking and unticking the first product changes all four of them.
void ProductClickUpdatesTheTotals(benchmark::State& state) {
    OrderWindow window;
    bench::showAndWaitForPaint(window);
    const auto click = [](QWidget* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    };
    const auto named = [](std::string_view name, int index = -1) {
        return windows::layout::FormControls::keyOf(name, index);
    };
    click(window.findChild<QCheckBox*>(named(control::SalesTaxBox)));
    QCoreApplication::processEvents();

    bench::PaintWatch amounts;
    for (std::string_view name : {control::SubTotalAmount, control::SalesTaxAmount,
                                  control::ShippingAmount, control::TotalAmount})
        amounts.watch(*window.findChild<QLabel*>(named(name)));
    auto* product = window.findChild<QCheckBox*>(named(control::ProductBox, 0));
    for (auto _ : state) {
        amounts.reset();
        const auto start = bench::Clock::now();
        click(product);
        amounts.waitForAll();
        state.SetIterationTime(bench::secondsSince(start));
    }
}
BENCHMARK(ProductClickUpdatesTheTotals)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ProductClickUpdatesTheTotals)
    ->Name("ProductClickUpdatesTheTotals/first")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
