#include "ui/StdCtrls.h"

#include <algorithm>

#include "ui/FormParser.h"
#include "ui/FormScale.h"
#include "ui/TextConv.h"

namespace ui {

namespace {

constexpr DWORD kButtonTypeFlags = BS_TYPEMASK | BS_LEFTTEXT;

// Height of a line of `font`.
int LineHeight(const TFont& font) {
  HDC screen = GetDC(nullptr);
  TEXTMETRICW metrics{};
  {
    SelectGuard select(screen, font.Handle());
    GetTextMetricsW(screen, &metrics);
  }
  ReleaseDC(nullptr, screen);
  return metrics.tmHeight;
}

}  // namespace

// ---------------------------------------------------------- TButtonControl

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) { TabStop = true; }

void TButtonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"BUTTON";
  params.Style |= ButtonStyle();
  if (TabStop) params.Style |= WS_TABSTOP;
}

void TButtonControl::CreateWnd() {
  TWinControl::CreateWnd();
  WindowCreated();
}

void TButtonControl::UpdateButtonStyle() {
  if (!HandleAllocated()) return;
  const HWND wnd = Handle();
  const DWORD style = (DWORD(GetWindowLongPtrW(wnd, GWL_STYLE)) & ~kButtonTypeFlags) | ButtonStyle();
  SetWindowLongPtrW(wnd, GWL_STYLE, LONG_PTR(style));
  InvalidateRect(wnd, nullptr, TRUE);
}

void TButtonControl::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
    reportedClick_ = true;
    try {
      Clicked();
    } catch (...) {
      reportedClick_ = false;
      throw;
    }
    reportedClick_ = false;
    return;
  }
  if (m.Msg == WM_LBUTTONUP) {
    // The system button holds the mouse from press to release itself. The
    // container's capture handling would take it away before the button sees
    // the release, and the button would drop the click.
    TControl::WndProc(m);
    return;
  }
  TWinControl::WndProc(m);
}

void TButtonControl::Click() {
  if (reportedClick_) TWinControl::Click();
}

// ----------------------------------------------------------------- TButton

TButton::TButton(TComponent* owner) : TButtonControl(owner) { StoreBounds(0, 0, 75, 25); }

void TButton::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  UpdateButtonStyle();
}

bool TButton::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Default") SetDefault(value.AsBool());
  else if (name == "Cancel") Cancel = value.AsBool();
  else return TButtonControl::SetProperty(name, value, reader);
  return true;
}

// ------------------------------------------------------------- TMarkButton

void TMarkButton::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  UpdateButtonStyle();
}

void TMarkButton::ShowCheckState() {
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, CheckState(), 0);
}

bool TMarkButton::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name != "Alignment") return TButtonControl::SetProperty(name, value, reader);
  SetAlignment(value.AsEnum<TAlignment>({{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}}));
  return true;
}

// --------------------------------------------------------------- TCheckBox

TCheckBox::TCheckBox(TComponent* owner) : TMarkButton(owner) { StoreBounds(0, 0, 97, 17); }

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == state_) return;
  state_ = state;
  ShowCheckState();
}

void TCheckBox::Clicked() {
  switch (state_) {
    case cbUnchecked: SetState(cbChecked); break;
    case cbChecked: SetState(AllowGrayed ? cbGrayed : cbUnchecked); break;
    case cbGrayed: SetState(cbUnchecked); break;
  }
  Click();
}

bool TCheckBox::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "State")
    SetState(value.AsEnum<TCheckBoxState>({{"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}}));
  else if (name == "Checked") SetChecked(value.AsBool());
  else if (name == "AllowGrayed") AllowGrayed = value.AsBool();
  else return TMarkButton::SetProperty(name, value, reader);
  return true;
}

// ------------------------------------------------------------ TRadioButton

TRadioButton::TRadioButton(TComponent* owner) : TMarkButton(owner) { StoreBounds(0, 0, 113, 17); }

void TRadioButton::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  ShowCheckState();
  if (!value || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
    if (other && other != this) other->SetChecked(false);
  }
}

void TRadioButton::Clicked() {
  SetChecked(true);
  Click();
}

bool TRadioButton::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name != "Checked") return TMarkButton::SetProperty(name, value, reader);
  SetChecked(value.AsBool());
  return true;
}

