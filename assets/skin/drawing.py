"""Pixel drawing for our skin generators: images, rounded shapes, 45-degree
glyph shapes, display scales and the bitmap file format.

Standard library only and deterministic. Every shape is drawn pixel by pixel
without smoothing: the painters stretch with nearest-pixel copies and cut
window regions at the key colour, where blended edge pixels would only show
as fringes.
"""

import collections
import math
import struct
from fractions import Fraction


def rgb(r, g, b):
    return (r << 16) | (g << 8) | b


def hue_degrees(colour):
    """The hue of an rgb() colour in whole degrees (0 to 359), as the engine
    reads a skin's [Colourise] AccentHue."""
    import colorsys
    r, g, b = colour >> 16, (colour >> 8) & 255, colour & 255
    return round(colorsys.rgb_to_hls(r / 255, g / 255, b / 255)[0] * 360) % 360


KEY = rgb(255, 0, 255)  # transparent in every skin image

# ---------------------------------------------------------------------------
# Display scales


class Scale:
    """A display scale k (1 at 96 DPI, 1.5, 2). Every 96-DPI measure m of a
    design maps to round(m * k) pixels, half up, the sign kept: the rule the
    engine applies to the values of skin.ini."""

    def __init__(self, k):
        self.k = Fraction(k)

    def __eq__(self, other):
        return isinstance(other, Scale) and self.k == other.k

    def __hash__(self):
        return hash(self.k)

    def __repr__(self):
        return f'Scale({self.k})'

    def __call__(self, m):
        v = Fraction(m) * self.k
        n = math.floor(abs(v) + Fraction(1, 2))
        return -n if v < 0 else n

    @property
    def hair(self):
        """Thickness of a line drawn 1 px at 96 DPI: 1 px up to 1.5x, where
        2 px would look heavy next to the other measures, then whole
        multiples."""
        return max(1, math.floor(self.k))

    def radius(self, r):
        """A corner radius: not rounded, the arcs are cut at pixel centres."""
        return float(Fraction(r) * self.k)

    def strip(self, length, frames):
        """One side of a strip of `frames` equal frames that is `length` px
        long at 96 DPI: every frame scales on its own."""
        return frames * self(Fraction(length, frames))

    @property
    def suffix(self):
        """'' at 96 DPI, else '@1.5x' or '@2x'."""
        return '' if self.k == 1 else f'@{float(self.k):g}x'

    def file_name(self, name):
        """name.bmp of the 96-DPI image -> name@1.5x.bmp (and so on)."""
        stem, dot, ext = name.rpartition('.')
        return f'{stem}{self.suffix}{dot}{ext}'

    @property
    def pels_per_metre(self):
        dpi = 96 * self.k
        return math.floor(dpi / Fraction(254, 10000) + Fraction(1, 2))


ONE = Scale(1)
SCALES = (ONE, Scale('1.5'), Scale(2))  # every image is drawn at each of these

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

    def outline(self, x0, y0, x1, y1, colour, width=1):
        """A frame `width` px thick just inside the rectangle [x0, x1) x [y0, y1)."""
        self.fill(x0, y0, x1, y0 + width, colour)
        self.fill(x0, y1 - width, x1, y1, colour)
        self.fill(x0, y0, x0 + width, y1, colour)
        self.fill(x1 - width, y0, x1, y1, colour)

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


def rounded_box(w, h, radius, fill, line=None, top_only=False, line_width=1):
    """A w x h box with rounded corners on the key colour (only the top two
    with top_only), and an optional outline `line_width` px thick following
    the corners."""
    shape_h = UNBOUNDED if top_only else h

    def inside(x, y):
        return not corner_cut(x, y, w, shape_h, radius)
    depth = depth_map(inside, w, h)
    box = Image(w, h)
    for y in range(h):
        for x in range(w):
            if depth[y][x] >= 0:
                on_line = line is not None and depth[y][x] < line_width
                box.set(x, y, line if on_line else fill)
    return box


# ---------------------------------------------------------------------------
# 45-degree glyph shapes. Small glyphs keep their pixel-art steps at every
# scale (one pixel across per row), so they are laid out in whole pixels
# rather than sampled from a scaled outline, which would give uneven steps.


def triangle_up(w, h, colour):
    """A w x h image holding the widest up-pointing triangle with 45-degree
    sides: w px wide at the bottom row, two less on each row above (an even
    width ends in a 2-px tip, with a clear top row when h is too tall)."""
    img = Image(w, h)
    for row in range(h):
        inset = h - 1 - row
        img.fill(inset, row, w - inset, row + 1, colour)
    return img


def chevron(w, h, stroke, colour):
    """A downward V with 45-degree arms `stroke` px thick across, its outer
    edges in the top corners, closing in a tip at the bottom."""
    img = Image(w, h)
    for row in range(h):
        for x in range(row, w - row):
            if not row + stroke <= x < w - row - stroke:
                img.set(x, row, colour)
    return img


def tick(w, h, stroke, colour):
    """A check mark filling w x h: a long arm rising at 45 degrees to the top
    right corner and a short arm falling to it from the left edge, both
    `stroke` px thick across, meeting in a point on the bottom row."""
    img = Image(w, h)
    long_edge = w - 1  # x + y of the long arm's upper edge
    short_edge = long_edge + stroke - 1 - 2 * (h - 1)  # x - y of the short arm's lower edge
    for y in range(h):
        for x in range(w):
            s, d = x + y, x - y
            long_arm = long_edge <= s < long_edge + stroke and d >= short_edge
            short_arm = short_edge <= d < short_edge + stroke and s < long_edge + stroke
            if long_arm or short_arm:
                img.set(x, y, colour)
    return img


def diagonals(img, x0, y0, size, width, colour):
    """An X across the size x size box at (x0, y0): pixels whose centre lies
    within width / 2 of either diagonal."""
    limit = width * width / 2  # (distance * sqrt 2) squared
    for y in range(size):
        for x in range(size):
            for d in (x - y, x + y + 1 - size):
                if d * d < limit:
                    img.set(x0 + x, y0 + y, colour)
                    break


# ---------------------------------------------------------------------------
# Bitmap files: BITMAPFILEHEADER + BITMAPINFOHEADER, rows bottom-up, BI_RGB.


def bmp_bytes(image, bits, pels_per_metre=ONE.pels_per_metre):
    if bits == 8:
        palette = sorted(set(image.pixels))
        assert len(palette) <= 256, 'too many colours for a palette image'
        index = {c: i for i, c in enumerate(palette)}
        table = b''.join(struct.pack('<BBBB', c & 255, (c >> 8) & 255, c >> 16, 0)
                         for c in palette)
        pixel = lambda c: bytes((index[c],))  # noqa: E731
    elif bits in (24, 32):
        palette, table = [], b''
        tail = b'\xff' if bits == 32 else b''  # opaque, for readers that honour it
        pixel = lambda c: bytes((c & 255, (c >> 8) & 255, c >> 16)) + tail  # noqa: E731
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
                              len(data), pels_per_metre, pels_per_metre, len(palette),
                              len(palette))
    return file_header + info_header + table + data
