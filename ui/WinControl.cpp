// TWinControl's window: creating and destroying it, its window procedure and
// the routing of messages to and from child controls.
#include "ui/Control.h"

#include <windowsx.h>

#include "ui/LiveHandles.h"

#include <map>
#include <stdexcept>

#include "ui/Application.h"
#include "ui/ControlInternal.h"
#include "ui/Menus.h"
#include "ui/Screen.h"
#include "ui/TextConv.h"

namespace ui {

using detail::IsRoutedMouseMessage;
using detail::IsWindowed;
using detail::SetMouseControl;

namespace {

// The window property that leads from a window to its control object. A
// property, not the window's extra bytes or user data, so that windows derived
// from system classes keep all of theirs.
constexpr wchar_t kControlProp[] = L"TavrinControl";

// The control whose window is being created: it receives the first messages,
// which arrive before CreateWindowExW returns.
thread_local TWinControl* creatingControl = nullptr;

// Window class name -> the procedure that handles what the control passes on.
std::map<std::wstring, WNDPROC>& RegisteredClasses() {
  static std::map<std::wstring, WNDPROC> classes;
  return classes;
}

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK ||
         msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

LPARAM PointParam(int x, int y) { return MAKELPARAM(WORD(short(x)), WORD(short(y))); }

// Registers the window class of `params` once, with `classProc` as its
// procedure; returns the procedure that handles what a control passes on.
WNDPROC RegisterWindowClass(const TCreateParams& params, WNDPROC classProc) {
  auto& classes = RegisteredClasses();
  if (auto it = classes.find(params.WinClassName); it != classes.end()) return it->second;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  WNDPROC defaultProc = DefWindowProcW;
  if (!params.SystemClass.empty()) {
    if (!GetClassInfoExW(nullptr, params.SystemClass.c_str(), &wc))
      throw std::runtime_error("unknown system window class " + WideToUtf8(params.SystemClass));
    defaultProc = wc.lpfnWndProc;
  } else {
    wc.style = params.ClassStyle;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = params.ClassIcon;
    wc.hIconSm = params.ClassSmallIcon;
  }
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = classProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = params.WinClassName.c_str();
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw std::runtime_error("cannot register window class " + WideToUtf8(params.WinClassName));
  classes[params.WinClassName] = defaultProc;
  return defaultProc;
}

}  // namespace

// ------------------------------------------------------------- TWinControl

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  Destroying();
  DestroyComponents();  // while this control is still whole
  while (!controls_.empty()) controls_.back()->SetParent(nullptr);
  DestroyHandle();
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::HandleNeeded() {
  if (handle_) return;
  if (parent_) parent_->HandleNeeded();  // may create this window with the parent's
  if (!handle_) CreateHandle();
}

void TWinControl::DestroyHandle() {
  if (handle_) DestroyWnd();
}

TWinControl* TWinControl::FindControl(HWND wnd) {
  return wnd ? static_cast<TWinControl*>(GetPropW(wnd, kControlProp)) : nullptr;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = Caption();
  params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = parent_ ? parent_->Handle() : nullptr;
  params.WinClassName = Utf8ToWide(ClassName());
}

void TWinControl::CreateHandle() {
  CreateWnd();
  for (TControl* c : std::vector<TControl*>(controls_)) {
    auto* child = dynamic_cast<TWinControl*>(c);
    if (child && child->Visible() && !child->handle_) child->CreateHandle();
  }
  Realign();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw std::runtime_error(Name() + " (" + ClassName() + ") has no parent window");
  defWndProc_ = RegisterWindowClass(params, InitWndProc);
  creatingControl = this;
  HWND wnd = CreateWindowHandle(params);
  creatingControl = nullptr;
  if (!wnd) {
    handle_ = nullptr;
    throw std::runtime_error("cannot create the window of " + Name() + " (" + ClassName() + ")");
  }
  if (!handle_) {  // no message reached the procedure during creation
    handle_ = wnd;
    SetPropW(wnd, kControlProp, this);
    CountWindows(1);
  }
  SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
}

HWND TWinControl::CreateWindowHandle(const TCreateParams& params) {
  return CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                         params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void TWinControl::DestroyWnd() {
  HWND wnd = handle_;
  DestroyWindow(wnd);
  if (handle_ == wnd) {  // the window was not ours to destroy (another thread); forget it
    RemovePropW(wnd, kControlProp);
    CountWindows(-1);
    handle_ = nullptr;
  }
}

LRESULT CALLBACK TWinControl::InitWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<TWinControl*>(GetPropW(wnd, kControlProp));
  if (!control && creatingControl) {
    control = std::exchange(creatingControl, nullptr);
    control->handle_ = wnd;
    SetPropW(wnd, kControlProp, control);
    CountWindows(1);
  }
  if (!control) {
    wchar_t name[256] = {};
    GetClassNameW(wnd, name, 256);
    const auto& classes = RegisteredClasses();
    const auto it = classes.find(name);
    return CallWindowProcW(it != classes.end() ? it->second : DefWindowProcW, wnd, msg, wParam, lParam);
  }
  const LRESULT result = control->MainWndProc(msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    if (auto* c = static_cast<TWinControl*>(GetPropW(wnd, kControlProp))) {
      RemovePropW(wnd, kControlProp);
      CountWindows(-1);
      c->handle_ = nullptr;
      c->captureControl_ = nullptr;
      c->trackingLeave_ = false;
    }
  }
  return result;
}

LRESULT TWinControl::MainWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  // Exceptions never cross the system's window-procedure frames.
  try {
    TWndMethod proc = WindowProc;  // a copy: the handler may replace WindowProc or free this control
    if (proc) proc(m);
    else DefaultHandler(m);
  } catch (const std::exception& e) {
    HandleException(e);
  } catch (...) {
    HandleException(std::runtime_error("unknown error"));
  }
  return m.Result;
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      WMPaint(m);
      return;
    case WM_PRINTCLIENT:
      PaintHandler(reinterpret_cast<HDC>(m.WParam));
      return;
    case WM_ERASEBKGND:
      WMEraseBkgnd(m);
      return;
    case WM_SETCURSOR:
      if (WMSetCursor(m)) return;
      break;
    case WM_CONTEXTMENU:
      if (WMContextMenu(m)) return;
      break;
    case WM_CHAR:
    case WM_SYSCHAR:
      if (WMDialogChar(m)) return;
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      MSG key{};
      key.hwnd = handle_;
      key.message = m.Msg;
      key.wParam = m.WParam;
      key.lParam = m.LParam;
      if (IsMenuShortCut(key)) {
        m.Result = 0;
        return;
      }
      break;
    }
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (TControl* hot = MouseControl(); hot == this || (hot && hot->parent_ == this && !IsWindowed(hot)))
        SetMouseControl(nullptr);
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(m.LParam) != handle_) captureControl_ = nullptr;
      break;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(m);
      UpdateBoundsFromWindow();
      return;
    case WM_SIZE:
      DefaultHandler(m);
      Realign();
      return;
    case WM_SETTEXT:
      DefaultHandler(m);
      if (m.LParam) TControl::SetCaption(reinterpret_cast<const wchar_t*>(m.LParam));
      return;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      if (ReflectToChild(m)) return;
      break;
    case CM_COLORCHANGED:
      brush_.Reset();
      break;
    case CM_FONTCHANGED:
      ParentFontChanged();
      if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
      break;
    default:
      break;
  }
  if (IsRoutedMouseMessage(m.Msg)) {
    if (RouteMouseToChild(m)) return;
    if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && handle_) SetCapture(handle_);
    // Released before the click is handled: a click handler may open dialogs.
    if (m.Msg == WM_LBUTTONUP && IsMouseCapturedByWindow()) ReleaseCapture();
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!handle_) return;
  if (m.Msg >= CN_BASE + WM_CTLCOLORMSGBOX && m.Msg <= CN_BASE + WM_CTLCOLORSTATIC) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    if (!brush_) brush_.Reset(CreateSolidBrush(ColorToRGB(Color())));
    m.Result = reinterpret_cast<LRESULT>(brush_.Get());
    return;
  }
  if (m.Msg >= CM_BASE && m.Msg < 0xC000) return;  // framework messages mean nothing to the system
  m.Result = CallWindowProcW(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
}

