#!/usr/bin/env python3
"""Checks a skin folder (skin.ini and its bitmaps) the way the program will
read it, and the design rules our own skin keeps so that it paints cleanly.

    python3 check_skin.py FOLDER     prints every problem; exit status 1 if any

Loader rules: image keys name lower-case .bmp files that exist; every image is
a valid uncompressed bitmap of the bit depth we chose; frame counts divide the
images; margins leave a middle inside a frame; caption-button codes mean
something; the larger images beside an image (name@1.5x.bmp, name@2x.bmp)
keep its bit depth and have the size the engine takes: each frame's sides
scaled and rounded half up. Design rules, at every scale: frames that show
different states differ; caption buttons are opaque and repaint the title bar
behind them; images that are drawn opaquely hold no key colour; the rounded
window corners are cut the same way in the active and the inactive frames.
"""

import math
import pathlib
import struct
import sys
from fractions import Fraction

KEY = (255, 0, 255)

# The larger images a skin may carry beside name.bmp: name@1.5x.bmp, name@2x.bmp.
SCALES = {'@1.5x': Fraction(3, 2), '@2x': Fraction(2)}


def scaled(measure, k):
    """A 96-DPI measure at scale k: rounded half up, the sign kept."""
    n = math.floor(abs(measure) * k + Fraction(1, 2))
    return -n if measure < 0 else n

# ---------------------------------------------------------------------------
# Reading


def read_ini(text):
    """Sections in file order as (name, {lower-case key: value}); a later
    duplicate of a key or section does not override the first."""
    sections = []
    current = None
    for raw in text.splitlines():
        line = raw.strip()
        if not line or line.startswith(';'):
            continue
        if line.startswith('[') and ']' in line:
            name = line[1:line.rindex(']')].strip()
            current = next((keys for n, keys in sections if n.lower() == name.lower()), None)
            if current is None:
                current = {}
                sections.append((name, current))
        elif '=' in line and current is not None:
            key, value = line.split('=', 1)
            current.setdefault(key.strip().lower(), value.strip())
    return sections


class Bitmap:
    def __init__(self, width, height, bits, pixels):
        self.width, self.height, self.bits = width, height, bits
        self.pixels = pixels  # top row first, (r, g, b) tuples

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def frame(self, count, index, vertical=False):
        """Pixels of frame `index` (1-based), row by row."""
        if vertical:
            fh = self.height // count
            rows = range((index - 1) * fh, index * fh)
            return tuple(tuple(self.get(x, y) for x in range(self.width)) for y in rows)
        fw = self.width // count
        cols = range((index - 1) * fw, index * fw)
        return tuple(tuple(self.get(x, y) for x in cols) for y in range(self.height))


