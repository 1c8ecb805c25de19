#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears while the program runs: Orca itself (its debug
# file, ORCA_LOG) speaks every message, a repeated one too, and the bus tells
# of new rows of the listing as they come. (The names, roles and states it
# reads are the widget test's, screenreader_test.) Then Orca through a
# lesson: what it speaks as a square is keyed, read back in the listing, run
# at speed 10, saved, loaded and printed. Each phrase's words are the rule
# tests' (spoken_test, tools_test): here, that each way of telling reaches
# Orca, none overtaken. Keys are typed with xdotool into the
# window under the pointer, as X delivers them. Prints PASS/FAIL lines; the exit
# status is the number of failures.
import os
import re
import subprocess
import sys

import pyatspi
from gi.repository import GLib

failures = 0


def check(what, ok, detail=""):
    global failures
    print(("PASS: " if ok else "FAIL: ") + what + ("" if ok or not detail else f" ({detail})"))
    if not ok:
        failures += 1


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "jex":
            return app
    return None


def walk(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from walk(child)


def find(window, role, name):
    for node in walk(window):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


# The rows added to a list, as the bus tells them: a screen reader tells of
# them as they come, though Orca does not say them unasked.
rowsadded = []


def listen(event):
    try:
        if event.type.startswith("object:children-changed:add") and \
                event.source.getRoleName() == "list":
            rowsadded.append(event.detail1)
    except Exception:  # a source gone before it could be read
        pass


def pump(seconds):
    """Lets the bus's events arrive for that long."""
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)


def slowly(*names):
    """Keys typed slowly, each heard: Orca drops a phrase that a newer one
    overtakes before it is spoken."""
    subprocess.run(["xdotool", "key", "--delay", "1000", *names], check=True)


def until(condition, seconds):
    for _ in range(int(seconds * 10)):
        if condition():
            return True
        pump(0.1)
    return condition()


def main():
    app = program()
    if app is None:
        check("the program is on the accessibility bus", False)
        return
    path = os.environ.get("ORCA_LOG")
    if not path:
        check("Orca's debug file is given (ORCA_LOG)", False)
        return
    orca = Orca(path)
    pyatspi.Registry.registerEventListener(listen, "object:children-changed")

    def heard(what, action, *phrases, seconds=10):
        mark = orca.mark()
        action()
        check(f"Orca says {what}: {' / '.join(phrases)}", orca.heard(mark, *phrases, seconds=seconds),
              str(orca.since(mark)))

    # The program learns over the bus that someone listens: until it does,
    # it tells nothing. A refused key is spoken once it has learnt.
    for _ in range(20):
        mark = orca.mark()
        keys("7")
        if orca.heard(mark, "expecting a command!", seconds=1):
            break
    windows = {window.name: window for window in app if window is not None}
    # Every message spoken, the same one twice running too.
    heard("a message said twice, twice", lambda: slowly("7", "7"),
          "expecting a command!", "expecting a command!")

    # The listing's new rows are told as they come.
    listing = find(windows["JEX: listing"], "list", "listing")
    del rowsadded[:]
    keys("Up", "5", "Right", "9", "0")
    until(lambda: listing is not None and listing.childCount == 2, 5)
    check("new rows are told", len(rowsadded) >= 2, str(rowsadded))

    lesson(windows, heard)


class Orca:
    """What Orca has spoken, read from its line-buffered debug file."""

    # SPEECH OUTPUT: 'notification forward 50.'{'established': False}
    line = re.compile(r"SPEECH OUTPUT: '(.*?)'(?:\{|$| voice=)")

    def __init__(self, path):
        self.path = path

    def said(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                return [m.group(1) for m in map(self.line.search, log) if m]
        except OSError:
            return []

    def mark(self):
        return len(self.said())

    def heard(self, since, *phrases, seconds=10):
        """Whether Orca spoke each phrase (a part of what it said), in that
        order, after the mark."""
        def inorder():
            said = self.said()[since:]
            at = 0
            for phrase in phrases:
                at = next((i + 1 for i in range(at, len(said)) if phrase in said[i]), -1)
                if at < 0:
                    return False
            return True
        return until(inorder, seconds)

    def since(self, mark):
        return self.said()[mark:]


def lesson(windows, heard):
    """A blind pupil's lesson, checked in what Orca speaks."""
    def restpointer():
        # A click on the keypad's margin gives it the keyboard back.
        subprocess.run(["xdotool", "mousemove", *os.environ.get("REST_POINT", "649 490").split(),
                        "click", "1"], check=True)
        pump(0.5)

    drawing = windows["JEX drawing"]
    heard("CM", lambda: keys("Delete"), "program cleared")
    heard("a keyed step", lambda: keys("x", "4"), "repeat 4")
    heard("each key's step", lambda: slowly("f", "5", "0", "r", "9", "0", "e"),
          "forward", "forward 5", "forward 50", "right", "right 9", "right 90", "end")

    # F6 to the listing's window: the listing takes the arrows and reads.
    listing = find(windows["JEX: listing"], "list", "listing")
    rows = lambda: [row.name for row in listing] if listing else []
    # Each F6 waits for its window to take the keyboard.
    heard("the listing reached with F6", lambda: slowly("F6", "F6"), "my program, 4 steps")
    heard("a row read with Down", lambda: keys("Down"), "1 of 4, repeat 4")
    heard("the next row", lambda: keys("Down"), "2 of 4, forward 50")
    heard("the last row", lambda: keys("End"), "4 of 4, end")
    check("reading added no step", len(rows()) == 4, str(rows()))
    keys("Escape")

    # The run at speed 10: each step as it is reached, and where the robot
    # ended after "finished!".
    slider = find(windows["JEX tools"], "slider", "speed")
    if slider is not None:
        slider.queryValue().currentValue = 10
        pump(0.5)
    # The pen down, so that the run draws.
    find(windows["JEX tools"], "check box", "pen on").queryAction().doAction(0)
    # From the centre; the first step comes with "running", which it overtakes.
    heard("centre", lambda: find(windows["JEX tools"], "push button", "centre")
          .queryAction().doAction(0), "robot back in the centre")
    heard("the run's steps at speed 10, then where it ended", lambda: keys("g"),
          "running", "forward 50", "right 90", "end", "forward 50",
          "finished!", "X 0, Y 0, heading 0", seconds=90)
    pump(2)


    # Saved and loaded through the real file dialogs.
    def dialog(button, title, typed):
        find(drawing, "push button", button).queryAction().doAction(0)
        # The keyboard goes to the window under the pointer: the dialog's,
        # once xdotool has seen it shown.
        try:
            subprocess.run(["xdotool", "search", "--sync", "--name", f"^{title}$",
                            "mousemove", "--window", "%1", "20", "10"], check=True, timeout=10)
        except (subprocess.CalledProcessError, subprocess.TimeoutExpired):
            check(f"the {title} dialog opens", False)
            return
        pump(0.5)
        keys("ctrl+a")
        subprocess.run(["xdotool", "type", "--delay", "50", typed], check=True)
        keys("Return")

    heard("a successful save", lambda: dialog("save", "save", "square"), "saved as square")
    restpointer()
    keys("Delete")
    heard("a load", lambda: dialog("load", "load", "square.jex"), "square, 4 steps")
    restpointer()
    heard("print", lambda: find(drawing, "push button", "print").queryAction().doAction(0),
          "Print finished", seconds=30)


if __name__ == "__main__":
    main()
    sys.exit(min(failures, 100))
