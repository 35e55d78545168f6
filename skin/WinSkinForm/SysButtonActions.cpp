// TWinSkinForm: what the caption buttons do. State changes of the window are
// posted, so they run after the mouse message that asked for them; the
// recorded WindowState changes at once, so the next paint already shows the
// restore or maximise button that fits.
#include "skin/WinSkinData/SkinObjects.h"
#include "skin/WinSkinForm/CaptionButtonKind.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/manager/SkinManage.h"

namespace skin {

namespace {

void EnableSystemMenuItem(HMENU menu, UINT command, bool enabled) {
  EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// The system fits its menu to the window when it opens the menu itself, not
// when the menu is tracked as a popup: the entries follow the caption buttons
// the window had and the state it is in.
void UpdateSystemMenuItems(const TWinSkinForm& form) {
  const HMENU menu = form.SysMenu;
  const bool normal = form.WindowState == wsNormal;
  EnableSystemMenuItem(menu, SC_RESTORE, !normal);
  EnableSystemMenuItem(menu, SC_MOVE, form.WindowState != wsMaximized);
  EnableSystemMenuItem(menu, SC_SIZE, normal && (form.Style & WS_THICKFRAME));
  EnableSystemMenuItem(menu, SC_MINIMIZE, (form.ButtonStyles & bsMinimizeBox) && form.WindowState != wsMinimized);
  EnableSystemMenuItem(menu, SC_MAXIMIZE, (form.ButtonStyles & bsMaximizeBox) && form.WindowState != wsMaximized);
}

}  // namespace

void TWinSkinForm::RunSysButtonAction(int x, int y) {
  const auto* button = dynamic_cast<TWinSysButton*>(HotObject);
  if (!button || !button->SkinButton) return;
  const int action = button->SkinButton->Action;
  switch (action) {
    case 0:
      if (Timer) Timer->SetEnabled(false);
      PostMessageW(Handle, WM_CLOSE, 0, 0);
      break;
    case 1:
    case 22:
      ToggleMaximize();
      break;
    case 2:
    case 23:
      ToggleMinimize();
      break;
    case 3:
    case 11:
    case 12:
      ShowSystemMenu(x, y);
      break;
    case 7:
    case 60:
      SendToMdiChild(SC_MINIMIZE);
      break;
    case 8:
    case 61:
      SendToMdiChild(SC_RESTORE);
      break;
    case 9:
    case 62:
      SendToMdiChild(SC_CLOSE);
      break;
    default:
      PostMessageW(Handle, WM_SKINBUTTON, WPARAM(action), 0);  // the application's own buttons
      break;
  }
}

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

void TWinSkinForm::SendToMdiChild(UINT command) {
  if (FormKind != fkMdiFrame || !MdiClient) return;
  const auto child = reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, 0));
  if (!child) return;
  SendMessageW(child, WM_SYSCOMMAND, command, 0);
  TSkinManage* manager = SkinManage();
  if (manager && manager->MdiMaximized && !MdiChildMaximized()) manager->SetMdiMax(false);
}

bool TWinSkinForm::MdiChildMaximized() {
  if (FormKind != fkMdiFrame || !MdiClient) return false;
  BOOL maximized = FALSE;
  const auto child = reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, LPARAM(&maximized)));
  return child && maximized;
}

void TWinSkinForm::ShowSystemMenu(int x, int y) {
  if (!SysMenu) return;
  UpdateSystemMenuItems(*this);
  // Some systems fit the entries to the window's styles themselves when the
  // menu shows; without the caption-button styles they would gray Maximize
  // and Minimize. The styles go back on the window while the menu is open.
  SetButtonStyles(true);
  TrackPopupMenu(SysMenu, TPM_RIGHTBUTTON, x, y, 0, Handle, nullptr);
  if (WndProcStub.Attached()) SetButtonStyles(false);  // unless the skin went while the menu was open
}

// Alt+Space finds no system menu of the system's (the window has no
// WS_SYSMENU while skinned): the skinned one opens where the system frame
// opens its own, under the window's icon (or the title bar's left end), with
// its first entry selected as a menu opened from the keyboard is.
bool TWinSkinForm::ShowSystemMenuFromKeyboard() {
  if (!SysMenu || !(ButtonStyles & bsSystemMenu) || MenuTracking) return false;
  RECT window{};
  if (!GetWindowRect(Handle, &window)) return false;
  POINT at{window.left, window.top};
  if (Stage4Applies()) {
    at = POINT{window.left + BorderLeft, window.top + BorderTop};
    for (const auto& button : SysButtons) {
      if (!button->Visible || !button->SkinButton ||
          CaptionButtonKind(*button->SkinButton) != TCaptionButtonKind::SystemMenu)
        continue;
      at = POINT{window.left + button->Rect.left, window.top + button->Rect.bottom};
      break;
    }
  }
  PostMessageW(Handle, WM_KEYDOWN, VK_DOWN, 0);
  ShowSystemMenu(at.x, at.y);
  return true;
}

}  // namespace skin
