#include "ui/UpDown.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "ui/FormParser.h"
#include "ui/FormScale.h"

namespace ui {

namespace {

constexpr int kSpinButtonWidth = 15;  // at 96 DPI

}  // namespace

void InitSpinClasses() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_UPDOWN_CLASS | ICC_DATE_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)done;
}

// ----------------------------------------------------------------- TUpDown

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
  InitSpinClasses();
  StoreBounds(0, 0, 16, 24);
}

TUpDown::~TUpDown() {
  if (associate_) associate_->RemoveFreeNotification(this);
}

void TUpDown::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = UPDOWN_CLASSW;
  params.Style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  if (orientation_ == udHorizontal) params.Style |= UDS_HORZ;
}

void TUpDown::CreateWnd() {
  TWinControl::CreateWnd();
  PushSettings();
}

void TUpDown::DestroyWnd() {
  if (HandleAllocated()) position_ = Position();
  TWinControl::DestroyWnd();
}

void TUpDown::PushSettings() {
  if (!HandleAllocated()) return;
  const HWND wnd = Handle();
  SendMessageW(wnd, UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
  SendMessageW(wnd, UDM_SETPOS32, 0, LPARAM(position_));
  const HWND buddy = associate_ ? associate_->Handle() : nullptr;
  SendMessageW(wnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  if (buddy) SendMessageW(wnd, UDM_SETPOS32, 0, LPARAM(position_));  // shows it in the buddy
}

void TUpDown::WndProc(TMessage& m) {
  if (m.Msg == WM_LBUTTONUP) {
    // The up-down holds the mouse from press to release itself and ends its
    // auto-repeat on the release; the container's capture handling would
    // take the mouse away first.
    TControl::WndProc(m);
    return;
  }
  TWinControl::WndProc(m);
}

void TUpDown::SetOrientation(TUDOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  if (!HandleAllocated()) return;
  DestroyHandle();
  HandleNeeded();
}

void TUpDown::SetMin(int value) {
  min_ = value;
  PushSettings();
}

void TUpDown::SetMax(int value) {
  max_ = value;
  PushSettings();
}

int TUpDown::Position() const {
  if (!HandleAllocated()) return position_;
  return int(SendMessageW(const_cast<TUpDown*>(this)->Handle(), UDM_GETPOS32, 0, 0));
}

void TUpDown::SetPosition(int value) {
  position_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, LPARAM(value));
}

void TUpDown::SetAssociate(TWinControl* control) {
  if (control == associate_) return;
  if (associate_) associate_->RemoveFreeNotification(this);
  associate_ = control;
  if (associate_) associate_->FreeNotification(this);
  PushSettings();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == associate_) {
    associate_ = nullptr;
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETBUDDY, 0, 0);
  }
}

void TUpDown::Loaded() {
  TWinControl::Loaded();
  if (associateName_.empty()) return;
  TComponent* owner = Owner();
  auto* control = dynamic_cast<TWinControl*>(owner ? owner->FindComponent(associateName_) : nullptr);
  if (!control) throw EPropertyError("Associate: no windowed control named " + associateName_);
  associateName_.clear();
  SetAssociate(control);
}

bool TUpDown::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Orientation")
    SetOrientation(value.AsEnum<TUDOrientation>({{"udVertical", udVertical}, {"udHorizontal", udHorizontal}}));
  else if (name == "Min") SetMin(value.AsInt());
  else if (name == "Max") SetMax(value.AsInt());
  else if (name == "Position") SetPosition(value.AsInt());
  else if (name == "Associate") associateName_ = value.AsIdent();
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

// --------------------------------------------------------------- TSpinEdit

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
  InitSpinClasses();
  SetText(L"0");
}

void TSpinEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;  // the edit paints around its button
}

void TSpinEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  const HWND edit = Handle();
  button_ = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                            0, 0, kSpinButtonWidth, 10, edit, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!button_) return;
  SendMessageW(button_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageW(button_, UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
  SendMessageW(button_, UDM_SETPOS32, 0, LPARAM(value_));
  PlaceButton();
}

void TSpinEdit::DestroyWnd() {
  if (button_) value_ = Value();
  button_ = nullptr;  // goes with the edit
  TCustomEdit::DestroyWnd();
}

void TSpinEdit::PlaceButton() {
  if (!button_ || !HandleAllocated()) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  const int width = std::min<int>(ScaleValue(kSpinButtonWidth, Dpi()), client.right);
  SetWindowPos(button_, nullptr, client.right - width, 0, width, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
  // The text stops short of the button.
  SendMessageW(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width));
}

void TSpinEdit::WndProc(TMessage& m) {
  TCustomEdit::WndProc(m);
  if (m.Msg == WM_SIZE) PlaceButton();
}

void TSpinEdit::SetMinValue(int value) {
  min_ = value;
  if (button_) SendMessageW(button_, UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

void TSpinEdit::SetMaxValue(int value) {
  max_ = value;
  if (button_) SendMessageW(button_, UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

int TSpinEdit::Value() const {
  // The edit's text is what the user sees (and may have typed).
  const std::wstring text = Text();
  int value = value_;
  try {
    std::size_t used = 0;
    value = std::stoi(text, &used);
  } catch (...) {
    // not a number: the last value stands
  }
  return min_ <= max_ ? std::clamp(value, min_, max_) : value;
}

void TSpinEdit::SetValue(int value) {
  value_ = min_ <= max_ ? std::clamp(value, min_, max_) : value;
  SetText(std::to_wstring(value_));
  if (button_) SendMessageW(button_, UDM_SETPOS32, 0, LPARAM(value_));
}

bool TSpinEdit::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "MinValue") SetMinValue(value.AsInt());
  else if (name == "MaxValue") SetMaxValue(value.AsInt());
  else if (name == "Value") SetValue(value.AsInt());
  else return TCustomEdit::SetProperty(name, value, reader);
  return true;
}

}  // namespace ui
