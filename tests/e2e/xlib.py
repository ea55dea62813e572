"""The few requests to the X server that no command-line tool makes: asking a
window to close as a window manager's close box does (WM_DELETE_WINDOW),
a window's parent, a window property's values, and a window of the test's
own. Through the X library itself (libX11, with ctypes), so it stays
standard library only.
"""

import ctypes

_x = ctypes.CDLL("libX11.so.6")
_Window = ctypes.c_ulong
_Atom = ctypes.c_ulong

_CLIENT_MESSAGE = 33
_ANY_PROPERTY_TYPE = 0
_IS_UNMAPPED = 0
_IS_VIEWABLE = 2
_US_POSITION = 1 << 0
_US_SIZE = 1 << 1


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", _Window), ("message_type", _Atom), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


class _WindowAttributes(ctypes.Structure):
    _fields_ = [*((name, ctypes.c_int) for name in (
                    "x", "y", "width", "height", "border_width", "depth")),
                ("visual", ctypes.c_void_p), ("root", _Window),
                *((name, ctypes.c_int) for name in (
                    "window_class", "bit_gravity", "win_gravity", "backing_store")),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
                ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int),
                ("all_event_masks", ctypes.c_long), ("your_event_mask", ctypes.c_long),
                ("do_not_propagate_mask", ctypes.c_long), ("override_redirect", ctypes.c_int),
                ("screen", ctypes.c_void_p)]


class _SizeHints(ctypes.Structure):
    _fields_ = [("flags", ctypes.c_long),
                *((name, ctypes.c_int) for name in (
                    "x", "y", "width", "height", "min_width", "min_height", "max_width",
                    "max_height", "width_inc", "height_inc", "min_aspect_x", "min_aspect_y",
                    "max_aspect_x", "max_aspect_y", "base_width", "base_height",
                    "win_gravity"))]


_x.XOpenDisplay.restype = ctypes.c_void_p
_x.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x.XCloseDisplay.argtypes = [ctypes.c_void_p]
_x.XDefaultRootWindow.restype = _Window
_x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x.XInternAtom.restype = _Atom
_x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x.XQueryTree.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(_Window),
                          ctypes.POINTER(_Window), ctypes.POINTER(ctypes.POINTER(_Window)),
                          ctypes.POINTER(ctypes.c_uint)]
_x.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, _Window, _Atom, ctypes.c_long, ctypes.c_long, ctypes.c_int, _Atom,
    ctypes.POINTER(_Atom), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
_x.XFree.argtypes = [ctypes.c_void_p]
_x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(_WindowAttributes)]
_x.XGetInputFocus.argtypes = [ctypes.c_void_p, ctypes.POINTER(_Window),
                              ctypes.POINTER(ctypes.c_int)]
_x.XSendEvent.argtypes = [ctypes.c_void_p, _Window, ctypes.c_int, ctypes.c_long,
                          ctypes.POINTER(_Event)]
_x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x.XCreateSimpleWindow.restype = _Window
_x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, _Window, ctypes.c_int, ctypes.c_int,
                                   ctypes.c_uint, ctypes.c_uint, ctypes.c_uint,
                                   ctypes.c_ulong, ctypes.c_ulong]
_x.XStoreName.argtypes = [ctypes.c_void_p, _Window, ctypes.c_char_p]
_x.XSetWMNormalHints.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(_SizeHints)]
_x.XMapWindow.argtypes = [ctypes.c_void_p, _Window]
_x.XDestroyWindow.argtypes = [ctypes.c_void_p, _Window]

# A request about a window that has just gone fails with an error; the
# library's own handler would end the test there, this one lets the request
# report it.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(
    lambda display, event: 0)
_x.XSetErrorHandler(_ERROR_HANDLER)


