#include "platform/desktop/WindowFrame.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>
#include <xcb/xcb.h>

namespace platform {
namespace {

// How long to wait for the window manager's forecast before placing the
// window without it; a window manager that is up answers in a millisecond.
constexpr int ForecastWaitMilliseconds = 1000;

template <class Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
    const ReplyPointer<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data()),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a window property; empty when it is not set.
std::vector<uint32_t> cardinals(xcb_connection_t* connection, xcb_window_t window,
                                xcb_atom_t property, xcb_atom_t type) {
    const ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 32 || reply->type != type)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

class X11Frames final {
public:
    // The names the desktop conventions use, asked for once: the program
    // keeps its one connection to the X server for the whole run.
    struct Atoms {
        xcb_atom_t frameExtents;
        xcb_atom_t requestFrameExtents;
        xcb_atom_t supportingWmCheck;
        xcb_atom_t supported;
    };

    X11Frames(xcb_connection_t* connection, const Atoms& atoms)
        : m_connection(connection)
        , m_root(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root)
        , m_atoms(atoms) {}

    static Atoms atomsOf(xcb_connection_t* connection) {
        return {atom(connection, "_NET_FRAME_EXTENTS"),
                atom(connection, "_NET_REQUEST_FRAME_EXTENTS"),
                atom(connection, "_NET_SUPPORTING_WM_CHECK"), atom(connection, "_NET_SUPPORTED")};
    }

    // A window manager that follows the desktop conventions says which of
    // them it supports on the root window; without one nothing gets a frame.
    // Those words outlive a window manager that has gone away, so it must
    // also still answer through the window it names as its own.
    bool windowManagerForecasts() const {
        const xcb_atom_t check = m_atoms.supportingWmCheck;
        const std::vector<uint32_t> named = cardinals(m_connection, m_root, check, XCB_ATOM_WINDOW);
        if (named.size() != 1 || cardinals(m_connection, named[0], check, XCB_ATOM_WINDOW) != named)
            return false;
        const std::vector<uint32_t> supported =
            cardinals(m_connection, m_root, m_atoms.supported, XCB_ATOM_ATOM);
        return std::find(supported.begin(), supported.end(), m_atoms.requestFrameExtents) !=
               supported.end();
    }

    // Left, right, top and bottom in the screen's pixels.
    std::optional<std::array<uint32_t, 4>> forecastFor(xcb_window_t window) const {
        requestForecast(window);
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < ForecastWaitMilliseconds) {
            if (auto forecast = extents(window))
                return forecast;
            QThread::msleep(1);
        }
        return std::nullopt;
    }

private:
    std::optional<std::array<uint32_t, 4>> extents(xcb_window_t window) const {
        const std::vector<uint32_t> values =
            cardinals(m_connection, window, m_atoms.frameExtents, XCB_ATOM_CARDINAL);
        if (values.size() != 4)
            return std::nullopt;
        return std::array<uint32_t, 4>{values[0], values[1], values[2], values[3]};
    }

    void requestForecast(xcb_window_t window) const {
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = window;
        request.type = m_atoms.requestFrameExtents;
        xcb_send_event(m_connection, 0, m_root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&request));
        xcb_flush(m_connection);
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    Atoms m_atoms;
};

int toWindowPixels(uint32_t screenPixels, qreal ratio) {
    return static_cast<int>(std::lround(screenPixels / ratio));
}

} // namespace

QMargins windowFrame(QWidget& window) {
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return {};
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) {
        // Elsewhere Qt knows the frame once the window is on the screen.
        const QRect inner = window.geometry();
        const QRect outer = window.frameGeometry();
        return {inner.left() - outer.left(), inner.top() - outer.top(),
                outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    }
    static const X11Frames::Atoms atoms = X11Frames::atomsOf(x11->connection());
    const X11Frames frames(x11->connection(), atoms);
    if (!frames.windowManagerForecasts())
        return {};
    // The window manager forecasts the frame of a native window from its
    // type, title and size hints. A stand-in with the same ones is asked, so
    // that the window itself stays as Qt would create it when it is shown.
    QWindow standIn;
    standIn.setFlags(window.windowFlags());
    standIn.setTitle(window.windowTitle());
    standIn.resize(window.size());
    standIn.create();
    standIn.setMinimumSize(window.minimumSize());
    standIn.setMaximumSize(window.maximumSize());
    const auto frame = frames.forecastFor(static_cast<xcb_window_t>(standIn.winId()));
    if (!frame)
        return {};
    const qreal ratio = window.devicePixelRatioF();
    const auto [left, right, top, bottom] = *frame;
    return {toWindowPixels(left, ratio), toWindowPixels(top, ratio), toWindowPixels(right, ratio),
            toWindowPixels(bottom, ratio)};
}

} // namespace platform
