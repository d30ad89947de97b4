#!/usr/bin/python3
"""Reads the panel as a screen reader would, through AT-SPI: prints the tree,
checks the names and roles, presses "Call floor 3" through its action and
waits for the departure message, the arrival at floor 3 and the cabin saying
floor 3, in that order. Exits 0 when all was seen."""

import sys
import time

import pyatspi
from gi.repository import GLib

LIMIT_S = 60  # generous: waits are on events, never on the machine's speed


def find_app(name):
    deadline = time.monotonic() + LIMIT_S
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                for window in app:
                    if window is not None and window.childCount > 0:
                        return window
        time.sleep(0.2)
    sys.exit(f"FAIL no accessible application {name!r}")


def tree(frame):
    rows = [(frame.getRoleName(), frame.name)]
    for child in frame:
        rows.append((child.getRoleName(), child.name))
    return rows


failures = []


def check(ok, what):
    print(("pass " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def main():
    frame = find_app(sys.argv[1])
    rows = tree(frame)
    for role, name in rows:
        print(f"  {role}: {name}")
    by_name = {name: role for role, name in rows}

    check(rows[0] == ("frame", "Pelmo Lift"), "the window is a frame named by its caption")
    # By the role itself, not its name: at-spi2-core 2.46 (Debian 12) names
    # ROLE_PUSH_BUTTON "push button", later ones (Debian 13) "button".
    buttons = [c.name for c in frame if c.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    check(len(buttons) == 12 and "Call floor 3" in buttons and "Call lift to floor 0" in buttons,
          "twelve call buttons, named")
    check(by_name.get("Pushed button - port 155") in ("text", "entry"),
          "Text1 named by its label")
    check(by_name.get("Cabin at the ground floor") == "status bar",
          "the cabin says where it is")
    check(by_name.get("Floor display: 0") == "image", "the digit says its floor")
    check(by_name.get("Floor 3 lamp, blue on grey: no call yet") == "image", "a lamp says its state")
    labels = [n for r, n in rows if r == "label"]
    check(labels[:2] == ["Fifth Floor", "Fourth Floor"] and labels[6].startswith("Lights")
          and labels[-1] == "Digital Numbers port 161",
          "the legends as static text, in reading order")

    heard = []

    def on_event(event):
        source = event.source
        if event.type.startswith("object:announcement"):
            text = str(event.any_data)
        elif event.type.startswith("object:state-changed:showing"):
            # A Qt older than 6.8 shows a new notification in the cabin.
            if not event.detail1 or source.getRole() != pyatspi.ROLE_NOTIFICATION:
                return
            text = source.name
        elif event.type.endswith("accessible-name") and source.getRoleName() == "status bar":
            text = "name: " + source.name
        else:
            return
        if text:
            heard.append((time.monotonic(), text))

    for kind in ("object:announcement", "object:state-changed:showing",
                 "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(on_event, kind)

    button = next(c for c in frame if c.name == "Call floor 3")
    action = button.queryAction()
    check(action.getName(0) in ("Press", "press", "click"), "the button has a press action")

    started = []

    def press():
        started.append(time.monotonic())
        action.doAction(0)
        return False

    def poll():
        texts = [t for _, t in heard]
        if "Arrived at floor 3" in texts or time.monotonic() - started[0] > LIMIT_S:
            pyatspi.Registry.stop()
            return False
        return True

    GLib.idle_add(press)
    GLib.timeout_add(100, poll)
    pyatspi.Registry.start()

    print("messages of the travel:")
    for at, text in heard:
        print(f"  {at - started[0]:7.3f} s  {text}")
    said = [t for _, t in heard if not t.startswith("name: ")]
    check(said == ["Going up to floor 3", "Passing floor 1", "Passing floor 2",
                   "Arrived at floor 3"],
          "the departure, each floor passed and the arrival, each told once, in order")
    cabin = next(c for c in frame if c.getRoleName() == "status bar")
    check(cabin.name == "Cabin at floor 3", "afterwards the cabin says floor 3")
    names = [t for _, t in heard if t.startswith("name: ")]
    check(names[-1:] == ["name: Cabin at floor 3"], "the cabin's change of name was told")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
