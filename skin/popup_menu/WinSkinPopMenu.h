// TWinSkinPopMenu: the companion of one popup-menu window ("#32768"). The
// skin manager attaches one to every popup-menu window when it is created and
// frees it when the window goes. It subclasses the window, paints the popup's
// 3-pixel frame from the skin's menu background and, when the window is
// printed (menu animation), the whole background first. The background it
// builds is kept (Background) so that owner-drawn items can be painted over
// the same image: the item painter finds it by the menu the window shows
// (TSkinManage::PopupBackground).
//
// Which menu a window shows is learned at its first paint: the menu window
// answers MN_GETHMENU. Where it does not, the popup becomes PendingPopup and
// the first item drawn after that names the menu (BindPendingPopup).
#pragma once

#include <windows.h>

#include "skin/WinSkinForm/WindowSubclass.h"
#include "ui/Graphics.h"

namespace skin {

class TSkinData;
class TSkinSet;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu() = default;
  virtual ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // Width of the popup's frame, in pixels.
  static constexpr int kFrame = 3;

  // Remembers the window, the skin at its DPI and the menu, and subclasses
  // the window.
  void Attach(HWND wnd, TSkinData* skinData, HMENU menu);
  // Puts the window's procedure back and empties Background.
  void Detach();

  // Where client coordinates of the window (those of the items) lie in the
  // window: (3, 3) where the system frame is non-client; (0, 0) where the
  // system draws its frame inside the client area (Wine).
  POINT ClientOffset() const;

  WindowSubclass WndProcStub;  // attached while the window is subclassed
  HWND Handle = nullptr;
  TSkinSet* SkinData = nullptr;   // the skin at the popup's DPI; not owned
  ui::TBitmap Background;         // the popup's background at the window's size
  HMENU MenuHandle = nullptr;     // the menu shown in this window; 0 until known

 private:
  LRESULT PopupWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // The skin has a menu background image to paint with.
  bool CanPaint() const;
  // Background := the skin's menu background at the window's size.
  void BuildBackground();
  // The outer band of Background onto the window, 1:1.
  void PaintPopupFrame();
  LRESULT PrintBackground(UINT msg, WPARAM wParam, LPARAM lParam);
  void MarkPendingIfUnbound();
};

// The popup that painted without knowing its menu yet, or null.
extern TWinSkinPopMenu* PendingPopup;

// Gives PendingPopup (if any) its menu and clears it.
void BindPendingPopup(HMENU menu);

}  // namespace skin
