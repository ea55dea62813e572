#include "support/FakeWindowManager.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <unistd.h>

namespace {

template <class Reply>
std::unique_ptr<Reply, decltype(&std::free)> owned(Reply* reply) {
    return {reply, &std::free};
}

[[noreturn]] void fail(const char* why) {
    std::fprintf(stderr, "FakeWindowManager: %s\n", why);
    std::abort();
}

std::vector<uint32_t> values(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                             xcb_atom_t type) {
    const auto reply = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 64), nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {data, data + xcb_get_property_value_length(reply.get()) / 4};
}

} // namespace

FakeWindowManager::FakeWindowManager(const QByteArray& display, Manner manner, bool dropsFirstMove)
    : m_manner(manner)
    , m_dropsFirstMove(dropsFirstMove)
    , m_connection(xcb_connect(display.constData(), nullptr)) {
    if (xcb_connection_has_error(m_connection) != 0)
        fail("cannot reach the X server");
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    m_frameExtents = atom("_NET_FRAME_EXTENTS");
    m_requestFrameExtents = atom("_NET_REQUEST_FRAME_EXTENTS");
    m_wmState = atom("_NET_WM_STATE");
    m_wmStateModal = atom("_NET_WM_STATE_MODAL");

    const uint32_t rootEvents =
        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (const auto error = owned(xcb_request_check(
            m_connection, xcb_change_window_attributes_checked(m_connection, m_root,
                                                               XCB_CW_EVENT_MASK, &rootEvents))))
        fail("another window manager runs");

    if (manner != Manner::NoConventions) {
        const xcb_window_t check = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, check, m_root, -1, -1, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        const xcb_atom_t supportingCheck = atom("_NET_SUPPORTING_WM_CHECK");
        for (xcb_window_t on : {m_root, check}) {
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, on, supportingCheck,
                                XCB_ATOM_WINDOW, 32, 1, &check);
        }
        std::vector<xcb_atom_t> supported;
        if (manner == Manner::Answers || manner == Manner::ListsButNeverAnswers)
            supported = {m_frameExtents, m_requestFrameExtents};
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_root, atom("_NET_SUPPORTED"),
                            XCB_ATOM_ATOM, 32, static_cast<uint32_t>(supported.size()),
                            supported.data());
    }
    // In charge once the X server has taken all that in.
    owned(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    if (pipe(m_stopPipe) != 0)
        fail("no pipe");
    m_thread = std::thread(&FakeWindowManager::run, this);
}

FakeWindowManager::~FakeWindowManager() {
    const char stop = 1;
    [[maybe_unused]] const ssize_t written = write(m_stopPipe[1], &stop, 1);
    m_thread.join();
    close(m_stopPipe[0]);
    close(m_stopPipe[1]);
    // The framed windows go back to the root (they are in the save set), the
    // frames and the window manager's words on the root window go.
    const xcb_atom_t words[] = {atom("_NET_SUPPORTING_WM_CHECK"), atom("_NET_SUPPORTED")};
    for (xcb_atom_t word : words)
        xcb_delete_property(m_connection, m_root, word);
    xcb_disconnect(m_connection);
}

std::vector<FakeWindowManager::Question> FakeWindowManager::questions() const {
    const std::lock_guard lock(m_mutex);
    return m_questions;
}

void FakeWindowManager::run() {
    pollfd waits[2] = {{xcb_get_file_descriptor(m_connection), POLLIN, 0},
                       {m_stopPipe[0], POLLIN, 0}};
    for (;;) {
        while (const auto event = owned(xcb_poll_for_event(m_connection)))
            handle(*event);
        xcb_flush(m_connection);
        if (xcb_connection_has_error(m_connection) != 0)
            return;
        poll(waits, 2, -1);
        if (waits[1].revents != 0)
            return;
    }
}

void FakeWindowManager::handle(const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7f) {
    case XCB_MAP_REQUEST:
        frame(reinterpret_cast<const xcb_map_request_event_t&>(event).window);
        break;
    case XCB_CONFIGURE_REQUEST:
        configure(reinterpret_cast<const xcb_configure_request_event_t&>(event));
        break;
    case XCB_CLIENT_MESSAGE: {
        const auto& message = reinterpret_cast<const xcb_client_message_event_t&>(event);
        if (message.type == m_requestFrameExtents)
            answer(message.window);
        break;
    }
    case XCB_UNMAP_NOTIFY: {
        const auto& unmapped = reinterpret_cast<const xcb_unmap_notify_event_t&>(event);
        if (const auto framed = m_frameOf.find(unmapped.window); framed != m_frameOf.end())
            xcb_unmap_window(m_connection, framed->second);
        break;
    }
    default:
        break;
    }
}

