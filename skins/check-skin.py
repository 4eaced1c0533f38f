#!/usr/bin/env python3
"""Checks a rendered skin folder against the rules its engine reads it by.

    check-skin.py <skin folder> <command table source>
    check-skin.py --self-test <skin folder> <command table source>

Every bitmap that skin.ini names exists and is a 24-bit bitmap; every control
and view rectangle lies inside its window's image; every control name is a row
of the command table or carries a "." (a full refresh disables any other
name); every numbered section runs from "1" without a gap (so neither of the
engine's key walks passes a line over); every line has its kind's fields;
every image, font and enumeration that a line names is there. The self-test
breaks a copy of the skin in one way per row and expects each fault found.
"""
import os
import re
import shutil
import struct
import sys
import tempfile

# Fields of a control line by section suffix (the drop-down's are a minimum).
FIELD_COUNTS = {"BUTTONS": 13, "TEXTINFO": 15, "TRACKBARINFO": 14, "PROGRESSINFO": 8,
                "EDITS": 10, "LISTBOXS": 11, "COMBOBOXINFO": 25, "STRINGSINFO": 11, "APPVIEWS": 5}
# Where the rectangle starts in each kind's line (0-based field index).
RECT_AT = {"BUTTONS": 1, "TEXTINFO": 9, "TRACKBARINFO": 5, "PROGRESSINFO": 2, "EDITS": 1,
           "LISTBOXS": 1, "COMBOBOXINFO": 1, "STRINGSINFO": 1, "APPVIEWS": 1}
NAMED = ("BUTTONS", "TEXTINFO", "TRACKBARINFO", "PROGRESSINFO", "EDITS", "LISTBOXS", "COMBOBOXINFO")
FONT_FIELDS = 37


def read_ini(path):
    """Sections and keys as the private-profile reader sees them: names
    without regard to case, the first of two equal keys wins, values trimmed."""
    sections = {}
    current = None
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith(";"):
                continue
            if line.startswith("[") and "]" in line:
                current = sections.setdefault(line[1:line.index("]")].upper(), {})
                continue
            if current is not None and "=" in line:
                key, value = line.split("=", 1)
                current.setdefault(key.strip().upper(), value.strip())
    return sections


def fields(line):
    """The skin file's field rule: the text before the first comma, then the
    rest trimmed; a field keeps white space that stands before its comma."""
    out = []
    rest = line
    while rest:
        if "," in rest:
            field, rest = rest.split(",", 1)
            rest = rest.strip()
        else:
            field, rest = rest, ""
        out.append(field)
    return out


def number(text):
    m = re.match(r"\s*([+-]?\d+)", text)
    return int(m.group(1)) if m else 0


def bitmap_size(path, problems):
    """Width and height of a 24-bit uncompressed bitmap, or None with a problem."""
    if not os.path.isfile(path):
        problems.append("missing file %s" % os.path.basename(path))
        return None
    with open(path, "rb") as f:
        head = f.read(54)
    if len(head) < 54 or head[:2] != b"BM":
        problems.append("%s is not a bitmap" % os.path.basename(path))
        return None
    width, height, _, bits, compression = struct.unpack("<iiHHI", head[18:34])
    if bits != 24 or compression != 0:
        problems.append("%s is %d-bit (compression %d), not 24-bit" % (os.path.basename(path), bits, compression))
        return None
    return width, abs(height)


def check_cursor(path, problems):
    if not os.path.isfile(path):
        problems.append("missing file %s" % os.path.basename(path))
        return
    with open(path, "rb") as f:
        reserved, kind, count = struct.unpack("<HHH", f.read(6))
    if reserved != 0 or kind != 2 or count < 1:
        problems.append("%s is not a cursor file" % os.path.basename(path))


def command_rows(table_source):
    with open(table_source, encoding="utf-8") as f:
        rows = re.findall(r'\{"([^"]+)",\s*[01],', f.read())
    if not rows:
        sys.exit("no command rows in %s" % table_source)
    return {r.upper() for r in rows}


