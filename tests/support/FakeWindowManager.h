#pragma once

#include <QByteArray>
#include <QMargins>
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

// A window manager for tests, on a connection of its own to a private X server
// (PrivateXServer) and in a thread of its own. It frames every window that is
// mapped (a frame window round it, Frame wide, the window placed as it asked
// with its corner where it asked for it) and moves it on request, and it
// behaves towards the desktop conventions for frames in one of the ways real
// window managers do.
class FakeWindowManager final {
public:
    enum class Manner {
        // Lists _NET_REQUEST_FRAME_EXTENTS, answers it and tells each window
        // its frame in _NET_FRAME_EXTENTS (openbox, xfwm4, metacity, ...).
        Answers,
        // Lists it, tells each window its frame, never answers (fluxbox).
        ListsButNeverAnswers,
        // Answers it without listing it, tells no window its frame (i3).
        AnswersWithoutListing,
        // Follows no desktop conventions at all, only frames (twm).
        NoConventions,
    };

    // Left, top, right and bottom all differ, so that a frame read in the
    // wrong order shows.
    static constexpr QMargins Frame{3, 23, 5, 7};

    // `dropsFirstMove`: the first request to move each framed window is
    // dropped, as a window manager still busy placing a new window may.
    FakeWindowManager(const QByteArray& display, Manner manner, bool dropsFirstMove = false);
    ~FakeWindowManager();
    FakeWindowManager(const FakeWindowManager&) = delete;
    FakeWindowManager& operator=(const FakeWindowManager&) = delete;

    // What a window that it was asked to forecast the frame of said of itself.
    struct Question {
        bool modal = false;
        uint32_t transientFor = 0;
    };
    std::vector<Question> questions() const;

private:
    void run();
    void handle(const xcb_generic_event_t& event);
    void frame(xcb_window_t client);
    void configure(const xcb_configure_request_event_t& request);
    void answer(xcb_window_t window);
    void tellPlace(xcb_window_t client);
    xcb_atom_t atom(const char* name) const;

    Manner m_manner;
    bool m_dropsFirstMove;
    std::set<xcb_window_t> m_firstMoveDropped;
    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    xcb_atom_t m_frameExtents;
    xcb_atom_t m_requestFrameExtents;
    xcb_atom_t m_wmState;
    xcb_atom_t m_wmStateModal;
    std::map<xcb_window_t, xcb_window_t> m_frameOf; // client -> frame window
    int m_stopPipe[2] = {-1, -1};
    mutable std::mutex m_mutex;
    std::vector<Question> m_questions;
    std::thread m_thread;
};
