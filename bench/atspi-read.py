#!/usr/bin/python3
"""Reads every screen of the program through AT-SPI, as a screen reader does.

Run it through bench/atspi-read.sh, which gives it an X server, a session bus
and the accessibility bus. For each screen the program can open (`--open ID`,
the ids from `--help`) it starts the program, waits for the screen's window on
the accessibility bus, walks its tree and prints what a screen reader finds:
its buttons with their names, its pictures with their descriptions, its
labelling targets with what they point to. On a quiz screen it also answers
as a pupil without the board would: Tab to the first choice and Space, the
digit 2, and a screen reader's "Press" on a choice, each on a fresh question,
and waits each time for the feedback line to be announced.

It exits 1 when a quiz choice is not a push button named by its text, cannot be
reached with Tab, a picture lacks a description (or a name of a few words that
says what it shows), a target on a picture does not say what it points to, or
the feedback is not announced; 2 when the program could not be
read at all.
"""

import argparse
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# Every quiz and its choices, in their order on the screen: texts, or patterns
# where the program makes the choices afresh for each question.
QUIZ_CHOICES = {
    "heattransfer": ["True", "False"],
    "resources": ["True", "False"],
    "bigbang": ["True", "False"],
    "gravitation": ["True", "False", "Level 1", "Level 2"],
    "radiationtypes": ["Alpha", "Beta", "Gamma"],
    "emradiation": ["Radio waves", "Microwaves", "Infrared", "Visible light", "Ultraviolet", "X-rays", "Gamma rays"],
    "telescopes": ["Land-based advantage", "Space-based advantage", "Land-based disadvantage",
                   "Space-based disadvantage"],
    "energytransfer": [re.compile(r"^\d+ J$")] * 4,
}
# The commands along the foot of a screen: buttons, but no quiz choices.
COMMANDS = {"Exit", "Start Again", "Answer", "Next", "Check Score", "Jotter", "Edit Statements", "Edit statements"}
TALLY = re.compile(r"\d+ of \d+ \u00b7 right first time")
TARGET = re.compile(r"^target (\d+) of \d+")
FEEDBACK = re.compile(r"^(Correct|Not quite|The answer is)")
XK_TAB, XK_SPACE = 0xFF09, 0x0020  # X keysyms
DIAGRAM = re.compile(r"^Sankey diagram, .+: input (\d+ J|\?) .*useful (\d+ J|\?) .*wasted (\d+ J|\?)")


def pump(seconds):
    """Lets AT-SPI deliver its events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def states_of(node):
    try:
        return node.getState()
    except Exception:
        return None


def walk(node, depth=0):
    """Every showing node under `node`, with its depth."""
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        states = states_of(child)
        if states is None or not states.contains(pyatspi.STATE_SHOWING):
            continue
        yield child, depth
        yield from walk(child, depth + 1)


def find_app(pid, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        pump(0.1)
    return None


def front_window(app, timeout):
    """The window asked for: the active one, else the last one shown."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
        showing = [w for w in windows if w is not None and states_of(w) and states_of(w).contains(pyatspi.STATE_SHOWING)]
        for w in showing:
            if states_of(w).contains(pyatspi.STATE_ACTIVE):
                return w
        if showing and time.monotonic() > end - timeout / 2:
            return showing[-1]
        pump(0.1)
    return None


def matches(expected, name):
    return expected.match(name) is not None if isinstance(expected, re.Pattern) else expected == name


def describe(expected):
    return expected.pattern if isinstance(expected, re.Pattern) else expected


