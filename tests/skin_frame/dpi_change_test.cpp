// A skinned window at another DPI (WM_GETDPISCALEDSIZE, then WM_DPICHANGED,
// as the system sends them when a window moves to a screen of another
// scale; Wine never sends them, so the test does): borders, caption buttons
// (their pictures and clicks) and fonts at the new DPI, the skin author's pictures for that scale shown
// exactly, and a round trip over several DPIs ending where it began. Then
// the same skins in processes started at 120, 144 and 192 DPI.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "FrameTestSupport.h"
#include "skin/WinSkinData/SkinAtDpi.h"
#include "skin/WinSkinForm/WindowDpi.h"
#include "support/DpiChild.h"
#include "support/MessagePump.h"
#include "support/OurSkin.h"

namespace {

using namespace frame_test;
using skin::ScaleLength;

struct TSkinAtDpi {
  const wchar_t* Resource;
  int Title, Side;     // at 96 DPI
  int CloseFromRight;  // the close button's left edge from the window's right edge at 96 DPI (0: left-aligned)
};

const TSkinAtDpi kSkins[] = {
    {L"TAVRINSKIN", 28, 5, 37}, {L"TAVRINSKIN_JADE", 34, 6, 0}, {L"TAVRINSKIN_NIGHT", 18, 4, 22}};

class DpiChangeTest : public FrameTest {
 protected:
  HWND StartSkin(const TSkinAtDpi& s, HMENU menu = nullptr) {
    return Start(test_support::OurSkin(s.Resource), RECT{100, 100, 500, 400}, L"DPI", menu);
  }

