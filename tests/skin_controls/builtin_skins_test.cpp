// Controls on a form under each of our three built-in skins: the form's face,
// a push button, a check box and a scroll bar's thumb show the skin's own
// colours and images (the dark skin turns every one of them dark; the thumbs
// of the three skins have 3, 2 and 4 frames).
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "skin/WinSubClass/SkinScrollBar.h"
#include "support/OurSkin.h"
#include "ui/ListBox.h"

namespace {

using namespace control_test;

class BuiltinSkinControlTest : public ControlTest {
 protected:
  template <class T>
  T* Add(ui::TForm* form, RECT r, const wchar_t* caption) {
    auto* control = new T(form);
    control->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    control->SetCaption(caption);
    control->SetParent(form);
    return control;
  }
};

// The colour at the middle of frame `frame` of a strip of `frames`.
TColor FrameMiddle(const ui::TBitmap& strip, int frames, int frame, int y = -1) {
  const int fw = strip.Width() / frames;
  return strip.Pixel((frame - 1) * fw + fw / 2, y < 0 ? strip.Height() / 2 : y);
}

bool IsDark(TColor c) { return ui::GetRValue(c) + ui::GetGValue(c) + ui::GetBValue(c) < 3 * 96; }

TEST_F(BuiltinSkinControlTest, FaceButtonsCheckBoxesAndThumbsComeFromEachSkin) {
  const struct {
    const wchar_t* Resource;
    bool Dark;
    int ThumbFrames;
  } skins[] = {{L"TAVRINSKIN", false, 3}, {L"TAVRINSKIN_JADE", false, 2}, {L"TAVRINSKIN_NIGHT", true, 4}};
  for (const auto& s : skins) {
    SCOPED_TRACE(testing::Message() << s.Resource);
    TearDown();  // a new application, form and companion for each skin
    SetUp();
    data_ = test_support::OurSkin(s.Resource);
    ASSERT_FALSE(data_->Empty);
    ui::TForm* form = NewForm();
    form->SetCaption(L"Controls");
    auto* off = Add<ui::TButton>(form, RECT{16, 16, 136, 40}, L"Off");
    off->SetEnabled(false);
    auto* check = Add<ui::TCheckBox>(form, RECT{16, 56, 200, 76}, L"Checked");
    check->SetChecked(true);
    auto* list = new ui::TListBox(form);
    list->SetParent(form);
    list->SetBounds(220, 16, 120, 100);
    list->SetItems(std::vector<std::wstring>(40, L"Line"));
    Skin(form);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(30);

    // The form's face takes the colour table's ButtonFace.
    const TColor face = ui::ColorToRGB(data_->ButtonFaceColour);
    EXPECT_EQ(TShot(form->Handle(), false).At(300, 150), face);
    EXPECT_EQ(IsDark(face), s.Dark);
    // The disabled button's face: frame 3 of the button image, right of its
    // caption.
    const skin::TDataSkinButton& buttons = *data_->Buttons;
    EXPECT_EQ(TShot(off->Handle()).At(110, 12), FrameMiddle(buttons.Bitmap, 5, 3));
    // The check box's mark box: frame 2 of its image, whose fill shows.
    const TColor fill = FrameMiddle(buttons.CheckBitmap, buttons.CheckFrames, 2, 1);
    EXPECT_GT(TShot(check->Handle()).Count(fill), 20);
    // The list box's thumb: frame 1 of the thumb image, frame 2 while dragged.
    auto* bars = dynamic_cast<skin::TSkinScrollBar*>(CompanionOf(list->Handle()));
    ASSERT_NE(bars, nullptr);
    const skin::TDataSkinObject& thumb = *data_->VertScrollThumb;
    const auto thumbPixel = [&] {
      const skin::TScrollMetrics& m = bars->VertMetrics;
      const RECT& bar = bars->VertBarRect;
      return TShot(list->Handle()).At((bar.left + bar.right) / 2,
                                      bar.top + GetSystemMetrics(SM_CYVSCROLL) + m.ThumbOffset + m.ThumbLength / 2);
    };
    EXPECT_EQ(thumbPixel(), FrameMiddle(thumb.Bitmap, s.ThumbFrames, 1));
    SendMessageW(list->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 10), 0);
    EXPECT_EQ(thumbPixel(), FrameMiddle(thumb.Bitmap, s.ThumbFrames, 2));
    SendMessageW(list->Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
  }
}

// Text on the skin's face takes the skin's WindowText: a static control of a
// window of no framework form (as in a message box) draws in it, and a
// framework form's font takes it while skinned and gets its own back after.
TEST_F(BuiltinSkinControlTest, TextOnTheFaceTakesTheSkinsTextColour) {
  for (const wchar_t* resource : {L"TAVRINSKIN", L"TAVRINSKIN_NIGHT"}) {
    SCOPED_TRACE(testing::Message() << resource);
    TearDown();
    SetUp();
    data_ = test_support::OurSkin(resource);
    ASSERT_FALSE(data_->Empty);
    const TColor text = ui::ColorToRGB(data_->WindowTextColour);

    const HWND bare = NewBareWindow();
    const HWND label = CreateWindowExW(0, L"STATIC", L"MMMM WWWW", WS_CHILD | WS_VISIBLE, 16, 16, 200, 24, bare,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    Skin(bare);
    RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpFor(30);
    EXPECT_GT(TShot(label).Count(text), 10);
    companion_.reset();
    DestroyBareWindow();

    ui::TForm* form = NewForm();
    const TColor own = form->Font().Color();
    Skin(form);
    EXPECT_EQ(form->Font().Color(), data_->WindowTextColour);
    companion_->Detach();
    EXPECT_EQ(form->Font().Color(), own);
  }
}

}  // namespace
