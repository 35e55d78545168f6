#include "skin/popup_menu/WinSkinPopMenu.h"

#include "skin/manager/SkinManage.h"

namespace skin {

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND wnd, TSkinData* skinData, HMENU menu) {
  Handle = wnd;
  SkinData = skinData;
  MenuHandle = menu;
  WndProcStub.Attach(wnd, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
    return PopupWndProc(msg, wParam, lParam);
  });
}

void TWinSkinPopMenu::Detach() {
  if (!WndProcStub.Attached()) return;
  WndProcStub.Detach();
  Background.Clear();
}

LRESULT TWinSkinPopMenu::PopupWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  const TSkinManage* manager = SkinManage();
  if (!manager || !manager->Enabled) return WndProcStub.CallOld(msg, wParam, lParam);
  if (msg == WM_DESTROY) {
    Detach();
    return WndProcStub.CallOld(msg, wParam, lParam);
  }
  return WndProcStub.CallOld(msg, wParam, lParam);
}

}  // namespace skin
