"""End-to-end harness for Solvanta.

Each scenario runs the real program on its own X server (Xvfb), its own D-Bus
session bus and accessibility bus, with a private home and XDG directories and a
stand-in `xdg-open` that records every address the program asks to open.

The harness drives the program the way a person does: key presses and pointer
clicks go through the X server (xdotool), buttons are pressed through their
accessibility action, and everything the program shows is read back over
AT-SPI (pyatspi), by role and accessible name.

A scenario runs in a child process with a deadline; the parent owns the
desktop and ends every process that carries the desktop's tag, so a hung modal
box fails its scenario and nothing is left behind.

A desktop has no window manager, or runs openbox (`--window-manager openbox`)
with a small private configuration: click to focus, new windows focused, no key
bindings. Without one nothing gives a window the keyboard, so the harness does
it where a scenario is not about focus (`Program.activate`); with one, the
window manager's own view (`_NET_CLIENT_LIST_STACKING`, `_NET_ACTIVE_WINDOW`)
tells how windows are stacked and which is active.

Only the Python standard library and pyatspi are used. The close box of a
window is pressed by sending WM_DELETE_WINDOW through libX11 (ctypes).
"""

from __future__ import annotations

import ctypes
import ctypes.util
import datetime
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback
import urllib.parse
import uuid

TAG_VARIABLE = "SOLVANTA_E2E_DESKTOP"
WM_VARIABLE = "SOLVANTA_E2E_WM"
WINDOW_MANAGERS = ("openbox", "weston")
APP_TITLE = "Solvanta"
WINDOW_CAPTION = "Solvanta v1.0"
SUN_CHANGES_TITLE = "Sun Sign Changes"


class Failure(AssertionError):
    """A check of a scenario did not hold."""


# --------------------------------------------------------------------------
# Desktop: the private X server, buses and directories (parent side)
# --------------------------------------------------------------------------


def _find_executable(name, *extra_dirs):
    found = shutil.which(name)
    if found:
        return found
    for directory in extra_dirs:
        candidate = os.path.join(directory, name)
        if os.access(candidate, os.X_OK):
            return candidate
    return None


def missing_tools(window_manager=None):
    """Names of the outside programs this harness needs and cannot find."""
    needed = ["Xvfb", "dbus-daemon", "xdotool", "xclip", "xprop", "xwininfo"]
    if window_manager == "weston":
        needed = ["weston", "dbus-daemon"]
    elif window_manager:
        needed.append(window_manager)
    missing = [tool for tool in needed if not _find_executable(tool)]
    if not _bus_launcher():
        missing.append("at-spi-bus-launcher")
    return missing


def _bus_launcher():
    return _find_executable(
        "at-spi-bus-launcher",
        "/usr/libexec",
        "/usr/lib/at-spi2-core",
        "/usr/libexec/at-spi2-core",
    )


def _read_line(stream_fd, timeout, what):
    """Reads one line from a file descriptor within `timeout` seconds."""
    deadline = time.monotonic() + timeout
    data = b""
    while b"\n" not in data:
        remaining = deadline - time.monotonic()
        if remaining <= 0:
            raise Failure(f"{what} did not answer within {timeout}s")
        ready, _, _ = select.select([stream_fd], [], [], remaining)
        if not ready:
            continue
        chunk = os.read(stream_fd, 256)
        if not chunk:
            raise Failure(f"{what} ended before it answered")
        data += chunk
    return data.split(b"\n", 1)[0].decode().strip()


def tagged_processes(tag):
    """Process ids whose environment carries the desktop tag."""
    marker = f"{TAG_VARIABLE}={tag}".encode()
    pids = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == os.getpid():
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as f:
                environ = f.read().split(b"\0")
        except OSError:
            continue
        if marker in environ:
            pids.append(int(entry))
    return pids


def _is_zombie(pid):
    try:
        with open(f"/proc/{pid}/stat", "rb") as f:
            stat = f.read()
        return stat[stat.rindex(b")") + 2 :].startswith(b"Z")
    except (OSError, ValueError):
        return True


# Openbox with what a user of it has by default for focus and the mouse, and
# nothing that takes keys from the program.
OPENBOX_CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus>
    <focusNew>yes</focusNew>
    <followMouse>no</followMouse>
  </focus>
  <placement><policy>Smart</policy></placement>
  <desktops><number>1</number></desktops>
  <keyboard/>
  <mouse>
    <context name="Client">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Middle" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Right" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
    <context name="Titlebar">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
  </mouse>
