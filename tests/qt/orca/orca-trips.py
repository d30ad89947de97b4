#!/usr/bin/python3
"""Uses the panel from the keyboard while Orca runs, and checks what Orca
itself spoke, read from its debug log: Tab to "Call floor 3" and Space, with
the focus left there; Tab on to "Call lift to floor 0", Space, and Tab away
at once; back to it and Space where the cabin stands; then Tab to the code
box; then Space on "Call floor 3" and on "Call floor 2" during that travel.
Every travel message must be spoken once, in order, and the code box read
whole. Usage: orca-trips.py ORCA-LOG"""

import re
import subprocess
import sys
import time

LIMIT_S = 30  # generous: every wait ends as soon as Orca has spoken
SPOKEN = re.compile(r"(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '([^']*)'")
MESSAGE = re.compile(r"^(Going|Passing|Arrived|Already) ")


def utterances(log):
    """What Orca spoke so far, as (seconds of the day, words), key echoes left out."""
    with open(log, errors="replace") as f:
        text = f.read()
    spoken = []
    for h, m, s, words in SPOKEN.findall(text):
        words = words.strip().rstrip(".")
        if words in ("tab", "space", "left shift", "shift"):
            continue
        spoken.append((int(h) * 3600 + int(m) * 60 + float(s), words))
    return spoken


class Listener:
    def __init__(self, log):
        self.log = log
        self.failures = []

    def spoken(self):
        return utterances(self.log)

    def wait_for(self, test, what, limit=LIMIT_S):
        deadline = time.monotonic() + limit
        while time.monotonic() < deadline:
            found = test(self.spoken())
            if found:
                return found
            time.sleep(0.1)
        sys.exit(f"FAIL {what}: not heard within {limit} s; Orca spoke:\n"
                 + "\n".join(f"  {w}" for _, w in self.spoken()[-20:]))

    def check(self, ok, what):
        print(("pass " if ok else "FAIL ") + what)
        if not ok:
            self.failures.append(what)

    def key(self, name):
        subprocess.run(["xdotool", "key", name], check=True)

    def focus(self, name, key="Tab"):
        """Moves the focus with KEY until Orca names NAME as focused."""
        for _ in range(16):
            count = len(self.spoken())
            self.key(key)
            # Travel messages may come meanwhile; the focus brings something else.
            self.wait_for(lambda s: any(not MESSAGE.match(w) for _, w in s[count:]),
                          f"the focus after {key}")
            time.sleep(0.5)  # the rest of what the focus brings: role, text
            if any(w.startswith(name + " ") for _, w in self.spoken()[count:]):
                return
        sys.exit(f"FAIL the focus never reached {name!r}; Orca spoke:\n"
                 + "\n".join(f"  {w}" for _, w in self.spoken()[-20:]))

    def trip(self, press, expected, then=None):
        """Presses Space where the focus is and waits for the last of EXPECTED."""
        start = len(self.spoken())
        pressed_at = time.time() % 86400
        self.key("space")
        if then:
            then()
        self.wait_for(lambda s: any(w == expected[-1] for _, w in s[start:]), expected[-1])
        time.sleep(1.5)  # anything said twice or after the arrival comes within this
        heard = [(t, w) for t, w in self.spoken()[start:] if MESSAGE.match(w)]
        print(f"{press}:")
        for t, w in heard:
            print(f"  {t - pressed_at:+7.2f} s  {w}")
        self.check([w for _, w in heard] == expected,
                   f"{press}: Orca spoke {expected}, each once and in order")


def main():
    listener = Listener(sys.argv[1])
    # The window named, then the button that has the focus as it opens.
    listener.wait_for(lambda s: any(w.startswith("Call ") for _, w in s),
                      "the window and its focused button", limit=60)

    listener.focus("Call floor 3")
    listener.trip("Call floor 3, the focus staying there",
                  ["Going up to floor 3", "Passing floor 1", "Passing floor 2",
                   "Arrived at floor 3"])

    listener.focus("Call lift to floor 0")
    listener.trip("Call lift to floor 0, the focus moved on at once",
                  ["Going down to the ground floor", "Passing floor 2", "Passing floor 1",
                   "Arrived at the ground floor"],
                  then=lambda: listener.key("Tab"))
    listener.focus("Call lift to floor 0", key="shift+Tab")
    listener.trip("Call lift to floor 0 again, where the cabin stands",
                  ["Already at the ground floor"])

    start = len(listener.spoken())
    listener.focus("Pushed button - port 155")
    said = [w for _, w in listener.spoken()[start:]]
    at = max(i for i, w in enumerate(said) if w.startswith("Pushed button - port 155 "))
    print(f"the code box: {said[at:]}")
    listener.check(any(w.startswith("0 0 000001") for w in said[at:]),
                   "the code box is read whole, every digit")

    # A call during a travel is served a tick after the arrival: two messages
    # within a few hundredths of a second, each to be heard in its own words.
    listener.focus("Call floor 3")

    def call_floor_2_meanwhile():
        listener.focus("Call floor 2", key="shift+Tab")
        listener.key("space")

    listener.trip("Call floor 3, then Call floor 2 during the travel",
                  ["Going up to floor 3", "Passing floor 1", "Passing floor 2",
                   "Arrived at floor 3", "Going down to floor 2", "Arrived at floor 2"],
                  then=call_floor_2_meanwhile)
    return 1 if listener.failures else 0


if __name__ == "__main__":
    sys.exit(main())
