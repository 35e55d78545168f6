#!/usr/bin/env python3
"""Makes our skin: skin.ini and every bitmap it names, beside this script.

    python3 make_skin.py            rewrite the skin files
    python3 make_skin.py --check    exit 1 unless the files on disk are exactly
                                    what the generator makes
    python3 make_skin.py --out DIR  write the skin into another folder

Standard library only and deterministic: the same bytes on every run, so the
committed files can be compared with a fresh generation.

Every image is drawn pixel by pixel without smoothing: the painters stretch
with nearest-pixel copies and cut window regions at the key colour, where
blended edge pixels would only show as fringes.
"""

import argparse
import collections
import functools
import pathlib
import struct
import sys

# ---------------------------------------------------------------------------
# Colours (0xRRGGBB)


def rgb(r, g, b):
    return (r << 16) | (g << 8) | b


KEY = rgb(255, 0, 255)  # transparent in every skin image

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
# Geometry shared by the definition and the images

SIDE = 5  # left, right and bottom border thickness
TITLE_H = 28  # title bar height; its last two rows are the accent line
CORNER = 8  # radius of the rounded outer top corners
SIDE_H = 60  # side border frame height: title rows, stretched middle, bottom end
TOP_W = 64  # top border frame width; only its two ends carry the corners
TOP_END = 8  # fixed ends of the top border (cover the corner arcs)
BOTTOM_W = 20

# Everything on the title bar is centred on row 12.5, the middle of the dark
# rows 0..25 above the accent line.
CAP_W, CAP_H, CAP_Y = 30, 20, 3  # caption buttons
CAP_GAP = 2
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
# Images