</openbox_config>
"""


class Desktop:
    """An isolated desktop for one scenario, with or without a window manager."""

    def __init__(self, name, window_manager=None):
        self.name = name
        self.window_manager = window_manager
        self.tag = f"{name}-{uuid.uuid4().hex}"
        self.root = tempfile.mkdtemp(prefix=f"solvanta-e2e-{name}-")
        self.children = []
        self.display = None
        self.session_bus = None
        self.environment = None

    def path(self, *parts):
        return os.path.join(self.root, *parts)

    def _spawn(self, argv, env, **kwargs):
        process = subprocess.Popen(argv, env=env, **kwargs)
        self.children.append(process)
        return process

    def start(self):
        for directory in ("home", "config", "data", "cache", "bin", "logs"):
            os.makedirs(self.path(directory))
        runtime = self.path("runtime")
        os.makedirs(runtime, mode=0o700)
        os.chmod(runtime, 0o700)

        opener = self.path("bin", "xdg-open")
        with open(opener, "w") as f:
            f.write('#!/bin/sh\nprintf "%s\\n" "$1" >> "$SOLVANTA_E2E_OPENED"\n')
        os.chmod(opener, 0o755)

        env = {
            key: value
            for key, value in os.environ.items()
            if not key.startswith(("DBUS_", "AT_SPI", "XDG_", "QT_", "WAYLAND"))
            and key not in ("DISPLAY", "XAUTHORITY", "SESSION_MANAGER")
        }
        env.update(
            {
                TAG_VARIABLE: self.tag,
                "HOME": self.path("home"),
                "XDG_CONFIG_HOME": self.path("config"),
                "XDG_DATA_HOME": self.path("data"),
                "XDG_CACHE_HOME": self.path("cache"),
                "XDG_RUNTIME_DIR": runtime,
                "PATH": self.path("bin") + os.pathsep + env.get("PATH", "/usr/bin:/bin"),
                "SOLVANTA_E2E_OPENED": self.path("opened.txt"),
                "SOLVANTA_E2E_ROOT": self.root,
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                "QT_QPA_PLATFORM": "xcb",
                "LANG": "C.UTF-8",
                "LC_ALL": "C.UTF-8",
                "LANGUAGE": "",
                "TZ": os.environ.get("TZ", "UTC"),
            }
        )

        if self.window_manager == "weston":
            self._start_weston(env)
        else:
            self._start_x(env)

        with open(self.path("logs", "dbus.log"), "wb") as log:
            bus = self._spawn(
                ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                env,
                stdout=subprocess.PIPE,
                stderr=log,
            )
        self.session_bus = _read_line(bus.stdout.fileno(), 20, "dbus-daemon")
        env["DBUS_SESSION_BUS_ADDRESS"] = self.session_bus

        with open(self.path("logs", "at-spi.log"), "wb") as log:
            self._spawn(
                [_bus_launcher(), "--launch-immediately", "--a11y=1"],
                env,
                stdout=log,
                stderr=log,
            )
        self.environment = env
        return env

    def _start_x(self, env):
        # The X server picks a free display itself and reports its number.
        read_fd, write_fd = os.pipe()
        with open(self.path("logs", "xvfb.log"), "wb") as log:
            self._spawn(
                [
                    _find_executable("Xvfb"),
                    "-displayfd",
                    str(write_fd),
                    "-nolisten",
                    "tcp",
                    "-screen",
                    "0",
                    "1280x1024x24",
                    "-noreset",
                ],
                env,
                pass_fds=(write_fd,),
                stdout=log,
                stderr=log,
            )
        os.close(write_fd)
        try:
            number = _read_line(read_fd, 20, "Xvfb")
        finally:
            os.close(read_fd)
        self.display = f":{number}"
        env["DISPLAY"] = self.display
        env[WM_VARIABLE] = self.window_manager or ""
        if self.window_manager == "openbox":
            self._start_openbox(env)

    def _start_weston(self, env):
        """A headless Wayland compositor instead of an X server: the program runs
        as a Wayland client (QT_QPA_PLATFORM=wayland) and sees no X display."""
        socket = "wayland-solvanta"
        with open(self.path("logs", "weston.log"), "wb") as log:
            weston = self._spawn(
                [
                    "weston",
                    "--backend=headless-backend.so",
                    f"--socket={socket}",
                    "--idle-time=0",
                    "--width=1280",
                    "--height=1024",
                ],
                env,
                stdout=log,
                stderr=log,
            )

        def listening():
            if weston.poll() is not None:
                raise Failure(f"weston ended with status {weston.returncode}")
            return os.path.exists(os.path.join(env["XDG_RUNTIME_DIR"], socket))

        wait_for(listening, "weston to listen", 20)
        env["WAYLAND_DISPLAY"] = socket
        env["QT_QPA_PLATFORM"] = "wayland"
        env[WM_VARIABLE] = "weston"

    def _start_openbox(self, env):
        config = self.path("config", "openbox-rc.xml")
        with open(config, "w") as f:
            f.write(OPENBOX_CONFIG)
        with open(self.path("logs", "openbox.log"), "wb") as log:
            openbox = self._spawn(
                ["openbox", "--sm-disable", "--config-file", config],
                env,
                stdout=log,
                stderr=log,
            )

        # It manages the screen once it has named itself on the root window.
        def managing():
            if openbox.poll() is not None:
                raise Failure(f"openbox ended with status {openbox.returncode}")
            check_window = root_window_property("_NET_SUPPORTING_WM_CHECK", env)
            return check_window and window_property(
                check_window[0], "_NET_WM_NAME", env
            ) == "Openbox"

        wait_for(managing, "openbox to manage the screen", 20)

    def stop(self):
        """Ends every process of this desktop and removes its directories."""
        deadline = time.monotonic() + 5
        sent_kill = False
        while True:
            alive = [pid for pid in tagged_processes(self.tag) if not _is_zombie(pid)]
            alive += [
                p.pid for p in self.children if p.poll() is None and p.pid not in alive
            ]
            if not alive:
                break
            late = time.monotonic() > deadline
            for pid in alive:
                try:
                    os.kill(pid, signal.SIGKILL if late else signal.SIGTERM)
                except ProcessLookupError:
                    pass
            if late:
                if sent_kill:
                    break
                sent_kill = True
            time.sleep(0.1)
        for process in self.children:
            try:
                process.wait(timeout=2)
            except subprocess.TimeoutExpired:
                pass
            if process.stdout:
                process.stdout.close()
        shutil.rmtree(self.root, ignore_errors=True)


# --------------------------------------------------------------------------
# X helpers (scenario side)
# --------------------------------------------------------------------------


def xdo(*args, timeout=10):
    """Runs xdotool on the scenario's display and returns its output."""
    try:
        result = subprocess.run(
            ["xdotool", *map(str, args)],
            capture_output=True,
            text=True,
            timeout=timeout,
        )
    except subprocess.TimeoutExpired as exc:
        raise Failure(f"xdotool {' '.join(map(str, args))} hung") from exc
    if result.returncode != 0:
        raise Failure(
            f"xdotool {' '.join(map(str, args))} failed: {result.stderr.strip()}"
        )
    return result.stdout