class Reader:
    def __init__(self, program, verbose, keys):
        self.program = program
        self.verbose = verbose
        self.keys = keys
        self.failures = []
        self.announced = []
        pyatspi.Registry.registerEventListener(self.heard, "object:property-change:accessible-name")

    def heard(self, event):
        try:
            name = event.source.name
        except Exception:
            return
        if name and FEEDBACK.match(name):
            self.announced.append(name)

    def fail(self, screen, what):
        self.failures.append(f"{screen}: {what}")
        print(f"  FAIL {what}")

    def read(self, screen):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        proc = subprocess.Popen([self.program, "--open", screen], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        try:
            app = find_app(proc.pid, 15)
            window = front_window(app, 6) if app else None
            if window is None:
                self.fail(screen, "no window on the accessibility bus")
                return
            pump(0.3)  # let the first question be dealt
            self.check(screen, window)
        finally:
            proc.terminate()
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()

    def check(self, screen, window):
        nodes = list(walk(window))
        roles = [(n, n.getRoleName(), n.name or "", n.description or "") for n, _ in nodes]
        buttons = [name for _, role, name, _ in roles if role == "push button"]
        pictures = [(name, desc) for _, role, name, desc in roles if role == "image"]
        targets = [(name, desc) for _, role, name, desc in roles if TARGET.match(name)]
        print(f"{screen} ({window.name}): {len(buttons)} buttons, {len(pictures)} pictures, {len(targets)} targets")
        if self.verbose:
            for n, depth in nodes:
                desc = f" -- {n.description}" if n.description else ""
                print(f"    {'  ' * depth}{n.getRoleName()} '{n.name}'{desc}")
        print(f"  buttons: {', '.join(repr(b) for b in buttons)}")
        for name, desc in pictures:
            # What it shows, in its description or at least in a name of some words.
            said = desc.strip() or (name.strip() if len(name.split()) >= 3 else "")
            if not said:
                self.fail(screen, f"picture '{name}' has no description")
            else:
                print(f"  picture: {said}")
        # Targets on a picture point to its parts; elsewhere (under a symbol) they need not say so.
        for name, desc in targets if pictures else []:
            number = TARGET.match(name).group(1)
            if not desc.startswith(f"Target {number}: points to "):
                self.fail(screen, f"{name} does not say what it points to")
            elif self.verbose:
                print(f"  {desc}")
        if targets:
            print(f"  targets say what they point to: {len(targets)}")

        is_quiz = screen in QUIZ_CHOICES or any(TALLY.search(name) for _, _, name, _ in roles)
        if not is_quiz:
            return
        expected = QUIZ_CHOICES.get(screen)
        if expected is None:
            if not [b for b in buttons if b not in COMMANDS]:
                self.fail(screen, "a quiz whose choices are no buttons")
            return
        choices = []
        for want in expected:
            found = [n for n, role, name, _ in roles if role == "push button" and matches(want, name) and n not in choices]
            if not found:
                others = [f"{role} '{name}'" for _, role, name, _ in roles if matches(want, name)]
                self.fail(screen, f"choice '{describe(want)}' is no push button named by its text"
                          + (f" (found {', '.join(others)})" if others else ""))
                continue
            node = found[0]
            choices.append(node)
            if not states_of(node).contains(pyatspi.STATE_FOCUSABLE):
                self.fail(screen, f"choice '{node.name}' cannot be reached with Tab")
        print(f"  choices (push buttons, Tab): {', '.join(repr(c.name) for c in choices)}")
        if screen == "energytransfer":
            described = [desc for _, _, _, desc in roles if DIAGRAM.match(desc)]
            if not described:
                self.fail(screen, "the diagram does not say what it shows")
        if len(choices) >= 2:
            self.press(screen, choices, roles)

    def expect_announced(self, screen, how):
        pump(1.0)
        if not self.announced:
            self.fail(screen, f"{how}: no feedback announced")
            return False
        print(f"  {how}: announced \"{self.announced[-1]}\"")
        self.announced.clear()
        return True

    def do(self, node, action_name):
        action = node.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if action_name not in names:
            return False
        action.doAction(names.index(action_name))
        return True

    def press(self, screen, choices, nodes):
        """Tab to the first choice and Space, the digit 2, then a screen reader's "Press"
        on the first choice, each on a fresh question: each must announce the feedback."""
        following = [n for n, role, name, _ in nodes if role == "push button" and name == "Next"]
        self.announced.clear()
        if self.keys:
            pyatspi.Registry.generateKeyboardEvent(XK_TAB, None, pyatspi.KEY_SYM)
            pump(0.5)
            if not states_of(choices[0]).contains(pyatspi.STATE_FOCUSED):
                focused = [f"{role} '{name}'" for n, role, name, _ in nodes if states_of(n).contains(pyatspi.STATE_FOCUSED)]
                self.fail(screen, f"Tab did not bring the focus to '{choices[0].name}' (focus: {', '.join(focused) or 'none'})")
            else:
                print(f"  Tab: focus on '{choices[0].name}'")
                pyatspi.Registry.generateKeyboardEvent(XK_SPACE, None, pyatspi.KEY_SYM)
                self.expect_announced(screen, f"Space on '{choices[0].name}'")
            for next_one in following:
                self.do(next_one, "Press")
            pump(0.3)
            self.announced.clear()
            pyatspi.Registry.generateKeyboardEvent(0, "2", pyatspi.KEY_STRING)
            self.expect_announced(screen, f"key 2 ('{choices[1].name}')")
            for next_one in following:
                self.do(next_one, "Press")
            pump(0.3)
            self.announced.clear()
        try:
            if not self.do(choices[0], "Press"):
                self.fail(screen, f"choice '{choices[0].name}' has no Press action")
                return
        except NotImplementedError:
            self.fail(screen, f"choice '{choices[0].name}' has no actions")
            return
        self.expect_announced(screen, f"Press on '{choices[0].name}'")


def screens_of(program):
    out = subprocess.run([program, "--help"], capture_output=True, text=True, check=True).stdout
    line = next(l for l in out.splitlines() if l.startswith("Screens: "))
    return [s.strip() for s in line[len("Screens: "):].split(",")]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program", help="the program, e.g. build/tavrenel")
    parser.add_argument("screens", nargs="*", help="screen ids (default: every one --help lists)")
    parser.add_argument("-v", "--verbose", action="store_true", help="print every node")
    parser.add_argument("--no-keys", dest="keys", action="store_false",
                        help="press choices only through AT-SPI, sending no keys")
    args = parser.parse_args()
    screens = args.screens or screens_of(args.program)
    reader = Reader(args.program, args.verbose, args.keys)
    for n, screen in enumerate(screens):
        reader.read(screen)
        # Nothing at all on the bus from the first screen: the bus, not the program, is at fault.
        if n == 0 and reader.failures and all("no window on the accessibility bus" in f for f in reader.failures):
            print("atspi-read: no window reached the accessibility bus; AT-SPI is not working here", file=sys.stderr)
            sys.exit(2)
    print()
    print(f"{len(screens)} screens read, {len(reader.failures)} problems")
    for f in reader.failures:
        print(f"  {f}")
    sys.exit(1 if reader.failures else 0)


if __name__ == "__main__":
    main()
