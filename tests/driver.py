#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The legs of the test suite that drive real windows with real key presses and clicks, as a person does: each a
list of steps on a desktop (X11, X11 with a window manager, Wayland, XWayland, Wine) that waits with a deadline for
what the screen shows before each input. Evidence goes into $TAVREL_TEST_OUTPUT/$TAVREL_LEG, kept at a failure.
Usage: driver.py smoke x11|wayland|xwayland PROGRAM [weston|mutter|kwin] | frame PROGRAM DOCK-PROGRAM
       | limits READING-DRIVER | package BUILD-DIR | wine WINDOWS-BUILD-DIR SCRAMBLE-PROGRAM
       | run [--accessibility] PROGRAM [ARG...]"""
import hashlib
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

TITLE, VERSION = os.environ.get("TAVREL_TITLE", ""), os.environ.get("TAVREL_VERSION", "")
SOURCE = Path(__file__).resolve().parent.parent
# Where controls are when no accessibility bus tells (under Wine): the design's twips (15 a pixel) from the top left
# corner of the input form's client area, below its menu; the frame's restored client area.
DESIGN = {"form": (0, 0, 7440, 5295), "name box": (2760, 2160, 3615, 375), "reading button": (90, 3480, 7260, 615),
          "exit button": (6360, 4680, 975, 375), "frame": (0, 0, 11175, 8025)}
FORM_WIDTH, FRAME_WIDTH = DESIGN["form"][2] // 15, DESIGN["frame"][2] // 15
NAME_BOX, READING_TAB = "text:Name", "page tab:Attributes Of Sephiroths  Associated With Your Sun Sign"
PATH_TAB, SIGN_TAB = "page tab:Attributes Of The Path  Associated with Your Sun Sign", \
    "page tab:About Your Sun Sign And Sephiroths "


class Failure(Exception):
    pass


def fail(text):
    raise Failure(text)


class Leg:
    """The leg that runs: its evidence folder (kept only at a failure), its work folder, its steps, and what ends
    with it (cleanups, last first) or is gathered at a failure (evidence)."""

    def __init__(self, name):
        self.name, self.steps, self.current, self.skipped, self.cleanups, self.evidence = name, 0, "", 0, [], []
        self.out = Path(os.environ.get("TAVREL_TEST_OUTPUT", SOURCE / "build/test-output")).resolve() / name
        shutil.rmtree(self.out, ignore_errors=True)
        self.out.mkdir(parents=True)
        self.work = Path(tempfile.mkdtemp(prefix="tavrel-test-"))

    def trace(self, text):
        with open(self.out / "trace.log", "a") as log:
            log.write(f"{time.strftime('%H:%M:%S')}.{int(time.time() * 1000) % 1000:03} {text}\n")

    def step(self, text):
        self.steps += bool(self.current)
        self.current = text
        print(f"-- {text}", flush=True)
        self.trace(f"step: {text}")

    def finish(self, error):
        for end in [*(self.evidence if error else []), *reversed(self.cleanups)]:
            try:
                end()
            except Exception as e:  # as far as it goes
                self.trace(f"at the end: {e!r}")
        shutil.rmtree(self.work, ignore_errors=True)
        if not error:
            shutil.rmtree(self.out, ignore_errors=True)
            print(f"{self.name}: {self.steps + 1} passed, 0 failed" + f", {self.skipped} skipped" * bool(self.skipped))
            return 0
        self.trace(f"FAIL: {error}")
        last = "\n    ".join((self.out / "trace.log").read_text().splitlines()[-9:-1])
        print(f"FAIL: {error}\n  at the step: {self.current}\n  evidence: {self.out}/ ("
              f"{' '.join(sorted(p.name for p in self.out.iterdir()))})\n  the last steps:\n    {last}\n"
              f"{self.name}: {self.steps} passed, 1 failed", file=sys.stderr)
        return 1


L = None  # the leg that runs


def wait(what, predicate, seconds=10):
    """Waits until predicate() gives a true value, or (true value, what was seen), and returns that value; fails at
    the deadline, saying what was seen last."""
    began = time.monotonic()
    while True:
        ok, seen = (lambda r: r if isinstance(r, tuple) else (r, None))(predicate())
        if ok:
            L.trace(f"seen after {time.monotonic() - began:.1f} s: {what}")
            return ok
        if time.monotonic() - began > seconds:
            fail(f"{what}: not within {seconds} s" + f" ({str(seen)[:300]})" * bool(seen))
        time.sleep(0.1)


def run(*argv, log=None, check=True, **kw):
    """Runs a tool to its end: returns its output, or with a log named adds its output there; fails on a non-zero
    status, or with check=False returns the finished process."""
    with open(L.out / log, "a") if log else open(os.devnull) as f:
        out = dict(stdout=f, stderr=subprocess.STDOUT) if log else dict(capture_output=True, text=True)
        done = subprocess.run(list(map(str, argv)), stdin=subprocess.DEVNULL, **out, **kw)
    if check and done.returncode:
        fail(f"{' '.join(map(str, argv[:3]))} ended with status {done.returncode}: "
             + (log if log else done.stderr.strip()[-300:]))
    return (done.stdout or "") if check else done


class Program:
    """A program started by the leg, in a process group of its own; its output goes to NAME.log."""

    def __init__(self, name, argv, env, cwd=None, pass_fds=()):
        self.name, self.log = name, L.out / f"{name}.log"
        with open(self.log, "w") as log:
            self.process = subprocess.Popen(list(map(str, argv)), env=env, cwd=cwd, stdout=log, pass_fds=pass_fds,
                                            stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL, start_new_session=True)
        self.pid = self.process.pid
        L.trace(f"started {name}: process {self.pid}")
        L.cleanups.append(self.kill)

    def running(self):
        return self.process.poll() is None

    def kill(self, now=False):
        """Ends the program: at once (SIGKILL), or given five seconds to clean up after itself (SIGTERM first)."""
        if self.running():
            self.process.send_signal(signal.SIGKILL if now else signal.SIGTERM)
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.kill(now=True)

    def ended(self, why, seconds=10, status=0):
        wait(f"{self.name} ends after {why}", lambda: not self.running(), seconds)
        if status is not None and self.process.returncode != status:
            said = " | ".join(self.output().strip().splitlines()[-3:])
            fail(f"{why} ended {self.name} with status {self.process.returncode} ({self.log.name}: {said})")

    def output(self):
        return self.log.read_text(errors="replace")


class X11:
    """A private X server (Xvfb) with a person at it, and the program's settings and lock in the work folder."""
    wm, platform, bus = None, "xcb", None

    def __init__(self, screen="1280x1024x24"):
        self.width, self.height = 1280, 1024
        # The message bus is the leg's own, where none listens until one is asked for (else a program on an X server
        # would start one, and note its address in the user's home).
        self.env = dict(os.environ, XDG_CONFIG_HOME=str(L.work / "config"), XDG_RUNTIME_DIR=str(L.work / "run"),
                        TMPDIR=str(L.work / "run"), QT_QPA_PLATFORM="xcb",
                        DBUS_SESSION_BUS_ADDRESS=f"unix:path={L.work}/bus")
        for folder in ("config", "run"):
            (L.work / folder).mkdir(mode=0o700)
        read, write = os.pipe()
        Program("xvfb", ["Xvfb", "-displayfd", write, "-screen", "0", screen, "-nolisten", "tcp", "-noreset"],
                self.env, pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as displayfd:  # Xvfb names its display once it listens
            self.env["DISPLAY"] = ":" + (displayfd.readline().strip() or fail("Xvfb did not start (xvfb.log)"))
        self.launch = {}  # what a program started on the desktop gets besides
        # The leg's copies have a lock of their own, beside a copy that the user runs: the user's lock folder (named
        # by the user id alone) is, as root, a folder of the leg's in the programs' own mount namespace.
        self.lock = []
        if os.geteuid() == 0:
            (L.work / "lock").mkdir(mode=0o700)
            os.makedirs("/tmp/tavrel-0", mode=0o700, exist_ok=True)
            self.lock = ["unshare", "--mount", "--propagation", "private", "sh", "-c",
                         'mount --bind "$0" /tmp/tavrel-0 && exec "$@"', L.work / "lock"]
        L.evidence.append(self.gather)

    def tool(self, *argv, check=True):
        return run(*argv, check=check, env=self.env)

    def start(self, name, argv, env=None, cwd=None):
        p = Program(name, [*self.lock, *argv], dict(self.env, **self.launch, **(env or {})), cwd)
        if self.bus:
            L.evidence.append(lambda: p.running() and (shown := self.bus.dump(p.pid)) and (
                L.out / f"failure-accessible-{name}.txt").write_text(shown))
        return p

    def xdotool(self, what, *argv):  # real X input: a person's hands
        L.trace(what)
        self.tool("xdotool", *argv)

    def key(self, *keys):
        self.xdotool(f"keys: {' '.join(keys)}", "key", "--delay", "80", *keys)

    def type(self, text):
        self.xdotool(f"types: {text}", "type", "--delay", "50", text)

    def click(self, x, y, what, times=1):
        self.xdotool(f"click x{times} on {what} at {x},{y}", "mousemove", x, y, "click", "--repeat", times, "1")

    def point(self, x, y, what):
        self.xdotool(f"the mouse on {what} at {x},{y}", "mousemove", x, y)

    def windows(self, title, pid=None):
        """The visible X windows of that title (and process): [(id, x, y, width, height)]."""
        found = self.tool("xdotool", "search", "--onlyvisible", *["--pid", pid] * bool(pid), "--name",
                          f"^{re.escape(title)}$", check=False).stdout.split()
        boxes = [(w, re.findall(r"(?:Absolute upper-left [XY]|Width|Height): *(-?\d+)",
                                self.tool("xwininfo", "-id", w, check=False).stdout)) for w in found]
        return [(w, *map(int, box)) for w, box in boxes if len(box) == 4]

    def window(self, what, title, wide=None, seconds=20, pid=None):
        """Waits for a visible window of that title: the input form (wide=False), the frame (True), or any."""
        def found():
            ws = [w for w in self.windows(title, pid) if wide is None or (w[3] > FORM_WIDTH + 100) == wide]
            return (ws[-1] if ws else None), f"windows: {self.windows(title)}"
        return wait(what, found, seconds)

    def has_focus(self, window):
        focus = self.tool("xdotool", "getwindowfocus", "-f", check=False).stdout.strip()
        return focus == window or bool(focus) and f" {int(focus):#x} " in self.tool(
            "xwininfo", "-tree", "-id", window, check=False).stdout

    def focus(self, window, what):
        """Gives the window the keyboard, as a window manager would, and waits until it holds it."""
        self.tool("xdotool", "windowfocus", "--sync", window, check=False)
        wait(f"{what} holds the keyboard", lambda: self.has_focus(window), 20)

    def maximize(self, window):
        """What a window manager does for a window that asks to be maximized."""
        L.trace(f"maximize window {window}")
        self.tool("xdotool", "windowmove", "--sync", window, 0, 0, "windowsize", "--sync", window, self.width,
                  self.height)

    def shoot(self, png):
        self.tool("import", "-window", "root", "-quality", "10", png, check=False)  # (quickly: compressed least)
        return png

    def screenshot(self, name, seconds=20):
        """Waits until a screenshot of the screen is not blank (a window not yet drawn is black)."""
        png = L.out / f"{name}.png"
        colours = lambda: int(run("convert", self.shoot(png), "-format", "%k", "info:"))
        wait(f"the screenshot {name}.png not blank", lambda: (lambda c: (c > 50, f"{c} colours"))(colours()), seconds)
        os.environ.get("TAVREL_SCREENSHOTS") and shutil.copy(png, os.environ["TAVREL_SCREENSHOTS"])

    def gather(self):
        self.shoot(L.out / "failure.png")
        (L.out / "failure-windows.txt").write_text(self.tool("xwininfo", "-root", "-tree", check=False).stdout)

    def accessibility(self):
        """Starts a private message bus with the accessibility bus (by asking for its address): Qt speaks to
        assistive tools only once it finds that bus. The settings back end stays in memory."""
        address = os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
        (L.work / "bus.conf").write_text(
            f"<busconfig><listen>{address}</listen><auth>EXTERNAL</auth><servicedir>/usr/share/dbus-1/services"
            "</servicedir><policy context='default'><allow send_destination='*' eavesdrop='true'/><allow "
            "eavesdrop='true'/><allow own='*'/></policy></busconfig>")
        Program("dbus", ["dbus-daemon", f"--config-file={L.work}/bus.conf", "--nofork"], self.env)
        wait("the accessibility bus's address from the message bus", lambda: self.tool(
            "dbus-send", f"--bus={address}", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
            "org.a11y.Bus.GetAddress", check=False).returncode == 0)
        self.env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", GSETTINGS_BACKEND="memory")
        self.bus = Accessibility()
        return self

    def expect(self, program, what, *conditions, seconds=10):
        """Waits until the program shows what the conditions say (Accessibility.check)."""
        def holds():
            program.running() or fail(f"{what}: {program.name} has ended (status {program.process.returncode})")
            try:
                results = [self.bus.check(program.pid, c) for c in conditions]
            except Exception as e:  # an object gone while it was read: it is all read again
                return False, repr(e)
            return all(ok for ok, _ in results), "; ".join(seen for ok, seen in results if not ok)
        wait(what, holds, seconds)

    def locate(self, program, name):
        """The middle of the object of that name, in screen pixels."""
        box, _, screen = self.bus.where(program.pid, name) or fail(f"{name} is not shown")
        return screen[0] + box[2] // 2, screen[1] + box[3] // 2

    def do(self, program, action, what=None, *conditions, seconds=10):
        """One thing a person does, then waits until the program shows the conditions: "click:NAME",
        "twice:NAME" (a double click), "point:NAME" (the mouse over it), "type:TEXT", or keys ("alt+g Return")."""
        kind, _, arg = action.partition(":")
        if kind in ("click", "twice"):
            self.click(*self.locate(program, arg), arg, 1 + (kind == "twice"))
        elif kind == "point":
            self.point(*self.locate(program, arg), arg)
        elif kind == "type":
            self.type(arg)
        else:
            self.key(*action.split())
        if what:
            self.expect(program, what, *conditions, seconds=seconds)

    def refused(self, program, name, which=""):
        """A copy started beside a running one says so in a message, and OK in the message ends it."""
        p = self.start(name, [program])
        self.ready(p, "Tavrel", f"the message 'Application is already running'{which}")
        self.expect(p, "the message's text", "showing=label:Application is already running", seconds=5)
        self.key("Return")
        p.ended(f"OK in the message{which}")

    def ready(self, program, title, what):
        """Waits until the window is shown and holds the keyboard. Without a window manager nothing gives a new
        window the keyboard: the leg does what the window manager would."""
        self.expect(program, what, f"window={title}", seconds=20)
        self.wm or self.focus(self.window(what, title, pid=program.pid)[0], what)
        self.expect(program, f"{what}, holding the keyboard", f"active={title}")


class Compositor(X11):
    """A private Wayland compositor in the X server's top left 1280x1024, the X server being taller so that the
    pointer can leave it; programs start on it natively, or on its X server for X programs (XWayland). A compositor
    started under a message bus of its own (dbus-run-session) is ended by its own process id, the bus then ending
    with it."""
    socket, clipboard = "tavrel-test", True  # (wl-copy and wl-paste copy and paste there)

    def __init__(self, xwayland, argv, env=None):
        super().__init__("1280x1048x24")
        self.platform = "xwayland" if xwayland else "wayland"
        self.process = self.start(self.wm, argv, env)
        if argv[0] == "dbus-run-session":
            self.inner = int(wait(f"{self.wm} under its message bus", lambda: run(
                "pgrep", "-P", self.process.pid, "-x", Path(argv[2]).name[:15], check=False).stdout.split(), 20)[0])
            L.trace(f"{self.wm}: process {self.inner}")
            L.cleanups.append(lambda: self.process.running() and (
                os.kill(self.inner, signal.SIGTERM), self.process.process.wait(10)))
        wait("the compositor's socket", lambda: (L.work / "run" / self.socket).exists(), 20)
        self.env["WAYLAND_DISPLAY"] = self.socket
        self.launch = {"QT_QPA_PLATFORM": "wayland"}

    def xwayland(self, pattern, said=None, **env):
        """Programs start on the compositor's X server once its log (or what said() gives) names it."""
        shown = lambda: re.findall(pattern, said() if said else self.process.output())
        self.launch = {"DISPLAY": wait("XWayland", shown, 20)[-1], "QT_QPA_PLATFORM": "xcb", **env}

    def x(self, *argv):  # a tool on the compositor's X server
        return run(*argv, check=False, env=dict(self.env, **self.launch)).stdout

    def ready(self, program, title, what):
        super().ready(program, title, what)
        self.settled(program, what)
        if self.platform == "xwayland":  # the compositor tells its X server which window has the keyboard
            focus = lambda: self.x("xdotool", "getwindowfocus", "getwindowname").strip()
            wait(f"{what}: the keyboard given to it by the compositor", lambda: (focus() == title, focus()))

    def settled(self, program, what):
        """Waits until keys reach the window that has just been shown."""

    def gather(self):
        super().gather()
        if self.platform == "xwayland":  # and the windows of its X server, the focus first
            (L.out / "failure-xwayland-windows.txt").write_text(self.x("xdotool", "getwindowfocus") + self.x(
                "xwininfo", "-root", "-tree"))

    def windows_shown(self):
        """The windows shown on the compositor's X server, top first: [(title, (x1, y1, x2, y2))], their client
        areas."""
        shown = []
        for w in reversed(re.findall(r"0x\w+", self.x("xprop", "-root", "_NET_CLIENT_LIST_STACKING"))):
            info = self.x("xwininfo", "-id", w)
            x, y, width, height = (int(v) for v in re.findall(
                r"(?:Absolute upper-left [XY]|Width|Height): *(-?\d+)", info))
            "IsViewable" in info and shown.append((self.x("xdotool", "getwindowname", w).strip(),
                                                   (x, y, x + width, y + height)))
        return shown

    def locate(self, program, name):
        """A Wayland program does not know where its window is: the compositor tells where the window's client
        area of that size is (its decorations as wide left, right and below, the title bar above, or none)."""
        def found():  # (what the program says is read again: a window may be resized for a moment)
            box, (title, width, height), _ = self.bus.where(program.pid, name) or fail(f"{name} is not shown")
            shown = self.windows_shown()
            for x1, y1, x2, y2 in (box for t, box in shown if t == title):
                border = (x2 - x1 - width) // 2
                top = y2 - y1 - border - height
                if (x2 - x1 - width) % 2 == 0 and 0 <= border <= 50 and 0 <= top <= 100:
                    return (x1 + border + box[0] + box[2] // 2, y1 + top + box[1] + box[3] // 2), None
            return None, f"{title} of {width} x {height} not in {shown}"
        return wait(f"the window of {name} in the compositor", found, 5)


class Weston(Compositor):
    """weston, its X11 back end in the X server; its scene graph (weston-debug) tells where windows are."""
    wm = "weston"

    def __init__(self, xwayland):
        super().__init__(xwayland, ["weston", "--backend=x11-backend.so", f"--socket={self.socket}", "--width=1280",
                                    "--height=1024", "--use-pixman", "--idle-time=0", "--debug"]
                         + ["--xwayland"] * xwayland)
        wait("the compositor's panel", lambda: any("panel for output" in v[2] for v in self.scene()), 20)
        # The compositor moves its pointer by the steps the X pointer makes from where it entered its window: the
        # pointer enters once more, so that both are at the same place.
        x, y = self.width // 2, self.height // 2
        self.tool("xdotool", "mousemove", x, self.height + 10, "mousemove", x, y)
        wait("the compositor's pointer in the middle",  # (the pointer's picture has its hot spot at 5, 5)
             lambda: any(v[0] == "wl_pointer-cursor" and v[3][:2] == (x - 5, y - 5) for v in self.scene()))
        xwayland and self.xwayland(r"xserver listening on display (:\d+)")

    def scene(self, text=False):
        """The compositor's scene graph, top first: [(role, pid, what, (x1, y1, x2, y2))], what being for instance
        "top-level window 'TITLE' of APP"; or its text."""
        graph = run("weston-debug", "scene-graph", check=False, env=self.env, timeout=10).stdout
        return graph if text else [(role, pid, what, tuple(map(int, box))) for role, pid, what, *box in re.findall(
            r"View \d+ \(role ([^,]*), PID (\S+), surface ID \d+, (.*), 0x\w+\):\n\s*position: \((-?\d+), (-?\d+)\) "
            r"-> \((-?\d+), (-?\d+)\)", graph)]

    def settled(self, program, what):
        """Once no window that closed is still fading out: until then the compositor gives the keyboard to no
        window, and keys go nowhere."""
        closing = lambda: [v for v in self.scene() if v[2] == "[no description available]"]
        wait(f"{what}: no window fading out", lambda: (not closing(), closing()))

    def windows_shown(self):
        """The top-level windows in the compositor's stacking order, top first: [(title, (x1, y1, x2, y2))]."""
        return [(m.group(1), box) for _, _, what, box in self.scene()
                if (m := re.match(r"top-level window '(.*)'", what))]

    def gather(self):
        super().gather()
        (L.out / "failure-scene-graph.txt").write_text(self.scene(text=True))


class Mutter(Compositor):
    """GNOME's compositor (mutter) nested in the X server, on a message bus of its own. Under XWayland its X server
    tells where windows are. Natively nothing does: mutter is asked to put new windows in the middle of the screen,
    and a window that the program shows is where its decorations (Qt's) are seen whole on a screenshot."""
    wm = "mutter"
    clipboard = False  # (wl-copy and wl-paste take the keyboard to do it, which mutter may refuse a new window)

    def __init__(self, xwayland):
        self.programs, settings = [], L.work / "mutter/glib-2.0/settings"
        settings.mkdir(parents=True)
        (settings / "keyfile").write_text("[org/gnome/mutter]\ncenter-new-windows=true\n")
        super().__init__(xwayland, ["dbus-run-session", "--", "mutter", "--wayland", "--nested",
                                    f"--wayland-display={self.socket}"] + ["--no-x11"] * (not xwayland),
                         {"MUTTER_DEBUG_DUMMY_MODE_SPECS": "1280x1024", "GSETTINGS_BACKEND": "keyfile",
                          "XDG_CONFIG_HOME": str(settings.parent.parent)})
        self.tool("xdotool", "mousemove", self.width // 2, self.height // 2)  # (its input comes through its window)
        if xwayland:
            auth = lambda: list((L.work / "run").glob(".mutter-Xwaylandauth.*"))
            self.xwayland(r"Using public X11 display (:\d+)", XAUTHORITY=str(wait("XWayland's key", auth)[0]))

    def start(self, name, argv, env=None, cwd=None):
        self.programs.append(super().start(name, argv, env, cwd))
        return self.programs[-1]

    def settled(self, program, what):
        """Natively, once the screen shows the program's windows whole (none other drawn in or out above them):
        until then keys may go nowhere."""
        windows = lambda: {o.get_name() for o, _, _ in self.bus.objects(program.pid, deep=False) or ()
                           if o.get_role_name() in ("frame", "dialog")}
        self.platform == "wayland" and wait(f"{what}: its windows whole on the screen", lambda: (
            (lambda shown: (windows() <= {t for t, _ in shown}, shown))(self.windows_shown())))

    def windows_shown(self):
        """The top-level windows, top first: [(title, (x1, y1, x2, y2))]. Natively the program's windows (with
        Qt's decorations) whose borders and title bar are seen whole, in the middle of the screen or filling it, a
        window inside another being above it; under XWayland its X server's windows."""
        if self.platform == "wayland":
            screen = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=self.env,
                                    capture_output=True).stdout
            seen = lambda points: sum(screen[3 * (y * self.width + x):][:3] == DECORATION
                                      for x, y in points) > 0.9 * len(points)
            shown = []
            for p in self.programs:
                for o, _, _ in self.bus.objects(p.pid, deep=False) or () if p.running() else ():
                    size = o.get_extents(self.bus.atspi.CoordType.SCREEN)
                    w, h = size.width + 2 * MARGINS[0], size.height + MARGINS[0] + MARGINS[1]
                    x1, y1, x2, y2 = (self.width - w) // 2, (self.height - h) // 2, (self.width + w) // 2 - 1, \
                        (self.height + h) // 2 - 1
                    if x1 >= 0 and y1 >= 0 and seen(
                            [(x, y) for x in range(x1, x2 + 1) for y in (y1, y2)]
                            + [(x, y) for y in range(y1, y2 + 1) for x in (x1, x2)]):
                        shown.append((o.get_name(), (x1, y1, x2 + 1, y2 + 1)))
            return sorted(shown, key=lambda s: (s[1][2] - s[1][0]) * (s[1][3] - s[1][1]))
        return super().windows_shown()


class KWin(Compositor):
    """KDE's compositor (kwin_wayland) on its X11 back end in the X server, on a message bus of its own, started
    from a copy (the installed program carries file capabilities, which a container may not grant). Natively a
    script loaded through its scripting interface on that bus prints where windows are into its log (kwin_scripting)."""
    wm, asked = "kwin", 0
    clipboard = False  # (wl-paste, which takes the keyboard to paste, was seen to wait there for over 10 s)

    def __init__(self, xwayland):
        kwin = shutil.copy(shutil.which("kwin_wayland"), L.work)
        (L.work / "kwin").mkdir()  # (the title bar's boxes in the order of TITLE_BARS)
        (L.work / "kwin/kwinrc").write_text("[org.kde.kdecoration2]\nButtonsOnLeft=\nButtonsOnRight=AIX\n")
        super().__init__(xwayland, ["dbus-run-session", "--", kwin, f"--socket={self.socket}", "--width=1280",
                                    "--height=1024"] + ["--xwayland"] * xwayland,
                         {"XDG_CONFIG_HOME": str(L.work / "kwin"), "QT_LOGGING_RULES": "kwin_scripting=true"})
        self.tool("xdotool", "mousemove", self.width // 2, self.height // 2)  # (its input comes through its window)
        xwayland and self.xwayland(r"Xwayland (:\d+)", lambda: run("pgrep", "-a", "-P", self.inner, "Xwayland",
                                                                    check=False).stdout)
        self.kwin_bus = re.search(rb"DBUS_SESSION_BUS_ADDRESS=([^\0]*)", Path(f"/proc/{self.inner}/environ")
                                  .read_bytes())[1].decode()

    def windows_shown(self):
        """Natively the windows not minimized by KWin's stacking order, top first: their client areas (the
        surfaces: Qt draws no decorations where KWin does)."""
        if self.platform == "xwayland":
            return super().windows_shown()
        self.asked += 1
        script, name = L.work / "windows.js", f"tavrel-{self.asked}"
        script.write_text(f"print('{name} ' + JSON.stringify(workspace.clientList().filter(c => !c.minimized && "
                          "(c.normalWindow || c.dialog)).map(c => [c.stackingOrder, c.caption.replace(/ <\\d+>$/, ''),"
                          "c.bufferGeometry])))")  # (KWin numbers the titles a window shares with others: <2>)
        call = lambda path, method, *args: run("dbus-send", f"--bus={self.kwin_bus}", "--print-reply=literal",
                                               "--dest=org.kde.KWin", path, method, *args).split()
        number = call("/Scripting", "org.kde.kwin.Scripting.loadScript", f"string:{script}", f"string:{name}")[-1]
        call(f"/{number}", "org.kde.kwin.Script.run")
        call("/Scripting", "org.kde.kwin.Scripting.unloadScript", f"string:{name}")
        listed = json.loads(re.findall(f"js: {name} (.*)", self.process.output())[-1])
        return [(t, tuple(round(v) for v in (b["x"], b["y"], b["x"] + b["width"], b["y"] + b["height"])))
                for _, t, b in sorted(listed, key=lambda w: -w[0])]


class Accessibility:
    """The accessibility bus (AT-SPI) as a screen reader reads it. An object is named by its accessible name or by
    ROLE:NAME. Conditions: window=TITLE (a window is shown), active=TITLE (the active window), focused=NAME (the
    object with the keyboard focus), text=NAME=VALUE, showing=NAME, and !CONDITION (it does not hold)."""

    def __init__(self):
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        self.atspi, self.S = Atspi, Atspi.StateType
        Atspi.set_timeout(5000, 15000)

    def objects(self, pid, deep=True):
        """[(object, depth, its window)] for the showing objects of the program (or its windows alone), or None when
        it is not on the bus."""
        desktop = self.atspi.get_desktop(0)
        apps = [a for a in map(desktop.get_child_at_index, range(desktop.get_child_count()))
                if a is not None and a.get_process_id() == pid]
        if not apps:
            return None

        def walk(node, depth, window):
            for child in map(node.get_child_at_index, range(node.get_child_count())):
                if child is not None and child.get_state_set().contains(self.S.SHOWING):
                    yield child, depth, window or child
                    yield from walk(child, depth + 1, window or child) if deep else ()
        apps[0].clear_cache()
        try:
            return list(walk(apps[0], 0, None))
        except Exception:  # the tree changed while it was read: it is read again
            return []

    def label(self, obj):
        return f"{obj.get_role_name()}:{obj.get_name()}"

    def text(self, obj):
        return self.atspi.Text.get_text(obj, 0, self.atspi.Text.get_character_count(obj)) \
            if "Text" in obj.get_interfaces() else obj.get_name()

    def check(self, pid, condition):
        """Whether the condition holds in the program's windows, and what was seen."""
        if condition.startswith("!"):
            return (lambda ok, seen: (not ok, seen))(*self.check(pid, condition[1:]))
        kind, _, arg = condition.partition("=")
        objects = self.objects(pid)
        if objects is None:
            return False, "the program is not on the accessibility bus"
        named = lambda n: [o for o, _, _ in objects if n in (o.get_name(), self.label(o))]
        if kind in ("window", "active"):
            windows = [(o.get_name(), o.get_state_set().contains(self.S.ACTIVE)) for o, d, _ in objects if d == 0]
            return any(n == arg and (kind == "window" or a) for n, a in windows), f"windows (active): {windows}"
        if kind == "focused":
            focused = [self.label(o) for o, _, _ in objects if o.get_state_set().contains(self.S.FOCUSED)]
            return any(arg in (f, f.partition(":")[2]) for f in focused), f"focused: {focused}"
        if kind == "text":
            name, _, value = arg.partition("=")
            texts = [self.text(o) for o in named(name)]
            return value in texts, f"{name}: {texts or 'not shown'}"
        found = bool(named(arg))
        return found, f"{arg}: {'shown' if found else 'not shown'}"

    def where(self, pid, name):
        """The object's box in its window's client area, its window's (title, width, height), and the object's top
        left corner on the screen as the program knows it."""
        C = self.atspi.CoordType
        for obj, _, window in self.objects(pid) or ():
            if name in (obj.get_name(), self.label(obj)):
                box, screen, size = obj.get_extents(C.WINDOW), obj.get_extents(C.SCREEN), window.get_extents(C.SCREEN)
                # (the sizes come from the screen's extents: Qt 6.4 gives wrong ones with the window's)
                return ((box.x, box.y, screen.width, screen.height), (window.get_name(), size.width, size.height),
                        (screen.x, screen.y))

    def press(self, pid, name):
        """The first action (a button's press) of the object of that name."""
        obj = next((o for o, _, _ in self.objects(pid) or () if name in (o.get_name(), self.label(o))), None)
        obj and self.atspi.Action.do_action(obj, 0) or fail(f"{name} cannot be pressed")

    def dump(self, pid):
        lines = []
        for obj, depth, _ in self.objects(pid) or ():
            box, states = obj.get_extents(self.atspi.CoordType.SCREEN), obj.get_state_set()
            marks = [n for n, s in (("active", self.S.ACTIVE), ("focused", self.S.FOCUSED)) if states.contains(s)]
            lines.append(f"{'  ' * depth}{self.label(obj)} text={self.text(obj)!r} at {box.x},{box.y} "
                         f"{box.width}x{box.height} {marks or ''}")
        return "\n".join(lines)  # nothing for a program that is not on the bus


def smoke(platform, program, compositor="weston"):
    """A whole use of the program on X11, natively on Wayland, or on XWayland: copies started beside it refused;
    a reading by a click and another by Alt+G, the three tabs, a sphere explained under the mouse, Back by its key
    and its button; the File and Help menus, the About box; Exit with status 0 and a log without warnings; on Wayland
    the clipboard guard beside another Wayland program; a killed copy leaves no lock behind."""
    s = (X11() if platform == "x11" else COMPOSITORS[compositor](platform == "xwayland")).accessibility()
    clipboard = s.platform == "wayland" and s.clipboard  # the clipboard guard beside another Wayland program
    pasted = lambda: run("wl-paste", "--no-newline", check=False, env=s.env, timeout=10).stdout

    def pastes(what, holds):  # (a paste takes the keyboard from the program for a moment)
        wait(what, lambda: (holds(pasted()), pasted()))
        s.ready(first, TITLE, f"the program after {what}")

    def reading(action, sign, *shown):
        s.do(first, action, "the frame with the reading", f"showing={READING_TAB}", f"!showing={NAME_BOX}", seconds=20)
        s.wm or s.maximize(s.window("the frame", TITLE, wide=True, pid=first.pid)[0])
        s.ready(first, TITLE, "the frame")
        s.expect(first, f"the reading for {sign}", *(f"showing={t}" for t in shown))

    def steps(*table):  # (action, what it shows, the condition that says so)
        for action, what, shown in table:
            s.do(first, action, what, shown)

    L.step("start")
    first = s.start("first", [program])
    s.ready(first, TITLE, "the input form")
    s.expect(first, "the name box with the keyboard focus", f"focused={NAME_BOX}")
    s.screenshot("input-form")

    L.step("a second copy is refused, five times")
    settings = lambda: [(p, p.is_file() and hashlib.md5(p.read_bytes()).digest())
                        for p in (L.work / "config").rglob("*")]
    before = settings()
    for copy in range(1, 6):
        s.refused(program, f"second-{copy}", f" ({copy})")
    first.running() or fail("the first copy ended")
    settings() == before or fail("the copies refused touched the settings")

    L.step("a name and a date")
    s.ready(first, TITLE, "the input form after the second copy")
    steps((f"click:{NAME_BOX}", "the name box with the keyboard focus", f"focused={NAME_BOX}"),
          ("type:anna", "the name typed", f"text={NAME_BOX}=ANNA"), ("Tab", "the day", "focused=combo box:1"),
          ("Down Down Down Down", "day 5", "focused=combo box:5"), ("Tab", "the month", "focused=combo box:January"),
          ("Down Down", "March", "focused=combo box:March"))
    if clipboard:
        L.step("another Wayland program copies")
        s.start("wl-copy", ["wl-copy", "--foreground", "copied elsewhere"])
        pastes("another program's text in the clipboard", lambda text: text == "copied elsewhere")

    L.step("the reading, by a click")
    reading("click:push button:Get My Tavrel Reading", "5 March (Pisces)", "Tarot card: The Moon",
            "label:First sphere: Netzach")
    s.do(first, "point:text:About Netzach")  # a box whose text cannot be copied
    for tab in (PATH_TAB, SIGN_TAB, READING_TAB, SIGN_TAB):
        s.do(first, f"click:{tab}", f"the tab {tab}", f"showing=page tab list:{tab[9:]}")
    s.do(first, "point:push button:Tiphereth", "Tiphereth explained", "showing=label:Sphere: Tiphereth")
    s.screenshot("reading")
    if clipboard:
        L.step("this program copies")
        # The moves above have been handled: what another program copied is still there.
        pasted() == "copied elsewhere" or fail(f"another program's copied text did not survive a reading and a "
                                               f"mouse move (the clipboard: {pasted()!r})")
        s.ready(first, TITLE, "the frame after the other program pasted")
        s.do(first, f"click:{PATH_TAB}", "the path's tab", f"showing=page tab list:{PATH_TAB[9:]}")
        s.do(first, "twice:text:About the path")  # a word of a box whose text can be copied
        s.key("ctrl+c")
        pastes("this program's word in the clipboard", lambda text: text not in ("copied elsewhere", ""))

    L.step("Back, by its access key")
    s.key("alt+b")
    s.ready(first, TITLE, "the input form after Back")
    s.expect(first, "the input form with its entries", f"text={NAME_BOX}=ANNA", "showing=combo box:March")

    L.step("another reading, by its access key")
    # (the list opens on a click: the next month is picked by the keyboard)
    steps(("click:combo box:March", "the month list's items", "showing=list item:April"),
          ("Down Return", "April", "showing=combo box:April"))
    reading("alt+g", "5 April (Aries)", "Tarot card: The Emperor")
    if clipboard:
        s.do(first, "point:text:About Chokmah")
        pastes("this program's copied word gone", lambda text: text == "")
    s.screenshot("second-reading")
    s.do(first, "click:push button:Back")
    s.ready(first, TITLE, "the input form after the Back button")

    L.step("the File and Help menus, the About box")
    steps(("alt+f", "the File menu", "showing=menu item:Exit"),
          ("Escape", "the File menu closed", "!showing=menu item:Exit"),
          ("alt+h", "the Help menu", "showing=menu item:About Software"),
          ("a", "the About box, its OK button with the keyboard", "focused=push button:OK"))
    s.screenshot("about-box")
    s.do(first, "Return", "the About box closed", "!showing=push button:OK")
    if s.platform != "xcb":
        as_managed(s, first)

    L.step("Exit, from the File menu")
    s.ready(first, TITLE, "the input form after the About box")
    s.do(first, "alt+f", "the File menu", "showing=menu item:Exit")
    s.key("x")
    first.ended("Exit")
    # Qt's warnings, and ours, name the class or the category they come from; the log stays empty.
    first.output().strip() and fail(f"the program's log holds warnings: {first.output()[:300]}")

    L.step("a killed copy leaves no lock behind")
    third = s.start("third", [program])
    s.ready(third, TITLE, "the input form")
    third.kill(now=True)
    fourth = s.start("fourth", [program])
    s.ready(fourth, TITLE, "the input form after a killed copy")
    s.bus.check(fourth.pid, "window=Tavrel")[0] and fail("the start after a killed copy said it was running")
    s.key("alt+e")
    fourth.ended("Alt+E")


# The title bar on a Wayland compositor: the middles of its boxes from the right edge of the window's box (as
# windows_shown() gives it) and below its top edge, the keys of the compositor's switcher, and whether a window is
# minimized with the dialogs above it; Qt's own (Qt 6.4: the window alone), or KWin's (breeze's, above the client
# area; a fixed-size window has no maximize box: the click falls on its title bar).
TITLE_BARS = {"kwin": ({"close": 18, "minimize": 48, "maximize": 78}, -19, "alt+Tab", True),
              None: ({"close": 17, "maximize": 40, "minimize": 63}, 15, "super+Tab", False)}
# The colour of Qt's title bar and borders, and their widths (the borders', the title bar's).
DECORATION, MARGINS = bytes((239, 239, 239)), (3, 30)


def as_managed(s, first):
    """What a person does with the windows that a compositor manages. Natively on Wayland: the boxes of the title
    bar that Qt draws, maximize on the input form and on the About box (the program lives, the window stays as it
    was), close, minimize on the About box and on the frame beneath it (both come back at once, the About box above
    with the keyboard: Enter closes it), minimize on the maximized frame (the compositor's switcher brings it back
    maximized). Under XWayland: eight readings and Backs leave the input form where it was, and where the user
    dragged it. On both: a click on the input form while the About box is up leaves the About box above it with the
    keyboard, and Enter closes it."""
    ours = lambda: [box for title, box in s.windows_shown() if title == TITLE]  # top first
    alone = lambda what: s.ready(first, TITLE, what) or wait(f"{what} in the compositor", lambda: (
        len(ours()) == 1 and ours()[0], ours()))
    form = alone("the input form after the About box")
    shown = lambda what, *boxes: wait(what, lambda: (ours() == [*boxes, form], ours()))
    click_form = lambda: s.click(form[0] + 20, (form[1] + form[3]) // 2, "the input form")
    boxes, below, switcher, together = TITLE_BARS.get(s.wm, TITLE_BARS[None])
    click_box = lambda box, which, what: s.click(box[2] - boxes[which], box[1] + below, f"{which} of {what}")

    def about_box(under=None):
        s.do(first, "alt+h", "the Help menu", "showing=menu item:About Software")
        s.do(first, "a", "the About box", "focused=push button:OK")
        return wait("the About box above the window it was opened from",
                    lambda: (len(ours()) == 2 and ours()[1] == (under or form) and ours()[0], ours()))

    def back(what, under=None):  # (a window mapped anew may be placed anew)
        wait(what, lambda: (len(ours()) == 2 and ours()[1] == (under or form) and ours()[0][2:] == (
            ours()[0][0] + about[2] - about[0], ours()[0][1] + about[3] - about[1]), ours()))
        s.ready(first, TITLE, f"{what}, with the keyboard")
        s.key("Return")
        closed("Enter")

    def closed(how):
        s.expect(first, f"the program lives: {how} closes the About box", "!showing=push button:OK")
        s.ready(first, TITLE, "the window after the About box")

    # The program takes the events after a click in the title bar only once it has met what the compositor
    # answered to it: a crash shows in the next step.
    if s.platform == "wayland":
        L.step("maximize in the input form's title bar")
        click_box(form, "maximize", "the input form")
        s.do(first, f"click:{NAME_BOX}", "the program lives: its name box takes a click", f"focused={NAME_BOX}")
        shown("the input form as it was")
        L.step("maximize, close and minimize in the About box's title bar")
        about = about_box()
        click_box(about, "maximize", "the About box")
        shown("the About box as it was", about)
        click_box(about, "close", "the About box")
        closed("its close box")
        click_box(about_box(), "minimize", "the About box")
        back("the About box back at once")
        L.step("minimize in the frame's title bar beneath the About box")
        s.do(first, "alt+g", "a reading", f"showing={READING_TAB}", seconds=20)
        frame = alone("the frame")
        about_box(frame)
        click_box(frame, "minimize", "the frame")
        if together:  # (minimized with the About box: the compositor's switcher brings it back, then the frame)
            wait("the frame minimized with the About box", lambda: (not ours(), ours()))
            s.key(switcher)
            s.ready(first, TITLE, "the About box back by the switcher, with the keyboard")
            s.do(first, "Return", "Enter closes the About box", "!showing=push button:OK")
            s.key(switcher)
            s.ready(first, TITLE, "the frame back by the switcher")
        else:
            back("the frame and the About box back at once", frame)
        s.key("alt+b")
        form = alone("the input form after Back")
        L.step("the frame maximized, minimized in its title bar and restored by the compositor's switcher")
        s.do(first, "alt+g", "the reading", f"showing={READING_TAB}", seconds=20)
        whole = wait("the frame maximized", lambda: (ours() and ours()[0][2:] == (s.width, s.height) and ours()[0],
                                                     ours()))
        click_box(whole, "minimize", "the frame")
        wait("the frame minimized", lambda: (not ours(), ours()))
        s.key(switcher)
        wait("the frame back, maximized", lambda: (ours() == [whole], ours()))
        s.ready(first, TITLE, "the frame")
        s.key("alt+b")
        s.ready(first, TITLE, "the input form after Back")
        form = wait("the input form where the compositor puts it", lambda: (len(ours()) == 1 and ours()[0], ours()))
    if s.platform == "xwayland":
        L.step("eight readings and Backs: the input form stays where it is")
        for n in range(1, 9):
            s.do(first, "alt+g", f"the reading ({n})", f"showing={READING_TAB}", seconds=20)
            s.ready(first, TITLE, "the frame")
            s.key("alt+b")
            s.ready(first, TITLE, f"the input form after Back ({n})")
            shown("the input form where it was")
        L.step("the input form dragged (the pointer in it before and after), a reading, Back: where it was dragged")
        s.do(first, f"click:{NAME_BOX}")
        x, y = s.locate(first, NAME_BOX)
        s.tool("xdotool", "keydown", "super", "mousedown", "1", "mousemove", x - 120, y - 90, "mouseup", "1",
               "keyup", "super")  # (weston's binding for moving a window)
        form = wait("the input form dragged", lambda: (ours() and ours()[0] != form and ours()[0], ours()))
        s.do(first, f"click:{NAME_BOX}")
        s.do(first, "alt+g", "the reading", f"showing={READING_TAB}", seconds=20)
        s.ready(first, TITLE, "the frame")
        s.key("alt+b")
        s.ready(first, TITLE, "the input form after Back")
        shown("the input form where it was dragged")
    L.step("a click on the input form while the About box is up")
    about = about_box()
    click_form()
    if known(s, "click", lambda: back("the About box above the input form")):
        click_form()  # (as a person would)


# Faults of the program seen on one desktop only, which the leg notes and goes past: {(compositor, platform, the
# row): what is seen}.
KNOWN = {("kwin", "xwayland", "click"): "after the About box closes the input form holds the X server's keyboard "
         "focus, but the program has no active window"}


def known(s, row, check):
    """Runs the check of a row; where it fails by a known fault (KNOWN) says so and gives True; where such a check
    passes, the fault is mended and the leg fails, until its entry is taken out of KNOWN."""
    fault = KNOWN.get((s.wm, s.platform, row))
    try:
        check()
    except Failure as e:
        fault or fail(str(e))
        print(f"known to fail: {e}: {fault}", flush=True)
        L.trace(f"known to fail: {e}: {fault}")
        return True
    fault and fail(f"a check known to fail here passes: take ({s.wm}, {s.platform}, {row}) out of KNOWN")
    return False


def frame(program, dock):
    """The frame in an X server: without a window manager, with a named pipe where a system-wide settings file could
    be, the frame keeps its restored size, a click on its Back button brings the input form back with the keyboard,
    so that Alt+G with no click between shows the next reading, and a click on Exit ends the program; under openbox,
    beside a 120-pixel dock at the left edge of the screen, the frame opens maximized beside the dock, and once
    minimized, or moved to another desktop, it comes to the user when the program is started again."""
    s, strip = X11().accessibility(), 120

    def reading(p, name, what):
        s.do(p, f"click:{NAME_BOX}")
        s.type(name)
        s.do(p, "alt+g", what, f"showing={READING_TAB}", seconds=20)
        return s.window(what, TITLE, wide=True, pid=p.pid)

    L.step("start with a named pipe in the system-wide settings folder")
    (L.work / "xdg/Tavrel").mkdir(parents=True)
    os.mkfifo(L.work / "xdg/Tavrel/tavrel.conf")
    first = s.start("first", [program], {"XDG_CONFIG_DIRS": str(L.work / "xdg")})
    s.ready(first, TITLE, "the input form")

    L.step("without a window manager: Back in the restored frame, then Alt+G at once")
    restored = reading(first, "anna", "Alt+G shows a reading")
    restored[3] == FRAME_WIDTH or fail(f"the frame is not at its restored width: {restored}")
    s.do(first, "click:push button:Back")
    form = s.window("Back brings the input form back", TITLE, wide=False, pid=first.pid)
    wait("the input form holds the keyboard again", lambda: s.has_focus(form[0]))
    s.key("alt+g")
    again = s.window("Alt+G right after Back shows a reading", TITLE, wide=True, pid=first.pid)
    again[3:] == restored[3:] or fail(f"the frame did not keep its restored size: {restored} then {again}")
    s.do(first, "click:push button:Exit")
    first.ended("Exit in the restored frame")

    L.step("under openbox, beside a dock: the frame maximized, Exit")
    s.wm = "openbox"
    s.start("dock", [dock, strip])
    s.start("openbox", ["openbox", "--sm-disable"])
    area = (strip, 0, s.width - strip, s.height)
    wait("openbox keeps the dock's strip free", lambda: "= %d, %d, %d, %d" % area in s.tool(
        "xprop", "-root", "_NET_WORKAREA", check=False).stdout, 20)
    second = s.start("second", [program])
    s.ready(second, TITLE, "the input form under openbox")
    reading(second, "bo", "Alt+G shows a reading under openbox")
    frames = lambda: [w for w in s.windows(TITLE, second.pid) if w[3] > FORM_WIDTH + 100]
    wait("the frame maximized beside the dock",
         lambda: (any(w[1:4:2] == area[::2] and w[2] + w[4] == s.height for w in frames()), frames()))
    s.screenshot("beside-dock")
    s.ready(second, TITLE, "the frame")

    for where, *hide in (("minimized", "windowminimize"), ("on another desktop", "set_desktop_for_window", 1)):
        L.step(f"a second start while the frame is {where} brings the frame to the user")
        s.tool("xdotool", hide[0], frames()[0][0], *hide[1:])
        wait(f"the frame {where}", lambda: (not frames(), frames()))
        s.refused(program, f"third-{hide[0]}")
        wait("the frame shown again", lambda: (frames(), frames()))
        s.ready(second, TITLE, "the frame back")
    s.do(second, "click:push button:Exit")
    second.ended("Exit beside the dock")


def limits(driver):
    """Under limits on threads and memory the program starts and gives a reading after the first letter's rehearsal,
    driven from inside on Qt's offscreen platform (room for two threads) and by a person in an X server (room for
    four: the main thread, the X11 connection's reader, the message bus's and one of the pool), and in 200 MB of
    address space. A limit on threads binds users other than root alone: as root the runs are made as "nobody", from
    a copy of what they run in a folder anyone may enter; as another user they are skipped."""
    s, user, own = X11(), [], Path(tempfile.mkdtemp(prefix="tavrel-limits-"))
    L.cleanups.append(lambda: shutil.rmtree(own, ignore_errors=True))
    fonts = os.environ.get("FONTCONFIG_FILE", SOURCE / "tests/fonts/fonts.conf")
    if os.geteuid() == 0:
        user = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
        own.chmod(0o755)
        driver, fonts = shutil.copy(driver, own), shutil.copy(fonts, own)
        # (the limit counts every process of that user on the machine: any left from another run ends first)
        theirs = lambda: run("pgrep", "-a", "-u", "65534", check=False).stdout.strip()
        wait("no process of the user nobody left", lambda: (not theirs(), theirs()), 30)
        others = [Program(f"other{n}", [*user, "sleep", "300"], s.env) for n in range(3)]  # which the limits count
        wait("three other processes of the user", lambda: (len(theirs().splitlines()) == len(others), theirs()))
    else:
        L.skipped += 1
        print("skipped: the limits on threads: they bind only users other than root and count every process of "
              "this user; run as root, the leg runs them as the user nobody", flush=True)
    runs = [("the reading driver with room for two threads beside three of the user's", "--nproc=5", False),
            ("the program in an X server with room for four threads beside them", "--nproc=7", True)] if user else []
    runs += [("the reading driver in 200 MB of address space", "--as=200000000", False),
             ("the program in an X server in 200 MB of address space", "--as=200000000", True)]
    # Tighter still, the program works, or ends at once saying why (status 1), its lock released for the next start.
    tight = ["--as=100000000", "--as=110000000"] + ["--nproc=3"] * bool(user) + [None]
    for what, limit, person in runs + [(f"the program under prlimit {t}: works or ends" if t else
                                        "the program without limits after them", t, None) for t in tight]:
        L.step(what)
        home = Path(tempfile.mkdtemp(dir=own))
        (home / "run").mkdir(mode=0o700)
        for folder in (home, home / "run"):
            user and os.chown(folder, 65534, 65534)
        env = dict(FONTCONFIG_FILE=str(fonts), HOME=str(home), XDG_CONFIG_HOME=str(home),
                   XDG_RUNTIME_DIR=str(home / "run"), TMPDIR=str(home / "run"))
        if person is None:
            p = s.start(f"program{limit or ''}", [*user, *["prlimit", limit] * bool(limit), driver], env)
            form = wait(f"the input form, or the end, under {limit}", lambda: not p.running() or s.windows(TITLE), 20)
            if form is not True:  # a form that works takes a letter and Alt+E
                s.focus(form[0][0], "the input form")
                s.type("a")
                s.key("alt+e")
            p.ended(f"the start under {limit}", status=None)
            said, status = p.output().strip().splitlines() or [""], p.process.returncode
            status == 0 and form is not True or limit and status == 1 and said[-1].startswith("tavrel: ") or fail(
                f"under {limit} the program ended with status {status} ({p.log.name}: {said[-1]})")
            continue
        if not person:
            p = s.start(f"driver{limit}", [*user, "prlimit", limit, driver, "--drive"],
                        env | {"QT_QPA_PLATFORM": "offscreen"})
            p.ended(f"the reading under prlimit {limit}", seconds=60)
            "reading: Pisces" in p.output() or fail(f"no reading under prlimit {limit} ({p.log.name})")
            continue
        p = s.start(f"program{limit}", [*user, "prlimit", limit, driver], env)
        s.focus(s.window(f"the input form under prlimit {limit}", TITLE, wide=False)[0], "the input form")
        s.type("anna")
        wait("the first letter's rehearsal done", lambda: "rehearsed" in p.output(), 20)
        s.key("alt+g")
        s.focus(s.window(f"the frame under prlimit {limit}", TITLE, wide=True)[0], "the frame")
        s.key("alt+e")
        p.ended(f"Alt+E under prlimit {limit}", seconds=20)


def package(build):
    """The Debian package made from a build tree, clean under lintian, and installed into a temporary root: its
    version, dependencies, desktop entry, AppStream metadata, icons and copyright file; the installed program starts,
    answers --version and --help beside it, and Alt+E ends it."""
    s = X11()
    L.step("package")
    run("cpack", "-G", "DEB", "--config", f"{build}/CPackConfig.cmake", "-B", L.work / "package", log="cpack.log")
    deb = next((L.work / "package").glob("*.deb"))
    field = lambda name: run("dpkg-deb", "--field", deb, name).strip()
    field("Version") == VERSION or fail(f"the package carries version {field('Version')}, not {VERSION}")
    "libqt6widgets6" in field("Depends") or fail("the package does not depend on Qt Widgets")
    said = run("lintian", "--fail-on", "error,warning", deb, check=False)
    said.returncode == 0 and not re.search(r"^[EW]: ", said.stdout, re.M) or fail(
        f"lintian ended with status {said.returncode}: " + " | ".join((said.stdout + said.stderr).splitlines()[:8]))

    L.step("install into a temporary root")
    root = L.work / "root"
    run("dpkg-deb", "-x", deb, root)
    for f in ("bin/tavrel", "share/applications/org.tavrel.Tavrel.desktop", "share/icons/hicolor/48x48/apps/tavrel.png",
              "share/metainfo/org.tavrel.Tavrel.metainfo.xml", "share/icons/hicolor/256x256/apps/tavrel.png",
              "share/icons/hicolor/scalable/apps/tavrel.svg", "share/doc/tavrel/copyright"):
        (root / "usr" / f).exists() or fail(f"usr/{f} is not installed")
    copyright = (root / "usr/share/doc/tavrel/copyright").read_text()
    "License: GPL-3+\n" in copyright and "/usr/share/common-licenses/GPL-3" in copyright or fail(
        "the copyright file does not name the GNU GPL, version 3 or later")
    run("desktop-file-validate", root / "usr/share/applications/org.tavrel.Tavrel.desktop")
    metainfo = root / "usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml"
    run("appstreamcli", "validate", "--no-net", metainfo)
    f'<release version="{VERSION}"' in metainfo.read_text() or fail(f"the metadata does not name version {VERSION}")

    L.step("start the installed program")
    p = s.start("tavrel", [root / "usr/bin/tavrel"])
    s.focus(s.window("the installed program's input form", TITLE, wide=False, pid=p.pid)[0], "the input form")
    # (what each answer says is tst_commandline's: here, that the installed program gives it with no display)
    L.step("--version, --help and an unknown option beside it, without a display; --help to a full disk; no display")
    bare = {k: v for k, v in s.env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}  # and Qt's platform is xcb
    for option, status, said in (("--version", 0, ""), ("--help", 0, ""), ("--bogus", 2, ""),
                                 ("--help >/dev/full", 1, ""), ("", 1, "tavrel: no display to open a window on (")):
        option, _, to = option.partition(" >")
        with open(to or os.devnull, "w") as full:
            a = subprocess.run([root / "usr/bin/tavrel", *option.split()], env=bare, timeout=10, text=True,
                               stdin=subprocess.DEVNULL, stdout=full if to else subprocess.PIPE, stderr=subprocess.PIPE)
        answer = a.stderr if status else a.stdout
        a.returncode == status and answer.strip() and said in answer and (
            status != 1 or a.stderr.count("\n") == 1) or fail(
            f"tavrel {option} ended with status {a.returncode}: {(a.stdout or '') + a.stderr!r}")
    s.key("alt+e")
    p.ended("Alt+E")


def run_program(*argv):
    """A test program in an X server, where the clipboard and the selection are shared with other programs; with
    --accessibility on a private message bus with the accessibility bus, where assistive tools listen."""
    s = X11()
    if argv[0] == "--accessibility":
        s, argv = s.accessibility(), argv[1:]
    L.step(" ".join([Path(argv[0]).name, *argv[1:]]))
    p = s.start("test", argv)
    p.ended("the test program's run", seconds=110, status=None)
    print(p.output(), end="")
    p.process.returncode == 0 or fail(f"{Path(argv[0]).name} failed (test.log)")
    # (a case skipped where it was to be run here, for want of what the desktop gives, fails the leg)
    re.search(r"^Totals: .* [1-9]\d* skipped", p.output(), re.M) and fail(f"{Path(argv[0]).name} skipped cases")


class Wine(X11):
    """Wine with a prefix and a home of its own (no desktop menus, no offers of .NET or a web engine), made ready, in
    the X server. Without an accessibility bus, the input form's controls are placed by the design (DESIGN)."""
    platform = "wine"

    def __init__(self):
        super().__init__()
        home, prefix, self.user = L.work / "home", L.work / "home/.wine", run("id", "-un").strip()
        self.drive, self.wine = prefix / "drive_c", shutil.which("wine64") or "/usr/lib/wine/wine64"
        prefix.mkdir(parents=True)
        for name in ("QT_QPA_PLATFORM", "XDG_DATA_HOME", "XDG_CACHE_HOME"):  # Qt's windows platform, Wine's files home
            self.env.pop(name, None)
        self.env.update(WINEPREFIX=str(prefix), WINEARCH="win64", WINEDEBUG="-all", HOME=str(home),
                        WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d",
                        WINESERVER=shutil.which("wineserver") or "/usr/lib/wine/wineserver")
        L.cleanups.append(lambda: [self.tool(self.env["WINESERVER"], a, check=False) for a in ("-k", "-w")])
        run(self.env["WINESERVER"], "-p", env=self.env, log="wine.log")  # one Wine server for the whole leg
        self("wineboot", "--init", log="wineboot.log")

    def __call__(self, *argv, log="wine.log", check=True):
        """Runs a Windows program, or a command of Wine's, to its end."""
        return run(self.wine, *argv, log=log, check=check, env=self.env)

    def reg(self, key):
        """The values of a registry key, {name: data}; {} without the key."""
        return dict(re.findall(r"^    (.+?)    REG_\w+    (.*?)\r?$", self.tool(
            self.wine, "reg", "query", key, check=False).stdout, re.M))

    def place(self, window, control):
        """The box of an input form's control on the screen, by the design."""
        _, x, y, width, height = window
        border = (width - FORM_WIDTH) // 2
        tx, ty, tw, th = (v // 15 for v in DESIGN[control])
        return x + border + tx, y + height - border - DESIGN["form"][3] // 15 + ty, tw, th

    def click_control(self, window, control):
        x, y, w, h = self.place(window, control)
        self.click(x + w // 2, y + h // 2, control)

    def dark_pixels(self, window, control):
        x, y, w, h = self.place(window, control)
        return int(run("convert", self.shoot(L.work / "dark.png"), "-crop", f"{w - 8}x{h - 6}+{x + 4}+{y + 3}",
                       "-colorspace", "Gray", "-threshold", "50%", "-format", "%[fx:round(w*h*(1-mean))]", "info:"))

    def changed(self, png, replace=False):
        """The pixels in which the screen differs from a screenshot (which the screen's then replaces, if asked)."""
        now = self.shoot(L.work / "now.png")
        differ = run("compare", "-metric", "AE", png, now, "null:", check=False).stderr
        replace and shutil.copy(now, png)
        return int(float(differ.split()[0]))


def wine(build, scramble):
    """The installer that scripts/windows.sh made, run under Wine, and the installed program used with real X input."""
    build, setup = Path(build), Path(build) / f"Tavrel-{VERSION}-setup.exe"
    setup.exists() or fail(f"there is no {setup}: scripts/windows.sh makes it")
    L.step("a Wine prefix of the leg's own")
    w = Wine()
    user_key = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrel"
    machine_key, settings_key = user_key.replace("HKCU", "HKLM"), r"HKCU\Software\Tavrel\tavrel\Settings"
    appdata, menus = w.drive / "users" / w.user / "AppData", "Microsoft/Windows/Start Menu/Programs/Tavrel.lnk"
    instdir, menu = appdata / "Local/Programs/Tavrel", appdata / "Roaming" / menus
    user = (user_key, instdir, menu)  # an install, for the user or everyone: registration, folder, Start menu entry
    everyone = (machine_key, w.drive / "Program Files/Tavrel", w.drive / "ProgramData" / menus)
    registered = lambda key: bool(w.reg(key).get("DisplayName"))

    def install(*options):  # for the user when asked (/CurrentUser), else for everyone (Wine's user is administrator)
        w(setup, *options, "/S", log="setup.log")
        (key, folder, link), other = (user, everyone) if "/CurrentUser" in options else (everyone, user)
        registered(key) and w.reg(key).get("DisplayVersion") == VERSION and (folder / "tavrel.exe").exists() \
            and link.exists() and not registered(other[0]) and not other[1].exists() and not other[2].exists() \
            or fail(f"the installer {' '.join(options)} /S did not leave one install, registered under {key}")

    def uninstall(folder, *gone):  # (a copy of the uninstaller removes them once it has ended)
        w(folder / "Uninstall Tavrel.exe", "/S", log="setup.log")
        wait(f"{', '.join(map(str, (folder, *gone)))} and the registration removed", lambda: not any(
            p.exists() for p in (folder, *gone)) and not registered(user_key) and not registered(machine_key), 30)

    def unchanged(*argv, install=user):  # a change refused while Tavrel runs: status 2, the one install as it was
        w(*argv, log="setup.log", check=False).returncode == 2 and registered(install[0]) and (
            install[1] / "tavrel.exe").exists() and not any(registered(i[0]) or i[1].exists() for i in (
                user, everyone) if i != install) or fail(f"{' '.join(map(str, argv))} changed Tavrel while it ran")

    def files(folder, *names):  # those files, and the licences as the source has them (with Windows' line ends)
        same = lambda name, source: (folder / name).read_text().replace("\r", "") == (SOURCE / source).read_text()
        found = sorted(p.name for p in folder.iterdir())
        found == sorted(names) or fail(f"{folder} holds {found}")
        same("LICENSE.txt", "LICENSE") and same(
            "THIRD-PARTY-NOTICES.txt", "packaging/windows/THIRD-PARTY-NOTICES.txt") or fail(
            f"the licences in {folder} are not those of the source")

    def start(name, folder=instdir, what="the input form", seconds=90):
        p = w.start(name, [w.wine, "tavrel.exe"], cwd=folder)
        form = w.window(what, TITLE, wide=False, seconds=seconds)
        w.focus(form[0], what)
        return p, form

    L.step("1. two silent installs for the user: files, licences, one shortcut, registration; tavrel.exe needs no DLL; "
           "/?, --help and --version answered")
    for _ in range(2):
        install("/CurrentUser")
        files(instdir, "LICENSE.txt", "THIRD-PARTY-NOTICES.txt", "Uninstall Tavrel.exe", "tavrel.exe")
    list(w.drive.rglob("Tavrel.lnk")) == [menu] or fail("not one shortcut, in the Start menu")
    w.reg(machine_key) == {} or fail("a per-user install registered itself for the whole machine")
    r, exe = w.reg(user_key), rf"C:\users\{w.user}\AppData\Local\Programs\Tavrel\tavrel.exe"
    major, minor = (hex(int(v)) for v in VERSION.split("."))
    wanted = {"DisplayVersion": re.escape(VERSION), "Publisher": "The Tavrel developers", "VersionMajor": major,
              "VersionMinor": minor, "DisplayIcon": re.escape(exe) + ",0", "EstimatedSize": ".+", "Comments": ".+",
              "HelpLink": r"https?://.*/tavrel-help\.html", "URLUpdateInfo": r"https?://.*/download-tavrel\.html"}
    wrong = {name: r.get(name) for name, pattern in wanted.items() if not re.fullmatch(pattern, r.get(name, ""))}
    wrong and fail(f"the registration's values: {wrong}")
    w.reg(r"HKCU\Software\Microsoft\Windows\CurrentVersion\App Paths\tavrel.exe").get("(Default)") == exe \
        or fail("no App Paths entry for tavrel.exe")
    imports = re.findall(r"DLL Name: (\S+)", run("x86_64-w64-mingw32-objdump", "-p", instdir / "tavrel.exe"))
    [i for i in imports if re.search("qt6|libgcc|libstdc|winpthread", i, re.I)] and fail(f"tavrel.exe needs {imports}")

    for option, said in (("/?", "  -h, --help"), ("--help", "  -v, --version"), ("--version", f"Tavrel {VERSION}\n")):
        answer = w.tool(w.wine, instdir / "tavrel.exe", option)  # (to a pipe)
        said in answer and "tavrel(1)" not in answer or fail(f"tavrel.exe {option} answered {answer!r}")

    L.step("2. a reading: the name typed, a date picked, the reading button clicked; Alt+B")
    first, form = start("first")
    wait("the empty name box drawn", lambda: w.dark_pixels(form, "name box") <= 40, 20)  # (else black)
    w.screenshot("input-form")
    w.click_control(form, "name box")
    w.type("anna")
    wait("the name in its box", lambda: w.dark_pixels(form, "name box") > 40)
    w.key("Tab", "Down", "Down", "Down", "Down", "Tab", "Down", "Down")  # day 5, March
    w.click_control(form, "reading button")
    frame = w.window("the frame with the reading", TITLE, wide=True)[0]
    w.maximize(frame)
    w.focus(frame, "the frame")
    w.screenshot("reading")
    w.key("alt+b")
    w.focus(w.window("the input form after Back", TITLE, wide=False)[0], "the input form")

    L.step("3. a second copy is refused; after the first is killed (taskkill /F) the next starts")
    second = w.start("second", [w.wine, "tavrel.exe"], cwd=instdir)
    w.focus(w.window("the message 'Application is already running'", "Tavrel", seconds=60)[0], "the message")
    w.key("Return")
    second.ended("OK in the message", seconds=20)
    first.running() or fail("the first copy ended")
    w("taskkill", "/F", "/IM", "tavrel.exe")
    first.ended("taskkill /F", seconds=20, status=None)
    third, form = start("third", what="the input form after a killed copy", seconds=60)
    w.windows("Tavrel") and fail("the start after a killed copy said it was running")

    L.step("4. the reminder's setting in the registry under the current user, scrambled")
    entry, today = run(scramble, "Duration", time.strftime("%Y-%m-%d")).split()
    w.reg(settings_key) == {entry: today} or fail(f"not one scrambled date under {settings_key}: {w.reg(settings_key)}")

    L.step("5. the uninstaller and an install for everyone fail while Tavrel runs; after Exit it is removed, the "
           "setting kept")
    unchanged(instdir / "Uninstall Tavrel.exe", "/S")
    unchanged(setup, "/S", "/AllUsers")
    w.click_control(form, "exit button")
    third.ended("Exit", seconds=20)
    uninstall(instdir, menu)
    w.reg(settings_key).get(entry) == today or fail("the uninstaller removed the setting unasked")

    L.step("6. one install per computer: for the user, for everyone, and /S over each; /S as administrator: everyone; "
           "/D= moves an install; not for the user while it runs for everyone")
    for options in (["/CurrentUser"], ["/CurrentUser"], ["/AllUsers"], []):
        install(*options)
    w("reg", "add", machine_key, "/v", "DisplayVersion", "/d", "99.0", "/f")
    w(setup, "/S", log="setup.log", check=False).returncode and w.reg(machine_key).get("DisplayVersion") == "99.0" \
        or fail("a silent install replaced a newer version unasked")
    install("/AllowDowngrade")
    install("/CurrentUser")
    desktop, own = w.drive / "users" / w.user / "Desktop/Tavrel.lnk", w.drive / "TavrelTest"
    shutil.copy(menu, desktop)
    install("/CurrentUser")
    desktop.exists() or fail("an update removed the desktop shortcut")
    w(setup, "/S", "/CurrentUser", r"/D=C:\TavrelTest\Programs\Tavrel", log="setup.log")
    wait("/D= followed: the install moved there, with its desktop shortcut", lambda: (
        own / "Programs/Tavrel/tavrel.exe").exists() and not instdir.exists() and desktop.exists(), 30)
    uninstall(own / "Programs/Tavrel", own, desktop)  # with the folders above it that the installer made
    install()
    running, form = start("everyone", everyone[1])
    unchanged(setup, "/S", "/CurrentUser", install=everyone)
    w.click_control(form, "exit button")
    running.ended("Exit", seconds=20)
    uninstall(everyone[1])

    L.step("7. after a reading (Alt+G) the focus is in the result window: Ctrl+Tab, and Space ends nothing")
    install("/CurrentUser")
    focus, form = start("focus")
    w.click_control(form, "name box")
    w.type("anna")
    w.key("alt+g")
    w.maximize(w.window("the frame of Alt+G", TITLE, wide=True)[0])
    w.point(5, w.height - 5, "a corner away from the frame")
    first_tab = w.shoot(L.work / "first-tab.png")
    wait("the reading drawn: its picture stays the same for a moment",
         lambda: time.sleep(0.5) or not w.changed(first_tab, replace=True))
    w.key("ctrl+Tab")
    wait("Ctrl+Tab right after the reading switches the tab", lambda: w.changed(first_tab) > 2000)
    w.key("space", "ctrl+Tab", "ctrl+Tab")  # two more tabs bring the first back, in the same frame
    wait("the first tab back after Space and two more Ctrl+Tab", lambda: w.changed(first_tab) < 100)
    focus.running() or fail("Space ended the program")
    w.key("alt+e")
    focus.ended("Alt+E", seconds=20)

    L.step("8. manifest, terminal services, the uninstaller's description; signed copies, an installer made from them")
    manifest = (instdir / "tavrel.exe").read_bytes()
    for text in (b'level="asInvoker"', b'<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>',
                 b">PerMonitorV2</dpiAwareness>", b">true</longPathAware>"):
        text in manifest or fail(f"the manifest of tavrel.exe lacks {text.decode()}")
    "TERMINAL_SERVICE_AWARE" in run("x86_64-w64-mingw32-objdump", "-p", instdir / "tavrel.exe") or fail(
        "tavrel.exe is not marked for terminal services")
    f"Tavrel {VERSION} Uninstaller" in run("strings", "-el", instdir / "Uninstall Tavrel.exe").splitlines() or fail(
        "the uninstaller does not describe itself as the uninstaller")
    # A throw-away certificate, whose password is never on a command line.
    signed, env = L.work / "signed", dict(os.environ, TAVREL_SIGN_PASSWORD="throw-away")
    signed.mkdir()
    run("openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=Tavrel test",
        "-addext", "extendedKeyUsage=codeSigning", "-keyout", signed / "key.pem", "-out", signed / "cert.pem")
    run("openssl", "pkcs12", "-export", "-inkey", signed / "key.pem", "-in", signed / "cert.pem", "-out",
        signed / "cert.p12", "-passout", "env:TAVREL_SIGN_PASSWORD", env=env)
    sign = lambda f: run("bash", SOURCE / "packaging/windows/sign.sh", f, signed / "cert.p12", env=env)
    program, uninstaller = (shutil.copy(build / "packaging" / p, signed)
                            for p in ("program/tavrel.exe", "uninstaller/Uninstall Tavrel.exe"))
    said = sign(program) + sign(uninstaller)
    run("cmake", f"-DPROGRAM={program}", f"-DUNINSTALLER_FILE={uninstaller}", f"-DOUTFILE={signed / setup.name}",
        "-P", build / "packaging/make-installer.cmake", log="signed.log")
    said += sign(signed / setup.name)
    said.count(": signed with cert.p12") == 3 or fail(f"not three programs signed: {said}")
    w(signed / setup.name, "/S", "/CurrentUser", log="setup.log")
    for p in (signed / setup.name, instdir / "tavrel.exe", instdir / "Uninstall Tavrel.exe"):
        run("osslsigncode", "verify", "-CAfile", signed / "cert.pem", "-in", p, log="verify.log")

    L.step("9. the portable zip keeps the setting beside the program, or in the registry when tavrel.ini is read-only")
    run("cmake", "-E", "tar", "xf", build / f"Tavrel-{VERSION}-portable.zip", cwd=w.drive)
    folder = w.drive / f"Tavrel-{VERSION}"
    files(folder, "LICENSE.txt", "README.txt", "THIRD-PARTY-NOTICES.txt", "tavrel.exe", "tavrel.ini")
    ini = folder / "tavrel.ini"
    kept = ini.read_bytes()
    w("reg", "delete", r"HKCU\Software\Tavrel", "/f", check=False)
    for name, stored in (("portable", lambda: f"{entry}={today}" in ini.read_text()),
                         ("portable-read-only", lambda: w.reg(settings_key).get(entry) == today)):
        p, form = start(name, folder, seconds=60)
        wait(f"{name}: the setting stored where it belongs", stored, 20)
        w.click_control(form, "exit button")
        p.ended("Exit", seconds=20)
        if name == "portable":
            w.reg(settings_key) == {} or fail("the portable program stored its setting in the registry")
            b"keeps its setting in this file" in ini.read_bytes() or fail("tavrel.ini lost its explanation")
            ini.write_bytes(kept)
            ini.chmod(0o444)
    ini.read_bytes() == kept or fail("the program wrote into a read-only tavrel.ini")


COMPOSITORS = {"weston": Weston, "mutter": Mutter, "kwin": KWin}
LEGS = {"smoke": smoke, "frame": frame, "limits": limits, "package": package, "wine": wine, "run": run_program}


def main(argv):
    global L
    len(argv) > 2 and argv[1] in LEGS or sys.exit(__doc__)
    L = Leg(os.environ.get("TAVREL_LEG") or argv[1])

    def ended(number, _):
        raise Failure(f"ended by a signal ({signal.Signals(number).name})")
    for s in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(s, ended)
    error = None
    try:
        LEGS[argv[1]](*argv[2:])
    except Failure as e:
        error = str(e)
    except Exception:
        import traceback
        error = traceback.format_exc()
    return L.finish(error)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
