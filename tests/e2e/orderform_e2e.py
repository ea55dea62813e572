"""What the end-to-end tests share: a private desktop to run the installed
program on, and the means to use it the way a person would.

A Desktop is a private X server (Xvfb, 1024 x 768 pixels at 96 dpi, on a free
display) with a window manager that frames the windows (openbox unless the
test names another from WINDOW_MANAGERS, or None for a bare X server), a
private CUPS scheduler with one paused queue, and the program started in a
fresh working folder. Each is ready before the next starts. Everything it
starts is stopped by its process id when the `with` block ends, whether the
test passed or not.

    with Desktop("save") as desktop:
        program = desktop.start_program()
        main = program.wait_for_window("^Order Form$")
        main.press("ctrl+s")
        ...

The program is driven only through the X server with xdotool: key presses,
typing, and clicks inside the controls that the accessibility bus reports
(assistive.py). Characters that a US keyboard lacks are bound to spare keys
before the program starts (EXTRA_CHARACTERS), so that typing them never
remaps a key under its feet.

Standard library only; the tests run with the system's /usr/bin/python3.
"""

import difflib
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass, field
from pathlib import Path

import xlib

SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768
# What the tests type beyond a US keyboard's keys.
EXTRA_CHARACTERS = "\u00e9\u00c9"

# Set by CTest (tests/e2e/CMakeLists.txt); the defaults suit a run by hand
# from the source folder after `cmake --install build --prefix build/e2e-prefix`.
SOURCE_DIR = Path(__file__).resolve().parents[2]
PREFIX = Path(os.environ.get("ORDERFORM_E2E_PREFIX", SOURCE_DIR / "build" / "e2e-prefix"))
PRIVATE_CUPSD = Path(os.environ.get(
    "ORDERFORM_E2E_PRIVATE_CUPSD", SOURCE_DIR / "tests" / "fixtures" / "cups" / "private-cupsd"))
PROGRAM = PREFIX / "bin" / "orderform"
DESKTOP_ENTRY = PREFIX / "share" / "applications" / "example.quendrel.OrderForm.desktop"


class TestFailure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise TestFailure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise TestFailure(f"{what}:\n  expected {expected!r}\n  got      {actual!r}")


def check_same_lines(actual, expected, what):
    """Compares two lists of lines, or two texts as bytes, showing what differs."""
    if actual == expected:
        return
    if isinstance(actual, bytes):
        actual = [repr(line) for line in actual.split(b"\n")]
        expected = [repr(line) for line in expected.split(b"\n")]
    else:
        actual = [repr(line) for line in actual]
        expected = [repr(line) for line in expected]
    diff = difflib.unified_diff(expected, actual, "expected", "got", lineterm="")
    raise TestFailure(f"{what} differs:\n" + "\n".join(diff))


def wait_for(probe, timeout, what, interval=0.02):
    """Calls probe() until it gives something true and returns that; fails
    after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TestFailure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def run_tests(scenarios):
    """Runs the scenario named by the first argument: the test's main()."""
    if len(sys.argv) != 2 or sys.argv[1] not in scenarios:
        sys.exit(f"usage: {sys.argv[0]} {{{','.join(scenarios)}}}")
    # Stopped from outside (a CTest timeout, say), the test still stops
    # everything it started on its way out.
    signal.signal(signal.SIGTERM, lambda number, frame: sys.exit(128 + number))
    started = time.monotonic()
    try:
        scenarios[sys.argv[1]]()
    except TestFailure as failure:
        print(f"FAIL {sys.argv[1]}: {failure}", file=sys.stderr)
        sys.exit(1)
    print(f"PASS {sys.argv[1]} ({time.monotonic() - started:.1f} s)")


# ---------------------------------------------------------------------------
# The X server as xdotool sees it

def _on_display(display):
    """The environment of a command for this X server; None: the last
    desktop started."""
    return {**os.environ, "DISPLAY": display} if display else None


def xdotool(*arguments, check_status=True, display=None):
    result = subprocess.run(["xdotool", *map(str, arguments)], capture_output=True, text=True,
                            timeout=30, env=_on_display(display))
    if check_status and result.returncode != 0:
        raise TestFailure(f"xdotool {' '.join(map(str, arguments))} failed: {result.stderr}")
    return result.stdout