class Display:
    """A connection to the X server named `name` (":3"; None: $DISPLAY's),
    closed at the end of a `with` block."""

    def __init__(self, name):
        self._display = _x.XOpenDisplay(name.encode() if name else None)
        if not self._display:
            raise OSError(f"cannot open the X display {name}")
        self.root = _x.XDefaultRootWindow(self._display)

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        _x.XCloseDisplay(self._display)
        return False

    def atom(self, name):
        return _x.XInternAtom(self._display, name.encode(), 0)

    def _tree(self, window):
        """The window's parent and children, or None once the window is gone."""
        root, parent = _Window(), _Window()
        children, count = ctypes.POINTER(_Window)(), ctypes.c_uint()
        if not _x.XQueryTree(self._display, window, ctypes.byref(root), ctypes.byref(parent),
                             ctypes.byref(children), ctypes.byref(count)):
            return None
        listed = list(children[:count.value]) if children else []
        if children:
            _x.XFree(children)
        return parent.value, listed

    def parent(self, window):
        """The window's parent, or None once the window is gone."""
        tree = self._tree(window)
        return tree[0] if tree else None

    def children(self, window):
        """The window's children, bottom to top; none once the window is gone."""
        tree = self._tree(window)
        return tree[1] if tree else []

    def place(self, window):
        """(left, top, width, height) of the window within its parent's
        inside, its border left out."""
        attributes = _WindowAttributes()
        _x.XGetWindowAttributes(self._display, window, ctypes.byref(attributes))
        return attributes.x, attributes.y, attributes.width, attributes.height

    def is_viewable(self, window):
        return self._map_state(window) == _IS_VIEWABLE

    def _map_state(self, window):
        attributes = _WindowAttributes()
        if not _x.XGetWindowAttributes(self._display, window, ctypes.byref(attributes)):
            return _IS_UNMAPPED
        return attributes.map_state

    def viewable_windows_of(self, pid):
        """The viewable windows that the process `pid` says are its own
        (_NET_WM_PID), top-level ones and those framed by a window manager,
        as xdotool's search finds them but without starting a process for
        each look."""
        found = []
        unvisited = [self.root]
        while unvisited:
            tree = self._tree(unvisited.pop())
            for child in tree[1] if tree else ():
                if self._map_state(child) != _IS_VIEWABLE:
                    continue
                if self.cardinals(child, "_NET_WM_PID") == [pid]:
                    found.append(child)
                else:
                    unvisited.append(child)
        return found

    def top_level_ancestor(self, window):
        """The window's ancestor that is a child of the root window: the
        window manager's frame, or the window itself where it has none."""
        while (parent := self.parent(window)) not in (None, self.root):
            window = parent
        return window

    def focus(self):
        """The window with the keyboard focus: 0 for none, 1 for whichever is
        under the pointer."""
        window, revert_to = _Window(), ctypes.c_int()
        _x.XGetInputFocus(self._display, ctypes.byref(window), ctypes.byref(revert_to))
        return window.value

    def _property(self, window, name, size):
        """The values of a window property of `size` bits each, as bytes and
        their number; None where it is not set or has values of another size."""
        kind, actual_size, count, left = (_Atom(), ctypes.c_int(), ctypes.c_ulong(),
                                          ctypes.c_ulong())
        data = ctypes.c_void_p()
        status = _x.XGetWindowProperty(
            self._display, window, self.atom(name), 0, 1 << 24, 0, _ANY_PROPERTY_TYPE,
            ctypes.byref(kind), ctypes.byref(actual_size), ctypes.byref(count),
            ctypes.byref(left), ctypes.byref(data))
        if status != 0 or not data:
            return None
        try:
            if actual_size.value != size:
                return None
            # The library hands 32-bit values over as C longs.
            item = ctypes.sizeof(ctypes.c_ulong) if size == 32 else 1
            return ctypes.string_at(data, count.value * item), count.value
        finally:
            _x.XFree(data)

    def cardinals(self, window, name):
        """The values of a 32-bit window property, or None where it is not set."""
        found = self._property(window, name, 32)
        if found is None:
            return None
        data, count = found
        return list((ctypes.c_ulong * count).from_buffer_copy(data))

    def text(self, window, name):
        """A text property in UTF-8 (such as _NET_WM_NAME), or None where it is
        not set."""
        found = self._property(window, name, 8)
        return found[0].decode("utf-8", "replace") if found else None

    def ask_to_close(self, window):
        """What a window manager's close box does: the WM_DELETE_WINDOW message."""
        event = _Event()
        event.client.type = _CLIENT_MESSAGE
        event.client.window = window
        event.client.message_type = self.atom("WM_PROTOCOLS")
        event.client.format = 32
        event.client.data[0] = self.atom("WM_DELETE_WINDOW")
        _x.XSendEvent(self._display, window, 0, 0, ctypes.byref(event))
        _x.XSync(self._display, 0)

    def map_window(self, title, left, top, width, height):
        """Maps a plain window of this connection at a place of its own
        choosing, as a user-placed window (which every window manager takes
        without asking the user where), and gives its id."""
        window = _x.XCreateSimpleWindow(self._display, self.root, left, top, width, height, 0,
                                        0, 0)
        _x.XStoreName(self._display, window, title.encode())
        hints = _SizeHints(flags=_US_POSITION | _US_SIZE, x=left, y=top, width=width,
                           height=height)
        _x.XSetWMNormalHints(self._display, window, ctypes.byref(hints))
        _x.XMapWindow(self._display, window)
        _x.XSync(self._display, 0)
        return window

    def destroy_window(self, window):
        _x.XDestroyWindow(self._display, window)
        _x.XSync(self._display, 0)
