#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>
#include <xcb/xcb.h>

// Small helpers for talking to the X server through xcb, the library Qt itself
// uses there.
namespace platform::x11 {

template <class Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
ReplyPointer<Reply> owned(Reply* reply) {
    return ReplyPointer<Reply>(reply, &std::free);
}

// The names of the desktop conventions that the frame logic uses, asked for
// once per connection.
struct Atoms {
    xcb_atom_t frameExtents;        // _NET_FRAME_EXTENTS
    xcb_atom_t requestFrameExtents; // _NET_REQUEST_FRAME_EXTENTS
    xcb_atom_t supported;           // _NET_SUPPORTED
    xcb_atom_t supportingWmCheck;   // _NET_SUPPORTING_WM_CHECK
    xcb_atom_t wmState;             // _NET_WM_STATE
    xcb_atom_t wmStateModal;        // _NET_WM_STATE_MODAL

    static Atoms of(xcb_connection_t* connection);
};

xcb_window_t rootOf(xcb_connection_t* connection);

// The 32-bit values of a window property; empty when it is not set.
std::vector<uint32_t> cardinals(xcb_connection_t* connection, xcb_window_t window,
                                xcb_atom_t property, xcb_atom_t type);

// The window that a window manager following the desktop conventions names as
// its own on the root window, while it is still there to answer through it;
// 0 when there is none (no window manager, one that follows no conventions,
// or one that has gone away and left its words behind).
xcb_window_t windowManagerOf(xcb_connection_t* connection, const Atoms& atoms);

} // namespace platform::x11