def window_manager():
    """The window manager of the scenario's desktop, or None."""
    return os.environ.get(WM_VARIABLE) or None


def _xprop(args, env=None):
    try:
        result = subprocess.run(
            ["xprop", *args], capture_output=True, text=True, timeout=10, env=env
        )
    except subprocess.TimeoutExpired as exc:
        raise Failure(f"xprop {' '.join(args)} hung") from exc
    return result.stdout if result.returncode == 0 else ""


def _window_ids(output):
    """The window ids in an xprop answer such as
    `_NET_CLIENT_LIST_STACKING(WINDOW): window id # 0x600003, 0x800007`."""
    if "#" not in output:
        return []
    ids = []
    for item in output.split("#", 1)[1].split(","):
        item = item.strip()
        if item.startswith("0x"):
            ids.append(int(item, 16))
    return ids


def root_window_property(name, env=None):
    """A root window property that holds window ids, as a list."""
    return _window_ids(_xprop(["-root", name], env))


def window_property(window_id, name, env=None):
    """A text property of a window (its value without quotes), or None."""
    output = _xprop(["-id", str(window_id), name], env)
    if "=" not in output:
        return None
    return output.split("=", 1)[1].strip().strip('"')


def stacking_order():
    """The mapped top-level windows from bottom to top: as the window manager
    reports them, or, without one, as the X server stacks the root's children."""
    if window_manager():
        return root_window_property("_NET_CLIENT_LIST_STACKING")
    # xwininfo lists the root's children from the top of the stack down (the
    # reverse of the X server's own order).
    ids = []
    for line in _xwininfo("-root", "-children").splitlines():
        item = line.strip().split(" ", 1)[0]
        if item.startswith("0x"):
            ids.append(int(item, 16))
    return list(reversed(ids))


def _xwininfo(*args):
    try:
        result = subprocess.run(
            ["xwininfo", *args], capture_output=True, text=True, timeout=10
        )
    except subprocess.TimeoutExpired as exc:
        raise Failure(f"xwininfo {' '.join(args)} hung") from exc
    return result.stdout if result.returncode == 0 else ""


def window_geometry(window_id):
    """A window's inside on the screen (x, y, width, height), also when a window
    manager has put it into a frame; None for a window that is gone."""
    fields = {}
    for line in _xwininfo("-id", str(window_id)).splitlines():
        key, _, value = line.strip().partition(":")
        fields[key] = value.strip()
    try:
        return tuple(
            int(fields[key])
            for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")
        )
    except (KeyError, ValueError):
        return None


def active_window():
    """The window that has the keyboard: the window manager's active window, or,
    without one, the X input focus. None when no window has it."""
    if window_manager():
        ids = root_window_property("_NET_ACTIVE_WINDOW")
        return ids[0] if ids and ids[0] else None
    try:
        result = subprocess.run(
            ["xdotool", "getwindowfocus", "-f"], capture_output=True, text=True, timeout=10
        )
    except subprocess.TimeoutExpired as exc:
        raise Failure("xdotool getwindowfocus hung") from exc
    answer = result.stdout.strip()
    return int(answer) if result.returncode == 0 and answer.isdigit() and int(answer) > 1 else None