void FakeWindowManager::frame(xcb_window_t client) {
    if (const auto framed = m_frameOf.find(client); framed != m_frameOf.end()) {
        xcb_map_window(m_connection, client);
        xcb_map_window(m_connection, framed->second);
        return;
    }
    const auto asked = owned(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, client), nullptr));
    if (!asked)
        return;
    const xcb_window_t frameWindow = xcb_generate_id(m_connection);
    const uint32_t events =
        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_create_window(
        m_connection, XCB_COPY_FROM_PARENT, frameWindow, m_root,
        static_cast<int16_t>(asked->x - Frame.left()), static_cast<int16_t>(asked->y - Frame.top()),
        static_cast<uint16_t>(asked->width + Frame.left() + Frame.right()),
        static_cast<uint16_t>(asked->height + Frame.top() + Frame.bottom()), 0,
        XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    if (m_manner == Manner::Answers || m_manner == Manner::ListsButNeverAnswers) {
        const uint32_t extents[] = {
            static_cast<uint32_t>(Frame.left()), static_cast<uint32_t>(Frame.right()),
            static_cast<uint32_t>(Frame.top()), static_cast<uint32_t>(Frame.bottom())};
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, client, m_frameExtents,
                            XCB_ATOM_CARDINAL, 32, 4, extents);
    }
    xcb_change_save_set(m_connection, XCB_SET_MODE_INSERT, client);
    xcb_reparent_window(m_connection, client, frameWindow, static_cast<int16_t>(Frame.left()),
                        static_cast<int16_t>(Frame.top()));
    xcb_map_window(m_connection, client);
    xcb_map_window(m_connection, frameWindow);
    m_frameOf[client] = frameWindow;
    tellPlace(client);
}

void FakeWindowManager::configure(const xcb_configure_request_event_t& request) {
    const auto framed = m_frameOf.find(request.window);
    if (framed == m_frameOf.end()) {
        // Not framed yet: as asked.
        std::vector<uint32_t> asked;
        const uint16_t mask =
            request.value_mask & (XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y |
                                  XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT);
        if (mask & XCB_CONFIG_WINDOW_X)
            asked.push_back(static_cast<uint32_t>(request.x));
        if (mask & XCB_CONFIG_WINDOW_Y)
            asked.push_back(static_cast<uint32_t>(request.y));
        if (mask & XCB_CONFIG_WINDOW_WIDTH)
            asked.push_back(request.width);
        if (mask & XCB_CONFIG_WINDOW_HEIGHT)
            asked.push_back(request.height);
        xcb_configure_window(m_connection, request.window, mask, asked.data());
        return;
    }
    const bool moves = (request.value_mask & (XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y)) != 0;
    if (moves && m_dropsFirstMove && m_firstMoveDropped.insert(request.window).second)
        return;
    // Framed: the window's corner goes where it asks, its frame round it.
    const auto now = owned(xcb_get_geometry_reply(
        m_connection, xcb_get_geometry(m_connection, framed->second), nullptr));
    const auto size = owned(xcb_get_geometry_reply(
        m_connection, xcb_get_geometry(m_connection, request.window), nullptr));
    if (!now || !size)
        return;
    const int x = request.value_mask & XCB_CONFIG_WINDOW_X ? request.x : now->x + Frame.left();
    const int y = request.value_mask & XCB_CONFIG_WINDOW_Y ? request.y : now->y + Frame.top();
    const int width = request.value_mask & XCB_CONFIG_WINDOW_WIDTH ? request.width : size->width;
    const int height =
        request.value_mask & XCB_CONFIG_WINDOW_HEIGHT ? request.height : size->height;
    const uint32_t frameGeometry[] = {static_cast<uint32_t>(x - Frame.left()),
                                      static_cast<uint32_t>(y - Frame.top()),
                                      static_cast<uint32_t>(width + Frame.left() + Frame.right()),
                                      static_cast<uint32_t>(height + Frame.top() + Frame.bottom())};
    xcb_configure_window(m_connection, framed->second,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT,
                         frameGeometry);
    const uint32_t clientSize[] = {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
    xcb_configure_window(m_connection, request.window,
                         XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, clientSize);
    tellPlace(request.window);
}

void FakeWindowManager::answer(xcb_window_t window) {
    Question question;
    const std::vector<uint32_t> state = values(m_connection, window, m_wmState, XCB_ATOM_ATOM);
    question.modal = std::find(state.begin(), state.end(), m_wmStateModal) != state.end();
    const std::vector<uint32_t> owner =
        values(m_connection, window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW);
    question.transientFor = owner.empty() ? 0 : owner[0];
    {
        const std::lock_guard lock(m_mutex);
        m_questions.push_back(question);
    }
    if (m_manner != Manner::Answers && m_manner != Manner::AnswersWithoutListing)
        return;
    const uint32_t extents[] = {
        static_cast<uint32_t>(Frame.left()), static_cast<uint32_t>(Frame.right()),
        static_cast<uint32_t>(Frame.top()), static_cast<uint32_t>(Frame.bottom())};
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, m_frameExtents,
                        XCB_ATOM_CARDINAL, 32, 4, extents);
}

void FakeWindowManager::tellPlace(xcb_window_t client) {
    // As window managers do, a word to the window of where it now is on the
    // screen, which its own events (relative to the frame) do not tell.
    const auto place = owned(xcb_translate_coordinates_reply(
        m_connection, xcb_translate_coordinates(m_connection, client, m_root, 0, 0), nullptr));
    const auto size = owned(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, client), nullptr));
    if (!place || !size)
        return;
    xcb_configure_notify_event_t notice{};
    notice.response_type = XCB_CONFIGURE_NOTIFY;
    notice.event = client;
    notice.window = client;
    notice.x = place->dst_x;
    notice.y = place->dst_y;
    notice.width = size->width;
    notice.height = size->height;
    xcb_send_event(m_connection, 0, client, XCB_EVENT_MASK_STRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&notice));
}

xcb_atom_t FakeWindowManager::atom(const char* name) const {
    const auto reply = owned(xcb_intern_atom_reply(
        m_connection,
        xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}
