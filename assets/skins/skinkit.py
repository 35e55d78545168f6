"""Shared parts of the generators of our further skins (assets/skins/*/).

Each skin folder holds a make_skin.py that describes its window chrome and
caption buttons and calls main() here. The control images (buttons, menus,
scroll bars, tabs and so on) are the ones of our first skin
(assets/skin/make_skin.py) recoloured by the skin's colour map, so every
control keeps the first skin's tested shapes and frame order.

Every image is drawn at each display scale of the first skin (drawing.SCALES):
the skin's geometry is given in 96-DPI pixels and scaled measure by measure
(sc(m), lines sc.hair px). Standard library only and deterministic: the same
bytes on every run.
"""

import argparse
import colorsys
import importlib.util
import pathlib
import sys

_FIRST = pathlib.Path(__file__).resolve().parent.parent / 'skin' / 'make_skin.py'
_spec = importlib.util.spec_from_file_location('first_skin', _FIRST)
base = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(base)

Image, strip, rgb, KEY = base.Image, base.strip, base.rgb, base.KEY
rounded_box, corner_cut, depth_map = base.rounded_box, base.corner_cut, base.depth_map
ONE = base.ONE
hue_degrees = base.hue_degrees

# ---------------------------------------------------------------------------
# Colour maps


def blend(a, b, t, steps):
    """Colour t/steps of the way from a to b, rounded per channel."""
    out = 0
    for shift in (16, 8, 0):
        x, y = (a >> shift) & 255, (b >> shift) & 255
        out |= (x + ((y - x) * t * 2 + steps) // (2 * steps)) << shift
    return out


def hls_map(hue_shift=0.0, dark=False, grey_hue=None):
    """A colour map turning 0xRRGGBB into 0xRRGGBB: the hue turned by
    hue_shift (a fraction of the circle); with dark, the lightness mirrored
    into 0.08..0.94 (dark text on light faces turns into light text on dark
    faces, neither quite black); with grey_hue, the greys (channels less
    than 40 apart) take that hue instead, so they tint with the scheme."""
    def convert(c):
        if c == KEY:
            return KEY
        channels = (c >> 16, (c >> 8) & 255, c & 255)
        grey = max(channels) - min(channels) < 40
        h, l, s = colorsys.rgb_to_hls(*(v / 255 for v in channels))
        if dark:
            l = 0.08 + 0.86 * (1.0 - l)
        h = grey_hue if grey_hue is not None and grey else (h + hue_shift) % 1.0
        r, g, b = colorsys.hls_to_rgb(h, l, s)
        out = rgb(*(int(round(v * 255)) for v in (r, g, b)))
        return out if out != KEY else KEY ^ 1  # never turns into the key colour
    return convert


def recoloured(image, convert):
    out = Image(image.width, image.height)
    out.pixels = [convert(c) for c in image.pixels]
    return out


def frames_of(image, count):
    """The frames of a horizontal strip, frame 1 first."""
    w = image.width // count
    return [image.crop(i * w, 0, w, image.height) for i in range(count)]


def colour_text(c):
    return base.colour_text(c)


def parse_colour(text):
    r, g, b = (int(v) for v in text.split())
    return rgb(r, g, b)


# ---------------------------------------------------------------------------
# Window chrome
#
# As in the first skin, one imaginary window is painted and the border images
# are cut out of it. Its tiled middle parts are three pattern periods long;
# the images take the middle period, whose neighbourhood repeats it, so the
# tiles join without a seam.


class Chrome:
    """The geometry of a skinned window frame, in 96-DPI pixels.

    side: left and right border width; title: title-bar height (the top
    border); bottom: bottom border height; top_radius, bottom_radius: the
    cut outer corners; side_period, top_period, bottom_period: lengths of the
    tiled middles; bottom_fixed: the fixed bottom end of the side borders and
    end_width: the fixed ends of the top and bottom borders (both cover the
    corner arcs). pixel(active, part, x, y, depth, sc) gives the colour of a
    pixel inside the window: part is 'side', 'title' or 'bottom', (x, y) the
    position in the imaginary window, depth its ring (0 = the outline), and
    notch(column, row, sc) tells whether that pixel of one period of the
    bottom middle (row 0 at the bottom edge) is cut out. at(sc) gives the
    same frame drawn at another scale."""

    def __init__(self, side, title, bottom, top_radius, bottom_radius, side_period,
                 top_period, bottom_period, bottom_fixed, end_width, pixel, notch=None, sc=ONE):
        self.measures = dict(side=side, title=title, bottom=bottom, top_radius=top_radius,
                             bottom_radius=bottom_radius, side_period=side_period,
                             top_period=top_period, bottom_period=bottom_period,
                             bottom_fixed=bottom_fixed, end_width=end_width)
        self.sc = sc
        self.side, self.title, self.bottom = sc(side), sc(title), sc(bottom)
        self.top_radius, self.bottom_radius = sc.radius(top_radius), sc.radius(bottom_radius)
        self.side_period, self.top_period = sc(side_period), sc(top_period)
        self.bottom_period = sc(bottom_period)
        self.bottom_fixed, self.end_width = sc(bottom_fixed), sc(end_width)
        self.pixel, self.notch = pixel, notch
        self.middle_w = 3 * max(self.top_period, self.bottom_period)
        self.width = 2 * (self.side + self.end_width) + self.middle_w
        self.height = self.title + 3 * self.side_period + self.bottom_fixed
        self._cache = {}
        self._scaled = {}

    def at(self, sc):
        if sc == self.sc:
            return self
        if sc not in self._scaled:
            self._scaled[sc] = Chrome(**self.measures, pixel=self.pixel, notch=self.notch, sc=sc)
        return self._scaled[sc]

    def inside(self, x, y):
        w, h = self.width, self.height
        if y < self.top_radius and corner_cut(x, y, w, 1 << 20, self.top_radius):
            return False
        r = self.bottom_radius
        if y >= h - r and corner_cut(x, y - (h - 2 * r), w, 2 * r, r):
            return False
        if self.notch and y >= h - self.bottom:
            x0 = self.side + self.end_width
            if x0 <= x < w - self.side - self.end_width:
                return not self.notch((x - x0) % self.bottom_period, h - 1 - y, self.sc)
        return True

    def window(self, active):
        if active not in self._cache:
            w, h = self.width, self.height
            depth = depth_map(self.inside, w, h)
            win = Image(w, h)
            for y in range(h):
                for x in range(w):
                    if depth[y][x] < 0:
                        continue
                    bottom = y >= h - self.bottom and self.side <= x < w - self.side
                    part = 'title' if y < self.title else ('bottom' if bottom else 'side')
                    win.set(x, y, self.pixel(active, part, x, y, depth[y][x], self.sc))
            self._cache[active] = win
        return self._cache[active]

    def images(self):
        """left.bmp, right.bmp (frames side by side), top.bmp, bottom.bmp
        (frames stacked): active, then inactive."""
        w, h = self.width, self.height
        side_h = self.title + self.side_period + self.bottom_fixed
        top_w = 2 * self.end_width + self.top_period
        bottom_w = 2 * self.end_width + self.bottom_period

        def side(active, x0):
            win = self.window(active)
            out = Image(self.side, side_h)
            out.paste(win.crop(x0, 0, self.side, self.title + self.side_period), 0, 0)
            out.paste(win.crop(x0, h - self.bottom_fixed, self.side, self.bottom_fixed),
                      0, self.title + self.side_period)
            return out

        def across(active, y0, rows, period):
            win = self.window(active)
            middle = self.side + self.end_width + period  # the middle period
            out = Image(2 * self.end_width + period, rows)
            out.paste(win.crop(self.side, y0, self.end_width, rows), 0, 0)
            out.paste(win.crop(middle, y0, period, rows), self.end_width, 0)
            out.paste(win.crop(w - self.side - self.end_width, y0, self.end_width, rows),
                      self.end_width + period, 0)
            return out

        both = (True, False)
        images = {
            'left.bmp': strip([side(a, 0) for a in both]),
            'right.bmp': strip([side(a, w - self.side) for a in both]),
            'top.bmp': strip([across(a, 0, self.title, self.top_period) for a in both], True),
            'bottom.bmp': strip([across(a, h - self.bottom, self.bottom, self.bottom_period)
                                 for a in both], True),
        }
        assert images['top.bmp'].width == top_w and images['bottom.bmp'].width == bottom_w
        return images

    def title_row(self, active, y):
        """The title-bar colour of row y in the middle of the bar."""
        return self.window(active).get(self.width // 2, y)

    def personality_keys(self):
        m = self.measures

        def border(name, first, second):
            return [(name, name.lower() + '.bmp'), (name + 'TopHeight', first),
                    (name + 'BotHeight', second), (name + 'Frame', 2), (name + 'Stretch', 0),
                    (name + 'Trans', 1)]
        return (border('Left', m['title'], m['bottom_fixed'])
                + border('Right', m['title'], m['bottom_fixed'])
                + border('Top', m['end_width'], m['end_width'])
                + border('Bottom', m['end_width'], m['end_width']))


# ---------------------------------------------------------------------------
# Caption buttons


GLYPHS = {
    'close.bmp': base.glyph_close,
    'maximize.bmp': base.glyph_maximize,
    'restore.bmp': base.glyph_restore,
    'minimize.bmp': base.glyph_minimize,
}


def caption_button(chrome, name, size, y0, looks, glyph_size=8, radius=3, sc=ONE):
    """Six frames (1 normal, 2 pressed, 3 hot, 4 inactive window, 5 disabled,
    6 hot on an inactive window), each opaque over the title-bar rows behind
    it. looks: six (active, fill or None, glyph colour). Measures in 96-DPI
    pixels, drawn at the scale sc."""
    w, h, y0, glyph_size = sc(size[0]), sc(size[1]), sc(y0), sc(glyph_size)
    chrome = chrome.at(sc)
    frames = []
    for active, fill, colour in looks:
        frame = Image(w, h)
        for y in range(h):
            frame.fill(0, y, w, y + 1, chrome.title_row(active, y0 + y))
        if fill is not None:
            frame.overlay(rounded_box(w, h, sc.radius(radius), fill), 0, 0)
        GLYPHS[name](frame, (w - glyph_size) // 2, (h - glyph_size) // 2, colour,
                     size=glyph_size, sc=sc)
        frames.append(frame)
    return strip(frames)


def caption_keys(action, align, xcoord, ycoord, visibility, visibility1, image=None):
    return base.caption_keys(action, align, xcoord, ycoord, visibility, visibility1, image)


# ---------------------------------------------------------------------------
# Controls: the first skin's, recoloured


def control_images(convert, sc=ONE):
    """Every control image of the first skin, recoloured: name -> image."""
    names = ('button.bmp', 'checkbox.bmp', 'radio.bmp', 'progress.bmp', 'groupbox.bmp',
             'tabs.bmp', 'tabborder.bmp', 'statusbar.bmp', 'combobutton.bmp', 'comboglyph.bmp',
             'sunkedge.bmp', 'header.bmp', 'menuitem.bmp', 'menuback.bmp', 'toolbar.bmp',
             'scrollarrows.bmp', 'hscroll.bmp', 'vscroll.bmp', 'updownh.bmp', 'updownv.bmp',
             'updownhglyph.bmp', 'updownvglyph.bmp')
    first = base.skin_images(sc)
    return {name: recoloured(first[name][0], convert) for name in names}


def thumbs(convert, order, extra=None, sc=ONE):
    """Scroll-bar thumbs with a frame count of their own: the first skin's
    frames (1 normal, 2 pressed, 3 hot) in `order`, then `extra` frames of
    the same pill in other colours."""
    out = {}
    for name, vertical in (('hthumb.bmp', False), ('vthumb.bmp', True)):
        frames = frames_of(base.scroll_thumb(vertical, sc), 3)
        chosen = [recoloured(frames[i - 1], convert) for i in order]
        chosen += [base.thumb_frame(colour, vertical, sc) for colour in extra or ()]
        out[name] = strip(chosen)
    return out


def mdi_controls(convert, bar_colour, sc=ONE):
    """The first skin's MDI cells recoloured, on the skin's menu-bar colour."""
    cells = recoloured(base.mdi_controls(sc), convert)
    old = convert(base.MENUBAR_ACTIVE)
    cells.pixels = [bar_colour if c == old else c for c in cells.pixels]
    return cells


def colour_keys(convert, overrides):
    """The first skin's colour table recoloured, then the skin's own values."""
    keys = [(k, colour_text(convert(parse_colour(v)))) for k, v in base.colour_keys()]
    keys = [(k, colour_text(overrides[k]) if k in overrides else v) for k, v in keys]
    return keys + [(k, colour_text(c)) for k, c in overrides.items() if k not in dict(keys)]


def control_sections(convert, thumb_frames):
    """The first skin's control sections with their text colours recoloured
    and the thumbs' own frame count."""
    out = []
    for name, keys in base.control_sections():
        new = []
        for key, value in keys:
            if key.endswith('Colour2'):
                value = colour_text(convert(parse_colour(value)))
            elif key == 'FrameCount' and name.endswith('ScrollThumb'):
                value = thumb_frames
            new.append((key, value))
        out.append((name, new))
    return out


# ---------------------------------------------------------------------------
# Files


def skin_files(images_of, sections):
    """name -> bytes. images_of(sc): the images at one scale, name -> (image,
    bits)."""
    files = base.scaled_files(images_of)
    files['skin.ini'] = ini_text(sections)
    return files


def ini_text(sections):
    """As the first skin's, in UTF-8: the skin names are Chinese and English."""
    lines = ['; Made by make_skin.py; edit the generator, not this file.', '']
    for name, keys in sections:
        lines.append(f'[{name}]')
        lines += [f'{key}={value}' for key, value in keys]
        lines.append('')
    return '\r\n'.join(lines).encode('utf-8')


def main(argv, here, files, doc):
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument('--check', action='store_true',
                        help='verify the files instead of writing them')
    parser.add_argument('--out', type=pathlib.Path, default=here,
                        help='folder of the skin files (default: beside the script)')
    args = parser.parse_args(argv)
    if args.check:
        problems = base.check(args.out, files)
        for p in problems:
            print(f'{args.out}/{p}', file=sys.stderr)
        if problems:
            print(f'run: python3 {here.name}/make_skin.py', file=sys.stderr)
        return 1 if problems else 0
    base.write(args.out, files)
    return 0
