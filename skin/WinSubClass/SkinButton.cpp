#include "skin/WinSubClass/SkinButton.h"

#include "skin/WinSkinData/SkinData.h"
#include "skin/draw/SkinDraw.h"
#include "ui/GdiHandles.h"

namespace skin {

bool TSkinButton::BeforeDefault(ui::TMessage& message) {
  if (PaintInstead(message)) return false;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // the second click of a double click is a press too
      MousePressed();
      message.Result = 0;
      return false;
    default:
      return true;
  }
}

void TSkinButton::AfterDefault(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) break;  // other keys change nothing
      // The button's own handler has pressed or clicked it.
      if (message.Msg == WM_KEYDOWN) MouseState |= msDown;
      else MouseState &= ~unsigned(msDown);
      Repaint();
      break;
    case WM_MOUSEMOVE:
      if (!(MouseState & msHot)) BecomeHot();
      break;
    case WM_LBUTTONUP:
      MouseReleased();
      break;
    case ui::CM_MOUSEENTER:
      if (Enabled) BecomeHot();
      break;
    case ui::CM_MOUSELEAVE:
      // Also when disabled: a button disabled while hot must not stay framed hot.
      MouseState &= ~unsigned(msHot | msDown);
      mousePressed_ = false;
      Repaint();
      LeaveHot();
      break;
    default:
      TSkinControl::AfterDefault(message);
      break;
  }
}

void TSkinButton::MousePressed() {
  if (GetFocus() != Handle) SetFocus(Handle);
  MouseState |= msDown;
  mousePressed_ = true;
  Redraw();
}

// The click is posted, so it is handled after this message, as the
// button's own click would be.
void TSkinButton::MouseReleased() {
  const bool click = mousePressed_;
  mousePressed_ = false;
  MouseState &= ~unsigned(msDown);
  Repaint();
  if (!click || !Handle) return;  // a press that began elsewhere is no click
  const int id = Control ? 0 : GetDlgCtrlID(Handle);
  PostMessageW(GetParent(Handle), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Handle));
}

// --- Painting ------------------------------------------------------------------

void TSkinButton::ReadWindowState() {
  Focused = GetFocus() == Handle;
  Enabled = (GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED) == 0;
  Caption = GetWindowTextString(Handle);
  if (Caption.empty() && Control) Caption = Control->Caption();
}

int TSkinButton::StateFrame(bool focused, bool enabled) const {
  int frame = bfNormal;
  if (focused) frame = bfHot;
  if (MouseState & msDown) frame = bfPressed;
  else if (MouseState & msHot) frame = bfHot;
  if (!enabled) frame = bfDisabled;
  return frame;
}

COLORREF TSkinButton::StateTextColour(int frame) const {
  const TDataSkinButton& buttons = *SkinData->Buttons;
  switch (frame) {
    case bfNormal: return Rgb(buttons.NormalColour2);
    case bfPressed: return Rgb(buttons.PressedColour2);
    case bfHot: return Rgb(buttons.MouseOverColour2);
    default: return Rgb(SkinData->ButtonTextColour);
  }
}

TDataSkinObject* TSkinButton::ButtonImage() const {
  if (!SkinData || !SkinData->Buttons || SkinData->Buttons->Bitmap.Empty()) return nullptr;
  return SkinData->Buttons.get();
}

bool TSkinButton::PaintFace(const RECT& r, int frame, int frameCount) {
  TDataSkinObject* image = ButtonImage();
  if (!image) return false;
  FaceBitmap.SetSize(RectWidth(r), RectHeight(r));
  if (FaceBitmap.Empty()) return false;
  HDC face = FaceBitmap.Canvas().Handle();
  FillFace(face, r);
  DrawSkinFrame(face, r, frameCount, frame, image);
  return true;
}

void TSkinButton::PaintSkin(HDC dc, const RECT& rect) {
  if (!ButtonImage()) return;  // without the image the button stays blank
  ReadWindowState();
  const int frame = StateFrame(Focused, Enabled);
  const RECT r = AtOrigin(rect);
  if (!PaintFace(r, frame, 5)) return;
  HDC face = FaceBitmap.Canvas().Handle();
  {
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(Handle, WM_GETFONT, 0, 0));
    ui::SelectGuard select(face, font ? font : GetStockObject(SYSTEM_FONT));
    SetTextColor(face, StateTextColour(frame));
    DrawControlText(face, r, DT_CENTER, Enabled, Caption);
  }
  BitBlt(dc, rect.left, rect.top, RectWidth(r), RectHeight(r), face, 0, 0, SRCCOPY);
}

}  // namespace skin
