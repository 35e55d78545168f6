// The item painters on off-screen bitmaps: item image frames, separators,
// glyphs, texts and their colours, alignment, and bad skin data.
#include "PopupTestSupport.h"

#include "skin/popup_menu/MenuItemPaint.h"
#include "ui/ImgList.h"

namespace {

using namespace popup_test;
using skin::TMenuItemLook;

constexpr int kW = 120;
constexpr int kH = 20;
constexpr TColor kImage = RGBColor(0, 180, 90);
constexpr TColor kCanvas = RGBColor(7, 7, 7);

// An item painted on a fresh bitmap of kW x kH (filled with kCanvas first).
class ItemPaintTest : public PopupTest {
 protected:
  TPixels Paint(const std::function<void(HDC dc, const RECT& rect)>& paint, int h = kH) {
    ui::TBitmap target;
    target.SetSize(kW + 10, h + 10);
    target.Fill(kCanvas);
    paint(target.Canvas().Handle(), RECT{5, 5, 5 + kW, 5 + h});
    return frame_test::Capture(target.Canvas().Handle(), 5, 5, kW, h);
  }

  // Columns holding a pixel of `colour` (text is drawn in the menu text colour).
  struct TColumns {
    int first = -1;
    int last = -1;
  };
  static TColumns ColumnsOf(const TPixels& pixels, TColor colour) {
    TColumns c;
    for (int x = 0; x < pixels.Width; ++x)
      for (int y = 0; y < pixels.Height; ++y)
        if (pixels.At(x, y) == colour) {
          if (c.first < 0) c.first = x;
          c.last = x;
        }
    return c;
  }

  // Pixels of `colour` inside (x0, y0)-(x1, y1).
  static int Count(const TPixels& pixels, TColor colour, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += pixels.At(x, y) == colour;
    return n;
  }

  // One 16 x 16 picture: a square of kImage at (4, 4)-(12, 12), the rest masked.
  void MakeImages() {
    images_ = std::make_unique<ui::TImageList>(nullptr);
    images_->SetSize(16, 16);
    ui::TBitmap picture;
    picture.SetSize(16, 16);
    picture.Fill(kKey);
    for (int y = 4; y < 12; ++y)
      for (int x = 4; x < 12; ++x) picture.SetPixel(x, y, kImage);
    images_->Add(picture, kKey);
  }

