#!/usr/bin/env python3
"""Writes translations/glossary.tsv: each language's established words for the game's main terms,
as the genre's peers in Debian translate them (five-or-more, klines and libkdegames5, installed
with their catalogues in /usr/share/locale).

usage: tools/l10n/glossary.py [LOCALE_DIR]
One line per language and term: language, term, the peer's message it comes from, and its
translation without access keys. A term the peers do not translate in a language is left out.
"""
import gettext
import os
import re
import sys

LANGUAGES = ["ca", "cs", "de", "el", "es", "eu", "fi", "fr", "gl", "hu", "id", "it", "nl", "pl",
             "pt_BR", "sl", "sr", "sv", "tr", "zh_TW"]
# term: (catalogue, message), the first the language's catalogues have.
TERMS = {
    "high scores": [("libkdegames5", "High Scores"), ("klines", "High Scores")],
    "show high scores": [("libkdegames5", "Show &High Scores")],
    "clear high scores": [("libkdegames5", "&Clear High Scores")],
    "rank": [("libkdegames5", "Rank")],
    "name": [("libkdegames5", "Name")],
    "date": [("libkdegames5", "Date")],
    "score": [("libkdegames5", "Score"), ("klines", "Score:")],
    "pause": [("libkdegames5", "Pa&use")],
    "quit": [("libkdegames5", "&Quit")],
    "new game": [("five-or-more", "_New Game")],
    "game over": [("five-or-more", "Game Over!"), ("klines", "<h1>Game over</h1>")],
    "background colour": [("five-or-more", "Background color")],
    "new high score": [("libkdegames5", "Excellent!\nYou have a new high score!")],
}


def plain(text):
    """The words of a message without access keys, markup, and a closing colon or mark."""
    text = re.sub(r"<[^>]+>", "", text).replace("&&", "\0")
    text = re.sub(r"\s*\([_&][A-Za-z]\)", "", text)  # "(&H)" of the CJK catalogues
    text = text.replace("&", "").replace("_", "").replace("\0", "&")
    return text.strip().rstrip(":：!！").strip()


def catalogue(folder, language, name):
    path = os.path.join(folder, language, "LC_MESSAGES", name + ".mo")
    if not os.path.exists(path):
        return {}
    with open(path, "rb") as mo:
        return gettext.GNUTranslations(mo)._catalog


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/locale"
    out = os.path.join(os.path.dirname(__file__), "..", "..", "translations", "glossary.tsv")
    lines = ["# language\tterm\tpeer\ttranslation\t(made by tools/l10n/glossary.py)"]
    for language in LANGUAGES:
        catalogues = {}
        for term, sources in TERMS.items():
            for name, message in sources:
                if name not in catalogues:
                    catalogues[name] = catalogue(folder, language, name)
                translated = catalogues[name].get(message)
                if isinstance(translated, tuple):
                    translated = translated[0]
                if translated:
                    lines.append("\t".join([language, term, f"{name}: {message!r}",
                                            plain(translated).replace("\n", " ")]))
                    break
    with open(out, "w", encoding="utf-8") as tsv:
        tsv.write("\n".join(lines) + "\n")


main()
