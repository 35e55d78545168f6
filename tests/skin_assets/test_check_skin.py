"""The skin checker finds each kind of fault in a damaged copy of our skin.

Run from this folder: python3 -m unittest test_check_skin
The skin folder defaults to assets/skin of this checkout; SKIN_DIR overrides.
"""

import os
import pathlib
import shutil
import struct
import tempfile
import unittest

import check_skin

HERE = pathlib.Path(__file__).resolve().parent
SKIN = pathlib.Path(os.environ.get('SKIN_DIR', HERE.parent.parent / 'assets' / 'skin'))


def write_bmp(path, bitmap, bits):
    """Writes an uncompressed 8, 24 or 32-bit bitmap file."""
    palette = sorted(set(bitmap.pixels)) if bits == 8 else []
    index = {c: i for i, c in enumerate(palette)}
    stride = (bitmap.width * bits + 31) // 32 * 4
    rows = []
    for y in reversed(range(bitmap.height)):
        row = bytearray()
        for x in range(bitmap.width):
            r, g, b = bitmap.get(x, y)
            row += bytes((index[(r, g, b)],)) if bits == 8 else bytes((b, g, r))[:bits // 8]
            if bits == 32:
                row += b'\xff'
        rows.append(bytes(row) + b'\0' * (stride - len(row)))
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    data = b''.join(rows)
    offset = 54 + len(table)
    path.write_bytes(struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
                     + struct.pack('<IiiHHIIiiII', 40, bitmap.width, bitmap.height, 1, bits, 0,
                                   len(data), 0, 0, len(palette), len(palette))
                     + table + data)


class DamagedSkin(unittest.TestCase):
    def setUp(self):
        self.folder = pathlib.Path(tempfile.mkdtemp())
        for path in SKIN.iterdir():
            if path.suffix in ('.bmp', '.ini'):
                shutil.copy(path, self.folder)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def bitmap(self, name):
        return check_skin.read_bmp((self.folder / name).read_bytes())

    def edit_ini(self, old, new):
        path = self.folder / 'skin.ini'
        text = path.read_bytes().decode('ascii')
        self.assertIn(old, text)
        path.write_bytes(text.replace(old, new, 1).encode('ascii'))

    def assertProblem(self, fragment):
        problems = check_skin.check(self.folder)
        self.assertTrue(any(fragment in p for p in problems),
                        f'no problem mentions "{fragment}": {problems}')


class Intact(DamagedSkin):
    def test_our_skin_passes(self):
        self.assertEqual(check_skin.check(self.folder), [])


class LoaderRules(DamagedSkin):
    """What the program itself needs to load and slice the images."""

    def test_image_key_naming_a_missing_file(self):
        (self.folder / 'progress.bmp').unlink()
        self.assertProblem('[Progress] Bitmap: progress.bmp does not exist')

    def test_image_name_with_capital_extension(self):
        self.edit_ini('Bitmap=progress.bmp', 'Bitmap=skin\\progress.BMP')
        self.assertProblem('[Progress] Bitmap: "progress.BMP" must be a lower-case .bmp name')

    def test_directory_part_is_ignored(self):
        self.edit_ini('Bitmap=progress.bmp', 'Bitmap=c:\\skins\\progress.bmp')
        self.assertEqual(check_skin.check(self.folder), [])

    def test_strip_that_does_not_split_into_its_frames(self):
        b = self.bitmap('button.bmp')
        narrower = check_skin.Bitmap(b.width - 1, b.height, 8,
                                     [b.get(x, y) for y in range(b.height)
                                      for x in range(b.width - 1)])
        write_bmp(self.folder / 'button.bmp', narrower, 8)
        self.assertProblem('[Buttons] Bitmap: 99 px do not split into 5 frames')

    def test_margins_wider_than_a_frame(self):
        self.edit_ini('Bitmap=button.bmp\r\nLeftWidth=4', 'Bitmap=button.bmp\r\nLeftWidth=16')
        self.assertProblem('[Buttons] Bitmap: margins (16, 4, 4, 4)')

    def test_border_fixed_ends_longer_than_the_frame(self):
        self.edit_ini('TopTopHeight=8', 'TopTopHeight=60')
        self.assertProblem('[Personality] Top: margins')

    def test_wrong_bit_depth(self):
        write_bmp(self.folder / 'close.bmp', self.bitmap('close.bmp'), 8)
        self.assertProblem('close.bmp has 8 bits per pixel, expected 24')

    def test_truncated_bitmap(self):
        path = self.folder / 'left.bmp'
        path.write_bytes(path.read_bytes()[:-7])
        self.assertProblem('[Personality] Left: left.bmp: file size field')

    def test_caption_button_with_a_meaningless_action(self):
        self.edit_ini('[Button.Close]\r\nAction=0', '[Button.Close]\r\nAction=42')
        self.assertProblem('[Button.Close] Action 42')

    def test_caption_button_that_never_shows(self):
        self.edit_ini('Ycoord=3\r\nVisibility=0', 'Ycoord=3\r\nVisibility=150')
        self.assertProblem('[Button.Close] Visibility 150')

    def test_caption_button_with_contradictory_conditions(self):
        self.edit_ini('Visibility=2\r\nVisibility1=6', 'Visibility=2\r\nVisibility1=1')
        self.assertProblem('contradictory conditions')

    def test_bitmap_not_named_by_the_definition(self):
        shutil.copy(self.folder / 'progress.bmp', self.folder / 'spare.bmp')
        self.assertProblem('spare.bmp: not named by skin.ini')


class DesignRules(DamagedSkin):
    """What our skin keeps so that every state draws cleanly."""

    def test_state_frames_that_look_the_same(self):
        b = self.bitmap('button.bmp')
        fw = b.width // 5
        pixels = list(b.pixels)
        for y in range(b.height):
            for x in range(fw):
                pixels[y * b.width + fw + x] = b.get(x, y)  # pressed := normal
        write_bmp(self.folder / 'button.bmp', check_skin.Bitmap(b.width, b.height, 8, pixels), 8)
        self.assertProblem('[Buttons] Bitmap: frames 1 and 2 look the same')

    def test_key_colour_in_a_caption_button(self):
        b = self.bitmap('minimize.bmp')
        b.pixels[0] = check_skin.KEY
        write_bmp(self.folder / 'minimize.bmp', b, 24)
        self.assertProblem('[Button.Minimize] ButtonImage: key colour in a state frame')

    def test_caption_buttons_off_their_title_rows(self):
        self.edit_ini('Xcoord=37\r\nYcoord=3', 'Xcoord=37\r\nYcoord=4')
        self.assertProblem('[Button.Close] ButtonImage: frame 1 does not match the title bar')

    def test_overlapping_caption_buttons(self):
        self.edit_ini('Action=2\r\nAlign=1\r\nXcoord=101', 'Action=2\r\nAlign=1\r\nXcoord=80')
        self.assertProblem('overlap on the title bar')

    def test_caption_text_running_under_the_buttons(self):
        self.edit_ini('TextRightClip=100', 'TextRightClip=20')
        self.assertProblem('TextRightClip 20')

    def test_left_aligned_buttons_over_the_border_or_the_text(self):
        self.edit_ini('[Button.Close]\r\nAction=0\r\nAlign=1\r\nXcoord=37',
                      '[Button.Close]\r\nAction=0\r\nAlign=0\r\nXcoord=2')
        self.assertProblem('[Button.Close] Xcoord 2: the button covers the left border')
        self.edit_ini('Align=0\r\nXcoord=2', 'Align=0\r\nXcoord=8')
        self.assertProblem('TextShift 25: the caption text starts under the caption buttons')

    def test_no_text_background_strip(self):
        self.edit_ini('TextBack=titlestrip.bmp\r\nTextbackground=1\r\n', '')
        for path in self.folder.glob('titlestrip*.bmp'):
            path.unlink()
        self.assertEqual(check_skin.check(self.folder), [])

    def test_corner_cut_only_in_the_active_frame(self):
        b = self.bitmap('left.bmp')
        fw = b.width // 2
        b.pixels[fw] = b.get(fw + 1, 5)  # inactive frame: corner pixel made opaque
        write_bmp(self.folder / 'left.bmp', b, 32)
        self.assertProblem('[Personality] Left: the key colour differs between active')

    def test_key_colour_in_an_opaque_image(self):
        b = self.bitmap('header.bmp')
        b.pixels[0] = check_skin.KEY
        write_bmp(self.folder / 'header.bmp', b, 8)
        self.assertProblem('[Headerbar] Image: key colour in an image drawn opaquely')


def cropped(bitmap, width, height):
    return check_skin.Bitmap(width, height, bitmap.bits,
                             [bitmap.get(x, y) for y in range(height) for x in range(width)])


class LargerImages(DamagedSkin):
    """The images drawn for larger scales beside the 96-DPI ones: the engine
    drops one that does not slice like its 96-DPI image."""

    def test_faults(self):
        def strip_scaled_whole():  # 4 frames of 19 x 21: 4 x 29 wide, not 76 x 1.5
            b = self.bitmap('combobutton@1.5x.bmp')
            write_bmp(self.folder / 'combobutton@1.5x.bmp', cropped(b, 114, b.height), 8)

        def stacked_frames_one_row_short():  # 2 frames of 64 x 28, stacked
            b = self.bitmap('top@2x.bmp')
            write_bmp(self.folder / 'top@2x.bmp', cropped(b, b.width, b.height - 1), 32)

        def palette_for_a_border():
            write_bmp(self.folder / 'left@1.5x.bmp', self.bitmap('left@1.5x.bmp'), 8)

        def larger_image_of_nothing():
            shutil.copy(self.folder / 'progress@2x.bmp', self.folder / 'spare@2x.bmp')

        def key_colour_in_an_opaque_image():
            b = self.bitmap('header@2x.bmp')
            b.pixels[0] = check_skin.KEY
            write_bmp(self.folder / 'header@2x.bmp', b, 8)

        def caption_button_off_its_title_rows():  # Ycoord 3 is row 5 at 1.5x
            self.edit_ini('Xcoord=37\r\nYcoord=3', 'Xcoord=37\r\nYcoord=4')

        cases = [
            (strip_scaled_whole, '[ComboButton] Image: combobutton@1.5x.bmp is 114 x 32, '
                                 'expected 116 x 32 (4 frames of combobutton.bmp at 1.5x)'),
            (stacked_frames_one_row_short, 'top@2x.bmp is 128 x 111, expected 128 x 112'),
            (palette_for_a_border, 'left@1.5x.bmp has 8 bits per pixel, expected 32'),
            (larger_image_of_nothing, 'spare@2x.bmp: a larger image of spare.bmp, which '
                                      'skin.ini does not name'),
            (key_colour_in_an_opaque_image, 'header@2x.bmp: key colour in an image drawn'),
            (caption_button_off_its_title_rows, 'close@1.5x.bmp: frame 1 does not match the '
                                                'title bar rows 6 to 35'),
        ]
        for damage, fragment in cases:
            with self.subTest(damage.__name__):
                self.tearDown()
                self.setUp()
                damage()
                self.assertProblem(fragment)


if __name__ == '__main__':
    unittest.main()
