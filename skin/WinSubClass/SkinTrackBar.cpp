#include "skin/WinSubClass/SkinTrackBar.h"

#include "skin/WinSkinData/SkinData.h"
#include "skin/draw/SkinDraw.h"

namespace skin {

namespace {

constexpr int kButtonFrames = 5;
constexpr int kThumbFrame = 4;

}  // namespace

bool TSkinTrackBar::AttachWindow(HWND wnd, TSkinSet* skinData, ui::TCanvas* canvas) {
  if (!TSkinControl::AttachWindow(wnd, skinData, canvas)) return false;
  const HWND parent = GetParent(wnd);
  if (parent) {
    parentHook_.Attach(parent, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
      ui::TMessage message{msg, wParam, lParam, 0};
      if (msg == WM_NOTIFY && HandleNotify(message)) return message.Result;
      return parentHook_.CallOld(msg, wParam, lParam);
    });
  }
  return true;
}

void TSkinTrackBar::Detach() {
  parentHook_.Detach();
  TSkinControl::Detach();
}

bool TSkinTrackBar::BeforeDefault(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    case WM_NOTIFY:
    case ui::CN_NOTIFY:
      return !HandleNotify(message);
    case ui::CN_CTLCOLORSTATIC:
      return !FaceBackground(message);
    default:
      return true;
  }
}

bool TSkinTrackBar::HandleNotify(ui::TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  if (!header || header->hwndFrom != Handle || header->code != UINT(NM_CUSTOMDRAW)) return false;
  try {
    message.Result = TrackBarCustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(message.LParam));
  } catch (...) {
    message.Result = CDRF_DODEFAULT;  // a failed draw leaves the system's thumb
  }
  return true;
}

bool TSkinTrackBar::FaceBackground(ui::TMessage& message) const {
  HBRUSH brush = SkinData ? SkinData->FaceBrush() : nullptr;
  if (!brush) return false;
  SetBkColor(reinterpret_cast<HDC>(message.WParam), Rgb(SkinData->ButtonFaceColour));
  message.Result = reinterpret_cast<LRESULT>(brush);
  return true;
}

LRESULT TSkinTrackBar::TrackBarCustomDraw(const NMCUSTOMDRAW& draw) {
  if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.dwDrawStage != CDDS_ITEMPREPAINT || draw.dwItemSpec != TBCD_THUMB) return CDRF_DODEFAULT;
  // The thumb as the control reports it, kept inside the control: an empty
  // or outside thumb is left to the control.
  RECT thumb{};
  RECT client{};
  SendMessageW(Handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  GetClientRect(Handle, &client);
  RECT inside{};
  if (!IntersectRect(&inside, &thumb, &client) || !draw.hdc) return CDRF_DODEFAULT;
  DrawThumb(draw.hdc, inside);
  return CDRF_SKIPDEFAULT;
}

void TSkinTrackBar::DrawThumb(HDC dc, const RECT& thumb) const {
  TDataSkinButton* buttons = SkinData ? SkinData->Buttons.get() : nullptr;
  if (buttons && !buttons->Bitmap.Empty()) {
    DrawImageFrame(dc, thumb, buttons->Bitmap, true, kButtonFrames, kThumbFrame);
    return;
  }
  // No button image: a plain thumb in the skin's colours.
  ui::PenHandle pen(CreatePen(PS_SOLID, 1, Rgb(SkinData ? SkinData->ButtonShadowColour : ui::clBtnShadow)));
  ui::BrushHandle brush(CreateSolidBrush(Rgb(SkinData ? SkinData->ButtonFaceColour : ui::clBtnFace)));
  ui::SelectGuard selectPen(dc, pen.Get());
  ui::SelectGuard selectBrush(dc, brush.Get());
  Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
}

}  // namespace skin
