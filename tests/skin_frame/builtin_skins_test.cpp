// Our three built-in skins on real windows: each frame pixel, the window
// region, the caption buttons, the caption text and the menu bar come from the
// skin's own images and definition (tiled or stretched borders, cut corners
// and shaped edges, buttons on either side, the three text alignments).
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "FrameTestSupport.h"
#include "support/OurSkin.h"

namespace {

using namespace frame_test;

using test_support::OurSkin;

// A caption button's left edge: from the window's left edge, or (negative)
// from its right edge.
struct TPlace {
  int X;
  int At(int width) const { return X >= 0 ? X : width + X; }
};

enum class TBar { Flat, Tiled, Gradient };

struct TBuiltinSkin {
  const wchar_t* Resource;
  const char* Name;  // UTF-8, as the definition gives it
  int Title, Side, Bottom;
  bool Tiled;                        // the borders' middles repeat (Stretch 0)
  TPlace Close, Maximize, Minimize;  // caption buttons of a window with both boxes
  int Alignment;                     // caption text: 0 left, 1 centred, 2 right
  int TextEdge;  // where the text box starts (left) or ends (right), from that window edge
  TBar MenuBar;
};

const TBuiltinSkin kSkins[] = {
    {L"TAVRINSKIN", "Tavrin Charcoal", 28, 5, 5, false, {-37}, {-69}, {-101}, 0, 5 + 25 + 3, TBar::Flat},
    {L"TAVRINSKIN_JADE", "\xE9\x9D\x92\xE7\x8E\x89 Jade", 34, 6, 10, true, {14}, {36}, {58}, 1, 0, TBar::Tiled},
    {L"TAVRINSKIN_NIGHT", "\xE5\xA4\x9C\xE5\xA2\xA8 Night Ink", 18, 4, 4, true, {-22}, {26}, {44}, 2, 4 + 24,
     TBar::Gradient},
};

// Where pixel `at` of a border `length` long comes from in its image: fixed
// ends of `first` and `last` pixels, the middle tiled or stretched.
int SourceOf(int at, int length, int first, int last, int imageLength, bool tiled) {
  if (at < first) return at;
  if (at >= length - last) return imageLength - (length - at);
  const int middle = imageLength - first - last;
  return first + (tiled ? (at - first) % middle : (at - first) * middle / (length - first - last));
}

class BuiltinSkinTest : public FrameTest {
 protected:
  HWND StartSkin(const TBuiltinSkin& s, const wchar_t* caption, HMENU menu = nullptr) {
    auto data = OurSkin(s.Resource);
    EXPECT_FALSE(data->Empty);
    EXPECT_EQ(data->SkinName, s.Name);
    return Start(std::move(data), RECT{100, 100, 500, 400}, caption, menu);
  }

  const ui::TBitmap& Image(skin::TBorderIndex index) const { return data_->Borders[index]->Bitmap; }
  int Frame() const { return form_->Active ? 1 : 2; }

  // Every pixel of the left border and of the bottom border: key-colour
  // pixels of the image are cut from the region, the others show the image.
  void ExpectBordersFromImages(HWND wnd, const TBuiltinSkin& s) {
    const TPixels p = WindowPixels(wnd);
    ui::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(wnd, region.Get()), ERROR);
    const int w = p.Width, h = p.Height;
    int mismatches = 0;
    const auto expect = [&](int x, int y, TColor image) {
      const bool inside = PtInRegion(region.Get(), x, y) != FALSE;
      const bool ok = image == kKey ? !inside : inside && p.At(x, y) == image;
      if (!ok && ++mismatches <= 5) ADD_FAILURE() << "frame pixel " << x << "," << y;
    };
    const skin::TDataSkinBorder& left = *data_->Borders[skin::bdLeft];
    const int fw = Image(skin::bdLeft).Width() / 2;
    for (int y = 0; y < h; ++y) {
      const int sy = SourceOf(y, h, left.TopHeight, left.BottomHeight, Image(skin::bdLeft).Height(), s.Tiled);
      for (int x = 0; x < s.Side; ++x) expect(x, y, Image(skin::bdLeft).Pixel((Frame() - 1) * fw + x, sy));
    }
    const skin::TDataSkinBorder& bottom = *data_->Borders[skin::bdBottom];
    const int fh = Image(skin::bdBottom).Height() / 2, length = w - 2 * s.Side;
    for (int x = 0; x < length; ++x) {
      const int sx = SourceOf(x, length, bottom.LeftWidth, bottom.RightWidth, Image(skin::bdBottom).Width(), s.Tiled);
      for (int y = 0; y < s.Bottom; ++y)
        expect(s.Side + x, h - s.Bottom + y, Image(skin::bdBottom).Pixel(sx, (Frame() - 1) * fh + y));
    }
    EXPECT_EQ(mismatches, 0);
  }
};

