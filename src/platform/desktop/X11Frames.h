#pragma once

#include "platform/desktop/X11Properties.h"

#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <utility>

class QWidget;
class QWindow;

namespace platform {

// What the program finds out about the window manager's frames on an X server,
// in the screen's pixels, in two ways: asked for before a window is shown
// (_NET_REQUEST_FRAME_EXTENTS, answered by most window managers), and read off
// the windows that are on the screen (their _NET_FRAME_EXTENTS, or the frame
// window round them, which even a window manager without any desktop
// conventions has).
//
// It talks to the X server through a connection of its own, so that waiting
// for the window manager's answer takes no event away from Qt and is a wait on
// that connection, never a loop of sleeps. A window manager that leaves a
// question unanswered is not asked again while it runs; what is learnt is
// forgotten when another window manager takes over.
class X11Frames final {
public:
    // The window manager's frame round a window on the screen, and where the
    // window's client area lies on the screen.
    struct Place {
        QRect client;
        QMargins frame;
    };

    // nullptr where the program does not run on an X server. Made on first
    // use, when it asks the window manager a first question without waiting
    // for the answer, so that a window manager that takes its time over the
    // first one has answered before the first window is shown.
    static X11Frames* instance();

    // How long a window waits for the window manager's forecast before it is
    // placed by what is known already. A window manager that is up answers
    // within a millisecond or two once it has answered a first question.
    static constexpr std::chrono::milliseconds DefaultAnswerWait{5};
    // A test on a busy machine may wait longer.
    static void setAnswerWait(std::chrono::milliseconds wait);

    X11Frames(const X11Frames&) = delete;
    X11Frames& operator=(const X11Frames&) = delete;
    ~X11Frames();

    // The frame that the window manager is expected to give `window`, which is
    // not on the screen yet: its own forecast for a stand-in of the same kind
    // (type, title, size limits, modality, owner), asked for with a wait of a
    // few milliseconds at most; else the frame it really gave the last window
    // of that kind or, failing that, of any kind; else none.
    QMargins expectedFrame(const QWidget& window);

    // Where the window manager really put `window`, which can be seen: once
    // it has finished framing it. Until then nothing: its frame window does
    // not hold the window and its frame yet, or it has not yet said how wide
    // the frame is, where it tells of its frames at all.
    std::optional<Place> placeOf(const QWidget& window);

    // Remembers the frame that the window manager really gave `window`.
    void learn(const QWidget& window, const QMargins& frame);

    // Asks for the client area of `window` to go to `corner` on the screen.
    void moveClient(const QWidget& window, const QPoint& corner);

private:
    using Clock = std::chrono::steady_clock;
    enum class Answers { NotYetKnown, Yes, No };
    // Windows of the same type and modality get the same frame.
    using Kind = std::pair<int, bool>;
    struct Question;

    X11Frames(xcb_connection_t* connection, QNativeInterface::QX11Application& qt);

    void followWindowManager();
    void askFirstQuestion();
    void dropFirstQuestion();
    std::optional<QMargins> forecastFor(const QWidget& window);
    void ask(Question& question);
    bool waitForAnswer(Question& question);
    void takeEvents();
    std::optional<QMargins> extentsOf(xcb_window_t window) const;
    std::optional<QRect> frameWindowRound(xcb_window_t client) const;

    static Kind kindOf(const QWidget& window);

    xcb_connection_t* m_connection;
    xcb_connection_t* m_qtConnection;
    x11::Atoms m_atoms;
    xcb_window_t m_root;
    // The window the window manager names as its own; not set until the
    // first look at the root window. The X server may give the same number
    // to the window of a window manager that takes over from this one, so
    // the window's end is watched for too.
    std::optional<xcb_window_t> m_windowManager;
    bool m_windowManagerGone = false;
    Answers m_answers = Answers::NotYetKnown;
    bool m_tellsFrames = false; // lists _NET_FRAME_EXTENTS among its conventions
    std::unique_ptr<Question> m_firstQuestion;
    Question* m_waitingFor = nullptr;
    std::map<Kind, QMargins> m_learnt;
};

} // namespace platform
