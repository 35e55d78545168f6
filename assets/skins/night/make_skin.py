#!/usr/bin/env python3
"""Makes the skin 夜墨 Night Ink: skin.ini and every bitmap it names, beside this script.

    python3 make_skin.py            rewrite the skin files
    python3 make_skin.py --check    exit 1 unless the files on disk are exactly
                                    what the generator makes
    python3 make_skin.py --out DIR  write the skin into another folder

A dark skin: light text on ink-blue faces with an amber accent, a low title
bar with its caption at the right, the close button on the right and the
other caption buttons on the left, thin borders tiled with amber dashes, and
a menu bar whose gradient is stretched across the window. Standard library
only and deterministic (see ../skinkit.py).
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))
import skinkit  # noqa: E402
from skinkit import blend, Image, ONE, rgb, strip  # noqa: E402

NAME = '夜墨 Night Ink'

SIDE, TITLE, BOTTOM = 4, 18, 4
TOP_RADIUS, BOTTOM_RADIUS = 6, 5
DASH = 6  # period of the dashes along every border: 3 lit, 3 dark

CHROME = {
    True: dict(outline=rgb(8, 10, 16), hilite=rgb(74, 82, 106), top=rgb(48, 54, 74),
               bottom=rgb(30, 34, 48), accent=rgb(226, 170, 60), band=rgb(40, 45, 62),
               dash=rgb(176, 134, 58), inner=rgb(22, 25, 35)),
    False: dict(outline=rgb(20, 20, 22), hilite=rgb(78, 78, 84), top=rgb(60, 60, 66),
                bottom=rgb(46, 46, 51), accent=rgb(104, 104, 110), band=rgb(50, 50, 55),
                dash=rgb(92, 92, 98), inner=rgb(32, 32, 36)),
}
TITLE_TEXT = {True: rgb(236, 238, 244), False: rgb(160, 162, 170)}


def pixel(active, part, x, y, depth, sc):
    c = CHROME[active]
    hair, period, lit = sc.hair, sc(DASH), sc(DASH // 2)
    if depth < hair:
        return c['outline']
    if part == 'title':
        title = sc(TITLE)
        if y >= title - hair:  # a dashed amber line under the title
            return c['accent'] if (x - sc(SIDE)) % period < lit else c['inner']
        if depth < 2 * hair:
            return c['hilite']
        first, last = hair, title - hair - 1
        return blend(c['top'], c['bottom'], min(max(y - first, 0), last - first), last - first)
    if depth >= sc(SIDE) - hair:
        return c['inner']
    along = (x - sc(SIDE)) if part == 'bottom' else (y - sc(TITLE))
    return c['dash'] if along % period < lit else c['band']


CHROME_SHAPE = skinkit.Chrome(
    side=SIDE, title=TITLE, bottom=BOTTOM, top_radius=TOP_RADIUS, bottom_radius=BOTTOM_RADIUS,
    side_period=DASH, top_period=DASH, bottom_period=DASH, bottom_fixed=BOTTOM_RADIUS + 1,
    end_width=TOP_RADIUS - SIDE + 2, pixel=pixel)

# Caption buttons: 16 x 14; the close button on the right, the window's icon,
# maximise and minimise on the left.
CAP_W, CAP_H, CAP_Y, CAP_GAP = 16, 14, 2, 2
ICON_X, ICON_Y = SIDE + 2, 1
LEFT_X0 = ICON_X + 16 + 4
CLOSE_XCOORD = SIDE + 2 + CAP_W


def caption_image(name, sc):
    close = name == 'close.bmp'
    glyph = TITLE_TEXT[True]
    hot = rgb(214, 80, 60) if close else rgb(84, 92, 120)
    pressed = rgb(160, 52, 40) if close else rgb(20, 22, 30)
    return skinkit.caption_button(CHROME_SHAPE, name, (CAP_W, CAP_H), CAP_Y, [
        (True, None, glyph),
        (True, pressed, rgb(226, 170, 60)),
        (True, hot, rgb(255, 255, 255)),
        (False, None, TITLE_TEXT[False]),
        (True, None, rgb(96, 102, 120)),
        (False, rgb(110, 110, 118), rgb(255, 255, 255)),
    ], glyph_size=8, radius=2, sc=sc)


def caption_sections():
    keys = skinkit.caption_keys
    left = lambda slot: LEFT_X0 + slot * (CAP_W + CAP_GAP)  # noqa: E731
    return [
        ('Button.Close', keys(0, 1, CLOSE_XCOORD, CAP_Y, 0, 0, 'close.bmp')),
        ('Button.Maximize', keys(1, 0, left(0), CAP_Y, 2, 6, 'maximize.bmp')),
        ('Button.Restore', keys(1, 0, left(0), CAP_Y, 1, 6, 'restore.bmp')),
        ('Button.Minimize', keys(2, 0, left(1), CAP_Y, 8, 6, 'minimize.bmp')),
        ('Button.MinimizeAlone', keys(2, 0, left(0), CAP_Y, 8, 7, 'minimize.bmp')),
        ('Button.SystemMenu', keys(3, 0, ICON_X, ICON_Y, 0, 0)),
    ]


# Menu bar: one gradient from left to right, stretched over the whole bar
# (TileMenu 1), with no fixed ends.
MENU_W, MENU_H = 64, 20
MENUBAR = {True: (rgb(46, 52, 72), rgb(20, 22, 30), rgb(66, 72, 96)),
           False: (rgb(52, 52, 58), rgb(34, 34, 38), rgb(70, 70, 76))}


def menu_bar(sc=ONE):
    w, h, hair = sc(MENU_W), sc(MENU_H), sc.hair
    frames = []
    for active in (True, False):
        left, right, line = MENUBAR[active]
        frame = Image(w, h)
        for x in range(w):
            frame.fill(x, 0, x + 1, h - hair, blend(left, right, x, w - 1))
        frame.fill(0, h - hair, w, h, line)
        frames.append(frame)
    return strip(frames, vertical=True)


def menubar_middle():
    """The menu bar's colour in the definition, and behind the MDI cells at
    every scale."""
    return menu_bar().get(MENU_W // 2, 1)


# Controls: the first skin's with their lightness mirrored (light text on dark
# faces), the red accent turned to amber and the greys to ink blue.
CONVERT = skinkit.hls_map(hue_shift=0.12, dark=True, grey_hue=0.62)
THUMB_ORDER = (1, 2, 3)  # FrameCount 4: normal, pressed, hot, disabled
THUMB_DISABLED = rgb(58, 56, 52)


def skin_images(sc=ONE):
    images = {name: (image, 32) for name, image in CHROME_SHAPE.at(sc).images().items()}
    for name in skinkit.GLYPHS:
        images[name] = (caption_image(name, sc), 24)
    controls = skinkit.control_images(CONVERT, sc)
    controls.update(skinkit.thumbs(CONVERT, THUMB_ORDER, extra=(THUMB_DISABLED,), sc=sc))
    controls['menubar.bmp'] = menu_bar(sc)
    controls['mdicontrols.bmp'] = skinkit.mdi_controls(CONVERT, menubar_middle(), sc)
    images.update({name: (image, 8) for name, image in controls.items()})
    return images


def personality_keys():
    rgb_keys = (skinkit.base.title_text_keys('ActiveText', TITLE_TEXT[True])
                + skinkit.base.title_text_keys('InActiveText', TITLE_TEXT[False]))
    # Right-aligned text; TXTBackRight keeps it clear of the close button
    # (there is no background strip to draw).
    return (CHROME_SHAPE.personality_keys()
            + [('Textbackground', 0), ('TextAlignment', 2), ('TextShift', 0),
               ('TextShiftVert', 0), ('TextRightClip', 0),
               ('TXTBackleft', 0), ('TXTBackRight', CLOSE_XCOORD - SIDE + 6)]
            + rgb_keys
            + [('menuBar', 'menubar.bmp'), ('TileMenu', 1), ('TileLeftMenu', 0),
               ('TileRightMenu', 0)])


def definition():
    # The dark scheme's colour table: the first skin's mirrored, with white
    # selection text turned black on the light amber selection.
    colours = skinkit.colour_keys(CONVERT, {
        'Menubar': menubar_middle(), 'MenuBarText': rgb(226, 228, 234),
        'TitleTextActive': TITLE_TEXT[True], 'TitleTextInactive': TITLE_TEXT[False]})
    return ([('TitlebarSkin', [('SkinName', NAME)]),
             ('Personality', personality_keys()),
             ('Fonts', [('FontHeight', 13)]),
             ('Colours', colours),
             ('Colourise', [('AccentHue', skinkit.hue_degrees(CHROME[True]['accent']))])]
            + caption_sections()
            + skinkit.control_sections(CONVERT, len(THUMB_ORDER) + 1))


def skin_files():
    return skinkit.skin_files(skin_images, definition())


if __name__ == '__main__':
    sys.exit(skinkit.main(sys.argv[1:], pathlib.Path(__file__).resolve().parent, skin_files(),
                          __doc__))
