#!/usr/bin/python3
# What a screen reader receives from the running game, played through AT-SPI actions alone: the
# tree, the board's cells and their states, the events of each move, the news told once per move,
# and the three small windows, up to a new highscore entered at the end of the game.
import re
import sys
import time

import pyatspi
from gi.repository import GLib

from rowplan import plan

COLOURS = ["red", "orange", "yellow", "green", "cyan", "blue", "magenta"]
CELL = re.compile(r"^(red|orange|yellow|green|cyan|blue|magenta|joker|burst|blackstone|free), "
                  r"row ([1-9]), column ([1-9])$")
NEWS = re.compile(r"^(New squares: (?P<fresh>[^.]+)\.|(Row|Quad) dissolved: [\w ]+, [^.]+\."
                  r"|4 points, score (?P<row>\d+)\."
                  r"|Moved to row (?P<moved_row>\d), column (?P<moved_column>\d)\."
                  r"|Not moved(: row \d, column \d is occupied)?\.|Pause, then Start, begins a new game\."
                  r"|17 points, score (?P<quad>\d+)\."
                  r"|The colour (\w+) bursts: (1 square|\d+ squares)\.|Blackstone at row \d, column \d\."
                  r"|Game over, score (?P<over>\d+)\.)( |$)")
FRESH = re.compile(r"^(red|orange|yellow|green|cyan|blue|magenta|joker) at row ([1-9]), "
                   r"column ([1-9])$")

events = []


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def on_event(event):
    try:
        role, name = event.source.getRoleName(), event.source.name
    except Exception:  # the source may be gone already
        role, name = "", ""
    events.append((event.type, role, name, event.detail1, event.source))


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def wait_for(condition, what, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        pump(0.05)
        result = condition()
        if result:
            return result
    fail("waited in vain for " + what)


def children(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)]


def child(obj, role, name):
    found = [c for c in children(obj) if c.getRoleName() == role and c.name == name]
    return found[0] if found else None


def states(obj):
    return {pyatspi.stateToString(s) for s in obj.getState().getStates()}


def actions(obj):
    a = obj.queryAction()
    return [a.getName(i) for i in range(a.nActions)]


def act(obj, name):
    a = obj.queryAction()
    names = actions(obj)
    if name not in names:
        fail(f"'{obj.name}' offers {names}, not '{name}'")
    a.doAction(names.index(name))


def announcements():
    # A notification that shows is what Orca speaks; in a status bar, without its role's name.
    return [e[2] for e in events if e[0] == "object:state-changed:showing" and e[3] == 1 and
            e[1] == "notification"]


