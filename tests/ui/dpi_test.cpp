// Forms laid out at their DPI: a description at every common DPI by the rule
// and back without drift, a shown form following WM_DPICHANGED in the windows
// it has, a form made in a process that starts at 144 DPI, and pictures drawn
// for larger scales.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/DpiChild.h"
#include "ui/Buttons.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/GuiTestSupport.h"
#include "ui/Image.h"
#include "ui/ImgList.h"
#include "ui/ListView.h"
#include "ui/Panel.h"
#include "ui/Resources.h"
#include "ui/StdCtrls.h"

namespace {

using guitest::PumpFor;

ui::TResourceLoader ProgramResources() {
  return [](const std::string& name) { return ui::LoadResourceBytes(name); };
}

// Left1 and Next1 touch; Left1 takes the form's font through the bar, Next1
// has its own in points (8 points are 10.67 pixels at 96 DPI, 16 at 144),
// the list its own in pixels.
const char* const kLayoutText = R"(object Dpi: TDpiForm
  Left = 10
  Top = 21
  ClientWidth = 301
  ClientHeight = 203
  Caption = 'DPI'
  Font.Height = -12
  Font.Name = 'Tahoma'
  object Bar: TPanel
    Align = alTop
    Height = 33
    BorderWidth = 3
    object Side: TPanel
      Align = alRight
      Width = 20
    end
    object Left1: TButton
      Left = 5
      Top = 3
      Width = 37
      Height = 21
    end
    object Next1: TButton
      Left = 42
      Top = 3
      Width = 37
      Height = 21
      Font.Size = 8
    end
  end
  object List: TListView
    Left = 7
    Top = 45
    Width = 201
    Height = 101
    ViewStyle = vsReport
    Columns = 'Name|75'#13#10'Size|33'
    Font.Height = -13
  end
  object Status: TStatusBar
    Panels.Item0.Width = 75
    Panels.Item1.Width = 33
    Panels.Item2.Width = 50
  end
  object Images: TImageList
    Width = 16
    Height = 13
  end
end
)";

class TDpiForm : public ui::TForm {
 public:
  explicit TDpiForm(ui::TComponent* owner) : ui::TForm(owner) {
    BindField("Bar", Bar);
    BindField("Side", Side);
    BindField("Left1", Left1);
    BindField("Next1", Next1);
    BindField("List", List);
    BindField("Status", Status);
    BindField("Images", Images);
    InitializeForm(kLayoutText, ProgramResources());
  }
  std::string ClassName() const override { return "TDpiForm"; }

  ui::TPanel* Bar = nullptr;
  ui::TPanel* Side = nullptr;
  ui::TButton* Left1 = nullptr;
  ui::TButton* Next1 = nullptr;
  ui::TListView* List = nullptr;
  ui::TStatusBar* Status = nullptr;
  ui::TImageList* Images = nullptr;
};

// The layout of kLayoutText, as the controls hold it or as their windows show it.
struct TLayout {
  SIZE Client;
  int BarHeight;
  RECT Side, Left1, Next1;  // in the bar
  RECT List;
  int StatusHeight;
  int Left1Font, Next1Font, ListFont;  // pixel heights
  int Column0, Column1;
  int Edge0, Edge1;  // the status bar's first two panel edges
  SIZE Image;        // the image list's picture size

  bool operator==(const TLayout& o) const {
    return Client.cx == o.Client.cx && Client.cy == o.Client.cy && BarHeight == o.BarHeight && Side == o.Side &&
           Left1 == o.Left1 && Next1 == o.Next1 && List == o.List && StatusHeight == o.StatusHeight &&
           Left1Font == o.Left1Font && Next1Font == o.Next1Font && ListFont == o.ListFont && Column0 == o.Column0 &&
           Column1 == o.Column1 && Edge0 == o.Edge0 && Edge1 == o.Edge1 && Image.cx == o.Image.cx &&
           Image.cy == o.Image.cy;
  }
};

