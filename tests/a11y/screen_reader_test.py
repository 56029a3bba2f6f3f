"""The real program read as a screen reader reads it, through AT-SPI: every showing object's
role, name, description and states, with keys typed by xdotool on the program's own Xvfb.
Run in a D-Bus session of its own: dbus-run-session -- python3 screen_reader_test.py KALYRA
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
from gi.repository import Atspi, GLib  # noqa: E402

S = Atspi.StateType
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAILED:", what, flush=True)
    return ok


def until(condition, patience=30):
    end = time.monotonic() + patience
    while not (value := condition()) and time.monotonic() < end:
        time.sleep(0.2)
        while GLib.MainContext.default().iteration(False):  # the events the program sent
            pass
    return value


announced = []  # (name, checked) of every checked state the program announced
listener = Atspi.EventListener.new(
    lambda event: announced.append((event.source.get_name(), bool(event.detail1))))


def die_with_parent():  # the X server and the program end with the test, however it ends
    ctypes.CDLL("libc.so.6").prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


class Control:
    def __init__(self, node, depth):
        node.clear_cache()  # the bindings keep what they read; a screen reader hears changes
        self.node, self.depth = node, depth
        self.role, self.name = node.get_role_name(), node.get_name() or ""
        self.description = node.get_description() or ""
        self.states = set(node.get_state_set().get_states())

    def __repr__(self):
        read = {S.SHOWING, S.FOCUSED, S.ACTIVE, S.CHECKED}
        return f"{self.role} '{self.name}' {sorted(s.value_nick for s in self.states & read)}"


def showing(node, depth=1):
    found = []
    for child in filter(None, (node.get_child_at_index(i) for i in range(node.get_child_count()))):
        if S.SHOWING in (control := Control(child, depth)).states:
            found += [control] + showing(child, depth + 1)
    return found


def named(app, name):
    return next((c for c in showing(app) if c.name == name), None)


def focused(app, name):
    return next((c for c in showing(app) if S.FOCUSED in c.states and c.name == name), None)


def checked(app, name):
    return (c := named(app, name)) is not None and S.CHECKED in c.states


def read_program(app, key):
    check(until(lambda: focused(app, "Canvas")), "the canvas has the keyboard at start")
    check(not named(app, "line"), "the panel is hidden at start")
    key("F10")
    check(until(lambda: focused(app, "Drawing Color")), "F10: the keyboard on the first control")
    for c in showing(app):
        check(c.name and c.description, f"{c} has a name and a description")
        window = c.depth == 1
        check((c.role == "frame") == window, f"{c} is a frame if and only if a window")
        check(not window or S.ACTIVE in c.states, f"{c} is active")
    roles = {c.name: c.role for c in showing(app)}
    for names, role in [(("line", "pen width 3", "four-way mirror", "polygons with 5 sides"),
                         "radio button"),
                        (("Gradient", "Fill", "Spin", "Kaleidoscope", "Rainbow", "Guides", "echo"),
                         "check box"), (("Drawing Color", "Centre"), "push button")]:
        for name in names:
            check(roles.get(name) == role, f"{name} is a {role}: {roles.get(name)}")
    check(checked(app, "line") and checked(app, "pen width 3") and not checked(app, "squares"),
          "the chosen brush and pen width are checked, the others not")
    check(named(app, "order 6"), "the order is read with its number")

    key("Tab", "Tab", "Tab", "space")
    check(until(lambda: checked(app, "squares")) and not checked(app, "line"),
          "Space on squares chooses it")
    check(focused(app, "squares"), "the keyboard stays on squares")
    listener.register("object:state-changed:checked")
    for name in ("Spin", "Rainbow"):  # pressed as a screen reader presses
        if check(control := named(app, name), f"{name} shows"):
            control.node.do_action(0)
            check(until(lambda: checked(app, name)), f"{name} is checked once switched on")
            check(until(lambda: (name, True) in announced), f"{name}'s check is announced")
    check(not checked(app, "Kaleidoscope") and not checked(app, "Guides"),
          "Kaleidoscope and Guides stay unchecked")
    key("plus")  # a press hands the keys to the canvas, where + is one more copy
    check(until(lambda: named(app, "order 7")), "+ makes the order 7, and it is read so")
    key("F10")
    check(until(lambda: focused(app, "Canvas")), "F10 again: the keyboard back on the canvas")
    check(not named(app, "squares"), "F10 again hides the panel")


def main():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                               "-noreset", "-nolisten", "tcp"], pass_fds=[write],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              preexec_fn=die_with_parent)
    os.close(write)
    with os.fdopen(read) as numbers:
        x = dict(os.environ, DISPLAY=":" + numbers.readline().strip())
    home = tempfile.TemporaryDirectory()
    env = dict(x, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C",
               LANGUAGE="", KALYRA_SPLASH_SECONDS="0", ASAN_OPTIONS="detect_leaks=0",
               XDG_RUNTIME_DIR=os.path.join(home.name, "runtime"))
    os.mkdir(env["XDG_RUNTIME_DIR"], 0o700)
    for name in ("DATA", "CONFIG", "CACHE", "STATE"):
        env[f"XDG_{name}_HOME"] = os.path.join(home.name, name.lower())
    for name in ("WAYLAND_DISPLAY", "XAUTHORITY", "QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP"):
        env.pop(name, None)
    program = subprocess.Popen([os.path.abspath(sys.argv[1])], env=env, cwd=home.name,
                               preexec_fn=die_with_parent)
    try:
        desktop = Atspi.get_desktop(0)
        app = until(lambda: next((a for a in (desktop.get_child_at_index(i) for i in range(
            desktop.get_child_count())) if a and a.get_name() == "Kalyra!"), None))
        if check(app, "the program is on the AT-SPI bus"):
            check(until(lambda: named(app, "Canvas")), "the canvas shows")
            search = subprocess.run(["xdotool", "search", "--class", "^Kalyra!$"], env=x,
                                    capture_output=True)
            check(search.returncode == 0, "the window's class is the menu entry's StartupWMClass")
            read_program(app, lambda *keys: subprocess.run(
                ["xdotool", "key", "--delay", "60", *keys], env=x, check=True))
    finally:
        program.kill(), program.wait(), server.kill(), server.wait()
    print(f"{len(failures)} failed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # CTest's timeout cleans up too
    sys.exit(main())
