#pragma once

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace platform {

// Follows windows of an X server through their framing: from the first event
// that says a window can be seen (an expose event) to the moment the window
// manager has finished framing and placing it. Window managers go about it in
// different orders: some show the window while its frame is still one pixel at
// the corner of the screen, then size the frame, say how wide it is, and move
// it.
class FramingWatch final : public QAbstractNativeEventFilter {
public:
    // Says whether the window manager has finished with the window.
    using Look = std::function<bool(QWidget& window)>;

    static FramingWatch& instance();

    // Calls `look` from the event loop once `window` can be seen, after Qt has
    // taken in the events that came before, and again after each later change
    // the X server reports for the window, until `look` returns true or half
    // a minute has passed. Nothing is called once the window is gone.
    void watch(QWidget& window, Look look);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    FramingWatch();

    struct Watched {
        QPointer<QWidget> window;
        Look look;
        QElapsedTimer shown; // not started until the window can be seen
        bool lookQueued = false;
    };

    void queueLook(Watched& watched);
    void lookNow(QWidget* window);
    Watched* find(const QWidget* window);

    std::vector<Watched> m_watched;
    // For a window manager that finishes without a word to the window itself.
    QTimer m_lookAgain;
    bool m_installed = false;
};

} // namespace platform