TEST_F(BuiltinSkinTest, EachSkinFramesTheWindowFromItsImages) {
  for (const TBuiltinSkin& s : kSkins) {
    SCOPED_TRACE(s.Name);
    const HWND wnd = StartSkin(s, L"");
    EXPECT_EQ(form_->BorderTop, s.Title);
    EXPECT_EQ(form_->BorderLeft, s.Side);
    EXPECT_EQ(form_->BorderRight, s.Side);
    EXPECT_EQ(form_->BorderBottom, s.Bottom);
    EXPECT_EQ(data_->Borders[skin::bdLeft]->Tile != 1, s.Tiled);

    // The title bar's middle column, every row (no caption text there).
    const TPixels p = WindowPixels(wnd);
    const skin::TDataSkinBorder& top = *data_->Borders[skin::bdTop];
    const int x = Width() / 2, length = Width() - 2 * s.Side;
    const int sx = SourceOf(x - s.Side, length, top.LeftWidth, top.RightWidth, Image(skin::bdTop).Width(), s.Tiled);
    for (int y = 0; y < s.Title; ++y)
      EXPECT_EQ(p.At(x, y), Image(skin::bdTop).Pixel(sx, (Frame() - 1) * s.Title + y)) << "title row " << y;

    ExpectBordersFromImages(wnd, s);
    // The tiled middles show a pattern: the left border's middle column is
    // not one colour.
    if (s.Tiled) {
      const TColor first = p.At(s.Side / 2, s.Title);
      bool varies = false;
      for (int y = s.Title; y < s.Title + 16; ++y) varies = varies || p.At(s.Side / 2, y) != first;
      EXPECT_TRUE(varies);
    }
  }
}

TEST_F(BuiltinSkinTest, CaptionButtonsSitWhereAlignAndXcoordPutThem) {
  for (const TBuiltinSkin& s : kSkins) {
    SCOPED_TRACE(s.Name);
    const HWND wnd = StartSkin(s, L"Buttons");
    const TPixels p = WindowPixels(wnd);
    const struct {
      const char* Section;
      TPlace Place;
    } buttons[] = {{"BUTTON.CLOSE", s.Close}, {"BUTTON.MAXIMIZE", s.Maximize}, {"BUTTON.MINIMIZE", s.Minimize}};
    for (const auto& b : buttons) {
      SCOPED_TRACE(b.Section);
      const auto entry = std::find_if(data_->SysButtons.begin(), data_->SysButtons.end(),
                                      [&](const auto& e) { return e->Name == b.Section; });
      ASSERT_NE(entry, data_->SysButtons.end());
      const ui::TBitmap& image = (*entry)->Bitmap;
      const int fw = image.Width() / (*entry)->FrameCount, frame = form_->Active ? 1 : 4;
      const int x0 = b.Place.At(Width()), y0 = (*entry)->Ycoord;
      int mismatches = 0;
      for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < fw; ++x)
          mismatches += p.At(x0 + x, y0 + y) != image.Pixel((frame - 1) * fw + x, y);
      EXPECT_EQ(mismatches, 0) << "at " << x0 << "," << y0;
    }
  }
}

bool Near(TColor a, TColor b) {
  return std::abs(ui::GetRValue(a) - ui::GetRValue(b)) < 64 && std::abs(ui::GetGValue(a) - ui::GetGValue(b)) < 64 &&
         std::abs(ui::GetBValue(a) - ui::GetBValue(b)) < 64;
}