  // What the system does when the window reaches a screen of `dpi`.
  void ChangeDpi(HWND wnd, int dpi) {
    SIZE size{};
    ASSERT_TRUE(SendMessageW(wnd, WM_GETDPISCALEDSIZE, WPARAM(dpi), LPARAM(&size)));
    const RECT now = WindowBounds(wnd);
    RECT suggested{now.left, now.top, now.left + size.cx, now.top + size.cy};
    SendMessageW(wnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
    Pump();
    if (!form_->Active) SendMessageW(wnd, WM_NCACTIVATE, TRUE, 0);
    Pump();
  }

  SIZE ClientSize(HWND wnd) const {
    RECT r{};
    GetClientRect(wnd, &r);
    return SIZE{r.right, r.bottom};
  }

  // The skin author's own picture of the close button for `dpi` (its base
  // image at 96 DPI).
  const ui::TBitmap& ClosePicture(int dpi) const {
    const auto& entry = *std::find_if(data_->SysButtons.begin(), data_->SysButtons.end(),
                                      [](const auto& e) { return e->Name == "BUTTON.CLOSE"; });
    for (const auto& larger : entry->BitmapLarger)
      if (larger->Dpi == dpi) return larger->Bitmap;
    return entry->Bitmap;
  }

  // The close button as the window shows it, every pixel against the image
  // the skin at the window's DPI gives it; returns that image's entry.
  const skin::TDataSkinSysButton& ExpectCloseButtonShown(HWND wnd, const TSkinAtDpi& s, int dpi) {
    const auto& entry = **std::find_if(form_->Skin()->SysButtons.begin(), form_->Skin()->SysButtons.end(),
                                       [](const auto& e) { return e->Name == "BUTTON.CLOSE"; });
    const ui::TBitmap& shown = entry.Bitmap;
    const int fw = shown.Width() / entry.FrameCount, frame = form_->Active ? 1 : 4;
    const int x0 = s.CloseFromRight ? Width() - ScaleLength(s.CloseFromRight, dpi) : entry.Xcoord;
    const TPixels p = WindowPixels(wnd);
    int mismatches = 0;
    for (int y = 0; y < shown.Height(); ++y)
      for (int x = 0; x < fw; ++x) {
        const TColor image = shown.Pixel((frame - 1) * fw + x, y);
        if (image != kKey) mismatches += p.At(x0 + x, entry.Ycoord + y) != image;
      }
    EXPECT_EQ(mismatches, 0) << "close button at " << x0 << "," << entry.Ycoord;
    return entry;
  }

  // The minimise button, as big as its picture at the window's DPI, answers
  // a click at its middle; the window is then restored.
  void ExpectMinimiseClick(HWND wnd) {
    const auto button = std::find_if(form_->SysButtons.begin(), form_->SysButtons.end(),
                                     [](const auto& b) { return b->Visible && b->SkinButton->Action == 2; });
    ASSERT_NE(button, form_->SysButtons.end());
    const skin::TDataSkinSysButton& entry = *(*button)->SkinButton;
    const RECT r = (*button)->Rect;
    EXPECT_EQ(r.right - r.left, entry.Bitmap.Width() / entry.FrameCount);
    EXPECT_EQ(r.bottom - r.top, entry.Bitmap.Height());
    RECT window{};
    GetWindowRect(wnd, &window);
    const LPARAM at = MAKELPARAM(window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2);
    for (const UINT msg : {WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP}) SendMessageW(wnd, msg, HTCAPTION, at);
    EXPECT_TRUE(test_support::PumpUntil([wnd] { return IsIconic(wnd) != FALSE; }));
    ShowWindow(wnd, SW_RESTORE);
    Pump();
  }

  // The picture for 144 and 192 DPI is the author's, pixel for pixel.
  void ExpectAuthorsPicture(const ui::TBitmap& shown, int dpi) const {
    const ui::TBitmap& picture = ClosePicture(dpi);
    ASSERT_EQ(shown.Width(), picture.Width());
    ASSERT_EQ(shown.Height(), picture.Height());
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x) ASSERT_EQ(shown.Pixel(x, y), picture.Pixel(x, y));
  }
};

TEST_F(DpiChangeTest, EachSkinAtEachDpiShowsItsPicturesForThatScale) {
  for (const TSkinAtDpi& s : kSkins) {
    for (const int dpi : {144, 192, 120}) {
      SCOPED_TRACE(testing::Message() << s.Resource << " at " << dpi);
      HMENU menu = CreateMenu();
      AppendMenuW(menu, MF_STRING, 1, L"File");
      const HWND wnd = StartSkin(s, menu);
      const SIZE client96 = ClientSize(wnd);
      ChangeDpi(wnd, dpi);
      EXPECT_EQ(form_->Dpi, dpi);
      EXPECT_EQ(form_->BorderTop, ScaleLength(s.Title, dpi));
      EXPECT_EQ(form_->BorderLeft, ScaleLength(s.Side, dpi));
      EXPECT_EQ(form_->MenuBarHeight, skin::SystemMetricForDpi(SM_CYMENU, dpi));
      const SIZE client = ClientSize(wnd);
      EXPECT_EQ(client.cx, ScaleLength(client96.cx, dpi));
      EXPECT_EQ(client.cy, ScaleLength(client96.cy, dpi));

      // The close button, every pixel: the author's picture at 144 and 192,
      // the 1.5x one scaled down at 120 (the engine's own scaling).
      const skin::TDataSkinSysButton& close = ExpectCloseButtonShown(wnd, s, dpi);
      if (dpi != 120) ExpectAuthorsPicture(close.Bitmap, dpi);
      ExpectMinimiseClick(wnd);
      // The caption font is the system's for that DPI.
      LOGFONTW font{};
      GetObjectW(form_->CaptionFont.Get(), sizeof font, &font);
      NONCLIENTMETRICSW metrics;
      ASSERT_TRUE(skin::NonClientMetricsForDpi(metrics, dpi));
      EXPECT_EQ(font.lfHeight, metrics.lfCaptionFont.lfHeight);
    }
  }
}

TEST_F(DpiChangeTest, ARoundTripOverDpisEndsWhereItBegan) {
  for (const TSkinAtDpi& s : kSkins) {
    SCOPED_TRACE(testing::Message() << s.Resource);
    const HWND wnd = StartSkin(s);
    Repaint();
    const RECT bounds = WindowBounds(wnd);
    const TPixels before = WindowPixels(wnd);
    const auto region = [wnd](const TPixels& p) {
      ui::RegionHandle rgn(CreateRectRgn(0, 0, 0, 0));
      EXPECT_NE(GetWindowRgn(wnd, rgn.Get()), ERROR);
      std::vector<bool> inside;
      for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x) inside.push_back(PtInRegion(rgn.Get(), x, y) != FALSE);
      return inside;
    };
    const std::vector<bool> regionBefore = region(before);
    for (const int dpi : {144, 192, 96}) ChangeDpi(wnd, dpi);
    Repaint();
    EXPECT_EQ(form_->Dpi, 96);
    const RECT after = WindowBounds(wnd);
    EXPECT_TRUE(EqualRect(&bounds, &after));
    const RECT client{s.Side, s.Title, s.Side + ClientSize(wnd).cx, s.Title + ClientSize(wnd).cy};
    EXPECT_EQ(client.right, Width() - s.Side);
    const TPixels now = WindowPixels(wnd);
    ASSERT_EQ(now.Width, before.Width);
    ASSERT_EQ(now.Height, before.Height);
    // The frame, every pixel the region keeps (pixels cut off show whatever
    // the window DC holds there; the client area is the window's own).
    const std::vector<bool> inside = region(now);
    EXPECT_TRUE(inside == regionBefore);
    int differ = 0;
    RECT box{9999, 9999, -1, -1};
    for (int y = 0; y < now.Height; ++y)
      for (int x = 0; x < now.Width; ++x)
        if (inside[std::size_t(y * now.Width + x)] && !PtInRect(&client, POINT{x, y}) &&
            now.At(x, y) != before.At(x, y)) {
          ++differ;
          box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x), std::max<LONG>(box.bottom, y)};
        }
    EXPECT_EQ(differ, 0) << "within " << box.left << "," << box.top << " - " << box.right << "," << box.bottom;
  }
}

