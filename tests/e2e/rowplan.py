"""Moves towards five of one colour in a line, for the end-to-end tests that play a row."""


def lines():
    for start in range(81):
        r, c = divmod(start, 9)
        for dr, dc in ((0, 1), (1, 0), (1, 1), (1, -1)):
            if 0 <= r + 4 * dr < 9 and 0 <= c + 4 * dc < 9:
                yield [9 * (r + i * dr) + c + i * dc for i in range(5)]


def plan(contents, colours, joker="joker", free="free"):
    """The next move towards a row: (source, target), or None. contents: 81 words, as the cells
    name them; colours: the seven colour words."""
    best = None
    for line in lines():
        for colour in colours:
            if any(contents[n] not in (colour, joker, free) for n in line):
                continue
            have = sum(contents[n] != free for n in line)
            supply = [n for n in range(81) if n not in line and contents[n] == colour] + \
                     [n for n in range(81) if n not in line and contents[n] == joker]
            if len(supply) >= 5 - have and (best is None or have > best[0]):
                best = (have, supply[0], next(n for n in line if contents[n] == free))
    return best and best[1:]
