#include "skin/WinSubClass/SkinUpDown.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>
#include <initializer_list>

#include "skin/WinSkinData/SkinData.h"
#include "skin/draw/SkinDraw.h"
#include "ui/GdiHandles.h"

namespace skin {

namespace {

// One pen stroke: a MoveTo to the first point, a LineTo to each further one
// (the end point of a LineTo is not drawn). Offsets from the arrow's centre.
using TStroke = std::initializer_list<POINT>;

const std::array<std::initializer_list<TStroke>, 4>& ArrowStrokes() {
  static const std::array<std::initializer_list<TStroke>, 4> strokes{{
      // up
      {{{0, 0}, {0, -1}},
       {{1, 1}, {4, 4}},
       {{0, 1}, {3, 4}},
       {{0, 2}, {2, 4}},
       {{-1, 1}, {-4, 4}},
       {{0, 2}, {-3, 4}},
       {{0, 1}, {-2, 4}}},
      // down
      {{{0, 3}, {0, 4}},
       {{1, 2}, {4, -1}},
       {{0, 2}, {3, -1}},
       {{0, 1}, {2, 0}},
       {{-1, 2}, {-4, -1}},
       {{0, 2}, {-3, -1}},
       {{0, 1}, {-2, 0}}},
      // left
      {{{0, 0}, {1, 2}, {1, -2}, {-1, 0}, {1, 2}}},
      // right
      {{{0, 0}, {-1, 2}, {-1, -2}, {1, 0}, {-1, 2}}},
  }};
  return strokes;
}

bool ValidDirection(int direction) { return direction >= udUp && direction <= udRight; }

}  // namespace

int UpDownFrame(int direction, int state) {
  const int index = direction * 4 + state;
  return direction >= udLeft ? index - 8 : index;
}

// --- Messages ------------------------------------------------------------------

bool TSkinUpDown::BeforeDefault(ui::TMessage& message) {
  if (PaintInstead(message)) return false;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Pressed(message);
      return false;
    case WM_LBUTTONUP:
      MouseState &= ~unsigned(msDown);
      CallDefault(message);
      Redraw();
      return false;
    default:
      return true;
  }
}

void TSkinUpDown::AfterDefault(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      // The control lost the mouse before the release reached it (another
      // window took the capture): the press is over all the same.
      Released();
      break;
    default:
      TSkinControl::AfterDefault(message);
      break;
  }
}

