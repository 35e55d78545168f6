#!/usr/bin/env python3
"""Makes the program icons: tavrin.ico and skin-gallery.ico, beside this script.

    python3 make_icons.py            rewrite the icons
    python3 make_icons.py --check    exit 1 unless the icons on disk show exactly
                                     what the generator makes
    python3 make_icons.py --out DIR  write them into another folder

Standard library only and deterministic. Each icon holds 16, 20, 24, 32, 40,
48, 64 and 256 pixel images: 32-bit bitmaps with alpha (and the 1-bit mask
older systems read), the 256 pixel one as PNG.

tavrin.ico, the training program's: a red target, the point the eyes hold.
skin-gallery.ico, the skin showcase's: a charcoal tile of the skin's title-bar
colour with a grid of nine cells, the middle one marked by the red target (a
plain red cell in the small images).

The images are drawn from shapes in a unit square, with 4 x 4 samples per
pixel. The 16, 20 and 24 pixel images keep hard outer edges (every pixel fully
opaque or fully clear): the skinned title bar draws the small icon over the
key colour and cuts at it, where half-transparent edge pixels would show as
pink fringes. Inside the shape, colours blend.
"""

import argparse
import pathlib
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
HARD_EDGE_UP_TO = 24
SAMPLES = 4

# The skin's colours (assets/skin/make_skin.py): its accent red and title bar.
RED = (179, 38, 46)
WHITE = (255, 255, 255)
CHARCOAL = (50, 51, 56)
CELL = (232, 229, 224)
CLEAR = None


def inside_circle(x, y, r):
    return (x - 0.5) ** 2 + (y - 0.5) ** 2 <= r * r


def target(x, y, scale, size):
    """The red target in a circle of radius 0.5 * scale about the centre: rings
    of red and white, fewer of them where the image is small."""
    rings = (0.47, 0.31, 0.15) if size <= 24 else (0.47, 0.38, 0.29, 0.20, 0.11)
    for i, r in enumerate(reversed(rings)):
        if inside_circle(x, y, r * scale):
            return RED if (len(rings) - 1 - i) % 2 == 0 else WHITE
    return CLEAR


def rounded_square(x, y, margin, radius):
    """Inside a square inset by `margin` with corners of `radius`."""
    lo, hi = margin, 1 - margin
    if not (lo <= x <= hi and lo <= y <= hi):
        return False
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def tavrin_shape(x, y, size):
    return target(x, y, 1.0, size)


def gallery_shape(x, y, size):
    """A charcoal tile, three by three light cells, the middle cell a target."""
    if not rounded_square(x, y, 0.03, 0.12):
        return CLEAR
    margin, gap = 0.12, 0.04
    cell = (1 - 2 * margin - 2 * gap) / 3
    # The target, centred on the middle cell and reaching a little past it;
    # where that is too small to show rings, the cell is plain red.
    s = cell * 1.15
    marked = target(0.5 + (x - 0.5) / s, 0.5 + (y - 0.5) / s, 1.0, 16) if size > HARD_EDGE_UP_TO else CLEAR
    if marked is not CLEAR:
        return marked
    for row in range(3):
        for col in range(3):
            x0 = margin + col * (cell + gap)
            y0 = margin + row * (cell + gap)
            if x0 <= x < x0 + cell and y0 <= y < y0 + cell:
                return RED if row == col == 1 else CELL
    return CHARCOAL


def render(shape, size):
    """Rows of (r, g, b, a), top row first."""
    rows = []
    n = SAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = covered = 0
            for sy in range(n):
                for sx in range(n):
                    colour = shape((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size, size)
                    if colour is not CLEAR:
                        r, g, b = r + colour[0], g + colour[1], b + colour[2]
                        covered += 1
            if covered == 0 or (size <= HARD_EDGE_UP_TO and 2 * covered < n * n):
                row.append((0, 0, 0, 0))
                continue
            alpha = 255 if size <= HARD_EDGE_UP_TO else (covered * 255 + n * n // 2) // (n * n)
            half = covered // 2
            row.append(((r + half) // covered, (g + half) // covered, (b + half) // covered, alpha))
        rows.append(row)
    return rows


# ---------------------------------------------------------------------------
# Icon file


def bmp_image(rows):
    """An icon image as a bitmap: header of double height, bottom-up BGRA
    pixels, then the AND mask (1 where clear), rows padded to 32 bits."""
    size = len(rows)
    pixels = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + bytes(mask)


def png_chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))


def png_image(rows):
    size = len(rows)
    raw = b''.join(b'\0' + b''.join(bytes(p) for p in row) for row in rows)
    return (b'\x89PNG\r\n\x1a\n'
            + png_chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
            + png_chunk(b'IDAT', zlib.compress(raw, 9))
            + png_chunk(b'IEND', b''))


def ico_bytes(shape):
    images = [(size, png_image(render(shape, size)) if size >= 256 else bmp_image(render(shape, size)))
              for size in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b''.join(data for _, data in images)


def icon_files():
    return {'tavrin.ico': ico_bytes(tavrin_shape), 'skin-gallery.ico': ico_bytes(gallery_shape)}


# ---------------------------------------------------------------------------


def comparable(ico):
    """The icon with each PNG's compressed data replaced by the pixels it holds:
    another zlib may compress the same pixels to other bytes."""
    count = struct.unpack_from('<H', ico, 4)[0]
    parts = [ico[:6 + 16 * count]]
    for i in range(count):
        length, offset = struct.unpack_from('<II', ico, 6 + 16 * i + 8)
        data = ico[offset:offset + length]
        if data.startswith(b'\x89PNG'):
            pos, idat, rest = 8, b'', b''
            while pos < len(data):
                length_, kind = struct.unpack_from('>I4s', data, pos)
                body = data[pos + 8:pos + 8 + length_]
                if kind == b'IDAT':
                    idat += body
                else:
                    rest += kind + body
                pos += 12 + length_
            data = rest + zlib.decompress(idat)
        parts.append(data)
    return parts


def check(folder, files):
    problems = []
    for name, data in files.items():
        path = folder / name
        if not path.exists():
            problems.append(f'{name}: missing')
            continue
        try:
            same = comparable(path.read_bytes()) == comparable(data)
        except (struct.error, zlib.error):
            same = False
        if not same:
            problems.append(f'{name}: differs from the generator')
    return problems


def main(argv):
    here = pathlib.Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--check', action='store_true',
                        help='verify the icons instead of writing them')
    parser.add_argument('--out', type=pathlib.Path, default=here,
                        help='folder of the icons (default: beside this script)')
    args = parser.parse_args(argv)
    files = icon_files()
    if args.check:
        problems = check(args.out, files)
        for p in problems:
            print(f'{args.out}/{p}', file=sys.stderr)
        if problems:
            print('run: python3 assets/icons/make_icons.py', file=sys.stderr)
        return 1 if problems else 0
    args.out.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (args.out / name).write_bytes(data)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
