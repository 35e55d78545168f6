// Track bars: only the thumb is skinned (frame 4 of the Buttons strip, or a
// plain box without that image); channel and tick marks stay the system's.
#include "BarsTestSupport.h"
#include "skin/WinSubClass/SkinTrackBar.h"
#include "skin/WinSkinForm/WindowSubclass.h"

namespace {

using namespace bars_test;

RECT ThumbOf(HWND wnd) {
  RECT r{};
  SendMessageW(wnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

// Pixels outside `except` that differ between two shots of one window.
int ChangedOutside(const TShot& a, const TShot& b, const RECT& except) {
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const POINT p{x, y};
      if (!PtInRect(&except, p) && a.At(x, y) != b.At(x, y)) ++n;
    }
  return n;
}

class TrackBarTest : public BarsTest {
 protected:
  ui::TTrackBar* NewTrack(ui::TTrackBarOrientation orientation) {
    form_ = NewForm();
    auto* track = Add<ui::TTrackBar>(form_, orientation == ui::trHorizontal ? RECT{10, 10, 210, 50}
                                                                            : RECT{10, 10, 50, 210});
    track->SetOrientation(orientation);
    track->SetMax(10);
    track->SetPosition(3);
    return track;
  }
  ui::TForm* form_ = nullptr;
};

TEST_F(TrackBarTest, OnlyTheThumbComesFromTheSkin) {
  for (auto orientation : {ui::trHorizontal, ui::trVertical}) {
    SCOPED_TRACE(orientation);
    ui::TTrackBar* track = NewTrack(orientation);
    const HWND wnd = track->Handle();
    track->SetColor(kFace);  // the background the skin gives it
    RepaintNow(wnd);
    const TShot before(wnd);
    track->SetColor(ui::clBtnFace);
    Skin(form_);
    EXPECT_EQ(KindOf(track), "TSkinTrackBar");
    RepaintNow(wnd);
    const TShot after(wnd);
    const RECT thumb = ThumbOf(wnd);
    ASSERT_FALSE(IsRectEmpty(&thumb));
    // The thumb rectangle holds frame 4 through and through; channel and
    // ticks around it are the system's, pixel for pixel.
    EXPECT_EQ(after.Count(kThumb, thumb), RectWidth(thumb) * RectHeight(thumb));
    EXPECT_EQ(after.Count(kThumb), RectWidth(thumb) * RectHeight(thumb));
    EXPECT_EQ(ChangedOutside(before, after, thumb), 0);
    EXPECT_EQ(after.At(1, 1), kFace);

    // The thumb follows the position.
    track->SetPosition(8);
    Pump();
    const RECT moved = ThumbOf(wnd);
    EXPECT_NE(moved.left + moved.top, thumb.left + thumb.top);
    EXPECT_EQ(TShot(wnd).Count(kThumb, moved), RectWidth(moved) * RectHeight(moved));
    Unskin();
    delete form_;
  }
}

TEST_F(TrackBarTest, PlainThumbWithoutAButtonImage) {
  UseSkin(Without(false, false, true));
  ui::TTrackBar* track = NewTrack(ui::trHorizontal);
  Skin(form_);
  RepaintNow(track->Handle());
  const RECT thumb = ThumbOf(track->Handle());
  const TShot shot(track->Handle());
  EXPECT_EQ(shot.At(thumb.left, thumb.top), kShadow);  // the outline in ButtonShadow
  EXPECT_EQ(shot.At(thumb.right - 1, thumb.bottom - 1), kShadow);
  EXPECT_EQ(shot.At((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), kFace);
}

TEST_F(TrackBarTest, BareTrackBarGetsItsNotificationsThroughItsParent) {
  const HWND parent = NewBareWindow();
  const HWND wnd = Child(parent, TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_AUTOTICKS, RECT{10, 10, 210, 50}, 7);
  SendMessageW(wnd, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
  const WNDPROC parentProc = skin::CurrentWindowProc(parent), trackProc = skin::CurrentWindowProc(wnd);
  {
    skin::TSkinTrackBar companion(nullptr);
    ASSERT_TRUE(companion.AttachWindow(wnd, data_.get(), nullptr));
    RepaintNow(wnd);
    const RECT thumb = ThumbOf(wnd);
    EXPECT_EQ(TShot(wnd).Count(kThumb, thumb), RectWidth(thumb) * RectHeight(thumb));
    companion.Detach();
    EXPECT_EQ(skin::CurrentWindowProc(parent), parentProc);
    EXPECT_EQ(skin::CurrentWindowProc(wnd), trackProc);
    RepaintNow(wnd);
    EXPECT_EQ(TShot(wnd).Count(kThumb), 0);  // the system's thumb again
  }
}

TEST_F(TrackBarTest, CustomDrawAnswers) {
  ui::TTrackBar* track = NewTrack(ui::trHorizontal);
  skin::TSkinTrackBar companion(nullptr);
  ASSERT_TRUE(companion.Attach(track, data_.get(), false, nullptr));
  NMCUSTOMDRAW draw{};
  draw.hdr = {track->Handle(), 0, UINT(NM_CUSTOMDRAW)};
  draw.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(companion.TrackBarCustomDraw(draw), CDRF_NOTIFYITEMDRAW);
  draw.dwDrawStage = CDDS_ITEMPREPAINT;
  draw.dwItemSpec = TBCD_CHANNEL;
  EXPECT_EQ(companion.TrackBarCustomDraw(draw), CDRF_DODEFAULT);
  draw.dwItemSpec = TBCD_TICS;
  EXPECT_EQ(companion.TrackBarCustomDraw(draw), CDRF_DODEFAULT);
  draw.dwItemSpec = TBCD_THUMB;
  draw.hdc = nullptr;  // nothing to draw on: the control draws its own thumb
  EXPECT_EQ(companion.TrackBarCustomDraw(draw), CDRF_DODEFAULT);
  const ui::WindowDC dc(track->Handle());
  draw.hdc = dc.Get();
  EXPECT_EQ(companion.TrackBarCustomDraw(draw), CDRF_SKIPDEFAULT);
  // A thumb outside the control (the control shrunk to nothing) is left alone.
  track->SetBounds(10, 10, 0, 0);
  EXPECT_EQ(companion.TrackBarCustomDraw(draw), CDRF_DODEFAULT);

  // Notifications of other controls, and other codes, pass on.
  ui::TMessage other{ui::CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&draw), 77};
  draw.hdr.code = UINT(NM_CLICK);
  EXPECT_TRUE(companion.BeforeDefault(other));
}

}  // namespace