void TSkinUpDown::Pressed(ui::TMessage& message) {
  CallDefault(message);  // the control steps and starts its own auto-repeat
  // A press the control did not take the mouse for (off its arrows) gets
  // no release here either: it shows no pressed look.
  if (!Handle || GetCapture() != Handle) return;
  pressedSecond_ = InSecondHalf(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
  MouseState |= msDown;
  Redraw();
}

void TSkinUpDown::Released() {
  if (!(MouseState & msDown)) return;
  MouseState &= ~unsigned(msDown);
  Redraw();
}

// --- Painting ------------------------------------------------------------------

int TSkinUpDown::ButtonState(bool cursorInOther, bool pressedHere) const {
  if (!Enabled) return usDisabled;
  if (cursorInOther) return usNormal;
  // Only the button the press began on looks pressed: dragged onto the
  // other one, the press does not follow.
  if (MouseState & msDown) return pressedHere ? usPressed : usNormal;
  if (MouseState & msHot) return usHot;
  return usNormal;
}

TDataSkinBorder* TSkinUpDown::SkinImage(bool horizontal) const {
  TDataSkinBorder* image = horizontal ? SkinData->UpDownHorz.get() : SkinData->UpDownVert.get();
  if (!image || image->Bitmap2.Empty()) return nullptr;
  return image;
}

RECT TSkinUpDown::Area() const {
  RECT c{};
  GetClientRect(Handle, &c);
  if (InEdit) InflateRect(&c, -1, -1);
  return c;
}

bool TSkinUpDown::InSecondHalf(POINT p) const {
  const RECT c = Area();
  if (GetWindowLongPtrW(Handle, GWL_STYLE) & UDS_HORZ) return p.x >= c.left + (c.right - c.left) / 2;
  return p.y >= c.top + (c.bottom - c.top) / 2;
}

void TSkinUpDown::PaintSkin(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle) return;
  RECT client{};
  GetClientRect(Handle, &client);
  if (IsEmptyArea(client)) return;
  ui::TBitmap face;
  face.SetSize(client.right, client.bottom);
  HDC faceDC = face.Canvas().Handle();
  FillFace(faceDC, client);
  const RECT c = Area();

  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(Handle, &p);
  const LONG_PTR style = GetWindowLongPtrW(Handle, GWL_STYLE);
  Enabled = (style & WS_DISABLED) == 0;
  const bool horizontal = (style & UDS_HORZ) != 0;

  RECT first = c, second = c;
  if (horizontal) first.right = second.left = c.left + (c.right - c.left) / 2;
  else first.bottom = second.top = c.top + (c.bottom - c.top) / 2;
  const int firstDirection = horizontal ? udLeft : udUp;
  const int secondDirection = horizontal ? udRight : udDown;
  const bool cursorInSecond = InSecondHalf(p);
  const int firstState = ButtonState(cursorInSecond, !pressedSecond_);
  const int secondState = ButtonState(!cursorInSecond, pressedSecond_);

  if (TDataSkinBorder* image = SkinImage(horizontal)) {
    DrawUpDownButton(faceDC, *image, first, firstDirection, firstState);
    DrawUpDownButton(faceDC, *image, second, secondDirection, secondState);
  } else {
    DrawPlainUpDownButton(faceDC, first, firstDirection, firstState);
    DrawPlainUpDownButton(faceDC, second, secondDirection, secondState);
  }
  BitBlt(dc, rect.left, rect.top, c.right, c.bottom, faceDC, 0, 0, SRCCOPY);
}

void TSkinUpDown::DrawUpDownButton(HDC dc, TDataSkinBorder& image, const RECT& button, int direction,
                                   int state) const {
  if (IsEmptyArea(button)) return;
  const int frame = UpDownFrame(direction, state);
  DrawImageFrame(dc, button, image.Bitmap, true, 8, frame);
  if (image.Bitmap2.Empty()) return;
  const int glyphWidth = image.Bitmap2.Width() / 8;
  const int glyphHeight = image.Bitmap2.Height();
  if (glyphWidth <= 0) return;  // a glyph strip narrower than its eight frames has no glyph
  RECT glyph{};
  glyph.left = button.left + (RectWidth(button) - glyphWidth) / 2;
  glyph.top = button.top + (RectHeight(button) - glyphHeight) / 2;
  glyph.right = glyph.left + glyphWidth;
  glyph.bottom = glyph.top + glyphHeight;
  DrawImageFrame(dc, glyph, image.Bitmap2, true, 8, frame);
}

void TSkinUpDown::DrawPlainUpDownButton(HDC dc, const RECT& button, int direction, int state) const {
  if (IsEmptyArea(button) || !ValidDirection(direction)) return;
  const bool raised = state == usNormal || state == usDisabled;
  ui::BrushHandle brush(CreateSolidBrush(Rgb(raised ? SkinData->ButtonFaceColour : SkinData->ButtonShadowColour)));
  ui::PenHandle pen(CreatePen(PS_SOLID, 1, Rgb(SkinData->ButtonDkShadowColour)));
  ui::SelectGuard selectBrush(dc, brush.Get());
  ui::SelectGuard selectPen(dc, pen.Get());
  Rectangle(dc, button.left, button.top, button.right, button.bottom);

  const int x = button.left + RectWidth(button) / 2;
  int y = button.top + RectHeight(button) / 2;
  if (direction == udUp || direction == udDown) y -= 2;
  for (const TStroke& stroke : ArrowStrokes()[std::size_t(direction)]) {
    bool first = true;
    for (const POINT& point : stroke) {
      if (first) MoveToEx(dc, x + point.x, y + point.y, nullptr);
      else LineTo(dc, x + point.x, y + point.y);
      first = false;
    }
  }
}

}  // namespace skin