void PrintTo(const TLayout& l, std::ostream* os) {
  *os << "client " << l.Client.cx << "x" << l.Client.cy << ", bar " << l.BarHeight << ", side " << l.Side
      << ", left1 " << l.Left1 << ", next1 " << l.Next1 << ", list " << l.List << ", status " << l.StatusHeight
      << ", fonts " << l.Left1Font << " " << l.Next1Font << " " << l.ListFont << ", columns " << l.Column0 << " "
      << l.Column1 << ", panel edges " << l.Edge0 << " " << l.Edge1 << ", images " << l.Image.cx << "x"
      << l.Image.cy;
}

// What the rule makes of kLayoutText, worked out by hand: v * dpi / 96 half
// up with the sign kept; edges are scaled and sizes lie between them (Left1's
// width at 144 DPI is 63 - 8 = 55, not 37 * 1.5 = 56); the bar's inset is its
// bevel and border, each scaled; a font in points is made at the DPI.
struct TRow {
  int Dpi;
  POINT Origin;  // the form's Left and Top
  TLayout Layout;
};

const TRow kRows[] = {
    {96, {10, 21}, {{301, 203}, 33, {277, 4, 297, 29}, {5, 3, 42, 24}, {42, 3, 79, 24}, {7, 45, 208, 146}, 19,
                    -12, -11, -13, 75, 33, 75, 108, {16, 13}}},
    {120, {13, 26}, {{376, 254}, 41, {346, 5, 371, 36}, {6, 4, 53, 30}, {53, 4, 99, 30}, {9, 56, 260, 183}, 24,
                     -15, -13, -16, 94, 41, 94, 135, {20, 16}}},
    {144, {15, 32}, {{452, 305}, 50, {415, 7, 445, 43}, {8, 5, 63, 36}, {63, 5, 119, 36}, {11, 68, 312, 219}, 29,
                     -18, -16, -20, 113, 49, 113, 162, {24, 20}}},
    {168, {18, 37}, {{527, 355}, 58, {485, 7, 520, 51}, {9, 5, 74, 42}, {74, 5, 138, 42}, {12, 79, 364, 256}, 33,
                     -21, -19, -23, 131, 58, 131, 189, {28, 23}}},
    {192, {20, 42}, {{602, 406}, 66, {554, 8, 594, 58}, {10, 6, 84, 48}, {84, 6, 158, 48}, {14, 90, 416, 292}, 38,
                     -24, -21, -26, 150, 66, 150, 216, {32, 26}}},
    {240, {25, 53}, {{753, 508}, 83, {692, 11, 742, 72}, {13, 8, 105, 60}, {105, 8, 198, 60}, {18, 113, 520, 365},
                     48, -30, -27, -33, 188, 82, 188, 270, {40, 33}}},
};

const TRow& RowAt(int dpi) {
  for (const TRow& row : kRows)
    if (row.Dpi == dpi) return row;
  throw std::out_of_range("no row for this DPI");
}

TLayout FromControls(TDpiForm& f) {
  TLayout l{};
  const RECT client = f.ClientRect();
  l.Client = SIZE{client.right, client.bottom};
  l.BarHeight = f.Bar->Height();
  l.Side = f.Side->BoundsRect();
  l.Left1 = f.Left1->BoundsRect();
  l.Next1 = f.Next1->BoundsRect();
  l.List = f.List->BoundsRect();
  l.StatusHeight = f.Status->Height();
  l.Left1Font = f.Left1->Font().Height();
  l.Next1Font = f.Next1->Font().Height();
  l.ListFont = f.List->Font().Height();
  l.Column0 = f.List->Columns().at(0).Width;
  l.Column1 = f.List->Columns().at(1).Width;
  l.Edge0 = f.Status->Panels().at(0).Width;
  l.Edge1 = l.Edge0 + f.Status->Panels().at(1).Width;
  l.Image = SIZE{f.Images->Width(), f.Images->Height()};
  return l;
}

