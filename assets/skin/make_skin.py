#!/usr/bin/env python3
"""Makes our skin: skin.ini and every bitmap it names, beside this script.

    python3 make_skin.py            rewrite the skin files
    python3 make_skin.py --check    exit 1 unless the files on disk are exactly
                                    what the generator makes
    python3 make_skin.py --out DIR  write the skin into another folder

Standard library only and deterministic: the same bytes on every run, so the
committed files can be compared with a fresh generation.

Every image is drawn at each display scale of drawing.SCALES: name.bmp at
96 DPI and, for larger scales, name@1.5x.bmp and name@2x.bmp. Each is drawn
at its scale from the same geometry (measures scaled, rounded half up, as the
engine scales the values of skin.ini), never resampled from the 96-DPI
picture. Pixels are drawn one by one without smoothing (see drawing.py).
"""

import argparse
import functools
import pathlib
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the skin's files
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from drawing import (  # noqa: E402
    hue_degrees,
    KEY, ONE, SCALES, UNBOUNDED, Image, bmp_bytes, chevron, corner_cut, depth_map, diagonals,
    rgb, rounded_box, strip, tick, triangle_up)

# ---------------------------------------------------------------------------
# Colours (0xRRGGBB)

WHITE = rgb(255, 255, 255)
TEXT = rgb(32, 32, 34)
FACE = rgb(243, 241, 237)  # warm light grey behind every control
PAPER = rgb(252, 251, 249)  # raised surfaces: button faces, menus
FIELD = rgb(255, 255, 255)  # edit fields
LINE = rgb(160, 154, 146)  # 1-px outlines of fields and buttons
LINE_LIGHT = rgb(214, 209, 202)  # separators and quiet outlines
LINE_FAINT = rgb(228, 224, 218)
DISABLED_LINE = rgb(206, 201, 194)
DISABLED_FILL = rgb(238, 236, 232)
DISABLED_GLYPH = rgb(190, 185, 178)
PRESSED_FILL = rgb(224, 219, 212)
HOT_FILL = rgb(252, 240, 240)  # pale tint of the accent
TRACK = rgb(236, 233, 229)  # scroll-bar track and spin buttons
GLYPH = rgb(96, 92, 86)

ACCENT = rgb(179, 38, 46)  # the deep red of the program's header words
ACCENT_DARK = rgb(142, 28, 34)
ACCENT_HOT = rgb(200, 44, 52)

# Window chrome: a charcoal title bar over a red accent line; the inactive
# window turns mid grey but keeps white text readable (the inactive caption
# colour may fall back to the active one).
CHROME = {
    True: dict(outline=rgb(30, 30, 33), hilite=rgb(78, 79, 86),
               top=rgb(58, 59, 64), bottom=rgb(42, 43, 47),
               accent=ACCENT, band=rgb(232, 229, 224), inner=rgb(206, 201, 194),
               pill=rgb(70, 71, 77)),
    False: dict(outline=rgb(112, 113, 118), hilite=rgb(150, 151, 156),
                top=rgb(132, 133, 138), bottom=rgb(120, 121, 126),
                accent=rgb(170, 168, 164), band=rgb(238, 236, 232), inner=rgb(218, 214, 208),
                pill=rgb(144, 145, 150)),
}

# ---------------------------------------------------------------------------
# Geometry shared by the definition and the images, in 96-DPI pixels. The
# images of a larger scale take every measure through the scale (sc(m)), and
# 1-px lines become sc.hair px.

SIDE = 5  # left, right and bottom border thickness
TITLE_H = 28  # title bar height; its last two rows are the accent line
ACCENT_ROWS = 2
CORNER = 8  # radius of the rounded outer top corners
SIDE_H = 60  # side border frame height: title rows, stretched middle, bottom end
TOP_W = 64  # top border frame width; only its two ends carry the corners
TOP_END = 8  # fixed ends of the top border (cover the corner arcs)
BOTTOM_W = 20

# Everything on the title bar is centred on row 12.5, the middle of the dark
# rows 0..25 above the accent line.
CAP_W, CAP_H, CAP_Y = 30, 20, 3  # caption buttons
CAP_GAP = 2
CAP_GLYPH = 10  # caption glyphs: a 10 x 10 box centred on the button
ICON_X, ICON_Y = 10, 5  # the window's 16 x 16 small icon
PILL_TOP, PILL_BOTTOM = 4, 22  # caption text background, rows [top, bottom)
PILL_LEFT_CAP, PILL_MIDDLE, PILL_RIGHT_CAP = 3, 4, 12
TEXT_SHIFT = ICON_X + 16 + 4 - SIDE  # caption starts 4 px right of the icon
TEXT_SHIFT_VERT = -2  # halved by the painter: text one row up, onto 12.5

MENUBAR_H = 20
MENUBAR_ACTIVE = rgb(250, 249, 247)
MDI_CELL = 16


def caption_xcoord(slot):
    """Distance from the window's right edge to the left side of button `slot`
    (0 = close, rightmost)."""
    return SIDE + CAP_GAP + CAP_W + slot * (CAP_W + CAP_GAP)


# The caption text must stop short of the leftmost caption button.
TEXT_RIGHT_CLIP = caption_xcoord(2) - SIDE + 4