// --------------------------------------------------------------- TGroupBox

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) { StoreBounds(0, 0, 185, 105); }

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"BUTTON";
  params.Style |= BS_GROUPBOX;
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TGroupBox::AdjustClientRect(RECT& rect) const {
  const int captionHeight = LineHeight(Font());
  const int edge = ScaleValue(2, Dpi());
  rect.left += edge;
  rect.top += captionHeight;
  rect.right -= edge;
  rect.bottom -= edge;
}

void TGroupBox::WndProc(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND) {
    // The system's group box leaves its inside alone; the children's
    // background is ours to fill.
    RECT r;
    GetClientRect(Handle(), &r);
    TCanvas canvas(reinterpret_cast<HDC>(m.WParam));
    canvas.FillRect(r, Color());
    m.Result = 1;
    return;
  }
  TWinControl::WndProc(m);
}

void TGroupBox::PaintWindow(HDC dc) {
  if (DoubleBuffered) {
    TCanvas canvas(dc);
    canvas.FillRect(ClientRect(), Color());
  }
  TWinControl::PaintWindow(dc);
}

// ------------------------------------------------------------- TRadioGroup

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner) {}

void TRadioGroup::SetItems(const std::vector<std::wstring>& items) {
  for (TRadioButton* button : buttons_) delete button;
  buttons_.clear();
  items_ = items;
  for (const std::wstring& item : items_) {
    auto* button = new TRadioButton(this);
    button->SetCaption(item);
    button->OnClick = [this, button](TObject*) { ButtonClicked(button); };
    button->SetParent(this);
    buttons_.push_back(button);
  }
  const int index = itemIndex_;
  itemIndex_ = -1;
  SetItemIndex(index < int(items_.size()) ? index : -1);
  Realign();
}

void TRadioGroup::SetItemIndex(int index) {
  if (buttons_.empty() && InState(csLoading)) {  // the items may come later in the description
    itemIndex_ = index;
    return;
  }
  if (index < -1 || index >= int(buttons_.size())) index = -1;
  itemIndex_ = index;
  if (index >= 0) {
    buttons_[std::size_t(index)]->SetChecked(true);
  } else {
    for (TRadioButton* button : buttons_) button->SetChecked(false);
  }
}

void TRadioGroup::SetColumns(int columns) {
  columns_ = std::clamp(columns, 1, 16);
  Realign();
}

void TRadioGroup::ButtonClicked(TRadioButton* button) {
  const auto it = std::find(buttons_.begin(), buttons_.end(), button);
  if (it == buttons_.end()) return;
  SetItemIndex(int(it - buttons_.begin()));
  Click();
}

// The buttons fill the inside column by column, each centred in its row.
void TRadioGroup::AlignControls(RECT& rect) {
  TGroupBox::AlignControls(rect);
  if (buttons_.empty()) return;
  const int count = int(buttons_.size());
  const int rows = (count + columns_ - 1) / columns_;
  const int dpi = Dpi();
  const int columnWidth = std::max<int>((rect.right - rect.left - ScaleValue(8, dpi)) / columns_, 0);
  const int rowHeight = std::max<int>((rect.bottom - rect.top) / rows, 0);
  const int buttonHeight = std::min(rowHeight, LineHeight(Font()) + ScaleValue(4, dpi));
  const int left = rect.left + ScaleValue(6, dpi);
  for (int i = 0; i < count; ++i) {
    const int column = i / rows, row = i % rows;
    const int top = rect.top + row * rowHeight + (rowHeight - buttonHeight) / 2;
    buttons_[std::size_t(i)]->SetBounds(left + column * columnWidth, top, columnWidth, buttonHeight);
  }
}

bool TRadioGroup::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Items") SetItems(SplitLines(value.AsWide()));
  else if (name == "ItemIndex") SetItemIndex(value.AsInt());
  else if (name == "Columns") SetColumns(value.AsInt());
  else return TGroupBox::SetProperty(name, value, reader);
  return true;
}

}  // namespace ui
