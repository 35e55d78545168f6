#include "skin/WinSubClass/SkinSpeedButton.h"

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/SkinDraw.h"
#include "ui/Buttons.h"
#include "ui/KeyboardCues.h"

namespace skin {

namespace {

// The glyph image shown with each face frame: pressed and down show image 3,
// disabled image 2.
int GlyphImageForFrame(int frame, int glyphCount) {
  static constexpr int kImage[] = {1, 3, 2, 1};
  const int index = frame >= 1 && frame <= 4 ? kImage[frame - 1] : 1;
  return glyphCount < index ? 1 : index;
}

}  // namespace

bool TSkinSpeedButton::AttachGraphic(ui::TSpeedButton* speedButton, TSkinSet* skinData, ui::TCanvas* canvas) {
  if (!speedButton || !skinData || Attached()) return false;
  SkinData = skinData;
  Canvas = canvas;
  SpeedButton = speedButton;
  HookWindowProc(speedButton);
  if (OwnerForm()) OwnerForm()->Controls.push_back(this);
  return true;
}

void TSkinSpeedButton::ControlFreed() {
  SpeedButton = nullptr;
  TSkinBitButton::ControlFreed();
}

bool TSkinSpeedButton::BeforeDefault(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (message.WParam && SpeedButton) {
        const RECT client = SpeedButton->ClientRect();
        try {
          PaintSpeedButton(reinterpret_cast<HDC>(message.WParam), client);
        } catch (...) {
          // painting errors never reach the message loop
        }
      }
      message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallDefault(message);  // the speed button tracks its own press
      MouseState |= msDown;
      Redraw();
      return false;
    default:
      return true;
  }
}

void TSkinSpeedButton::AfterDefault(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) break;
      if (message.Msg == WM_KEYDOWN) MouseState |= msDown;
      else MouseState &= ~unsigned(msDown);
      Redraw();
      break;
    case WM_LBUTTONUP:
      MouseState &= ~unsigned(msDown);
      Redraw();
      break;
    case ui::CM_MOUSEENTER:
      MouseState |= msHot;
      Redraw();
      break;
    case ui::CM_MOUSELEAVE:
      MouseState &= ~unsigned(msHot | msDown);
      Redraw();
      LeaveHot();
      break;
    default:
      TSkinBitButton::AfterDefault(message);
      break;
  }
}

void TSkinSpeedButton::Redraw() {
  if (!SpeedButton || !SpeedButton->Visible()) return;
  ui::TWinControl* parent = SpeedButton->Parent();
  if (!parent || !parent->HandleAllocated()) return;
  const RECT bounds = SpeedButton->BoundsRect();
  const POINT origin = SpeedButton->ClientOrigin();
  WindowRect = RECT{origin.x, origin.y, origin.x + RectWidth(bounds), origin.y + RectHeight(bounds)};
  ui::WindowDC dc(parent->Handle());
  if (!dc.Get()) return;
  ui::SavedDC saved(dc.Get());
  IntersectClipRect(dc.Get(), bounds.left, bounds.top, bounds.right, bounds.bottom);
  try {
    PaintSpeedButton(dc.Get(), bounds);
  } catch (...) {
    // as in WM_PAINT
  }
}

int TSkinSpeedButton::SpeedFrame() const {
  int frame = StateFrame(false, SpeedButton->Enabled());
  if (SpeedButton->Down()) frame = bfPressed;
  return frame;
}

void TSkinSpeedButton::PaintSpeedButton(HDC dc, const RECT& rect) {
  TDataSkinObject* image = ButtonImage();
  ui::TBitmap* scratch = ScratchBitmap();
  if (!image || !scratch || !SpeedButton) return;
  const int frame = SpeedFrame();
  const bool enabled = SpeedButton->Enabled();
  const RECT r = AtOrigin(rect);
  scratch->SetSize(RectWidth(r), RectHeight(r));
  if (scratch->Empty()) return;
  HDC face = scratch->Canvas().Handle();
  {
    ui::SelectGuard select(face, SpeedButton->Font().Handle());
    FillFace(face, r);
    DrawSkinFrame(face, r, image->FrameCount, frame, image);
    const std::wstring& caption = SpeedButton->Caption();
    const RECT client = SpeedButton->ClientRect();
    const SIZE text = MeasureCaption(face, caption, client);
    ui::TGlyphSettings& glyph = SpeedButton->Glyph();
    if (glyph.Glyph.Empty()) {
      SetTextColor(face, Rgb(SpeedButton->Font().Color()));
      DrawControlText(face, r, DT_CENTER, enabled, caption);
    } else {
      const ui::TGlyphTextPlacement place = ui::PlaceGlyphAndText(
          SIZE{client.right, client.bottom}, glyph.GlyphSize(), text, glyph.Layout, glyph.Margin, glyph.Spacing, 1);
      ui::DrawGlyphImage(face, place.Glyph.x, place.Glyph.y, glyph.Glyph, glyph.NumGlyphs,
                         GlyphImageForFrame(frame, glyph.NumGlyphs));
      SetTextColor(face, enabled ? StateTextColour(frame) : GetSysColor(COLOR_BTNSHADOW));
      SetBkMode(face, TRANSPARENT);
      RECT textRect = place.Text;
      const ui::TCueText shown = ui::WithCues(CueWindow(), caption, place.Format);
      DrawTextW(face, shown.Text.c_str(), int(shown.Text.size()), &textRect, shown.Format);
    }
  }
  BitBlt(dc, rect.left, rect.top, RectWidth(r), RectHeight(r), face, 0, 0, SRCCOPY);
}

}  // namespace skin
