#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader finds and hears on the accessibility bus while the
# program runs: the four windows by their titles, every control named and no
# two alike in a window, the listing's rows after keying, the pen buttons'
# state after each press, and an event a screen reader speaks for every
# message, a repeated one too. Keys are typed with xdotool into the window
# under the pointer. Prints PASS/FAIL lines; the exit status is the number
# of failures.
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


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(window, role, name):
    for node in walk(window):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


CONTROL_ROLES = {"push button", "check box", "toggle button", "text", "slider", "list",
                 "radio button"}

# Everything the program tells the bus, as (kind, role, name, detail).
heard = []


def listen(event):
    try:
        source = event.source
        heard.append((event.type, source.getRoleName(), source.name, event.detail1))
    except Exception:  # a source gone before it could be read
        heard.append((event.type, "", "", event.detail1))


def spoken():
    # A notification that shows is what a screen reader speaks.
    return [name for kind, role, name, shown in heard
            if kind == "object:state-changed:showing" and role == "notification" and shown]


def pump(seconds):
    """Lets the bus's events arrive for that long."""
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)


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
    for kind in ("object:state-changed:showing", "object:children-changed",
                 "object:property-change:accessible-name", "object:state-changed:checked"):
        pyatspi.Registry.registerEventListener(listen, kind)
    # The program learns over the bus that someone listens: until it does,
    # it tells nothing. A refused key is told once it has learnt.
    for _ in range(20):
        keys("7")
        if until(lambda: bool(spoken()), 1):
            break
    del heard[:]

    windows = {window.name: window for window in app if window is not None}
    titles = ["JEX keypad", "JEX tools", "JEX: listing", "JEX drawing"]
    check("the four windows are frames with their titles",
          all(title in windows and windows[title].getRoleName() == "frame" for title in titles),
          str([(w.getRoleName(), n) for n, w in windows.items()]))

    for title, window in windows.items():
        names = [node.name for node in walk(window)
                 if node.getRoleName() in CONTROL_ROLES and showing(node)]
        unnamed = [name for name in names if not name.strip()]
        twice = sorted({name for name in names if names.count(name) > 1})
        check(f"{title}: all {len(names)} controls named, no two alike",
              len(names) >= 2 and not unnamed and not twice, f"twice: {twice}")

    # Every message spoken, the same one twice running too.
    keys("7", "7")
    until(lambda: len(spoken()) >= 2, 5)
    check("a message said twice is spoken twice",
          spoken() == ["expecting a command!"] * 2, str(spoken()))

    # The listing's rows read as they show, and told as they come.
    listing = find(windows["JEX: listing"], "list", "listing")
    del heard[:]
    keys("Up", "5", "Right", "9", "0")
    rows = lambda: [row.name for row in listing] if listing else []
    until(lambda: rows() == ["forward 5", "right 90"], 5)
    check("the listing's rows after keying", rows() == ["forward 5", "right 90"], str(rows()))
    check("new rows are told", any(kind.startswith("object:children-changed:add") and
                                   role == "list" for kind, role, _, _ in heard))
    check("the rows are list items",
          listing is not None and all(row.getRoleName() == "list item" for row in listing))

    # A run's two messages, twice.
    for attempt in ("a run", "the same run again"):
        del heard[:]
        keys("g")
        until(lambda: len(spoken()) >= 2, 30)
        check(f"{attempt}: its messages spoken",
              len(spoken()) == 2 and spoken()[-1] == "finished!", str(spoken()))
        # The success sound follows the message after a wait; a key pressed
        # before it would stop the run instead of starting one.
        pump(3)

    # The pen's state after each press of each pen button.
    tools = windows["JEX tools"]
    on, off = find(tools, "check box", "pen on"), find(tools, "check box", "pen off")
    check("the pen buttons are check boxes", on is not None and off is not None)
    if on is not None and off is not None:
        for pressed, down in ((on, True), (on, True), (off, False), (off, False), (on, True)):
            pressed.queryAction().doAction(0)
            checked = lambda: (on.getState().contains(pyatspi.STATE_CHECKED),
                               off.getState().contains(pyatspi.STATE_CHECKED))
            until(lambda: checked() == (down, not down), 3)
            check(f"after {pressed.name}: pen on {'checked' if down else 'not checked'}, "
                  f"pen off {'not checked' if down else 'checked'}", checked() == (down, not down),
                  str(checked()))

    # The exit window, named by its message.
    exitbutton = find(windows["JEX: listing"], "push button", "exit")
    exitbutton.queryAction().doAction(0)
    message = "You haven't saved your program!"
    found = lambda: [w for w in app if w is not None and w.name == message and showing(w)]
    until(lambda: bool(found()), 5)
    check("the exit window is a frame named by its message",
          bool(found()) and found()[0].getRoleName() == "frame")
    if found():
        cancel = find(found()[0], "push button", "cancel")
        check("the exit window's cancel button has the focus",
              until(lambda: cancel is not None and cancel.getState().contains(pyatspi.STATE_FOCUSED), 3))
        cancel.queryAction().doAction(0)


if __name__ == "__main__":
    main()
    sys.exit(min(failures, 100))