RECT RectInParent(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  MapWindowPoints(nullptr, GetParent(wnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int WindowFontHeight(HWND wnd) {
  LOGFONTW font{};
  const auto handle = reinterpret_cast<HFONT>(SendMessageW(wnd, WM_GETFONT, 0, 0));
  return handle && GetObjectW(handle, sizeof(font), &font) ? font.lfHeight : 0;
}

// The same layout as the windows and the system's controls show it.
TLayout FromWindows(TDpiForm& f) {
  TLayout l{};
  RECT client;
  GetClientRect(f.Handle(), &client);
  l.Client = SIZE{client.right, client.bottom};
  const RECT bar = RectInParent(f.Bar->Handle());
  l.BarHeight = bar.bottom - bar.top;
  l.Side = RectInParent(f.Side->Handle());
  l.Left1 = RectInParent(f.Left1->Handle());
  l.Next1 = RectInParent(f.Next1->Handle());
  l.List = RectInParent(f.List->Handle());
  const RECT status = RectInParent(f.Status->Handle());
  l.StatusHeight = status.bottom - status.top;
  l.Left1Font = WindowFontHeight(f.Left1->Handle());
  l.Next1Font = WindowFontHeight(f.Next1->Handle());
  l.ListFont = WindowFontHeight(f.List->Handle());
  l.Column0 = int(SendMessageW(f.List->Handle(), LVM_GETCOLUMNWIDTH, 0, 0));
  l.Column1 = int(SendMessageW(f.List->Handle(), LVM_GETCOLUMNWIDTH, 1, 0));
  int edges[3] = {};
  SendMessageW(f.Status->Handle(), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  l.Edge0 = edges[0];
  l.Edge1 = edges[1];
  int cx = 0, cy = 0;
  ImageList_GetIconSize(f.Images->Handle(), &cx, &cy);
  l.Image = SIZE{cx, cy};
  return l;
}

std::vector<HWND> Windows(TDpiForm& f) {
  std::vector<HWND> windows;
  for (ui::TWinControl* c : std::initializer_list<ui::TWinControl*>{&f, f.Bar, f.Side, f.Left1, f.Next1, f.List,
                                                                    f.Status})
    windows.push_back(IsWindow(c->Handle()) ? c->Handle() : nullptr);
  return windows;
}

RECT WindowRect(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return r;
}

class DpiForms : public ::testing::Test {
 protected:
  DpiForms() {
    app.OnException = [this](const std::exception& e) { errors.push_back(e.what()); };
  }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }

  ui::TApplication app;
  std::vector<std::string> errors;
};

TEST_F(DpiForms, ADescriptionIsLaidOutByTheRuleAtEachDpiAndComesBackExactly) {
  auto* form = new TDpiForm(&app);  // no window: the form's own bounds follow too
  ASSERT_EQ(form->Dpi(), 96) << "the tests' Wine prefix runs at 96 DPI";
  const TLayout stored = FromControls(*form);
  const RECT storedBounds = form->BoundsRect();
  for (const TRow& row : kRows) {
    SCOPED_TRACE(row.Dpi);
    form->ScaleToDpi(row.Dpi);
    EXPECT_EQ(form->Dpi(), row.Dpi);
    EXPECT_EQ(FromControls(*form), row.Layout);
    EXPECT_EQ(form->Left(), row.Origin.x);
    EXPECT_EQ(form->Top(), row.Origin.y);
    EXPECT_EQ(form->Next1->Font().Size(), 8) << "still 8 points";
  }
  for (const int dpi : {96, 144, 192, 96}) form->ScaleToDpi(dpi);
  EXPECT_EQ(FromControls(*form), stored);
  EXPECT_EQ(form->BoundsRect(), storedBounds);
}

TEST_F(DpiForms, AShownFormFollowsWmDpiChangedInTheWindowsItHas) {
  auto* form = new TDpiForm(&app);
  form->Show();
  PumpFor(100);
  const HWND wnd = form->Handle();
  const std::vector<HWND> windows = Windows(*form);
  const RECT window = WindowRect(wnd);
  const TLayout before = FromWindows(*form);
  EXPECT_EQ(before, RowAt(96).Layout);

  // The rectangle the system would suggest; Wine keeps its frame the one of
  // the system DPI, so it is what gives the client area the rule's size.
  RECT client;
  GetClientRect(wnd, &client);
  const TLayout& at144 = RowAt(144).Layout;
  const RECT suggested{40, 30, 40 + at144.Client.cx + (window.right - window.left - client.right),
                       30 + at144.Client.cy + (window.bottom - window.top - client.bottom)};
  SendMessageW(wnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  PumpFor(50);
  EXPECT_EQ(form->Dpi(), 144);
  EXPECT_EQ(WindowRect(wnd), suggested);
  EXPECT_EQ(FromWindows(*form), at144);
  EXPECT_EQ(Windows(*form), windows) << "the same windows, none made again";

  SendMessageW(wnd, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&window));
  PumpFor(50);
  EXPECT_EQ(form->Dpi(), 96);
  EXPECT_EQ(WindowRect(wnd), window);
  EXPECT_EQ(FromWindows(*form), before);
  EXPECT_EQ(Windows(*form), windows);
}

// Run only as a child process at 144 DPI by the test below.
TEST_F(DpiForms, DISABLED_MadeAt144) {
  ASSERT_EQ(test_support::DpiChildStarted(), 144);
  auto* form = new TDpiForm(&app);
  EXPECT_EQ(form->Dpi(), 144);
  EXPECT_EQ(FromControls(*form), RowAt(144).Layout);
  form->Show();
  PumpFor(100);
  EXPECT_EQ(form->Dpi(), 144);
  EXPECT_EQ(FromWindows(*form), RowAt(144).Layout) << "the frame around it is the system's at 144 DPI";
  const RECT window = WindowRect(form->Handle());
  EXPECT_EQ(window.left, RowAt(144).Origin.x);
  EXPECT_EQ(window.top, RowAt(144).Origin.y);
}

TEST_F(DpiForms, AFormMadeInAProcessAt144DpiIsLaidOutThere) {
  EXPECT_EQ(test_support::RunTestAtSystemDpi(L"DpiForms.DISABLED_MadeAt144", 144), 0u);
}

// Pictures: the image, a two-image glyph and an image list of two pictures,
// all cut from DPIPIC (8 x 6), for which the program also has DPIPIC@2X.
const char* const kPicturesText = R"(object Pictures: TPictureForm
  Left = 40
  Top = 40
  ClientWidth = 120
  ClientHeight = 80
  object Back: TPanel
    Align = alClient
    BevelOuter = bvNone
    Color = clLime
    object Pic: TImage
      Left = 3
      Top = 2
      AutoSize = True
      Transparent = True
      Picture.Data = resource 'DPIPIC'
    end
    object Speed: TSpeedButton
      Left = 40
      Top = 2
      Width = 30
      Height = 30
      Glyph.Data = resource 'DPIPIC'
      NumGlyphs = 2
      Margin = 2
      Spacing = -1
    end
  end
  object Strip: TImageList
    Width = 4
    Height = 6
    Bitmap = resource 'DPIPIC'
  end
end
)";

class TPictureForm : public ui::TForm {
 public:
  explicit TPictureForm(ui::TComponent* owner) : ui::TForm(owner) {
    BindField("Back", Back);
    BindField("Pic", Pic);
    BindField("Speed", Speed);
    BindField("Strip", Strip);
    InitializeForm(kPicturesText, ProgramResources());
  }
  std::string ClassName() const override { return "TPictureForm"; }

  ui::TPanel* Back = nullptr;
  ui::TImage* Pic = nullptr;
  ui::TSpeedButton* Speed = nullptr;
  ui::TImageList* Strip = nullptr;
};

constexpr ui::TColor kKey = ui::RGBColor(255, 0, 255);
constexpr ui::TColor kRed = ui::RGBColor(255, 0, 0);    // DPIPIC's block
constexpr ui::TColor kBlue = ui::RGBColor(0, 0, 255);   // DPIPIC@2X's

// Every pixel of `picture` is the key or `colour`: nothing blended.
bool OnlyKeyAnd(const ui::TBitmap& picture, ui::TColor colour) {
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (const ui::TColor c = picture.Pixel(x, y); c != kKey && c != colour) return false;
  return true;
}

bool SamePixels(const ui::TBitmap& picture, const std::string& resource) {
  ui::TBitmap drawn;
  const auto bytes = ui::LoadResourceBytes(resource);
  if (!bytes || !drawn.LoadFromBytes(*bytes) || drawn.Width() != picture.Width() || drawn.Height() != picture.Height())
    return false;
  for (int y = 0; y < drawn.Height(); ++y)
    for (int x = 0; x < drawn.Width(); ++x)
      if (drawn.Pixel(x, y) != picture.Pixel(x, y)) return false;
  return true;
}

// Exact or nearest larger picture, else the largest; sized by the rule (the
// AutoSize image by its scaled edges: 10 x 7 at 120 DPI).
struct TPictureRow {
  int Dpi;
  SIZE Image, Glyph, Icon;
  int Margin;
  ui::TColor Colour;
  const char* Exact;  // the resource the picture is, pixel for pixel (null: a scaled one)
  POINT Inside;       // a point of the block
};

const TPictureRow kPictureRows[] = {
    {96, {8, 6}, {8, 6}, {4, 6}, 2, kRed, "DPIPIC", {4, 2}},
    {120, {10, 7}, {10, 8}, {5, 8}, 3, kBlue, nullptr, {5, 3}},
    {144, {12, 9}, {12, 9}, {6, 9}, 3, kBlue, nullptr, {6, 4}},
    {168, {14, 10}, {14, 11}, {7, 11}, 4, kBlue, nullptr, {7, 4}},
    {192, {16, 12}, {16, 12}, {8, 12}, 4, kBlue, "DPIPIC@2X", {8, 5}},
    {240, {20, 15}, {20, 15}, {10, 15}, 5, kBlue, nullptr, {10, 6}},
};

TEST_F(DpiForms, PicturesComeFromTheOnesDrawnForTheScaleAndKeepTheirTransparentColour) {
  auto* form = new TPictureForm(&app);
  form->Show();
  PumpFor(100);
  const HWND back = form->Back->Handle();
  for (const int dpi : {96, 120, 144, 168, 192, 240, 96}) {
    const TPictureRow& row = *std::find_if(std::begin(kPictureRows), std::end(kPictureRows),
                                           [dpi](const TPictureRow& r) { return r.Dpi == dpi; });
    SCOPED_TRACE(dpi);
    form->ScaleToDpi(dpi);
    PumpFor(50);
    const ui::TBitmap& picture = form->Pic->Picture();
    EXPECT_EQ(picture.Width(), row.Image.cx);
    EXPECT_EQ(picture.Height(), row.Image.cy);
    EXPECT_EQ(form->Pic->Width(), row.Image.cx);
    EXPECT_TRUE(OnlyKeyAnd(picture, row.Colour));
    EXPECT_EQ(picture.Pixel(0, picture.Height() - 1), kKey) << "the transparent colour's pixel";
    if (row.Exact) {
      EXPECT_TRUE(SamePixels(picture, row.Exact));
    }
    // As painted: the panel shows through the key, the block is the picture's.
    const POINT at{form->Pic->Left(), form->Pic->Top()};
    EXPECT_EQ(guitest::WindowPixel(back, at.x, at.y), ui::RGBColor(0, 255, 0));
    EXPECT_EQ(guitest::WindowPixel(back, at.x + row.Inside.x, at.y + row.Inside.y), row.Colour);

    const ui::TGlyphSettings& glyph = form->Speed->Glyph();
    EXPECT_EQ(glyph.Glyph.Width(), row.Glyph.cx);
    EXPECT_EQ(glyph.Glyph.Height(), row.Glyph.cy);
    EXPECT_TRUE(OnlyKeyAnd(glyph.Glyph, row.Colour));
    EXPECT_EQ(glyph.Glyph.Pixel(row.Glyph.cx / 2, row.Glyph.cy - 1), kKey) << "the second image's corner";
    EXPECT_EQ(glyph.Margin, row.Margin);
    EXPECT_EQ(glyph.Spacing, -1) << "-1 means centred at any scale";

    int cx = 0, cy = 0;
    ImageList_GetIconSize(form->Strip->Handle(), &cx, &cy);
    EXPECT_EQ(cx, row.Icon.cx);
    EXPECT_EQ(cy, row.Icon.cy);
    EXPECT_EQ(form->Strip->Count(), 2);
  }
}

// An MDI frame and its children: they are child windows, which WM_DPICHANGED
// does not reach; the frame takes them along.
const char* const kFrameText = R"(object Frame: TDpiFrame
  Left = 20
  Top = 20
  ClientWidth = 500
  ClientHeight = 400
  FormStyle = fsMDIForm
end
)";
const char* const kChildText = R"(object Child: TDpiChild
  Left = 10
  Top = 10
  ClientWidth = 200
  ClientHeight = 120
  FormStyle = fsMDIChild
  object Button1: TButton
    Left = 5
    Top = 3
    Width = 37
    Height = 21
  end
end
)";

