// Messages as the framework passes them around: the window message with its
// result, and the framework's own notifications (CM_*) and reflected control
// notifications (CN_*).
#pragma once

#include <windows.h>

namespace ui {

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// Framework notifications, sent to controls through their WindowProc.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_FONTCHANGED = CM_BASE + 9;
constexpr UINT CM_COLORCHANGED = CM_BASE + 10;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 23;
constexpr UINT CM_RELEASE = CM_BASE + 33;  // posted by TForm::Release; frees the form

static_assert(CM_DIALOGCHAR == 0xB006 && CM_ENABLEDCHANGED == 0xB00C && CM_MOUSEENTER == 0xB013 &&
              CM_MOUSELEAVE == 0xB014 && CM_MENUCHANGED == 0xB015);

// Reflected notifications: a parent hands WM_COMMAND, WM_NOTIFY, WM_xSCROLL,
// WM_DRAWITEM and the like on to the child control they concern as
// CN_BASE + the original message number.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;

static_assert(CN_NOTIFY == 0xBC4E && CN_HSCROLL == 0xBD14 && CN_VSCROLL == 0xBD15);

}  // namespace ui
