#include "skin/WinSubClass/SkinCheckBox.h"

#include <algorithm>

#include "skin/WinSkinData/SkinData.h"
#include "skin/draw/SkinDraw.h"
#include "ui/StdCtrls.h"

namespace skin {

namespace {

bool Disabled(HWND wnd) { return (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_DISABLED) != 0; }

// The messages after which the mark may have changed.
bool ChangesMark(UINT msg) {
  return msg == BM_SETCHECK || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_LBUTTONDBLCLK;
}

// Frame `frame` of `strip` (`frameCount` side by side) over the system's mark.
void PaintMark(const TSkinControl& control, HDC dc, const RECT& rect, ui::TBitmap& strip, int frameCount, int frame) {
  const TFrame source = SelectFrame(strip, false, frameCount, frame);
  if (source.Empty()) return;
  const bool leftText = (GetWindowLongPtrW(control.Handle, GWL_STYLE) & BS_LEFTTEXT) != 0;
  const RECT mark = MarkRect(rect, SIZE{source.FW, source.FH}, control.SkinData->Measures.MarkCell, leftText);
  control.FillFace(dc, mark);
  ui::TBitmap image;
  image.SetSize(source.FW, source.FH);
  BitBlt(image.Canvas().Handle(), 0, 0, source.FW, source.FH, strip.Canvas().Handle(), source.SX, source.SY, SRCCOPY);
  DrawTransparent(dc, mark, image, kKeyColour);
}

}  // namespace

RECT MarkRect(const RECT& rect, SIZE markSize, int cell, bool leftText) {
  const int fw = markSize.cx, h = markSize.cy;
  const int slot = (cell - fw) / 2;
  RECT mark{};
  mark.top = rect.top + (RectHeight(rect) - h) / 2;
  mark.bottom = mark.top + h;
  if (leftText) {
    mark.right = fw <= cell ? rect.right - slot : rect.right - 1;
    mark.left = mark.right - fw;
  } else {
    mark.left = fw <= cell ? rect.left + slot : rect.left;
    mark.right = mark.left + fw;
  }
  return mark;
}

// --- Check box -----------------------------------------------------------------

void TSkinCheckBox::AfterDefault(ui::TMessage& message) {
  if (ChangesMark(message.Msg)) Repaint();
  else TSkinControl::AfterDefault(message);
}

int TSkinCheckBox::MarkFrame() const {
  const auto state = SendMessageW(Handle, BM_GETSTATE, 0, 0);
  int frame = (state & BST_CHECKED) ? 2 : (state & BST_INDETERMINATE) ? 4 : 1;
  if (auto* box = dynamic_cast<ui::TCheckBox*>(Control); box && box->Checked()) frame = 2;
  if (Disabled(Handle)) frame = 3;
  return frame;
}

void TSkinCheckBox::PaintSkin(HDC dc, const RECT& rect) {
  TDataSkinButton* buttons = SkinData ? SkinData->Buttons.get() : nullptr;
  if (!buttons || buttons->CheckBitmap.Empty()) return;
  PaintMark(*this, dc, rect, buttons->CheckBitmap, buttons->CheckFrames, MarkFrame());
}

// --- Radio button --------------------------------------------------------------

void TSkinRadioButton::AfterDefault(ui::TMessage& message) {
  if (ChangesMark(message.Msg)) Repaint();
  else TSkinControl::AfterDefault(message);
}

int TSkinRadioButton::MarkFrame() const {
  const bool checked = (SendMessageW(Handle, BM_GETCHECK, 0, 0) & 1) != 0;
  return 1 + (Disabled(Handle) ? 2 : 0) + (checked ? 1 : 0);
}

void TSkinRadioButton::PaintSkin(HDC dc, const RECT& rect) {
  TDataSkinButton* buttons = SkinData ? SkinData->Buttons.get() : nullptr;
  if (!buttons || buttons->RadioBitmap.Empty()) return;
  PaintMark(*this, dc, rect, buttons->RadioBitmap, buttons->RadioFrames, MarkFrame());
}

}  // namespace skin
