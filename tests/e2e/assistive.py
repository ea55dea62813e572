"""The program's windows and controls as assistive tools find them: over the
accessibility bus (AT-SPI), by accessible name and role, at the places on
the screen that the bus reports for them. The tests click inside those
places and read the keyboard focus from the bus; where a control lies is
never worked out from the layout.

A script that uses them first runs itself again in a private D-Bus session
(in_private_session()), in which the accessibility bus starts on demand, and
starts the program with start_accessible(): Qt joins the bus with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.

Needs Debian's python3-pyatspi, so the scripts run with the system's
/usr/bin/python3.
"""

import atexit
import os
import shutil
import sys
import tempfile

import pyatspi
from gi.repository import GLib

from orderform_e2e import Program, Window, check, wait_for, xdotool

PRIVATE_SESSION = "ORDERFORM_E2E_PRIVATE_DBUS_SESSION"
# What a person clicks, types into or ticks.
CONTROL_ROLES = (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT,
                 pyatspi.ROLE_PUSH_BUTTON)


def in_private_session():
    """Runs this script again in a private D-Bus session, unless it runs in
    one already. dbus-run-session ends its bus by its process id once the
    script ends.

    The session gets a runtime folder of its own too: the accessibility bus
    puts its socket there, at a path that is the same for every session of
    the user otherwise, so that two tests at the same time would take over
    each other's bus."""
    runtime = os.environ.get(PRIVATE_SESSION)
    if not runtime:
        runtime = tempfile.mkdtemp(prefix="orderform-e2e-session-")
        os.environ[PRIVATE_SESSION] = runtime
        os.environ["XDG_RUNTIME_DIR"] = runtime
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])
    atexit.register(shutil.rmtree, runtime, ignore_errors=True)


def find(root, name, *roles, timeout=10):
    """The first accessible below root with this name and one of the roles."""
    def probe():
        return pyatspi.findDescendant(
            root, lambda node: node is not None and node.name == name and node.getRole() in roles)
    return wait_for(probe, timeout, f"an accessible {name!r}", interval=0.1)


