#!/usr/bin/python3
"""An AT-SPI client that listens to every event a screen reader follows, as
long as it runs: the load the panel carries while a screen reader is there.
Prints "listening" once the application named in argv[1] is in the tree,
then the number of events heard when it is ended (SIGTERM)."""

import signal
import sys
import time

import pyatspi
from gi.repository import GLib

heard = 0


def on_event(_event):
    global heard
    heard += 1


def wait_for_app(name):
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return True
        time.sleep(0.1)
    return False


if not wait_for_app(sys.argv[1]):
    sys.exit(f"no accessible application {sys.argv[1]!r}")
pyatspi.Registry.registerEventListener(on_event, "object", "focus", "window")
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, pyatspi.Registry.stop)
print("listening", flush=True)
pyatspi.Registry.start()
print("heard", heard, flush=True)
