#!/usr/bin/env python3
"""Every .ts file is complete, and every window's access keys are unique, in every language.

usage: check_translations.py LUPDATE SOURCE_DIR BUILD_DIR
lupdate runs over the sources into copies of the .ts files, so a text added to the code but not
to the translations shows as unfinished, and one gone from the code as vanished.
"""
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# Captions shown together in one window; the sound button shows one of its three at a time.
SOUND = ["Sound &Off", "Sound &On", "Sound O&ff"]
WINDOWS = {
    "Form1": ["&Start", "&Pause", "&Background Color", "Ho&w to Play", "&Information",
              "Show &Highscore", "&Reset Highscore", "&Exit"],
    "Form2": ["&Go On"],
    "Form3": ["&Go On"],
    "Form4": ["&yes", "&no"],
}


# Texts that name what the genre's peers name, and the glossary's term each must hold.
GLOSSARY = {("Form2", "Highscore"): "high scores", ("HighscoreRows", "Highscore"): "high scores",
            ("Form1", "&Pause"): "pause", ("ScoreAccess", "Score"): "score"}


def glossary(source):
    terms = {}
    with open(os.path.join(source, "translations", "glossary.tsv"), encoding="utf-8") as tsv:
        for line in tsv:
            if not line.startswith("#"):
                language, term, _, words = line.rstrip("\n").split("\t")
                terms[(language, term)] = words
    return terms


def access_key(caption):
    at = caption.replace("&&", "").find("&")
    return caption.replace("&&", "")[at + 1].lower() if at >= 0 else None


def main(lupdate, source, build):
    problems = []
    files = sorted(glob.glob(os.path.join(source, "translations", "kaldora_*.ts")))
    terms = glossary(source)
    if len(files) < 5:
        problems.append("only %d translations" % len(files))
    with tempfile.TemporaryDirectory() as scratch:
        copies = [shutil.copy(f, scratch) for f in files]
        sources = [*(os.path.join(source, layer, "qt")
                     for layer in ("board", "highscore", "tree", "window")),
                   os.path.join(build, "generated", "panels_i18n.cpp")]
        # English holds the plural forms alone: its other texts are the sources themselves.
        english = [c for c in copies if c.endswith("_en.ts")]
        subprocess.run([lupdate, "-silent", "-locations", "none", *sources, "-ts",
                        *(c for c in copies if c not in english)], check=True)
        if english:
            subprocess.run([lupdate, "-silent", "-locations", "none", "-pluralonly", *sources,
                            "-ts", *english], check=True)
        for path in copies:
            language = os.path.basename(path)
            texts = {}
            for context in ET.parse(path).getroot().iter("context"):
                name = context.find("name").text
                for message in context.iter("message"):
                    source_text = message.find("source").text
                    translation = message.find("translation")
                    kind = translation.get("type")
                    # A counted text has one form per plural of the language, each needed.
                    forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
                    if kind or not all((form or "").strip() for form in forms):
                        problems.append("%s: %s %r" % (language, kind or "empty",
                                                       source_text[:40]))
                        continue
                    texts[(name, source_text)] = forms[0]
                    if name == "Panels":
                        continue  # running text, where "&" is a letter
                    if (access_key(source_text) is None) != (access_key(forms[0]) is None):
                        problems.append("%s: %r has no access key like %r"
                                        % (language, forms[0], source_text))
            for window, captions in WINDOWS.items():
                shown = [[*captions, s] for s in SOUND] if window == "Form1" else [captions]
                for together in shown:
                    keys = [access_key(texts.get((window, c), c)) for c in together]
                    if len(set(keys)) != len(keys):
                        problems.append("%s: %s shares access keys: %s" % (
                            language, window, [texts.get((window, c), c) for c in together]))
            code = language[len("kaldora_"):-len(".ts")]
            for (window, text), term in GLOSSARY.items():
                words = terms.get((code, term))
                said = texts.get((window, text), text).replace("&", "")
                if words and words.casefold() not in said.casefold():
                    problems.append("%s: %r is not the peers' %r for %r" % (language, said, words, term))
            # "Sound &Off" and "Sound O&ff" both switch the sound off, "Sound &On" switches it on.
            words = [texts.get(("Form1", c), c).replace("&", "").casefold() for c in SOUND]
            if words[0] != words[2] or words[0] == words[1]:
                problems.append("%s: the sound captions %s do not say off, on, off" % (
                    language, [texts.get(("Form1", c), c) for c in SOUND]))
    for problem in problems:
        print(problem)
    print("%d translations checked, %d problems" % (len(files), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