def numbered_lines(sections, name, problems):
    section = sections.get(name.upper(), {})
    lines = []
    n = 1
    while str(n) in section and section[str(n)]:
        lines.append(section[str(n)])
        n += 1
    if len(section) != len(lines):
        problems.append("[%s] has keys past a gap or not numbered: %s" % (name, sorted(section)))
    return lines


def inside(rect, size):
    x, y, w, h = rect
    return w > 0 and h > 0 and x >= 0 and y >= 0 and x + w <= size[0] and y + h <= size[1]


def check(folder, rows):
    problems = []
    ini_path = os.path.join(folder, "skin.ini")
    if not os.path.isfile(ini_path):
        return ["missing file skin.ini"]
    sections = read_ini(ini_path)
    info = sections.get("SKININFO", {})
    for key in ("PREVIEWBMPFILENAME", "LOGOBMPFILENAME", "ABOUTBMPFILENAME", "IMAGELIST"):
        if not info.get(key):
            problems.append("[SkinInfo] has no %s" % key)
        else:
            bitmap_size(os.path.join(folder, info[key]), problems)
    if info.get("SPECVERSION") != "2.00":
        problems.append("[SkinInfo] SpecVersion is not 2.00")
    check_cursor(os.path.join(folder, info.get("CURSORFILENAME", "")), problems)

    atlas_size = bitmap_size(os.path.join(folder, info.get("IMAGELIST", "")), []) if info.get("IMAGELIST") else None
    images = set()
    for line in numbered_lines(sections, "IMAGELISTINFO", problems):
        f = fields(line)
        images.add(f[0].upper())
        if atlas_size and not inside([number(v) for v in (f + [""] * 5)[1:5]], atlas_size):
            problems.append("atlas image %s lies outside the atlas" % f[0])
    fonts = set()
    for line in numbered_lines(sections, "FONTSINFO", problems):
        f = fields(line)
        fonts.add(f[0].upper())
        if line.count(",") + 1 != FONT_FIELDS:
            problems.append("font %s has %d fields, not %d" % (f[0], line.count(",") + 1, FONT_FIELDS))
    enums = {}
    for line in numbered_lines(sections, "ENUMS", problems):
        f = fields(line)
        enums[f[0].upper()] = f[4:]
    for enum_texts in (enums.get("CONVERTIMAGE", []),):
        for image in enum_texts:
            if image.upper() not in images:
                problems.append("enumeration image %s is not in the atlas" % image)

    windows = [s for s, keys in sections.items() if "MAIN" in keys]
    for window in windows:
        keys = sections[window]
        size = bitmap_size(os.path.join(folder, keys["MAIN"]), problems)
        for key in ("OVER", "DOWN", "DISABLED", "MASKNOADVANCEDPANEL", "MASKWITHADVANCEDPANEL"):
            if keys.get(key):
                other = bitmap_size(os.path.join(folder, keys[key]), problems)
                if size and other and other != size:
                    problems.append("[%s] %s is %s, Main is %s" % (window, key, other, size))
        for suffix, count in FIELD_COUNTS.items():
            for line in numbered_lines(sections, "%s/%s" % (window, suffix), problems):
                f = fields(line.replace("\t", " ") if suffix == "BUTTONS" else line)
                what = "[%s/%s] %s" % (window, suffix, f[0])
                # Trailing empty fields count: the engine reads them as empty.
                written = line.count(",") + 1
                if written < count:
                    problems.append("%s has %d fields, not %d" % (what, written, count))
                    continue
                f += [""] * (count - len(f))
                rect = [number(v) for v in f[RECT_AT[suffix]:RECT_AT[suffix] + 4]]
                if size and not inside(rect, size):
                    problems.append("%s lies outside its window %s" % (what, size))
                if suffix in NAMED and "." not in f[0] and f[0].upper() not in rows:
                    problems.append("%s is no command row and has no '.'" % what)
                if suffix == "BUTTONS":
                    for image in (f[7],):
                        if image and image.upper() not in images:
                            problems.append("%s names image %s, not in the atlas" % (what, image))
                    if f[10] and f[11] and f[11].upper() not in fonts:
                        problems.append("%s names font %s, not in [FONTSINFO]" % (what, f[11]))
                    for enum in (f[8], f[9], f[12]):
                        if enum and enum.upper() not in enums:
                            problems.append("%s names enumeration %s, not in [ENUMS]" % (what, enum))
                if suffix == "TRACKBARINFO":
                    for image in f[1:5]:
                        if image.upper() not in images:
                            problems.append("%s names thumb %s, not in the atlas" % (what, image))
                if suffix == "APPVIEWS" and len(f) > 5:
                    # A task list's skin data: its three header bitmaps.
                    for name in f[6:9]:
                        bitmap_size(os.path.join(folder, name), problems)
                    if f[0].upper() in sections:
                        problems.append("%s is a window and takes no skin data" % what)
    if not windows:
        problems.append("no window section")
    return problems


