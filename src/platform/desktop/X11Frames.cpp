#include "platform/desktop/X11Frames.h"

#include "platform/desktop/FrameLog.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <X11/Xlib.h> // only for the name of the display that Qt is on
#include <algorithm>
#include <array>
#include <poll.h>

namespace platform {
namespace {

std::chrono::milliseconds answerWait = X11Frames::DefaultAnswerWait;

// The first question is asked for a plain framed window of this size.
constexpr uint16_t FirstQuestionSide = 100;

QByteArray displayNameOf(QNativeInterface::QX11Application& x11) {
    if (Display* display = x11.display())
        return DisplayString(display);
    return qgetenv("DISPLAY");
}

// _NET_FRAME_EXTENTS lists left, right, top and bottom.
QMargins marginsOf(const std::vector<uint32_t>& extents) {
    return {static_cast<int>(extents[0]), static_cast<int>(extents[2]),
            static_cast<int>(extents[1]), static_cast<int>(extents[3])};
}

// A stand-in made by Qt as it would make the window itself: same type, title
// and size limits, so the same window manager hints.
std::unique_ptr<QWindow> standInFor(const QWidget& window) {
    auto standIn = std::make_unique<QWindow>();
    standIn->setFlags(window.windowFlags());
    standIn->setTitle(window.windowTitle());
    standIn->resize(window.size());
    standIn->create();
    standIn->setMinimumSize(window.minimumSize());
    standIn->setMaximumSize(window.maximumSize());
    return standIn;
}

} // namespace

struct X11Frames::Question {
    xcb_window_t window = 0;
    Clock::time_point askedAt;
    bool answered = false;
};

X11Frames* X11Frames::instance() {
    // The own connection and its windows go when the program ends; nothing of
    // Qt's is kept beyond a call.
    static const std::unique_ptr<X11Frames> frames = []() -> std::unique_ptr<X11Frames> {
        auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        if (!x11 || !x11->connection())
            return nullptr;
        xcb_connection_t* own = xcb_connect(displayNameOf(*x11).constData(), nullptr);
        if (xcb_connection_has_error(own) != 0) {
            xcb_disconnect(own);
            return nullptr;
        }
        return std::unique_ptr<X11Frames>(new X11Frames(own, *x11));
    }();
    return frames.get();
}

void X11Frames::setAnswerWait(std::chrono::milliseconds wait) {
    answerWait = wait;
}

X11Frames::X11Frames(xcb_connection_t* connection, QNativeInterface::QX11Application& qt)
    : m_connection(connection)
    , m_qtConnection(qt.connection())
    , m_atoms(x11::Atoms::of(connection))
    , m_root(x11::rootOf(connection)) {
    followWindowManager();
}

X11Frames::~X11Frames() {
    xcb_disconnect(m_connection); // takes the first question's window with it
}

QMargins X11Frames::expectedFrame(const QWidget& window) {
    followWindowManager();
    if (m_firstQuestion && m_answers == Answers::NotYetKnown &&
        Clock::now() - m_firstQuestion->askedAt >= answerWait) {
        qCDebug(frameLog) << "the window manager has not answered the first question";
        m_answers = Answers::No;
    }
    if (m_answers != Answers::NotYetKnown)
        dropFirstQuestion();
    if (m_windowManager.value_or(0) != 0 && m_answers != Answers::No) {
        if (const std::optional<QMargins> forecast = forecastFor(window))
            return *forecast;
        qCDebug(frameLog) << "no forecast for" << window.windowTitle() << "in time";
        m_answers = Answers::No;
    }
    if (const auto learnt = m_learnt.find(kindOf(window)); learnt != m_learnt.end())
        return learnt->second;
    return m_learnt.empty() ? QMargins() : m_learnt.begin()->second;
}

std::optional<X11Frames::Place> X11Frames::placeOf(const QWidget& window) {
    const auto client = static_cast<xcb_window_t>(window.internalWinId());
    if (client == 0)
        return std::nullopt;
    const auto origin = x11::owned(xcb_translate_coordinates_reply(
        m_connection, xcb_translate_coordinates(m_connection, client, m_root, 0, 0), nullptr));
    const auto size = x11::owned(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, client), nullptr));
    const std::optional<QRect> outer = frameWindowRound(client);
    if (!origin || !size || !outer)
        return std::nullopt;
    const QRect onScreen(origin->dst_x, origin->dst_y, size->width, size->height);
    if (const std::optional<QMargins> extents = extentsOf(client)) {
        // The frame window may be larger (room to grab the edges), never smaller.
        if (!outer->contains(onScreen.marginsAdded(*extents)))
            return std::nullopt;
        return Place{onScreen, *extents};
    }
    if (m_tellsFrames || !outer->contains(onScreen))
        return std::nullopt;
    return Place{onScreen,
                 {onScreen.left() - outer->left(), onScreen.top() - outer->top(),
                  outer->right() - onScreen.right(), outer->bottom() - onScreen.bottom()}};
}

