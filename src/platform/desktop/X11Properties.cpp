#include "platform/desktop/X11Properties.h"

namespace platform::x11 {
namespace {

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
    const auto reply = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

Atoms Atoms::of(xcb_connection_t* connection) {
    return {atom(connection, "_NET_FRAME_EXTENTS"), atom(connection, "_NET_REQUEST_FRAME_EXTENTS"),
            atom(connection, "_NET_SUPPORTED"),     atom(connection, "_NET_SUPPORTING_WM_CHECK"),
            atom(connection, "_NET_WM_STATE"),      atom(connection, "_NET_WM_STATE_MODAL")};
}

xcb_window_t rootOf(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

std::vector<uint32_t> cardinals(xcb_connection_t* connection, xcb_window_t window,
                                xcb_atom_t property, xcb_atom_t type) {
    const auto reply = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr));
    if (!reply || reply->format != 32 || reply->type != type)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

xcb_window_t windowManagerOf(xcb_connection_t* connection, const Atoms& atoms) {
    const xcb_atom_t check = atoms.supportingWmCheck;
    const std::vector<uint32_t> named =
        cardinals(connection, rootOf(connection), check, XCB_ATOM_WINDOW);
    // The window must name itself too: the root's word outlives a window
    // manager that has gone away.
    if (named.size() != 1 || cardinals(connection, named[0], check, XCB_ATOM_WINDOW) != named)
        return 0;
    return named[0];
}

} // namespace platform::x11