  std::unique_ptr<ui::TImageList> images_;
};

TEST_F(ItemPaintTest, ItemsGetTheNormalOrSelectedFrameOverTheMenuColourWithoutAPopup) {
  TMenuItemLook look;
  look.Caption = L"Open";
  for (bool selected : {false, true}) {
    const TPixels p = Paint([&](HDC dc, const RECT& r) { skin::DrawItemSkinned(*data_, nullptr, look, dc, r, selected); });
    const TColor frame = kItemFrame[selected ? 4 : 1];
    EXPECT_EQ(p.At(kW - 3, kH / 2), frame);
    EXPECT_EQ(p.At(kW / 2, 1), frame);
    // The key-colour column shows what lies under the item: the menu colour here.
    EXPECT_EQ(p.At(0, kH / 2), kMenuColour);
    // The caption in the menu text colour, or the highlight text colour when selected.
    EXPECT_GT(Count(p, selected ? kHilightText : kMenuText, 20, 0, kW, kH), 5);
    EXPECT_EQ(Count(p, selected ? kMenuText : kHilightText, 0, 0, kW, kH), 0);
  }
}

TEST_F(ItemPaintTest, FrameworkSeparatorsShowFrameTwoAndForeignOnesTheItemImageWithAnEtchedLine) {
  TMenuItemLook line;
  line.Caption = L"-";
  const TPixels framework =
      Paint([&](HDC dc, const RECT& r) { skin::DrawItemSkinned(*data_, nullptr, line, dc, r, false); }, 8);
  EXPECT_EQ(framework.At(kW / 2, 4), kItemFrame[2]);
  EXPECT_EQ(framework.At(kW - 1, 7), kItemFrame[2]);
  // The frame's key-colour column leaves the menu colour under it.
  EXPECT_EQ(framework.At(0, 4), kMenuColour);

  const TPixels foreign =
      Paint([&](HDC dc, const RECT& r) { skin::DrawItemForeign(*data_, nullptr, line, false, r, dc); }, 8);
  EXPECT_EQ(foreign.At(kW / 2, 1), kItemFrame[1]);
  // The etched line along the top of the text box, moved down 4 pixels.
  EXPECT_EQ(foreign.At(kW / 2, 4), TColor(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(foreign.At(kW / 2, 5), TColor(GetSysColor(COLOR_BTNHIGHLIGHT)));
  EXPECT_EQ(foreign.At(1, 4), kItemFrame[1]);  // the line starts after the (empty) glyph box
}

TEST_F(ItemPaintTest, WithoutAnItemImageTheItemIsPlainFaceOrHighlight) {
  TPopupSkin skin;
  skin.Item = false;
  Start(skin);
  TMenuItemLook look;
  look.Caption = L"Open";
  const TPixels normal =
      Paint([&](HDC dc, const RECT& r) { skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false); });
  EXPECT_EQ(normal.At(0, 0), kFace);
  EXPECT_EQ(normal.At(kW - 1, kH - 1), kFace);
  const TPixels selected =
      Paint([&](HDC dc, const RECT& r) { skin::DrawItemForeign(*data_, nullptr, look, true, r, dc); });
  EXPECT_EQ(selected.At(0, 0), kHilight);
  EXPECT_GT(Count(selected, kHilightText, 0, 0, kW, kH), 5);
}

TEST_F(ItemPaintTest, DisabledItemsUseTheShadowColourAndTheSystemsWhenItEqualsTheText) {
  TMenuItemLook look;
  look.Caption = L"Open";
  look.Enabled = false;
  const TPixels p = Paint([&](HDC dc, const RECT& r) { skin::DrawItemSkinned(*data_, nullptr, look, dc, r, true); });
  EXPECT_GT(Count(p, kShadow, 20, 0, kW, kH), 5);
  EXPECT_EQ(Count(p, kHilightText, 0, 0, kW, kH), 0);

  data_->ButtonShadowColour = data_->MenuTextColour;
  const TColor system = TColor(GetSysColor(COLOR_BTNSHADOW));
  const TPixels same =
      Paint([&](HDC dc, const RECT& r) { skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false); });
  EXPECT_GT(Count(same, system, 20, 0, kW, kH), 5);
}

TEST_F(ItemPaintTest, CaptionsFollowTheMenusAlignmentAndShortcutsStandRight) {
  TMenuItemLook look;
  look.Caption = L"Open";
  const auto left = ColumnsOf(Paint([&](HDC dc, const RECT& r) {
                                skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false);
                              }),
                              kMenuText);
  look.Alignment = DT_RIGHT;
  const auto right = ColumnsOf(Paint([&](HDC dc, const RECT& r) {
                                 skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false);
                               }),
                               kMenuText);
  ASSERT_GE(left.first, 0);
  ASSERT_GE(right.first, 0);
  // Left: just after the glyph box and its gap (x 20); right: up to the text box's end.
  EXPECT_GE(left.first, 20);
  EXPECT_LT(left.first, 27);
  EXPECT_GT(right.last, kW - 8);
  EXPECT_EQ(right.last - right.first, left.last - left.first);

  look.Alignment = DT_LEFT;
  look.ShortCutText = L"Ctrl+O";
  const auto withShortcut = ColumnsOf(Paint([&](HDC dc, const RECT& r) {
                                        skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false);
                                      }),
                                      kMenuText);
  EXPECT_EQ(withShortcut.first, left.first);
  // The shortcut ends 11 pixels before the item's right edge.
  EXPECT_GT(withShortcut.last, kW - 20);
  EXPECT_LT(withShortcut.last, kW - 10);

  // A right-aligned caption keeps its place at the right; its shortcut takes
  // a column on the left instead of vanishing under it.
  look.Alignment = DT_RIGHT;
  const auto rightWithShortcut = ColumnsOf(Paint([&](HDC dc, const RECT& r) {
                                             skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false);
                                           }),
                                           kMenuText);
  EXPECT_EQ(rightWithShortcut.last, right.last);
  EXPECT_LT(rightWithShortcut.first, 24);
}

