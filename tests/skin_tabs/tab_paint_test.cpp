// What a skinned tab control shows, read back from the window: the tab
// frames and caption colours, the mirrored and turned images of each side,
// the page frame, icons, and the scroll arrows left alone.
#include "skin/WinSubClass/SkinUpDown.h"
#include "skin_tabs/TabTestSupport.h"

namespace tab_test {
namespace {

struct TSide {
  const char* Name;
  DWORD Style;
  skin::TTabOrientation Orientation;
  // The page border's colour on the control's top, bottom, left and right edges.
  TColor Top, Bottom, Left, Right;
};

// The border image is mirrored or turned with the tabs: its tabs-side edge
// always faces the tabs.
const TSide kSides[] = {
    {"top", 0, skin::toTop, kBorderTabs, kBorderFar, kBorderLeft, kBorderRight},
    {"bottom", TCS_BOTTOM, skin::toBottom, kBorderFar, kBorderTabs, kBorderLeft, kBorderRight},
    {"left", TCS_VERTICAL | TCS_MULTILINE, skin::toLeft, kBorderRight, kBorderLeft, kBorderTabs, kBorderFar},
    {"right", TCS_VERTICAL | TCS_BOTTOM | TCS_MULTILINE, skin::toRight, kBorderLeft, kBorderRight, kBorderFar,
     kBorderTabs},
};

TEST(TabGeometry, OrientationComesFromTheStyles) {
  EXPECT_EQ(skin::TabOrientation(0), skin::toTop);
  EXPECT_EQ(skin::TabOrientation(TCS_BOTTOM), skin::toBottom);
  EXPECT_EQ(skin::TabOrientation(TCS_VERTICAL), skin::toLeft);
  EXPECT_EQ(skin::TabOrientation(TCS_VERTICAL | TCS_BOTTOM | TCS_MULTILINE), skin::toRight);
}

// Pixels inside the strip only, for every rectangle a tab may give.
TEST(TabGeometry, TabsMapIntoTheComposedStrip) {
  const RECT rect{0, 0, 300, 200};
  for (const TSide& side : kSides) {
    const RECT display{30, 30, 270, 170};
    const RECT page = skin::TabPageRect(display, side.Orientation);
    const RECT strip = skin::TabStripRect(rect, page, side.Orientation);
    const SIZE size = skin::TabStripSize(strip, side.Orientation);
    // A tab touching the edge and the page, in the middle of its side.
    RECT item{};
    switch (side.Orientation) {
      case skin::toTop: item = {100, 2, 160, 27}; break;
      case skin::toBottom: item = {100, 173, 160, 198}; break;
      case skin::toLeft: item = {2, 80, 27, 120}; break;
      case skin::toRight: item = {273, 80, 298, 120}; break;
    }
    const RECT t = skin::MapTabToStrip(item, rect, page, size, side.Orientation);
    SCOPED_TRACE(side.Name);
    EXPECT_EQ(t.right - t.left, (side.Orientation >= skin::toLeft ? item.bottom - item.top : item.right - item.left));
    EXPECT_GE(t.left, -1);
    EXPECT_LE(t.right, size.cx);
    EXPECT_GE(t.top, -1);
    EXPECT_LE(t.bottom, size.cy + 1);
  }
}

void PrintTo(const TSide& side, std::ostream* out) { *out << side.Name; }

class TabSideTest : public TabTest, public ::testing::WithParamInterface<TSide> {};

TEST_P(TabSideTest, TabsAndPageFrameComeFromTheSkinTurnedToTheirSide) {
  const TSide& side = GetParam();
  const HWND parent = NewBareWindow();
  const HWND tab = NewTabControl(parent, side.Style, RECT{20, 20, 300, 240}, 3);
  Skin(parent);
  skin::TSkinTab* companion = TabCompanion(tab);
  ASSERT_NE(companion, nullptr);
  EXPECT_EQ(companion->Orientation, side.Orientation);
  Paint(tab);
  const TShot shot(tab);
  ASSERT_EQ(int(SendMessageW(tab, TCM_GETCURFOCUS, 0, 0)), 0);

  // The focused tab shows frame 2, the others frame 1, outer half outwards.
  const TTabLook focused = LookOfTab(shot, tab, 0), other = LookOfTab(shot, tab, 1);
  EXPECT_EQ(focused.Outer, kTabOuter[2]);
  EXPECT_EQ(focused.Inner, kTabInner[2]);
  EXPECT_EQ(other.Outer, kTabOuter[1]);
  EXPECT_EQ(other.Inner, kTabInner[1]);

  // Captions in the frame's colour.
  RECT t0 = ItemRect(tab, 0), t1 = ItemRect(tab, 1);
  InflateRect(&t0, 1, 1);
  InflateRect(&t1, 1, 1);
  EXPECT_GT(shot.Count(kTextFocus, t0), 0);
  EXPECT_EQ(shot.Count(kTextNormal, t0), 0);
  EXPECT_GT(shot.Count(kTextNormal, t1), 0);
  EXPECT_EQ(shot.Count(kTextFocus, t1), 0);

  // The page frame around the display area; its inside is never drawn.
  const RECT d = DisplayRect(tab);
  const int midX = (d.left + d.right) / 2, midY = (d.top + d.bottom) / 2;
  EXPECT_EQ(shot.At(midX, d.top - 2), side.Top);
  EXPECT_EQ(shot.At(midX, d.bottom + 1), side.Bottom);
  EXPECT_EQ(shot.At(d.left - 2, midY), side.Left);
  EXPECT_EQ(shot.At(d.right + 1, midY), side.Right);
  EXPECT_EQ(shot.Count(kBorderCentre), 0);
}

INSTANTIATE_TEST_SUITE_P(Sides, TabSideTest, ::testing::ValuesIn(kSides),
                         [](const ::testing::TestParamInfo<TSide>& info) { return std::string(info.param.Name); });

// Without caption colours of its own the skin gives the system's button
// text colour, which the caption shows as its RGB value.
TEST_F(TabTest, SystemTextColoursAreResolvedBeforeDrawing) {
  data_ = std::make_unique<skin::TSkinData>(nullptr);
  skin_test::TFiles files = form_test::BorderFiles();
  files.push_back({"tabs.bmp", TabsFile()});
  files.push_back({"border.bmp", BorderFile()});
  skin_test::LoadDefinition(*data_, form_test::BorderDefinition() + "[Tabs]\nImage=tabs.bmp\nBorder=border.bmp\n", files);
  data_->SkinControls = control_test::ControlsOnly();
  ASSERT_EQ(data_->Tabs->NormalColour2, ui::clBtnText);
  const HWND parent = NewBareWindow();
  const HWND tab = NewTabControl(parent, 0, RECT{20, 20, 300, 200}, 2);
  Skin(parent);
  Paint(tab);
  RECT t1 = ItemRect(tab, 1);
  OffsetRect(&t1, 0, 1);
  const TColor text = ui::TColor(GetSysColor(COLOR_BTNTEXT));
  const TShot shot(tab);
  EXPECT_GT(shot.Count(text, t1), 0);
  EXPECT_EQ(shot.Count(TColor(ui::clBtnText & 0xFFFFFF), t1), 0);
}

TEST_F(TabTest, IconsComeFromTheImageListBesideTheCaption) {
  const HWND parent = NewBareWindow();
  const HWND tab = NewTabControl(parent, 0, RECT{20, 20, 340, 200}, 2);
  const TColor icon = RGBColor(0, 90, 180);
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 1);
  {
    ui::TBitmap picture;
    picture.SetSize(16, 16);
    picture.Fill(icon);
    ImageList_Add(images, picture.Handle(), nullptr);
  }
  SendMessageW(tab, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  TCITEMW item{};
  item.mask = TCIF_IMAGE;
  item.iImage = 0;
  SendMessageW(tab, TCM_SETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  Skin(parent);
  Paint(tab);
  const TShot shot(tab);
  RECT t1 = ItemRect(tab, 1);
  OffsetRect(&t1, 0, 1);
  const RECT iconAt = shot.BoundsOf(icon);
  EXPECT_EQ(iconAt.right - iconAt.left, 16);
  EXPECT_EQ(iconAt.bottom - iconAt.top, 16);
  EXPECT_GE(iconAt.left, t1.left);
  EXPECT_LE(iconAt.right, t1.right);
  // The caption follows the icon.
  int textLeft = shot.Width();
  for (int y = t1.top; y < t1.bottom; ++y)
    for (int x = t1.left; x < t1.right; ++x)
      if (shot.At(x, y) == kTextNormal) textLeft = std::min(textLeft, x);
  EXPECT_GE(textLeft, iconAt.right);
  Unskin();
  DestroyBareWindow();
  ImageList_Destroy(images);
}

// More tabs than fit on one row: the system shows its arrows, and the strip
// leaves them alone even when painted straight over the window.
TEST_F(TabTest, ScrollArrowsAreNotPaintedOver) {
  const HWND parent = NewBareWindow();
  const HWND tab = NewTabControl(parent, 0, RECT{20, 20, 240, 160}, 14);
  Skin(parent);
  Paint(tab);
  const HWND arrows = FindWindowExW(tab, nullptr, L"msctls_updown32", nullptr);
  ASSERT_NE(arrows, nullptr);
  ASSERT_TRUE(IsWindowVisible(arrows));
  skin::TSkinTab* companion = TabCompanion(tab);
  ASSERT_NE(companion, nullptr);
  EXPECT_TRUE(companion->FindTabUpDown());

  const TShot before(arrows);
  companion->Redraw();  // no child paints after it
  const TShot after(arrows);
  ASSERT_GT(after.Width(), 0);
  int changed = 0;
  for (int y = 0; y < after.Height(); ++y)
    for (int x = 0; x < after.Width(); ++x) changed += after.At(x, y) != before.At(x, y);
  EXPECT_EQ(changed, 0);
  // The strip beside them is skinned, and so are they, by a companion of
  // their own (drawn plainly on the face colour: the skin has no arrow images).
  const TShot whole(tab);
  EXPECT_GT(whole.Count(kTabOuter[1]), 0);
  EXPECT_NE(dynamic_cast<skin::TSkinUpDown*>(CompanionOf(arrows)), nullptr);
  EXPECT_EQ(companion->UpDown, CompanionOf(arrows));
  EXPECT_GT(after.Count(kFace), 0);

  // Scrolled along: the first tabs are out of view (empty or before the
  // strip), the last ones lie beyond it; the strip still shows the rest.
  SendMessageW(tab, TCM_SETCURSEL, 10, 0);
  Paint(tab);
  const RECT first = ItemRect(tab, 0), last = ItemRect(tab, 13);
  EXPECT_TRUE(first.right <= 0 || first.right == first.left);
  EXPECT_GT(last.right, 220);
  EXPECT_EQ(LookOfTab(TShot(tab), tab, 10).Outer, kTabOuter[2]);
}

}  // namespace
}  // namespace tab_test
