#include "platform/desktop/FramingWatch.h"

#include "platform/desktop/FrameLog.h"

#include <QCoreApplication>
#include <algorithm>
#include <xcb/xcb.h>

namespace platform {
namespace {

// A window manager on a busy machine may take seconds over its first window
// (one that composites through software OpenGL more than most).
constexpr int GiveUpMilliseconds = 30000;
constexpr int LookAgainMilliseconds = 50;

// The window an event of the X server is about, where it is one of those that
// tell of a change in a window's state.
xcb_window_t windowOf(const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7f) {
    case XCB_EXPOSE:
        return reinterpret_cast<const xcb_expose_event_t&>(event).window;
    case XCB_CONFIGURE_NOTIFY:
        return reinterpret_cast<const xcb_configure_notify_event_t&>(event).window;
    case XCB_REPARENT_NOTIFY:
        return reinterpret_cast<const xcb_reparent_notify_event_t&>(event).window;
    case XCB_PROPERTY_NOTIFY:
        return reinterpret_cast<const xcb_property_notify_event_t&>(event).window;
    default:
        return 0;
    }
}

} // namespace

FramingWatch& FramingWatch::instance() {
    // Made once the application exists and never destroyed, so that its
    // timer never outlives the application's event loop; the application
    // forgets its filters when it goes.
    static auto* const watch = new FramingWatch;
    return *watch;
}

FramingWatch::FramingWatch() {
    m_lookAgain.setInterval(LookAgainMilliseconds);
    QObject::connect(&m_lookAgain, &QTimer::timeout, &m_lookAgain, [this] {
        for (Watched& watched : m_watched) {
            if (watched.shown.isValid())
                queueLook(watched);
        }
    });
}

void FramingWatch::watch(QWidget& window, Look look) {
    if (!m_installed) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_installed = true;
    }
    std::erase_if(m_watched, [](const Watched& watched) { return watched.window.isNull(); });
    m_watched.push_back({&window, std::move(look), {}, false});
    // Qt marks a window mapped at its first expose event.
    if (window.testAttribute(Qt::WA_Mapped)) {
        m_watched.back().shown.start();
        queueLook(m_watched.back());
    }
}

bool FramingWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                     qintptr* /*result*/) {
    if (m_watched.empty() || eventType != "xcb_generic_event_t")
        return false;
    const auto& event = *static_cast<const xcb_generic_event_t*>(message);
    const xcb_window_t window = windowOf(event);
    if (window == 0)
        return false;
    for (Watched& watched : m_watched) {
        if (!watched.window || watched.window->internalWinId() != window)
            continue;
        if (!watched.shown.isValid() && (event.response_type & 0x7f) == XCB_EXPOSE)
            watched.shown.start();
        if (watched.shown.isValid())
            queueLook(watched);
    }
    return false; // Qt goes on with the event as ever
}

void FramingWatch::queueLook(Watched& watched) {
    if (watched.lookQueued || !watched.window)
        return;
    watched.lookQueued = true;
    m_lookAgain.start();
    // Queued behind the event, so that Qt has taken it in first.
    QWidget* window = watched.window;
    QMetaObject::invokeMethod(
        window, [this, window] { lookNow(window); }, Qt::QueuedConnection);
}

void FramingWatch::lookNow(QWidget* window) {
    Watched* watched = find(window);
    if (!watched)
        return;
    watched->lookQueued = false;
    const qint64 seen = watched->shown.elapsed();
    // Held here: `look` may watch another window, which moves the list.
    const Look look = watched->look;
    const bool framed = look(*window);
    if (framed)
        qCDebug(frameLog) << window->windowTitle() << "frame settled after" << seen << "ms";
    else if (seen >= GiveUpMilliseconds)
        qCDebug(frameLog) << window->windowTitle() << "still not framed after" << seen << "ms";
    if (framed || seen >= GiveUpMilliseconds) {
        // `look` may have watched another window meanwhile.
        std::erase_if(m_watched, [window](const Watched& w) { return w.window == window; });
        std::erase_if(m_watched, [](const Watched& w) { return w.window.isNull(); });
    }
    if (std::none_of(m_watched.begin(), m_watched.end(),
                     [](const Watched& w) { return w.shown.isValid(); }))
        m_lookAgain.stop();
}

FramingWatch::Watched* FramingWatch::find(const QWidget* window) {
    const auto found = std::find_if(m_watched.begin(), m_watched.end(),
                                    [window](const Watched& w) { return w.window == window; });
    return found == m_watched.end() ? nullptr : &*found;
}

} // namespace platform
