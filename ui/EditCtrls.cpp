#include "ui/EditCtrls.h"

#include "ui/FormParser.h"

namespace ui {

// ------------------------------------------------------------- TCustomEdit

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  TabStop = true;
  SetColor(clWindow);
  StoreBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"EDIT";
  params.Style |= EditStyle();
  if (readOnly_) params.Style |= ES_READONLY;
  if (TabStop) params.Style |= WS_TABSTOP;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::DestroyWnd() {
  // What the user typed is only in the window.
  if (HandleAllocated()) TControl::SetCaption(Text());
  TWinControl::DestroyWnd();
}

void TCustomEdit::RecreateWnd() {
  if (!HandleAllocated()) return;
  DestroyHandle();
  HandleNeeded();
}

std::wstring TCustomEdit::Text() const {
  if (!HandleAllocated()) return Caption();
  HWND wnd = const_cast<TCustomEdit*>(this)->Handle();
  std::wstring text(std::size_t(GetWindowTextLengthW(wnd)) + 1, L'\0');
  text.resize(std::size_t(GetWindowTextW(wnd, text.data(), int(text.size()))));
  return text;
}

void TCustomEdit::SetBorderStyle(TFormBorderStyle value) {
  if (value != bsNone && value != bsSingle) throw EPropertyError("an edit's border is bsNone or bsSingle");
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

bool TCustomEdit::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "BorderStyle") SetBorderStyle(value.AsEnum<TFormBorderStyle>({{"bsNone", bsNone}, {"bsSingle", bsSingle}}));
  else if (name == "ReadOnly") SetReadOnly(value.AsBool());
  else if (name == "Text") SetText(value.AsWide());
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

// ------------------------------------------------------------------- TEdit

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {}

// ------------------------------------------------------------------- TMemo

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) { StoreBounds(0, 0, 185, 89); }

DWORD TMemo::EditStyle() const {
  DWORD style = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (!wordWrap_ || scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) style |= ES_AUTOHSCROLL;
  return style;
}

void TMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.Style |= WS_HSCROLL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.Style |= WS_VSCROLL;
}

std::vector<std::wstring> TMemo::Lines() const { return SplitTextLines(Text()); }

void TMemo::SetLines(const std::vector<std::wstring>& lines) { SetText(JoinTextLines(lines)); }

void TMemo::SetScrollBars(TScrollStyle value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  RecreateWnd();
}

void TMemo::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  RecreateWnd();
}

bool TMemo::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Lines") SetLines(SplitTextLines(value.AsWide()));
  else if (name == "ScrollBars")
    SetScrollBars(value.AsEnum<TScrollStyle>(
        {{"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical}, {"ssBoth", ssBoth}}));
  else if (name == "WordWrap") SetWordWrap(value.AsBool());
  else return TCustomEdit::SetProperty(name, value, reader);
  return true;
}

// ------------------------------------------------------------------- Lines

std::vector<std::wstring> SplitTextLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::wstring line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c != L'\r' && c != L'\n') {
      line += c;
      continue;
    }
    if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    lines.push_back(std::move(line));
    line.clear();
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::wstring JoinTextLines(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += L"\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace ui
