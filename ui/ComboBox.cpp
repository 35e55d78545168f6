#include "ui/ComboBox.h"

#include <algorithm>

#include "ui/EditCtrls.h"  // SplitTextLines
#include "ui/FormParser.h"

namespace ui {

namespace {

DWORD ComboStyle(TComboBoxStyle style) {
  switch (style) {
    case csSimple: return CBS_SIMPLE;
    case csDropDownList: return CBS_DROPDOWNLIST;
    default: return CBS_DROPDOWN;
  }
}

}  // namespace

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  TabStop = true;
  SetColor(clWindow);
  StoreBounds(0, 0, 145, 21);
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"COMBOBOX";
  params.Style |= ComboStyle(style_) | WS_VSCROLL | CBS_AUTOHSCROLL;
  if (TabStop) params.Style |= WS_TABSTOP;
  // A drop-down combo box takes the height it is made with for its list,
  // and sizes itself to one line.
  if (style_ != csSimple) params.Height += DropDownCount * 16;
}

void TComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  FillWindow();
}

void TComboBox::DestroyWnd() {
  if (HandleAllocated()) itemIndex_ = ItemIndex();
  TWinControl::DestroyWnd();
}

void TComboBox::FillWindow() {
  if (!HandleAllocated()) return;
  const HWND wnd = Handle();
  SendMessageW(wnd, CB_RESETCONTENT, 0, 0);
  for (const std::wstring& item : items_) SendMessageW(wnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageW(wnd, CB_SETCURSEL, WPARAM(itemIndex_), 0);
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  if (value == style_) return;
  style_ = value;
  if (!HandleAllocated()) return;
  DestroyHandle();
  HandleNeeded();
}

void TComboBox::SetItems(const std::vector<std::wstring>& items) {
  items_ = items;
  if (itemIndex_ >= int(items_.size()) && !InState(csLoading)) itemIndex_ = -1;
  FillWindow();
}

int TComboBox::ItemIndex() const {
  if (!HandleAllocated()) return itemIndex_;
  return int(SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
  // The items may come later in a description.
  const bool known = InState(csLoading) || (index >= -1 && index < int(items_.size()));
  itemIndex_ = known ? index : -1;
  if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, WPARAM(itemIndex_), 0);
}

bool TComboBox::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Style")
    SetStyle(value.AsEnum<TComboBoxStyle>(
        {{"csDropDown", csDropDown}, {"csSimple", csSimple}, {"csDropDownList", csDropDownList}}));
  else if (name == "Items") SetItems(SplitTextLines(value.AsWide()));
  else if (name == "ItemIndex") SetItemIndex(value.AsInt());
  else if (name == "DropDownCount") DropDownCount = std::clamp(value.AsInt(), 1, 100);
  else if (name == "Text") SetCaption(value.AsWide());
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

void TComboBox::PaintWindow(HDC dc) {
  if (DoubleBuffered) {
    // A simple combo box's list may end above its bottom; the parent's
    // colour shows there.
    TCanvas(dc).FillRect(ClientRect(), Parent() ? Parent()->Color() : Color());
    TMessage erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(erase);
  }
  TWinControl::PaintWindow(dc);
}

}  // namespace ui
