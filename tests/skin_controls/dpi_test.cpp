// One control of each kind in processes started at 120, 144 and 192 DPI
// (Wine reads the DPI once per process): every companion paints from the
// skin at its form's DPI. The check mark is the author's picture for 144 and
// 192, pixel for pixel, in a mark cell of the engine at that DPI; the scroll
// arrows have the system's scroll-bar size there and show the arrow frame of
// that DPI pixel for pixel (a bar is composed at its own size, never
// stretched); the button face, the track-bar thumb and the tabs take their
// colours from the scaled images.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "skin/WinSubClass/SkinCheckBox.h"
#include "skin/WinSubClass/SkinScrollBar.h"
#include "support/DpiChild.h"
#include "support/OurSkin.h"
#include "ui/ComCtrls.h"
#include "ui/ListBox.h"
#include "ui/TabCtrls.h"

namespace {

using namespace control_test;

using ControlsAtDpi = ControlTest;

TColor FrameMiddle(const ui::TBitmap& strip, int frames, int frame) {
  const int fw = strip.Width() / frames;
  return strip.Pixel((frame - 1) * fw + fw / 2, strip.Height() / 2);
}

// Pixels of frame `frame` (of `frames` side by side) that are not key colour
// and differ from the shot at `at`.
int FrameMismatches(const TShot& shot, POINT at, const ui::TBitmap& strip, int frames, int frame) {
  const int fw = strip.Width() / frames;
  int n = 0;
  for (int y = 0; y < strip.Height(); ++y)
    for (int x = 0; x < fw; ++x) {
      const TColor image = strip.Pixel((frame - 1) * fw + x, y);
      if (image != kKey) n += shot.At(at.x + x, at.y + y) != image;
    }
  return n;
}

int ChildDpi() {
  const char* value = std::getenv("TAVRIN_CHILD_DPI");
  return value ? std::atoi(value) : 0;
}

TEST_F(ControlsAtDpi, DISABLED_OneOfEachKind) {
  const int dpi = ChildDpi();
  ASSERT_EQ(test_support::DpiChildStarted(), dpi);
  for (const wchar_t* resource : {L"TAVRINSKIN", L"TAVRINSKIN_JADE", L"TAVRINSKIN_NIGHT"}) {
    SCOPED_TRACE(testing::Message() << resource << " at " << dpi);
    TearDown();
    SetUp();
    data_ = test_support::OurSkin(resource);
    ASSERT_FALSE(data_->Empty);
    const skin::TSkinSet& at = data_->AtDpi(dpi);
    ui::TForm* form = NewForm();
    ASSERT_EQ(form->Dpi(), dpi);
    auto* button = Add<ui::TButton>(form, RECT{8, 8, 128, 40});
    auto* check = Add<ui::TCheckBox>(form, RECT{8, 48, 200, 80});
    check->SetChecked(true);
    auto* list = Add<ui::TListBox>(form, RECT{220, 8, 340, 140});
    list->SetItems(std::vector<std::wstring>(60, L"Line"));
    auto* track = Add<ui::TTrackBar>(form, RECT{8, 150, 200, 190});
    auto* tabs = Add<ui::TTabControl>(form, RECT{8, 200, 300, 280});
    tabs->SetTabs({L"One", L"Two"});
    Skin(form);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(30);

    // The push button's face: frame 1 of the scaled button image.
    const skin::TDataSkinButton& buttons = *at.Buttons;
    EXPECT_GT(TShot(button->Handle()).Count(FrameMiddle(buttons.Bitmap, 5, 1)), 20);

    // The check mark: frame 2 of the mark picture at this DPI, every pixel,
    // in the engine's mark cell at this DPI.
    const int fw = buttons.CheckBitmap.Width() / buttons.CheckFrames;
    RECT client{};
    GetClientRect(check->Handle(), &client);
    const RECT mark = skin::MarkRect(client, SIZE{fw, buttons.CheckBitmap.Height()}, at.Measures.MarkCell, false);
    const TShot checkShot(check->Handle(), false);
    EXPECT_EQ(FrameMismatches(checkShot, POINT{mark.left, mark.top}, buttons.CheckBitmap, buttons.CheckFrames, 2), 0);
    if (dpi == 144 || dpi == 192) {
      const auto& larger = data_->Buttons->CheckLarger;
      const auto picture = std::find_if(larger.begin(), larger.end(), [dpi](const auto& l) { return l->Dpi == dpi; });
      ASSERT_NE(picture, larger.end());
      EXPECT_EQ(FrameMismatches(checkShot, POINT{mark.left, mark.top}, (*picture)->Bitmap, buttons.CheckFrames, 2), 0);
    }

    // The list box's up arrow is the system's scroll-bar size at this DPI and
    // shows frame 9 of the scaled arrows; its thumb frame 1 of the thumb.
    auto* bars = dynamic_cast<skin::TSkinScrollBar*>(CompanionOf(list->Handle()));
    ASSERT_NE(bars, nullptr);
    const RECT& bar = bars->VertBarRect;
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    EXPECT_EQ(bar.right - bar.left, GetSystemMetrics(SM_CXVSCROLL));
    const TShot listShot(list->Handle());
    const ui::TBitmap& arrows = at.Scrollbar->Bitmap;
    ASSERT_EQ(arrows.Height(), arrow);
    EXPECT_EQ(FrameMismatches(listShot, POINT{bar.left, bar.top}, arrows, 23, 9), 0);
    const skin::TScrollMetrics& m = bars->VertMetrics;
    EXPECT_EQ(listShot.At((bar.left + bar.right) / 2, bar.top + arrow + m.ThumbOffset + m.ThumbLength / 2),
              FrameMiddle(at.VertScrollThumb->Bitmap, at.VertScrollThumb->SafeFrameCount(), 1));

    // The track bar's thumb: frame 4 of the scaled button image.
    RECT thumb{};
    SendMessageW(track->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    EXPECT_GT(TShot(track->Handle(), false).Count(FrameMiddle(buttons.Bitmap, 5, 4), thumb), 0);

    // The tabs: the scaled tab image's colours fill the selected tab.
    RECT item{};
    SendMessageW(tabs->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const skin::TDataSkinBorder& tab = *at.Tabs;
    const int tabFrames = tab.SafeFrameCount();
    const TShot tabShot(tabs->Handle(), false);
    int fromImage = 0;
    for (int frame = 1; frame <= tabFrames; ++frame) fromImage += tabShot.Count(FrameMiddle(tab.Bitmap, tabFrames, frame), item);
    EXPECT_GT(fromImage, (item.right - item.left) * (item.bottom - item.top) / 4);
  }
}

TEST(DpiChild, ControlsOfEachKindInProcessesStartedAtOtherDpis) {
  for (const int dpi : {120, 144, 192}) {
    SetEnvironmentVariableW(L"TAVRIN_CHILD_DPI", std::to_wstring(dpi).c_str());
    EXPECT_EQ(test_support::RunTestAtSystemDpi(L"ControlsAtDpi.DISABLED_OneOfEachKind", DWORD(dpi)), 0u)
        << "the child at " << dpi << " DPI failed (its output is above)";
  }
  SetEnvironmentVariableW(L"TAVRIN_CHILD_DPI", nullptr);
}

}  // namespace
