#!/usr/bin/env python3
"""Makes the skin 青玉 Jade: skin.ini and every bitmap it names, beside this script.

    python3 make_skin.py            rewrite the skin files
    python3 make_skin.py --check    exit 1 unless the files on disk are exactly
                                    what the generator makes
    python3 make_skin.py --out DIR  write the skin into another folder

A light skin: a tall pale-jade title bar with its caption centred and its
caption buttons on the left, large cut-out corners, a scalloped bottom edge,
and borders tiled with a lattice pattern. Standard library only and
deterministic (see ../skinkit.py).
"""

import math
import pathlib
import sys
from fractions import Fraction

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))
import skinkit  # noqa: E402
from skinkit import blend, Image, ONE, rgb, strip  # noqa: E402

NAME = '青玉 Jade'

SIDE, TITLE, BOTTOM = 6, 34, 10
TOP_RADIUS, BOTTOM_RADIUS = 14, 12
LATTICE = 8  # period of the side, top and menu-bar patterns
SCALLOP = 12  # period of the bottom edge
# Each period of the bottom edge has one notch: a V of 6 columns around
# column 7, 4.5 px deep at its middle less 1 px per column out (at 96 DPI the
# columns cut 0 0 0 0 2 3 4 4 3 2 0 0 px deep).
NOTCH_MIDDLE, NOTCH_HALF_WIDTH, NOTCH_DEPTH = 7, 3, Fraction(9, 2)
ACCENT_ROWS = 2  # the jade line under the title
DOT_ROW = 4  # the title bar's row of lattice dots

CHROME = {
    True: dict(outline=rgb(30, 84, 70), hilite=rgb(246, 252, 249), top=rgb(222, 240, 232),
               bottom=rgb(184, 218, 203), accent=rgb(46, 139, 104), dot=rgb(112, 176, 150),
               band=rgb(234, 244, 239), mark=rgb(72, 150, 120), inner=rgb(170, 206, 190)),
    False: dict(outline=rgb(118, 128, 124), hilite=rgb(246, 247, 247), top=rgb(232, 235, 234),
                bottom=rgb(212, 217, 215), accent=rgb(160, 170, 166), dot=rgb(190, 196, 194),
                band=rgb(240, 242, 241), mark=rgb(176, 184, 181), inner=rgb(206, 212, 210)),
}
TITLE_TEXT = {True: rgb(20, 70, 56), False: rgb(110, 122, 117)}