TEST_F(ItemPaintTest, CheckedItemsShowTheCheckMarkOrTheirImageOnASunkenDitheredBox) {
  MakeImages();
  TMenuItemLook look;
  look.Caption = L"Bold";
  look.Checked = true;
  const TColor mark = TColor(GetSysColor(COLOR_BTNTEXT));
  const TPixels checked =
      Paint([&](HDC dc, const RECT& r) { skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false); });
  EXPECT_GT(Count(checked, mark, 1, 1, 18, 18), 4);
  look.Checked = false;
  const TPixels unchecked =
      Paint([&](HDC dc, const RECT& r) { skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false); });
  EXPECT_EQ(Count(unchecked, mark, 1, 1, 18, 18), 0);

  look.Images = images_.get();
  look.ImageIndex = 0;
  const TPixels image =
      Paint([&](HDC dc, const RECT& r) { skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false); });
  EXPECT_EQ(image.At(1 + 8, 1 + 8), kImage);
  EXPECT_EQ(image.At(2, 3), kItemFrame[1]);  // no box: the item image under the masked part

  look.Checked = true;
  const TPixels boxed =
      Paint([&](HDC dc, const RECT& r) { skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false); });
  EXPECT_EQ(boxed.At(1 + 8, 1 + 8), kImage);
  const TColor face = TColor(GetSysColor(COLOR_BTNFACE)), light = TColor(GetSysColor(COLOR_BTNHIGHLIGHT));
  // Inside the box the dither: face and highlight alternate from pixel to pixel.
  const TColor a = boxed.At(3, 3), b = boxed.At(4, 3);
  EXPECT_TRUE((a == face && b == light) || (a == light && b == face));
  EXPECT_EQ(boxed.At(4, 4), a);
  // The sunken edge: shadow above and left.
  EXPECT_EQ(boxed.At(5, 1), TColor(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(boxed.At(1, 5), TColor(GetSysColor(COLOR_BTNSHADOW)));
  // No check mark over an image.
  EXPECT_EQ(Count(boxed, mark, 1, 1, 18, 18), 0);

  // A disabled image is greyed: not its own colour.
  look.Enabled = false;
  const TPixels grey =
      Paint([&](HDC dc, const RECT& r) { skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false); });
  EXPECT_NE(grey.At(1 + 8, 1 + 8), kImage);
  // An index outside the list is no image: the check mark again.
  look.Enabled = true;
  look.ImageIndex = 5;
  const TPixels outside =
      Paint([&](HDC dc, const RECT& r) { skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false); });
  EXPECT_GT(Count(outside, mark, 1, 1, 18, 18), 4);
}

TEST_F(ItemPaintTest, DefaultItemsAreBoldAndRightToLeftMenusReadFromTheRight) {
  TMenuItemLook look;
  look.Caption = L"Open the file";
  const auto plain = ColumnsOf(Paint([&](HDC dc, const RECT& r) {
                                 skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false);
                               }),
                               kMenuText);
  look.Default = true;
  const auto bold = ColumnsOf(Paint([&](HDC dc, const RECT& r) {
                                skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false);
                              }),
                              kMenuText);
  EXPECT_GT(bold.last - bold.first, plain.last - plain.first);
  look.Default = false;
  look.RightToLeft = true;
  const auto rtl = ColumnsOf(Paint([&](HDC dc, const RECT& r) {
                               skin::DrawItemSkinned(*data_, nullptr, look, dc, r, false);
                             }),
                             kMenuText);
  EXPECT_GT(rtl.last, kW - 8);
}

TEST_F(ItemPaintTest, BadItemImagesNeverCrashOrReachOutside) {
  TMenuItemLook look;
  look.Caption = L"Open";
  TMenuItemLook line;
  line.Caption = L"-";
  // Huge and negative margins, an image narrower than five frames, zero-sized items.
  data_->MenuItem->LeftWidth = 1000;
  data_->MenuItem->RightWidth = -50;
  data_->MenuItem->BottomHeight = 500;
  for (int h : {0, 1, 8, 40}) {
    Paint([&](HDC dc, const RECT& r) {
      skin::DrawItemSkinned(*data_, nullptr, look, dc, r, true);
      skin::DrawItemSkinned(*data_, nullptr, line, dc, r, false);
      skin::DrawItemForeign(*data_, nullptr, line, false, r, dc);
    }, h);
  }
  data_->MenuItem->Bitmap.SetSize(3, 2);
  const TPixels tiny = Paint([&](HDC dc, const RECT& r) { skin::DrawSeparator(*data_, dc, r); }, 8);
  EXPECT_EQ(tiny.At(kW / 2, 4), kCanvas);  // frames of no width draw nothing
  // Outside the item nothing changes.
  ui::TBitmap target;
  target.SetSize(kW + 10, 30);
  target.Fill(kCanvas);
  skin::DrawItemSkinned(*data_, nullptr, look, target.Canvas().Handle(), RECT{5, 5, 5 + kW, 25}, true);
  EXPECT_EQ(target.Pixel(4, 10), kCanvas);
  EXPECT_EQ(target.Pixel(5 + kW, 10), kCanvas);
  EXPECT_EQ(target.Pixel(20, 4), kCanvas);
  EXPECT_EQ(target.Pixel(20, 25), kCanvas);
}

}  // namespace