class TDpiFrame : public ui::TForm {
 public:
  explicit TDpiFrame(ui::TComponent* owner) : ui::TForm(owner) { InitializeForm(kFrameText, ProgramResources()); }
  std::string ClassName() const override { return "TDpiFrame"; }
};

class TDpiChild : public ui::TForm {
 public:
  explicit TDpiChild(ui::TComponent* owner) : ui::TForm(owner) {
    BindField("Button1", Button1);
    InitializeForm(kChildText, ProgramResources());
  }
  std::string ClassName() const override { return "TDpiChild"; }
  ui::TButton* Button1 = nullptr;
};

TEST_F(DpiForms, AnMdiFramesChildrenFollowItAndNewOnesStartAtItsDpi) {
  auto* frame = app.CreateForm<TDpiFrame>();
  frame->Show();
  auto* child = new TDpiChild(&app);
  child->Show();
  PumpFor(100);
  const RECT childAt96 = RectInParent(child->Handle()), buttonAt96 = RectInParent(child->Button1->Handle());
  EXPECT_EQ(buttonAt96, (RECT{5, 3, 42, 24}));

  RECT window = WindowRect(frame->Handle());
  SendMessageW(frame->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&window));
  PumpFor(50);
  EXPECT_EQ(child->Dpi(), 144);
  EXPECT_EQ(RectInParent(child->Button1->Handle()), RowAt(144).Layout.Left1);
  const auto scaled = [](LONG v) { return LONG(MulDiv(v, 144, 96)); };
  EXPECT_EQ(RectInParent(child->Handle()), (RECT{scaled(childAt96.left), scaled(childAt96.top),
                                                  scaled(childAt96.right), scaled(childAt96.bottom)}))
      << "where it was, at the new scale";
  auto* later = new TDpiChild(&app);
  later->Show();
  PumpFor(50);
  EXPECT_EQ(later->Dpi(), 144);
  EXPECT_EQ(RectInParent(later->Button1->Handle()), RowAt(144).Layout.Left1);

  SendMessageW(frame->Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&window));
  PumpFor(50);
  EXPECT_EQ(RectInParent(child->Handle()), childAt96);
  EXPECT_EQ(RectInParent(child->Button1->Handle()), buttonAt96);
}

}  // namespace
