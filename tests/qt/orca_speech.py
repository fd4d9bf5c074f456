#!/usr/bin/python3
"""What Orca says of the program, worked with real keys.

    orca_speech.py PROGRAM

Run inside a private X server and session bus (scripts/with-xvfb dbus-run-session -- ...): starts
the accessibility bus and Orca, with its settings in a private folder and no synthesizer, starts
PROGRAM and presses real keys through XTest. Orca's debug log names each thing it speaks on a
SPEECH OUTPUT line; each step of HEARD passes when its utterances come, in order, among those
spoken after its keys. Prints everything spoken. Exits with SKIPPED, and one line saying why,
where Orca cannot run.
"""
import ctypes
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import tty

from gi.repository import Gio, GLib

SKIPPED = 77
START_SECONDS = 30  # Orca, and the program's window, coming up on a busy machine
STEP_SECONDS = 10
KEY_GAP_SECONDS = 0.05
READY = "Screen reader on."

# Orca's flat review reads what the window shows line by line; Orca+KP_5 then speaks the object
# under the review cursor whole, which is how a greyed control, never given the focus, is heard.
REVIEW_LINE, NEXT_ITEM, REVIEW_OBJECT = "KP_Up", "KP_Right", "Insert+KP_Begin"

ENTRY = "OAM Value (6 bytes Hex) : text."
GET, CALCULATE = "Get Attributes push button.", "Calculate OAM push button."

# (what is done, keys, what Orca says). Rotation/scaling is turned on halfway through the first
# round, so the greyed controls change: Double Size and the parameter are reached, OBJ Disable and
# the flips are passed over.
HEARD = [
    ("the window opens", [], ["Quorvex - Dunmarrow."]),
    ("Tab to the entry", ["Tab"], [ENTRY]),
    ("Tab", ["Tab"], [GET]),
    ("Tab", ["Tab"], [CALCULATE]),
    ("Tab into the first frame", ["Tab"],
     ["OBJ Attribute 0 panel.", "Y-Coordinate : 0 spin button."]),
    ("a spin field stepped up", ["Up"], ["1"]),
    ("Tab", ["Tab"], ["Rotation/Scaling : combo box.", "Off."]),
    ("the greyed parameter, reviewed", [REVIEW_LINE] + [NEXT_ITEM] * 4 + [REVIEW_OBJECT],
     ["Rotation/Scaling Parameter : 0 spin button.", "grayed."]),
    # A list changed with its arrow keys while closed is not spoken (Orca 43 looks for the new
    # item through a selection interface that Qt 6.4 does not give); opened, it is.
    ("the list opened", ["Alt_L+Down"], ["List with 2 items."]),
    ("the next item", ["Down"], ["On."]),
    ("the list closed on it", ["Return"], ["Rotation/Scaling : combo box.", "On."]),
    ("Tab to Double Size, no longer greyed", ["Tab"], ["Double Size : combo box.", "Normal."]),
    ("Tab past OBJ Disable, now greyed", ["Tab"], ["OBJ Mode : combo box.", "Normal."]),
    ("Tab", ["Tab"], ["OBJ Mosaic : combo box.", "off."]),
    ("Tab", ["Tab"], ["Colors/Palettes : combo box.", "16 colors/16 palettes."]),
    ("Tab", ["Tab"], ["OBJ Shape : combo box.", "Square."]),
    ("Tab into the second frame", ["Tab"],
     ["OBJ Attribute 1 panel.", "X-Coordinate : 0 spin button."]),
    ("Tab to the parameter, no longer greyed", ["Tab"],
     ["Rotation/Scaling Parameter : 0 spin button."]),
    ("Tab past the greyed flips", ["Tab"], ["OBJ Size : combo box.", "8 x 8."]),
    ("Tab into the third frame", ["Tab"],
     ["OBJ Attribute 2 panel.", "Tile Number : 0 spin button."]),
    ("Tab", ["Tab"], ["Priority relative to BG : combo box.", "Highest."]),
    ("Tab", ["Tab"], ["Palette Number : 0 spin button."]),
    ("Tab round to the entry", ["Tab"], [ENTRY]),
    ("Tab", ["Tab"], [GET]),
    ("Tab", ["Tab"], [CALCULATE]),
    ("Calculate OAM", ["space"], ["notification OAM value 010100000000."]),
    ("Calculate OAM again: said again", ["space"], ["notification OAM value 010100000000."]),
    ("back to the entry", ["Shift_L+Tab", "Shift_L+Tab"], [ENTRY]),
    ("an entry typed, Tab", list("4000812c0201") + ["Tab"], [GET]),
    ("Get Attributes", ["space"], ["notification Fields set from OAM value 4000812C0201."]),
    ("back to the entry", ["Shift_L+Tab"], [ENTRY]),
    ("a bad entry typed, Tab", list("123") + ["Tab"], [GET]),
    ("Get Attributes: the error box", ["space"],
     ["alert Error.", "This is not a valid 6 bytes OAM.", "OK push button."]),
    ("the box closed: the focus is back", ["Return"], [GET]),
    ("Shift+Tab round into the third frame", ["Shift_L+Tab", "Shift_L+Tab"],
     ["OBJ Attribute 2 panel.", "Palette Number : 0 spin button."]),
    ("Shift+Tab", ["Shift_L+Tab"], ["Priority relative to BG : combo box.", "Highest."]),
    ("Shift+Tab: the field the entry set", ["Shift_L+Tab"], ["Tile Number : 513 spin button."]),
]

UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)'(?= |\{|\[|$)")


def same_words(text):
    return " ".join(text.split())


class Speech:
    """Orca's debug log, read as it is written: Orca writes it line by line to a terminal, where
    a file would hold it back until Orca's buffer fills."""

    def __init__(self):
        self.master, self.terminal = os.openpty()
        tty.setraw(self.terminal)
        self.path = os.ttyname(self.terminal)
        self.heard = []
        self.changed = threading.Condition()
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:
                return
            if not chunk:
                return
            *lines, pending = (pending + chunk).split(b"\n")
            said = [m.group(1) for m in map(UTTERANCE.search, (l.decode(errors="replace")
                                                                 for l in lines)) if m]
            if said:
                with self.changed:
                    self.heard += [same_words(s) for s in said]
                    self.changed.notify_all()

    def wait_for(self, start, wanted, seconds):
        """True once `wanted` has been spoken, in order, since utterance number `start`."""
        end = time.monotonic() + seconds
        with self.changed:
            while not in_order(wanted, self.heard[start:]):
                if not self.changed.wait(max(0, end - time.monotonic())):
                    return in_order(wanted, self.heard[start:])
            return True


def in_order(wanted, heard):
    rest = iter(heard)
    return all(any(h == w for h in rest) for w in wanted)


class Keyboard:
    def __init__(self):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtest = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                 ctypes.c_ulong]
        # Held throughout: the X server resets whenever its last client leaves.
        self.display = self.x11.XOpenDisplay(None)
        if not self.display:
            sys.exit("orca_speech: no X server")

    def press(self, chord):
        """Holds each key of "Shift_L+Tab" down in turn, then lets them go the other way round."""
        codes = [self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(name.encode()))
                 for name in chord.split("+")]
        if not all(codes):
            sys.exit(f"orca_speech: no key for {chord}")
        for code in codes:
            self.xtest.XTestFakeKeyEvent(self.display, code, True, 0)
        for code in reversed(codes):
            self.xtest.XTestFakeKeyEvent(self.display, code, False, 0)
        self.x11.XFlush(self.display)
        time.sleep(KEY_GAP_SECONDS)