def pointer_to(x, y):
    """Moves the pointer and waits until the X server reports it there."""
    xdo("mousemove", x, y)

    def arrived():
        place = dict(
            item.split(":", 1) for item in xdo("getmouselocation").split() if ":" in item
        )
        return (int(place.get("x", -1)), int(place.get("y", -1))) == (x, y)

    wait_for(arrived, f"the pointer at {x},{y}", 5, 0.02)
    time.sleep(0.05)


class _XClientMessage(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessage), ("pad", ctypes.c_long * 24)]


def close_box(window_id):
    """Presses a window's close box: the ICCCM WM_DELETE_WINDOW message that a
    window manager sends when the user clicks it."""
    name = ctypes.util.find_library("X11") or "libX11.so.6"
    xlib = ctypes.CDLL(name)
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [
        ctypes.c_void_p,
        ctypes.c_ulong,
        ctypes.c_int,
        ctypes.c_long,
        ctypes.POINTER(_XEvent),
    ]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(os.environ["DISPLAY"].encode())
    if not display:
        raise Failure("cannot open the X display")
    try:
        protocols = xlib.XInternAtom(display, b"WM_PROTOCOLS", 0)
        delete = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event = _XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.send_event = 1
        event.xclient.window = int(window_id)
        event.xclient.message_type = protocols
        event.xclient.format = 32
        event.xclient.data[0] = delete
        event.xclient.data[1] = 0  # CurrentTime
        if not xlib.XSendEvent(display, int(window_id), 0, 0, ctypes.byref(event)):
            raise Failure("XSendEvent refused the close message")
        xlib.XFlush(display)
    finally:
        xlib.XCloseDisplay(display)


def clipboard_set(text):
    """Puts text on the clipboard as another program (xclip) that keeps owning it."""
    process = subprocess.Popen(
        ["xclip", "-selection", "clipboard", "-in"],
        stdin=subprocess.PIPE,
        stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
    )
    process.communicate(text.encode(), timeout=10)


def clipboard_get():
    """The clipboard's text as another program sees it; None when it holds none."""
    try:
        result = subprocess.run(
            ["xclip", "-selection", "clipboard", "-out"],
            capture_output=True,
            timeout=10,
        )
    except subprocess.TimeoutExpired:
        return None
    if result.returncode != 0:
        return None
    return result.stdout.decode(errors="replace")


def selection_get(selection):
    """The text of a selection ("clipboard" or "primary") as another program
    sees it; None when it holds none or has no owner."""
    try:
        result = subprocess.run(
            ["xclip", "-selection", selection, "-out"], capture_output=True, timeout=10
        )
    except subprocess.TimeoutExpired:
        return None
    return result.stdout.decode(errors="replace") if result.returncode == 0 else None


def selection_without_owner(selection="clipboard"):
    """Leaves a selection with no owner at all, as when the program that held
    it has gone away: a short-lived owner serves one paste and ends."""
    process = subprocess.Popen(
        ["xclip", "-selection", selection, "-loops", "1", "-in"],
        stdin=subprocess.PIPE,
        stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
    )
    process.communicate(b"gone", timeout=10)
    wait_for(lambda: selection_get(selection) == "gone", f"the {selection} to be taken", 10)
    wait_for(lambda: selection_get(selection) is None, f"the {selection} owner to go", 10)


def selection_set(selection, text):
    """Puts text on a selection as another program (xclip) that keeps owning it."""
    process = subprocess.Popen(
        ["xclip", "-selection", selection, "-in"],
        stdin=subprocess.PIPE,
        stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
    )
    process.communicate(text.encode(), timeout=10)
    wait_for(lambda: selection_get(selection) == text, f"the {selection} to hold the text", 10)


def middle_click(control):
    """A middle click on a control: what pastes the primary selection."""
    x, y = control.centre()
    pointer_to(x, y)
    xdo("click", "2")


