#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The legs of the test suite that drive real windows, as a person does, with real key presses and clicks:

  driver.py smoke x11|wayland|xwayland PROGRAM   a whole use of the program (smoke)
  driver.py frame PROGRAM DOCK-PROGRAM           the frame without a window manager, and beside a dock (frame)
  driver.py limits READING-DRIVER                starts and readings under limits on threads and memory (limits)
  driver.py package BUILD-DIR                    the Debian package, installed into a folder and started (package)
  driver.py wine WINDOWS-BUILD-DIR SCRAMBLE      the installer and the program under Wine (wine)
  driver.py run [--accessibility] PROGRAM ARG... a test program in an X server (with the accessibility bus)

Each leg is a list of steps a person takes, on a session: a private X server (Xvfb), with a window manager and a
dock or none; a private Wayland compositor (weston, its X11 back end in the X server, so that key presses and
clicks reach the program through its seat), natively or on its X server for X programs (XWayland); or Wine in a
prefix of its own. Before each key press or click it waits, with a deadline (wait()), for what the screen shows,
read as a screen reader reads it through the accessibility bus (AT-SPI), or from the X server and screenshots
under Wine, where controls are found by the design's twips (DESIGN). Evidence goes into $TAVREL_TEST_OUTPUT/LEG
(LEG is $TAVREL_LEG, CTest's name of the test): the steps with their times (trace.log), the logs of the programs
and tools, and at a failure a screenshot, the windows, what the programs showed their accessibility bus and the
compositor's scene graph. A passing run removes it; a failing one keeps it and names it.
"""
import hashlib
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

TITLE = os.environ.get("TAVREL_TITLE", "")
VERSION = os.environ.get("TAVREL_VERSION", "")
SOURCE = Path(__file__).resolve().parent.parent
# The design, in twips from the top left corner of the input form's client area below its menu: where a control is
# found when no accessibility bus tells (under Wine). 15 twips make a pixel.
DESIGN = {"form": (0, 0, 7440, 5295), "name box": (2760, 2160, 3615, 375),
          "reading button": (90, 3480, 7260, 615), "exit button": (6360, 4680, 975, 375)}
FORM_WIDTH = DESIGN["form"][2] // 15  # the frame is wider than the input form
FRAME_WIDTH = 11175 // 15  # the frame's client area at its restored size
READING_TAB = "page tab:Attributes Of Sephiroths  Associated With Your Sun Sign"
NAME_BOX = "text:Name"


class Failure(Exception):
    pass


def fail(text):
    raise Failure(text)


class Leg:
    """The leg that runs: its evidence folder, its work folder, its steps and what ends with it."""

    def __init__(self, name):
        self.name = name
        self.out = Path(os.environ.get("TAVREL_TEST_OUTPUT", "test-output")).resolve() / name
        shutil.rmtree(self.out, ignore_errors=True)
        self.out.mkdir(parents=True)
        self.work = Path(tempfile.mkdtemp(prefix="tavrel-test-"))
        self.steps, self.current, self.skipped = 0, "start", []
        self.cleanups = []  # ended last first
        self.evidence = []  # gathered at a failure

    def trace(self, text):
        with open(self.out / "trace.log", "a") as log:
            log.write(f"{time.strftime('%H:%M:%S')}.{int(time.time() * 1000) % 1000:03} {text}\n")

    def step(self, text):
        if self.current != "start":
            self.steps += 1
        self.current = text
        print(f"-- {text}", flush=True)
        self.trace(f"step: {text}")

    def skip(self, text):
        self.skipped.append(text)
        print(f"skipped: {text}", flush=True)
        self.trace(f"skipped: {text}")

    def finish(self, error):
        if error:
            self.trace(f"FAIL: {error}")
            for gather in self.evidence:
                try:
                    gather()
                except Exception as e:  # evidence is gathered as far as it goes
                    self.trace(f"evidence: {e}")
        for end in reversed(self.cleanups):
            try:
                end()
            except Exception as e:
                self.trace(f"cleanup: {e}")
        shutil.rmtree(self.work, ignore_errors=True)
        if not error:
            shutil.rmtree(self.out, ignore_errors=True)
            skipped = f", {len(self.skipped)} skipped" if self.skipped else ""
            print(f"{self.name}: {self.steps + 1} passed, 0 failed{skipped}")
            return 0
        last = (self.out / "trace.log").read_text().splitlines()[-8:]
        print(f"FAIL: {error}\n  at the step: {self.current}\n  evidence: {self.out}/ "
              f"({' '.join(sorted(p.name for p in self.out.iterdir()))})\n  the last steps:\n    "
              + "\n    ".join(last) + f"\n{self.name}: {self.steps} passed, 1 failed", file=sys.stderr)
        return 1


L = None  # the leg that runs


def wait(what, predicate, seconds=10):
    """Waits until predicate() gives a true value, or (true, what was seen); fails at the deadline, saying what was
    seen last. Returns the value."""
    began, seen = time.monotonic(), None
    while True:
        result = predicate()
        ok, seen = result if isinstance(result, tuple) else (result, seen)
        if ok:
            L.trace(f"seen after {time.monotonic() - began:.1f} s: {what}")
            return ok
        if time.monotonic() - began > seconds:
            fail(f"{what}: not within {seconds} s" + (f" ({seen})" if seen else ""))
        time.sleep(0.1)


def run(*argv, log=None, check=True, **kw):
    """Runs a tool to its end; its output goes to the log named, or is returned. Fails on a non-zero status."""
    if log:
        with open(L.out / log, "a") as f:
            done = subprocess.run(argv, stdout=f, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL, **kw)
    else:
        done = subprocess.run(argv, capture_output=True, text=True, stdin=subprocess.DEVNULL, **kw)
    if check and done.returncode != 0:
        fail(f"{' '.join(map(str, argv[:3]))} ended with status {done.returncode}"
             + (f" ({log})" if log else f": {done.stderr.strip()[-300:]}"))
    return done if not check else (done.stdout or "")


class Program:
    """A program started by the leg; its output goes to NAME.log in the evidence folder."""

    def __init__(self, name, argv, env, cwd=None, pass_fds=()):
        self.name, self.log = name, L.out / f"{name}.log"
        with open(self.log, "w") as log:
            self.process = subprocess.Popen(argv, env=env, cwd=cwd, stdout=log, stderr=subprocess.STDOUT,
                                            stdin=subprocess.DEVNULL, pass_fds=pass_fds,
                                            start_new_session=True)
        self.pid = self.process.pid
        L.trace(f"started {name}: process {self.pid}")
        L.cleanups.append(self.kill)

    def running(self):
        return self.process.poll() is None

    def kill(self):
        if self.running():
            self.process.kill()
            self.process.wait()

    def ended(self, why, seconds=10, status=0):
        wait(f"{self.name} ends after {why}", lambda: not self.running(), seconds)
        if status is not None and self.process.returncode != status:
            said = " | ".join(self.output().strip().splitlines()[-3:])
            fail(f"{why} ended {self.name} with status {self.process.returncode} ({self.log.name}: {said})")

    def output(self):
        return self.log.read_text(errors="replace")


def blank(png):
    colours = int(run("convert", str(png), "-format", "%k", "info:"))
    return colours <= 50, f"{colours} colours"


class X11:
    """A private X server (Xvfb) and a person at it: keys, the mouse, screenshots; the program's settings and
    single-instance lock in the leg's work folder."""
    platform, wm = "xcb", None

    def __init__(self, screen="1280x1024x24"):
        self.width, self.height = 1280, 1024
        self.env = dict(os.environ, XDG_CONFIG_HOME=str(L.work / "config"), XDG_RUNTIME_DIR=str(L.work / "run"),
                        QT_QPA_PLATFORM="xcb")
        for folder in ("config", "run"):
            (L.work / folder).mkdir(mode=0o700)
        read, write = os.pipe()
        self.xvfb = Program("xvfb", ["Xvfb", "-displayfd", str(write), "-screen", "0", screen, "-nolisten", "tcp",
                                     "-noreset"], self.env, pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as displayfd:
            display = displayfd.readline().strip()  # Xvfb writes its display once it listens
        display or fail("Xvfb did not start (xvfb.log)")
        self.env["DISPLAY"] = f":{display}"
        self.launch = {}  # what a program started on the session gets besides
        self.bus = None
        L.evidence.append(self.gather)

    def tool(self, *argv, check=True):
        return run(*argv, check=check, env=self.env)

    def start(self, name, argv, env=None, cwd=None):
        return Program(name, argv, dict(self.env, **self.launch, **(env or {})), cwd)

    def key(self, *keys):
        L.trace(f"keys: {' '.join(keys)}")
        self.tool("xdotool", "key", "--delay", "80", *keys)

    def type(self, text):
        L.trace(f"types: {text}")
        self.tool("xdotool", "type", "--delay", "50", text)

    def click(self, x, y, what, times=1):
        L.trace(f"click{' x%d' % times if times > 1 else ''} on {what} at {x},{y}")
        self.tool("xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(times), "--delay", "80", "1")

    def point(self, x, y, what):
        L.trace(f"the mouse on {what} at {x},{y}")
        self.tool("xdotool", "mousemove", str(x), str(y))

    def windows(self, title, pid=None):
        """The visible X windows of that title (and process): [(id, x, y, width, height)]."""
        found = self.tool("xdotool", "search", "--onlyvisible", *(["--pid", str(pid)] if pid else []), "--name",
                          f"^{re.escape(title)}$", check=False)
        boxes = []
        for w in found.stdout.split():
            info = self.tool("xwininfo", "-id", w, check=False).stdout
            g = [re.search(rf"{k}: *(-?\d+)", info) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                                                 "Width", "Height")]
            if all(g):
                boxes.append((w, *(int(m.group(1)) for m in g)))
        return boxes

    def window(self, what, title, wide=None, seconds=20, pid=None):
        """Waits for a visible window of that title: the input form (wide=False), the frame (True), or any."""
        def found():
            ws = [w for w in self.windows(title, pid) if wide is None or (w[3] > FORM_WIDTH + 100) == wide]
            return (ws[-1] if ws else None), f"windows: {self.windows(title)}"
        return wait(what, found, seconds)

    def has_focus(self, window):
        focus = self.tool("xdotool", "getwindowfocus", "-f", check=False).stdout.strip()
        if not focus:
            return False
        return focus == window or f" {int(focus):#x} " in self.tool("xwininfo", "-tree", "-id", window,
                                                                      check=False).stdout

    def focus(self, window, what):
        """Gives the window the keyboard, as a window manager would, and waits until it holds it."""
        self.tool("xdotool", "windowfocus", "--sync", window, check=False)
        wait(f"{what} holds the keyboard", lambda: self.has_focus(window), 20)

    def maximize(self, window):
        """What a window manager does for a window that asks to be maximized."""
        L.trace(f"maximize window {window}")
        self.tool("xdotool", "windowmove", "--sync", window, "0", "0", "windowsize", "--sync", window,
                  str(self.width), str(self.height))

    def screenshot(self, name, seconds=20):
        """Waits until a screenshot of the whole screen is not blank (a window not yet drawn is black)."""
        png = L.out / f"{name}.png"
        wait(f"the screenshot {name}.png not blank",
             lambda: (lambda b: (not b[0], b[1]))(self.shoot(png) or blank(png)), seconds)
        if os.environ.get("TAVREL_SCREENSHOTS"):
            shutil.copy(png, os.environ["TAVREL_SCREENSHOTS"])
        return png

    def shoot(self, png):
        run("import", "-window", "root", str(png), env=self.env, check=False)

    def gather(self):
        self.shoot(L.out / "failure.png")
        (L.out / "failure-windows.txt").write_text(self.tool("xwininfo", "-root", "-tree", check=False).stdout)

    # The accessibility bus: what a program shows, read as a screen reader reads it.
    def accessibility(self):
        """Starts a private message bus with the accessibility bus (by asking for its address): Qt speaks to
        assistive tools only once it finds that bus. Settings are kept in memory, away from the user's."""
        self.env["DBUS_SESSION_BUS_ADDRESS"] = os.environ["DBUS_SESSION_BUS_ADDRESS"] = f"unix:path={L.work}/bus"
        (L.work / "bus.conf").write_text(f"""<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><listen>unix:path={L.work}/bus</listen><auth>EXTERNAL</auth>
<servicedir>/usr/share/dbus-1/services</servicedir>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
<allow own="*"/></policy></busconfig>""")
        Program("dbus", ["dbus-daemon", f"--config-file={L.work}/bus.conf", "--nofork"], self.env)
        wait("the message bus", lambda: (L.work / "bus").exists())
        self.tool("dbus-send", f"--bus={self.env['DBUS_SESSION_BUS_ADDRESS']}", "--print-reply",
                  "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
        self.env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", GSETTINGS_BACKEND="memory")
        self.bus = Accessibility()
        return self

    def expect(self, program, what, *conditions, seconds=10):
        """Waits until the program shows what the conditions say (see Accessibility.check)."""
        def holds():
            if not program.running():
                fail(f"{what}: the program (process {program.pid}) has ended")
            results = [self.bus.check(program.pid, c) for c in conditions]
            return all(ok for ok, _ in results), "; ".join(seen for ok, seen in results if not ok)
        wait(what, holds, seconds)

    def locate(self, program, name):
        """The middle of the object of that name, in screen pixels."""
        box, _, screen = self.bus.where(program.pid, name) or fail(f"{name} is not shown")
        return screen[0] + box[2] // 2, screen[1] + box[3] // 2

    def click_on(self, program, name, times=1):
        self.click(*self.locate(program, name), name, times)

    def point_at(self, program, name):
        self.point(*self.locate(program, name), name)

    def window_ready(self, program, title, what):
        """Waits until the window is shown and holds the keyboard. Without a window manager nothing gives a new
        window the keyboard: the leg does what the window manager would."""
        self.expect(program, what, f"window={title}", seconds=20)
        if not self.wm:
            self.focus(self.window(what, title, pid=program.pid)[0], what)
        self.expect(program, f"{what}, holding the keyboard", f"active={title}")


class Weston(X11):
    """A private Wayland compositor, weston, its X11 back end inside the X server; programs start on it natively
    (QT_QPA_PLATFORM=wayland) or on its X server for X programs (XWayland). Its screen is the X server's top left
    1280x1024; the X server is taller, so that the pointer can leave it."""
    wm = "weston"

    def __init__(self, xwayland):
        super().__init__("1280x1048x24")
        self.platform = "xwayland" if xwayland else "wayland"
        socket = "tavrel-test"
        self.start("weston", ["weston", "--backend=x11-backend.so", f"--socket={socket}", "--width=1280",
                              "--height=1024", "--use-pixman", "--idle-time=0", "--debug"]
                   + (["--xwayland"] if xwayland else []))
        wait("the compositor's socket", lambda: (L.work / "run" / socket).exists(), 20)
        self.env["WAYLAND_DISPLAY"] = socket
        wait("the compositor's panel", lambda: any("panel for output" in v[2] for v in self.scene()), 20)
        # The compositor moves its pointer by the steps the X pointer makes, from where it entered its window: the
        # pointer enters once more, so that both are at the same place.
        self.tool("xdotool", "mousemove", "640", "1034", "mousemove", "640", "512")
        wait("the compositor's pointer in the middle", lambda: any(v[0] == "wl_pointer-cursor" and v[3][:2] == (
            635, 507) for v in self.scene()))
        if xwayland:
            log = L.out / "weston.log"
            listening = lambda: re.findall(r"xserver listening on display (:\d+)", log.read_text(errors="replace"))
            self.launch = {"DISPLAY": wait("XWayland", listening, 20)[-1], "QT_QPA_PLATFORM": "xcb"}
        else:
            self.launch = {"QT_QPA_PLATFORM": "wayland"}

    def scene(self):
        """The compositor's scene graph, top first: [(role, pid, what, (x1, y1, x2, y2))]; `what` names a window
        "top-level window 'TITLE'"."""
        graph = run("weston-debug", "scene-graph", check=False, env=self.env, timeout=10).stdout
        return [(role, int(pid) if pid.isdigit() else 0, what, tuple(map(int, box)))
                for role, pid, what, *box in re.findall(
                    r"View \d+ \(role ([^,]*), PID (\S+), surface ID \d+, (.*), 0x[0-9a-f]+\):\n\s*position: "
                    r"\((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)", graph)]

    def scene_windows(self, title):
        return [v[3] for v in self.scene() if f"top-level window '{title}'" in v[2]]

    def gather(self):
        super().gather()
        (L.out / "failure-scene-graph.txt").write_text(
            run("weston-debug", "scene-graph", check=False, env=self.env, timeout=10).stdout)

    def locate(self, program, name):
        """On Wayland a program does not know where its window is: the compositor's scene graph tells where the
        window's client area of that size is (its decorations as wide left, right and below, the title bar above)."""
        box, (title, width, height), _ = self.bus.where(program.pid, name) or fail(f"{name} is not shown")
        for x1, y1, x2, y2 in self.scene_windows(title):
            border = (x2 - x1 - width) // 2
            top = y2 - y1 - border - height
            if (x2 - x1 - width) % 2 == 0 and 0 <= border <= 50 and 0 <= top <= 100:
                return x1 + border + box[0] + box[2] // 2, y1 + top + box[1] + box[3] // 2
        fail(f"no window '{title}' of {width} x {height} in the compositor")


class Accessibility:
    """The accessibility bus (AT-SPI) as a screen reader reads it. Objects are named by their accessible name or by
    ROLE:NAME ("page tab:About Your Sun Sign ..."). Conditions: window=TITLE (a window is shown), active=TITLE (it
    is the active window), focused=NAME (the object with the keyboard focus), text=NAME=VALUE, showing=NAME, and
    !CONDITION (it does not hold)."""

    def __init__(self):
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        self.atspi, self.S = Atspi, Atspi.StateType
        Atspi.set_timeout(5000, 15000)

    def application(self, pid):
        desktop = self.atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == pid:
                app.clear_cache()
                return app
        return None

    def walk(self, node, depth=0, window=None):
        """Yields (object, depth, its window) for the showing objects below node."""
        try:
            children = [node.get_child_at_index(i) for i in range(node.get_child_count())]
        except Exception:
            return
        for child in children:
            if child is not None and child.get_state_set().contains(self.S.SHOWING):
                yield child, depth, window or child
                yield from self.walk(child, depth + 1, window or child)

    def objects(self, pid):
        app = self.application(pid)
        try:
            return list(self.walk(app)) if app else None
        except Exception:  # the tree changed while it was read: read it again
            return []

    @staticmethod
    def label(obj):
        return f"{obj.get_role_name()}:{obj.get_name()}"

    def text(self, obj):
        if "Text" in obj.get_interfaces():
            return self.atspi.Text.get_text(obj, 0, self.atspi.Text.get_character_count(obj))
        return obj.get_name()

    def check(self, pid, condition):
        """Whether the condition holds in the program's windows, and what was seen."""
        if condition.startswith("!"):
            ok, seen = self.check(pid, condition[1:])
            return not ok, seen
        kind, _, arg = condition.partition("=")
        objects = self.objects(pid)
        if objects is None:
            return False, "the program is not on the accessibility bus"
        named = lambda o, n: n in (o.get_name(), self.label(o))
        if kind in ("window", "active"):
            windows = [o for o, depth, _ in objects if depth == 0]
            active = [w for w in windows if w.get_state_set().contains(self.S.ACTIVE)]
            seen = "windows: " + (", ".join(f"'{w.get_name()}'" + (" (active)" if w in active else "")
                                            for w in windows) or "none")
            return any(w.get_name() == arg for w in (windows if kind == "window" else active)), seen
        if kind == "focused":
            focused = [o for o, _, _ in objects if o.get_state_set().contains(self.S.FOCUSED)]
            return any(named(o, arg) for o in focused), "focused: " + (
                ", ".join(map(self.label, focused)) or "nothing")
        if kind == "text":
            name, _, value = arg.partition("=")
            texts = [self.text(o) for o, _, _ in objects if named(o, name)]
            return value in texts, f"{name}: " + (" | ".join(map(repr, texts)) or "not shown")
        if kind == "showing":
            found = any(named(o, arg) for o, _, _ in objects)
            return found, f"{arg}: {'shown' if found else 'not shown'}"
        raise SystemExit(f"unknown condition: {condition}")

    def where(self, pid, name):
        """The object's box in its window ((x, y, width, height); x and y from the top left corner of the window's
        client area), its window's (title, width, height), and its place on the screen as the program knows it."""
        C = self.atspi.CoordType
        for obj, _, window in self.objects(pid) or ():
            if name in (obj.get_name(), self.label(obj)):
                box, screen, size = obj.get_extents(C.WINDOW), obj.get_extents(C.SCREEN), window.get_extents(C.SCREEN)
                # (the sizes come from the screen's extents: Qt 6.4 gives wrong ones with the window's)
                return ((box.x, box.y, screen.width, screen.height), (window.get_name(), size.width, size.height),
                        (screen.x, screen.y))
        return None

    def dump(self, pid):
        lines = []
        for obj, depth, _ in self.objects(pid) or ():
            states = obj.get_state_set()
            marks = [n for n, s in (("active", self.S.ACTIVE), ("focused", self.S.FOCUSED)) if states.contains(s)]
            box = obj.get_extents(self.atspi.CoordType.SCREEN)
            lines.append("  " * depth + f"{self.label(obj)} text={self.text(obj)!r} at {box.x},{box.y} "
                         f"{box.width}x{box.height}" + (f" [{', '.join(marks)}]" if marks else ""))
        return "\n".join(lines) or "the program is not on the accessibility bus"


def start_on(session, name, program):
    """Starts the program on the session; at a failure, what it showed its accessibility bus is kept."""
    p = session.start(name, [program])
    L.evidence.append(lambda: p.running() and (L.out / f"failure-accessible-{name}.txt").write_text(
        session.bus.dump(p.pid)))
    return p


def smoke(platform, program):
    """A whole use of the program, natively on X11, Wayland or XWayland:
     - the input form appears and holds the keyboard; a second copy says "Application is already running" and ends
       after OK, leaving the first and the settings alone, five times over;
     - a name is typed and a date picked, the reading button clicked: the frame shows the reading of that date's
       sign; each of the three tabs is clicked; a sphere of the diagram is explained under the mouse; the
       screenshot is not blank; Back (Alt+B) shows the input form with its entries;
     - another month is picked and Alt+G shows that sign's reading; Back by its button;
     - the File and Help menus open by their access keys; Help's About box opens and closes with OK;
     - File's Exit ends the program with status 0, and its log holds no warning;
     - natively on Wayland, the clipboard guard beside another Wayland program (wl-copy, wl-paste): the text it
       copied survives a reading and mouse moves over the descriptions, a word this program copied does not;
     - a copy killed with SIGKILL leaves no lock behind that refuses the next start, which Alt+E ends."""
    s = (X11() if platform == "x11" else Weston(platform == "xwayland")).accessibility()
    L.trace(f"platform: {s.platform}")
    wayland = s.platform == "wayland"
    L.step("start")
    first = start_on(s, "first", program)
    s.window_ready(first, TITLE, "the input form")
    s.expect(first, "the name box with the keyboard focus", f"focused={NAME_BOX}")
    s.screenshot("input-form")

    L.step("a second copy is refused, five times")
    settings = lambda: sorted((str(p), p.is_file() and hashlib.md5(p.read_bytes()).hexdigest())
                              for p in (L.work / "config").rglob("*"))
    before = settings()
    for copy in range(1, 6):
        second = start_on(s, f"second-{copy}", program)
        s.window_ready(second, "Tavrel", f"the message 'Application is already running' ({copy})")
        s.expect(second, "the message's text", "showing=label:Application is already running", seconds=5)
        s.key("Return")
        second.ended(f"OK in the message ({copy})")
    first.running() or fail("the first copy ended")
    settings() == before or fail("the copies refused touched the settings")

    L.step("a name and a date")
    s.window_ready(first, TITLE, "the input form after the second copy")
    s.click_on(first, NAME_BOX)
    s.expect(first, "the name box with the keyboard focus", f"focused={NAME_BOX}")
    s.type("anna")
    s.expect(first, "the name typed", f"text={NAME_BOX}=ANNA")
    for keys, focused in ((["Tab"], "combo box:1"), (["Down"] * 4, "combo box:5"), (["Tab"], "combo box:January"),
                          (["Down"] * 2, "combo box:March")):
        s.key(*keys)
        s.expect(first, f"{focused} with the keyboard focus", f"focused={focused}")
    if wayland:
        L.step("another Wayland program copies")
        pasted = lambda: run("wl-paste", "--no-newline", check=False, env=s.env, timeout=10).stdout
        s.start("wl-copy", ["wl-copy", "--foreground", "copied elsewhere"])
        wait("another program's text in the clipboard", lambda: (pasted() == "copied elsewhere", pasted()))
        s.window_ready(first, TITLE, "the input form after the other program copied")

    def reading(how, sign, *shown):
        how()
        s.expect(first, "the frame with the reading", f"showing={READING_TAB}", f"!showing={NAME_BOX}", seconds=20)
        s.wm or s.maximize(s.window("the frame", TITLE, wide=True, pid=first.pid)[0])
        s.window_ready(first, TITLE, "the frame")
        s.expect(first, f"the reading for {sign}", *(f"showing={t}" for t in shown))

    L.step("the reading, by a click")
    reading(lambda: s.click_on(first, "push button:Get My Tavrel Reading"), "5 March (Pisces)",
            "Tarot card: The Moon", "label:First sphere: Netzach")
    s.point_at(first, "text:About Netzach")  # a box whose text cannot be copied
    path_tab = "page tab:Attributes Of The Path  Associated with Your Sun Sign"
    for tab in (path_tab, "page tab:About Your Sun Sign And Sephiroths ", READING_TAB,
                "page tab:About Your Sun Sign And Sephiroths "):
        s.click_on(first, tab)
        s.expect(first, f"the tab {tab}", f"showing=page tab list:{tab[9:]}")
    s.point_at(first, "push button:Tiphereth")
    s.expect(first, "Tiphereth explained under the mouse", "showing=label:Sphere: Tiphereth")
    s.screenshot("reading")
    if wayland:
        # The moves above have been handled: what another program copied is still there.
        pasted() == "copied elsewhere" or fail(
            f"another program's copied text did not survive a reading and a mouse move (the clipboard: {pasted()!r})")
        L.step("this program copies")
        s.window_ready(first, TITLE, "the frame after the other program pasted")
        s.click_on(first, path_tab)
        s.expect(first, "the path's tab", f"showing=page tab list:{path_tab[9:]}")
        s.click_on(first, "text:About the path", times=2)  # a word of a box whose text can be copied
        s.key("ctrl+c")
        wait("this program's word in the clipboard", lambda: (pasted() not in ("copied elsewhere", ""), pasted()))
        s.window_ready(first, TITLE, "the frame after the other program pasted")

    L.step("Back, by its access key")
    s.key("alt+b")
    s.window_ready(first, TITLE, "the input form after Back")
    s.expect(first, "the input form with its entries", f"text={NAME_BOX}=ANNA", "showing=combo box:March")

    L.step("another reading, by its access key")
    s.click_on(first, "combo box:March")
    # (the list opens on a click: the next month is picked by the keyboard)
    s.expect(first, "the month list's items", "showing=list item:April")
    s.key("Down", "Return")
    s.expect(first, "April", "showing=combo box:April")
    reading(lambda: s.key("alt+g"), "5 April (Aries)", "Tarot card: The Emperor")
    if wayland:
        s.point_at(first, "text:About Chokmah")
        wait("this program's copied word gone", lambda: (pasted() == "", pasted()))
        s.window_ready(first, TITLE, "the frame after the other program pasted")
    s.screenshot("second-reading")
    s.click_on(first, "push button:Back")
    s.window_ready(first, TITLE, "the input form after the Back button")

    L.step("the File and Help menus, the About box")
    for keys, what, shown in ((["alt+f"], "the File menu", "showing=menu item:Exit"),
                              (["Escape"], "the File menu closed", "!showing=menu item:Exit"),
                              (["alt+h"], "the Help menu", "showing=menu item:About Software"),
                              (["a"], "the About box, its OK button holding the keyboard", "focused=push button:OK")):
        s.key(*keys)
        s.expect(first, what, shown)
    s.screenshot("about-box")
    s.key("Return")
    s.expect(first, "the About box closed", "!showing=push button:OK")

    L.step("Exit, from the File menu")
    s.window_ready(first, TITLE, "the input form after the About box")
    s.key("alt+f")
    s.expect(first, "the File menu", "showing=menu item:Exit")
    s.key("x")
    first.ended("Exit")
    # Qt's warnings, and ours, name the class or the category they come from; the log stays empty.
    warnings = first.output().strip()
    not warnings or fail(f"the program's log holds warnings: {warnings[:300]}")

    L.step("a killed copy leaves no lock behind")
    third = start_on(s, "third", program)
    s.window_ready(third, TITLE, "the input form")
    third.kill()
    fourth = start_on(s, "fourth", program)
    s.window_ready(fourth, TITLE, "the input form after a killed copy")
    s.bus.check(fourth.pid, "window=Tavrel")[0] and fail("the start after a killed copy said it was running")
    s.key("alt+e")
    fourth.ended("Alt+E")


def frame(program, dock):
    """The frame in an X server:
     - without a window manager, with a named pipe where a system-wide settings file could be: the program starts;
       the frame keeps its restored size, and a click on its Back button brings the input form back with the
       keyboard, so that Alt+G, with no click between, shows the next reading; a click on Exit ends the program;
     - under openbox, with a 120-pixel dock at the left edge of the screen: the frame opens maximized beside the
       dock, and a click on its Exit button ends the program."""
    s = X11().accessibility()

    def reading(p, name, what):
        s.click_on(p, NAME_BOX)
        s.type(name)
        s.key("alt+g")
        s.expect(p, what, f"showing={READING_TAB}", seconds=20)
        return s.window(what, TITLE, wide=True, pid=p.pid)

    L.step("start with a named pipe in the system-wide settings folder")
    (L.work / "xdg" / "Tavrel").mkdir(parents=True)
    os.mkfifo(L.work / "xdg" / "Tavrel" / "tavrel.conf")
    first = s.start("first", [program], {"XDG_CONFIG_DIRS": str(L.work / "xdg")})
    s.window_ready(first, TITLE, "the input form")

    L.step("without a window manager: Back in the restored frame, then Alt+G at once")
    restored = reading(first, "anna", "Alt+G shows a reading")
    restored[3] == FRAME_WIDTH or fail(f"the frame is not at its restored width: {restored}")
    s.click_on(first, "push button:Back")
    form = s.window("Back brings the input form back", TITLE, wide=False, pid=first.pid)
    wait("the input form holds the keyboard again", lambda: s.has_focus(form[0]))
    s.key("alt+g")
    again = s.window("Alt+G right after Back shows a reading", TITLE, wide=True, pid=first.pid)
    again[3:] == restored[3:] or fail(f"the frame did not keep its restored size: {restored} then {again}")
    s.click_on(first, "push button:Exit")
    first.ended("Exit in the restored frame")

    L.step("under openbox, beside a dock: the frame maximized, Exit")
    s.wm = "openbox"
    s.start("dock", [dock, "120"])
    s.start("openbox", ["openbox", "--sm-disable"])
    wait("openbox keeps the dock's strip free",
         lambda: "= 120, 0, 1160, 1024" in s.tool("xprop", "-root", "_NET_WORKAREA", check=False).stdout, 20)
    second = s.start("second", [program])
    s.window_ready(second, TITLE, "the input form under openbox")
    reading(second, "bo", "Alt+G shows a reading under openbox")
    inside = lambda: [w for w in s.windows(TITLE, second.pid) if w[3] > FORM_WIDTH + 100]
    wait("the frame maximized beside the dock", lambda: (any(
        w[1] == 120 and w[3] == 1160 and w[2] + w[4] == 1024 for w in inside()), f"{inside()}"))
    s.screenshot("beside-dock")
    s.window_ready(second, TITLE, "the frame")
    s.click_on(second, "push button:Exit")
    second.ended("Exit beside the dock")


def limits(driver):
    """The program under limits on threads and on memory, as a hostile environment sets them: it starts and gives a
    reading, the first letter's rehearsal is done before it, and nothing freezes or aborts.
     - the reading driver (the program's windows, driven from inside) on Qt's offscreen platform, with room for two
       threads (prlimit --nproc=2) and in 200 MB of address space (prlimit --as);
     - the same application in an X server, driven with real X input: a name typed, the rehearsal done, Alt+G, the
       frame with the reading, Alt+E ends it with status 0; with room for four threads (the X11 connection's
       reader, the message bus's and one of the pool besides the main thread: what Qt itself needs there) and in
       200 MB of address space.
    A limit on threads counts every process of the user, and binds only users other than root: run as root, the
    runs are made as the user "nobody" (uid 65534), from a copy of what they run in a folder anyone may enter (the
    clone may lie in a private one); run as another user, the limits on threads are skipped."""
    s = X11()
    user, own = [], Path(tempfile.mkdtemp(prefix="tavrel-limits-"))
    L.cleanups.append(lambda: shutil.rmtree(own, ignore_errors=True))
    fonts = os.environ.get("FONTCONFIG_FILE", str(SOURCE / "tests" / "fonts" / "fonts.conf"))
    if os.geteuid() == 0:
        user = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
        own.chmod(0o755)
        driver, fonts = shutil.copy(driver, own), shutil.copy(fonts, own)
    runs = 0

    def under(limit, drive):
        nonlocal runs
        runs += 1
        home = own / f"home-{runs}"
        for folder in (home, home / "run"):
            folder.mkdir(mode=0o700)
            if user:
                os.chown(folder, 65534, 65534)
        env = {"FONTCONFIG_FILE": fonts, "HOME": str(home), "XDG_CONFIG_HOME": str(home),
               "XDG_RUNTIME_DIR": str(home / "run")}
        name = f"driver-{runs}"
        if drive:
            p = s.start(name, user + ["prlimit", limit, driver, "--drive"], dict(env, QT_QPA_PLATFORM="offscreen"))
            p.ended(f"the reading under prlimit {limit}", seconds=60)
            "reading: Pisces" in p.output() or fail(f"no reading under prlimit {limit} ({name}.log)")
            return
        p = s.start(name, user + ["prlimit", limit, driver], env)
        s.focus(s.window(f"the input form under prlimit {limit}", TITLE, wide=False)[0], "the input form")
        s.type("anna")
        wait("the first letter's rehearsal done", lambda: "rehearsed" in p.output(), 20)
        s.key("alt+g")
        s.focus(s.window(f"the frame under prlimit {limit}", TITLE, wide=True)[0], "the frame")
        s.key("alt+e")
        p.ended(f"Alt+E under prlimit {limit}", seconds=20)

    if user:
        L.step("the reading driver with room for two threads")
        under("--nproc=2", True)
        L.step("the program in an X server with room for four threads")
        under("--nproc=4", False)
    else:
        L.skip("the limits on threads: they bind only users other than root, and count every process of this "
               "user; run as root, the leg runs them as the user nobody")
    L.step("the reading driver in 200 MB of address space")
    under("--as=200000000", True)
    L.step("the program in an X server in 200 MB of address space")
    under("--as=200000000", False)


def package(build):
    """Builds the Debian package from a build tree, installs it into a temporary root, checks its desktop entry,
    AppStream metadata, icons and copyright file, and starts the installed program until its input form appears,
    and Alt+E ends it."""
    s = X11()
    L.step("package")
    run("cpack", "-G", "DEB", "--config", f"{build}/CPackConfig.cmake", "-B", str(L.work / "package"), log="cpack.log")
    deb = str(next((L.work / "package").glob("*.deb")))
    field = lambda name: run("dpkg-deb", "--field", deb, name).strip()
    field("Version") == VERSION or fail(f"the package carries version {field('Version')}, not {VERSION}")
    "libqt6widgets6" in field("Depends") or fail("the package does not depend on Qt Widgets")

    L.step("install into a temporary root")
    root = L.work / "root"
    run("dpkg-deb", "-x", deb, str(root))
    share = root / "usr/share"
    for f in ("usr/bin/tavrel", "usr/share/applications/org.tavrel.Tavrel.desktop",
              "usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml", "usr/share/icons/hicolor/scalable/apps/tavrel.svg",
              "usr/share/icons/hicolor/48x48/apps/tavrel.png", "usr/share/icons/hicolor/256x256/apps/tavrel.png",
              "usr/share/doc/tavrel/copyright"):
        (root / f).exists() or fail(f"{f} is not installed")
    copyright = (share / "doc/tavrel/copyright").read_text()
    "License: GPL-3+\n" in copyright and "/usr/share/common-licenses/GPL-3" in copyright or fail(
        "the copyright file does not name the GNU GPL, version 3 or later")
    run("desktop-file-validate", str(share / "applications/org.tavrel.Tavrel.desktop"))
    metainfo = share / "metainfo/org.tavrel.Tavrel.metainfo.xml"
    run("appstreamcli", "validate", "--no-net", str(metainfo))
    f'<release version="{VERSION}"' in metainfo.read_text() or fail(
        f"the AppStream metadata does not name version {VERSION}")

    L.step("start the installed program")
    p = s.start("tavrel", [str(root / "usr/bin/tavrel")])
    s.focus(s.window("the installed program's input form", TITLE, wide=False, pid=p.pid)[0], "the input form")
    s.key("alt+e")
    p.ended("Alt+E")


def run_program(*argv):
    """A test program in an X server, where the clipboard and the selection are shared with other programs; with
    --accessibility on a private message bus with the accessibility bus started, where assistive tools listen."""
    s = X11()
    if argv[0] == "--accessibility":
        s.accessibility()
        argv = argv[1:]
    L.step(" ".join([Path(argv[0]).name, *argv[1:]]))
    p = s.start("test", list(argv))
    p.ended("the test program's run", seconds=110, status=None)
    print(p.output(), end="")
    p.process.returncode == 0 or fail(f"{Path(argv[0]).name} failed (test.log)")


class Wine(X11):
    """Wine in a prefix of its own, in the X server, with a home of its own: no desktop menus, no offers to install
    .NET or a web engine. Without an accessibility bus, the windows' controls are found by the design (DESIGN)."""
    platform = "wine"

    def __init__(self):
        super().__init__()
        self.wine = shutil.which("wine64") or shutil.which("wine") or "/usr/lib/wine/wine64"
        self.prefix, home = L.work / "wine", L.work / "home"
        for folder in ("data", "cache"):
            (home / folder).mkdir(parents=True)
        del self.env["QT_QPA_PLATFORM"]  # the program is a Windows one: Qt's windows platform
        self.env.update(WINEPREFIX=str(self.prefix), WINEARCH="win64", WINEDEBUG="-all", HOME=str(home),
                        WINESERVER=shutil.which("wineserver") or "/usr/lib/wine/wineserver",
                        WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d", XDG_DATA_HOME=str(home / "data"),
                        XDG_CACHE_HOME=str(home / "cache"))
        L.cleanups.append(lambda: [self.tool(self.env["WINESERVER"], a, check=False) for a in ("-k", "-w")])
        self.user = run("id", "-un").strip()
        self.drive = self.prefix / "drive_c"

    def __call__(self, *argv, log="wine.log", check=True):
        """Runs a Windows program (or a command of Wine's) to its end."""
        return run(self.wine, *map(str, argv), log=log, check=check, env=self.env)

    def reg(self, key):
        """The values of a registry key ({name: data}), or None without the key."""
        done = run(self.wine, "reg", "query", key, check=False, env=self.env)
        return None if done.returncode else dict(re.findall(r"^    (.+?)    REG_\w+    (.*?)\r?$", done.stdout, re.M))

    def start(self, name, argv, env=None, cwd=None):
        return super().start(name, [self.wine, *argv], env, cwd)

    def place(self, window, control):
        """The middle of a control of the input form, by its design, and the box of the control."""
        _, x, y, width, height = window
        border = (width - FORM_WIDTH) // 2
        left, top = x + border, y + height - border - DESIGN["form"][3] // 15
        tx, ty, tw, th = (v / 15 for v in DESIGN[control])
        return int(left + tx + tw / 2), int(top + ty + th / 2), (int(left + tx), int(top + ty), int(tw), int(th))

    def click_control(self, window, control):
        x, y, _ = self.place(window, control)
        self.click(x, y, control)

    def dark_pixels(self, box):
        x, y, w, h = box
        shot = subprocess.run(["import", "-window", "root", "-crop", f"{w - 8}x{h - 6}+{x + 4}+{y + 3}", "png:-"],
                              env=self.env, capture_output=True).stdout
        return int(subprocess.run(["convert", "-", "-colorspace", "Gray", "-threshold", "50%", "-format",
                                   "%[fx:round(w*h*(1-mean))]", "info:"], input=shot, capture_output=True).stdout or 0)

    def differs(self, png, pixels):
        """Whether the screen now differs from a screenshot in more (or, with a negative count, fewer) pixels."""
        self.shoot(L.work / "now.png")
        done = subprocess.run(["compare", "-metric", "AE", str(png), str(L.work / "now.png"), "null:"],
                              capture_output=True, text=True)
        changed = int(float(done.stderr.split()[0]))
        return (changed > pixels if pixels >= 0 else changed < -pixels), f"{changed} pixels differ"


def wine(build, scramble):
    """The Windows program as a Windows user gets it: the installer made by scripts/windows.sh run under Wine, and
    the installed program used with real X input.
     1. the installer runs silently and installs (and runs again over it, updating in place), registered with its
        details; the installed tavrel.exe needs no DLL beside it;
     2. the input form appears, a name is typed and a date picked, the reading button clicked; the frame with the
        reading appears, and a screenshot of it is not blank; Alt+B brings the input form back;
     3. a second copy is refused with its message and leaves the first running; after the first is killed
        (taskkill /F), the next start shows the input form;
     4. the reminder's setting is in the registry under the current user, scrambled;
     5. Exit ends the program with status 0; the uninstaller removes the files and the registration, and keeps
        the setting;
     6. one install per computer: a silent install for the user, for everyone (/AllUsers) over it, a plain /S over
        that, and back (/CurrentUser), each leaving one install, registered with its details and an App Paths
        entry; a newer install is not replaced unasked; an update keeps the desktop shortcut; a folder of one's own
        (/D) goes with the uninstaller together with the folders above it that the installer made;
     7. after a reading (Alt+G) the focus is in the result window: Ctrl+Tab switches tabs at once, and Space does
        not end the program;
     8. the installed tavrel.exe carries its manifest and is marked for terminal services, the uninstaller has its
        own description, the licence and the third-party notices are installed; signed copies of tavrel.exe and
        the uninstaller (packaging/windows/sign.sh, a throw-away certificate) in an installer made again from them
        (packaging's make-installer.cmake), signed too, install programs with valid signatures;
     9. the portable zip holds the program, a read-me, the licences and tavrel.ini, in which the program keeps its
        setting; with tavrel.ini read-only the setting goes to the registry instead."""
    build = Path(build)
    setup = build / f"Tavrel-{VERSION}-setup.exe"
    setup.exists() or fail(f"there is no {setup}: scripts/windows.sh makes it")
    w = Wine()
    L.step("a Wine prefix of the leg's own")
    w("wineboot", "--init", log="wineboot.log")
    w.tool(w.env["WINESERVER"], "-w")

    L.step("1. the installer installs silently, and again over the first install")
    local = w.drive / "users" / w.user / "AppData"
    instdir, menu = local / "Local/Programs/Tavrel", local / "Roaming/Microsoft/Windows/Start Menu/Programs/Tavrel.lnk"
    user_key = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrel"
    machine_key = user_key.replace("HKCU", "HKLM")
    for round in ("first", "second"):
        w(setup, "/S", log="setup.log")
        files = sorted(p.name for p in instdir.iterdir())
        files == ["LICENSE.txt", "THIRD-PARTY-NOTICES.txt", "Uninstall Tavrel.exe", "tavrel.exe"] or fail(
            f"the program folder holds {files} after the {round} install")
    menu.exists() or fail("no Start menu entry")
    [p for p in w.drive.rglob("Tavrel.lnk") if p != menu] and fail("a shortcut beside the Start menu's")
    registration = w.reg(user_key) or fail("the install is not registered")
    for name, expected in (("DisplayVersion", VERSION), ("Publisher", "The Tavrel developers")):
        registration.get(name) == expected or fail(f"the registration's {name} is {registration.get(name)!r}")
    registration.get("DisplayIcon", "").endswith("tavrel.exe,0") or fail("the registration has no icon")
    registration.get("EstimatedSize") or fail("the registration has no size")
    w.reg(machine_key) is None or fail("a per-user install registered itself for the whole machine")
    imports = re.findall(r"DLL Name: (\S+)", run("x86_64-w64-mingw32-objdump", "-p", str(instdir / "tavrel.exe")))
    L.trace(f"tavrel.exe imports: {' '.join(imports)}")
    [i for i in imports if re.search("qt6|libgcc|libstdc|winpthread", i, re.I)] and fail(
        f"tavrel.exe needs DLLs beside it: {imports}")

    def start(name, folder=instdir):
        return w.start(name, ["tavrel.exe"], cwd=folder)

    def form_ready(what, seconds=90):
        form = w.window(what, TITLE, wide=False, seconds=seconds)
        w.focus(form[0], what)
        return form

    L.step("2. a reading")
    first = start("first")
    form = form_ready("the input form")
    # (a window not yet drawn is black: the white name box shows that it is)
    box = w.place(form, "name box")[2]
    wait("the empty name box drawn", lambda: w.dark_pixels(box) <= 40, 20)
    w.screenshot("input-form")
    w.click_control(form, "name box")
    w.type("anna")
    wait("the name in its box", lambda: w.dark_pixels(box) > 40)
    w.key("Tab", "Down", "Down", "Down", "Down", "Tab", "Down", "Down")  # day 5, March
    w.click_control(form, "reading button")
    frame = w.window("the frame with the reading", TITLE, wide=True)
    w.maximize(frame[0])
    w.focus(frame[0], "the frame")
    w.screenshot("reading")
    w.key("alt+b")
    form = form_ready("the input form after Back", 10)

    L.step("3. a second copy is refused")
    second = start("second")
    w.focus(w.window("the message 'Application is already running'", "Tavrel", seconds=60)[0], "the message")
    w.key("Return")
    second.ended("OK in the message", seconds=20)
    first.running() or fail("the first copy ended")
    w("taskkill", "/F", "/IM", "tavrel.exe", log="taskkill.log")
    first.ended("taskkill /F", seconds=20, status=None)
    third = start("third")
    form = form_ready("the input form after a killed copy", 60)
    w.windows("Tavrel") and fail("the start after a killed copy said it was running")

    L.step("4. the reminder's setting in the registry, scrambled")
    settings_key = r"HKCU\Software\Tavrel\tavrel\Settings"
    entry, today = run(scramble, "Duration", time.strftime("%Y-%m-%d")).split()
    w.reg(settings_key) == {entry: today} or fail(f"not one scrambled date under {settings_key}: {w.reg(settings_key)}")

    L.step("5. Exit, and the uninstaller")
    w.click_control(form, "exit button")
    third.ended("Exit", seconds=20)

    def registered(key):
        return bool((w.reg(key) or {}).get("DisplayName"))

    def uninstall(folder):
        # (the uninstaller goes on from a copy of itself)
        w(folder / "Uninstall Tavrel.exe", "/S", log="setup.log")
        wait(f"{folder} and the registration removed", lambda: not folder.exists() and not registered(user_key)
             and not registered(machine_key), 30)

    uninstall(instdir)
    menu.exists() and fail("the uninstaller left the Start menu entry")
    (w.reg(settings_key) or {}).get(entry) == today or fail("the uninstaller removed the setting unasked")

    L.step("6. one install per computer: for the user, for everyone, and /S over each")
    machine_dir = w.drive / "Program Files/Tavrel"
    machine_menu = w.drive / "ProgramData/Microsoft/Windows/Start Menu/Programs/Tavrel.lnk"
    desktop = w.drive / "users" / w.user / "Desktop/Tavrel.lnk"

    def only(scope, after):
        """Whether the one install there is is for the user or for everyone (scope), after the installer's run."""
        mine, other = [(user_key, instdir, menu), (machine_key, machine_dir, machine_menu)][::1 if scope == "user" else -1]
        ok = (registered(mine[0]) and not registered(other[0]) and (mine[1] / "tavrel.exe").exists()
              and not other[1].exists() and mine[2].exists() and not other[2].exists()
              and w.reg(mine[0]).get("DisplayVersion") == VERSION)
        ok or fail(f"{after} did not leave the one install, for {scope}")

    def install(*options, scope="user"):
        w(setup, *options, "/S", log="setup.log")
        only(scope, f"the installer {' '.join(options)} /S")

    install()
    install()
    r = w.reg(user_key)
    win_instdir = f"C:\\users\\{w.user}\\AppData\\Local\\Programs\\Tavrel"
    r.get("DisplayIcon") == f"{win_instdir}\\tavrel.exe,0" or fail(f"the registration's icon is {r.get('DisplayIcon')}")
    re.match(r"https?://.*/tavrel-help\.html$", r.get("HelpLink", "")) or fail("the registration has no help link")
    re.match(r"https?://.*/download-tavrel\.html$", r.get("URLUpdateInfo", "")) or fail(
        "the registration has no update link")
    r.get("Comments") or fail("the registration has no comment")
    major, minor = VERSION.split(".")
    (r.get("VersionMajor"), r.get("VersionMinor")) == (f"{int(major):#x}", f"{int(minor):#x}") or fail(
        f"the registration's version numbers are not those of {VERSION}")
    (w.reg(r"HKCU\Software\Microsoft\Windows\CurrentVersion\App Paths\tavrel.exe") or {}).get("(Default)") == \
        f"{win_instdir}\\tavrel.exe" or fail("no App Paths entry for tavrel.exe")
    install("/AllUsers", scope="machine")
    install(scope="machine")
    w("reg", "add", machine_key, "/v", "DisplayVersion", "/d", "99.0", "/f")
    w(setup, "/S", log="setup.log", check=False).returncode != 0 and w.reg(machine_key)["DisplayVersion"] == "99.0" \
        or fail("a silent install replaced a newer version unasked")
    install("/AllowDowngrade", scope="machine")
    install("/CurrentUser")
    shutil.copy(menu, desktop)
    install()
    desktop.exists() or fail("an update removed the desktop shortcut")
    uninstall(instdir)
    desktop.exists() and fail("the uninstaller left the desktop shortcut")
    own = w.drive / "TavrelTest"
    w(setup, "/S", r"/D=C:\TavrelTest\Programs\Tavrel", log="setup.log")
    (own / "Programs/Tavrel/tavrel.exe").exists() or fail("/D= was not followed")
    uninstall(own / "Programs/Tavrel")
    wait("the folders the installer made removed", lambda: not own.exists())

    L.step("7. after a reading the focus is in the result window")
    install()
    focus = start("focus")
    form = form_ready("the input form")
    w.click_control(form, "name box")
    w.type("anna")
    w.key("alt+g")
    frame = w.window("the frame of Alt+G", TITLE, wide=True)
    w.maximize(frame[0])
    w.point(5, w.height - 5, "a corner away from the frame")
    # The frame is drawn once its picture stays the same for a moment.
    settled = L.work / "settled.png"
    w.shoot(settled)

    def still():
        time.sleep(0.5)
        moved = w.differs(settled, 0)
        shutil.copy(L.work / "now.png", settled)
        return not moved[0], moved[1]
    wait("the reading drawn and settled", still, 20)
    w.key("ctrl+Tab")
    wait("Ctrl+Tab right after the reading switches the tab", lambda: w.differs(settled, 2000))
    # Space presses nothing; two more tabs bring the first back, in the same frame.
    w.key("space", "ctrl+Tab", "ctrl+Tab")
    wait("the first tab back after Space and two more Ctrl+Tab", lambda: w.differs(settled, -100))
    focus.running() or fail("Space ended the program")
    w.key("alt+e")
    focus.ended("Alt+E", seconds=20)

    L.step("8. manifest, licence and signatures")
    exe = (instdir / "tavrel.exe").read_bytes()
    for text in (b'level="asInvoker"', b'<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>',
                 b">PerMonitorV2</dpiAwareness>", b">true</longPathAware>"):
        text in exe or fail(f"the manifest of tavrel.exe lacks {text.decode()}")
    "TERMINAL_SERVICE_AWARE" in run("x86_64-w64-mingw32-objdump", "-p", str(instdir / "tavrel.exe")) or fail(
        "tavrel.exe is not marked for terminal services")
    f"Tavrel {VERSION} Uninstaller" in run("strings", "-el", str(instdir / "Uninstall Tavrel.exe")).splitlines() or \
        fail("the uninstaller does not describe itself as the uninstaller")
    same = lambda a, b: Path(a).read_text().replace("\r", "") == Path(b).read_text()
    for installed, source in (("LICENSE.txt", "LICENSE"), ("THIRD-PARTY-NOTICES.txt",
                                                          "packaging/windows/THIRD-PARTY-NOTICES.txt")):
        same(instdir / installed, SOURCE / source) or fail(f"{installed} is not installed as it is in the source")
    # Signed copies of what the build made, with a throw-away certificate; the password is never on a command line.
    signed, password = L.work / "signed", {"TAVREL_SIGN_PASSWORD": "throw-away"}
    signed.mkdir()
    run("openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=Tavrel test",
        "-addext", "extendedKeyUsage=codeSigning", "-keyout", str(signed / "key.pem"), "-out", str(signed / "cert.pem"))
    run("openssl", "pkcs12", "-export", "-inkey", str(signed / "key.pem"), "-in", str(signed / "cert.pem"), "-out",
        str(signed / "cert.p12"), "-passout", "env:TAVREL_SIGN_PASSWORD", env=dict(os.environ, **password))
    program, uninstaller = (shutil.copy(build / "packaging" / p, signed) for p in
                            ("program/tavrel.exe", "uninstaller/Uninstall Tavrel.exe"))
    signed_setup = signed / setup.name
    sign = lambda f: run("bash", str(SOURCE / "packaging/windows/sign.sh"), f, str(signed / "cert.p12"),
                         env=dict(os.environ, **password))
    said = sign(program) + sign(uninstaller)
    run("cmake", f"-DPROGRAM={program}", f"-DUNINSTALLER_FILE={uninstaller}", f"-DOUTFILE={signed_setup}", "-P",
        str(build / "packaging/make-installer.cmake"), log="signed.log")
    said += sign(str(signed_setup))
    said.count(": signed with cert.p12") == 3 or fail(f"not three programs signed: {said}")
    w(signed_setup, "/S", log="setup.log")
    for p in (signed_setup, instdir / "tavrel.exe", instdir / "Uninstall Tavrel.exe"):
        run("osslsigncode", "verify", "-CAfile", str(signed / "cert.pem"), "-in", str(p), log="verify.log")

    L.step("9. the portable zip keeps the setting beside the program")
    portable = w.drive / "Portable"
    portable.mkdir()
    run("cmake", "-E", "tar", "xf", str(build / f"Tavrel-{VERSION}-portable.zip"), cwd=portable)
    folder = portable / f"Tavrel-{VERSION}"
    files = sorted(p.name for p in folder.iterdir())
    files == ["LICENSE.txt", "README.txt", "THIRD-PARTY-NOTICES.txt", "tavrel.exe", "tavrel.ini"] or fail(
        f"the portable zip holds {files}")
    same(folder / "LICENSE.txt", SOURCE / "LICENSE") and same(
        folder / "THIRD-PARTY-NOTICES.txt", SOURCE / "packaging/windows/THIRD-PARTY-NOTICES.txt") or fail(
        "the licences in the portable zip are not those of the source")
    ini, kept = folder / "tavrel.ini", (folder / "tavrel.ini").read_bytes()

    def portable_run(name, stored):
        """Runs the portable program until its input form is shown and the setting is stored, then Exit."""
        p = start(name, folder)
        form = form_ready(f"{name}: the input form", 60)
        wait(f"{name}: the setting stored where it belongs", stored, 20)
        w.click_control(form, "exit button")
        p.ended("Exit", seconds=20)

    w("reg", "delete", r"HKCU\Software\Tavrel", "/f", check=False)
    portable_run("portable", lambda: f"{entry}={today}" in ini.read_text())
    w.reg(settings_key) is None or fail("the portable program stored its setting in the registry")
    ini.write_bytes(kept)
    ini.chmod(0o444)
    portable_run("portable-read-only", lambda: (w.reg(settings_key) or {}).get(entry) == today)
    ini.read_bytes() == kept or fail("the program wrote into a read-only tavrel.ini")


LEGS = {"smoke": smoke, "frame": frame, "limits": limits, "package": package, "wine": wine, "run": run_program}


def main(argv):
    global L
    if len(argv) < 3 or argv[1] not in LEGS:
        raise SystemExit(__doc__)
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