class Image:
    """A width x height grid of 0xRRGGBB pixels, top row first."""

    def __init__(self, width, height, fill=KEY):
        self.width = width
        self.height = height
        self.pixels = [fill] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle [x0, x1) x [y0, y1)."""
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                self.pixels[y * self.width + x] = colour

    def outline(self, x0, y0, x1, y1, colour):
        """A 1-px frame just inside the rectangle [x0, x1) x [y0, y1)."""
        self.fill(x0, y0, x1, y0 + 1, colour)
        self.fill(x0, y1 - 1, x1, y1, colour)
        self.fill(x0, y0, x0 + 1, y1, colour)
        self.fill(x1 - 1, y0, x1, y1, colour)

    def paste(self, src, x0, y0):
        for y in range(src.height):
            for x in range(src.width):
                self.set(x0 + x, y0 + y, src.get(x, y))

    def overlay(self, src, x0, y0):
        """Pastes src except its key-colour pixels."""
        for y in range(src.height):
            for x in range(src.width):
                c = src.get(x, y)
                if c != KEY:
                    self.set(x0 + x, y0 + y, c)

    def draw(self, art, x0, y0, colour):
        """Sets the pixels marked 'X' in a list of text rows."""
        for y, row in enumerate(art):
            for x, ch in enumerate(row):
                if ch == 'X':
                    self.set(x0 + x, y0 + y, colour)

    def crop(self, x0, y0, w, h):
        out = Image(w, h)
        for y in range(h):
            for x in range(w):
                out.set(x, y, self.get(x0 + x, y0 + y))
        return out

    def transposed(self):
        out = Image(self.height, self.width)
        for y in range(self.height):
            for x in range(self.width):
                out.set(y, x, self.get(x, y))
        return out

    def flipped(self):
        """Mirrored top to bottom."""
        out = Image(self.width, self.height)
        for y in range(self.height):
            for x in range(self.width):
                out.set(x, self.height - 1 - y, self.get(x, y))
        return out

    def mirrored(self):
        """Mirrored left to right."""
        out = Image(self.width, self.height)
        for y in range(self.height):
            for x in range(self.width):
                out.set(self.width - 1 - x, y, self.get(x, y))
        return out


def strip(frames, vertical=False):
    """Frames of one size side by side (or stacked), frame 1 first."""
    w, h = frames[0].width, frames[0].height
    assert all(f.width == w and f.height == h for f in frames)
    out = Image(w, h * len(frames)) if vertical else Image(w * len(frames), h)
    for i, frame in enumerate(frames):
        if vertical:
            out.paste(frame, 0, i * h)
        else:
            out.paste(frame, i * w, 0)
    return out


# ---------------------------------------------------------------------------
# Rounded shapes


def corner_cut(x, y, w, h, radius):
    """True when pixel (x, y) of a w x h box lies outside its rounded corners.
    A pixel belongs to the shape when its centre lies inside the arc."""
    if radius <= 0:
        return False
    cx = radius if x < radius else (w - radius if x >= w - radius else None)
    cy = radius if y < radius else (h - radius if y >= h - radius else None)
    if cx is None or cy is None:
        return False
    dx, dy = x + 0.5 - cx, y + 0.5 - cy
    return dx * dx + dy * dy > radius * radius


UNBOUNDED = 1 << 20  # a shape height whose bottom corners are never reached


def depth_map(inside, w, h):
    """4-connected distance of every inside pixel to the nearest outside one,
    less one: 0 on the outer ring, 1 on the ring within it, and so on."""
    depth = [[-1] * w for _ in range(h)]
    queue = collections.deque()
    for y in range(h):
        for x in range(w):
            if not inside(x, y):
                continue
            if any(not (0 <= nx < w and 0 <= ny < h) or not inside(nx, ny)
                   for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))):
                depth[y][x] = 0
                queue.append((x, y))
    while queue:
        x, y = queue.popleft()
        for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
            if 0 <= nx < w and 0 <= ny < h and depth[ny][nx] < 0 and inside(nx, ny):
                depth[ny][nx] = depth[y][x] + 1
                queue.append((nx, ny))
    return depth


def rounded_box(w, h, radius, fill, line=None, top_only=False):
    """A w x h box with rounded corners on the key colour (only the top two
    with top_only), and an optional 1-px outline following the corners."""
    shape_h = UNBOUNDED if top_only else h

    def inside(x, y):
        return not corner_cut(x, y, w, shape_h, radius)
    depth = depth_map(inside, w, h)
    box = Image(w, h)
    for y in range(h):
        for x in range(w):
            if depth[y][x] >= 0:
                box.set(x, y, line if line is not None and depth[y][x] == 0 else fill)
    return box


# ---------------------------------------------------------------------------
# Window chrome: borders, title strip, caption buttons
#
# One imaginary window is painted and the four border images are cut out of
# it, so their joins, corners and the title rows agree to the pixel.

CHROME_W = SIDE + TOP_W + SIDE
CHROME_H = SIDE_H


@functools.lru_cache(maxsize=None)
def chrome(active):
    c = CHROME[active]

    def inside(x, y):
        return not corner_cut(x, y, CHROME_W, UNBOUNDED, CORNER)

    depth = depth_map(inside, CHROME_W, CHROME_H)
    win = Image(CHROME_W, CHROME_H)
    for y in range(CHROME_H):
        for x in range(CHROME_W):
            win.set(x, y, chrome_pixel(c, depth[y][x], y))
    return win


def chrome_pixel(c, depth, y):
    if depth < 0:
        return KEY  # cut from the window region
    if depth == 0:
        return c['outline']
    if y < TITLE_H:
        if y >= TITLE_H - 2:
            return c['accent']
        return c['hilite'] if depth == 1 else title_gradient(c, y)
    if depth <= SIDE - 2:
        return c['band']
    return c['inner']  # the innermost ring, next to the client area


def title_gradient(c, y):
    """Vertical gradient over the title rows between the highlight ring and the
    accent line."""
    first, last = 2, TITLE_H - 3
    t = min(max(y - first, 0), last - first)
    out = 0
    for shift in (16, 8, 0):
        a, b = (c['top'] >> shift) & 255, (c['bottom'] >> shift) & 255
        out |= (a + ((b - a) * t * 2 + (last - first)) // (2 * (last - first))) << shift
    return out


def title_row(active, y):
    """The title bar colour of row y, away from the corners."""
    return chrome(active).get(CHROME_W // 2, y)


def border_images():
    active, inactive = chrome(True), chrome(False)

    def both(x, y, w, h, vertical):
        return strip([active.crop(x, y, w, h), inactive.crop(x, y, w, h)], vertical)

    return {
        'left.bmp': both(0, 0, SIDE, SIDE_H, False),
        'right.bmp': both(CHROME_W - SIDE, 0, SIDE, SIDE_H, False),
        'top.bmp': both(SIDE, 0, TOP_W, TITLE_H, True),
        'bottom.bmp': both(SIDE, CHROME_H - SIDE, BOTTOM_W, SIDE, True),
    }


def title_strip():
    """Caption text background: a rounded pill, active above inactive."""
    width = PILL_LEFT_CAP + PILL_MIDDLE + PILL_RIGHT_CAP
    frames = []
    for active in (True, False):
        frame = Image(width, TITLE_H)
        # One pill longer than the strip gives the rounded left cap and
        # middle, and the right cap with its rounded end.
        pill = rounded_box(width + 8, PILL_BOTTOM - PILL_TOP, 3, CHROME[active]['pill'])
        frame.paste(pill.crop(0, 0, PILL_LEFT_CAP + PILL_MIDDLE, pill.height), 0, PILL_TOP)
        frame.paste(pill.crop(pill.width - PILL_RIGHT_CAP, 0, PILL_RIGHT_CAP, pill.height),
                    PILL_LEFT_CAP + PILL_MIDDLE, PILL_TOP)
        frames.append(frame)
    return strip(frames, vertical=True)


# Caption glyphs, drawn in a 10 x 10 box centred on the button.
GLYPH_BOX = ((CAP_W - 10) // 2, (CAP_H - 10) // 2)


def glyph_close(img, x0, y0, colour, size=10):
    for i in range(size):
        img.set(x0 + i, y0 + i, colour)
        img.set(x0 + size - 1 - i, y0 + i, colour)


def glyph_maximize(img, x0, y0, colour, size=10):
    img.outline(x0, y0, x0 + size, y0 + size, colour)


def glyph_minimize(img, x0, y0, colour, size=10):
    img.fill(x0, y0 + size // 2, x0 + size, y0 + size // 2 + 1, colour)


def glyph_restore(img, x0, y0, colour, size=10):
    back = size - 2
    front_x0, front_y0 = x0, y0 + size - back
    img.outline(front_x0, front_y0, front_x0 + back, front_y0 + back, colour)
    # The back window shows only where the front one does not cover it.
    for y in range(y0, y0 + back):
        for x in range(x0 + size - back, x0 + size):
            on_edge = y in (y0, y0 + back - 1) or x in (x0 + size - back, x0 + size - 1)
            covered = front_x0 <= x < front_x0 + back and front_y0 <= y < front_y0 + back
            if on_edge and not covered:
                img.set(x, y, colour)


CAPTION_GLYPHS = {
    'close.bmp': glyph_close,
    'maximize.bmp': glyph_maximize,
    'restore.bmp': glyph_restore,
    'minimize.bmp': glyph_minimize,
}


def caption_frame(glyph, active, fill, glyph_colour):
    """One caption button state. Every frame is opaque over the whole button:
    a state change is painted straight over the previous state, so each frame
    repaints its own title-bar background."""
    frame = Image(CAP_W, CAP_H)
    for y in range(CAP_H):
        frame.fill(0, y, CAP_W, y + 1, title_row(active, CAP_Y + y))
    if fill is not None:
        frame.overlay(rounded_box(CAP_W, CAP_H, 3, fill), 0, 0)
    glyph(frame, GLYPH_BOX[0], GLYPH_BOX[1], glyph_colour)
    return frame


def caption_button(name):
    """Frames: 1 normal, 2 pressed, 3 hot, 4 inactive window; 5 and 6 are not
    shown by the program (disabled, and hot on an inactive window)."""
    glyph = CAPTION_GLYPHS[name]
    close = name == 'close.bmp'
    hot = ACCENT_HOT if close else rgb(82, 83, 90)
    pressed = ACCENT_DARK if close else rgb(24, 24, 27)
    return strip([
        caption_frame(glyph, True, None, WHITE),
        caption_frame(glyph, True, pressed, rgb(226, 226, 228)),
        caption_frame(glyph, True, hot, WHITE),
        caption_frame(glyph, False, None, rgb(218, 218, 222)),
        caption_frame(glyph, True, None, rgb(104, 105, 111)),
        caption_frame(glyph, False, ACCENT_HOT if close else rgb(150, 151, 157), WHITE),
    ])


def mdi_controls():
    """Twelve cells: minimise, restore, close of a maximised MDI child, four
    cells each (1 normal, 2 pressed, 3 and 4 hot: the program shows cell 4
    while the mouse is over the button). Drawn inside the menu bar."""
    cells = []
    for glyph, close in ((glyph_minimize, False), (glyph_restore, False), (glyph_close, True)):
        states = [
            (None, GLYPH),
            (ACCENT_DARK if close else rgb(210, 205, 198), WHITE if close else TEXT),
            (ACCENT if close else rgb(229, 225, 219), WHITE if close else TEXT),
        ]
        for fill, colour in states + [states[2]]:
            cell = Image(MDI_CELL, MDI_CELL, MENUBAR_ACTIVE)
            if fill is not None:
                cell.overlay(rounded_box(MDI_CELL, MDI_CELL, 2, fill), 0, 0)
            glyph(cell, 4, 4, colour, size=8)
            cells.append(cell)
    return strip(cells)


def menu_bar():
    """Menu bar background: active above inactive, a quiet line at the bottom."""
    frames = []
    for colour in (MENUBAR_ACTIVE, FACE):
        frame = Image(16, MENUBAR_H, colour)
        frame.fill(0, MENUBAR_H - 1, 16, MENUBAR_H, LINE_LIGHT)
        frames.append(frame)
    return strip(frames, vertical=True)


# ---------------------------------------------------------------------------
# Controls


def push_button():
    """Frames: 1 normal, 2 pressed, 3 disabled, 4 hot or focused, 5 default
    button (not shown by the program)."""
    def face(line, fill):
        return rounded_box(20, 22, 3, fill, line)
    default = rounded_box(20, 22, 3, ACCENT)  # a 2-px accent outline
    default.overlay(rounded_box(18, 20, 2, PAPER, ACCENT), 1, 1)
    return strip([
        face(LINE, PAPER),
        face(rgb(128, 122, 115), PRESSED_FILL),
        face(DISABLED_LINE, DISABLED_FILL),
        face(ACCENT, HOT_FILL),
        default,
    ])


CHECK_MARK = [
    '........X',
    '.......XX',
    'X.....XX.',
    'XX...XX..',
    '.XX.XX...',
    '..XXX....',
    '...X.....',
]


def check_box():
    """Frames: 1 unchecked, 2 checked, 3 disabled, 4 indeterminate,
    5 disabled and checked (not shown by the program)."""
    def box(line, fill, mark=None, square=None):
        frame = rounded_box(13, 13, 2, fill, line)
        if mark is not None:
            frame.draw(CHECK_MARK, 2, 3, mark)
        if square is not None:
            frame.fill(4, 4, 9, 9, square)
        return frame
    return strip([
        box(LINE, FIELD),
        box(ACCENT_DARK, ACCENT, mark=WHITE),
        box(DISABLED_LINE, DISABLED_FILL),
        box(LINE, FIELD, square=rgb(120, 115, 108)),
        box(DISABLED_LINE, DISABLED_GLYPH, mark=WHITE),
    ])


def radio_button():
    """Frames: 1 unchecked, 2 checked, 3 disabled, 4 disabled and checked,
    5 hot (not shown by the program)."""
    def dot_frame(line, fill, dot=None):
        frame = rounded_box(13, 13, 6.5, fill, line)
        if dot is not None:
            frame.overlay(rounded_box(5, 5, 2, dot), 4, 4)
        return frame
    return strip([
        dot_frame(LINE, FIELD),
        dot_frame(ACCENT, FIELD, dot=ACCENT),
        dot_frame(DISABLED_LINE, DISABLED_FILL),
        dot_frame(DISABLED_LINE, DISABLED_FILL, dot=DISABLED_GLYPH),
        dot_frame(ACCENT, HOT_FILL),
    ])


def progress():
    """Frames: 1 the empty bar, 2 the filled part. The filled part keeps a
    key-colour ring so the bar's outline shows around it."""
    empty = rounded_box(12, 12, 2, PAPER, LINE)
    filled = Image(12, 12)
    filled.fill(1, 1, 11, 11, ACCENT)
    filled.fill(1, 1, 11, 2, rgb(196, 70, 77))  # a lit top row
    return strip([empty, filled])


