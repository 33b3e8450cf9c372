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

On every screen it then presses Tab round the whole screen and checks that
each command (push button, option, check box) the screen shows can be
reached; where a screen can be made to show a notice (a save refused, a
choice missing) it presses that command and waits for the notice to be
announced as an alert with its whole text; where it can ask a question (My
Activities' delete, the statement editor's restore) it asks, checks that the
question is announced, that its answers are named buttons holding the
keyboard and that Tab goes round them, then answers that nothing be done; and
it opens the statement editor from a quiz and reads it too.

With `--activities FOLDER` (and `--school FOLDER`) it first writes a teacher's
own labelling activity and quiz (and a school's quiz) there, so that My
Activities is read with rows: each must say its title, its kind and where it
comes from, and Tab must reach each.

It exits 1 when a quiz choice is not a push button named by its text, cannot be
reached with Tab, a picture lacks a description (or a name of a few words that
says what it shows), a target on a picture does not say what it points to, the
feedback is not announced, a control has no name, a command cannot be reached
with Tab, a notice or a question is not announced, a question's answer is no
button or cannot be reached with Tab, or a row of My Activities does not say
its kind and origin; 2 when the program could not be read at all.
"""

import argparse
import base64
import json
import os
import re
import struct
import zlib
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
# Controls a screen reader must be able to name.
NAMED_ROLES = {"push button", "radio button", "check box", "text", "entry", "list", "combo box", "list item", "alert",
               "password text", "spin button", "link"}
# What Tab must reach: every command the screen shows and lets be used. The
# Jotter's button is the teacher's, kept out of the pupils' Tab order.
TAB_ROLES = {"push button", "radio button", "check box"}
NOT_TABBED = {"Jotter"}
# Screens whose other controls Tab must reach too: the list's rows.
TAB_ALSO = {"myactivities": {"list item"}}
MOST_TABS = 60
# Screens that can be made to show a notice: the command pressed and the start of the notice.
NOTICES = {
    "labeleditor": ("Save", re.compile(r"^Not saved yet: ")),
    "myactivities": ("Play", re.compile(r"^Choose an activity first\.$")),
    "statementeditor": ("Save", re.compile(r"^Saved\. Pupils now see these statements\.$")),
}
# Screens reached from another by a command: (from, command pressed, read as).
REACHED = [("heattransfer", "Edit statements", "statementeditor", re.compile(r"^Edit statements"))]
# A question asked on a screen: the command that asks and the answers it must offer as buttons;
# where the question is about a row, the row is chosen first.
QUESTIONS = {"statementeditor": ("Restore our set", ["Restore our set", "Keep mine"]),
             "myactivities": ("Delete", ["Delete", "Keep it"])}
CHOOSE_ROW_FIRST = {"myactivities"}
# A row of My Activities says its title, its kind and where it comes from.
ROW = re.compile(r"^.+, (labelling activity|true/false quiz|equation set), (Yours|School|Shared)(, chosen: Enter plays it)?$")
CHOSEN = ", chosen: Enter plays it"
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


def png(width, height, rgb):
    """A plain picture of one colour, as a PNG file's bytes."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    rows = b"".join(b"\x00" + bytes(rgb) * width for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def write_json(folder, name, content):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
        json.dump(content, f)


def quiz(title):
    return {"format": 1, "kind": "statements", "title": title, "choices": ["True", "False"],
            "statements": [{"text": "Friction acts against motion.", "answer": "True"},
                           {"text": "Weight is measured in kilograms.", "answer": "False"}]}


def seed(activities, school):
    """The teacher's own labelling activity and quiz, and a school's quiz: the rows read."""
    picture = base64.b64encode(png(300, 200, (0, 100, 0))).decode("ascii")
    write_json(activities, "motor.tavlabel", {
        "format": 1, "kind": "labelling", "title": "Simple motor", "instruction": "Label the motor.",
        "picture": {"type": "png", "data": picture},
        "labels": [{"answer": "coil", "target": [10, 150, 120, 30], "part": [60, 50]},
                   {"answer": "magnet", "target": [160, 150, 120, 30], "part": [200, 60]}]})
    write_json(activities, "forces.tavquiz", quiz("Forces and motion"))
    rows = 2
    if school:
        write_json(school, "energy.tavquiz", quiz("Energy stores"))
        rows += 1
    return rows


class Reader:
    def __init__(self, program, verbose, keys, rows=0):
        self.program = program
        self.verbose = verbose
        self.keys = keys
        self.rows = rows  # the rows My Activities must list
        self.failures = []
        self.announced = []
        self.alerts = []
        self.focused = []
        pyatspi.Registry.registerEventListener(self.heard, "object:property-change:accessible-name")
        pyatspi.Registry.registerEventListener(self.alerted, "object:state-changed:showing")
        pyatspi.Registry.registerEventListener(self.focus, "object:state-changed:focused")

    def heard(self, event):
        try:
            name = event.source.name
            role = event.source.getRoleName()
        except Exception:
            return
        if name and FEEDBACK.match(name):
            self.announced.append(name)
        if role == "alert" and name:
            self.alerts.append(name)

    def alerted(self, event):
        if not event.detail1:
            return
        try:
            if event.source.getRoleName() == "alert" and event.source.name:
                self.alerts.append(event.source.name)
        except Exception:
            pass

    def focus(self, event):
        if not event.detail1:
            return
        try:
            self.focused.append((event.source.getRoleName(), event.source.name or ""))
        except Exception:
            pass

    def fail(self, screen, what):
        self.failures.append(f"{screen}: {what}")
        print(f"  FAIL {what}")

    def read(self, screen, via=None):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        proc = subprocess.Popen([self.program, "--open", via[0] if via else screen], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        try:
            app = find_app(proc.pid, 15)
            window = front_window(app, 6) if app else None
            if window is None:
                self.fail(screen, "no window on the accessibility bus")
                return
            pump(0.3)  # let the first question be dealt
            if via:
                window = self.reach(screen, app, window, via[1], via[2])
                if window is None:
                    return
            self.check(screen, window)
            if self.keys:
                self.tab_round(screen, window)
            self.notice(screen, window)
            self.question(screen, window)
        finally:
            proc.terminate()
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()

    def reach(self, screen, app, window, command, title):
        """Presses `command` on `window`; the window it opens, or None."""
        found = [n for n, _ in walk(window) if n.getRoleName() == "push button" and n.name == command]
        if not found or not self.do(found[0], "Press"):
            self.fail(screen, f"no command '{command}' to reach it by")
            return None
        end = time.monotonic() + 6
        while time.monotonic() < end:
            pump(0.2)
            for i in range(app.childCount):
                w = app.getChildAtIndex(i)
                states = states_of(w) if w is not None else None
                if states and states.contains(pyatspi.STATE_SHOWING) and title.match(w.name or ""):
                    pump(0.3)
                    return w
        self.fail(screen, f"'{command}' opened no window")
        return None

    def commands_of(self, screen, window):
        roles = TAB_ROLES | TAB_ALSO.get(screen, set())
        return [(n, n.getRoleName(), n.name or "") for n, _ in walk(window)
                if n.getRoleName() in roles and (n.name or "") not in NOT_TABBED
                and states_of(n).contains(pyatspi.STATE_SENSITIVE)]

    def tab_round(self, screen, window):
        """Tab round the screen: every command it shows must take the keyboard on the way."""
        wanted = self.commands_of(screen, window)
        self.focused.clear()
        # What has the keyboard already is reached without a Tab.
        reached = {(role, name) for n, role, name in wanted if states_of(n).contains(pyatspi.STATE_FOCUSED)}
        for _ in range(min(MOST_TABS, 2 * len(wanted) + 12)):
            pyatspi.Registry.generateKeyboardEvent(XK_TAB, None, pyatspi.KEY_SYM)
            pump(0.06)
            reached.update(self.focused)
            self.focused.clear()
            if all((role, name) in reached for _, role, name in wanted):
                break
        missed = [f"{role} '{name}'" for _, role, name in wanted if (role, name) not in reached]
        for m in missed:
            self.fail(screen, f"Tab does not reach {m}")
        if not missed:
            print(f"  Tab reaches every command: {len(wanted)}")

    def notice(self, screen, window):
        """Presses the command that brings up a notice: it must be announced as an alert, whole."""
        if screen not in NOTICES:
            return
        command, expected = NOTICES[screen]
        found = [n for n, _ in walk(window) if n.getRoleName() == "push button" and n.name == command]
        self.alerts.clear()
        if not found or not self.do(found[0], "Press"):
            self.fail(screen, f"no command '{command}' to bring up a notice")
            return
        pump(1.0)
        heard = [a for a in self.alerts if expected.match(a)]
        shown = [n.name for n, _ in walk(window) if n.getRoleName() == "alert" and n.name]
        if not heard:
            self.fail(screen, f"'{command}': no notice announced (heard {self.alerts or 'nothing'})")
        elif heard[-1] not in shown:
            self.fail(screen, f"'{command}': the notice announced is not the whole text shown ({shown})")
        else:
            print(f"  notice announced: \"{heard[-1]}\"")

    def focused_answer(self, window):
        """The name of the question's answer that has the keyboard; else what has it, in brackets.
        (A list's current item reads as focused too, even while its list has not the keyboard.)"""
        focused = [n for n, _ in walk(window) if states_of(n).contains(pyatspi.STATE_FOCUSED)]
        for n in focused:
            parent = n.parent
            if n.getRoleName() == "push button" and parent is not None and parent.getRoleName() == "alert":
                return n.name
        return ", ".join(f"({n.getRoleName()} '{n.name}')" for n in focused) or None

    def choose_row(self, screen, window):
        """Chooses the first row as a keyboard user does: to it, then Space. The row then says it is chosen."""
        rows = [n for n, _ in walk(window) if n.getRoleName() == "list item"]
        if not rows or not self.do(rows[0], "SetFocus"):
            self.fail(screen, "no row to choose")
            return False
        pump(0.2)
        pyatspi.Registry.generateKeyboardEvent(XK_SPACE, None, pyatspi.KEY_SYM)
        pump(0.5)
        if not (rows[0].name or "").endswith(CHOSEN):
            self.fail(screen, f"the row chosen does not say so ('{rows[0].name}')")
            return False
        print(f"  row chosen: \"{rows[0].name}\"")
        return True

    def question(self, screen, window):
        """Presses the command that asks: the question is announced, its answers are buttons with the keyboard,
        and Tab goes round them; then the last answer (nothing done) is pressed."""
        if screen not in QUESTIONS:
            return
        command, answers = QUESTIONS[screen]
        if screen in CHOOSE_ROW_FIRST and (not self.keys or not self.choose_row(screen, window)):
            return
        found = [n for n, _ in walk(window) if n.getRoleName() == "push button" and n.name == command]
        self.alerts.clear()
        if not found or not self.do(found[0], "Press"):
            self.fail(screen, f"no command '{command}' to ask")
            return
        pump(1.0)
        if not self.alerts:
            self.fail(screen, f"'{command}': the question is not announced")
        nodes = [(n, n.getRoleName(), n.name or "") for n, _ in walk(window)]
        for answer in answers:
            roles = [role for _, role, name in nodes if name == answer and role != "alert"]
            if "push button" not in roles:
                self.fail(screen, f"answer '{answer}' is no push button (found {roles or 'nothing'})")
        focused = [name for n, _, name in nodes if states_of(n).contains(pyatspi.STATE_FOCUSED)]
        if answers[0] not in focused:
            self.fail(screen, f"the question's first answer does not have the keyboard (focus: {focused or 'none'})")
        else:
            print(f"  question announced, answers are buttons: {', '.join(answers)}")
        if self.keys:
            # Round the answers and back to the first, never to what lies behind.
            went = []
            for _ in answers:
                pyatspi.Registry.generateKeyboardEvent(XK_TAB, None, pyatspi.KEY_SYM)
                pump(0.2)
                went.append(self.focused_answer(window))
            if went != answers[1:] + answers[:1]:
                self.fail(screen, f"Tab does not go round the question's answers (went to {went})")
            else:
                print(f"  Tab goes round the answers: {' -> '.join(went)}")
        last = [n for n, role, name in nodes if role == "push button" and name == answers[-1]]
        if last:
            self.do(last[0], "Press")
            pump(0.3)
            if [n for n, _ in walk(window) if n.getRoleName() == "push button" and n.name == answers[-1]]:
                self.fail(screen, f"'{answers[-1]}' did not answer the question")

    def rows_of(self, screen, roles):
        """My Activities' rows: each says its kind and where it comes from."""
        if screen != "myactivities" or not self.rows:
            return
        rows = [name for _, role, name, _ in roles if role == "list item"]
        if len(rows) != self.rows:
            self.fail(screen, f"{len(rows)} rows listed, not {self.rows} ({rows})")
        for name in rows:
            if not ROW.match(name):
                self.fail(screen, f"row '{name}' does not say its kind and where it comes from")
        print(f"  rows: {'; '.join(rows)}")

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
        unnamed = sorted({role for _, role, name, _ in roles if role in NAMED_ROLES and not name.strip()})
        for role in unnamed:
            self.fail(screen, f"a {role} has no name")
        self.rows_of(screen, roles)

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
    parser.add_argument("--activities", metavar="FOLDER",
                        help="the teacher's activities folder the program reads, to write activities into first")
    parser.add_argument("--school", metavar="FOLDER", help="a school's activities folder the program reads, likewise")
    args = parser.parse_args()
    screens = args.screens or screens_of(args.program)
    rows = seed(args.activities, args.school) if args.activities else 0
    reader = Reader(args.program, args.verbose, args.keys, rows)
    reached = [r for r in REACHED if not args.screens or r[2] in args.screens]
    screens = [s for s in screens if s not in {r[2] for r in REACHED}]
    for n, screen in enumerate(screens):
        reader.read(screen)
        # Nothing at all on the bus from the first screen: the bus, not the program, is at fault.
        if n == 0 and reader.failures and all("no window on the accessibility bus" in f for f in reader.failures):
            print("atspi-read: no window reached the accessibility bus; AT-SPI is not working here", file=sys.stderr)
            sys.exit(2)
    for start, command, screen, title in reached:
        reader.read(screen, (start, command, title))
    print()
    print(f"{len(screens) + len(reached)} screens read, {len(reader.failures)} problems")
    for f in reader.failures:
        print(f"  {f}")
    sys.exit(1 if reader.failures else 0)


if __name__ == "__main__":
    main()