// --- Processes started at another DPI -----------------------------------------
//
// Wine reads the DPI once per process when it starts: the test below runs the
// DISABLED_ test in copies of this program started at other DPIs.

int ChildDpi() {
  const char* value = std::getenv("TAVRIN_CHILD_DPI");
  return value ? std::atoi(value) : 0;
}

TEST_F(DpiChangeTest, DISABLED_AtTheSystemDpi) {
  const int dpi = ChildDpi();
  ASSERT_EQ(test_support::DpiChildStarted(), dpi);
  for (const TSkinAtDpi& s : kSkins) {
    SCOPED_TRACE(testing::Message() << s.Resource << " at " << dpi);
    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, 1, L"File");
    const HWND wnd = StartSkin(s, menu);
    EXPECT_EQ(form_->Dpi, dpi);
    EXPECT_EQ(form_->BorderTop, ScaleLength(s.Title, dpi));
    EXPECT_EQ(form_->BorderLeft, ScaleLength(s.Side, dpi));
    EXPECT_EQ(form_->MenuBarHeight, GetSystemMetrics(SM_CYMENU));
    const skin::TDataSkinSysButton& close = ExpectCloseButtonShown(wnd, s, dpi);
    if (dpi != 120) ExpectAuthorsPicture(close.Bitmap, dpi);
    else EXPECT_EQ(close.Bitmap.Width(), close.FrameCount * ScaleLength(ClosePicture(96).Width() / close.FrameCount, dpi));
    ExpectMinimiseClick(wnd);
    // The caption's font fits its title bar: the text is not cut off.
    ui::MemoryDC dc;
    ui::SelectGuard font(dc.Get(), form_->CaptionFont.Get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    EXPECT_LE(metrics.tmHeight, form_->BorderTop);
    EXPECT_GT(metrics.tmHeight, MulDiv(11, dpi, 96));
  }
}

TEST(DpiChild, BuiltinSkinsInProcessesStartedAtOtherDpis) {
  for (const int dpi : {120, 144, 192}) {
    SetEnvironmentVariableW(L"TAVRIN_CHILD_DPI", std::to_wstring(dpi).c_str());
    EXPECT_EQ(test_support::RunTestAtSystemDpi(L"DpiChangeTest.DISABLED_AtTheSystemDpi", DWORD(dpi)), 0u)
        << "the child at " << dpi << " DPI failed (its output is above)";
  }
  SetEnvironmentVariableW(L"TAVRIN_CHILD_DPI", nullptr);
}

}  // namespace
