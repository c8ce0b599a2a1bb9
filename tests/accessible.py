#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the program under test shows, read as a screen reader reads it: through the accessibility bus (AT-SPI).

The tests that drive real windows wait on this state before each input, on any platform (X11, Wayland, XWayland).
Objects are named by their accessible name, or by ROLE:NAME ("page tab:About Your Sun Sign ...").

Usage: tests/accessible.py PID wait SECONDS CONDITION...   waits until every condition holds, or fails with
                                                           what was seen last
       tests/accessible.py PID where NAME                  prints x y width height of an object, in pixels from
                                                           the top left corner of its window's client area, the
                                                           width and height of that area, the object's x y on
                                                           the screen as the program knows it, and the title
       tests/accessible.py PID dump                        prints the tree of the program's windows
Conditions: window=TITLE (a window is shown)   active=TITLE (it is the active window, which has the keyboard)
            nowindow=TITLE   !CONDITION (it does not hold)   focused=NAME (the object with the keyboard focus)   text=NAME=VALUE (its text)
            selected=NAME (a tab or menu item that is selected)   showing=NAME   name=NAME (an object is named so)
"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

S = Atspi.StateType


def application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            app.clear_cache()
            return app
    return None


def walk(node, depth=0, window=None):
    """Yields (object, depth, its window) for the showing objects below node."""
    try:
        count = node.get_child_count()
    except gi.repository.GLib.Error:
        return
    for i in range(count):
        child = node.get_child_at_index(i)
        if child is None:
            continue
        states = child.get_state_set()
        if not states.contains(S.SHOWING):
            continue
        yield child, depth, window or child
        yield from walk(child, depth + 1, window or child)


def ended(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rpartition(")")[2].split()[0] in ("Z", "X")
    except OSError:
        return True


def label(obj):
    return f"{obj.get_role_name()}:{obj.get_name()}"


def matches(obj, name):
    return name in (obj.get_name(), label(obj))


def has_text(obj):
    return "Text" in obj.get_interfaces()


def text_of(obj):
    if has_text(obj):
        return Atspi.Text.get_text(obj, 0, Atspi.Text.get_character_count(obj))
    return obj.get_name()


def check(app, condition):
    """Whether the condition holds, and what was seen."""
    if condition.startswith("!"):
        holds, seen = check(app, condition[1:])
        return not holds, seen
    kind, _, arg = condition.partition("=")
    if app is None:
        return False, "the program is not on the accessibility bus"
    objects = list(walk(app))
    windows = [o for o, depth, _ in objects if depth == 0]
    if kind in ("window", "active", "nowindow"):
        found = [w for w in windows if w.get_name() == arg]
        seen = ", ".join(f"'{w.get_name()}'{' (active)' if w.get_state_set().contains(S.ACTIVE) else ''}"
                         for w in windows) or "none"
        if kind == "window":
            return bool(found), f"windows: {seen}"
        if kind == "nowindow":
            return not found, f"windows: {seen}"
        return any(w.get_state_set().contains(S.ACTIVE) for w in found), f"windows: {seen}"
    if kind == "focused":
        focused = [o for o, _, _ in objects if o.get_state_set().contains(S.FOCUSED)]
        return any(matches(o, arg) for o in focused), "focused: " + (", ".join(map(label, focused)) or "nothing")
    if kind == "text":
        name, _, value = arg.partition("=")
        found = [o for o, _, _ in objects if matches(o, name)]
        texts = [text_of(o) for o in found]
        return value in texts, f"{name}: " + (" | ".join(repr(t) for t in texts) or "not shown")
    if kind == "selected":
        found = [o for o, _, _ in objects if matches(o, arg)]
        return any(o.get_state_set().contains(S.SELECTED) for o in found), \
            f"{arg}: " + ("selected" if found and found[0].get_state_set().contains(S.SELECTED) else
                          "not selected" if found else "not shown")
    if kind in ("showing", "name"):
        found = [o for o, _, _ in objects if matches(o, arg)]
        return bool(found), f"{arg}: " + ("shown" if found else "not shown")
    raise SystemExit(f"unknown condition: {condition}")


def dump(app):
    if app is None:
        print("the program is not on the accessibility bus")
        return
    for obj, depth, _ in walk(app):
        states = obj.get_state_set()
        marks = [n for n, s in (("active", S.ACTIVE), ("focused", S.FOCUSED), ("selected", S.SELECTED))
                 if states.contains(s)]
        value = f" text={text_of(obj)!r}" if has_text(obj) else ""
        box = obj.get_extents(Atspi.CoordType.SCREEN)
        value += f" at {box.x},{box.y} {box.width}x{box.height}"
        print("  " * depth + label(obj) + value + (f" [{', '.join(marks)}]" if marks else ""))


def main(argv):
    if len(argv) < 3:
        raise SystemExit(__doc__)
    pid, command = int(argv[1]), argv[2]
    if command == "dump":
        dump(application(pid))
        return 0
    if command == "where":
        app = application(pid)
        for obj, _, window in walk(app) if app else ():
            if matches(obj, argv[3]):
                box = obj.get_extents(Atspi.CoordType.WINDOW)
                screen = obj.get_extents(Atspi.CoordType.SCREEN)
                size = window.get_extents(Atspi.CoordType.SCREEN)
                # (the size comes from the screen's extents: Qt 6.4 gives a wrong one with the window's)
                print(box.x, box.y, screen.width, screen.height, size.width, size.height, screen.x, screen.y,
                      window.get_name())
                return 0
        print(f"{argv[3]} is not shown", file=sys.stderr)
        return 1
    if command == "wait":
        deadline = time.monotonic() + float(argv[3])
        while True:
            if ended(pid):
                print(f"the program (process {pid}) has ended", file=sys.stderr)
                return 1
            app = application(pid)
            results = [check(app, c) for c in argv[4:]]
            if all(ok for ok, _ in results):
                return 0
            if time.monotonic() > deadline:
                print("; ".join(seen for ok, seen in results if not ok), file=sys.stderr)
                return 1
            time.sleep(0.1)
    raise SystemExit(__doc__)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