class Picture:
    """What a window shows, pixel by pixel, as xwd takes it from the X server.
    Not to be trusted for a window of the program that opens over two of its
    windows where one wholly covers the other (a message box over the order
    window): the X server's GetImage gives it black on Xvfb and Xephyr,
    while the screen itself (Xvfb -fbdir) shows it painted."""

    def __init__(self, window_id, display=None):
        taken = subprocess.run(["xwd", "-id", str(window_id), "-silent"], capture_output=True,
                               timeout=30, env=_on_display(display))
        check(taken.returncode == 0, f"xwd -id {window_id} failed: {taken.stderr!r}")
        (header_size, _, pixmap_format, _, self.width, self.height, _, byte_order, _, _, _,
         bits_per_pixel, self._bytes_per_line, _, *_, colours) = struct.unpack(
            ">20I", taken.stdout[:80])
        # Where windows of other depths show in it, xwd gives 24 bits a pixel.
        check(pixmap_format == 2 and bits_per_pixel in (24, 32),
              f"xwd gave a picture of {bits_per_pixel} bits a pixel")
        self._bytes_per_pixel = bits_per_pixel // 8
        self._order = "little" if byte_order == 0 else "big"
        self._data = taken.stdout[header_size + colours * 12:]

    def colour(self, x, y):
        """(red, green, blue) at pixel (x, y)."""
        start = y * self._bytes_per_line + self._bytes_per_pixel * x
        value = int.from_bytes(self._data[start:start + self._bytes_per_pixel], self._order)
        return (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF


class Window:
    """A top-level window of the program on the private X server. Positions
    are relative to the top left corner of its client area, inside the
    window manager's frame."""

    def __init__(self, window_id, program):
        self.id = window_id
        self.program = program
        self.display = program.display

    def __eq__(self, other):
        return isinstance(other, Window) and self.id == other.id

    def __repr__(self):
        return f"Window({self.id}, {self.title()!r})"

    def _xdotool(self, *arguments, check_status=True):
        return xdotool(*arguments, check_status=check_status, display=self.display)

    def title(self):
        return self._xdotool("getwindowname", self.id, check_status=False).rstrip("\n")

    def geometry(self):
        """(left, top, width, height) of the client area on the screen, in pixels."""
        return window_geometry(self.id, self.display)[:4]

    def frame_extents(self):
        """(left, right, top, bottom) as the window manager announces them in
        _NET_FRAME_EXTENTS, or None where it does not."""
        with xlib.Display(self.display) as server:
            extents = server.cardinals(self.id, "_NET_FRAME_EXTENTS")
        return tuple(extents) if extents and len(extents) == 4 else None

    def top_level_ancestor(self):
        """The window manager's frame window around this one (the ancestor
        that is a child of the root window), or this window's own id where
        it has none."""
        with xlib.Display(self.display) as server:
            return server.top_level_ancestor(self.id)

    def frame(self):
        """(left, right, top, bottom): the window manager's frame around the
        client area; none for a window that it leaves alone. Where the window
        manager does not announce it, the geometry of its frame window tells,
        its border included."""
        if extents := self.frame_extents():
            return extents
        ancestor = self.top_level_ancestor()
        if ancestor == self.id:
            return 0, 0, 0, 0
        left, top, width, height, border = window_geometry(ancestor, self.display)
        outer = (left - border, top - border, width + 2 * border, height + 2 * border)
        inner = self.geometry()
        return (inner[0] - outer[0], outer[0] + outer[2] - inner[0] - inner[2],
                inner[1] - outer[1], outer[1] + outer[3] - inner[1] - inner[3])

    def outer_geometry(self):
        """(left, top, width, height) of the window with its frame."""
        frame_left, frame_right, frame_top, frame_bottom = self.frame()
        left, top, width, height = self.geometry()
        return (left - frame_left, top - frame_top, width + frame_left + frame_right,
                height + frame_top + frame_bottom)

    def picture(self):
        return Picture(self.id, self.display)

    def has_icon(self):
        """Whether the window shows an icon of its own: one with a pixel that
        is not wholly transparent. An empty icon keeps window managers from
        showing the owner's icon in its place."""
        return any(pixel >> 24 for _, _, pixels in self.icon() or () for pixel in pixels)

    def icon(self):
        """The pictures of the window's _NET_WM_ICON as (width, height, ARGB
        pixels), or None where it has none."""
        with xlib.Display(self.display) as server:
            values = server.cardinals(self.id, "_NET_WM_ICON")
        if values is None:
            return None
        pictures = []
        while len(values) >= 2:
            width, height = values[:2]
            pictures.append((width, height, values[2:2 + width * height]))
            values = values[2 + width * height:]
        return pictures

    def is_visible(self):
        return self in self.program.visible_windows()

    def focus(self):
        self._xdotool("windowfocus", "--sync", self.id)

    def press(self, *keys):
        """Key presses, such as "ctrl+s", "Return", "alt+f", one after another."""
        self.focus()
        self._xdotool("key", "--clearmodifiers", "--delay", 40, *keys)

    def type(self, text):
        unbound = sorted({c for c in text if ord(c) > 0x7e and c not in EXTRA_CHARACTERS})
        check(not unbound, f"add {unbound} to EXTRA_CHARACTERS: xdotool would remap a key "
                           "for them while the program reads the keyboard")
        self.focus()
        self._xdotool("type", "--clearmodifiers", "--delay", 25, text)

    def click_close_box(self):
        """Clicks the close box at the right end of the title bar."""
        left, top, width, _ = self.outer_geometry()
        frame_top = self.frame()[2]
        self._xdotool("mousemove", "--sync", left + width - 1 - frame_top // 2,
                      top + frame_top // 2)
        self._xdotool("click", 1)

    def ask_to_close(self):
        """Asks the window to close as a window manager's close box does,
        under any window manager or none."""
        with xlib.Display(self.display) as server:
            server.ask_to_close(self.id)

    def wait_until_closed(self, timeout=30):
        wait_for(lambda: not self.is_visible(), timeout, f"{self!r} to close")


def window_geometry(window_id, display):
    """(left, top, width, height, border width) of a window: where its inside
    begins on the screen, its size, and the width of its border around that."""
    shown = subprocess.run(["xwininfo", "-id", str(window_id)], capture_output=True,
                           text=True, timeout=30, env=_on_display(display))
    check(shown.returncode == 0, f"xwininfo -id {window_id} failed: {shown.stderr}")
    fields = dict(line.strip().split(":", 1) for line in shown.stdout.splitlines()
                  if ":" in line)
    return tuple(int(fields[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y",
                                              "Width", "Height", "Border width"))


# ---------------------------------------------------------------------------
# The program

class Program:
    def __init__(self, process, display=None):
        self.process = process
        self.pid = process.pid
        self.display = display

    def visible_windows(self):
        found = xdotool("search", "--onlyvisible", "--pid", self.pid, check_status=False,
                        display=self.display)
        return [Window(int(line), self) for line in found.split()]

    def find_window(self, title):
        """The visible window whose title matches the regular expression, or None."""
        found = xdotool("search", "--all", "--onlyvisible", "--pid", self.pid, "--name", title,
                        check_status=False, display=self.display).split()
        return Window(int(found[0]), self) if found else None

    def wait_for_window(self, title, timeout=30):
        return wait_for(lambda: self.find_window(title), timeout, f"a window titled {title!r}")

    def is_running(self):
        return self.process.poll() is None

    def wait_for_end(self, timeout=10):
        """The exit status once the program has ended by itself."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise TestFailure(f"the program was still running after {timeout} s") from None

    def message_box(self, title, timeout=30):
        """The message box with this exact title, once it shows."""
        return self.wait_for_window(f"^{_regex_escape(title)}$", timeout)


def _regex_escape(text):
    # xdotool takes POSIX extended regular expressions.
    return "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in text)


# ---------------------------------------------------------------------------
# The window managers

@dataclass(frozen=True)
class WindowManager:
    """How a window manager starts on a private X server with its default
    settings."""
    command: tuple
    # Those of the GNOME family need a D-Bus session of their own for their
    # settings (xfwm4 its xfconf); it ends with them.
    session_bus: bool = False
    # It announces itself on the root window by the desktop conventions
    # (_NET_SUPPORTING_WM_CHECK); twm follows none of them.
    announces: bool = True
    environment: dict = field(default_factory=dict)


WINDOW_MANAGERS = {
    "openbox": WindowManager(("openbox", "--sm-disable")),
    "xfwm4": WindowManager(("xfwm4", "--sm-client-disable"), session_bus=True),
    "metacity": WindowManager(("metacity", "--sm-disable"), session_bus=True),
    "icewm": WindowManager(("icewm",)),
    "fluxbox": WindowManager(("fluxbox",)),
    # -a: without the configuration's programs to start (a first-run wizard
    # that takes the keyboard, a network applet, a screen locker).
    "i3": WindowManager(("i3", "-a", "-c", "/etc/i3/config")),
    "twm": WindowManager(("twm",), announces=False),
    # Its compositing would draw every frame through Mesa's software OpenGL on
    # Xvfb, which takes the shared machine's processors from the tests; the
    # windows' places and title bars are the same without it.
    "kwin_x11": WindowManager(("kwin_x11",), environment={"KWIN_COMPOSE": "N",
                                                           "QT_QPA_PLATFORM": "xcb"}),
    "mutter": WindowManager(("mutter", "--x11", "--sm-disable"), session_bus=True),
    # Marco needs the settings schemas of mate-settings-daemon-common.
    "marco": WindowManager(("marco", "--sm-disable"), session_bus=True),
}


@dataclass(frozen=True)
class Monitor:
    """A monitor of the desktop: a part of the X server's screen."""
    left: int
    top: int
    width: int
    height: int
    primary: bool = False


# ---------------------------------------------------------------------------
# The private desktop

class Desktop:
    """A private X server with a window manager, a private CUPS scheduler and a
    scratch folder with the program's working folder ("work") and home
    ("home"). `text_dpi` sets the desktop's font resolution (Xft.dpi) before
    the program starts. `window_manager` names one of WINDOW_MANAGERS, or is
    None for none. `monitors` divides the screen into monitors (RandR's); the
    program meets no printer where `printers` is false."""

    def __init__(self, name, screen=(SCREEN_WIDTH, SCREEN_HEIGHT), text_dpi=None,
                 window_manager="openbox", monitors=(), printers=True):
        self.name = name
        self.screen = screen
        self.text_dpi = text_dpi
        self.window_manager = window_manager
        self.monitors = monitors
        self.printers = printers
        self.scratch = Path(tempfile.mkdtemp(prefix=f"orderform-e2e-{name}-"))
        # Run as root, the CUPS scheduler does some of its work as the user lp.
        self.scratch.chmod(0o755)
        self.work = self.scratch / "work"
        self.home = self.scratch / "home"
        self.runtime = self.scratch / "runtime"
        self.window_manager_home = self.scratch / "window-manager"
        for folder in (self.work, self.home, self.runtime, self.window_manager_home):
            folder.mkdir(mode=0o700)
        self.display = None
        self.cups = None
        self.cups_environment = {}
        self._processes = []  # (description, Popen), stopped last to first
        self._logs = []

    def __enter__(self):
        try:
            self._start_x_server()
            self._bind_extra_characters()
            if self.text_dpi:
                self._x_command(["xrdb", "-merge"], f"Xft.dpi: {self.text_dpi}\n")
            self._set_monitors()
            if self.window_manager:
                self._start_window_manager()
            if self.printers:
                self._start_printers()
        except BaseException:
            self._stop_everything(failed=True)
            raise
        return self

    def __exit__(self, kind, value, traceback):
        self._stop_everything(failed=kind is not None)
        return False

    # -- starting

    def _start(self, description, command, log_name, **options):
        log = self.scratch / log_name
        self._logs.append(log)
        with open(log, "wb") as output:
            process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=output,
                                       stderr=subprocess.STDOUT, **options)
        self._processes.append((description, process))
        return process

    def _start_x_server(self):
        # Xvfb picks a free display number itself and writes it to the pipe.
        reader, writer = os.pipe()
        try:
            # -noreset: the server keeps running as it is, and keeps its key
            # map and resources, when its last client goes; otherwise it
            # resets then, and a client connecting at that moment fails.
            width, height = self.screen
            self._start("X server", ["Xvfb", "-displayfd", str(writer), "-noreset", "-screen",
                                     "0", f"{width}x{height}x24", "-dpi", "96",
                                     "-nolisten", "tcp"], "xvfb.log", pass_fds=(writer,))
        finally:
            os.close(writer)
        with os.fdopen(reader) as pipe:
            number = pipe.readline().strip()
        check(number.isdigit(), "the X server did not start: " +
              (self.scratch / "xvfb.log").read_text(errors="replace"))
        self.display = f":{number}"
        os.environ["DISPLAY"] = self.display  # for xdotool
        os.environ.pop("WAYLAND_DISPLAY", None)

    def _x_command(self, command, text=None):
        done = subprocess.run(command, input=text, capture_output=True, text=True, timeout=60,
                              env=_on_display(self.display))
        check(done.returncode == 0, f"{' '.join(command)} failed: {done.stderr}")
        return done.stdout

    def _bind_extra_characters(self):
        """Binds each of EXTRA_CHARACTERS to a key of its own that the key map
        leaves empty."""
        spare = [int(line.split()[1]) for line in self._x_command(["xmodmap", "-pke"]).splitlines()
                 if line.split()[2:] == ["="] and int(line.split()[1]) > 8]
        characters = sorted(set(EXTRA_CHARACTERS))
        check(len(characters) <= len(spare), "too few spare keys for EXTRA_CHARACTERS")
        # Latin-1 characters have their code point as key symbol; the others
        # 0x1000000 plus it.
        bindings = [f"keycode {code} = 0x{ord(c) if ord(c) < 0x100 else 0x1000000 + ord(c):x}"
                    for code, c in zip(reversed(spare), characters)]
        self._x_command(["xmodmap", "-"], "\n".join(bindings) + "\n")

    def _set_monitors(self):
        """The first monitor takes the X server's one output, and with it the
        place of the monitor the server made for it; the others are added."""
        for number, monitor in enumerate(self.monitors):
            # Widths and heights in pixels and millimetres, at 96 dpi.
            geometry = (f"{monitor.width}/{round(monitor.width * 25.4 / 96)}x"
                        f"{monitor.height}/{round(monitor.height * 25.4 / 96)}"
                        f"+{monitor.left}+{monitor.top}")
            # A leading star makes the monitor the primary one.
            name = ("*" if monitor.primary else "") + f"monitor-{number}"
            self._x_command(["xrandr", "--setmonitor", name, geometry,
                             "screen" if number == 0 else "none"])

    def _start_window_manager(self):
        """The window manager with its default settings, in a process group of
        its own with whatever it starts. Ready once it has announced itself
        on the root window, as window managers do, and framed a window."""
        manager = WINDOW_MANAGERS[self.window_manager]
        command = list(manager.command)
        if manager.session_bus:
            command = ["dbus-run-session", "--", *command]
        home = self.window_manager_home
        self._start("window manager", command, f"{self.window_manager}.log",
                    env={"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": str(home),
                         "XDG_CONFIG_HOME": str(home / ".config"),
                         "XDG_CACHE_HOME": str(home / ".cache"),
                         "XDG_RUNTIME_DIR": str(self.runtime), "DISPLAY": self.display,
                         "LANG": "C.UTF-8", **manager.environment},
                    start_new_session=True)
        self._processes[-1] = ("window manager", _ProcessGroup(self._processes[-1][1]))
        if manager.announces:
            wait_for(self._window_manager_announced, 60, "the window manager", interval=0.05)
        wait_for(self._window_manager_frames, 60, "the window manager to frame a window",
                 interval=0.05)

    def _window_manager_announced(self):
        """The root window names the window manager's own window, which names
        itself: the desktop conventions' sign that it runs."""
        with xlib.Display(self.display) as server:
            named = server.cardinals(server.root, "_NET_SUPPORTING_WM_CHECK")
            return bool(named) and server.cardinals(named[0], "_NET_SUPPORTING_WM_CHECK") == named

    def _window_manager_frames(self):
        """Whether a window of the test's own, once shown, is put into a
        frame: the one sign that every window manager gives, twm included."""
        with xlib.Display(self.display) as server:
            window = server.map_window("orderform-e2e probe", 0, 0, 40, 40)
            try:
                framed = lambda: server.top_level_ancestor(window) != window  # noqa: E731
                deadline = time.monotonic() + 2
                while not framed() and time.monotonic() < deadline:
                    time.sleep(0.02)
                return framed()
            finally:
                server.destroy_window(window)

    def _start_printers(self):
        """The tests' own CUPS scheduler (tests/fixtures/cups/private-cupsd)
        with one paused queue, "form", the default destination, A4 paper."""
        self.cups = self.scratch / "cups"
        self.cups.mkdir()
        socket = self.cups / "cupsd.sock"
        folder = self.cups / "scheduler"
        # The scheduler runs in the background of the script; it keeps its
        # process id in <folder>/cupsd.pid, by which it is stopped.
        started = subprocess.run(["bash", str(PRIVATE_CUPSD), "start", str(folder), str(socket),
                                  "form:default:a4"], capture_output=True, text=True, timeout=150)
        self._processes.append(("CUPS scheduler", _CupsScheduler(folder)))
        check(started.returncode == 0, f"the CUPS scheduler did not start: {started.stderr}")
        self.cups_environment = {
            "CUPS_SERVER": str(socket),
            "CUPS_SERVERROOT": str(folder / "client"),
        }
        self.cups_spool = folder / "spool"

    def program_environment(self, extra=None):
        """What a desktop session would give the program, and no more."""
        environment = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": str(self.home),
            "XDG_RUNTIME_DIR": str(self.runtime),
            "DISPLAY": self.display,
            "QT_QPA_PLATFORM": "xcb",
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
            "TZ": "UTC",
            # No session bus unless a test starts one: left without an
            # address, D-Bus would start a bus of its own (where dbus-x11 is
            # installed) and leave ~/.dbus behind.
            "DBUS_SESSION_BUS_ADDRESS": f"unix:path={self.runtime}/no-session-bus",
            **self.cups_environment,
        }
        # A sanitizer build reads its settings (and the leak suppressions of
        # other libraries) from these.
        for name in ("ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"):
            if name in os.environ:
                environment[name] = os.environ[name]
        environment.update(extra or {})
        return environment

    def start_program(self, command=None, cwd=None, environment=None):
        """Starts the installed program (or `command`) in the working folder."""
        process = self._start("program", command or [str(PROGRAM)],
                              f"program-{len(self._logs)}.log", cwd=cwd or self.work,
                              env=self.program_environment(environment))
        return Program(process, self.display)

    # -- stopping

    def _stop_everything(self, failed):
        for description, process in reversed(self._processes):
            try:
                _stop(process)
            except Exception as error:  # go on stopping the others
                print(f"could not stop the {description}: {error}", file=sys.stderr)
        self._processes.clear()
        if failed:
            for log in self._logs:
                if log.exists() and log.stat().st_size:
                    print(f"--- {log.name}", file=sys.stderr)
                    print(log.read_text(errors="replace")[-4000:], file=sys.stderr)
        shutil.rmtree(self.scratch, ignore_errors=True)


class _CupsScheduler:
    """The scheduler the fixture's script started, known by its process id."""

    def __init__(self, folder):
        self.folder = folder
        pid_file = folder / "cupsd.pid"
        self.pid = int(pid_file.read_text()) if pid_file.exists() else None

    def stop(self):
        subprocess.run(["bash", str(PRIVATE_CUPSD), "stop", str(self.folder)],
                       capture_output=True, timeout=30)
        if self.pid and _alive(self.pid):
            os.kill(self.pid, signal.SIGKILL)


class _ProcessGroup:
    """A process that leads a process group of its own, stopped with the
    processes it started in it."""

    def __init__(self, process):
        self.process = process
        self.pid = process.pid

    def stop(self):
        for number in (signal.SIGTERM, signal.SIGKILL):
            try:
                os.killpg(self.pid, number)
            except ProcessLookupError:
                break
            try:
                self.process.wait(5)
                break
            except subprocess.TimeoutExpired:
                continue
        # What it started may outlive it a moment: the group goes as a whole.
        try:
            os.killpg(self.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


def _alive(pid):
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    return True


def _stop(process):
    if isinstance(process, (_CupsScheduler, _ProcessGroup)):
        process.stop()
        return
    if process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(5)