def self_test(folder, rows):
    """One broken copy of the skin per row; the check must name each fault."""
    def replace_line(text, old, new):
        assert old in text, old
        return text.replace(old, new, 1)

    def eight_bit(path):
        with open(path, "r+b") as f:
            f.seek(28)
            f.write(struct.pack("<H", 8))

    with open(os.path.join(folder, "skin.ini"), encoding="latin-1", newline="") as f:
        ini = f.read()
    first_button = re.search(r"\[VideoConverterDialog/BUTTONS\]\r?\n1=([^\r\n]*)", ini).group(1)
    cases = [
        ("a window image that is not 24-bit", "REELCRAFTDLG_Over.bmp", "not 24-bit",
         lambda d: eight_bit(os.path.join(d, "REELCRAFTDLG_Over.bmp"))),
        ("a missing list header bitmap", "ListHeadFill.bmp", "missing file",
         lambda d: os.remove(os.path.join(d, "ListHeadFill.bmp"))),
        ("a missing preview picture", "Preview.bmp", "missing file",
         lambda d: os.remove(os.path.join(d, "Preview.bmp"))),
        ("a button outside its window", "AddFiles", "outside its window",
         lambda d: write(d, replace_line(ini, "1=" + first_button, "1=AddFiles,700,12,116,32" +
                                          first_button[len("AddFiles,12,12,116,32"):]))),
        ("a name that is no command row", "Convrt", "no command row",
         lambda d: write(d, replace_line(ini, "Convert,576,", "Convrt,576,"))),
        ("a line after a gap", "BUTTONS", "past a gap",
         lambda d: write(d, replace_line(ini, "[VideoConverterDialog/BUTTONS]\r\n1=",
                                         "[VideoConverterDialog/BUTTONS]\r\n12=x.y,0,0,1,1,,,,,,,,\r\n1="))),
        ("a line with too few fields", "Browse", "fields, not 13",
         lambda d: write(d, replace_line(ini, "Browse,386,354,66,28,", "Browse,386,354,66,28\r\n;"))),
    ]
    failures = 0
    for name, subject, expected, breaker in cases:
        work = tempfile.mkdtemp(prefix="skin-check-")
        try:
            copy = os.path.join(work, "skin")
            shutil.copytree(folder, copy)
            breaker(copy)
            found = [p for p in check(copy, rows) if subject in p and expected in p]
            print("%-40s %s" % (name, "found" if found else "NOT FOUND"))
            failures += not found
        finally:
            shutil.rmtree(work)
    return failures


def write(folder, text):
    with open(os.path.join(folder, "skin.ini"), "w", encoding="latin-1", newline="") as f:
        f.write(text)


def main():
    args = sys.argv[1:]
    testing = args[:1] == ["--self-test"]
    if testing:
        args = args[1:]
    if len(args) != 2:
        sys.exit(__doc__)
    folder, table = args
    rows = command_rows(table)
    if testing:
        sys.exit(1 if self_test(folder, rows) else 0)
    problems = check(folder, rows)
    for p in problems:
        print(p)
    print("%s: %d problem(s)" % (folder, len(problems)))
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