bool TWinControl::WMContextMenu(TMessage& m) {
  POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TControl* target = this;
  if (m.LParam == -1) {  // from the keyboard: at the control's corner
    screen = ClientToScreen(POINT{0, 0});
  } else if (TControl* over = ControlAtPos(ScreenToClient(screen)); over && over->PopupMenu()) {
    target = over;
  }
  TPopupMenu* menu = target->PopupMenu();
  if (!menu || !menu->AutoPopup) return false;
  menu->PopupComponent = target;
  menu->Popup(screen.x, screen.y);
  m.Result = 1;
  return true;
}

bool TWinControl::WMDialogChar(TMessage& m) {
  // A system control (edit, button) takes its own characters; Alt+key is for the menus anyway.
  if (m.Msg == WM_CHAR && defWndProc_ != DefWindowProcW) return false;
  TWinControl* root = handle_ ? FindControl(GetAncestor(handle_, GA_ROOT)) : nullptr;
  if (!root || root->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) == 0) return false;
  m.Result = 0;
  return true;
}

bool TWinControl::RouteMouseToChild(TMessage& m) {
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  if (captureControl_ && GetCapture() != handle_) captureControl_ = nullptr;
  TControl* target = captureControl_ ? captureControl_ : ControlAtPos(p);
  if (m.Msg == WM_MOUSEMOVE) {
    TrackMouseLeave();
    SetMouseControl(target ? target : this);
  }
  if (!target) return false;
  if (IsButtonDown(m.Msg)) {
    captureControl_ = target;
    if (GetCapture() != handle_) SetCapture(handle_);
  }
  if (IsButtonUp(m.Msg) && (m.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
    captureControl_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
  }
  m.Result = target->Perform(m.Msg, m.WParam, PointParam(p.x - target->Left(), p.y - target->Top()));
  return true;
}

void TWinControl::TrackMouseLeave() {
  if (trackingLeave_ || !handle_) return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = handle_;
  trackingLeave_ = TrackMouseEvent(&track) != FALSE;
}

bool TWinControl::ReflectToChild(TMessage& m) {
  HWND child = nullptr;
  switch (m.Msg) {
    case WM_NOTIFY:
      if (m.LParam) child = reinterpret_cast<const NMHDR*>(m.LParam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      if (item && item->CtlType != ODT_MENU) child = item->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(m.LParam);
      if (item && item->CtlType != ODT_MENU) child = GetDlgItem(handle_, int(item->CtlID));
      break;
    }
    case WM_DELETEITEM:
      if (m.LParam) child = reinterpret_cast<const DELETEITEMSTRUCT*>(m.LParam)->hwndItem;
      break;
    case WM_COMPAREITEM:
      if (m.LParam) child = reinterpret_cast<const COMPAREITEMSTRUCT*>(m.LParam)->hwndItem;
      break;
    default:  // WM_COMMAND, WM_xSCROLL, WM_CTLCOLORxxx: the control's window in LParam
      child = reinterpret_cast<HWND>(m.LParam);
      break;
  }
  if (!child || child == handle_) return false;
  TWinControl* control = FindControl(child);
  if (!control) return false;
  m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
  return true;
}

bool TWinControl::WMSetCursor(TMessage& m) {
  if (LOWORD(m.LParam) != HTCLIENT) return false;
  // The screen cursor (the hourglass of a running task) shows over every
  // client area of the program's windows, children included.
  TCursor cursor = Screen ? Screen->Cursor() : crDefault;
  if (cursor == crDefault && reinterpret_cast<HWND>(m.WParam) == handle_) {
    POINT p;
    GetCursorPos(&p);
    ::ScreenToClient(handle_, &p);
    TControl* over = ControlAtPos(p);
    cursor = over ? over->Cursor : crDefault;
    if (cursor == crDefault) cursor = Cursor;
  }
  if (cursor == crDefault) return false;
  ::SetCursor(CursorHandle(cursor));
  m.Result = 1;
  return true;
}


}  // namespace ui
