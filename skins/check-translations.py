#!/usr/bin/env python3
"""Checks that every text a rendered skin has translated has a translation.

    check-translations.py <skin folder> <translation file>...
    check-translations.py --self-test <skin folder> <translation file>

The skin engine looks each translated field of a control line up in the
language's "ToolTips" section: button tooltips and captions and the texts of
their tooltip and caption enumerations, trackbar and progress-bar tooltips,
drop-down tooltips and items, and the window's painted texts. A text with no
line there stays English in that language, so each one must have a line in
every translation file (a text that reads the same in a language gets a line
that says so). Texts without a word (picture sizes, "APPNAME") need none.
The self-test drops one line from a copy of a translation file and expects
the check to name that text.
"""
import importlib.util
import os
import re
import sys
import tempfile

_spec = importlib.util.spec_from_file_location(
    "check_skin", os.path.join(os.path.dirname(os.path.abspath(__file__)), "check-skin.py"))
check_skin = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(check_skin)

SEPARATOR = " => "


def translated_texts(folder):
    """Each translated text of the skin, with the first control that shows it."""
    sections = check_skin.read_ini(os.path.join(folder, "skin.ini"))
    enums = {}
    for line in check_skin.numbered_lines(sections, "ENUMS", []):
        f = check_skin.fields(line)
        enums[f[0].upper()] = f[4:]
    texts = {}

    def add(text, where):
        if text and re.search(r"[A-Za-z]{2}", text) and text != "APPNAME":
            texts.setdefault(text, where)

    windows = [s for s, keys in sections.items() if "MAIN" in keys]
    for window in windows:
        def lines(suffix):
            return [check_skin.fields(l) + [""] * check_skin.FIELD_COUNTS[suffix]
                    for l in check_skin.numbered_lines(sections, "%s/%s" % (window, suffix), [])]
        for f in lines("BUTTONS"):
            where = "%s button %s" % (window, f[0])
            add(f[5], where)
            add(f[10], where)
            for enum in (f[9], f[12]):
                for text in enums.get(enum.upper(), []):
                    add(text, where)
        for f in lines("TRACKBARINFO"):
            add(f[11], "%s trackbar %s" % (window, f[0]))
        for f in lines("PROGRESSINFO"):
            add(f[1], "%s progress bar %s" % (window, f[0]))
        for f in lines("COMBOBOXINFO"):
            where = "%s drop-down %s" % (window, f[0])
            add(f[5], where)
            for item in f[25:]:
                if not item:
                    break
                add(item, where)
        for f in lines("STRINGSINFO"):
            add(f[0], "%s painted text" % window)
    return texts


def tooltip_keys(path):
    """The English keys of a translation file's ToolTips section."""
    keys = set()
    section = None
    with open(path, encoding="cp1252") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if not line or line.startswith(";"):
                continue
            if line.startswith("[") and line.endswith("]"):
                section = line[1:-1]
            elif section == "ToolTips" and SEPARATOR in line:
                keys.add(line.split(SEPARATOR, 1)[0].replace("\\n", "\n").lower())
    return keys


def check(folder, translation_files):
    problems = []
    texts = translated_texts(folder)
    if not texts:
        problems.append("%s has no translated text" % folder)
    for path in translation_files:
        keys = tooltip_keys(path)
        for text, where in sorted(texts.items()):
            if text.lower() not in keys:
                problems.append('%s: no ToolTips line for "%s" (%s)' % (os.path.basename(path), text, where))
    return problems


def self_test(folder, path):
    """Drops the line of one button caption and one painted text."""
    texts = translated_texts(folder)
    with open(path, encoding="cp1252", newline="") as f:
        original = f.read()
    failures = 0
    for wanted in ("Delete", "Output format:"):
        if wanted not in texts:
            print("%-30s NOT IN THE SKIN" % wanted)
            failures += 1
            continue
        pattern = re.compile(r"^%s => [^\r\n]*\r?\n" % re.escape(wanted), re.M | re.I)
        broken = pattern.sub("", original, count=1)
        with tempfile.TemporaryDirectory(prefix="translation-check-") as work:
            copy = os.path.join(work, os.path.basename(path))
            with open(copy, "w", encoding="cp1252", newline="") as f:
                f.write(broken)
            found = [p for p in check(folder, [copy]) if '"%s"' % wanted in p]
        print("%-30s %s" % (wanted, "found" if found and broken != original else "NOT FOUND"))
        failures += not (found and broken != original)
    return failures


def main():
    args = sys.argv[1:]
    testing = args[:1] == ["--self-test"]
    if testing:
        args = args[1:]
    if len(args) < 2:
        sys.exit(__doc__)
    folder, files = args[0], args[1:]
    if testing:
        sys.exit(1 if self_test(folder, files[0]) else 0)
    problems = check(folder, files)
    for p in problems:
        print(p)
    print("%d translated text(s) of %s: %d problem(s)" % (len(translated_texts(folder)), folder, len(problems)))
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
