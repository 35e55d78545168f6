// TWinSkinForm: the caption text on the title bar, with its background strip.
#include <algorithm>
#include <string>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/Frames.h"
#include "skin/draw/Tiling.h"

namespace skin {

namespace {

constexpr int kAlignLeft = 0;
constexpr int kAlignCentre = 1;
constexpr int kAlignRight = 2;

// No title bar is wider than this; a skin value beyond it is a broken one,
// cut down so the arithmetic below cannot overflow.
constexpr int kSkinValueLimit = 10000;

int SkinValue(int value) { return std::clamp(value, -kSkinValueLimit, kSkinValueLimit); }

// The caption's measures from the skin's title settings.
struct TCaptionLayout {
  int Shift;       // horizontal text shift (left alignment)
  int ShiftVert;   // vertical text shift, halved when applied
  int RightClip;   // distance of the clip line from the title bar's right end
  int Alignment;
  int BackLeft;    // the background strip's ends around the text
  int BackRight;

  explicit TCaptionLayout(const TDataSkinTitle& title)
      : Shift(SkinValue(title.LeftWidth)),
        ShiftVert(SkinValue(title.TopHeight)),
        RightClip(SkinValue(title.RightWidth)),
        Alignment(title.TextAlignment),
        BackLeft(SkinValue(title.TXTBackleft)),
        BackRight(SkinValue(title.TXTBackRight)) {}

  // Where the text with its background strip goes in the title area `r`,
  // for text measured as textWidth x textHeight.
  RECT Place(const RECT& r, int textWidth, int textHeight) const {
    const int width = textWidth + BackLeft + BackRight;
    RECT t{r.left, r.top, r.left + width, r.top + textHeight};
    const int dx = HorizontalShift(RectWidth(r), width);
    const int dy = (RectHeight(r) - textHeight) / 2 + ShiftVert / 2;
    OffsetRect(&t, dx, dy);
    t.right = std::min<LONG>(t.right, r.right - RightClip);
    return t;
  }

  int HorizontalShift(int areaWidth, int width) const {
    switch (Alignment) {
      case kAlignLeft: return Shift;
      case kAlignCentre: return (areaWidth - width) / 2;
      case kAlignRight: return areaWidth - width + RightClip;
      default: return 0;
    }
  }
};

// Captions are one line and show "&" as it is, like the system's own.
constexpr UINT kTextFormat = DT_SINGLELINE | DT_NOPREFIX;

SIZE MeasureText(HDC dc, const std::wstring& text) {
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), int(text.size()), &r, kTextFormat | DT_CALCRECT | DT_NOCLIP);
  return SIZE{SkinValue(r.right - r.left), SkinValue(r.bottom - r.top)};
}

}  // namespace

void TWinSkinForm::DrawCaptionText(ui::TCanvas& canvas, const RECT& rect, const std::wstring& text) {
  const TSkinSet* skin = Skin();
  if (!skin || !skin->Title) return;
  TDataSkinTitle& title = *skin->Title;
  const TCaptionLayout layout(title);

  HDC dc = canvas.Handle();
  const ui::SavedDC saved(dc);  // background mode, font and colour come back, also on an exception
  SetBkMode(dc, TRANSPARENT);
  if (CaptionFont) SelectObject(dc, CaptionFont.Get());
  SetTextColor(dc, ui::ColorToRGB(Active ? skin->TitleTextActiveColour : skin->TitleTextInactiveColour));

  const SIZE measured = MeasureText(dc, text);
  RECT t = layout.Place(rect, measured.cx, measured.cy);
  CaptionRect = t;
  if (!title.Bitmap.Empty()) {
    // The strip always fills the whole title-bar height.
    DrawTiledStrip(canvas, {t.left, rect.top, t.right, rect.bottom}, title.Bitmap,
                   {layout.BackLeft, 0, layout.BackRight, 0}, true, true, 2, Active ? 1 : 2);
  }
  t.left += layout.BackLeft;
  t.right -= layout.BackRight;
  if (t.right > t.left)
    DrawTextW(dc, text.c_str(), int(text.size()), &t, kTextFormat | DT_END_ELLIPSIS);
}

}  // namespace skin
