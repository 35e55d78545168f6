// TWinSkinForm: message routing. Every message of a skinned window passes
// WindowProcedure; framework forms also pass FormWindowProc; the MDI client of
// an MDI frame passes ClientProcedure.
#include <string>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/WindowText.h"
#include "skin/manager/SkinManage.h"
#include "ui/Form.h"
#include "ui/KeyboardCues.h"

namespace skin {

namespace {

bool ActiveFlag(WPARAM wParam) { return (wParam & 0xFF) != 0; }

TSkinManage* Manager() { return SkinManage(); }

bool ManagerMdiMaximized() {
  const TSkinManage* manager = SkinManage();
  return manager && manager->MdiMaximized;
}

// The system-menu choices of the skinned system menu, which come back as
// WM_COMMAND and must reach the window as WM_SYSCOMMAND.
bool IsSystemMenuCommand(WPARAM command) {
  switch (command) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TWinSkinForm::WindowProcedure(ui::TMessage& message) {
  // Stage 1.
  if (message.Msg == WM_DESTROY) {
    RestoreOnDestroy();
    CallOld(message);
    return;
  }
  if (message.Msg == WM_STYLECHANGED) {
    if (message.WParam == WPARAM(LONG_PTR(GWL_STYLE)))
      Style = reinterpret_cast<const STYLESTRUCT*>(message.LParam)->styleNew;
    CallOld(message);
    return;
  }
  // Stage 2: plain child windows are not skinned.
  if (FormKind != fkMdiChild && (Style & WS_CHILD)) {
    CallOld(message);
    return;
  }
  // Stages 3 and 4.
  if (RouteStage3(message)) return;
  if (Stage4Applies() && RouteStage4(message)) return;
  CallOld(message);
}

// The window is going while still subclassed (the manager did not see it):
// put the old procedures back before the window goes on with the message.
void TWinSkinForm::RestoreOnDestroy() {
  DisconnectAccessible();
  RestoreMdiClient();
  RestoreFormWindowProc();
  if (WndProcStub.Attached()) {
    WndProcStub.Detach();
    HasRegion = false;  // a region set on the window goes with the window
    Region = nullptr;
  }
  if (Timer) Timer->SetEnabled(false);
}

// --- Stage 3: state keeping --------------------------------------------------

bool TWinSkinForm::RouteStage3(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      HandleSize(message);
      return true;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      Active = ActiveFlag(message.WParam);
      return false;
    case WM_MOUSEMOVE:
      StartHoverTick();
      return false;
    case WM_ERASEBKGND:
      HandleEraseBkgnd(message);
      return true;
    case WM_GETMINMAXINFO:
      HandleGetMinMaxInfo(message);
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      ui::NoteKey(Handle, message.Msg, message.WParam);
      return false;
    case WM_UPDATEUISTATE:
      ui::NoteUiState(Handle, message.WParam);
      return false;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
      ScreenMetrics.Forget();
      return false;
    case WM_DPICHANGED:
      HandleDpiChanged(message);
      return true;
    case WM_GETDPISCALEDSIZE:
      HandleGetDpiScaledSize(message);
      return true;
    case WM_DPICHANGED_AFTERPARENT:
      HandleDpiChangedAfterParent();
      CallOld(message);
      return true;
    case WM_WINDOWPOSCHANGING:
      CallOld(message);
      NoteSizeChange(message);
      return true;
    case WM_WINDOWPOSCHANGED:
      UpdateWindowState();
      CallOld(message);
      FinishSizeChange(message);
      return true;
    case WM_COMMAND:
      HandleCommand(message);
      return true;
    case WM_SYSCOMMAND:
      HandleSysCommand(message);
      return true;
    case WM_CTLCOLORBTN:
      CallOld(message);
      SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
      return true;
    case WM_CTLCOLORSTATIC:
      HandleCtlColorStatic(message);
      return true;
    case WM_HSCROLL:
    case WM_VSCROLL:
      CallOld(message);
      ControlScrolled(message);
      return true;
    case WM_SKINSTART:
      HandleSkinStart();
      return true;
    case WM_GETOBJECT:
      return HandleGetObject(message);
    case WM_SKINREFRESH:
      if (Form) return false;  // a framework form re-applies in FormWindowProc
      Reskin();
      return true;
    case ui::CM_MENUCHANGED:
      CallOld(message);
      if (SkinMenu) RebuildMenuBar();
      return true;
    case WM_SETTEXT:
      CallOld(message);
      // The system paints its own caption as it takes the text; a framework
      // form repaints in FormWindowProc, any other window here.
      if (!Form && Stage4Applies()) PaintFrame(nullptr);
      return true;
    default:
      return false;
  }
}

void TWinSkinForm::HandleSize(ui::TMessage& message) {
  CallOld(message);
  switch (message.WParam) {
    case SIZE_RESTORED: WindowState = wsNormal; break;
    case SIZE_MINIMIZED: WindowState = wsMinimized; break;
    case SIZE_MAXIMIZED: WindowState = wsMaximized; break;
    default: break;
  }
  if (WindowState == wsMinimized) return;
  if (FormKind == fkMdiChild && (ManagerMdiMaximized() || WindowState != wsNormal)) return;
  if (SkinState == ssRunning || SkinState == ssReskinning) UpdateRegion();
}

void TWinSkinForm::HandleEraseBkgnd(ui::TMessage& message) {
  CallOld(message);
  if (Form || !SkinData || !SkinData->FaceBrush()) return;
  RECT client{};
  GetClientRect(Handle, &client);
  FillRect(reinterpret_cast<HDC>(message.WParam), &client, SkinData->FaceBrush());
  message.Result = 1;
}

void TWinSkinForm::HandleCommand(ui::TMessage& message) {
  const WPARAM command = LOWORD(message.WParam);
  if (IsSystemMenuCommand(command)) PostMessageW(Handle, WM_SYSCOMMAND, command, 0);
  else CallOld(message);
}

// F10, a lone Alt and the accelerators of the skinned menu bar must not
// start the system's own menu-bar mode (there is no system menu bar).
bool TWinSkinForm::SwallowKeyMenu(const ui::TMessage& message) {
  if (MenuTracking || (message.WParam & 0xFFF0) != SC_KEYMENU) return false;
  const LPARAM key = message.LParam;
  if (key == ' ' || key == '-' || GetCapture()) return false;  // system menus go on as usual
  if (key == 0) return true;
  // The accelerator opens its item: a window whose own key handling does not
  // (one of no framework form) has no other way to it.
  TNCObject* item = MenuBarAccelItem(WPARAM(key));
  if (!item) return false;
  ClickMenuItem(item);
  return true;
}

void TWinSkinForm::HandleSysCommand(ui::TMessage& message) {
  // Alt, F10 or an access key: the window's access keys show from now on.
  if ((message.WParam & 0xFFF0) == SC_KEYMENU) ui::ShowCues(Handle, UISF_HIDEACCEL);
  if ((message.WParam & 0xFFF0) == SC_KEYMENU && message.LParam == ' ' && ShowSystemMenuFromKeyboard()) {
    message.Result = 0;
    return;
  }
  if (SwallowKeyMenu(message)) {
    message.Result = 1;
    return;
  }
  switch (message.WParam & 0xFFF0) {
    case SC_MINIMIZE:
      WindowState = wsMinimized;
      if (FormKind == fkMdiChild) SetButtonStyles(true);
      break;
    case SC_MAXIMIZE:
      WindowState = wsMaximized;
      break;
    case SC_RESTORE:
      WindowState = wsNormal;
      if (FormKind == fkMdiChild) SetButtonStyles(false);
      break;
    default:
      break;
  }
  CallOld(message);
}

void TWinSkinForm::HandleCtlColorStatic(ui::TMessage& message) {
  CallOld(message);
  if (!Form) {
    // A dialog's static text (a message box's) on the skin's face: in the
    // skin's text colour too, or a dark face hides the system's dark text.
    SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
    if (SkinData) SetTextColor(reinterpret_cast<HDC>(message.WParam), ui::ColorToRGB(SkinData->WindowTextColour));
  }
  if (SkinData && SkinData->FaceBrush()) message.Result = reinterpret_cast<LRESULT>(SkinData->FaceBrush());
}

void TWinSkinForm::HandleSkinStart() {
  if (SkinState != ssAttached) return;
  if (FormKind == fkMdiChild && ManagerMdiMaximized()) {
    SetButtonStyles(true);
  } else if (WindowState != wsMinimized && BorderKind != bkNone) {
    SkinState = ssFirstSizing;
    ResizeFrame(false);  // the menu is already off the window
    SkinState = ssRunning;
    UpdateRegion();
  }
  SkinState = ssRunning;
  frameApplied_ = true;
  SkinTrace("*****Skin Active finish");
  StartHoverTick();  // stops at its first tick unless the mouse is here
}

// --- Stage 4: the skinned non-client area ------------------------------------

bool TWinSkinForm::Stage4Applies() const {
  return SkinState != ssAttached && WindowState != wsMinimized && !IsMdiChildNotNormal();
}

bool TWinSkinForm::RouteStage4(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_NCACTIVATE: HandleNcActivate(message); return true;
    case WM_NCCALCSIZE: CalcFrameClient(message); return true;
    case WM_NCPAINT: HandleNcPaint(message); return true;
    case WM_SKINNCREDRAW: PaintFrame(nullptr); return true;
    case WM_SKINCLICKBUTTON: ClickSysButton(int(message.WParam)); return true;
    case WM_NCHITTEST: HandleNcHitTest(message); return true;
    case WM_NCMOUSEMOVE: HandleNcMouseMove(message); return true;
    case WM_NCLBUTTONDOWN: HandleNcLButtonDown(message); return true;
    case WM_NCLBUTTONUP: HandleNcLButtonUp(message); return true;
    case WM_NCRBUTTONDOWN: HandleNcRButtonDown(message); return true;
    case WM_NCMOUSELEAVE:
    case WM_NCMOUSEHOVER: HandleNcMouseLeave(message); return true;
    case WM_NCLBUTTONDBLCLK: HandleNcDoubleClick(); return true;
    case WM_MEASUREITEM:
      if (!MeasureMenuItem(message)) CallOld(message);
      return true;
    case WM_DRAWITEM:
      if (!DrawMenuItem(message)) CallOld(message);
      return true;
    default:
      return false;
  }
}

void TWinSkinForm::HandleNcActivate(ui::TMessage& message) {
  Active = ActiveFlag(message.WParam);
  // Activation may come with the mouse over the window; deactivation leaves
  // nothing hot.
  if (Timer) Timer->SetEnabled(Active);
  if ((!Timer || !Timer->Enabled()) && HotControl) ControlMouseLeave();
  CallOld(message);
  if (!IsMdiChildNotNormal()) PaintFrame(nullptr);
}

void TWinSkinForm::HandleNcDoubleClick() {
  if (WindowState != wsNormal) RestoreWindow();
  else if (ButtonStyles & bsMaximizeBox) ToggleMaximize();
}

// --- The framework form's WindowProc -----------------------------------------

void TWinSkinForm::FormWindowProc(ui::TMessage& message) {
  const ui::TWndMethod old = OldWindowProc;  // a copy: the handlers may detach this object
  switch (message.Msg) {
    case WM_SETTEXT:
      if (old) old(message);
      ForceFrameChange();  // the new caption is painted with the frame
      return;
    case WM_SKINREFRESH:
      Reskin();
      return;
    case ui::CM_DIALOGCHAR:
      if (TNCObject* item = MenuBarAccelItem(message.WParam)) {
        ClickMenuItem(item);
        message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  if (old) old(message);
}

// --- The MDI client of an MDI frame ------------------------------------------

void TWinSkinForm::ClientProcedure(ui::TMessage& message) {
  const auto passOn = [&] {
    message.Result = ClientProcStub.CallOld(message.Msg, message.WParam, message.LParam);
  };
  TSkinManage* manager = Manager();
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      // The system's scroll bars would be drawn unskinned inside the skinned frame.
      if (SkinData && SkinData->SkinControls.Contains(xcMainMenu)) {
        const LONG_PTR style = GetWindowLongPtrW(MdiClient, GWL_STYLE);
        SetWindowLongPtrW(MdiClient, GWL_STYLE, style & ~LONG_PTR(WS_HSCROLL | WS_VSCROLL));
      }
      passOn();
      return;
    case WM_MDICREATE:
      passOn();
      LastMdiChild = reinterpret_cast<HWND>(message.Result);
      return;
    case WM_MDIDESTROY: {
      wchar_t text[16] = {};
      wsprintfW(text, L"%4x", unsigned(message.WParam));
      SkinTrace(std::wstring(L"**MDI: WM_MDIDESTROY ") + text);
      if (manager) manager->WindowDestroyed(reinterpret_cast<HWND>(message.WParam));
      passOn();
      if (manager) manager->SetMdiMax(MdiChildMaximized());
      return;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (manager && manager->MdiMaximized) manager->SetMdiMax(false);
      passOn();
      return;
    case WM_MDIREFRESHMENU:
      if (LastMdiChild && manager) {
        manager->TrySkinWindow(LastMdiChild);
        PostMessageW(Handle, WM_SKINNCREDRAW, 0, 0);
      }
      passOn();
      return;
    default:
      passOn();
      return;
  }
}

}  // namespace skin