def group_box():
    """Frames: 1 enabled, 2 disabled; a rounded 1-px frame around a clear
    middle. The program does not draw it yet."""
    return strip([rounded_box(16, 16, 3, KEY, LINE_LIGHT),
                  rounded_box(16, 16, 3, KEY, LINE_FAINT)])


def tabs():
    """Frames: 1 tab, 2 the current tab (red top edge, open towards the page),
    3 hot, 4 disabled, 5 current tab of an unfocused control; the program
    shows 1 and 2."""
    def tab(fill, line, top=None, open_bottom=False):
        frame = rounded_box(20, 22, 3, fill, line, top_only=True)
        frame.fill(0, 21, 20, 22, fill if open_bottom else line)
        if open_bottom:
            for x in (0, 19):
                frame.set(x, 21, line)
        if top is not None:
            frame.fill(2, 0, 18, 1, top)
            frame.fill(1, 1, 19, 2, top)
        return frame
    return strip([
        tab(rgb(230, 226, 220), LINE_LIGHT),
        tab(FACE, LINE_LIGHT, top=ACCENT, open_bottom=True),
        tab(rgb(237, 234, 229), LINE),
        tab(DISABLED_FILL, LINE_FAINT),
        tab(FACE, LINE_LIGHT, top=rgb(150, 146, 140), open_bottom=True),
    ])


