// TWinSkinPopMenu: the companion of one popup-menu window ("#32768"). The
// skin manager attaches one to every popup-menu window when it is created and
// frees it when the window goes. It subclasses the window; painting the
// popup's frame and background from the skin comes with the popup-menu work,
// until then every message goes on to the menu's own procedure.
#pragma once

#include <windows.h>

#include "skin/WinSkinForm/WindowSubclass.h"
#include "ui/Graphics.h"

namespace skin {

class TSkinData;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu() = default;
  virtual ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // Remembers the three values and subclasses the window.
  void Attach(HWND wnd, TSkinData* skinData, HMENU menu);
  // Puts the window's procedure back and empties Background.
  void Detach();

  WindowSubclass WndProcStub;  // attached while the window is subclassed
  HWND Handle = nullptr;
  TSkinData* SkinData = nullptr;  // not owned
  ui::TBitmap Background;         // the popup's background at the window's size
  HMENU MenuHandle = nullptr;     // the menu shown in this window; 0 until known

 private:
  LRESULT PopupWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
};

}  // namespace skin
