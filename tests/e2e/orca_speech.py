"""Plays the game by keyboard alone and checks what Orca says for each key, from its debug log.

Every key must be answered, an arrow by the one square under the frame and nothing else, and no
answer may carry a noise word. The waits end when Orca has spoken and then kept quiet a moment, or
after ten seconds; how long Orca took is printed, never asserted. Between the keys it checks, the
game is played to its end as fast as the keys go, steered by the board as AT-SPI tells it.
"""
import re
import statistics
import subprocess
import sys
import time

import pyatspi

from rowplan import plan

LOG, LANGUAGE = sys.argv[1], sys.argv[2]
# The text in quotes, then the voice's settings, which may themselves hold quotes.
SPEECH = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'(?:\s*\{.*\})?\s*$")
NOISE = ("filler", "panel", "unknown", "Text unselected")

TEXTS = {
    "en": {
        "colours": ["red", "orange", "yellow", "green", "cyan", "blue", "magenta", "joker"],
        "free": "free",
        "cell": r"^(?P<what>[\w ]+), row (?P<row>\d), column (?P<column>\d)\.?$",
        "fresh": r"New squares: (?P<list>[^.]+)\.",
        "fresh_item": r"^(?P<what>\w+) at row (?P<row>\d), column (?P<column>\d)$",
        "picked": "Picked up {}, row {}, column {}.",
        "carrying": "carrying {}",
        "put_back": "Put back {}, row {}, column {}.",
        "moved": "Moved to row {}, column {}.",
        "occupied": "Not moved: row {}, column {} is occupied.",
        "edge": "Edge of the board.",
        "nothing": "Nothing to pick up here.",
        "sound_off": "Sound off.",
        "sound_on": "Sound on.",
        "abandoned": "Game abandoned, score {}.",
        "keys": {"start": "alt+s", "sound off": "alt+o", "sound on": "alt+o", "pause": "alt+p"},
        "stone": r"Blackstone at row (?P<row>\d), column (?P<column>\d)\.",
        "blackstone": "blackstone",
        "burst": r"The colour (?P<what>\w+) bursts: \d+ squares?\.",
        "row": r"Row dissolved: (?P<what>\w+), (?:row|column)s? \d[^.]*\. 4 points, score \d+\.",
        "running": "A game is running; Pause abandons it and brings Start back.",
        "over": r"Game over, score (?P<score>\d+)\.",
        "over_key": "The game is over. Pause, then Start, begins a new game.",
        "rules": ("alt+w", "How to Play", "The aim of the game is to obtain as many points"),
        "entry": "Name for the Highscore",
        "list": ("alt+h", "Highscore"),
        "list_row": r"^(?P<rank>\d+), (?P<points>-?\d+) points?(?:, (?P<rest>.+?))?\.?$",
        "reset": ("alt+r", "Reset Highscore", "Do you really want to blot out the highscore?"),
        "no": "alt+n",
    },
    "de": {
        "colours": ["rot", "orange", "gelb", "grün", "cyan", "blau", "magenta", "Joker"],
        "free": "frei",
        "cell": r"^(?P<what>[\w ]+), Zeile (?P<row>\d), Spalte (?P<column>\d)\.?$",
        "fresh": r"Neue Felder: (?P<list>[^.]+)\.",
        "fresh_item": r"^(?P<what>\w+) in Zeile (?P<row>\d), Spalte (?P<column>\d)$",
        "picked": "Aufgenommen: {}, Zeile {}, Spalte {}.",
        "carrying": "in der Hand: {}",
        "put_back": "Zurückgelegt: {}, Zeile {}, Spalte {}.",
        "moved": "Gezogen nach Zeile {}, Spalte {}.",
        "occupied": "Nicht gezogen: Zeile {}, Spalte {} ist besetzt.",
        "edge": "Rand des Spielbretts.",
        "nothing": "Hier ist nichts aufzunehmen.",
        "sound_off": "Ton aus.",
        "sound_on": "Ton an.",
        "abandoned": "Spiel abgebrochen, Stand {}.",
        "keys": {"start": "alt+s", "sound off": "alt+a", "sound on": "alt+a", "pause": "alt+p"},
        "stone": r"Schwarzer Stein in Zeile (?P<row>\d), Spalte (?P<column>\d)\.",
        "blackstone": "schwarzer Stein",
        "burst": r"Farbe geplatzt: (?P<what>\w+), \d+ Feld(?:er)?\.",
        "row": r"Reihe aufgelöst: (?P<what>\w+), (?:Zeile|Spalte)n? \d[^.]*\. 4 Punkte, Stand \d+\.",
        "running": "Ein Spiel läuft; Pause bricht es ab und bringt Start zurück.",
        "over": r"Spiel zu Ende, Stand (?P<score>\d+)\.",
        "over_key": "Das Spiel ist zu Ende. Mit Pause und dann Start beginnt ein neues Spiel.",
        "rules": ("alt+r", "Spielregeln", "Ziel des Spiels ist es, so viele Punkte"),
        "entry": "Name für die Bestenliste",
        "list": ("alt+z", "Bestenliste"),
        "list_row": r"^(?P<rank>\d+), (?P<points>-?\d+) Punkte?(?:, (?P<rest>.+?))?\.?$",
        "reset": ("alt+l", "Bestenliste löschen", "Die Bestenliste wirklich löschen?"),
        "no": "alt+n",
    },
}[LANGUAGE]
CELL = re.compile(TEXTS["cell"])
latencies = []
transcript = []


