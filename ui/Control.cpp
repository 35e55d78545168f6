#include "ui/Control.h"

#include <windowsx.h>

#include "ui/ControlInternal.h"
#include "ui/Dpi.h"
#include "ui/Form.h"
#include "ui/FormReader.h"
#include "ui/Menus.h"

namespace ui {

using detail::IsRoutedMouseMessage;

namespace {

TControl* mouseControl = nullptr;

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

}  // namespace

namespace detail {

void SetMouseControl(TControl* control) {
  if (control == mouseControl) return;
  TControl* old = mouseControl;
  mouseControl = control;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (control && control == mouseControl) control->Perform(CM_MOUSEENTER);
}

void ForgetMouseControl(const TControl* control) {
  if (mouseControl == control) mouseControl = nullptr;
}

}  // namespace detail

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
  detail::ForgetMouseControl(this);
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

int TControl::Dpi() const {
  for (const TControl* control = this; control; control = control->Parent())
    if (const auto* form = dynamic_cast<const TForm*>(control)) return form->Dpi();
  return SystemDpi();
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