def tab_border():
    """The page frame around a tab control's display area: only the band
    inside the fixed margins 4, 5, 4, 4 is ever drawn."""
    frame = Image(16, 16, FACE)
    frame.outline(0, 0, 16, 16, LINE_LIGHT)
    return frame


def status_bar():
    """Frames: 1 lowered panel, 2 raised panel, 3 no bevel."""
    def panel(top_left, bottom_right):
        frame = Image(12, 12, FACE)
        if top_left is not None:
            frame.fill(0, 0, 12, 1, top_left)
            frame.fill(0, 0, 1, 12, top_left)
            frame.fill(0, 11, 12, 12, bottom_right)
            frame.fill(11, 0, 12, 12, bottom_right)
            frame.set(11, 0, FACE), frame.set(0, 11, FACE)
        return frame
    return strip([panel(rgb(190, 184, 176), WHITE), panel(WHITE, rgb(190, 184, 176)),
                  panel(None, None)])


def combo_button():
    """Frames: 1 normal, 2 pressed, 3 disabled, 4 hot or focused. Stretched
    whole over the right end of the combo box: its top, right and bottom rows
    continue the box's outline, a light line separates it from the text."""
    def frame(fill):
        f = Image(19, 21, fill)
        f.fill(0, 0, 19, 1, LINE)
        f.fill(0, 20, 19, 21, LINE)
        f.fill(18, 0, 19, 21, LINE)
        f.fill(0, 4, 1, 17, LINE_LIGHT)
        return f
    return strip([frame(FIELD), frame(PRESSED_FILL), frame(DISABLED_FILL), frame(HOT_FILL)])


