#!/usr/bin/env python3
"""Renders a skin folder from its sources.

    render-skin.py <source folder> <format profile> <output folder> <work folder>

The source folder holds layout.txt (every window, control and view with its
rectangle, written once), looks/ (the SVG pieces a designer edits, with their
palette) and cursor.svg. From them this writes skin.ini and every bitmap that
skin.ini names: the window images in their four states, the window mask, the
image-list atlas, the list-header bitmaps, the logo, preview and about
pictures, the photo page's default picture and the cursor; the SVG and PNG
steps stay in the work folder. SVG is turned into
pixels by rsvg-convert and into 24-bit bitmaps by ImageMagick's convert (their
paths come from the environment as RSVG_CONVERT and IM_CONVERT).
"""
import configparser
import os
import re
import shlex
import struct
import subprocess
import sys

STATES = ("normal", "over", "down", "disabled")
# The window keys of each state's image.
STATE_KEYS = {"normal": "Main", "over": "Over", "down": "Down", "disabled": "Disabled"}
PUSH_KINDS = ("button", "icon", "tab", "convert")
# Captions and painted texts that do not fit (a longer translation, a narrower
# hand-edited rectangle) end in "..." instead of being cut at both ends.
DT_END_ELLIPSIS = 0x8000
CAPTION_FORMAT = 37 | DT_END_ELLIPSIS  # DT_CENTER | DT_VCENTER | DT_SINGLELINE
TEXT_FORMAT = 36     # DT_LEFT | DT_VCENTER | DT_SINGLELINE
FACE = "Tahoma"
LIST_HEADER = ("ListHeadLeft.bmp", "ListHeadRight.bmp", "ListHeadFill.bmp")
HEADER_HEIGHT = 22
THUMB_SIZE = 16      # the trackbar keeps (size - 1) pixels of each thumb
ATLAS = "ImageList.bmp"
CURSOR = "Hand.cur"


class Control:
    def __init__(self, window, kind, name, rect, props):
        self.window, self.kind, self.name, self.rect, self.props = window, kind, name, rect, props

    def get(self, key, default=""):
        return self.props.get(key, default)


class Window:
    def __init__(self, name, width, height, props):
        self.name, self.width, self.height, self.props = name, width, height, props
        self.controls = []

    def of_kind(self, *kinds):
        return [c for c in self.controls if c.kind in kinds]


def read_layout(path):
    windows = []
    groups = {}
    group = None
    with open(path, encoding="utf-8") as f:
        lines = list(enumerate(f, 1))
    pending = list(reversed(lines))
    while pending:
        number, line = pending.pop()
        words = shlex.split(line, comments=True)
        if not words:
            continue
        if group is not None:
            if words == ["end"]:
                group = None
            else:
                groups[group].append((number, line))
            continue
        try:
            if words[0] == "group":
                group = words[1]
                groups[group] = []
                continue
            if words[0] == "use":
                values = dict(w.split("=", 1) for w in words[2:])
                for inner in reversed(groups[words[1]]):
                    text = re.sub(r"\$(\w+)", lambda m: values[m.group(1)], inner[1])
                    pending.append((inner[0], text))
                continue
            if words[0] == "window":
                props = dict(w.split("=", 1) for w in words[4:])
                windows.append(Window(words[1], int(words[2]), int(words[3]), props))
                continue
            kind, name = words[0], words[1]
            rect = tuple(int(v) for v in words[2:6])
            props = dict(w.split("=", 1) for w in words[6:])
        except (ValueError, IndexError, KeyError) as error:
            sys.exit("%s:%d: %s" % (path, number, error))
        if not windows or len(rect) != 4:
            sys.exit("%s:%d: a control line needs a window and four numbers" % (path, number))
        windows[-1].controls.append(Control(windows[-1], kind, name, rect, props))
    return windows


def colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def rgb(text):
    return "%d,%d,%d" % colour(text)


class Looks:
    """The SVG pieces and their palette; {expression} in a piece is filled in."""

    def __init__(self, folder):
        self.folder = folder
        self.palette = configparser.ConfigParser()
        self.palette.read(os.path.join(folder, "palette.ini"))

    def colours(self, look, state):
        section = "%s.%s" % (look, state)
        if not self.palette.has_section(section):
            return {}
        return dict(self.palette.items(section))

    def piece(self, name, **values):
        for folder in (self.folder, os.path.join(self.folder, "glyphs")):
            path = os.path.join(folder, name + ".svg")
            if os.path.exists(path):
                with open(path, encoding="utf-8") as f:
                    text = f.read()
                return re.sub(r"\{([^{}]+)\}", lambda m: str(eval(m.group(1), {"min": min, "max": max}, values)), text)
        sys.exit("no look %s in %s" % (name, self.folder))

    def glyph(self, name, left, top, size, **values):
        """A glyph (drawn on a 16-pixel grid) placed at left, top and scaled to size."""
        if not name:
            return ""
        return '<g transform="translate(%g %g) scale(%g)">%s</g>' % (
            left, top, size / 16.0, self.piece(name, **values))


