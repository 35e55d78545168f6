// TWinSkinForm: caption buttons, the hover check, the non-client mouse and
// the button actions; TNCObject's state machine.
//
// Placeholder bodies: what is here keeps a skinned window usable (mouse
// messages go on to the system, double clicks maximise and restore); the
// caption buttons themselves come with the caption-button work.
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/manager/SkinManage.h"

namespace skin {

void TNCObject::MouseDown() {}
void TNCObject::MouseUp() {}
void TNCObject::MouseEnter() {}
void TNCObject::MouseLeave() {}
void TWinSysButton::DrawState() {}

bool TWinSkinForm::UpdateSysButtonVisible(int /*index*/) { return false; }

void TWinSkinForm::LayoutSysButtons() {}

void TWinSkinForm::PaintSysButtons(ui::TCanvas& /*canvas*/) {}

void TWinSkinForm::PaintSysButton(TWinSysButton& /*button*/, int /*state*/) {}

TWinSysButton* TWinSkinForm::SysButtonAt(POINT /*framePoint*/) { return nullptr; }

POINT TWinSkinForm::ScreenToFrame(int x, int y) {
  POINT p{x, y};
  ScreenToClient(Handle, &p);
  if (WindowState != wsMinimized) {
    p.x += BorderLeft;
    p.y += BorderTop + MenuBarHeight;
  }
  return p;
}

void TWinSkinForm::HoverCheck() {}

void TWinSkinForm::RunSysButtonAction(int /*x*/, int /*y*/) {}

void TWinSkinForm::ToggleMaximize() {
  if (WindowState == wsMaximized) {
    RestoreWindow();
    return;
  }
  WindowState = wsMaximized;
  PostMessageW(Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  HotObject = nullptr;
}

void TWinSkinForm::RestoreWindow() {
  WindowState = wsNormal;
  PostMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::ToggleMinimize() {
  if (WindowState == wsMinimized) {
    RestoreWindow();
    return;
  }
  WindowState = wsMinimized;
  PostMessageW(Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::SendToMdiChild(UINT /*command*/) {}

bool TWinSkinForm::MdiChildMaximized() {
  if (FormKind != fkMdiFrame || !MdiClient) return false;
  BOOL maximized = FALSE;
  const auto child = reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, LPARAM(&maximized)));
  return child && maximized;
}

void TWinSkinForm::ShowSystemMenu(int /*x*/, int /*y*/) {}

void TWinSkinForm::HandleNcMouseMove(ui::TMessage& message) { CallOld(message); }

void TWinSkinForm::HandleNcLButtonDown(ui::TMessage& message) { CallOld(message); }

void TWinSkinForm::HandleNcLButtonUp(ui::TMessage& message) { CallOld(message); }

void TWinSkinForm::HandleNcRButtonDown(ui::TMessage& message) { CallOld(message); }

void TWinSkinForm::HandleNcHitTest(ui::TMessage& message) {
  CallOld(message);
  if (message.Result != HTCAPTION || MenuBarHeight <= 0) return;
  const POINT p = ScreenToFrame(LOWORD(message.LParam), HIWORD(message.LParam));
  if (p.y > BorderTop) message.Result = HTMENU;
}

}  // namespace skin
