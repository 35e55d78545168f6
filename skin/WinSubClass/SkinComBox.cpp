#include "skin/WinSubClass/SkinComBox.h"

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSubClass/BorderBlit.h"
#include "skin/draw/SkinDraw.h"
#include "ui/GdiHandles.h"

namespace skin {

namespace {

bool HasImage(const std::unique_ptr<TDataSkinObject>& object) { return object && !object->Bitmap.Empty(); }

// A combo box of the CBS_SIMPLE kind: its list is always shown and it has no
// button. (Other controls this companion takes use these style bits for
// other things.)
bool IsSimpleCombo(HWND wnd) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  return (GetWindowLongPtrW(wnd, GWL_STYLE) & 3) == CBS_SIMPLE && GetComboBoxInfo(wnd, &info);
}

}  // namespace

// --- Messages ------------------------------------------------------------------

void TSkinComBox::SetMouseState(unsigned flag, bool on) {
  const unsigned before = MouseState;
  if (on) MouseState |= flag;
  else MouseState &= ~flag;
  if (MouseState != before) Redraw();
}

void TSkinComBox::AfterDefault(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseState |= msDown;
      Redraw();
      break;
    case WM_LBUTTONUP:
      MouseState &= ~unsigned(msDown);
      Redraw();
      break;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      // The release may never come here: the drop-down list takes the mouse
      // over, or another window takes the capture.
      SetMouseState(msDown, false);
      break;
    case ui::CM_MOUSEENTER:
      if (Enabled) SetMouseState(msHot, true);
      break;
    case ui::CM_MOUSELEAVE:
      // Also when disabled meanwhile: a hot look must not outlive the mouse.
      SetMouseState(msHot, false);
      break;
    default:
      TSkinControl::AfterDefault(message);
      break;
  }
}

// --- Painting ------------------------------------------------------------------

int TSkinComBox::StateFrame() const {
  if (MouseState & msDown) return cfPressed;
  if (Focused || (MouseState & msHot)) return cfHot;
  if (!Enabled) return cfDisabled;
  return cfNormal;
}

void TSkinComBox::PaintSkin(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle || !HasImage(SkinData->ComboButton) || !HasImage(SkinData->SunkEdge)) return;
  if (IsSimpleCombo(Handle)) return;
  const int buttonWidth = SystemMetric(SM_CXHSCROLL);
  const HWND focus = GetFocus();
  // A drop-down combo box has the focus in its edit.
  Focused = focus && (focus == Handle || IsChild(Handle, focus));
  Enabled = (GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED) == 0;
  const int frame = StateFrame();

  const RECT r = AtOrigin(rect);
  TBorderCanvas border(r);
  if (!border.Ok()) return;
  HDC borderDC = border.Handle();
  RECT ring = r;
  InflateRect(&ring, -1, -1);
  FrameRect(borderDC, &ring, RingBrush(dc));
  border.DrawnRing(ring, 1);

  const RECT button{r.right - buttonWidth - 2, r.top, r.right, r.bottom};
  DrawButton(borderDC, r, button, frame);
  border.Drawn(button);
  DrawSunkEdges(borderDC, r, button);
  border.DrawnRing(r, 1);  // the right side is the button's
  border.PutOn(dc, rect.left, rect.top);
}

void TSkinComBox::DrawButton(HDC dc, const RECT& rect, const RECT& button, int frame) const {
  FillFace(dc, button);
  DrawImageFrame(dc, button, SkinData->ComboButton->Bitmap, true, 4, frame);
  const TDataSkinObject* glyphs = SkinData->ExtraImages.get();
  if (!glyphs || glyphs->Bitmap.Empty()) return;
  const int glyphWidth = glyphs->Bitmap.Width() / glyphs->SafeFrameCount();
  const int glyphHeight = glyphs->Bitmap.Height();
  if (glyphWidth <= 0) return;
  RECT glyph{};
  glyph.left = button.left + (RectWidth(button) - glyphWidth) / 2;
  glyph.top = rect.top + (RectHeight(rect) - glyphHeight) / 2;
  glyph.right = glyph.left + glyphWidth;
  glyph.bottom = glyph.top + glyphHeight;
  DrawImageFrame(dc, glyph, SkinData->ExtraImages->Bitmap, true, glyphs->SafeFrameCount(), frame);
}

// The left, top and bottom edges and their corners, one pixel thick (two
// where the image's margin is wider), from frame 1 of SunkEdge.
void TSkinComBox::DrawSunkEdges(HDC dc, const RECT& rect, const RECT& button) const {
  ui::TBitmap& image = SkinData->SunkEdge->Bitmap;
  const TDataSkinObject& edge = *SkinData->SunkEdge;
  const TFrame f = SelectFrame(image, false, 4, 1);
  if (f.Empty()) return;
  const RECT m = FitMarginsToFrame(RECT{edge.LeftWidth, edge.TopHeight, edge.RightWidth, edge.BottomHeight}, f);
  const LONG L = m.left, T = m.top, R = m.right, B = m.bottom, FW = f.FW, H = f.FH;
  const LONG left = L > 1 ? 2 : 1, top = T > 1 ? 2 : 1, bottom = B > 1 ? 2 : 1;
  HDC from = image.Canvas().Handle();
  UseColorOnColor(dc);
  StretchCopy(dc, RECT{rect.left, rect.top, rect.left + left, rect.bottom}, from, RECT{0, T, L, H - B});
  StretchCopy(dc, RECT{rect.left, rect.top, button.left, rect.top + top}, from, RECT{L, 0, FW - R, T});
  StretchCopy(dc, RECT{rect.left, rect.top, rect.left + top, rect.top + top}, from, RECT{0, 0, L, T});
  StretchCopy(dc, RECT{rect.left, rect.bottom - bottom, button.left, rect.bottom}, from, RECT{L, H - B, FW - R, H});
  StretchCopy(dc, RECT{rect.left, rect.bottom - bottom, rect.left + bottom, rect.bottom}, from, RECT{0, H - B, L, H});
}

}  // namespace skin