def _take_news_from_the_bus():
    """Handles what the bus has announced meanwhile, such as a program that
    joined it: the registry's list of programs follows those announcements,
    which nothing else here would wait for."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def program_on_bus(pid):
    def probe():
        _take_news_from_the_bus()
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.get_process_id() == pid:
                return application
        return None
    return wait_for(probe, 60, "the program on the accessibility bus", interval=0.1)


def do_action(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    check(action in names, f"{node.name!r} offers {names}, not {action!r}")
    actions.doAction(names.index(action))


def is_enabled(node):
    return node.getState().contains(pyatspi.STATE_ENABLED)


def accessibility_bus_ready():
    """The accessibility bus and its registry answer: asking the registry for
    the desktop starts both on demand. The program starts only then, so that
    it never registers with a registry still on its way up."""
    def probe():
        try:
            return pyatspi.Registry.getDesktop(0).childCount >= 0
        except Exception:  # not up yet
            return False
    wait_for(probe, 60, "the accessibility bus", interval=0.1)


def accessible_environment(environment=None):
    """What the program needs besides to join the private session's
    accessibility bus."""
    return {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"],
            **(environment or {})}


def start_accessible(desktop, environment=None, **options):
    """Starts the program on the desktop (as Desktop.start_program does) on
    the accessibility bus, once the bus answers."""
    accessibility_bus_ready()
    started = desktop.start_program(environment=accessible_environment(environment), **options)
    return AccessibleProgram(started.process)


class AccessibleProgram(Program):
    """The program, with its windows found on the accessibility bus too."""

    def __init__(self, process):
        super().__init__(process)
        self.application = program_on_bus(self.pid)

    def find_window(self, title):
        found = super().find_window(title)
        return AccessibleWindow(found.id, self) if found else None


class AccessibleWindow(Window):
    """A top-level window whose controls are found by their accessible names
    and clicked inside the extents that the bus reports for them."""

    def node(self):
        """The window on the bus: the application's window with this title."""
        title = self.title()

        def probe():
            return next((window for window in self.program.application
                         if window is not None and window.name == title), None)
        return wait_for(probe, 10, f"{self!r} on the accessibility bus", interval=0.1)

    def control(self, name, *roles):
        """The control with this accessible name, of one of the roles (by
        default anything a person clicks, types into or ticks)."""
        return find(self.node(), name, *(roles or CONTROL_ROLES))

    def controls(self, accepts, within=None):
        """Every control below the window, or below the frame with this name,
        that `accepts` takes."""
        root = find(self.node(), within, pyatspi.ROLE_PANEL) if within else self.node()
        return pyatspi.findAllDescendants(root, lambda node: node is not None and accepts(node))

    @staticmethod
    def extents(node):
        """(left, top, width, height) of an accessible as the bus reports it."""
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def scale(self):
        """Screen pixels to a pixel of the extents the bus reports: those are
        Qt's own device-independent pixels, which a scale factor enlarges on
        the screen."""
        return self.geometry()[2] / self.extents(self.node())[2]

    def in_picture(self, node):
        """Where a control shows in the window's picture (Window.picture()),
        in pixels of the screen: its extents, scaled from the window's top
        left corner as the window itself is."""
        window_left, window_top = self.extents(self.node())[:2]
        scale = self.scale()
        left, top, width, height = self.extents(node)
        return (round((left - window_left) * scale), round((top - window_top) * scale),
                round(width * scale), round(height * scale))

    def on_screen(self, node):
        """Where a control shows on the screen, in pixels."""
        left, top, width, height = self.in_picture(node)
        window_left, window_top = self.geometry()[:2]
        return window_left + left, window_top + top, width, height

    def click_in(self, node, across=0.5, down=0.5):
        """A left click at a point inside the control, given as shares of its
        width and height from its top left corner."""
        left, top, width, height = self.on_screen(node)
        check(width > 0 and height > 0, f"{node.name!r} shows nowhere on the screen")
        xdotool("mousemove", "--sync", left + int(width * across), top + int(height * down))
        xdotool("click", 1)

    def click_at(self, name, across=0.5, down=0.5):
        self.click_in(self.control(name), across, down)

    def push(self, name):
        """Clicks the middle of the button with this name."""
        self.click_in(self.control(name, pyatspi.ROLE_PUSH_BUTTON))

    def tick(self, name):
        """Clicks a check box or option button on its square or circle: the
        white of it, found where the control shows it half way down."""
        node = self.control(name, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON)
        left, top, width, height = self.in_picture(node)
        picture = self.picture()
        middle = top + height // 2
        white = [x for x in range(left, left + width)
                 if min(picture.colour(x, middle)) >= 240]
        check(white, f"{name!r} shows no square or circle")
        self.click_in(node, ((white[0] + white[-1]) / 2 - left + 0.5) / width)

    def focused(self):
        """The name of the control that has the keyboard focus, or None."""
        found = pyatspi.findDescendant(
            self.node(),
            lambda node: node is not None and node.getState().contains(pyatspi.STATE_FOCUSED))
        return found.name if found else None

    def tab_to(self, name):
        """Presses Tab until the control with this name has the focus; fails
        once the Tab key has visited every control that takes the focus
        without reaching it."""
        stops = len(self.controls(lambda node: node.getState().contains(pyatspi.STATE_FOCUSABLE)))
        visited = []
        for _ in range(stops):
            before = self.focused()

            def moved_on():
                now = self.focused()
                return now if now and now != before else None
            self.press("Tab")
            visited.append(wait_for(moved_on, 5, f"the focus to move on from {before!r}"))
            if visited[-1] == name:
                return
        check(False, f"Tab never led to {name!r}, only to {visited}")