def fail(message):
    print("FAIL:", message)
    print("\n".join(transcript))
    sys.exit(1)


def spoken():
    """Everything Orca has said so far, with the second of the day it said it."""
    said = []
    with open(LOG, encoding="utf-8", errors="replace") as log:
        for line in log:
            m = SPEECH.match(line)
            if m:
                said.append((int(m[1]) * 3600 + int(m[2]) * 60 + float(m[3]), m[4]))
    return said


def is_key_echo(text):
    return text.endswith(" ") and not re.search(r"[.,:]", text)


def press(key, quiet=0.8):
    """The utterances that answer one key, without Orca's echo of the key itself."""
    before = len(spoken())
    now = time.time()
    day = time.localtime(now)  # Orca stamps its log with the local time of day
    sent = day.tm_hour * 3600 + day.tm_min * 60 + day.tm_sec + now % 1
    subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
    deadline = time.time() + 10
    last, count = time.time(), before
    while time.time() < deadline:
        said = spoken()
        if len(said) != count:
            count, last = len(said), time.time()
        elif count > before and time.time() - last >= quiet:
            break
        time.sleep(0.02)
    said = spoken()[before:]
    answers = [text for _, text in said if not is_key_echo(text)]
    answered = [at for at, text in said if not is_key_echo(text)]
    took = ""
    if answered:
        latencies.append(max(0.0, answered[0] - sent))
        took = f"  ({latencies[-1] * 1000:.0f} ms)"
    transcript.append(f"{key:>10} -> {' | '.join(text for _, text in said)}{took}")
    for text in answers:
        for word in NOISE:
            if word.lower() in text.lower():
                fail(f"'{text}' after {key} says '{word}'")
    if not answers:
        fail(f"nothing answered {key}")
    return answers


def cells(answers):
    return [(m["what"], int(m["row"]), int(m["column"]))
            for m in (CELL.match(text) for text in answers) if m]


def place(n):
    return n // 9 + 1, n % 9 + 1


def arrow(key, frame, board):
    """One arrow: exactly the square the frame lands on is spoken."""
    row, column = place(frame)
    target = {"Up": frame - 9 if row > 1 else frame, "Down": frame + 9 if row < 9 else frame,
              "Left": frame - 1 if column > 1 else frame,
              "Right": frame + 1 if column < 9 else frame}[key]
    answers = press(key)
    if target == frame:
        if TEXTS["edge"] not in answers:
            fail(f"{key} against the edge said {answers}")
        return frame, answers
    said = cells(answers)
    expected = (board.get(target, TEXTS["free"]),) + place(target)
    if said != [expected]:
        fail(f"{key} to square {target} said {answers}, not just {expected}")
    return target, answers


def walk(frame, to, board):
    while frame != to:
        row, column = place(frame)
        goal_row, goal_column = place(to)
        key = ("Down" if goal_row > row else "Up") if goal_row != row else (
            "Right" if goal_column > column else "Left")
        frame, _ = arrow(key, frame, board)
    return frame


def new_squares(answers, board):
    """Notes on the board what the news of a move put there or took away."""
    for text in answers:
        for m in re.finditer(TEXTS["stone"], text):
            board[9 * (int(m["row"]) - 1) + int(m["column"]) - 1] = TEXTS["blackstone"]
        for m in re.finditer(TEXTS["burst"], text):
            for n in [n for n, what in board.items() if what == m["what"]]:
                del board[n]
            time.sleep(1)  # past the tick that empties the burst squares
    for text in answers:
        m = re.search(TEXTS["fresh"], text)
        if m:
            for item in m["list"].split("; "):
                f = re.match(TEXTS["fresh_item"], item)
                if not f:
                    fail(f"'{item}' is no new square")
                board[9 * (int(f["row"]) - 1) + int(f["column"]) - 1] = f["what"]
            return True
    return False


