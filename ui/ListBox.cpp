#include "ui/ListBox.h"

#include <algorithm>

#include "ui/FormParser.h"
#include "ui/FormReader.h"
#include "ui/GdiHandles.h"
#include "ui/TextConv.h"

namespace ui {

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
  StoreBounds(0, 0, 121, 97);
  SetColor(clWindow);
  TabStop = true;
}

void TListBox::SetItems(const std::vector<std::wstring>& items) {
  items_ = items;
  if (itemIndex_ >= int(items_.size())) itemIndex_ = -1;
  ShowItems();
}

void TListBox::AddItem(const std::wstring& item) {
  items_.push_back(item);
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  UpdateHorizontalExtent();
}

int TListBox::ItemIndex() const {
  if (!HandleAllocated()) return itemIndex_;
  const LRESULT index = SendMessageW(const_cast<TListBox*>(this)->Handle(), LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : int(index);
}

void TListBox::SetItemIndex(int index) {
  if (items_.empty() && InState(csLoading)) {  // the items may come later in the description
    itemIndex_ = index;
    return;
  }
  if (index < -1 || index >= int(items_.size())) index = -1;
  itemIndex_ = index;
  if (HandleAllocated()) SendMessageW(Handle(), LB_SETCURSEL, WPARAM(index), 0);
}

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"LISTBOX";
  params.Style |= WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (TabStop) params.Style |= WS_TABSTOP;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd() {
  TWinControl::CreateWnd();
  ShowItems();
}

void TListBox::ShowItems() {
  if (!HandleAllocated()) return;
  const HWND wnd = Handle();
  SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
  SendMessageW(wnd, LB_RESETCONTENT, 0, 0);
  for (const std::wstring& item : items_) SendMessageW(wnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageW(wnd, LB_SETCURSEL, WPARAM(itemIndex_), 0);
  SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
  UpdateHorizontalExtent();
  InvalidateRect(wnd, nullptr, TRUE);
}

// The list box shows its horizontal bar only when told how wide its widest item is.
void TListBox::UpdateHorizontalExtent() {
  const HWND wnd = Handle();
  WindowDC dc(wnd);
  if (!dc.Get()) return;
  SelectGuard font(dc.Get(), Font().Handle());
  int widest = 0;
  for (const std::wstring& item : items_) {
    SIZE size{};
    if (GetTextExtentPoint32W(dc.Get(), item.c_str(), int(item.size()), &size)) widest = std::max<int>(widest, size.cx);
  }
  SendMessageW(wnd, LB_SETHORIZONTALEXTENT, WPARAM(widest + 6), 0);
}

void TListBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == LBN_SELCHANGE) {
    itemIndex_ = ItemIndex();
    if (OnChange) OnChange(this);
    return;
  }
  if (m.Msg == CM_FONTCHANGED) {
    TWinControl::WndProc(m);
    if (HandleAllocated()) UpdateHorizontalExtent();
    return;
  }
  TWinControl::WndProc(m);
}

bool TListBox::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Items") SetItems(SplitLines(value.AsWide()));
  else if (name == "ItemIndex") SetItemIndex(value.AsInt());
  else if (name == "OnChange") OnChange = reader.FindEvent<TNotifyEvent>(value);
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

}  // namespace ui