CHEVRON = [
    'XX.....XX',
    '.XX...XX.',
    '..XX.XX..',
    '...XXX...',
    '....X....',
]


def combo_glyph():
    """The drop-down chevron, same frame order as the combo button, and a
    fifth frame that the program does not show."""
    frames = []
    for colour in (GLYPH, TEXT, DISABLED_GLYPH, ACCENT, rgb(140, 135, 128)):
        f = Image(9, 5)
        f.draw(CHEVRON, 0, 0, colour)
        frames.append(f)
    return strip(frames)


def sunk_edge():
    """Field outline of combo boxes (frame 1; 1-px margins so the painter
    takes one-pixel edges). Frames 2 to 4, hot, disabled and focused, are not
    shown by the program."""
    def frame(line, fill):
        f = Image(8, 8, fill)
        f.outline(0, 0, 8, 8, line)
        return f
    return strip([frame(LINE, FIELD), frame(ACCENT, FIELD), frame(DISABLED_LINE, DISABLED_FILL),
                  frame(ACCENT_DARK, HOT_FILL)])


def header():
    """Column header: frames 1 normal (the one the program draws), 2 hot,
    3 pressed, 4 disabled, 5 sorted column."""
    def frame(fill, bottom=LINE_LIGHT, text_line=LINE_LIGHT):
        f = Image(16, 20, fill)
        f.fill(15, 3, 16, 17, text_line)  # column separator, inset top and bottom
        f.fill(0, 19, 16, 20, bottom)
        return f
    return strip([frame(PAPER), frame(rgb(242, 239, 235)), frame(PRESSED_FILL),
                  frame(FACE, LINE_FAINT, LINE_FAINT), frame(PAPER, bottom=ACCENT)])