def why_orca_cannot_run():
    if not shutil.which("orca"):
        return "Orca is not installed"
    # Orca refuses to start while another of the same user's runs.
    if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                      stdout=subprocess.DEVNULL).returncode == 0:
        return "another Orca is running for this user, and Orca runs once per user"
    return None


def switch_the_bus_on():
    """Waits for the launcher's bus, then turns it on as a screen reader does."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    end = time.monotonic() + START_SECONDS
    while not bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                            "org.freedesktop.DBus", "NameHasOwner",
                            GLib.Variant("(s)", ("org.a11y.Bus",)),
                            None, Gio.DBusCallFlags.NONE, -1, None)[0]:
        if time.monotonic() > end:
            sys.exit("orca_speech: the accessibility bus never came")
        time.sleep(0.1)
    for switch in ("IsEnabled", "ScreenReaderEnabled"):
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", switch, GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, -1, None)


def private_settings(home):
    """A home of Orca's own, with settings that need no setup: no synthesizer (the speech is only
    logged), no braille display, no sounds; and Orca's words in English, whatever the machine's
    language."""
    prefs = os.path.join(home, "orca")
    os.makedirs(prefs)
    with open(os.path.join(prefs, "user-settings.conf"), "w") as settings:
        json.dump({"general": {"speechServerFactory": "", "enableBraille": False,
                               "enableSound": False},
                   "profiles": {"default": {"profile": ["Default", "default"]}},
                   "pronunciations": {}, "keybindings": {}}, settings)
    env = dict(os.environ, HOME=home, XDG_DATA_HOME=f"{home}/data",
               XDG_CONFIG_HOME=f"{home}/config", XDG_CACHE_HOME=f"{home}/cache",
               XDG_RUNTIME_DIR=home, GSETTINGS_BACKEND="memory", LC_ALL="C.UTF-8", LANGUAGE="")
    return prefs, env


def stop(started):
    started.terminate()
    try:
        started.wait(2)
    except subprocess.TimeoutExpired:
        started.kill()
        started.wait()


def orca_ready(speech, orca):
    """True once Orca says it is on; False as soon as it has ended without saying so."""
    end = time.monotonic() + START_SECONDS
    while time.monotonic() < end and orca.poll() is None:
        if speech.wait_for(0, [READY], 0.5):
            return True
    return speech.wait_for(0, [READY], 0)


def work_the_window(keyboard, speech):
    """The steps of HEARD in turn, up to the first that is not heard; its failure, or None."""
    for what, keys, wanted in HEARD:
        start = len(speech.heard)
        for chord in keys:
            keyboard.press(chord)
        if not speech.wait_for(start, wanted, STEP_SECONDS):
            return f"{what}: wanted {wanted}, heard {speech.heard[start:]}"
    return None


def main(program):
    why = why_orca_cannot_run()
    if why:
        print(f"orca_speech: skipped: {why}")
        return SKIPPED
    keyboard = Keyboard()
    started = []
    with tempfile.TemporaryDirectory() as home:
        os.chmod(home, 0o700)
        prefs, env = private_settings(home)
        try:
            started.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher",
                                             "--launch-immediately"]))
            switch_the_bus_on()
            speech = Speech()
            orca = subprocess.Popen(["orca", "-u", prefs, "--debug-file", speech.path], env=env,
                                    stdout=subprocess.DEVNULL)
            started.append(orca)
            if not orca_ready(speech, orca):
                # Another Orca may have come between the look and the start.
                why = why_orca_cannot_run() if orca.poll() is not None else None
                if why:
                    print(f"orca_speech: skipped: {why}")
                    return SKIPPED
                print(f"orca_speech: Orca never said {READY!r}")
                return 1
            started.append(subprocess.Popen([program], env=env))
            failure = work_the_window(keyboard, speech)
            print("\n".join(speech.heard))
            if failure:
                print(f"not heard: {failure}")
                return 1
            return 0
        finally:
            for process in reversed(started):
                stop(process)


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
