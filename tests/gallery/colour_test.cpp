// The skin in another colour on real windows, in each built-in skin: the
// accent turned, greys and the region kept, greys for no saturation, text
// readable on a brighter face, and exactly the painted pixels back at 0/0/0;
// the system's app mode and accent colour followed live; the Colour dialog.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "GalleryTestSupport.h"
#include "gallery/GalleryColour.h"
#include "gallery/GalleryDialog.h"
#include "gallery/GallerySkins.h"
#include "support/UserRegistryValue.h"
#include "skin/WinSkinData/ColourShift.h"
#include "ui/Menus.h"
#include "ui/TextConv.h"

namespace {

using gallery_test::GalleryTest;
using gallery_test::PumpFor;
using skin::TColourShift;

ui::TColor AsColour(COLORREF c) { return ui::RGBColor(ui::GetRValue(c), ui::GetGValue(c), ui::GetBValue(c)); }

std::vector<COLORREF> WholeWindow(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return gallery_test::WindowArea(wnd, 0, r.right - r.left, r.bottom - r.top);
}

bool SameRegion(HWND wnd, HRGN before) {
  ui::RegionHandle now(CreateRectRgn(0, 0, 0, 0));
  const int kind = GetWindowRgn(wnd, now.Get());
  return kind != ERROR && EqualRgn(now.Get(), before);
}

ui::RegionHandle RegionOf(HWND wnd) {
  ui::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(wnd, region.Get());
  return region;
}

int HueDistance(int a, int b) {
  const int d = std::abs(a - b) % 360;
  return std::min(d, 360 - d);
}

bool IsGrey(COLORREF c, int tolerance = 0) {
  const int r = ui::GetRValue(c), g = ui::GetGValue(c), b = ui::GetBValue(c);
  return std::max({r, g, b}) - std::min({r, g, b}) <= tolerance;
}

// The accent's pixels of `before` (its hue, clearly saturated, neither near
// black nor near white), and how many of them show `hue` in `after`.
struct TAccentCount {
  int Accent = 0;
  int Turned = 0;
};
TAccentCount CountAccent(const std::vector<COLORREF>& before, const std::vector<COLORREF>& after, int accentHue,
                         int hue) {
  TAccentCount count;
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
    const ui::TColor c = AsColour(before[i]);
    const int light = (std::max({ui::GetRValue(before[i]), ui::GetGValue(before[i]), ui::GetBValue(before[i])}) +
                       std::min({ui::GetRValue(before[i]), ui::GetGValue(before[i]), ui::GetBValue(before[i])})) / 2;
    if (HueDistance(skin::HueOf(c), accentHue) > 8 || skin::SaturationOf(c) < 0.4 || light < 40 || light > 215)
      continue;
    ++count.Accent;
    if (HueDistance(skin::HueOf(AsColour(after[i])), hue) <= 10) ++count.Turned;
  }
  return count;
}

class GalleryColourTest : public GalleryTest {
 protected:
  void Activate(HWND wnd) {
    SetForegroundWindow(wnd);
    Settle();
  }
  void Colour(TColourShift shift) {
    frame_->Skins().SetColour(shift);
    Settle();
  }
};

TEST_F(GalleryColourTest, EachSkinTurnsKeepsItsShapeAndComesBackExactly) {
  Run("dialog");
  for (std::size_t index = 0; index < 3; ++index) {
    ASSERT_TRUE(frame_->Skins().UseBuiltIn(index));
    Colour({});
    const std::string name = frame_->SkinData1->SkinName;
    const int accentHue = frame_->SkinData1->AccentHue;
    ASSERT_GE(accentHue, 0) << name;
    for (HWND wnd : {frame_->Handle(), frame_->Dialog()->Handle()}) {
      Activate(wnd);  // the accent shows on active frames
      const std::vector<COLORREF> painted = WholeWindow(wnd);
      const ui::RegionHandle region = RegionOf(wnd);

      Colour({120, 0, 0});
      std::vector<COLORREF> now = WholeWindow(wnd);
      EXPECT_TRUE(SameRegion(wnd, region.Get())) << name;
      const TAccentCount accent = CountAccent(painted, now, accentHue, (accentHue + 120) % 360);
      EXPECT_GE(accent.Accent, 20) << name;
      EXPECT_GE(accent.Turned * 10, accent.Accent * 9) << name << ": " << accent.Turned << " of " << accent.Accent;
      std::size_t greys = 0, keptGreys = 0;
      for (std::size_t i = 0; i < painted.size(); ++i)
        if (IsGrey(painted[i])) ++greys, keptGreys += now[i] == painted[i];
      EXPECT_GE(keptGreys * 100, greys * 99) << name << ": " << keptGreys << " of " << greys;

      Colour({0, -100, 0});
      now = WholeWindow(wnd);
      const auto grey = std::count_if(now.begin(), now.end(), [](COLORREF c) { return IsGrey(c, 3); });
      EXPECT_GE(std::size_t(grey) * 100, now.size() * 97) << name;  // the program's icon keeps its colours

      const ui::TColor face = frame_->SkinData1->PlainSkin().ButtonFaceColour;
      const ui::TColor text = frame_->SkinData1->PlainSkin().WindowTextColour;
      for (int brightness : {-40, 40}) {
        Colour({0, 0, brightness});
        const ui::TColor newFace = frame_->SkinData1->ButtonFaceColour;
        EXPECT_NE(newFace, face) << name << " " << brightness;
        const double best =
            std::max(skin::ContrastRatio(ui::clBlack, newFace), skin::ContrastRatio(ui::clWhite, newFace));
        EXPECT_GE(skin::ContrastRatio(frame_->SkinData1->WindowTextColour, newFace),
                  std::min(skin::ContrastRatio(text, face), best) - 1e-9)
            << name << " " << brightness;
      }

      Colour({});
      EXPECT_EQ(WholeWindow(wnd), painted) << name;
      EXPECT_TRUE(SameRegion(wnd, region.Get())) << name;
    }
  }
}