def control_look(c):
    if c.kind == "icon" and c.window.name == "REELCRAFTDLG":
        return "titleicon"
    return c.kind


def state_colours(looks, c, state):
    look = control_look(c)
    values = looks.colours(look, state)
    if c.name == "Power_Off":  # the close button turns red under the pointer
        values.update(looks.colours("closeicon", state))
    return values


def draw_control(looks, c, state, variant=None):
    """The SVG of one control in one state; variant picks the Stop look of Convert."""
    x, y, w, h = c.rect
    geo = dict(x=x, y=y, w=w, h=h, cx=x + w / 2.0, cy=y + h / 2.0)
    if c.kind in ("button", "icon", "tab", "dropdown"):
        values = dict(geo, **state_colours(looks, c, state))
        svg = looks.piece({"tab": "tab", "dropdown": "dropdown", "icon": "icon"}.get(c.kind, "button"), **values)
        glyph = c.get("glyph")
        if glyph:
            size = 16 if c.kind != "icon" or h < 32 else 24
            if c.get("caption"):
                gx = x + 10
            else:
                gx = x + (w - size) / 2.0
            svg += looks.glyph(glyph, gx, y + (h - size) / 2.0, size, **values)
        return svg
    if c.kind == "convert":
        values = dict(geo, **looks.colours(variant or "convert", state))
        return looks.piece("convert", **values)
    if c.kind == "progress":
        # Main shows the empty track, Down the full one; the others follow Main.
        return looks.piece("progress", **dict(geo, **looks.colours("progress", "down" if state == "down" else "normal")))
    if c.kind == "trackbar":
        return looks.piece("groove", **geo)
    if c.kind == "art":
        values = dict(geo, ink="#ffffff", fill="#111827")
        values["glyph"] = looks.piece(c.get("glyph"), ink="#ffffff", fill="#111827") if c.get("glyph") else ""
        return looks.piece(c.get("look"), **values)
    return ""


def window_svg(looks, window, state, extra=""):
    body = looks.piece(window.props.get("art", "page"), W=window.width, H=window.height)
    for c in window.controls:
        body += draw_control(looks, c, state)
    return svg_document(window.width, window.height, body + extra)


def svg_document(width, height, body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">%s</svg>\n'
            % (width, height, width, height, body))


class Renderer:
    def __init__(self, out, work):
        self.out, self.work = out, work
        self.rsvg = os.environ.get("RSVG_CONVERT", "rsvg-convert")
        self.convert = os.environ.get("IM_CONVERT", "convert")

    def png(self, name, svg):
        svg_path = os.path.join(self.work, name + ".svg")
        png_path = os.path.join(self.work, name + ".png")
        with open(svg_path, "w", encoding="utf-8") as f:
            f.write(svg)
        subprocess.run([self.rsvg, "-o", png_path, svg_path], check=True)
        return png_path

    def bitmap(self, file_name, svg, resize=None):
        """Renders svg into a 24-bit bitmap (or a JPEG for a .jpg name) in the output."""
        png = self.png(os.path.splitext(file_name)[0], svg)
        args = [self.convert, png, "-background", "#ffffff", "-alpha", "remove", "-alpha", "off"]
        if resize:
            args += ["-filter", "Lanczos", "-resize", resize]
        target = os.path.join(self.out, file_name)
        if file_name.lower().endswith(".jpg"):
            args += ["-quality", "90", target]
        else:
            args += ["-type", "TrueColor", "BMP3:" + target]
        subprocess.run(args, check=True)

    def rgba(self, svg, name, size):
        png = self.png(name, svg)
        raw = subprocess.run([self.convert, png, "-depth", "8", "RGBA:-"], check=True,
                             stdout=subprocess.PIPE).stdout
        if len(raw) != size * size * 4:
            sys.exit("cursor %s is not %dx%d" % (name, size, size))
        return raw


