"""Plays the game by keyboard alone and checks what Orca says for each key, from its debug log.

Every key must be answered, an arrow by the one square under the frame and nothing else, and no
answer may carry a noise word. The waits end when Orca has spoken and then kept quiet a moment, or
after ten seconds; how long Orca took is printed, never asserted.
"""
import re
import statistics
import subprocess
import sys
import time

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
        "burst": r"Colour burst: \d+ (?P<what>\w+) squares?\.",
    },
    "de": {
        "colours": ["rot", "orange", "gelb", "grün", "cyan", "blau", "magenta", "Joker"],
        "free": "frei",
        "cell": r"^(?P<what>[\w ]+), Zeile (?P<row>\d), Spalte (?P<column>\d)\.?$",
        "fresh": r"Neue Felder: (?P<list>[^.]+)\.",
        "fresh_item": r"^(?P<what>\w+) auf Zeile (?P<row>\d), Spalte (?P<column>\d)$",
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
        "stone": r"Schwarzer Stein auf Zeile (?P<row>\d), Spalte (?P<column>\d)\.",
        "blackstone": "schwarzer Stein",
        "burst": r"Farbe platzt: \d+ Feld(?:er)? (?P<what>\w+)\.",
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
    if said:
        latencies.append(max(0.0, said[0][0] - sent))
    transcript.append(f"{key:>10} -> {' | '.join(text for _, text in said)}")
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

    print("\n".join(transcript))
    print(f"ok: {len(transcript)} keys answered; from key to speech "
          f"{statistics.median(latencies) * 1000:.0f} ms median, "
          f"{max(latencies) * 1000:.0f} ms at most")


main()
