"""Reads the real program as a screen reader does, through AT-SPI.

Run inside a D-Bus session of its own (dbus-run-session) with Debian's python3 and its AT-SPI
bindings: python3 screen_reader_test.py KALYRA_BINARY. The program runs on its own Xvfb; the
keys are typed with xdotool, as a user types them.
"""

import ctypes
import os
import signal
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

PATIENCE = 30  # seconds for anything to happen
READ = {"showing", "focused", "active", "checked", "checkable"}  # the states a report shows
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAILED:", what, flush=True)
    return ok


def until(condition, patience=PATIENCE):
    end = time.monotonic() + patience
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.2)
    return condition()


def die_with_parent():
    """The X server and the program end with the test, however it ends."""
    ctypes.CDLL("libc.so.6").prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def start_xvfb():
    read, write = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-noreset",
         "-nolisten", "tcp"], pass_fds=[write], stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL, preexec_fn=die_with_parent)
    os.close(write)
    with os.fdopen(read) as numbers:
        return server, ":" + numbers.readline().strip()


def states(node):
    return set(node.get_state_set().get_states())


class Control:
    """One accessible object as the screen reader reads it."""

    def __init__(self, node, depth):
        node.clear_cache()  # the bindings keep what they read; a screen reader hears the changes
        self.node = node
        self.depth = depth
        self.role = node.get_role_name()
        self.name = node.get_name() or ""
        self.description = node.get_description() or ""
        self.states = states(node)

    def __repr__(self):
        shown = sorted(s.value_nick for s in self.states if s.value_nick in READ)
        return f"{self.role} '{self.name}' {shown}"


def showing(app):
    """Every showing object of the program's windows, read afresh."""
    app.clear_cache()
    found = []

    def walk(node, depth):
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is None:
                continue
            control = Control(child, depth)
            if Atspi.StateType.SHOWING in control.states:
                found.append(control)
                walk(child, depth + 1)

    walk(app, 1)
    return found


def named(app, name):
    return next((c for c in showing(app) if c.name == name), None)


def focused(app):
    return next((c for c in showing(app) if Atspi.StateType.FOCUSED in c.states), None)


def key(display, *keys):
    subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True,
                   env=dict(os.environ, DISPLAY=display))


def find_program(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == name:
            return app
    return None


def check_every_control(app, when):
    """Nothing showing is unnamed or undescribed; the window is the one frame, and active."""
    for c in showing(app):
        check(c.name and c.description, f"{when}: {c} has a name and a description")
        window = c.depth == 1
        check((c.role == "frame") == window, f"{when}: {c} is a frame if and only if a window")
        check(not window or Atspi.StateType.ACTIVE in c.states, f"{when}: {c} is active")


def checked(app, name):
    c = named(app, name)
    return c is not None and Atspi.StateType.CHECKED in c.states


def read_program(app, display):
    canvas = until(lambda: focused(app))
    check(canvas and canvas.name == "Canvas", f"the canvas has the keyboard at start: {canvas}")
    check(not any(c.role in ("push button", "radio button") for c in showing(app)),
          "no panel control shows at start")

    key(display, "F10")
    first = until(lambda: (f := focused(app)) and f.name == "Drawing Color" and f)
    check(first, f"F10 puts the keyboard on the panel's first control: {focused(app)}")
    check_every_control(app, "panel shown")
    roles = {c.name: c.role for c in showing(app)}
    for name, role in [("line", "radio button"), ("pen width 3", "radio button"),
                       ("four-way mirror", "radio button"), ("polygons with 5 sides",
                                                              "radio button"),
                       ("Gradient", "check box"), ("Fill", "check box"), ("Spin", "check box"),
                       ("Kaleidoscope", "check box"), ("Rainbow", "check box"),
                       ("Guides", "check box"), ("echo", "check box"),
                       ("Drawing Color", "push button"), ("Centre", "push button")]:
        check(roles.get(name) == role, f"{name} is a {role}: {roles.get(name)}")
    check(checked(app, "line") and checked(app, "pen width 3") and not checked(app, "squares"),
          "the chosen brush and pen width are checked, the others not")
    check(named(app, "order 6"), "the order is read with its number")

    key(display, "Tab", "Tab", "Tab", "space")
    check(until(lambda: checked(app, "squares")) and not checked(app, "line"),
          "Space on squares chooses it")
    now = focused(app)
    check(now and now.name == "squares", f"the keyboard stays on squares: {now}")

    for name in ("Spin", "Rainbow"):
        control = named(app, name)
        if check(control, f"{name} shows"):
            control.node.do_action(0)
            check(until(lambda: checked(app, name)), f"{name} is checked once switched on")
    check(not checked(app, "Kaleidoscope") and not checked(app, "Guides"),
          "Kaleidoscope and Guides stay unchecked")
    # A click hands the keys to the canvas, where + is one more copy.
    key(display, "plus")
    check(until(lambda: named(app, "order 7")), "+ makes the order 7, and it is read so")

    key(display, "F10")
    canvas = until(lambda: (f := focused(app)) and f.name == "Canvas" and f)
    check(canvas, f"F10 again gives the keyboard back to the canvas: {focused(app)}")
    check(not named(app, "squares"), "F10 again hides the panel")


def main():
    binary = os.path.abspath(sys.argv[1])
    server, display = start_xvfb()
    home = tempfile.TemporaryDirectory()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", KALYRA_SPLASH_SECONDS="0",
               LC_ALL="C", LANGUAGE="", ASAN_OPTIONS="detect_leaks=0")
    for name in ("DATA", "CONFIG", "CACHE", "STATE"):
        env[f"XDG_{name}_HOME"] = os.path.join(home.name, name.lower())
    env["XDG_RUNTIME_DIR"] = os.path.join(home.name, "runtime")
    os.mkdir(env["XDG_RUNTIME_DIR"], 0o700)
    for name in ("WAYLAND_DISPLAY", "XAUTHORITY", "QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP"):
        env.pop(name, None)
    program = subprocess.Popen([binary], env=env, cwd=home.name, preexec_fn=die_with_parent)
    try:
        app = until(lambda: find_program("Kalyra!"))
        if check(app, "the program is on the AT-SPI bus"):
            check(until(lambda: named(app, "Canvas")), "the canvas shows")
            windows = subprocess.run(["xdotool", "search", "--class", "^Kalyra!$"],
                                     env=dict(os.environ, DISPLAY=display), capture_output=True)
            check(windows.returncode == 0, "the window's class is the menu entry's StartupWMClass")
            read_program(app, display)
    finally:
        program.kill()
        program.wait()
        server.kill()
        server.wait()
    print(f"{len(failures)} failed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # CTest's timeout cleans up too
    sys.exit(main())