def write_cursor(path, rgba, size, hotspot):
    """A .cur file: one 32-bit image with its AND mask, bottom-up rows."""
    rows = [rgba[y * size * 4:(y + 1) * size * 4] for y in range(size)]
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = row[x * 4:x * 4 + 4]
            xor += bytes((b, g, r, a))
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def read_profile(path):
    profile = configparser.ConfigParser(interpolation=None, strict=False)
    profile.optionxform = str.lower
    with open(path, encoding="latin-1") as f:
        profile.read_string(f.read())
    return profile


def numbered_sections(profile, prefix, key):
    texts = []
    n = 0
    while profile.has_section("%s%d" % (prefix, n)):
        texts.append(profile.get("%s%d" % (prefix, n), key, fallback=""))
        n += 1
    return texts


def drop_down_items(profile, which):
    """The items of a drop-down, in the order of the indexes its command stores."""
    formats = [profile.get("OUTPUTFORMAT", str(n), fallback="") for n in range(1, 11)]
    lists = {
        "video": formats[:8],
        "photo": formats[8:9],
        "music": [d.split(":")[0] for d in numbered_sections(profile, "MOT", "desc")],
        "resolution": numbered_sections(profile, "PhotoResolution", "1"),
        "quality": numbered_sections(profile, "PhotoQuality", "1"),
    }
    # A comma would end an item: the skin line is comma-separated.
    return [t.replace(", ", " - ").replace(",", " ") for t in lists[which] if t]


class SkinIni:
    def __init__(self):
        self.lines = []

    def section(self, name, entries):
        self.lines.append("[%s]" % name)
        self.lines += ["%s=%s" % kv for kv in entries]
        self.lines.append("")

    def numbered(self, name, values):
        if values:
            self.section(name, [(str(i), v) for i, v in enumerate(values, 1)])

    def text(self):
        return "\r\n".join(self.lines) + "\r\n"


def join(*fields):
    return ",".join(str(f) for f in fields)


def font_line(looks, name, look, size, weight, margins, over=(0, 0, 0, 0), down=(1, 1, -1, -1)):
    inks = [rgb(looks.colours(look, s).get("ink", "#000000")) for s in STATES]
    return join(name, size, weight, FACE, 0, 0, CAPTION_FORMAT, 0, "0,0,0", 0, 0,
                join(*margins), *inks, join(*over), join(*down))


def skin_lines(looks, windows, profile, atlas):
    ini = SkinIni()
    fonts = [
        font_line(looks, "Button", "button", 9, 400, (0, 0, 0, 0)),
        font_line(looks, "GlyphButton", "button", 9, 400, (24, 0, 4, 0)),
        font_line(looks, "Tab", "tab", 10, 700, (24, 0, 4, 0), down=(0, 0, 0, 0)),
        font_line(looks, "Convert", "convert", 13, 700, (0, 0, 0, 0)),
    ]
    enums = [
        "ConvertImage,0,1,1,CONVERT,STOP",
        "ConvertTip,0,1,1,Convert the files in the list,Stop the conversion",
        "ConvertCaption,0,1,1,Convert,Stop",
    ]
    ini.numbered("FONTSINFO", fonts)
    ini.numbered("ENUMS", enums)
    ini.numbered("IMAGELISTINFO", [join(n, *r) for n, r in atlas])
    ink = rgb(looks.palette.get("colours", "ink"))
    muted = rgb(looks.palette.get("colours", "muted"))
    for window in windows:
        keys = [(STATE_KEYS[s], "%s_%s.bmp" % (window.name, STATE_KEYS[s])) for s in STATES]
        keys.append(("Windowtype", 1))
        if window.props.get("mask") == "yes":
            keys += [("MaskNoAdvancedPanel", "%s_Mask.bmp" % window.name),
                     ("MaskWithAdvancedPanel", "%s_Mask.bmp" % window.name)]
        keys.append(("ButtonAlpha", 1))
        ini.section(window.name, keys)
        buttons, labels, tracks, bars, edits, drops, strings, views = ([] for _ in range(8))
        for c in window.controls:
            x, y, w, h = c.rect
            if c.kind in PUSH_KINDS:
                font = ""
                if c.kind == "tab":
                    font = "Tab"
                elif c.kind == "convert":
                    font = "Convert"
                elif c.get("caption"):
                    font = "GlyphButton" if c.get("glyph") else "Button"
                caption = c.get("caption") or ("Convert" if c.kind == "convert" else "")
                enum = ("ConvertImage", "ConvertTip", "ConvertCaption") if c.kind == "convert" else ("", "", "")
                buttons.append(join(c.name, x, y, w, h, c.get("tip"), "", c.get("shape"),
                                    enum[0], enum[1], caption, font, enum[2]))
            elif c.kind == "label":
                labels.append(join(c.name, FACE, 0, 0, c.get("size", 8), c.get("format", TEXT_FORMAT),
                                   ink, x, y, w, h, c.get("caption"), ""))
            elif c.kind == "trackbar":
                tracks.append(join(c.name, "THUMB_NORMAL", "THUMB_DOWN", "THUMB_OVER", "THUMB_DISABLED",
                                   x, y, w, h, "H", 0, c.get("tip"), 0, c.get("max", 100)))
            elif c.kind == "progress":
                bars.append(join(c.name, c.get("tip"), x, y, w, h, "H", ""))
            elif c.kind == "edit":
                edits.append(join(c.name, x, y, w, h, ink, c.get("tip"), 1))
            elif c.kind == "dropdown":
                popup = looks.colours("dropdown", "over")
                colours = (ink, ink, "255,255,255", "255,255,255", rgb(looks.palette.get("colours", "accent")),
                           rgb(popup["edge"]))
                drops.append(join(c.name, x, y, w, h, c.get("tip"), *colours, 0,
                                  *drop_down_items(profile, c.get("items"))))
            elif c.kind == "string":
                strings.append(join(c.name, x, y, w, h, c.get("size", 9), c.get("weight", 400),
                                    TEXT_FORMAT | DT_END_ELLIPSIS, c.get("colour", muted)))
            elif c.kind == "view":
                line = join(c.name, x, y, w, h)
                if c.get("list"):
                    line += "," + join(0, *LIST_HEADER, "0,0,0", "245,247,250", "255,255,255", ink,
                                       c.get("list"))
                views.append(line)
        for suffix, lines in (("BUTTONS", buttons), ("TEXTINFO", labels), ("TRACKBARINFO", tracks),
                              ("PROGRESSINFO", bars), ("EDITS", edits), ("COMBOBOXINFO", drops),
                              ("STRINGSINFO", strings), ("APPVIEWS", views)):
            ini.numbered("%s/%s" % (window.name, suffix), lines)
    return ini