std::optional<QRect> X11Frames::frameWindowRound(xcb_window_t client) const {
    // The window manager holds the window in a frame window of its own: the
    // child of the root on the way up. Without one, the window is its own.
    xcb_window_t top = client;
    for (;;) {
        const auto tree = x11::owned(
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, top), nullptr));
        if (!tree)
            return std::nullopt;
        if (tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE)
            break;
        top = tree->parent;
    }
    const auto frame = x11::owned(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, top), nullptr));
    if (!frame)
        return std::nullopt;
    // Its x and y are the outer corner of its border; its size lies inside it.
    const int border = frame->border_width;
    return QRect(frame->x, frame->y, frame->width + 2 * border, frame->height + 2 * border);
}

void X11Frames::learn(const QWidget& window, const QMargins& frame) {
    m_learnt[kindOf(window)] = frame;
}

void X11Frames::moveClient(const QWidget& window, const QPoint& corner) {
    const auto client = static_cast<xcb_window_t>(window.internalWinId());
    if (client == 0)
        return;
    // As Qt asks: the window manager takes the place as the client area's on
    // the screen, and tells Qt where the window went.
    const std::array<uint32_t, 2> place{static_cast<uint32_t>(corner.x()),
                                        static_cast<uint32_t>(corner.y())};
    xcb_configure_window(m_connection, client, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y,
                         place.data());
    xcb_flush(m_connection);
}

void X11Frames::followWindowManager() {
    takeEvents();
    const xcb_window_t windowManager = x11::windowManagerOf(m_connection, m_atoms);
    if (windowManager == m_windowManager && !m_windowManagerGone)
        return;
    // Another window manager, or the first look: start afresh.
    m_windowManager = windowManager;
    m_windowManagerGone = false;
    if (windowManager != 0) {
        const uint32_t events = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, windowManager, XCB_CW_EVENT_MASK, &events);
    }
    const std::vector<uint32_t> conventions =
        windowManager == 0 ? std::vector<uint32_t>()
                           : x11::cardinals(m_connection, m_root, m_atoms.supported, XCB_ATOM_ATOM);
    m_tellsFrames = std::find(conventions.begin(), conventions.end(), m_atoms.frameExtents) !=
                    conventions.end();
    m_answers = Answers::NotYetKnown;
    m_learnt.clear();
    dropFirstQuestion();
    if (windowManager != 0)
        askFirstQuestion();
}

void X11Frames::dropFirstQuestion() {
    if (!m_firstQuestion)
        return;
    xcb_destroy_window(m_connection, m_firstQuestion->window);
    xcb_flush(m_connection);
    m_firstQuestion.reset();
}

