#include "ui/Control.h"

#include <windowsx.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <utility>

#include "ui/Application.h"
#include "ui/FormReader.h"
#include "ui/Menus.h"
#include "ui/Screen.h"
#include "ui/TextConv.h"

namespace ui {

namespace {

// The window property that leads from a window to its control object. A
// property, not the window's extra bytes or user data, so that windows derived
// from system classes keep all of theirs.
constexpr wchar_t kControlProp[] = L"TavrinControl";

// The control whose window is being created: it receives the first messages,
// which arrive before CreateWindowExW returns.
thread_local TWinControl* creatingControl = nullptr;

TControl* mouseControl = nullptr;

// Window class name -> the procedure that handles what the control passes on.
std::map<std::wstring, WNDPROC>& RegisteredClasses() {
  static std::map<std::wstring, WNDPROC> classes;
  return classes;
}

void SetMouseControl(TControl* control) {
  if (control == mouseControl) return;
  TControl* old = mouseControl;
  mouseControl = control;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (control && control == mouseControl) control->Perform(CM_MOUSEENTER);
}

TShiftState ShiftFromKeys(WPARAM keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

bool IsRoutedMouseMessage(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK ||
         msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

LPARAM PointParam(int x, int y) { return MAKELPARAM(WORD(short(x)), WORD(short(y))); }

bool IsWindowed(const TControl* c) { return dynamic_cast<const TWinControl*>(c) != nullptr; }

// Keeps a flag set for a scope (exceptions included).
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

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

HCURSOR CursorHandle(TCursor cursor) {
  const wchar_t* id = IDC_ARROW;
  switch (cursor) {
    case crNone: return nullptr;
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crNo: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    default: break;
  }
  return LoadCursorW(nullptr, id);
}

TControl* MouseControl() { return mouseControl; }

// ---------------------------------------------------------------- TControl

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  if (mouseControl == this) mouseControl = nullptr;
  if (parent_) parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  TWndMethod proc = WindowProc;  // a copy: the handler may replace WindowProc meanwhile
  if (proc) proc(m);
  else DefaultHandler(m);
  return m.Result;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EComponentError("a control cannot be its own parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  auto* container = dynamic_cast<TWinControl*>(parent);
  if (!container) throw EComponentError(Name() + " cannot be placed in " + (parent ? parent->Name() : "nothing"));
  SetParent(container);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::StoreBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  StoreBounds(left, top, width, height);
  Invalidate();
  RequestAlign();
}

POINT TControl::ClientOrigin() const {
  POINT p{left_, top_};
  if (parent_) {
    const POINT o = parent_->ClientOrigin();
    p.x += o.x;
    p.y += o.y;
  }
  return p;
}

POINT TControl::ClientToScreen(POINT p) const {
  const POINT o = ClientOrigin();
  return POINT{p.x + o.x, p.y + o.y};
}

POINT TControl::ScreenToClient(POINT p) const {
  const POINT o = ClientOrigin();
  return POINT{p.x - o.x, p.y - o.y};
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_ && align_ != alNone) parent_->Realign();
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value) ApplyParentFont();
}

void TControl::ApplyParentFont() {
  if (!parentFont_ || !parent_) return;
  applyingParentFont_ = true;
  try {
    font_.Assign(parent_->font_);
  } catch (...) {
    applyingParentFont_ = false;
    throw;
  }
  applyingParentFont_ = false;
}

void TControl::FontChanged() {
  if (!applyingParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (visible_) Invalidate();  // the area it leaves
  visible_ = visible;
  Invalidate();
  Perform(CM_VISIBLECHANGED, visible);
  RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetCaption(const std::wstring& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Perform(CM_TEXTCHANGED);
}

void TControl::Invalidate() {
  if (!visible_ || !parent_ || !parent_->HandleAllocated()) return;
  const RECT r = BoundsRect();
  InvalidateRect(parent_->Handle(), &r, !parent_->DoubleBuffered);
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

bool TControl::IsMouseCapturedByWindow() const {
  auto* self = dynamic_cast<const TWinControl*>(this);
  return self && self->HandleAllocated() && GetCapture() == const_cast<TWinControl*>(self)->Handle();
}

void TControl::WndProc(TMessage& m) {
  if (IsRoutedMouseMessage(m.Msg)) {
    HandleMouseMessage(m);
  } else {
    switch (m.Msg) {
      case CM_MOUSEENTER:
        if (OnMouseEnter) OnMouseEnter(this);
        break;
      case CM_MOUSELEAVE:
        if (OnMouseLeave) OnMouseLeave(this);
        break;
      case CM_COLORCHANGED:
      case CM_ENABLEDCHANGED:
      case CM_TEXTCHANGED:
      case CM_FONTCHANGED:
        Invalidate();
        break;
      default:
        break;
    }
  }
  DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (popupMenu_) popupMenu_->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::HandleMouseMessage(TMessage& m) {
  const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  const TShiftState shift = ShiftFromKeys(m.WParam);
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
    case WM_LBUTTONDOWN:
      clicked_ = true;
      MouseDown(mbLeft, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      DblClick();
      MouseDown(mbLeft, shift | ssDouble, x, y);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(mbMiddle, shift, x, y);
      break;
    case WM_LBUTTONUP: {
      const bool wasClicked = std::exchange(clicked_, false);
      MouseUp(mbLeft, shift, x, y);
      const RECT client = ClientRect();
      const POINT p{x, y};
      // Last: a click handler may run a long time (even a message loop) or free the control.
      if (wasClicked && PtInRect(&client, p)) Click();
      break;
    }
    case WM_RBUTTONUP:
      MouseUp(mbRight, shift, x, y);
      break;
    case WM_MBUTTONUP:
      MouseUp(mbMiddle, shift, x, y);
      break;
    default:
      break;
  }
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

bool TControl::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Left") SetLeft(value.AsInt());
  else if (name == "Top") SetTop(value.AsInt());
  else if (name == "Width") SetWidth(value.AsInt());
  else if (name == "Height") SetHeight(value.AsInt());
  else if (name == "Align")
    SetAlign(value.AsEnum<TAlign>({{"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom},
                                   {"alLeft", alLeft}, {"alRight", alRight}, {"alClient", alClient}}));
  else if (name == "Color") SetColor(ColorFromValue(value));
  else if (name.substr(0, 5) == "Font.") return font_.SetProperty(name.substr(5), value);
  else if (name == "ParentFont") SetParentFont(value.AsBool());
  else if (name == "Cursor") {
    Cursor = value.kind == TPropertyValue::Kind::Integer
                 ? value.AsInt()
                 : value.AsEnum<TCursor>({{"crDefault", crDefault}, {"crNone", crNone}, {"crArrow", crArrow},
                                          {"crCross", crCross}, {"crIBeam", crIBeam}, {"crSizeNESW", crSizeNESW},
                                          {"crSizeNS", crSizeNS}, {"crSizeNWSE", crSizeNWSE}, {"crSizeWE", crSizeWE},
                                          {"crUpArrow", crUpArrow}, {"crHourGlass", crHourGlass}, {"crNo", crNo},
                                          {"crAppStart", crAppStart}, {"crHelp", crHelp},
                                          {"crHandPoint", crHandPoint}, {"crSizeAll", crSizeAll}});
  } else if (name == "Visible") SetVisible(value.AsBool());
  else if (name == "Enabled") SetEnabled(value.AsBool());
  else if (name == "Caption") SetCaption(value.AsWide());
  else if (name == "OnClick") OnClick = reader.FindEvent<TNotifyEvent>(value);
  else if (name == "PopupMenu") reader.ReadReference<TPopupMenu>(value, [this](TPopupMenu* m) { SetPopupMenu(m); });
  else if (name == "OnDblClick") OnDblClick = reader.FindEvent<TNotifyEvent>(value);
  else if (name == "OnMouseEnter") OnMouseEnter = reader.FindEvent<TNotifyEvent>(value);
  else if (name == "OnMouseLeave") OnMouseLeave = reader.FindEvent<TNotifyEvent>(value);
  else if (name == "OnMouseDown") OnMouseDown = reader.FindEvent<TMouseEvent>(value);
  else if (name == "OnMouseUp") OnMouseUp = reader.FindEvent<TMouseEvent>(value);
  else if (name == "OnMouseMove") OnMouseMove = reader.FindEvent<TMouseMoveEvent>(value);
  else return TComponent::SetProperty(name, value, reader);
  return true;
}

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
    handle_ = nullptr;
  }
}

LRESULT CALLBACK TWinControl::InitWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<TWinControl*>(GetPropW(wnd, kControlProp));
  if (!control && creatingControl) {
    control = std::exchange(creatingControl, nullptr);
    control->handle_ = wnd;
    SetPropW(wnd, kControlProp, control);
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
      if (mouseControl == this || (mouseControl && mouseControl->parent_ == this && !IsWindowed(mouseControl)))
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

void TWinControl::WMPaint(TMessage& m) {
  if (m.WParam) {  // painting into a given device context
    PaintHandler(reinterpret_cast<HDC>(m.WParam));
    return;
  }
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(handle_, &ps);
  if (!dc) return;
  if (DoubleBuffered) {
    RECT client;
    GetClientRect(handle_, &client);
    const RECT& area = ps.rcPaint;
    MemoryDC memory(dc);
    BitmapHandle bitmap(CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
    if (memory.Get() && bitmap) {
      SelectGuard select(memory.Get(), bitmap.Get());
      IntersectClipRect(memory.Get(), area.left, area.top, area.right, area.bottom);
      PaintHandler(memory.Get());
      BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.Get(), area.left,
             area.top, SRCCOPY);
    } else {
      PaintHandler(dc);
    }
  } else {
    PaintHandler(dc);
  }
  EndPaint(handle_, &ps);
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
  if (defWndProc_ != DefWindowProcW) {  // a system control erases its own way
    DefaultHandler(m);
    return;
  }
  if (!DoubleBuffered) {
    RECT r;
    GetClientRect(handle_, &r);
    if (!brush_) brush_.Reset(CreateSolidBrush(ColorToRGB(Color())));
    ::FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush_.Get());
  }
  m.Result = 1;
}

void TWinControl::PaintHandler(HDC dc) {
  if (!dc) return;
  {
    SavedDC saved(dc);
    PaintWindow(dc);
  }
  PaintControls(dc);
}

void TWinControl::PaintWindow(HDC dc) {
  if (defWndProc_ != DefWindowProcW) {
    CallWindowProcW(defWndProc_, handle_, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    return;
  }
  if (DoubleBuffered) {  // the background was not erased
    RECT r = ClientRect();
    TCanvas canvas(dc);
    canvas.FillRect(r, Color());
  }
}

void TWinControl::PaintControls(HDC dc) {
  RECT clip{};
  const int clipKind = GetClipBox(dc, &clip);
  for (TControl* c : std::vector<TControl*>(controls_)) {
    if (IsWindowed(c) || !c->Visible()) continue;
    const RECT bounds = c->BoundsRect();
    RECT common;
    if (clipKind != ERROR && !IntersectRect(&common, &bounds, &clip)) continue;
    SavedDC saved(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

TControl* TWinControl::ControlAtPos(POINT pos, bool allowDisabled, bool allowWinControls) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!allowWinControls && IsWindowed(c)) continue;
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
    const RECT r = c->BoundsRect();
    if (PtInRect(&r, pos)) return c;
  }
  return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
  if (!control || control->parent_ == this) return;
  controls_.push_back(control);
  control->parent_ = this;
  control->ApplyParentFont();
  if (auto* child = dynamic_cast<TWinControl*>(control)) {
    if (child->handle_) {
      if (handle_) ::SetParent(child->handle_, handle_);
      else child->DestroyHandle();
    } else if (handle_ && child->Visible() && !InState(csLoading)) {
      child->CreateHandle();
    }
  }
  control->Invalidate();
  control->RequestAlign();
}

void TWinControl::RemoveControl(TControl* control) {
  const auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  control->Invalidate();
  controls_.erase(it);
  if (captureControl_ == control) captureControl_ = nullptr;
  if (auto* child = dynamic_cast<TWinControl*>(control)) child->DestroyHandle();
  control->parent_ = nullptr;
  if (control->Align() != alNone) Realign();
}

void TWinControl::ParentFontChanged() {
  for (TControl* c : std::vector<TControl*>(controls_)) c->ApplyParentFont();
}

void TWinControl::Realign() {
  if (alignLevel_ > 0 || aligning_ || InState(csLoading | csDestroying)) return;
  RECT r = ClientRect();
  AdjustClientRect(r);
  FlagScope scope(aligning_);
  AlignControls(r);
}

void TWinControl::EnableAlign() {
  if (alignLevel_ > 0 && --alignLevel_ == 0) Realign();
}

void TWinControl::AdjustClientRect(RECT&) const {}

void TWinControl::AlignControls(RECT& r) {
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> list;
    for (TControl* c : controls_)
      if (c->Align() == align && c->Visible()) list.push_back(c);
    // Controls of one kind keep the order of their positions (from the outside in).
    std::stable_sort(list.begin(), list.end(), [align](const TControl* a, const TControl* b) {
      switch (align) {
        case alTop: return a->Top() < b->Top();
        case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft: return a->Left() < b->Left();
        case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
      }
    });
    for (TControl* c : list) {
      const int w = std::max<int>(r.right - r.left, 0), h = std::max<int>(r.bottom - r.top, 0);
      switch (align) {
        case alTop:
          c->SetBounds(r.left, r.top, w, c->Height());
          r.top += c->Height();
          break;
        case alBottom:
          c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height());
          r.bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(r.left, r.top, c->Width(), h);
          r.left += c->Width();
          break;
        case alRight:
          c->SetBounds(r.right - c->Width(), r.top, c->Width(), h);
          r.right -= c->Width();
          break;
        default:
          c->SetBounds(r.left, r.top, w, h);
          break;
      }
    }
  }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  if (handle_) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBoundsFromWindow();
  } else {
    const bool resized = width != Width() || height != Height();
    StoreBounds(left, top, width, height);
    if (resized) Realign();
  }
  RequestAlign();
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!handle_ || IsIconic(handle_)) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if ((GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) && GetParent(handle_))
    MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
  StoreBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, Width(), Height()};
  if (handle_) GetClientRect(handle_, &r);
  return r;
}

POINT TWinControl::ClientOrigin() const {
  if (!handle_) return TControl::ClientOrigin();
  POINT p{0, 0};
  ::ClientToScreen(handle_, &p);
  return p;
}

void TWinControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  visible_ = visible;
  if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
  else if (visible && parent_ && parent_->handle_ && !InState(csLoading)) CreateHandle();
  Perform(CM_VISIBLECHANGED, visible);
  RequestAlign();
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  if (handle_) EnableWindow(handle_, enabled);
  TControl::SetEnabled(enabled);
}

void TWinControl::SetCaption(const std::wstring& caption) {
  if (caption == Caption()) return;
  TControl::SetCaption(caption);
  if (handle_) SetWindowTextW(handle_, caption.c_str());
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, !DoubleBuffered);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "TabOrder") TabOrder = value.AsInt();
  else if (name == "TabStop") TabStop = value.AsBool();
  else if (name == "DoubleBuffered") DoubleBuffered = value.AsBool();
  else return TControl::SetProperty(name, value, reader);
  return true;
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

// --------------------------------------------------------- TGraphicControl

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT) {
    if (!m.WParam) return;
    TCanvas canvas(reinterpret_cast<HDC>(m.WParam));
    canvas_ = &canvas;
    try {
      Paint();
    } catch (...) {
      canvas_ = nullptr;
      throw;
    }
    canvas_ = nullptr;
    return;
  }
  TControl::WndProc(m);
}

}  // namespace ui