// The caption's ink: the title-bar pixels that change when the window gets
// its text and then show (nearly) the text colour; a text background strip
// that grows with the text is no ink.
RECT CaptionInk(const TPixels& without, const TPixels& with, int titleHeight, TColor text) {
  RECT ink{INT_MAX, INT_MAX, -1, -1};
  for (int y = 0; y < titleHeight; ++y)
    for (int x = 0; x < with.Width; ++x)
      if (with.At(x, y) != without.At(x, y) && Near(with.At(x, y), text)) {
        ink.left = std::min<LONG>(ink.left, x);
        ink.right = std::max<LONG>(ink.right, x + 1);
        ink.top = std::min<LONG>(ink.top, y);
        ink.bottom = std::max<LONG>(ink.bottom, y + 1);
      }
  return ink;
}

TEST_F(BuiltinSkinTest, TextAlignmentPlacesTheCaption) {
  const std::wstring caption = L"Skin test";
  for (const TBuiltinSkin& s : kSkins) {
    SCOPED_TRACE(s.Name);
    const HWND wnd = StartSkin(s, L"");
    const TPixels without = WindowPixels(wnd);
    SetWindowTextW(wnd, caption.c_str());
    Repaint();
    const TColor colour = form_->Active ? data_->TitleTextActiveColour : data_->TitleTextInactiveColour;
    const RECT ink = CaptionInk(without, WindowPixels(wnd), s.Title, ui::ColorToRGB(colour));
    ASSERT_GT(ink.right, ink.left);
    EXPECT_GE(ink.top, 0);
    EXPECT_LE(ink.bottom, s.Title);
    // The text box holds the three leading blanks of every caption, then the
    // text; glyphs keep a pixel or two of bearing inside their box.
    ui::MemoryDC dc;
    ui::SelectGuard font(dc.Get(), form_->CaptionFont.Get());
    SIZE lead{}, text{};
    GetTextExtentPoint32W(dc.Get(), form_->CaptionLead.c_str(), int(form_->CaptionLead.size()), &lead);
    GetTextExtentPoint32W(dc.Get(), caption.c_str(), int(caption.size()), &text);
    switch (s.Alignment) {
      case 0: EXPECT_NEAR(ink.left, s.TextEdge + lead.cx, 2); break;
      case 1: EXPECT_NEAR((ink.left + ink.right) / 2, (Width() + lead.cx) / 2, 3); break;
      default: EXPECT_NEAR(ink.right, Width() - s.TextEdge, 2); break;
    }
    EXPECT_NEAR(ink.right - ink.left, text.cx, 3);
  }
}

TEST_F(BuiltinSkinTest, MenuBarIsDrawnFromTheSkinImage) {
  for (const TBuiltinSkin& s : kSkins) {
    SCOPED_TRACE(s.Name);
    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, 1, L"File");
    const HWND wnd = StartSkin(s, L"Menu", menu);
    ASSERT_GT(form_->MenuBarHeight, 0);
    if (const char* ms = std::getenv("TAVRIN_SHOW_MS")) PumpFor(DWORD(std::atoi(ms)));  // to look at it
    const TPixels p = WindowPixels(wnd);
    // The bar right of its only item, from its middle to its end.
    const int top = s.Title, bottom = s.Title + form_->MenuBarHeight, y = (top + bottom) / 2;
    const int from = Width() / 2, to = Width() - s.Side - 8;
    const auto sum = [&](int x) {
      const TColor c = p.At(x, y);
      return ui::GetRValue(c) + ui::GetGValue(c) + ui::GetBValue(c);
    };
    switch (s.MenuBar) {
      case TBar::Flat:
        for (int x = from; x < to; ++x) EXPECT_EQ(p.At(x, y), p.At(from, y)) << x;
        break;
      case TBar::Tiled: {
        // The image's middle repeats along the bar, with a mark in it.
        const skin::TDataSkinObject& bar = *data_->MenuBar;
        const int period = bar.Bitmap.Width() - bar.LeftWidth - bar.RightWidth;
        bool varies = false;
        for (int row = top; row < bottom; ++row)
          for (int x = from; x + period < to; ++x) {
            EXPECT_EQ(p.At(x, row), p.At(x + period, row)) << x << "," << row;
            varies = varies || p.At(x, row) != p.At(from, row);
          }
        EXPECT_TRUE(varies);
        break;
      }
      case TBar::Gradient:
        // One gradient over the whole bar: darker to the right, no repeat.
        EXPECT_GT(sum(from), sum((from + to) / 2));
        EXPECT_GT(sum((from + to) / 2), sum(to));
        break;
    }
  }
}

}  // namespace