# ---------------------------------------------------------------------------
# Window chrome: borders, title strip, caption buttons
#
# One imaginary window is painted and the four border images are cut out of
# it, so their joins, corners and the title rows agree to the pixel.


@functools.lru_cache(maxsize=None)
def chrome(active, sc=ONE):
    c = CHROME[active]
    w, h = 2 * sc(SIDE) + sc(TOP_W), sc(SIDE_H)
    radius = sc.radius(CORNER)

    def inside(x, y):
        return not corner_cut(x, y, w, UNBOUNDED, radius)

    depth = depth_map(inside, w, h)
    win = Image(w, h)
    for y in range(h):
        for x in range(w):
            win.set(x, y, chrome_pixel(c, depth[y][x], y, sc))
    return win


def chrome_pixel(c, depth, y, sc):
    hair = sc.hair
    if depth < 0:
        return KEY  # cut from the window region
    if depth < hair:
        return c['outline']
    title = sc(TITLE_H)
    if y < title:
        if y >= title - sc(ACCENT_ROWS):
            return c['accent']
        return c['hilite'] if depth < 2 * hair else title_gradient(c, y, sc)
    if depth < sc(SIDE) - hair:
        return c['band']
    return c['inner']  # the innermost ring, next to the client area


def title_gradient(c, y, sc):
    """Vertical gradient over the title rows between the highlight ring and the
    accent line."""
    first, last = 2 * sc.hair, sc(TITLE_H) - sc(ACCENT_ROWS) - 1
    t = min(max(y - first, 0), last - first)
    out = 0
    for shift in (16, 8, 0):
        a, b = (c['top'] >> shift) & 255, (c['bottom'] >> shift) & 255
        out |= (a + ((b - a) * t * 2 + (last - first)) // (2 * (last - first))) << shift
    return out


def title_row(active, y, sc=ONE):
    """The title bar colour of row y, away from the corners."""
    win = chrome(active, sc)
    return win.get(win.width // 2, y)


def border_images(sc=ONE):
    active, inactive = chrome(True, sc), chrome(False, sc)
    side, h = sc(SIDE), sc(SIDE_H)

    def both(x, y, w, h, vertical):
        return strip([active.crop(x, y, w, h), inactive.crop(x, y, w, h)], vertical)

    return {
        'left.bmp': both(0, 0, side, h, False),
        'right.bmp': both(active.width - side, 0, side, h, False),
        'top.bmp': both(side, 0, sc(TOP_W), sc(TITLE_H), True),
        'bottom.bmp': both(side, h - side, sc(BOTTOM_W), side, True),
    }


def title_strip(sc=ONE):
    """Caption text background: a rounded pill, active above inactive."""
    width = sc(PILL_LEFT_CAP + PILL_MIDDLE + PILL_RIGHT_CAP)
    right_cap, top = sc(PILL_RIGHT_CAP), sc(PILL_TOP)
    frames = []
    for active in (True, False):
        frame = Image(width, sc(TITLE_H))
        # One pill longer than the strip gives the rounded left cap and
        # middle, and the right cap with its rounded end.
        pill = rounded_box(width + sc(8), sc(PILL_BOTTOM) - top, sc.radius(3),
                           CHROME[active]['pill'])
        frame.paste(pill.crop(0, 0, width - right_cap, pill.height), 0, top)
        frame.paste(pill.crop(pill.width - right_cap, 0, right_cap, pill.height),
                    width - right_cap, top)
        frames.append(frame)
    return strip(frames, vertical=True)


# Caption glyphs: size x size at (x0, y0), strokes as thick as a 1-px line
# at the scale (the X's diagonals that thick across).


def glyph_close(img, x0, y0, colour, size=10, sc=ONE):
    diagonals(img, x0, y0, size, sc.hair, colour)


def glyph_maximize(img, x0, y0, colour, size=10, sc=ONE):
    img.outline(x0, y0, x0 + size, y0 + size, colour, sc.hair)


def glyph_minimize(img, x0, y0, colour, size=10, sc=ONE):
    img.fill(x0, y0 + size // 2, x0 + size, y0 + size // 2 + sc.hair, colour)


def glyph_restore(img, x0, y0, colour, size=10, sc=ONE):
    line = sc.hair
    back = size - sc(2)
    front_x0, front_y0 = x0, y0 + size - back
    img.outline(front_x0, front_y0, front_x0 + back, front_y0 + back, colour, line)
    # The back window shows only where the front one does not cover it.
    back_x0 = x0 + size - back
    for y in range(y0, y0 + back):
        for x in range(back_x0, x0 + size):
            on_edge = not (y0 + line <= y < y0 + back - line
                           and back_x0 + line <= x < x0 + size - line)
            covered = front_x0 <= x < front_x0 + back and front_y0 <= y < front_y0 + back
            if on_edge and not covered:
                img.set(x, y, colour)


CAPTION_GLYPHS = {
    'close.bmp': glyph_close,
    'maximize.bmp': glyph_maximize,
    'restore.bmp': glyph_restore,
    'minimize.bmp': glyph_minimize,
}


def caption_frame(glyph, active, fill, glyph_colour, sc):
    """One caption button state. Every frame is opaque over the whole button:
    a state change is painted straight over the previous state, so each frame
    repaints its own title-bar background."""
    w, h, y0 = sc(CAP_W), sc(CAP_H), sc(CAP_Y)
    frame = Image(w, h)
    for y in range(h):
        frame.fill(0, y, w, y + 1, title_row(active, y0 + y, sc))
    if fill is not None:
        frame.overlay(rounded_box(w, h, sc.radius(3), fill), 0, 0)
    size = sc(CAP_GLYPH)
    glyph(frame, (w - size) // 2, (h - size) // 2, glyph_colour, size, sc)
    return frame


def caption_button(name, sc=ONE):
    """Frames: 1 normal, 2 pressed, 3 hot, 4 inactive window; 5 and 6 are not
    shown by the program (disabled, and hot on an inactive window)."""
    glyph = CAPTION_GLYPHS[name]
    close = name == 'close.bmp'
    hot = ACCENT_HOT if close else rgb(82, 83, 90)
    pressed = ACCENT_DARK if close else rgb(24, 24, 27)
    return strip([
        caption_frame(glyph, True, None, WHITE, sc),
        caption_frame(glyph, True, pressed, rgb(226, 226, 228), sc),
        caption_frame(glyph, True, hot, WHITE, sc),
        caption_frame(glyph, False, None, rgb(218, 218, 222), sc),
        caption_frame(glyph, True, None, rgb(104, 105, 111), sc),
        caption_frame(glyph, False, ACCENT_HOT if close else rgb(150, 151, 157), WHITE, sc),
    ])


def mdi_controls(sc=ONE):
    """Twelve cells: minimise, restore, close of a maximised MDI child, four
    cells each (1 normal, 2 pressed, 3 and 4 hot: the program shows cell 4
    while the mouse is over the button). Drawn inside the menu bar."""
    cell_size, glyph_size = sc(MDI_CELL), sc(8)
    cells = []
    for glyph, close in ((glyph_minimize, False), (glyph_restore, False), (glyph_close, True)):
        states = [
            (None, GLYPH),
            (ACCENT_DARK if close else rgb(210, 205, 198), WHITE if close else TEXT),
            (ACCENT if close else rgb(229, 225, 219), WHITE if close else TEXT),
        ]
        for fill, colour in states + [states[2]]:
            cell = Image(cell_size, cell_size, MENUBAR_ACTIVE)
            if fill is not None:
                cell.overlay(rounded_box(cell_size, cell_size, sc.radius(2), fill), 0, 0)
            at = (cell_size - glyph_size) // 2
            glyph(cell, at, at, colour, glyph_size, sc)
            cells.append(cell)
    return strip(cells)


def menu_bar(sc=ONE):
    """Menu bar background: active above inactive, a quiet line at the bottom."""
    w, h = sc(16), sc(MENUBAR_H)
    frames = []
    for colour in (MENUBAR_ACTIVE, FACE):
        frame = Image(w, h, colour)
        frame.fill(0, h - sc.hair, w, h, LINE_LIGHT)
        frames.append(frame)
    return strip(frames, vertical=True)


# ---------------------------------------------------------------------------
# Controls


def push_button(sc=ONE):
    """Frames: 1 normal, 2 pressed, 3 disabled, 4 hot or focused, 5 default
    button (not shown by the program)."""
    w, h, radius, hair = sc(20), sc(22), sc.radius(3), sc.hair

    def face(line, fill):
        return rounded_box(w, h, radius, fill, line, line_width=hair)
    default = rounded_box(w, h, radius, ACCENT)  # an accent outline two lines thick
    default.overlay(rounded_box(w - 2 * hair, h - 2 * hair, radius - hair, PAPER, ACCENT,
                                line_width=hair), hair, hair)
    return strip([
        face(LINE, PAPER),
        face(rgb(128, 122, 115), PRESSED_FILL),
        face(DISABLED_LINE, DISABLED_FILL),
        face(ACCENT, HOT_FILL),
        default,
    ])


def centred(outer, inner):
    return (outer - inner) // 2


def check_box(sc=ONE):
    """Frames: 1 unchecked, 2 checked, 3 disabled, 4 indeterminate,
    5 disabled and checked (not shown by the program). The check mark is
    9 x 7 at 96 DPI with 2-px strokes."""
    size = sc(13)
    mark_w, mark_h, square = sc(9), sc(7), sc(5)

    def box(line, fill, mark=None, square_colour=None):
        frame = rounded_box(size, size, sc.radius(2), fill, line, line_width=sc.hair)
        if mark is not None:
            frame.overlay(tick(mark_w, mark_h, sc(2), mark),
                          centred(size, mark_w), centred(size, mark_h))
        if square_colour is not None:
            at = centred(size, square)
            frame.fill(at, at, at + square, at + square, square_colour)
        return frame
    return strip([
        box(LINE, FIELD),
        box(ACCENT_DARK, ACCENT, mark=WHITE),
        box(DISABLED_LINE, DISABLED_FILL),
        box(LINE, FIELD, square_colour=rgb(120, 115, 108)),
        box(DISABLED_LINE, DISABLED_GLYPH, mark=WHITE),
    ])


def radio_button(sc=ONE):
    """Frames: 1 unchecked, 2 checked, 3 disabled, 4 disabled and checked,
    5 hot (not shown by the program)."""
    size, dot_size = sc(13), sc(5)

    def dot_frame(line, fill, dot=None):
        frame = rounded_box(size, size, size / 2, fill, line, line_width=sc.hair)
        if dot is not None:
            at = centred(size, dot_size)
            frame.overlay(rounded_box(dot_size, dot_size, dot_size / 2, dot), at, at)
        return frame
    return strip([
        dot_frame(LINE, FIELD),
        dot_frame(ACCENT, FIELD, dot=ACCENT),
        dot_frame(DISABLED_LINE, DISABLED_FILL),
        dot_frame(DISABLED_LINE, DISABLED_FILL, dot=DISABLED_GLYPH),
        dot_frame(ACCENT, HOT_FILL),
    ])


def progress(sc=ONE):
    """Frames: 1 the empty bar, 2 the filled part. The filled part keeps a
    key-colour ring, as thick as the bar's outline, so the outline shows
    around it."""
    size, radius, hair = sc(12), sc.radius(2), sc.hair
    empty = rounded_box(size, size, radius, PAPER, LINE, line_width=hair)
    inner = rounded_box(size - 2 * hair, size - 2 * hair, radius - hair, ACCENT)
    for y in range(hair):  # a lit top edge
        for x in range(inner.width):
            if inner.get(x, y) != KEY:
                inner.set(x, y, rgb(196, 70, 77))
    filled = Image(size, size)
    filled.paste(inner, hair, hair)
    return strip([empty, filled])


def group_box(sc=ONE):
    """Frames: 1 enabled, 2 disabled; a rounded 1-px frame around a clear
    middle. The program does not draw it yet."""
    size, radius = sc(16), sc.radius(3)
    return strip([rounded_box(size, size, radius, KEY, LINE_LIGHT, line_width=sc.hair),
                  rounded_box(size, size, radius, KEY, LINE_FAINT, line_width=sc.hair)])


def tabs(sc=ONE):
    """Frames: 1 tab, 2 the current tab (red top edge, open towards the page),
    3 hot, 4 disabled, 5 current tab of an unfocused control; the program
    shows 1 and 2."""
    w, h, radius, hair = sc(20), sc(22), sc.radius(3), sc.hair

    def tab(fill, line, top=None, open_bottom=False):
        frame = rounded_box(w, h, radius, fill, line, top_only=True, line_width=hair)
        frame.fill(0, h - hair, w, h, fill if open_bottom else line)
        if open_bottom:
            frame.fill(0, h - hair, hair, h, line)
            frame.fill(w - hair, h - hair, w, h, line)
        if top is not None:
            # The edge follows the rounded top inside the side outlines.
            edge = rounded_box(w - 2 * hair, sc(2), radius, top, top_only=True)
            frame.overlay(edge, hair, 0)
        return frame
    return strip([
        tab(rgb(230, 226, 220), LINE_LIGHT),
        tab(FACE, LINE_LIGHT, top=ACCENT, open_bottom=True),
        tab(rgb(237, 234, 229), LINE),
        tab(DISABLED_FILL, LINE_FAINT),
        tab(FACE, LINE_LIGHT, top=rgb(150, 146, 140), open_bottom=True),
    ])


def tab_border(sc=ONE):
    """The page frame around a tab control's display area: only the band
    inside the fixed margins 4, 5, 4, 4 is ever drawn."""
    size = sc(16)
    frame = Image(size, size, FACE)
    frame.outline(0, 0, size, size, LINE_LIGHT, sc.hair)
    return frame


def status_bar(sc=ONE):
    """Frames: 1 lowered panel, 2 raised panel, 3 no bevel."""
    n, hair = sc(12), sc.hair

    def panel(top_left, bottom_right):
        frame = Image(n, n, FACE)
        if top_left is not None:
            frame.fill(0, 0, n, hair, top_left)
            frame.fill(0, 0, hair, n, top_left)
            frame.fill(0, n - hair, n, n, bottom_right)
            frame.fill(n - hair, 0, n, n, bottom_right)
            frame.fill(n - hair, 0, n, hair, FACE)
            frame.fill(0, n - hair, hair, n, FACE)
        return frame
    return strip([panel(rgb(190, 184, 176), WHITE), panel(WHITE, rgb(190, 184, 176)),
                  panel(None, None)])


def combo_button(sc=ONE):
    """Frames: 1 normal, 2 pressed, 3 disabled, 4 hot or focused. Stretched
    whole over the right end of the combo box: its top, right and bottom rows
    continue the box's outline, a light line separates it from the text."""
    w, h, hair = sc(19), sc(21), sc.hair

    def frame(fill):
        f = Image(w, h, fill)
        f.fill(0, 0, w, hair, LINE)
        f.fill(0, h - hair, w, h, LINE)
        f.fill(w - hair, 0, w, h, LINE)
        f.fill(0, sc(4), hair, h - sc(4), LINE_LIGHT)
        return f
    return strip([frame(FIELD), frame(PRESSED_FILL), frame(DISABLED_FILL), frame(HOT_FILL)])


def combo_glyph(sc=ONE):
    """The drop-down chevron (9 x 5 at 96 DPI, 2-px arms), same frame order as
    the combo button, and a fifth frame that the program does not show."""
    return strip([chevron(sc(9), sc(5), sc(2), colour)
                  for colour in (GLYPH, TEXT, DISABLED_GLYPH, ACCENT, rgb(140, 135, 128))])


def sunk_edge(sc=ONE):
    """Field outline of combo boxes (frame 1; 1-px margins so the painter
    takes one-pixel edges). Frames 2 to 4, hot, disabled and focused, are not
    shown by the program."""
    size = sc(8)

    def frame(line, fill):
        f = Image(size, size, fill)
        f.outline(0, 0, size, size, line, sc.hair)
        return f
    return strip([frame(LINE, FIELD), frame(ACCENT, FIELD), frame(DISABLED_LINE, DISABLED_FILL),
                  frame(ACCENT_DARK, HOT_FILL)])


def header(sc=ONE):
    """Column header: frames 1 normal (the one the program draws), 2 hot,
    3 pressed, 4 disabled, 5 sorted column."""
    w, h, hair = sc(16), sc(20), sc.hair

    def frame(fill, bottom=LINE_LIGHT, text_line=LINE_LIGHT):
        f = Image(w, h, fill)
        f.fill(w - hair, sc(3), w, h - sc(3), text_line)  # column separator, inset top and bottom
        f.fill(0, h - hair, w, h, bottom)
        return f
    return strip([frame(PAPER), frame(rgb(242, 239, 235)), frame(PRESSED_FILL),
                  frame(FACE, LINE_FAINT, LINE_FAINT), frame(PAPER, bottom=ACCENT)])


MENU_ITEM_W, MENU_ITEM_H = 32, 20
MENU_INDENT = 4  # separator line ends, inside the item


def menu_item(sc=ONE):
    """Frames: 1 normal item (clear: the popup background shows), 2 separator
    (its bottom 8 rows: an indented line), 3 selected and disabled,
    4 selected, 5 hot without keyboard focus; the program shows 1, 2 and 4."""
    w, h, gap, indent = sc(MENU_ITEM_W), sc(MENU_ITEM_H), sc(1), sc(MENU_INDENT)

    def highlight(fill):
        f = Image(w, h)
        f.overlay(rounded_box(w - 2 * gap, h - 2 * gap, sc.radius(2), fill), gap, gap)
        return f
    separator = Image(w, h)
    separator.fill(indent, h - sc(4), w - indent, h - sc(4) + sc.hair, LINE_LIGHT)
    return strip([Image(w, h), separator, highlight(rgb(214, 209, 202)),
                  highlight(ACCENT), highlight(rgb(246, 226, 227))])


def menu_background(sc=ONE):
    """Popup menu: paper inside a 1-px outline."""
    size = sc(16)
    f = Image(size, size, PAPER)
    f.outline(0, 0, size, size, rgb(176, 170, 162), sc.hair)
    return f


def tool_button(sc=ONE):
    """Frames: 1 normal (flat, clear), 2 pressed, 3 disabled, 4 hot, 5 checked.
    The program does not draw tool bars from it yet."""
    size, radius, hair = sc(22), sc.radius(3), sc.hair

    def box(fill, line):
        return rounded_box(size, size, radius, fill, line, line_width=hair)
    return strip([
        Image(size, size),
        box(PRESSED_FILL, rgb(176, 170, 162)),
        box(KEY, LINE_FAINT),
        box(rgb(236, 233, 228), rgb(196, 190, 182)),
        box(HOT_FILL, ACCENT),
    ])


# Scroll-bar arrows, 23 frames of 17 x 17. Per direction four frames:
# normal, pressed, hot, disabled (left 1-4, right 5-8, up 9-12, down 13-16);
# frame 17 is a size grip and 18-23 are blank. The program shows the normal
# and pressed frames. The arrows are 45-degree triangles, 7 x 4 at 96 DPI.
ARROW = 17
TRIANGLE_W, TRIANGLE_H = 7, 4


def arrow_triangle(direction, colour, sc):
    tri = triangle_up(sc(TRIANGLE_W), sc(TRIANGLE_H), colour)
    return {'up': tri, 'down': tri.flipped(), 'left': tri.transposed(),
            'right': tri.transposed().mirrored()}[direction]


def arrow_frame(direction, fill, colour, sc):
    size, gap = sc(ARROW), sc(1)
    f = Image(size, size)
    if fill is not None:
        f.overlay(rounded_box(size - 2 * gap, size - 2 * gap, sc.radius(2), fill), gap, gap)
    tri = arrow_triangle(direction, colour, sc)
    f.overlay(tri, centred(size, tri.width), centred(size, tri.height))
    return f


def size_grip(sc):
    """Six 2 x 2 dots, 3 px apart, in a staircase towards the bottom right
    corner; at 96 DPI the last dot ends 2 px from the right, 3 from the
    bottom."""
    size, dot, pitch = sc(ARROW), sc(2), sc(3)
    f = Image(size, size)
    right, bottom = size - sc(2), size - sc(3)
    for i in range(3):
        for j in range(3):
            if i + j >= 2:
                x, y = right - dot - (2 - i) * pitch, bottom - dot - (2 - j) * pitch
                f.fill(x, y, x + dot, y + dot, rgb(176, 170, 162))
    return f


def scroll_arrows(sc=ONE):
    frames = []
    for direction in ('left', 'right', 'up', 'down'):
        frames += [arrow_frame(direction, None, rgb(120, 115, 108), sc),
                   arrow_frame(direction, rgb(200, 195, 188), TEXT, sc),
                   arrow_frame(direction, rgb(222, 218, 212), rgb(70, 66, 62), sc),
                   arrow_frame(direction, None, DISABLED_GLYPH, sc)]
    frames.append(size_grip(sc))
    frames += [Image(sc(ARROW), sc(ARROW)) for _ in range(6)]
    return strip(frames)


def scroll_track(vertical, sc=ONE):
    """Track between the arrows: frames 1 normal (the one the program draws),
    2 hot, 3 pressed, 4 disabled. Flat, so it stretches cleanly."""
    del vertical  # flat: the same frames serve both directions
    size = sc(16)
    return strip([Image(size, size, c)
                  for c in (TRACK, rgb(230, 227, 222), rgb(222, 218, 212), FACE)])


THUMB_COLOURS = (rgb(185, 179, 171), rgb(128, 122, 115), rgb(160, 154, 146))


def thumb_frame(colour, vertical, sc=ONE):
    """An 8-px pill along a 16-px frame, 1 px from either end: its rounded
    ends lie inside the thumb's 5-px fixed ends."""
    size, gap, thickness = sc(16), sc(1), sc(8)
    f = Image(size, size)
    f.overlay(rounded_box(size - 2 * gap, thickness, thickness / 2, colour),
              gap, centred(size, thickness))
    return f.transposed() if vertical else f


def scroll_thumb(vertical, sc=ONE):
    """Frames: 1 normal, 2 pressed or dragged, 3 hot (not shown by the
    program)."""
    return strip([thumb_frame(colour, vertical, sc) for colour in THUMB_COLOURS])


# Spin buttons: frames 1-4 the first button (up or left) normal, pressed,
# disabled, hot; frames 5-8 the second (down or right). Flat fills stretch to
# any button size; the arrows are a separate glyph strip drawn unstretched.
UPDOWN_FILLS = (TRACK, rgb(214, 209, 202), FACE, HOT_FILL)
UPDOWN_GLYPHS = (GLYPH, TEXT, DISABLED_GLYPH, ACCENT)


def updown(horizontal, sc=ONE):
    w, h = (sc(11), sc(16)) if horizontal else (sc(16), sc(11))
    frames = [Image(w, h, fill) for _ in range(2) for fill in UPDOWN_FILLS]
    return strip(frames)


def updown_glyphs(horizontal, sc=ONE):
    frames = []
    for flip in (False, True):
        for colour in UPDOWN_GLYPHS:
            tri = triangle_up(sc(TRIANGLE_W), sc(TRIANGLE_H), colour)
            if flip:
                tri = tri.flipped()
            frames.append(tri.transposed() if horizontal else tri)
    return strip(frames)


# ---------------------------------------------------------------------------
# The skin set: file name -> (image, bits per pixel). The borders keep full
# colour, the caption buttons 24 bits, every control image a palette. The
# names are those of the 96-DPI files; the larger scales add their suffix.


def skin_images(sc=ONE):
    images = {}
    for name, image in border_images(sc).items():
        images[name] = (image, 32)
    for name in CAPTION_GLYPHS:
        images[name] = (caption_button(name, sc), 24)
    for name, draw in (
            ('titlestrip.bmp', title_strip),
            ('menubar.bmp', menu_bar),
            ('mdicontrols.bmp', mdi_controls),
            ('button.bmp', push_button),
            ('checkbox.bmp', check_box),
            ('radio.bmp', radio_button),
            ('progress.bmp', progress),
            ('groupbox.bmp', group_box),
            ('tabs.bmp', tabs),
            ('tabborder.bmp', tab_border),
            ('statusbar.bmp', status_bar),
            ('combobutton.bmp', combo_button),
            ('comboglyph.bmp', combo_glyph),
            ('sunkedge.bmp', sunk_edge),
            ('header.bmp', header),
            ('menuitem.bmp', menu_item),
            ('menuback.bmp', menu_background),
            ('toolbar.bmp', tool_button),
            ('scrollarrows.bmp', scroll_arrows),
            ('hscroll.bmp', functools.partial(scroll_track, False)),
            ('vscroll.bmp', functools.partial(scroll_track, True)),
            ('hthumb.bmp', functools.partial(scroll_thumb, False)),
            ('vthumb.bmp', functools.partial(scroll_thumb, True)),
            ('updownh.bmp', functools.partial(updown, True)),
            ('updownv.bmp', functools.partial(updown, False)),
            ('updownhglyph.bmp', functools.partial(updown_glyphs, True)),
            ('updownvglyph.bmp', functools.partial(updown_glyphs, False))):
        images[name] = (draw(sc=sc), 8)
    return images


# ---------------------------------------------------------------------------
# The definition


def colour_text(c):
    return f'{c >> 16} {(c >> 8) & 255} {c & 255}'


def title_text_keys(prefix, c):
    return [(prefix + 'R', c >> 16), (prefix + 'G', (c >> 8) & 255), (prefix + 'B', c & 255)]


def border_keys(name, top, bottom, trans):
    """A border image with its two fixed ends (top and bottom for the sides,
    left and right for the top and bottom borders), active and inactive
    frames, stretched middle."""
    return [(name, name.lower() + '.bmp'), (name + 'TopHeight', top),
            (name + 'BotHeight', bottom), (name + 'Frame', 2), (name + 'Stretch', 1),
            (name + 'Trans', trans)]


TITLE_TEXT = {True: WHITE, False: rgb(228, 228, 231)}


def personality_keys():
    return (border_keys('Left', TITLE_H, SIDE, 1) + border_keys('Right', TITLE_H, SIDE, 1)
            + border_keys('Top', TOP_END, TOP_END, 1)
            + border_keys('Bottom', 0, 0, 0)  # no corners: a plain rectangle region
            + [('TextBack', 'titlestrip.bmp'), ('Textbackground', 1), ('TextAlignment', 0),
               ('TextShift', TEXT_SHIFT), ('TextShiftVert', TEXT_SHIFT_VERT),
               ('TextRightClip', TEXT_RIGHT_CLIP),
               ('TXTBackleft', PILL_LEFT_CAP), ('TXTBackRight', PILL_RIGHT_CAP)]
            + title_text_keys('ActiveText', TITLE_TEXT[True])
            + title_text_keys('InActiveText', TITLE_TEXT[False])
            + [('menuBar', 'menubar.bmp'), ('TileMenu', 1), ('TileLeftMenu', 2),
               ('TileRightMenu', 2)])


def colour_keys():
    # ButtonHilight frames the hot menu-bar item: white would vanish on our
    # light menu bar, so it takes the accent, like the outline of hot buttons.
    return [(key, colour_text(c)) for key, c in (
        ('WindowText', TEXT), ('ButtonFace', FACE), ('Scrollbar', TRACK),
        ('HilightText', WHITE), ('Hilight', ACCENT), ('Menubar', MENUBAR_ACTIVE),
        ('Menu', PAPER), ('MenuText', TEXT), ('ButtonText', TEXT), ('ButtonHilight', ACCENT),
        ('Buttonlight', PAPER), ('ButtonShadow', LINE), ('ButtonDkShadow', rgb(96, 92, 86)),
        ('MenuBarText', TEXT), ('TitleTextActive', TITLE_TEXT[True]),
        ('TitleTextInactive', TITLE_TEXT[False]))]


def caption_keys(action, align, xcoord, ycoord, visibility, visibility1, image=None):
    keys = [('Action', action), ('Align', align), ('Xcoord', xcoord), ('Ycoord', ycoord),
            ('Visibility', visibility), ('Visibility1', visibility1)]
    return keys + [('ButtonImage', image)] if image else keys


# Caption-button codes. Action: 0 close, 1 maximise or restore, 2 minimise,
# 3 system menu (shows the window's icon). Align: 0 from the left edge,
# 1 from the right edge. Visibility and Visibility1, two conditions that must
# both hold: 0 always (close: with a system menu), 1 maximised, 2 not
# maximised, 6 with a maximise box, 7 without one, 8 with a minimise box.
def caption_sections():
    def right(slot, action, visibility, visibility1, image):
        return caption_keys(action, 1, caption_xcoord(slot), CAP_Y, visibility, visibility1,
                            image)
    return [
        ('Button.Close', right(0, 0, 0, 0, 'close.bmp')),
        ('Button.Maximize', right(1, 1, 2, 6, 'maximize.bmp')),
        ('Button.Restore', right(1, 1, 1, 6, 'restore.bmp')),
        # Left of the maximise button; without a maximise box the minimise
        # button takes its place instead of leaving a gap.
        ('Button.Minimize', right(2, 2, 8, 6, 'minimize.bmp')),
        ('Button.MinimizeAlone', right(1, 2, 8, 7, 'minimize.bmp')),
        ('Button.SystemMenu', caption_keys(3, 0, ICON_X, ICON_Y, 0, 0)),
    ]


def image_keys(image, margins=(0, 0, 0, 0), trans=0, text=None, extra=()):
    """An image object: Image (and a second image), margins (left, top,
    right, bottom), Trans, Tile and, when given, the text colours of the
    normal, hot and pressed states."""
    keys = [('Image', image)] + list(extra) + list(zip(
        ('LeftWidth', 'TopHeight', 'RightWidth', 'BottomHeight'), margins))
    keys += [('Trans', trans), ('Tile', 0)]
    if text:
        keys += [(key, colour_text(c)) for key, c in
                 zip(('NormalColour2', 'MouseOverColour2', 'PressedColour2'), text)]
    return keys


def control_sections():
    buttons = [('Bitmap', 'button.bmp'), ('LeftWidth', 4), ('TopHeight', 4), ('RightWidth', 4),
               ('BottomHeight', 4), ('Trans', 1),
               ('CheckButton', 'checkbox.bmp'), ('CheckButtonFrame', 5),
               ('RadioButton', 'radio.bmp'), ('RadioButtonFrame', 5),
               ('NormalColour2', colour_text(TEXT)),
               ('MouseOverColour2', colour_text(ACCENT_DARK)),
               ('PressedColour2', colour_text(TEXT))]
    progress_keys = [('Bitmap', 'progress.bmp'), ('LeftWidth', 2), ('TopHeight', 2),
                     ('RightWidth', 2), ('BottomHeight', 2), ('Trans', 1), ('Tile', 0)]
    return [
        ('MDICONTROLS', [('Image', 'mdicontrols.bmp')]),
        ('Buttons', buttons),
        ('Progress', progress_keys),
        ('GroupBoxEdge', image_keys('groupbox.bmp', (4, 4, 4, 4), trans=1)),
        ('Toolbars', image_keys('toolbar.bmp', (4, 4, 4, 4), trans=1, text=(TEXT,) * 3)),
        ('Tabs', image_keys('tabs.bmp', (4, 4, 4, 2), trans=1,
                            text=(rgb(90, 86, 80), TEXT, TEXT),
                            extra=[('Border', 'tabborder.bmp')])),
        ('StatusBarEdges', image_keys('statusbar.bmp', (2, 2, 2, 2),
                                      text=(rgb(70, 68, 64),) * 3)),
        ('ComboButton', image_keys('combobutton.bmp')),
        ('SunkEdge', image_keys('sunkedge.bmp', (1, 1, 1, 1))),
        ('ExtraImages', image_keys('comboglyph.bmp', trans=1)),
        ('Headerbar', image_keys('header.bmp', (1, 3, 2, 2))),
        ('MenuItem', image_keys('menuitem.bmp', (MENU_INDENT, 3, MENU_INDENT, 3), trans=1)),
        ('MenuBackground', image_keys('menuback.bmp', (3, 3, 3, 3))),
        ('Scrollbar', image_keys('scrollarrows.bmp', trans=1)),
        ('HorzScroll', image_keys('hscroll.bmp')),
        ('VertScroll', image_keys('vscroll.bmp')),
        ('HorzScrollThumb', image_keys('hthumb.bmp', (5, 0, 5, 0), trans=1)
         + [('FrameCount', 3)]),
        ('VertScrollThumb', image_keys('vthumb.bmp', (0, 5, 0, 5), trans=1)
         + [('FrameCount', 3)]),
        ('UpDown.Horz', image_keys('updownh.bmp', trans=1,
                                   extra=[('GlyphImage', 'updownhglyph.bmp')])),
        ('UpDown.Vert', image_keys('updownv.bmp', trans=1,
                                   extra=[('GlyphImage', 'updownvglyph.bmp')])),
    ]


def definition():
    """Sections in file order, each a list of (key, value)."""
    return ([('TitlebarSkin', [('SkinName', 'Tavrin Charcoal')]),
             ('Personality', personality_keys()),
             ('Fonts', [('FontHeight', 14)]),
             ('Colours', colour_keys()),
             ('Colourise', [('AccentHue', hue_degrees(ACCENT))])]
            + caption_sections() + control_sections())


def ini_text(sections):
    lines = ['; Made by make_skin.py; edit the generator, not this file.', '']
    for name, keys in sections:
        lines.append(f'[{name}]')
        lines += [f'{key}={value}' for key, value in keys]
        lines.append('')
    return '\r\n'.join(lines).encode('ascii')


# ---------------------------------------------------------------------------
# Files


def scaled_files(images_of):
    """name -> bytes of every image at every scale; images_of(sc) gives the
    images of one scale as name -> (image, bits)."""
    files = {}
    for sc in SCALES:
        for name, (image, bits) in images_of(sc).items():
            files[sc.file_name(name)] = bmp_bytes(image, bits, sc.pels_per_metre)
    return files


def skin_files():
    """Every file of the skin: name -> bytes."""
    files = scaled_files(skin_images)
    files['skin.ini'] = ini_text(definition())
    return files


# ---------------------------------------------------------------------------


def check(folder, files):
    """Lists the differences between the folder and a fresh generation."""
    problems = []
    for name, data in files.items():
        path = folder / name
        if not path.exists():
            problems.append(f'{name}: missing')
        elif path.read_bytes() != data:
            problems.append(f'{name}: differs from the generator')
    for path in sorted(folder.glob('*.bmp')) + sorted(folder.glob('*.ini')):
        if path.name not in files:
            problems.append(f'{path.name}: not made by the generator')
    return problems


def write(folder, files):
    folder.mkdir(parents=True, exist_ok=True)
    for path in list(folder.glob('*.bmp')) + list(folder.glob('*.ini')):
        if path.name not in files:
            path.unlink()  # stale output of an earlier design
    for name, data in files.items():
        (folder / name).write_bytes(data)


def main(argv):
    here = pathlib.Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--check', action='store_true',
                        help='verify the files instead of writing them')
    parser.add_argument('--out', type=pathlib.Path, default=here,
                        help='folder of the skin files (default: beside this script)')
    args = parser.parse_args(argv)
    files = skin_files()
    if args.check:
        problems = check(args.out, files)
        for p in problems:
            print(f'{args.out}/{p}', file=sys.stderr)
        if problems:
            print('run: python3 assets/skin/make_skin.py', file=sys.stderr)
        return 1 if problems else 0
    write(args.out, files)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
