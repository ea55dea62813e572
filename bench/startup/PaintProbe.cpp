// Linked into the start-up harnesses, never into the program. Qt runs
// installProbe() from the QApplication constructor; from then on the probe
// sees every event of the program and writes a line to standard output for
// the first time each of these happens:
//
//     shown <window class> <width>x<height> <ns>     the window is shown
//     painted <window class> <width>x<height> <ns>   its first paint is done
//     timeout QTimer <interval in ms> <ns>           a timer of that interval fires
//
// <ns> is CLOCK_MONOTONIC in nanoseconds. A paint counts as done once it has
// been handed to the platform plugin: the probe queues the note from inside
// the window's paint event, so it is written when Qt is back in its event
// loop, after the flush.

#include <QCoreApplication>
#include <QEvent>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void note(const QByteArray& what, const QByteArray& detail, long long nanoseconds) {
    std::printf("%s %s %lld\n", what.constData(), detail.constData(), nanoseconds);
    std::fflush(stdout);
}

class PaintProbe final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Timer:
            if (const auto* timer = qobject_cast<const QTimer*>(watched))
                noteOnce("timeout", "QTimer " + QByteArray::number(timer->interval()));
            break;
        case QEvent::Show:
        case QEvent::Paint:
            if (watched->isWidgetType() && static_cast<const QWidget*>(watched)->isWindow())
                noteWindow(event->type(), *static_cast<const QWidget*>(watched));
            break;
        default:
            break;
        }
        return false;
    }

private:
    void noteOnce(const QByteArray& what, const QByteArray& detail) {
        if (!m_seen.contains(what + ' ' + detail)) {
            m_seen.insert(what + ' ' + detail);
            note(what, detail, monotonicNanoseconds());
        }
    }

    void noteWindow(QEvent::Type type, const QWidget& window) {
        const QByteArray detail = QByteArray(window.metaObject()->className()) + ' ' +
                                  QByteArray::number(window.width()) + 'x' +
                                  QByteArray::number(window.height());
        if (type == QEvent::Show) {
            noteOnce("shown", detail);
            return;
        }
        if (m_seen.contains("painted " + detail))
            return;
        m_seen.insert("painted " + detail);
        QMetaObject::invokeMethod(
            this, [detail] { note("painted", detail, monotonicNanoseconds()); },
            Qt::QueuedConnection);
    }

    QSet<QByteArray> m_seen;
};

void installProbe() {
    QCoreApplication::instance()->installEventFilter(new PaintProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