MENU_ITEM_W, MENU_ITEM_H = 32, 20
MENU_INDENT = 4  # separator line ends, inside the item


def menu_item():
    """Frames: 1 normal item (clear: the popup background shows), 2 separator
    (its bottom 8 rows: an indented line), 3 selected and disabled,
    4 selected, 5 hot without keyboard focus; the program shows 1, 2 and 4."""
    def highlight(fill):
        f = Image(MENU_ITEM_W, MENU_ITEM_H)
        f.overlay(rounded_box(MENU_ITEM_W - 2, MENU_ITEM_H - 2, 2, fill), 1, 1)
        return f
    separator = Image(MENU_ITEM_W, MENU_ITEM_H)
    separator.fill(MENU_INDENT, MENU_ITEM_H - 4, MENU_ITEM_W - MENU_INDENT, MENU_ITEM_H - 3,
                   LINE_LIGHT)
    return strip([Image(MENU_ITEM_W, MENU_ITEM_H), separator, highlight(rgb(214, 209, 202)),
                  highlight(ACCENT), highlight(rgb(246, 226, 227))])


def menu_background():
    """Popup menu: paper inside a 1-px outline."""
    f = Image(16, 16, PAPER)
    f.outline(0, 0, 16, 16, rgb(176, 170, 162))
    return f


def tool_button():
    """Frames: 1 normal (flat, clear), 2 pressed, 3 disabled, 4 hot, 5 checked.
    The program does not draw tool bars from it yet."""
    return strip([
        Image(22, 22),
        rounded_box(22, 22, 3, PRESSED_FILL, rgb(176, 170, 162)),
        rounded_box(22, 22, 3, KEY, LINE_FAINT),
        rounded_box(22, 22, 3, rgb(236, 233, 228), rgb(196, 190, 182)),
        rounded_box(22, 22, 3, HOT_FILL, ACCENT),
    ])