class GalleryFollowTest : public GalleryColourTest {
 protected:
  void SetUp() override {
    appMode_.Set(0);  // dark apps before the gallery starts
    GalleryColourTest::SetUp();
  }
  test_support::TUserRegistryValue appMode_ = test_support::AppModeValue();
  test_support::TUserRegistryValue accent_{L"Software\\Microsoft\\Windows\\DWM", L"AccentColor"};
};

TEST_F(GalleryFollowTest, AppModeAndAccentColourAreFollowedLive) {
  for (const char* command : {"mdi", "dialog"}) Run(command);
  Settle();
  std::vector<HWND> windows = {frame_->Handle(), frame_->Dialog()->Handle()};
  for (int i = 0; i < frame_->MDIChildCount(); ++i) windows.push_back(frame_->MDIChildren(i)->Handle());
  const auto& names = frame_->Skins().BuiltInNames();
  const auto everyWindowShows = [&](const char* step) {
    for (HWND wnd : windows) EXPECT_TRUE(SkinShown(wnd)) << step;
  };
  EXPECT_TRUE(frame_->Skins().Following());
  EXPECT_EQ(frame_->SkinData1->SkinName, names.at(2));  // Night Ink
  everyWindowShows("dark");

  appMode_.Set(1);
  test_support::AnnounceSetting(WM_SETTINGCHANGE, L"ImmersiveColorSet");
  Settle();
  EXPECT_EQ(frame_->SkinData1->SkinName, names.at(0));
  everyWindowShows("light");

  Activate(frame_->Handle());
  const std::vector<COLORREF> before = WholeWindow(frame_->Handle());
  const ui::TColor blue = ui::RGBColor(0, 120, 215);
  accent_.Set(0xFFD77800);  // 0xAABBGGRR
  test_support::AnnounceSetting(WM_DWMCOLORIZATIONCOLORCHANGED, nullptr);
  Settle();
  const int accentHue = frame_->SkinData1->AccentHue;
  EXPECT_EQ(frame_->SkinData1->Hue(), skin::AccentRotation(accentHue, blue));
  const TAccentCount accent =
      CountAccent(before, WholeWindow(frame_->Handle()), accentHue, skin::HueOf(blue));
  EXPECT_GE(accent.Accent, 20);
  EXPECT_GE(accent.Turned * 10, accent.Accent * 9) << accent.Turned << " of " << accent.Accent;
  everyWindowShows("accent");

  // A skin picked by hand ends the following.
  ASSERT_TRUE(frame_->Skins().UseBuiltIn(1));
  EXPECT_FALSE(frame_->Skins().Following());
  appMode_.Set(0);
  test_support::AnnounceSetting(WM_SETTINGCHANGE, L"ImmersiveColorSet");
  Settle();
  EXPECT_EQ(frame_->SkinData1->SkinName, names.at(1));
}

TEST_F(GalleryColourTest, ColourDialogBarsRecolourEveryWindow) {
  Run("mdi");
  frame_->Skins().OpenColourDialog();
  Settle();
  gallery::TGalleryColour* dialog = frame_->Skins().ColourDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(Running(dialog->Handle()));
  std::vector<HWND> windows = {frame_->Handle(), dialog->Handle(), frame_->MDIChildren(0)->Handle()};
  std::vector<std::vector<COLORREF>> painted;
  for (HWND wnd : windows) painted.push_back(WholeWindow(wnd));

  dialog->HueBar->SetPosition(120);
  SendMessageW(dialog->BrightnessBar->Handle(), WM_KEYDOWN, VK_PRIOR, 0);  // a page towards the top, as a key moves it
  SendMessageW(dialog->BrightnessBar->Handle(), WM_KEYUP, VK_PRIOR, 0);
  Settle();
  EXPECT_EQ(frame_->SkinData1->Hue(), 120);
  EXPECT_EQ(frame_->SkinData1->Brightness(), dialog->BrightnessBar->Position());
  EXPECT_NE(dialog->BrightnessBar->Position(), 0);
  for (std::size_t i = 0; i < windows.size(); ++i) {
    EXPECT_NE(WholeWindow(windows[i]), painted[i]) << i;
    EXPECT_TRUE(SkinShown(windows[i])) << i;  // the title bar from the coloured skin
  }
  dialog->ResetButtonClick(dialog->ResetButton);  // as its click does
  Settle();
  EXPECT_EQ(frame_->SkinData1->Colour(), TColourShift{});
  for (std::size_t i = 0; i < windows.size(); ++i) EXPECT_EQ(WholeWindow(windows[i]), painted[i]) << i;
}

}  // namespace
