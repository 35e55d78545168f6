// TWinSkinForm: a new DPI (the window moved to a screen of another scale, or
// the scale was changed). The same window is drawn from the skin at the new
// DPI: no window is created again.
#include <algorithm>
#include <vector>

#include "skin/WinSkinData/SkinAtDpi.h"
#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSkinForm/WinSkinMenu.h"
#include "skin/WinSkinForm/WindowDpi.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/manager/SkinManage.h"

namespace skin {

namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// The companions of an MDI frame's children.
std::vector<TWinSkinForm*> MdiChildren(HWND client) {
  std::vector<TWinSkinForm*> children;
  const TSkinManage* manager = SkinManage();
  if (!manager || !client) return children;
  for (HWND child = GetTopWindow(client); child; child = GetWindow(child, GW_HWNDNEXT))
    if (TWinSkinForm* form = manager->FindForm(child)) children.push_back(form);
  return children;
}

}  // namespace

void TWinSkinForm::SetDpi(int dpi) {
  if (dpi <= 0 || dpi == Dpi) return;
  Dpi = dpi;
  ScreenMetrics.Forget();
  CreateCaptionFont();
  if (SkinMenu) {
    SkinMenu->DpiChanged();
    MenuBarHeight = SystemMetricForDpi(SM_CYMENU, Dpi);
  }
  BuildIconBitmap();
  ComputeFrameMetrics();
  for (TSkinControl* control : std::vector<TSkinControl*>(Controls)) {
    control->SkinData = Skin();
    control->Reskin();
  }
  for (TWinSkinForm* child : MdiChildren(MdiClient)) {
    child->SetDpi(dpi);
    child->RedrawAtDpi();
  }
}

void TWinSkinForm::RedrawAtDpi() {
  if (controlsOnly_ || !WndProcStub.Attached()) return;
  SkinState = ssReskinning;
  if (WindowState == wsMaximized) PlaceMaximized();
  else ForceFrameChange();
  SkinState = ssRunning;
  UpdateRegion();
  RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TWinSkinForm::HandleDpiChanged(ui::TMessage& message) {
  const int dpi = LOWORD(message.WParam);
  const auto* suggested = reinterpret_cast<const RECT*>(message.LParam);
  const bool changed = dpi > 0 && dpi != Dpi;
  ScreenMetrics.Forget();  // another screen: its metrics and areas are asked again
  SetDpi(dpi);
  // A framework form scales its controls here (and may take the rectangle
  // itself); the system's own procedure does nothing with the message.
  CallOld(message);
  RECT now{};
  GetWindowRect(Handle, &now);
  if (suggested && WindowState == wsNormal && !EqualRect(&now, suggested))
    SetWindowPos(Handle, nullptr, suggested->left, suggested->top, Width(*suggested), Height(*suggested),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  if (changed) RedrawAtDpi();
  message.Result = 0;
}

void TWinSkinForm::HandleGetDpiScaledSize(ui::TMessage& message) {
  auto* size = reinterpret_cast<SIZE*>(message.LParam);
  const int dpi = int(message.WParam);
  if (!size || dpi <= 0 || !SkinData || BorderKind == bkNone) {
    CallOld(message);
    return;
  }
  RECT client{};
  GetClientRect(Handle, &client);
  const SIZE now{client.right, client.bottom};
  if (now.cx != dpiClient_.Scaled.cx || now.cy != dpiClient_.Scaled.cy)
    dpiClient_.Base = SIZE{MulDiv(now.cx, kBaseDpi, Dpi), MulDiv(now.cy, kBaseDpi, Dpi)};
  dpiClient_.Scaled = SIZE{ScaleLength(dpiClient_.Base.cx, dpi), ScaleLength(dpiClient_.Base.cy, dpi)};
  const RECT borders = FrameBordersAt(dpi);
  const int menu = SkinMenu ? SystemMetricForDpi(SM_CYMENU, dpi) : 0;
  size->cx = dpiClient_.Scaled.cx + borders.left + borders.right;
  size->cy = dpiClient_.Scaled.cy + borders.top + borders.bottom + menu;
  message.Result = TRUE;
}

void TWinSkinForm::HandleDpiChangedAfterParent() {
  // Under the system's scaling a child has its top-level window's DPI.
  const TSkinManage* manager = SkinManage();
  const TWinSkinForm* top = manager ? manager->FindForm(GetAncestor(Handle, GA_ROOT)) : nullptr;
  const int dpi = top ? top->Dpi : WindowDpi(Handle);
  if (dpi == Dpi) return;
  SetDpi(dpi);
  RedrawAtDpi();
}

}  // namespace skin