# Scroll-bar arrows, 23 frames of 17 x 17. Per direction four frames:
# normal, pressed, hot, disabled (left 1-4, right 5-8, up 9-12, down 13-16);
# frame 17 is a size grip and 18-23 are blank. The program shows the normal
# and pressed frames.
ARROW = 17
TRIANGLE_UP = [
    '...X...',
    '..XXX..',
    '.XXXXX.',
    'XXXXXXX',
]
SIZE_GRIP = [
    '........XX',
    '........XX',
    '..........',
    '.....XX.XX',
    '.....XX.XX',
    '..........',
    '..XX.XX.XX',
    '..XX.XX.XX',
]


def arrow_frame(direction, fill, colour):
    f = Image(ARROW, ARROW)
    if fill is not None:
        f.overlay(rounded_box(ARROW - 2, ARROW - 2, 2, fill), 1, 1)
    tri = Image(7, 4)
    tri.draw(TRIANGLE_UP, 0, 0, colour)
    tri = {'up': tri, 'down': tri.flipped(), 'left': tri.transposed(),
           'right': tri.transposed().mirrored()}[direction]
    f.overlay(tri, (ARROW - tri.width) // 2, (ARROW - tri.height) // 2)
    return f


def scroll_arrows():
    frames = []
    for direction in ('left', 'right', 'up', 'down'):
        frames += [arrow_frame(direction, None, rgb(120, 115, 108)),
                   arrow_frame(direction, rgb(200, 195, 188), TEXT),
                   arrow_frame(direction, rgb(222, 218, 212), rgb(70, 66, 62)),
                   arrow_frame(direction, None, DISABLED_GLYPH)]
    grip = Image(ARROW, ARROW)
    grip.draw(SIZE_GRIP, 5, 6, rgb(176, 170, 162))
    frames.append(grip)
    frames += [Image(ARROW, ARROW) for _ in range(6)]
    return strip(frames)


def scroll_track(vertical):
    """Track between the arrows: frames 1 normal (the one the program draws),
    2 hot, 3 pressed, 4 disabled. Flat, so it stretches cleanly."""
    del vertical  # flat: the same frames serve both directions
    return strip([Image(16, 16, c) for c in (TRACK, rgb(230, 227, 222), rgb(222, 218, 212), FACE)])


THUMB_COLOURS = (rgb(185, 179, 171), rgb(128, 122, 115), rgb(160, 154, 146))


def scroll_thumb(vertical):
    """Frames: 1 normal, 2 pressed or dragged, 3 hot (not shown by the
    program). An 8-px pill on the track, rounded ends inside the margins."""
    frames = []
    for colour in THUMB_COLOURS:
        f = Image(16, 16)
        f.overlay(rounded_box(14, 8, 4, colour), 1, 4)
        frames.append(f.transposed() if vertical else f)
    return strip(frames)


# Spin buttons: frames 1-4 the first button (up or left) normal, pressed,
# disabled, hot; frames 5-8 the second (down or right). Flat fills stretch to
# any button size; the arrows are a separate glyph strip drawn unstretched.
UPDOWN_FILLS = (TRACK, rgb(214, 209, 202), FACE, HOT_FILL)
UPDOWN_GLYPHS = (GLYPH, TEXT, DISABLED_GLYPH, ACCENT)


def updown(horizontal):
    w, h = (11, 16) if horizontal else (16, 11)
    frames = [Image(w, h, fill) for _ in range(2) for fill in UPDOWN_FILLS]
    return strip(frames)


def updown_glyphs(horizontal):
    frames = []
    for flip in (False, True):
        for colour in UPDOWN_GLYPHS:
            tri = Image(7, 4)
            tri.draw(TRIANGLE_UP, 0, 0, colour)
            if flip:
                tri = tri.flipped()
            frames.append(tri.transposed() if horizontal else tri)
    return strip(frames)


# ---------------------------------------------------------------------------
# The skin set: file name -> (image, bits per pixel). The borders keep full
# colour, the caption buttons 24 bits, every control image a palette.


def skin_images():
    images = {}
    for name, image in border_images().items():
        images[name] = (image, 32)
    for name in CAPTION_GLYPHS:
        images[name] = (caption_button(name), 24)
    for name, image in (
            ('titlestrip.bmp', title_strip()),
            ('menubar.bmp', menu_bar()),
            ('mdicontrols.bmp', mdi_controls()),
            ('button.bmp', push_button()),
            ('checkbox.bmp', check_box()),
            ('radio.bmp', radio_button()),
            ('progress.bmp', progress()),
            ('groupbox.bmp', group_box()),
            ('tabs.bmp', tabs()),
            ('tabborder.bmp', tab_border()),
            ('statusbar.bmp', status_bar()),
            ('combobutton.bmp', combo_button()),
            ('comboglyph.bmp', combo_glyph()),
            ('sunkedge.bmp', sunk_edge()),
            ('header.bmp', header()),
            ('menuitem.bmp', menu_item()),
            ('menuback.bmp', menu_background()),
            ('toolbar.bmp', tool_button()),
            ('scrollarrows.bmp', scroll_arrows()),
            ('hscroll.bmp', scroll_track(False)),
            ('vscroll.bmp', scroll_track(True)),
            ('hthumb.bmp', scroll_thumb(False)),
            ('vthumb.bmp', scroll_thumb(True)),
            ('updownh.bmp', updown(True)),
            ('updownv.bmp', updown(False)),
            ('updownhglyph.bmp', updown_glyphs(True)),
            ('updownvglyph.bmp', updown_glyphs(False))):
        images[name] = (image, 8)
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
             ('Colours', colour_keys())]
            + caption_sections() + control_sections())