def render_atlas(looks, renderer, windows):
    """The image list: Convert's two looks as strips of four, the trackbar
    thumbs and the round button shapes, stacked from the top."""
    convert = next(c for w in windows for c in w.controls if c.kind == "convert")
    cw, ch = convert.rect[2], convert.rect[3]
    body, entries, y = "", [], 0
    page = looks.palette.get("colours", "page")
    for name, variant in (("CONVERT", "convert"), ("STOP", "stop")):
        body += '<rect x="0" y="%d" width="%d" height="%d" fill="%s"/>' % (y, cw * 4, ch, page)
        for i, state in enumerate(STATES):
            shifted = Control(convert.window, "convert", convert.name, (i * cw, y, cw, ch), {})
            body += draw_control(looks, shifted, state, variant)
        entries.append((name, (0, y, cw * 4, ch)))
        y += ch
    for i, (name, state) in enumerate((("THUMB_NORMAL", "normal"), ("THUMB_DOWN", "down"),
                                       ("THUMB_OVER", "over"), ("THUMB_DISABLED", "disabled"))):
        x = i * THUMB_SIZE
        body += '<g shape-rendering="crispEdges">%s</g>' % looks.piece(
            "thumb", x=x, y=y, w=THUMB_SIZE, h=THUMB_SIZE, **looks.colours("thumb", state))
        entries.append((name, (x, y, THUMB_SIZE, THUMB_SIZE)))
    y += THUMB_SIZE
    x = 0
    for size in (28, 32):
        body += '<g shape-rendering="crispEdges">%s</g>' % looks.piece("shape", x=x, y=y, w=size, h=size)
        entries.append(("ROUND%d" % size, (x, y, size, size)))
        x += size
    y += 32
    renderer.bitmap(ATLAS, svg_document(cw * 4, y, '<rect width="100%%" height="100%%" fill="%s"/>' % page + body))
    return entries


def render_header(renderer):
    gradient = ('<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#fbfcfd"/>'
                '<stop offset="1" stop-color="#e6eaf0"/></linearGradient></defs>')
    fill = '<rect width="100%" height="100%" fill="url(#g)"/>'
    edge = '<rect x="%d" y="3" width="1" height="%d" fill="#c9d0da"/>'
    bottom = '<rect x="0" y="%d" width="100%%" height="1" fill="#c3cad4"/>' % (HEADER_HEIGHT - 1)
    renderer.bitmap(LIST_HEADER[0], svg_document(2, HEADER_HEIGHT, gradient + fill + bottom + edge % (1, HEADER_HEIGHT - 6)))
    renderer.bitmap(LIST_HEADER[1], svg_document(2, HEADER_HEIGHT, gradient + fill + bottom + edge % (0, HEADER_HEIGHT - 6)))
    renderer.bitmap(LIST_HEADER[2], svg_document(1, HEADER_HEIGHT, gradient + fill + bottom))