def pixel(active, part, x, y, depth, sc):
    c = CHROME[active]
    hair = sc.hair
    if depth < hair:
        return c['outline']
    if part == 'title':
        title = sc(TITLE)
        if y >= title - sc(ACCENT_ROWS):
            return c['accent']
        if depth < 2 * hair:
            return c['hilite']
        if (sc(DOT_ROW) <= y < sc(DOT_ROW + 1)
                and sc(3) <= (x - sc(SIDE)) % sc(LATTICE) < sc(5)):
            return c['dot']
        first, last = 2 * hair, title - sc(ACCENT_ROWS) - 1
        return blend(c['top'], c['bottom'], min(max(y - first, 0), last - first), last - first)
    if part == 'bottom':
        if depth < 2 * hair:
            return c['mark']
        return c['inner'] if depth >= sc(BOTTOM) - hair else c['band']
    if depth >= sc(SIDE) - hair:
        return c['inner']
    # The lattice: a bar across the band every LATTICE rows, a dot between.
    t = (y - sc(TITLE)) % sc(LATTICE)
    if t < hair or (sc(LATTICE // 2) <= t < sc(LATTICE // 2) + hair
                    and sc(2) <= depth < sc(4)):
        return c['mark']
    return c['band']


def notch(column, row, sc):
    off_middle = abs(Fraction(2 * column + 1, 2) - NOTCH_MIDDLE * sc.k)
    if off_middle >= NOTCH_HALF_WIDTH * sc.k:
        return False
    return row < math.floor(NOTCH_DEPTH * sc.k - off_middle)


CHROME_SHAPE = skinkit.Chrome(
    side=SIDE, title=TITLE, bottom=BOTTOM, top_radius=TOP_RADIUS, bottom_radius=BOTTOM_RADIUS,
    side_period=LATTICE, top_period=LATTICE, bottom_period=SCALLOP, bottom_fixed=BOTTOM_RADIUS + 2,
    end_width=TOP_RADIUS - SIDE + 4, pixel=pixel, notch=notch)

# Caption buttons: 20 x 18 on the left of the title bar, close first; the
# window's icon on the right.
CAP_W, CAP_H, CAP_Y, CAP_GAP = 20, 18, 8, 2
CAP_X0 = SIDE + 8
ICON_XCOORD, ICON_Y = SIDE + 8 + 16, 9


def cap_x(slot):
    return CAP_X0 + slot * (CAP_W + CAP_GAP)


def caption_image(name, sc):
    close = name == 'close.bmp'
    glyph = TITLE_TEXT[True]
    hot = rgb(200, 62, 62) if close else rgb(150, 204, 182)
    pressed = rgb(150, 40, 40) if close else rgb(104, 168, 144)
    return skinkit.caption_button(CHROME_SHAPE, name, (CAP_W, CAP_H), CAP_Y, [
        (True, None, glyph),
        (True, pressed, rgb(255, 255, 255)),
        (True, hot, rgb(255, 255, 255) if close else glyph),
        (False, None, TITLE_TEXT[False]),
        (True, None, rgb(170, 196, 186)),
        (False, rgb(176, 184, 181), rgb(255, 255, 255)),
    ], sc=sc)


def caption_sections():
    keys = skinkit.caption_keys
    return [
        ('Button.Close', keys(0, 0, cap_x(0), CAP_Y, 0, 0, 'close.bmp')),
        ('Button.Maximize', keys(1, 0, cap_x(1), CAP_Y, 2, 6, 'maximize.bmp')),
        ('Button.Restore', keys(1, 0, cap_x(1), CAP_Y, 1, 6, 'restore.bmp')),
        ('Button.Minimize', keys(2, 0, cap_x(2), CAP_Y, 8, 6, 'minimize.bmp')),
        ('Button.MinimizeAlone', keys(2, 0, cap_x(1), CAP_Y, 8, 7, 'minimize.bmp')),
        ('Button.SystemMenu', keys(3, 1, ICON_XCOORD, ICON_Y, 0, 0)),
    ]


# Menu bar: tiled (TileMenu 0): fixed ends of MENU_END px and a LATTICE-wide
# middle with a jade mark, so the pattern repeats along the bar.
MENU_END, MENU_H = 4, 20
MENUBAR = {True: (rgb(236, 246, 241), rgb(150, 200, 178)),
           False: (rgb(240, 242, 241), rgb(200, 206, 204))}


def menu_bar(sc=ONE):
    w, h, end = sc(2 * MENU_END + LATTICE), sc(MENU_H), sc(MENU_END)
    frames = []
    for active in (True, False):
        back, line = MENUBAR[active]
        frame = Image(w, h, back)
        frame.fill(0, h - sc.hair, w, h, line)
        frame.fill(end + sc(3), h - sc(4), end + sc(5), h - sc(2), line)
        frames.append(frame)
    return strip(frames, vertical=True)


# Controls: the first skin's, its red accent turned to jade.
CONVERT = skinkit.hls_map(hue_shift=0.44)
THUMB_ORDER = (1, 2)  # FrameCount 2: normal, pressed


def skin_images(sc=ONE):
    images = {name: (image, 32) for name, image in CHROME_SHAPE.at(sc).images().items()}
    for name in skinkit.GLYPHS:
        images[name] = (caption_image(name, sc), 24)
    controls = skinkit.control_images(CONVERT, sc)
    controls.update(skinkit.thumbs(CONVERT, THUMB_ORDER, sc=sc))
    controls['menubar.bmp'] = menu_bar(sc)
    controls['mdicontrols.bmp'] = skinkit.mdi_controls(CONVERT, MENUBAR[True][0], sc)
    images.update({name: (image, 8) for name, image in controls.items()})
    return images


def personality_keys():
    rgb_keys = (skinkit.base.title_text_keys('ActiveText', TITLE_TEXT[True])
                + skinkit.base.title_text_keys('InActiveText', TITLE_TEXT[False]))
    return (CHROME_SHAPE.personality_keys()
            + [('Textbackground', 0), ('TextAlignment', 1), ('TextShift', 0),
               ('TextShiftVert', 0), ('TextRightClip', ICON_XCOORD + 6),
               ('TXTBackleft', 0), ('TXTBackRight', 0)]
            + rgb_keys
            + [('menuBar', 'menubar.bmp'), ('TileMenu', 0), ('TileLeftMenu', MENU_END),
               ('TileRightMenu', MENU_END)])


def definition():
    colours = skinkit.colour_keys(CONVERT, {
        'Menubar': MENUBAR[True][0], 'TitleTextActive': TITLE_TEXT[True],
        'TitleTextInactive': TITLE_TEXT[False]})
    return ([('TitlebarSkin', [('SkinName', NAME)]),
             ('Personality', personality_keys()),
             ('Fonts', [('FontHeight', 15)]),
             ('Colours', colours),
             ('Colourise', [('AccentHue', skinkit.hue_degrees(CHROME[True]['accent']))])]
            + caption_sections()
            + skinkit.control_sections(CONVERT, len(THUMB_ORDER)))


def skin_files():
    return skinkit.skin_files(skin_images, definition())


if __name__ == '__main__':
    sys.exit(skinkit.main(sys.argv[1:], pathlib.Path(__file__).resolve().parent, skin_files(),
                          __doc__))