def ini_text(sections):
    lines = ['; Made by make_skin.py; edit the generator, not this file.', '']
    for name, keys in sections:
        lines.append(f'[{name}]')
        lines += [f'{key}={value}' for key, value in keys]
        lines.append('')
    return '\r\n'.join(lines).encode('ascii')


# ---------------------------------------------------------------------------
# Bitmap files: BITMAPFILEHEADER + BITMAPINFOHEADER, rows bottom-up, BI_RGB.

PELS_PER_METRE = 3780  # 96 dpi


def bmp_bytes(image, bits):
    if bits == 8:
        palette = sorted(set(image.pixels))
        assert len(palette) <= 256, 'too many colours for a palette image'
        index = {c: i for i, c in enumerate(palette)}
        table = b''.join(struct.pack('<BBBB', c & 255, (c >> 8) & 255, c >> 16, 0)
                         for c in palette)
        pixel = lambda c: bytes((index[c],))
    elif bits in (24, 32):
        palette, table = [], b''
        tail = b'\xff' if bits == 32 else b''  # opaque, for readers that honour it
        pixel = lambda c: bytes((c & 255, (c >> 8) & 255, c >> 16)) + tail
    else:
        raise ValueError(bits)
    stride = (image.width * bits + 31) // 32 * 4
    rows = []
    for y in reversed(range(image.height)):
        row = b''.join(pixel(image.get(x, y)) for x in range(image.width))
        rows.append(row + b'\0' * (stride - len(row)))
    data = b''.join(rows)
    offset = 14 + 40 + len(table)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    info_header = struct.pack('<IiiHHIIiiII', 40, image.width, image.height, 1, bits, 0,
                              len(data), PELS_PER_METRE, PELS_PER_METRE, len(palette),
                              len(palette))
    return file_header + info_header + table + data


def skin_files():
    """Every file of the skin: name -> bytes."""
    files = {name: bmp_bytes(image, bits) for name, (image, bits) in skin_images().items()}
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