void X11Frames::askFirstQuestion() {
    // A window manager may take tens of milliseconds over its first answer,
    // while it loads its theme; asked now, it has answered by the time the
    // first framed window is shown.
    auto question = std::make_unique<Question>();
    question->window = xcb_generate_id(m_connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, question->window, m_root, 0, 0,
                      FirstQuestionSide, FirstQuestionSide, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    ask(*question);
    m_firstQuestion = std::move(question);
}

std::optional<QMargins> X11Frames::forecastFor(const QWidget& window) {
    const std::unique_ptr<QWindow> standIn = standInFor(window);
    Question question;
    question.window = static_cast<xcb_window_t>(standIn->winId());
    // Qt made the stand-in on its own connection: once this round trip is
    // back, the X server knows it on this one too.
    x11::owned(
        xcb_get_input_focus_reply(m_qtConnection, xcb_get_input_focus(m_qtConnection), nullptr));
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(m_connection, question.window, XCB_CW_EVENT_MASK, &events);

    // Qt marks a window modal and names its owner only as it shows it; the
    // stand-in says so beforehand, as some window managers frame modal
    // dialogs differently.
    if (window.windowModality() != Qt::NonModal) {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, question.window, m_atoms.wmState,
                            XCB_ATOM_ATOM, 32, 1, &m_atoms.wmStateModal);
    }
    if (const QWidget* owner = window.parentWidget()) {
        const auto ownerWindow = static_cast<xcb_window_t>(owner->window()->internalWinId());
        if (ownerWindow != 0) {
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, question.window,
                                XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &ownerWindow);
        }
    }
    ask(question);
    if (!waitForAnswer(question))
        return std::nullopt;
    return extentsOf(question.window);
}

void X11Frames::ask(Question& question) {
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = question.window;
    request.type = m_atoms.requestFrameExtents;
    xcb_send_event(m_connection, 0, m_root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(m_connection);
    question.askedAt = Clock::now();
}

bool X11Frames::waitForAnswer(Question& question) {
    using std::chrono::duration_cast;
    using std::chrono::nanoseconds;
    const Clock::time_point deadline = question.askedAt + answerWait;
    m_waitingFor = &question;
    for (;;) {
        takeEvents();
        const Clock::duration left = deadline - Clock::now();
        if (question.answered || left <= Clock::duration::zero() ||
            xcb_connection_has_error(m_connection) != 0)
            break;
        // Asleep until the X server sends something on this connection, or
        // the time is up.
        pollfd connection{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        const timespec wait{0, static_cast<long>(duration_cast<nanoseconds>(left).count())};
        ppoll(&connection, 1, &wait, nullptr);
    }
    m_waitingFor = nullptr;
    return question.answered;
}

void X11Frames::takeEvents() {
    while (const auto event = x11::owned(xcb_poll_for_event(m_connection))) {
        if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY &&
            reinterpret_cast<const xcb_destroy_notify_event_t*>(event.get())->window ==
                m_windowManager) {
            m_windowManagerGone = true;
            continue;
        }
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            continue;
        const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event.get());
        if (change->atom != m_atoms.frameExtents || change->state != XCB_PROPERTY_NEW_VALUE)
            continue;
        // Only windows that were asked about report to this connection. An
        // answer that comes late is an answer all the same.
        if (m_answers == Answers::No)
            qCDebug(frameLog) << "the window manager answers late";
        m_answers = Answers::Yes;
        for (Question* question : {m_firstQuestion.get(), m_waitingFor}) {
            if (question && question->window == change->window)
                question->answered = true;
        }
    }
}

std::optional<QMargins> X11Frames::extentsOf(xcb_window_t window) const {
    const std::vector<uint32_t> extents =
        x11::cardinals(m_connection, window, m_atoms.frameExtents, XCB_ATOM_CARDINAL);
    if (extents.size() != 4)
        return std::nullopt;
    return marginsOf(extents);
}

X11Frames::Kind X11Frames::kindOf(const QWidget& window) {
    return {static_cast<int>(window.windowType()), window.windowModality() != Qt::NonModal};
}

} // namespace platform
