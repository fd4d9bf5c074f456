#!/usr/bin/python3
"""The program as a screen reader meets it on the real accessibility bus.

    accessibility_tree.py PROGRAM DESCRIPTION

Run inside a private X server and session bus (scripts/with-xvfb dbus-run-session -- ...): starts
the accessibility bus, switches it on as a screen reader does, starts PROGRAM and reads its tree
with pyatspi. Prints the tree, and fails unless every control of DESCRIPTION (the committed
main_window.txt) is found by its name, with its role, in the frame drawn around it, and each list
shows its first item.
"""
import ctypes
import shlex
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

WAIT_SECONDS = 30
ROLES = {"label": "label", "field": "text", "button": "push button", "frame": "panel",
         "spin": "spin button", "list": "combo box"}
NAMED_BY_LABEL = {"field", "spin", "list"}


def described_controls(path):
    """(name, role, frame, shown item) of every control; a field, spin field or list is named by
    the label described just before it, without the colon the label shows."""
    rows = [shlex.split(line) for line in open(path) if line[:1].isdigit()]
    frames = [(int(x), int(y), int(x) + int(w), int(y) + int(h), text)
              for _, kind, x, y, w, h, text, *_ in rows if kind == "frame"]
    wanted = []
    for at, (_, kind, x, y, w, h, *rest) in enumerate(rows):
        name = rows[at - 1][6].rstrip(" :") if kind in NAMED_BY_LABEL else rest[0]
        x, y, w, h = int(x), int(y), int(w), int(h)
        frame = next((f[4] for f in frames if kind != "frame" and
                      f[0] <= x and f[1] <= y and x + w <= f[2] and y + h <= f[3]), None)
        wanted.append((name, ROLES[kind], frame, rest[0] if kind == "list" else None))
    return wanted


def switch_the_bus_on():
    """Waits for the launcher's bus, then turns it on as a screen reader does."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    end = time.monotonic() + WAIT_SECONDS
    while not bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                            "org.freedesktop.DBus", "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)),
                            None, Gio.DBusCallFlags.NONE, -1, None)[0]:
        if time.monotonic() > end:
            sys.exit("accessibility_tree: the accessibility bus never came")
        time.sleep(0.1)
    for switch in ("IsEnabled", "ScreenReaderEnabled"):
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", switch, GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, -1, None)


def program_window(name, program):
    """Nothing here runs the events that keep pyatspi's cache fresh: it is cleared on each look."""
    end = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < end and program.poll() is None:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                app.clear_cache()
                if app.childCount > 0:
                    return app[0]
        time.sleep(0.2)
    sys.exit(f"accessibility_tree: {name} never showed on the accessibility bus")


def shown_item(node):
    if node.getRoleName() != "combo box":
        return None
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def value_of(node):
    role = node.getRoleName()
    if role == "spin button":
        return f" = {node.queryValue().currentValue:g}"
    if role in ("combo box", "text"):
        return f" = {node.queryText().getText(0, -1)!r}" if "Text" in node.get_interfaces() else ""
    return ""


def read_tree(node, found, frame=None, depth=0):
    """Prints the tree down to the controls and gathers (name, role, frame, shown item) of each."""
    states = node.getState()
    greyed = "" if states.contains(pyatspi.STATE_ENABLED) else " (greyed)"
    print(f"{'  ' * depth}{node.getRoleName()} {node.name!r}{value_of(node)}{greyed}")
    found.add((node.name, node.getRoleName(), frame, shown_item(node)))
    if node.getRoleName() in ("combo box", "spin button"):
        return
    for child in node:
        read_tree(child, found, node.name if node.getRoleName() == "panel" else frame, depth + 1)


def main(program, description):
    # The X server resets whenever its last client leaves, refusing anyone who comes meanwhile: the
    # bus launcher comes and goes before the program starts, so this connection stays throughout.
    held = ctypes.CDLL("libX11.so.6").XOpenDisplay(None)
    if not held:
        sys.exit("accessibility_tree: no X server to hold")
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    shown = None
    try:
        switch_the_bus_on()
        shown = subprocess.Popen([program])
        found = set()
        read_tree(program_window(program.rsplit("/", 1)[-1], shown), found)
        missing = [c for c in described_controls(description) if c not in found]
        for name, role, frame, item in missing:
            print(f"missing: {role} {name!r}" + (f" in {frame!r}" if frame else "") +
                  (f" showing {item!r}" if item else ""))
        return 1 if missing else 0
    finally:
        for started in (shown, launcher):
            if started:
                started.terminate()
                started.wait()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