def table_contents(board):
    contents = []
    for n, cell in enumerate(children(board)):
        match = CELL.match(cell.name)
        if not match or (int(match[2]), int(match[3])) != (n // 9 + 1, n % 9 + 1):
            fail(f"cell {n} is named '{cell.name}'")
        contents.append(match[1])
    return contents


def score(frame):
    label = child(frame, "label", "Score")
    text = label.queryText()
    return int(text.getText(0, text.characterCount))


def dialog(app, name):
    return next((d for d in children(app) if d.getRoleName() == "dialog" and d.name == name and
                 "showing" in states(d)), None)


def move(board, frame, source, target):
    """Picks source up and drops it on target through the cells' actions; the one announcement."""
    cells = children(board)
    act(cells[source], "Pick up")
    wait_for(lambda: "selected" in states(cells[source]), "the square picked up to be selected")
    if not any(e[0] == "object:state-changed:selected" and e[3] == 1 for e in events):
        fail("no selected event for the square picked up")
    if "Drop" not in actions(cells[target]) or "Pick up" in actions(cells[target]):
        fail(f"a free square offers {actions(cells[target])} while a square is held")
    del events[:]
    act(cells[target], "Drop")
    news = wait_for(announcements, "the news of a move")
    pump(0.3)
    if len(announcements()) != 1:
        fail(f"one move told {announcements()}")
    # Orca drops notifications once more than 50 events wait; it never queues a cell's new name.
    queued = [e for e in events if e[0] != "object:property-change:accessible-name" or
              e[1] != "table cell"]
    if len(queued) > 50:
        fail(f"a move sent {len(queued)} events, a flood in which a screen reader drops the news")
    return news[0]


def check_news(news, before, after, frame, source=None, target=None):
    """Every sentence is one the game says, and says what the cells show now."""
    rest = news
    told = {}
    while rest:
        match = NEWS.match(rest)
        if not match:
            fail(f"unexpected news '{rest}' in '{news}'")
        told.update({k: v for k, v in match.groupdict().items() if v})
        rest = rest[match.end():]
    fresh = {}
    for item in told["fresh"].split("; ") if "fresh" in told else []:
        m = FRESH.match(item)
        n = 9 * (int(m[2]) - 1) + int(m[3]) - 1 if m else -1
        # The square the drop emptied may take a new one at once.
        if not m or (before[n] != "free" and n != source) or n == target:
            fail(f"'{item}' is no new square")
        fresh[n] = m[1]
    if "moved_row" in told and source is not None and \
            9 * (int(told["moved_row"]) - 1) + int(told["moved_column"]) - 1 != target:
        fail(f"'{news}' for a drop on square {target}")
    for key in ("row", "quad", "over"):
        if key in told and int(told[key]) != score(frame):
            fail(f"'{news}' while the score label shows {score(frame)}")
    if "row" in told or "quad" in told or "Colour burst" in news:
        return told  # squares were taken away again
    for n, colour in fresh.items():
        if after[n] != colour:
            fail(f"'{news}' while square {n} shows {after[n]}")
    if source is not None and source != target and \
            (after[target] != before[source] or after[source] != fresh.get(source, "free")):
        fail(f"the drop of {source} on {target} shows {after[source]} and {after[target]}")
    return told


def main():
    for kind in ("object:property-change:accessible-name", "object:state-changed", "focus:",
                 "object:children-changed", "object:text-changed"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next((a for a in children(desktop) if a and a.name == "kaldora"), None),
                   "the game on the accessibility bus")
    frame = wait_for(lambda: child(app, "frame", "KALDORA"), "the main window 'KALDORA'")
    pump(1)  # the game learns which events are listened to

    names = [(c.getRoleName(), c.name) for c in children(frame)]
    for expected in [("label", "Score"), ("push button", "Start"), ("push button", "Exit"),
                     ("table", "Board"), ("status bar", "Game news")]:
        if expected not in names:
            fail(f"{expected} missing from the main window: {names}")
    if ("push button", "Go") in names or any(n == "" for _, n in names):
        fail(f"a hidden or nameless control in the main window: {names}")
    if score(frame) != 0:
        fail("the score is not 0 at the start")
    board = child(frame, "table", "Board")
    table = board.queryTable()
    if (table.nRows, table.nColumns, board.childCount) != (9, 9, 81):
        fail(f"a board of {table.nRows} x {table.nColumns}, {board.childCount} cells")
    if table.getAccessibleAt(2, 4).name != "free, row 3, column 5":
        fail(f"cell (2, 4) is '{table.getAccessibleAt(2, 4).name}'")
    # Every question of the table is answered, also those about rows, which the cells keep to
    # themselves so that Orca reads one square at a time.
    extents = (table.getRowExtentAt(1, 1), table.getColumnExtentAt(1, 1), table.getRowAtIndex(5),
               table.getColumnAtIndex(5), table.getRowColumnExtentsAtIndex(10)[0])
    if extents != (1, 1, -1, 5, True):
        fail(f"the table's extents and indices are {extents}")
    if set(table_contents(board)) != {"free"}:
        fail("squares before the start")
    if not {"enabled", "focusable", "selectable"} <= states(children(board)[0]):
        fail(f"a cell's states {states(children(board)[0])}")

    act(child(frame, "push button", "Start"), "Press")
    news = wait_for(announcements, "the news of Start")
    pump(0.3)
    contents = table_contents(board)
    coloured = [n for n in range(81) if contents[n] != "free"]
    told = check_news(news[0], ["free"] * 81, contents, frame)
    if len(coloured) != 3 or len(told["fresh"].split("; ")) != 3 or len(announcements()) != 1:
        fail(f"Start told {announcements()} of {coloured}")
    renamed = {e[4].name for e in events if e[0] == "object:property-change:accessible-name"
               and e[1] == "table cell"}
    if renamed != {children(board)[n].name for n in coloured}:
        fail(f"name changes for {renamed}")
    if child(frame, "push button", "Start") is not None:
        fail("the hidden Start button is still in the tree")
    status = [c for c in children(frame) if c.getRoleName() == "status bar"][0]
    if children(status)[0].name != news[0]:
        fail("the news are not in the status bar")
    print("Start:", news[0])

    cells = children(board)
    del events[:]
    act(cells[coloured[0]], "SetFocus")
    wait_for(lambda: any(e[0] == "focus:" and e[2] == cells[coloured[0]].name for e in events),
             "a focus event for the cell")
    if "focused" not in states(cells[coloured[0]]):
        fail("the framed cell is not focused")

    said = {}
    for _ in range(80):
        if "row" in said and "fresh" in said:
            break
        wait_for(lambda: "burst" not in table_contents(board), "the burst squares to go")
        before = table_contents(board)
        step = plan(before, COLOURS) or (coloured[0], coloured[0])
        del events[:]
        news = move(board, frame, *step)
        after = table_contents(board)
        told = check_news(news, before, after, frame, *step)
        for kind in ("fresh", "row"):
            if kind in told and kind not in said:
                said[kind] = news
                print(f"{kind}: {news}")
        if "over" in told:
            fail(f"the game ended before a row was dissolved: {news}")
    else:
        fail(f"no row dissolved in 80 moves: {said}")

    act(child(frame, "push button", "Reset Highscore"), "Press")
    question = wait_for(lambda: dialog(app, "Reset Highscore"), "the dialog 'Reset Highscore'")
    act(child(question, "push button", "no"), "Press")
    wait_for(lambda: dialog(app, "Reset Highscore") is None, "the question to go")
    act(child(frame, "push button", "Show Highscore"), "Press")
    listing = wait_for(lambda: dialog(app, "Highscore"), "the dialog 'Highscore'")
    rows = [c for c in children(listing) if c.getRoleName() == "list"]
    if len(rows) != 1 or [r.name.split(",")[0] for r in children(rows[0])] != \
            [str(n) for n in range(1, 11)] or any(c.getRoleName() == "text" for c in children(listing)):
        fail("the list is not ten rows alone, without the hidden eleventh or the boxes")
    act(child(listing, "push button", "Go On"), "Press")
    wait_for(lambda: dialog(app, "Highscore") is None, "the list to go")

    # Squares dropped on themselves are moves that bring new squares, until the board is full.
    for _ in range(60):
        contents = table_contents(board)
        own = next(n for n in range(81) if contents[n] in COLOURS + ["joker"])
        del events[:]
        news = move(board, frame, own, own)
        if "Game over" in news:
            break
    else:
        fail("no end of the game")
    check_news(news, contents, table_contents(board), frame)
    print("end:", news)
    entry = wait_for(lambda: dialog(app, "Name for the Highscore"), "the name entry")
    shown = [i for i, e in enumerate(events) if e[1] == "dialog" and
             e[2] == "Name for the Highscore" and e[0] != "object:property-change:accessible-name"]
    told = [i for i, e in enumerate(events) if e[1] == "notification" and e[3] == 1]
    if shown and told and told[0] > shown[0]:
        fail("the end of the game was told after the name entry appeared")
    if any("enabled" in states(c) for c in children(board)):
        fail("a cell is enabled after the end of the game")
    box = next(c for c in children(entry) if c.getRoleName() == "text")
    labels = [t for r in box.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for t in [r.getTarget(i) for i in range(r.getNTargets())]]
    if box.name != "Who did reach so much points?" or \
            [t.name for t in labels] != ["Who did reach so much points?"]:
        fail(f"the name box is '{box.name}', labelled by {[t.name for t in labels]}")
    box.queryEditableText().setTextContents("Blind")
    act(child(entry, "push button", "Go On"), "Press")
    listing = wait_for(lambda: dialog(app, "Highscore"), "the list after the name")
    first = children([c for c in children(listing) if c.getRoleName() == "list"][0])[0]
    if not re.fullmatch(r"1, \d+ points, Blind, \S.*\d", first.name):  # the padding unsaid
        fail(f"rank 1 is '{first.name}'")
    act(child(listing, "push button", "Go On"), "Press")
    wait_for(lambda: dialog(app, "Highscore") is None, "the list to go")
    print("ok: the board, the score, the news and the three dialogs as a screen reader has them")


main()
