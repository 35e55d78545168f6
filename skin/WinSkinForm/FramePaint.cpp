// TWinSkinForm: frame layout, painting and the window region.
//
// Placeholder bodies: the client placement is in (attach, detach and the
// start-up sizing rely on it); painting and the shaped region come with the
// frame painting work.
#include "skin/WinSkinForm/WinSkinForm.h"

namespace skin {

void TWinSkinForm::CalcFrameClient(ui::TMessage& message) {
  CallOld(message);
  if ((message.WParam & 0xFF) == 0) {
    message.Result = 0;
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
  if (IsMdiChildNotNormal() || BorderKind == bkNone) {
    params->rgrc[1] = params->rgrc[0];
    message.Result = WVR_VALIDRECTS;
    return;
  }
  const WINDOWPOS& pos = *params->lppos;
  params->rgrc[0] = RECT{pos.x + BorderLeft, pos.y + BorderTop + MenuBarHeight, pos.x + pos.cx - BorderRight,
                         pos.y + pos.cy - BorderBottom};
  params->rgrc[1] = params->rgrc[0];
  message.Result = WVR_VALIDRECTS;
}

void TWinSkinForm::HandleNcPaint(ui::TMessage& message) { CallOld(message); }

void TWinSkinForm::PaintFrame(HDC /*dc*/) { HotObject = nullptr; }

void TWinSkinForm::PaintTitleBar(HDC /*dc*/) {}

void TWinSkinForm::DrawCaptionText(ui::TCanvas& /*canvas*/, const RECT& rect) { CaptionRect = rect; }

void TWinSkinForm::DrawBorder(int /*index*/, const RECT& /*rect*/, HDC /*dc*/) {}

void TWinSkinForm::UpdateRegion() {}

void TWinSkinForm::RemoveRegion() {
  if (!HasRegion) return;
  FrameBitmap.Clear();
  SetWindowRgn(Handle, nullptr, FALSE);
  HasRegion = false;
  Region = nullptr;
}

}  // namespace skin