def settle(before, quiet=0.5):
    """Waits until Orca has kept quiet a moment after what it said since utterance `before`."""
    deadline = time.time() + 10
    last, count = time.time(), len(spoken())
    while time.time() < deadline:
        time.sleep(0.05)
        now = len(spoken())
        if now != count:
            count, last = now, time.time()
        elif time.time() - last >= quiet:
            break
    return [text for _, text in spoken()[before:]]


def board_now():
    """What each square shows, as the board's table tells AT-SPI, free squares left out, and the
    square under the frame."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "kaldora":
            continue
        table = pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE)
        board, frame = {}, None
        for n in range(81):
            cell = table.getChildAtIndex(n)
            m = CELL.match(cell.name)
            if m and m["what"] != TEXTS["free"]:
                board[n] = m["what"]
            if cell.getState().contains(pyatspi.STATE_FOCUSED):
                frame = n
        return board, frame
    fail("the game is not on the accessibility bus")


def path(frame, to):
    row, column = divmod(frame, 9)
    goal_row, goal_column = divmod(to, 9)
    return (["Down" if goal_row > row else "Up"] * abs(goal_row - row) +
            ["Right" if goal_column > column else "Left"] * abs(goal_column - column))


def play_to_the_end():
    """Builds a row of five, then drops the coloured square nearest the frame on itself, a move
    that brings new squares, until the game is over. Only what the row and the end say is checked:
    the keys go as fast as Orca keeps up."""
    before = len(spoken())
    distance = lambda a, b: abs(a // 9 - b // 9) + abs(a % 9 - b % 9)
    row = None
    for _ in range(120):
        said = settle(before, 0.4)
        over = re.search(TEXTS["over"], " ".join(said))
        if over:
            if row is None:
                fail("the game ended before a row was dissolved")
            return int(over["score"]), settle(before, 1.5)
        board, frame = board_now()
        if frame is None:
            continue
        if row is None:
            row = next((m for m in map(lambda t: re.search(TEXTS["row"], t), said) if m), None)
            if row:
                transcript.append(f"{'(row)':>10} -> {row[0]}")
        contents = [board.get(n, TEXTS["free"]) for n in range(81)]
        step = None if row else plan(contents, TEXTS["colours"][:7], TEXTS["colours"][7],
                                     TEXTS["free"])
        if step is None:
            coloured = [n for n, what in board.items() if what in TEXTS["colours"]]
            if not coloured:
                continue
            source = min(coloured, key=lambda n: distance(n, frame))
            step = (source, source)
        keys = path(frame, step[0]) + ["Return"] + path(*step) + ["Return"]
        # Slow enough that Orca, which Qt asks about every key, keeps up.
        subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "100", *keys], check=True)
    fail(f"the game did not end; last said: {settle(before, 0.1)[-8:]}")


def rows(answers):
    return [m for m in (re.match(TEXTS["list_row"], text) for text in answers) if m]


def to_the_end():
    """A panel read and closed, a whole game, its name entry, the list row by row, the reset
    question, and the keys that a game over leaves without a button."""
    key, name, first_line = TEXTS["rules"]
    answers = press(key)
    if name not in " ".join(answers) or not any(first_line in text for text in answers):
        fail(f"the rules opened with {answers}")
    line = press("Down")
    if len(line) != 1 or first_line in line[0]:
        fail(f"Down in the rules said {line}, not their next line")
    if len(cells(press("Escape"))) != 1:
        fail("closing the rules did not return to the square under the frame")

    press(TEXTS["keys"]["start"])
    if TEXTS["running"] not in press(TEXTS["keys"]["start"]):
        fail("the hidden Start's key did not say that a game runs")
    score, said = play_to_the_end()
    if not any(TEXTS["entry"] in text for text in said):
        fail(f"the name entry was not announced: {said[-6:]}")
    transcript.append(f"{'(game)':>10} -> {' | '.join(said[-4:])}")
    subprocess.run(["xdotool", "type", "--delay", "60", "Ann"], check=True)
    settle(len(spoken()))

    key, name = TEXTS["list"]
    answers = press("Return")
    if not any(text.startswith(name) for text in answers):
        fail(f"storing the name did not bring the list: {answers}")
    first = rows(press("shift+Tab"))
    if len(first) != 1 or first[0]["rank"] != "1" or int(first[0]["points"]) != score or \
            not (first[0]["rest"] or "").startswith("Ann, "):
        fail(f"the list's first row said {[m[0] for m in first]}, not Ann's {score} points")
    second = rows(press("Down"))
    if [(m["rank"], m["points"], m["rest"]) for m in second] != [("2", "-1", None)]:
        fail(f"Down to the second row said {[m[0] for m in second]}")
    press("Return")
    answers = press(key)
    if not any(text.startswith(name) for text in answers):
        fail(f"Show Highscore said {answers}")
    press("Return")

    key, name, question = TEXTS["reset"]
    answers = " ".join(press(key))
    if name not in answers or question not in answers:
        fail(f"the reset question was announced as {answers}")
    press(TEXTS["no"])
    if TEXTS["over_key"] not in press(TEXTS["keys"]["start"]):
        fail("the hidden Start's key did not say that the game is over")
    answers = press(TEXTS["keys"]["pause"])
    if any(text.startswith(TEXTS["abandoned"].format("")[:-1].rstrip(". ")) for text in answers):
        fail("Pause after the end of a game said that a game was abandoned")


def main():
    time.sleep(0.5)
    board = {}
    answers = press(TEXTS["keys"]["start"])
    if not new_squares(answers, board) or len(board) != 3:
        fail(f"Start told {answers}")
    frame = 40
    if cells(answers) != [(board.get(frame, TEXTS["free"]),) + place(frame)]:
        fail(f"the board was entered with {answers}, not the one square under the frame")

    # Up and Down speak one square, not its row.
    for key in ("Down", "Up", "Right", "Left"):
        frame, _ = arrow(key, frame, board)
    source = min(board, key=lambda n: abs(n // 9 - 4) * 9 + abs(n % 9 - 4))
    colour = board[source]
    frame = walk(frame, source, board)
    if TEXTS["picked"].format(colour, *place(source)) not in press("Return"):
        fail(f"Enter on {colour} at {source} did not say that it was picked up")
    # A free neighbour inside the board, away from the edge.
    step = "Left" if source % 9 > 0 and source - 1 not in board else "Right"
    if source + (1 if step == "Right" else -1) in board:
        step = "Down" if source < 72 and source + 9 not in board else "Up"
    before = frame
    frame, answers = arrow(step, frame, board)
    if not any(TEXTS["carrying"].format(colour) in text for text in answers):
        fail(f"moving while carrying {colour} said {answers}")
    if TEXTS["put_back"].format(colour, *place(source)) not in press("Escape"):
        fail("Escape did not say what was put back")
    frame = walk(frame, before, board)
    if TEXTS["picked"].format(colour, *place(source)) not in press("space"):
        fail(f"Space on {colour} did not pick it up")
    target = {"Left": source - 1, "Right": source + 1, "Down": source + 9, "Up": source - 9}[step]
    frame, _ = arrow(step, frame, board)
    answers = press("Return")
    if TEXTS["moved"].format(*place(target)) not in " ".join(answers):
        fail(f"the drop on {target} said {answers}")
    del board[source]
    board[target] = colour
    new_squares(answers, board)

    # A refused drop: onto another coloured square.
    other = next((n for n in sorted(board) if n != target), None)
    if other is not None and board.get(target) == colour:
        press("space")
        frame = walk(frame, other, board)
        answers = press("Return")
        if TEXTS["occupied"].format(*place(other)) not in " ".join(answers):
            fail(f"the drop on the occupied square {other} said {answers}")
        new_squares(answers, board)

    # Against the top edge, and a free square that holds nothing to pick up.
    frame = walk(frame, frame % 9, board)
    frame, _ = arrow("Up", frame, board)
    free = next(n for n in range(9) if n not in board)
    frame = walk(frame, free, board)
    if TEXTS["nothing"] not in press("Return"):
        fail("Enter on a free square did not say that there is nothing to pick up")

    if TEXTS["sound_off"] not in press(TEXTS["keys"]["sound off"]):
        fail("Sound Off did not say that the sound is off")
    if TEXTS["sound_on"] not in press(TEXTS["keys"]["sound on"]):
        fail("Sound On did not say that the sound is on")
    if not any(text.startswith(TEXTS["abandoned"].format("")[:-1].rstrip(". "))
               for text in press(TEXTS["keys"]["pause"])):
        fail("Pause did not say that the game was abandoned")
    to_the_end()

    print("\n".join(transcript))
    print(f"ok: {len(transcript)} keys answered; from key to speech "
          f"{statistics.median(latencies) * 1000:.0f} ms median, "
          f"{max(latencies) * 1000:.0f} ms at most")


main()