def render_pictures(looks, renderer, windows):
    """Logo, about picture, skin preview and the photo page's default picture."""
    title = ('<text x="%d" y="%d" font-family="DejaVu Sans" font-weight="bold" font-size="%d" fill="%s">'
             'Reel Craft</text>')
    logo = looks.glyph("logo", 8, 8, 32) + title % (50, 33, 22, "#1f2937")
    renderer.bitmap("Logo.bmp", svg_document(200, 48, '<rect width="200" height="48" fill="#ffffff"/>' + logo))
    about = ('<rect width="360" height="140" fill="#1b2330"/><rect y="104" width="360" height="36" fill="#2563eb"/>'
             + looks.glyph("logo", 24, 28, 56) + title % (96, 68, 34, "#f1f5f9")
             + '<text x="24" y="127" font-family="DejaVu Sans" font-size="13" fill="#ffffff">'
               'Video, music and photo conversion</text>')
    renderer.bitmap("About.bmp", svg_document(360, 140, about))
    main = next(w for w in windows if w.name == "REELCRAFTDLG")
    video = next(w for w in windows if w.name == "VideoConverterDialog")
    page = next(c for c in main.controls if c.name == video.name)
    inner = window_svg(looks, video, "normal")
    inner = inner[inner.index(">") + 1:inner.rindex("</svg>")]
    tab = next(c for c in main.controls if c.name == "ShowVideoConverter")
    shot = window_svg(looks, main, "normal",
                      draw_control(looks, tab, "down")
                      + '<g transform="translate(%d %d)">%s</g>' % (page.rect[0], page.rect[1], inner))
    renderer.bitmap("Preview.bmp", shot, resize="160x115!")
    photo = ('<defs><linearGradient id="s" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#1e3a8a"/>'
             '<stop offset="1" stop-color="#60a5fa"/></linearGradient></defs>'
             '<rect width="280" height="210" fill="url(#s)"/>'
             '<path d="M0 210 L90 110 L150 170 L195 130 L280 210 Z" fill="#0f172a" opacity="0.8"/>'
             '<circle cx="210" cy="60" r="22" fill="#fde68a"/>')
    renderer.bitmap("Photo.JPG", svg_document(280, 210, photo))


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    source, profile_path, out, work = sys.argv[1:]
    os.makedirs(out, exist_ok=True)
    os.makedirs(work, exist_ok=True)
    looks = Looks(os.path.join(source, "looks"))
    windows = read_layout(os.path.join(source, "layout.txt"))
    renderer = Renderer(out, work)
    for window in windows:
        for state in STATES:
            renderer.bitmap("%s_%s.bmp" % (window.name, STATE_KEYS[state]), window_svg(looks, window, state))
        if window.props.get("mask") == "yes":
            renderer.bitmap("%s_Mask.bmp" % window.name, svg_document(
                window.width, window.height,
                '<g shape-rendering="crispEdges">%s</g>' % looks.piece("mask", W=window.width, H=window.height)))
    atlas = render_atlas(looks, renderer, windows)
    render_header(renderer)
    render_pictures(looks, renderer, windows)
    with open(os.path.join(source, "cursor.svg"), encoding="utf-8") as f:
        cursor_svg = f.read()
    hotspot = tuple(int(v) for v in re.search(r'data-hotspot="(\d+) (\d+)"', cursor_svg).groups())
    write_cursor(os.path.join(out, CURSOR), renderer.rgba(cursor_svg, "cursor", 32), 32, hotspot)
    ini = SkinIni()
    with open(os.path.join(source, "skininfo.ini"), encoding="utf-8") as f:
        info = [tuple(l.strip().split("=", 1)) for l in f if "=" in l and not l.startswith(";")]
    ini.section("SkinInfo", info + [("ImageList", ATLAS), ("CursorFileName", CURSOR)])
    ini.lines += skin_lines(looks, windows, read_profile(profile_path), atlas).lines
    with open(os.path.join(out, "skin.ini"), "w", encoding="latin-1", newline="") as f:
        f.write("; The default skin of the program, made by render-skin.py from its sources.\r\n")
        f.write(ini.text())


if __name__ == "__main__":
    main()