def drag(start, end, steps=12):
    """Presses the left button at `start`, moves in steps to `end` and releases
    it there, as a hand dragging with the mouse does."""
    pointer_to(*start)
    xdo("mousedown", "1")
    time.sleep(0.3)
    (x0, y0), (x1, y1) = start, end
    for step in range(1, steps + 1):
        xdo("mousemove", x0 + (x1 - x0) * step // steps, y0 + (y1 - y0) * step // steps)
        time.sleep(0.05)
    time.sleep(0.5)
    xdo("mouseup", "1")


def editable_text(node):
    """The editable-text interface of an accessible control."""
    editable = node.acc.get_editable_text_iface()
    if editable is None:
        raise Failure(f"{node} has no editable text")
    return editable


def program_output(scenario, label="program"):
    """What a started program wrote to its standard output and error."""
    try:
        with open(scenario.path("logs", f"{label}.log"), errors="replace") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def start_with_environment(scenario, label, executable=None, **changes):
    """Starts a program (by default the one under test) with environment
    variables changed; a value None removes the variable."""
    saved = {key: os.environ.get(key) for key in changes}
    for key, value in changes.items():
        if value is None:
            os.environ.pop(key, None)
        else:
            os.environ[key] = value
    try:
        program = Program(scenario, executable or scenario.executable, label)
    finally:
        for key, value in saved.items():
            if value is None:
                os.environ.pop(key, None)
            else:
                os.environ[key] = value
    scenario.programs.append(program)
    return program


# --------------------------------------------------------------------------
# Waiting and checking
# --------------------------------------------------------------------------


def wait_for(probe, what, timeout=10.0, interval=0.1):
    """Polls `probe` until it returns a true value and returns that value."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                return value
        except Failure:
            raise
        except Exception as exc:  # an object that went away while we looked
            last_error = exc
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise Failure(f"timed out after {timeout}s waiting for {what}{detail}")
        time.sleep(interval)


def check_equal(actual, expected, what):
    if actual != expected:
        raise Failure(f"{what}: expected {expected!r}, got {actual!r}")


def check(condition, message):
    if not condition:
        raise Failure(message)


# --------------------------------------------------------------------------
# Accessibility (scenario side)
# --------------------------------------------------------------------------

_Atspi = None


def atspi():
    """The AT-SPI library, loaded once the scenario's buses are known."""
    global _Atspi
    if _Atspi is None:
        import pyatspi  # noqa: F401  (sets up the registry and the Atspi bindings)
        from gi.repository import Atspi

        # A call that the program does not answer must not hold up a scenario.
        Atspi.set_timeout(8000, 15000)
        _Atspi = Atspi
    return _Atspi


class Node:
    """One accessible object, read without caching."""

    def __init__(self, acc):
        self.acc = acc

    @property
    def role(self):
        return self.acc.get_role_name()

    @property
    def name(self):
        return self.acc.get_name() or ""

    @property
    def description(self):
        return self.acc.get_description() or ""

    def children(self):
        count = self.acc.get_child_count()
        result = []
        for index in range(count):
            child = self.acc.get_child_at_index(index)
            if child is not None:
                result.append(Node(child))
        return result

    def has_state(self, state_name):
        state = getattr(atspi().StateType, state_name.upper())
        return self.acc.get_state_set().contains(state)

    @property
    def showing(self):
        return self.has_state("showing")

    @property
    def focused(self):
        return self.has_state("focused")

    def text(self):
        """The whole text of a control with a text interface."""
        count = self.acc.get_character_count()
        return self.acc.get_text(0, count) if count else ""

    def extents(self):
        rect = self.acc.get_extents(atspi().CoordType.SCREEN)
        return rect.x, rect.y, rect.width, rect.height

    def centre(self):
        x, y, width, height = self.extents()
        return x + width // 2, y + height // 2

    def actions(self):
        return [self.acc.get_action_name(i) for i in range(self.acc.get_n_actions())]

    def related(self, relation):
        """The objects this one stands in a relation to: "labelled_by" (its
        caption), "label_for" (what it is the caption of), ..."""
        kind = getattr(atspi().RelationType, relation.upper())
        found = []
        for item in self.acc.get_relation_set() or []:
            if item.get_relation_type() != kind:
                continue
            for index in range(item.get_n_targets()):
                target = item.get_target(index)
                if target is not None:
                    found.append(Node(target))
        return found

    def press(self):
        """Runs the control's press action (for buttons)."""
        names = [name.lower() for name in self.actions()]
        for wanted in ("press", "click", "activate", "toggle"):
            if wanted in names:
                self.acc.do_action(names.index(wanted))
                return
        raise Failure(f"{self} offers no press action (has {names})")

    def grab_focus(self):
        return self.acc.grab_focus()

    # Controls whose inner parts (list entries, scroll bars, menus) are not
    # searched unless the search starts at them: it keeps every search short.
    OPAQUE = ("menu bar", "combo box", "text", "scroll bar")

    def walk(self, max_depth=25):
        stack = [(self, 0)]
        while stack:
            node, depth = stack.pop()
            yield node
            if depth < max_depth and (node is self or node.role not in self.OPAQUE):
                children = node.children()
                stack.extend((child, depth + 1) for child in reversed(children))

    def find_all(self, role=None, name=None, predicate=None, showing=None):
        found = []
        for node in self.walk():
            if role is not None and node.role != role:
                continue
            if name is not None and node.name != name:
                continue
            if showing is not None and node.showing != showing:
                continue
            if predicate is not None and not predicate(node):
                continue
            found.append(node)
        return found

    def find(self, role=None, name=None, predicate=None, showing=None):
        found = self.find_all(role, name, predicate, showing)
        if len(found) != 1:
            wanted = role or "control"
            if name is not None:
                wanted += f" named {name!r}"
            if predicate is not None:
                wanted += " (with a condition)"
            raise Failure(f"{len(found)} times {wanted} in {self}, expected once")
        return found[0]

    def dump(self, depth=0, limit=8):
        lines = []
        for node, level in self._walk_levels(limit):
            states = ",".join(
                s for s in ("showing", "focused", "enabled") if node.has_state(s)
            )
            lines.append(
                "  " * level + f"{node.role} {node.name[:60]!r} "
                f"desc={node.description[:40]!r} [{states}]"
            )
        return "\n".join(lines)

    def _walk_levels(self, limit):
        stack = [(self, 0)]
        while stack:
            node, level = stack.pop()
            yield node, level
            if level < limit and (level == 0 or node.role not in self.OPAQUE[1:]):
                stack.extend((c, level + 1) for c in reversed(node.children()))

    def __repr__(self):
        try:
            return f"<{self.role} {self.name[:50]!r}>"
        except Exception:
            return "<gone>"


# --------------------------------------------------------------------------
# The program under test (scenario side)
# --------------------------------------------------------------------------


class Program:
    """One running copy of the program and what it shows."""

    def __init__(self, scenario, executable, label="program"):
        self.scenario = scenario
        self.executable = executable
        log = open(scenario.path("logs", f"{label}.log"), "ab")
        self.process = subprocess.Popen(
            [executable],
            cwd=scenario.path("home"),
            stdin=subprocess.DEVNULL,
            stdout=log,
            stderr=subprocess.STDOUT,
        )
        log.close()
        self._app = None

    @property
    def pid(self):
        return self.process.pid

    # -- the accessible application ------------------------------------------

    def app(self, timeout=20):
        if self._app is not None:
            return self._app
        Atspi = atspi()

        def lookup():
            if self.process.poll() is not None:
                raise Failure(
                    f"the program ended (status {self.process.returncode}) "
                    "before it appeared on the accessibility bus"
                )
            desktop = Atspi.get_desktop(0)
            for index in range(desktop.get_child_count()):
                child = desktop.get_child_at_index(index)
                if child is not None and child.get_process_id() == self.pid:
                    child.set_cache_mask(Atspi.Cache.NONE)
                    return Node(child)
            return None

        self._app = wait_for(lookup, "the program on the accessibility bus", timeout)
        return self._app

    def windows(self):
        """The program's top-level windows that are on screen."""
        return [w for w in self.app().children() if w.showing]

    def window(self, kind, timeout=10):
        """The one window of a kind on screen: 'input', 'result', 'exit',
        'about', 'sun' or 'message'."""
        return wait_for(
            lambda: self._window_of(kind), f"the {kind} window", timeout
        )

    def _window_of(self, kind):
        matches = [w for w in self.windows() if self.kind_of(w) == kind]
        if len(matches) > 1:
            raise Failure(f"{len(matches)} {kind} windows on screen")
        return matches[0] if matches else None

    def kind_of(self, window):
        if window.name == APP_TITLE:
            return "message"
        if window.name == SUN_CHANGES_TITLE:
            return "sun"
        if window.name != WINDOW_CAPTION:
            return "other"
        names = {(n.role, n.name) for n in window.walk(6)}
        if ("text", "First Name") in names:
            return "input"
        if any(role == "page tab list" for role, _ in names):
            return "result"
        if ("push button", "Refer A Friend Now") in names:
            return "exit"
        if ("push button", "OK") in names:
            return "about"
        return "other"

    def kinds_on_screen(self):
        return sorted(self.kind_of(w) for w in self.windows())

    # -- message boxes -------------------------------------------------------

    def message(self, timeout=10):
        """The message box on screen and its text."""
        box = self.window("message", timeout)
        return box, message_text(box)

    def answer(self, expected_text, button="OK", timeout=10):
        """Waits for a message box, checks its text and presses one of its buttons."""
        box, text = self.message(timeout)
        check_equal(text, one_line_break(expected_text), "message box text")
        box.find("push button", button).press()
        wait_for(lambda: self._window_of("message") is None, "the message box to close")
        return text

    def no_message(self, settle=0.8):
        time.sleep(settle)
        found = self._window_of("message")
        if found is not None:
            raise Failure(f"unexpected message box: {message_text(found)!r}")

    # -- X side --------------------------------------------------------------

    def x_window(self, window):
        """The X window id of an accessible top-level window."""
        want = window.extents()

        def lookup():
            try:
                output = xdo("search", "--onlyvisible", "--pid", self.pid)
            except Failure:
                return None
            for line in output.split():
                if window_geometry(int(line)) == tuple(want):
                    return int(line)
            return None

        return wait_for(lookup, f"the X window of {window}", 10)

    def activate(self, window):
        """Gives a window the keyboard on the user's behalf: through the window
        manager, as a click on the window would, or, without one, by setting the
        X input focus. Not for scenarios about which window the program activates."""
        wid = self.x_window(window)
        if window_manager():
            xdo("windowactivate", "--sync", wid)
        else:
            xdo("windowfocus", "--sync", wid)
        return wid

    def keys(self, window, *keys):
        self.activate(window)
        for key in keys:
            xdo("key", "--clearmodifiers", key)
            time.sleep(0.05)

    def type_into(self, window, control, text):
        """Focuses a control and types text into it with real key events."""
        self.focus(window, control)
        xdo("type", "--delay", "40", text)

    def focus(self, window, control):
        """Puts the keyboard focus on a control: through its accessibility focus
        action where it has one, else by clicking it (a drop-down list is
        clicked open and closed again with Escape)."""
        self.activate(window)
        if control.focused:
            return
        if "SetFocus" in control.actions():
            control.grab_focus()
        else:
            self.click(control)
            if control.role == "combo box":
                time.sleep(0.3)
                xdo("key", "Escape")
        wait_for(lambda: control.focused, f"the focus in {control}", 5)

    def click(self, control):
        x, y = control.centre()
        pointer_to(x, y)
        xdo("click", "1")

    def close_box(self, window):
        close_box(self.x_window(window))

    # -- choosing list entries ------------------------------------------------

    def choose(self, window, combo, entry):
        """Chooses an entry of a drop-down list by typing it, as a keyboard user
        does; a selection-only list jumps to the entry that begins with the keys."""
        if combo.name == entry:
            return
        for _ in range(3):
            self.focus(window, combo)
            time.sleep(0.5)  # let an earlier keyboard search expire
            xdo("type", "--delay", "30", entry)
            try:
                wait_for(lambda: combo.name == entry, f"{entry!r} in the list", 3)
                return
            except Failure:
                continue
        raise Failure(f"could not choose {entry!r} (list shows {combo.name!r})")

    # -- ending --------------------------------------------------------------

    def wait_end(self, timeout=10):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired as exc:
            raise Failure(f"the program did not end within {timeout}s") from exc

    def running(self):
        return self.process.poll() is None


def one_line_break(text):
    """Text with each line break (CR LF, CR or LF) written as LF."""
    return text.replace("\r\n", "\n").replace("\r", "\n")


def message_text(box):
    """The text a message box shows, line breaks written as LF: the text label
    it carries, else its accessible description."""
    texts = [
        n.name
        for n in box.walk(4)
        if n.role in ("label", "static") and n.name and n.name != APP_TITLE
    ]
    return one_line_break("\n".join(texts) if texts else box.description)


# --------------------------------------------------------------------------
# Scenario context (scenario side)
# --------------------------------------------------------------------------


class Scenario:
    """What a scenario function gets: its directories, the program to start
    and the record of opened addresses."""

    def __init__(self, program):
        self.root = os.environ["SOLVANTA_E2E_ROOT"]
        self.executable = program
        self.programs = []

    def path(self, *parts):
        return os.path.join(self.root, *parts)

    def start(self, label="program"):
        program = Program(self, self.executable, label)
        self.programs.append(program)
        return program

    # -- settings store ------------------------------------------------------

    @property
    def settings_file(self):
        return os.path.join(os.environ["XDG_CONFIG_HOME"], "Solvanta", "Solvanta.conf")

    def store_reminder_date(self, date):
        os.makedirs(os.path.dirname(self.settings_file), exist_ok=True)
        with open(self.settings_file, "w") as f:
            f.write(f"[Settings]\nlastReminderDate={date.isoformat()}\n")

    def stored_reminder_date(self):
        try:
            with open(self.settings_file) as f:
                lines = f.read().splitlines()
        except FileNotFoundError:
            return None
        group = None
        for line in lines:
            line = line.strip()
            if line.startswith("["):
                group = line
            elif group == "[Settings]" and line.startswith("lastReminderDate="):
                return line.split("=", 1)[1]
        return None

    # -- opened addresses ----------------------------------------------------

    def opened(self):
        try:
            with open(os.environ["SOLVANTA_E2E_OPENED"]) as f:
                return [line for line in f.read().split("\n") if line]
        except FileNotFoundError:
            return []

    def expect_opened(self, before, address, what, timeout=10):
        """Waits until exactly one more address was opened and compares it."""
        wait_for(lambda: len(self.opened()) > before, f"{what} to open an address", timeout)
        time.sleep(0.3)
        opened = self.opened()[before:]
        check_equal(opened, [address], f"addresses opened by {what}")


def today():
    return datetime.date.today()


def parse_query(address):
    """The ordered (key, value) pairs of an address's query, percent-decoded."""
    query = urllib.parse.urlsplit(address).query
    pairs = []
    for item in query.split("&"):
        key, _, value = item.partition("=")
        # Decoded as a web server decodes a query: "+" stands for a space.
        pairs.append((key, urllib.parse.unquote_plus(value)))
    return pairs


# --------------------------------------------------------------------------
# Running scenarios
# --------------------------------------------------------------------------


def run_child(scenarios, name, program):
    """Runs one scenario inside an already prepared desktop; exit status 0 on pass."""
    function = scenarios[name]
    scenario = Scenario(program)
    try:
        function(scenario)
    except Failure as exc:
        print(f"FAIL: {exc}", flush=True)
        _dump_screen(scenario)
        return 1
    except Exception:
        traceback.print_exc()
        _dump_screen(scenario)
        return 1
    finally:
        for running in scenario.programs:
            if running.running():
                running.process.kill()
                running.process.wait(timeout=5)
    return 0


def _dump_screen(scenario):
    """Shows what was on screen when a scenario failed."""
    for program in scenario.programs:
        if not program.running() or program._app is None:
            continue
        try:
            for window in program.windows():
                print(f"--- on screen ({program.kind_of(window)}):", flush=True)
                print(window.dump(limit=5), flush=True)
        except Exception as exc:  # the program may be stuck
            print(f"--- could not read the screen: {exc}", flush=True)
    for log in sorted(os.listdir(scenario.path("logs"))):
        with open(scenario.path("logs", log), errors="replace") as f:
            content = f.read().strip()
        if content and log.startswith("program"):
            print(f"--- {log}:\n{content[-3000:]}", flush=True)


def run_scenario(entry, name, program, timeout, window_manager=None):
    """Prepares a desktop, runs one scenario in a child process under a deadline
    and clears everything away. Returns (passed, seconds, output)."""
    started = time.monotonic()
    desktop = Desktop(name, window_manager)
    output = ""
    passed = False
    try:
        env = desktop.start()
        child = subprocess.run(
            [sys.executable, entry, "--child", name, "--program", program],
            env=env,
            capture_output=True,
            text=True,
            timeout=timeout,
        )
        output = child.stdout + child.stderr
        passed = child.returncode == 0
    except subprocess.TimeoutExpired as exc:
        partial = exc.stdout or ""
        if isinstance(partial, bytes):
            partial = partial.decode(errors="replace")
        output = partial + f"\nFAIL: the scenario did not finish within {timeout}s"
    except Failure as exc:
        output += f"\nFAIL: {exc}"
    finally:
        desktop.stop()
    return passed, time.monotonic() - started, output


def main(scenarios, groups, argv=None):
    import argparse

    parser = argparse.ArgumentParser(description="Solvanta end-to-end scenarios")
    parser.add_argument("--program", help="path of the built program")
    parser.add_argument("--group", action="append", help="scenario group to run")
    parser.add_argument("--scenario", action="append", help="single scenario to run")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--timeout", type=float, default=60, help="seconds per scenario")
    parser.add_argument("--verbose", action="store_true", help="show every scenario's output")
    parser.add_argument(
        "--window-manager",
        choices=WINDOW_MANAGERS,
        help="run each scenario under this window manager (default: none)",
    )
    parser.add_argument(
        "--repeat", type=int, default=1, help="run the chosen scenarios this many times"
    )
    parser.add_argument("--child", help=argparse.SUPPRESS)
    args = parser.parse_args(argv)

    if args.list:
        for group, names in groups.items():
            print(f"{group}: {' '.join(names)}")
        return 0
    if not args.program:
        parser.error("--program is required")
    program = os.path.abspath(args.program)
    if args.child:
        return run_child(scenarios, args.child, program)

    missing = missing_tools(args.window_manager)
    if missing:
        print(f"missing tools: {', '.join(missing)}", file=sys.stderr)
        return 2
    if not os.access(program, os.X_OK):
        print(f"not an executable: {program}", file=sys.stderr)
        return 2

    names = []
    for group in args.group or []:
        if group not in groups:
            parser.error(f"unknown group {group}")
        names += groups[group]
    for name in args.scenario or []:
        if name not in scenarios:
            parser.error(f"unknown scenario {name}")
        names.append(name)
    if not names:
        names = [n for group in groups.values() for n in group]

    entry = os.path.abspath(sys.argv[0])
    mode = args.window_manager or "no window manager"
    failed = 0
    runs = names * max(args.repeat, 1)
    for name in runs:
        passed, seconds, output = run_scenario(
            entry, name, program, args.timeout, args.window_manager
        )
        status = "PASS" if passed else "FAIL"
        print(f"{status} {name} [{mode}] ({seconds:.1f}s)", flush=True)
        if not passed:
            failed += 1
        if output.strip() and (args.verbose or not passed):
            print("    " + output.strip().replace("\n", "\n    "), flush=True)
    print(f"{len(runs) - failed} passed, {failed} failed", flush=True)
    return 1 if failed else 0