def read_bmp(data):
    """Decodes an uncompressed 8, 24 or 32-bit bitmap file; raises ValueError
    with the reason for anything else."""
    if len(data) < 54 or data[:2] != b'BM':
        raise ValueError('not a bitmap file')
    file_size, offset = struct.unpack_from('<I4xI', data, 2)
    (header_size, width, height, planes, bits, compression, image_size,
     _, _, used, _) = struct.unpack_from('<IiiHHIIiiII', data, 14)
    if file_size != len(data):
        raise ValueError(f'file size field {file_size} but {len(data)} bytes')
    if header_size != 40:
        raise ValueError(f'info header of {header_size} bytes, expected 40')
    if width <= 0 or height <= 0:
        raise ValueError(f'size {width} x {height}: expected a positive, bottom-up image')
    if planes != 1 or compression != 0 or bits not in (8, 24, 32):
        raise ValueError(f'planes {planes}, compression {compression}, {bits} bits per pixel')
    colours = (used or 256) if bits == 8 else 0
    if colours > 256 or offset != 54 + 4 * colours:
        raise ValueError(f'pixel data at {offset} with a palette of {colours} colours')
    stride = (width * bits + 31) // 32 * 4
    if image_size not in (0, stride * height) or offset + stride * height != len(data):
        raise ValueError('pixel data does not fill the file exactly')
    palette = [struct.unpack_from('<BBB', data, 54 + 4 * i)[::-1] for i in range(colours)]
    pixels = []
    for y in range(height):
        row = offset + (height - 1 - y) * stride
        for x in range(width):
            if bits == 8:
                if data[row + x] >= colours:
                    raise ValueError(f'pixel ({x}, {y}) beyond the palette')
                pixels.append(palette[data[row + x]])
            else:
                at = row + x * (bits // 8)
                pixels.append((data[at + 2], data[at + 1], data[at]))
    return Bitmap(width, height, bits, pixels)


# ---------------------------------------------------------------------------
# What the program reads

BORDERS = ('Left', 'Right', 'Top', 'Bottom')
IMAGE_OBJECTS = ('GroupBoxEdge', 'Toolbars', 'Tabs', 'StatusBarEdges', 'ComboButton', 'SunkEdge',
                 'ExtraImages', 'Headerbar', 'MenuItem', 'MenuBackground', 'Scrollbar',
                 'HorzScroll', 'VertScroll', 'HorzScrollThumb', 'VertScrollThumb',
                 'UpDown.Horz', 'UpDown.Vert')
FIXED_FRAMES = {'GroupBoxEdge': 2, 'Toolbars': 5, 'Tabs': 5, 'ExtraImages': 5, 'Headerbar': 5,
                'MenuItem': 5, 'StatusBarEdges': 3, 'ComboButton': 4, 'SunkEdge': 4,
                'HorzScroll': 4, 'VertScroll': 4, 'MenuBackground': 1, 'Scrollbar': 23,
                'UpDown.Horz': 8, 'UpDown.Vert': 8}
NOT_CAPTION_BUTTONS = ('BUTTONS', 'BUTTON.RADIO', 'BUTTON.CHECKBOX')
TAB_PAGE_MARGINS = (4, 5, 4, 4)  # the painter's own, for the "Border" image

# Bit depths of our skin: full colour for the borders, 24 bits for the
# caption buttons, a palette for every control image.
BORDER_BITS, CAPTION_BITS, CONTROL_BITS = 32, 24, 8

# Caption-button codes the engine acts on.
ACTIONS = {0, 1, 2, 3, 7, 8, 9, 11, 12, 22, 23, 60, 61, 62}
ALIGNS = {0, 1, 2, 3, 8, 9, 100}
NEVER_VISIBLE = {5, 10, 11}
OPPOSITE_CODES = ({1, 2}, {3, 4}, {6, 7}, {8, 9})


def visibility_code_ok(code):
    return 0 <= code <= 11 or code == 100 or 200 <= code <= 2000


def parse_int(text, default):
    """Integer keys: decimal, $hex or 0xhex, else the default."""
    if text is None:
        return default
    t = text.strip()
    sign = -1 if t.startswith('-') else 1
    t = t.lstrip('+-')
    try:
        if t.startswith('$'):
            return sign * int(t[1:], 16)
        if t.lower().startswith('0x'):
            return sign * int(t[2:], 16)
        return sign * int(t, 10)
    except ValueError:
        return default


class Image:
    """One image key of the definition and what the program makes of it."""

    def __init__(self, where, bitmap, frames, vertical=False, margins=(0, 0, 0, 0), k=1):
        self.where = where  # "[Section] Key", and the file of a larger scale
        self.bitmap = bitmap
        self.frames = frames
        self.vertical = vertical
        self.margins = margins  # left, top, right, bottom
        self.k = k
        self.larger = []  # the same image at the larger scales the skin carries

    def versions(self):
        return [self] + self.larger

    def frame_size(self):
        if self.vertical:
            return self.bitmap.width, self.bitmap.height // self.frames
        return self.bitmap.width // self.frames, self.bitmap.height

    def frame(self, index):
        return self.bitmap.frame(self.frames, index, self.vertical)


class Skin:
    def __init__(self, folder):
        self.folder = pathlib.Path(folder)
        self.problems = []
        self.named = set()  # file names the definition uses
        ini = self.folder / 'skin.ini'
        self.sections = read_ini(ini.read_bytes().decode('latin-1')) if ini.exists() else []
        if not ini.exists():
            self.problem('skin.ini: missing')

    def problem(self, text):
        self.problems.append(text)

    def section(self, name):
        return next((keys for n, keys in self.sections if n.lower() == name.lower()), {})

    def value(self, section, key):
        return self.section(section).get(key.lower())

    def integer(self, section, key, default=0):
        return parse_int(self.value(section, key), default)

    def load(self, section, key, bits):
        """The bitmap an image key names, or None after reporting why not.
        Our skin leaves no image key empty: each one stands for a look."""
        where = f'[{section}] {key}'
        value = self.value(section, key) or ''
        name = value.replace(':', '\\').rsplit('\\', 1)[-1]  # the loader drops directories
        if not name:
            self.problem(f'{where}: no image')
            return None
        if not name.endswith('.bmp') or name != name.lower():
            self.problem(f'{where}: "{name}" must be a lower-case .bmp name')
            return None
        self.named.add(name)
        path = self.folder / name
        if not path.exists():
            self.problem(f'{where}: {name} does not exist')
            return None
        try:
            bitmap = read_bmp(path.read_bytes())
        except ValueError as error:
            self.problem(f'{where}: {name}: {error}')
            return None
        bitmap.name = name
        if bitmap.bits != bits:
            self.problem(f'{where}: {name} has {bitmap.bits} bits per pixel, expected {bits}')
        return bitmap

    def image(self, section, key, bits, frames, vertical=False, margins=(0, 0, 0, 0)):
        bitmap = self.load(section, key, bits)
        if bitmap is None:
            return None
        image = Image(f'[{section}] {key}', bitmap, frames, vertical, margins)
        return self.accept(image)

    def margins(self, section):
        return tuple(self.integer(section, k) for k in
                     ('LeftWidth', 'TopHeight', 'RightWidth', 'BottomHeight'))

    # -- loader rules --------------------------------------------------------

    def accept(self, image):
        """The image, with its larger versions, if its frames divide it."""
        if not self.check_frames(image):
            return None
        self.load_larger(image)
        return image

    def load_larger(self, image):
        """The larger versions of an image keep its bit depth, and each of
        their frames is the 96-DPI frame scaled, so that the engine slices
        them in the same places; it drops one of any other size."""
        name = image.bitmap.name
        for suffix, k in SCALES.items():
            larger = name[:-len('.bmp')] + suffix + '.bmp'
            path = self.folder / larger
            if not path.exists():
                continue
            self.named.add(larger)
            where = f'{image.where}: {larger}'
            try:
                bitmap = read_bmp(path.read_bytes())
            except ValueError as error:
                self.problem(f'{where}: {error}')
                continue
            if bitmap.bits != image.bitmap.bits:
                self.problem(f'{where} has {bitmap.bits} bits per pixel, '
                             f'expected {image.bitmap.bits} as {name}')
                continue
            across, down = (1, image.frames) if image.vertical else (image.frames, 1)
            expected = (across * scaled(Fraction(image.bitmap.width, across), k),
                        down * scaled(Fraction(image.bitmap.height, down), k))
            if (bitmap.width, bitmap.height) != expected:
                self.problem(f'{where} is {bitmap.width} x {bitmap.height}, expected '
                             f'{expected[0]} x {expected[1]} ({image.frames} frames of '
                             f'{name} at {float(k):g}x)')
                continue
            image.larger.append(Image(where, bitmap, image.frames, image.vertical,
                                      tuple(scaled(m, k) for m in image.margins), k))

    def check_frames(self, image):
        """Frames divide the image; the margins leave a middle in a frame."""
        length = image.bitmap.height if image.vertical else image.bitmap.width
        if image.frames < 1 or length % image.frames:
            self.problem(f'{image.where}: {length} px do not split into {image.frames} frames')
            return False
        fw, fh = image.frame_size()
        left, top, right, bottom = image.margins
        if min(image.margins) < 0 or left + right >= fw or top + bottom >= fh:
            self.problem(f'{image.where}: margins {image.margins} do not fit a {fw} x {fh} frame')
        return True

    def borders(self):
        out = {}
        for name in BORDERS:
            fixed = (self.integer('Personality', name + 'TopHeight'),
                     self.integer('Personality', name + 'BotHeight'))
            sides = name in ('Left', 'Right')
            margins = (0, fixed[0], 0, fixed[1]) if sides else (fixed[0], 0, fixed[1], 0)
            out[name] = self.image('Personality', name, BORDER_BITS,
                                   self.integer('Personality', name + 'Frame', 1),
                                   vertical=not sides, margins=margins)
        return out

    def caption_buttons(self):
        """(section, image or None) of every caption-button section."""
        out = []
        for name, _ in self.sections:
            upper = name.upper()
            if not upper.startswith('BUTTON') or upper in NOT_CAPTION_BUTTONS:
                continue
            action = self.integer(name, 'Action')
            frames = self.integer(name, 'frame')
            image = None
            if action not in (3, 11) or frames:
                bitmap = self.load(name, 'ButtonImage', CAPTION_BITS)
                if bitmap is not None:
                    if not frames:
                        frames = 6 if action < 0 or bitmap.width / bitmap.height > 3.8 else 3
                    image = self.accept(Image(f'[{name}] ButtonImage', bitmap, frames))
            self.check_codes(name, action)
            out.append((name, image))
        return out

    def check_codes(self, name, action):
        align = self.integer(name, 'Align')
        codes = (self.integer(name, 'Visibility'), self.integer(name, 'Visibility1'))
        if action not in ACTIONS:
            self.problem(f'[{name}] Action {action}: not an action of the engine')
        if align not in ALIGNS:
            self.problem(f'[{name}] Align {align}: no such placement')
        for key, code in zip(('Visibility', 'Visibility1'), codes):
            if not visibility_code_ok(code) or code in NEVER_VISIBLE:
                self.problem(f'[{name}] {key} {code}: the button would never show')
        if set(codes) in OPPOSITE_CODES:
            self.problem(f'[{name}] Visibility {codes}: contradictory conditions')

    def controls(self):
        """Every control image of the skin set, keyed by a short name."""
        out = {}
        out['Buttons'] = self.image('Buttons', 'Bitmap', CONTROL_BITS, 5,
                                    margins=self.margins('Buttons'))
        for key, frame_key in (('CheckButton', 'CheckButtonFrame'),
                               ('RadioButton', 'RadioButtonFrame')):
            bitmap = self.load('Buttons', key, CONTROL_BITS)
            if bitmap is None:
                continue
            frames = self.integer('Buttons', frame_key)
            if not frames:
                frames = max(bitmap.width // (13 if bitmap.height < 16 else 16), 4)
            out[key] = self.accept(Image(f'[Buttons] {key}', bitmap, frames))
        out['Progress'] = self.image('Progress', 'Bitmap', CONTROL_BITS, 2,
                                     margins=self.margins('Progress'))
        # A skin may leave out the caption text's background strip.
        if self.value('Personality', 'TextBack') is not None or self.integer('Personality',
                                                                             'Textbackground'):
            out['TextBack'] = self.image('Personality', 'TextBack', CONTROL_BITS, 2,
                                         vertical=True,
                                         margins=(self.integer('Personality', 'TXTBackleft'), 0,
                                                  self.integer('Personality', 'TXTBackRight'), 0))
        out['menuBar'] = self.image('Personality', 'menuBar', CONTROL_BITS, 2, vertical=True,
                                    margins=(self.integer('Personality', 'TileLeftMenu', 1), 0,
                                             self.integer('Personality', 'TileRightMenu', 1), 0))
        mdi = self.load('MDICONTROLS', 'Image', CONTROL_BITS)
        if mdi is not None:
            out['MDICONTROLS'] = self.accept(Image('[MDICONTROLS] Image', mdi, 12))
        for name in IMAGE_OBJECTS:
            frames = FIXED_FRAMES.get(name) or self.integer(name, 'FrameCount', 3)
            out[name] = self.image(name, 'Image', CONTROL_BITS, frames, margins=self.margins(name))
        out['Tabs.Border'] = self.image('Tabs', 'Border', CONTROL_BITS, 1,
                                        margins=TAB_PAGE_MARGINS)
        for name in ('UpDown.Horz', 'UpDown.Vert'):
            out[name + '.GlyphImage'] = self.image(name, 'GlyphImage', CONTROL_BITS, 8)
        return out

    def unnamed_files(self):
        for path in sorted(self.folder.glob('*.bmp')):
            if path.name in self.named:
                continue
            base = next((path.name[:-len(s + '.bmp')] + '.bmp' for s in SCALES
                         if path.name.endswith(s + '.bmp')), None)
            if base is not None and base not in self.named:
                self.problem(f'{path.name}: a larger image of {base}, which skin.ini does not name')
            elif base is None:
                self.problem(f'{path.name}: not named by skin.ini')


# ---------------------------------------------------------------------------
# Design rules of our skin

# Frames that show different states, per image: they must look different.
STATE_FRAMES = {
    'Buttons': (1, 2, 3, 4), 'CheckButton': (1, 2, 3, 4), 'RadioButton': (1, 2, 3, 4),
    'Progress': (1, 2), 'TextBack': (1, 2), 'menuBar': (1, 2), 'Tabs': (1, 2),
    'StatusBarEdges': (1, 2, 3), 'ComboButton': (1, 2, 3, 4), 'ExtraImages': (1, 2, 3, 4),
    'MenuItem': (1, 2, 4), 'Scrollbar': (1, 2, 5, 6, 9, 10, 13, 14),
    'HorzScrollThumb': (1, 2), 'VertScrollThumb': (1, 2),
    'UpDown.Horz': (1, 2, 3, 4), 'UpDown.Vert': (1, 2, 3, 4),
    'UpDown.Horz.GlyphImage': (1, 2, 3, 4, 5), 'UpDown.Vert.GlyphImage': (1, 2, 3, 4, 5),
}
MDI_STATES = ((1, 2, 4), (5, 6, 8), (9, 10, 12))  # normal, pressed, hot of each button
CAPTION_STATES = (1, 2, 3, 4)  # normal, pressed, hot, inactive window

# Drawn without key-colour transparency: a key pixel would show as magenta.
OPAQUE = ('menuBar', 'Headerbar', 'StatusBarEdges', 'MenuBackground', 'Tabs.Border',
          'HorzScroll', 'VertScroll')


def distinct(skin, image, frames):
    seen = {}
    for index in frames:
        pixels = image.frame(index)
        if pixels in seen:
            skin.problem(f'{image.where}: frames {seen[pixels]} and {index} look the same')
        seen.setdefault(pixels, index)


def has_key(pixels):
    return any(KEY in row for row in pixels)


def versions(image):
    return image.versions() if image is not None else []


def at_scale(image, k):
    return next((v for v in versions(image) if v.k == k), None)


def check_borders(skin, borders):
    for name, image in borders.items():
        if image is not None and image.frames != 2:
            skin.problem(f'{image.where}: expected an active and an inactive frame')
            continue
        for version in versions(image):
            check_border(skin, name, version)
    for name, corner in (('Left', 0), ('Right', -1)):
        for image in versions(borders.get(name)):
            if image.frame(1)[0][corner] != KEY:
                skin.problem(f'{image.where}: the outer top corner is not cut (key colour)')


def check_border(skin, name, image):
    distinct(skin, image, (1, 2))
    keys = [tuple(tuple(p == KEY for p in row) for row in image.frame(i)) for i in (1, 2)]
    trans = skin.integer('Personality', name + 'Trans', 1)
    if keys[0] != keys[1]:
        skin.problem(f'{image.where}: the key colour differs between active and inactive '
                     'frames (the window outline would depend on the state)')
    if not trans and has_key(image.frame(1)):
        skin.problem(f'{image.where}: key colour in a border without Trans')


def check_caption_buttons(skin, buttons, top):
    title_h = top.frame_size()[1] if top else 0
    for name, image in buttons:
        for version in versions(image):
            # Without a top border of its own a larger scale stretches the 96-DPI one.
            top_k = at_scale(top, version.k)
            check_caption_button(skin, name, version, top_k, scaled(title_h, version.k))


def check_caption_button(skin, name, image, top, title_h):
    """One caption button at one scale, on the title bar of that scale."""
    y0 = scaled(skin.integer(name, 'Ycoord'), image.k)
    fw, fh = image.frame_size()
    if y0 < 0 or y0 + fh > title_h:
        scale = '' if image.k == 1 else f' at {float(image.k):g}x'
        skin.problem(f'[{name}] Ycoord {y0}{scale}: the button leaves the {title_h}-px '
                     'title bar')
        return
    if image.frames < 4:
        skin.problem(f'{image.where}: needs the normal, pressed, hot and inactive frames')
        return
    distinct(skin, image, CAPTION_STATES)
    if any(has_key(image.frame(index)) for index in CAPTION_STATES):
        skin.problem(f'{image.where}: key colour in a state frame (state changes are '
                     'painted over the previous state)')
    if top is None:
        return
    # The normal and inactive frames carry the title bar behind them.
    for index, title_frame in ((1, 1), (4, 2)):
        title = top.frame(title_frame)
        middle = len(title[0]) // 2
        frame = image.frame(index)
        if any(frame[y][0] != title[y0 + y][middle] for y in range(fh)):
            skin.problem(f'{image.where}: frame {index} does not match the title bar '
                         f'rows {y0} to {y0 + fh - 1}')


def exclusive(skin, a, b):
    """True when two caption buttons can never show at the same time."""
    codes = {skin.integer(a, 'Visibility'), skin.integer(a, 'Visibility1'),
             skin.integer(b, 'Visibility'), skin.integer(b, 'Visibility1')}
    return any(pair <= codes for pair in OPPOSITE_CODES)


def check_caption_layout(skin, buttons, borders):
    """Buttons placed from the left (Align 0) or the right edge (Align 1) stay
    off the border, off each other and off the caption text."""
    setting = lambda key: skin.integer('Personality', key)  # noqa: E731
    for align, name in ((0, 'Left'), (1, 'Right')):
        border = borders[name].frame_size()[0] if borders.get(name) else 0
        # (section, distance of the button's far side from its edge, width)
        placed = []
        for section, image in buttons:
            if image is not None and skin.integer(section, 'Align') == align:
                width = image.frame_size()[0]
                far = skin.integer(section, 'Xcoord') + (width if align == 0 else 0)
                placed.append((section, far, width))
        for i, (a, xa, wa) in enumerate(placed):
            if xa - wa < border:
                skin.problem(f'[{a}] Xcoord {skin.integer(a, "Xcoord")}: the button covers '
                             f'the {name.lower()} border')
            for b, xb, wb in placed[i + 1:]:
                if not exclusive(skin, a, b) and xa - wa < xb and xb - wb < xa:
                    skin.problem(f'[{a}] and [{b}] overlap on the title bar')
        if not placed:
            continue
        reach = max(x for _, x, _ in placed)
        # Whatever the alignment, the text ends this far from the right edge.
        if align == 1 and border + setting('TextRightClip') + setting('TXTBackRight') < reach:
            skin.problem(f'[Personality] TextRightClip {setting("TextRightClip")}: '
                         'the caption text can run under the caption buttons')
        if (align == 0 and setting('TextAlignment') == 0
                and border + setting('TextShift') + setting('TXTBackleft') < reach):
            skin.problem(f'[Personality] TextShift {setting("TextShift")}: '
                         'the caption text starts under the caption buttons')


def check_mdi(skin, controls):
    mdi, bar = controls.get('MDICONTROLS'), controls.get('menuBar')
    if mdi is None:
        return
    for version in versions(mdi):
        for states in MDI_STATES:
            distinct(skin, version, states)
        if KEY in version.bitmap.pixels:
            skin.problem(f'{version.where}: key colour in a cell (state changes are painted '
                         'over the previous state)')
    if bar is not None:
        background = bar.frame(1)[1][len(bar.frame(1)[0]) // 2]
        if mdi.frame(1)[0][0] != background:
            skin.problem(f'{mdi.where}: cells do not match the active menu bar')


def check_design(skin, borders, buttons, controls):
    check_borders(skin, borders)
    check_caption_buttons(skin, buttons, borders.get('Top'))
    check_caption_layout(skin, buttons, borders)
    check_mdi(skin, controls)
    for name, frames in STATE_FRAMES.items():
        for image in versions(controls.get(name)):
            distinct(skin, image, frames)
    for name in OPAQUE:
        for image in versions(controls.get(name)):
            if KEY in image.bitmap.pixels:
                skin.problem(f'{image.where}: key colour in an image drawn opaquely')


def check(folder):
    """Every problem of the skin in `folder`, as texts."""
    skin = Skin(folder)
    if not skin.sections:
        return skin.problems or ['skin.ini: no sections']
    borders = skin.borders()
    buttons = skin.caption_buttons()
    controls = skin.controls()
    skin.unnamed_files()
    check_design(skin, borders, buttons, controls)
    return skin.problems


def main(argv):
    if len(argv) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    problems = check(argv[0])
    for p in problems:
        print(p)
    print(f'{len(problems)} problem(s)' if problems else 'skin OK')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
