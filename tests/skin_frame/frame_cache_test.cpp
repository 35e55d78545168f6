// The composed frame images kept between paints: a repaint from them shows
// exactly what a composition from the skin shows, for every size, activation
// look and skin; nothing stale after a size or skin change.
#include "FrameTestSupport.h"

namespace {

using namespace frame_test;

// The window's pixels, then the same frame composed from the skin again.
struct TKeptAndFresh {
  TPixels Kept;
  TPixels Fresh;
  int ComposedForKept = 0;
};

class FrameCacheTest : public FrameTest {
 protected:
  TKeptAndFresh PaintBothWays() {
    Repaint();  // composes what the last paint did not have
    const int before = form_->FrameParts.Composed();
    Repaint();
    TKeptAndFresh result;
    result.Kept = WindowPixels(window_->Get());
    result.ComposedForKept = form_->FrameParts.Composed() - before;
    form_->DropFrameCache();
    Repaint();
    result.Fresh = WindowPixels(window_->Get());
    return result;
  }

  std::unique_ptr<skin::TSkinData> other_;  // outlives the companion that is switched to it
};

TEST_F(FrameCacheTest, KeptFrameIsTheFreshCompositionForEverySizeLookAndSkin) {
  const HWND wnd = Skin();
  const int w = Width(), h = Height();
  struct TCase {
    const char* Name;
    std::function<void()> Change;
  };
  const TCase cases[] = {
      {"as started", [] {}},
      {"grown", [&] { Resize(w + 57, h + 31); }},
      {"back to the first size", [&] { Resize(w, h); }},
      {"inactive", [&] { SendMessageW(wnd, WM_NCACTIVATE, FALSE, 0); }},
      {"active again", [&] { SendMessageW(wnd, WM_NCACTIVATE, TRUE, 0); }},
      {"new caption", [&] { SetWindowTextW(wnd, L"Another caption"); }},
      {"another skin",
       [&] {
         other_ = std::make_unique<skin::TSkinData>(nullptr);
         const TFrameSkin frameSkin{.Top = 24, .Bottom = 6, .TopStretch = 0, .TextBack = false};
         skin_test::LoadDefinition(*other_, frameSkin.Definition(), frameSkin.Files());
         form_->SkinData = other_.get();
         form_->ComputeFrameMetrics();  // as the manager re-applies a changed skin
         form_->Reskin();
         Pump();
       }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Change();
    const TKeptAndFresh frame = PaintBothWays();
    EXPECT_EQ(frame.ComposedForKept, 0);  // the second paint composed nothing
    ASSERT_EQ(frame.Kept.Width, frame.Fresh.Width);
    ASSERT_EQ(frame.Kept.Height, frame.Fresh.Height);
    EXPECT_TRUE(frame.Kept.Data == frame.Fresh.Data);
  }
  // The last skin is the one shown: its top border is 24 rows high.
  EXPECT_EQ(form_->BorderTop, 24);
  EXPECT_EQ(WindowPixels(wnd).At(kLeft + 2, 1), RGBColor(2, form_->Active ? 1 : 25, 3));
}

}  // namespace
