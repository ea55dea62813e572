#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QSet>
#include <QWidget>
#include <chrono>
#include <functional>

// Helpers for timing what a person sees: a window or control counts as shown
// once it has been painted and Qt has gone back to its event loop, by which
// time the paint has been handed to the platform plugin.
namespace bench {

using Clock = std::chrono::steady_clock;

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Counts the paint events of the widgets it watches.
class PaintWatch final : public QObject {
public:
    void watch(QWidget& widget) {
        m_watched.insert(&widget);
        widget.installEventFilter(this);
    }
    void reset() { m_painted.clear(); }
    bool allPainted() const { return m_painted.size() == m_watched.size(); }

    // Runs the event loop until every watched widget has been painted. The
    // round of events that brought the last paint ends with its flush.
    void waitForAll() {
        while (!allPainted())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            m_painted.insert(watched);
        return false;
    }

private:
    QSet<QObject*> m_watched;
    QSet<QObject*> m_painted;
};

// Shows `window` and returns once it has been painted.
inline void showAndWaitForPaint(QWidget& window) {
    PaintWatch watch;
    watch.watch(window);
    window.show();
    watch.waitForAll();
}

} // namespace bench
