#include "ui/ListView.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/FormParser.h"
#include "ui/FormReader.h"
#include "ui/TextConv.h"

namespace ui {

namespace {

std::vector<std::wstring> SplitFields(const std::wstring& line) {
  std::vector<std::wstring> fields(1);
  for (wchar_t c : line) {
    if (c == L'|') fields.emplace_back();
    else fields.back() += c;
  }
  return fields;
}

TAlignment AlignmentNamed(const std::wstring& name) {
  if (name.empty() || name == L"taLeftJustify") return taLeftJustify;
  if (name == L"taRightJustify") return taRightJustify;
  if (name == L"taCenter") return taCenter;
  throw EPropertyError("unknown column alignment " + WideToUtf8(name));
}

int ColumnFormat(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify: return LVCFMT_RIGHT;
    case taCenter: return LVCFMT_CENTER;
    default: return LVCFMT_LEFT;
  }
}

DWORD ViewStyleBits(TViewStyle style) {
  switch (style) {
    case vsReport: return LVS_REPORT;
    case vsList: return LVS_LIST;
    case vsSmallIcon: return LVS_SMALLICON;
    default: return LVS_ICON;
  }
}

// The list-view and header window classes exist once the common controls say so.
void EnsureListViewClasses() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_LISTVIEW_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)done;
}

}  // namespace

std::vector<TListColumn> ParseListColumns(const std::wstring& text) {
  std::vector<TListColumn> columns;
  for (const std::wstring& line : SplitLines(text)) {
    const std::vector<std::wstring> fields = SplitFields(line);
    TListColumn column;
    column.Caption = fields[0];
    if (fields.size() > 1 && !fields[1].empty()) {
      try {
        std::size_t used = 0;
        column.Width = std::stoi(fields[1], &used);
        if (used != fields[1].size() || column.Width < 0) throw std::invalid_argument("width");
      } catch (const std::exception&) {
        throw EPropertyError("column width is not a number: " + WideToUtf8(fields[1]));
      }
    }
    if (fields.size() > 2) column.Alignment = AlignmentNamed(fields[2]);
    columns.push_back(std::move(column));
  }
  return columns;
}

std::vector<TListItem> ParseListItems(const std::wstring& text) {
  std::vector<TListItem> items;
  for (const std::wstring& line : SplitLines(text)) {
    std::vector<std::wstring> fields = SplitFields(line);
    TListItem item;
    item.Caption = std::move(fields[0]);
    item.SubItems.assign(fields.begin() + 1, fields.end());
    items.push_back(std::move(item));
  }
  return items;
}

TListView::TListView(TComponent* owner) : TWinControl(owner) {
  StoreBounds(0, 0, 250, 150);
  SetColor(clWindow);
  TabStop = true;
}

void TListView::SetViewStyle(TViewStyle style) {
  if (style == viewStyle_) return;
  viewStyle_ = style;
  if (!HandleAllocated()) return;
  const HWND wnd = Handle();
  const DWORD bits = DWORD(GetWindowLongPtrW(wnd, GWL_STYLE));
  SetWindowLongPtrW(wnd, GWL_STYLE, LONG_PTR((bits & ~DWORD(LVS_TYPEMASK)) | ViewStyleBits(style)));
  InvalidateRect(wnd, nullptr, TRUE);
}

void TListView::SetColumns(const std::vector<TListColumn>& columns) {
  columns_ = columns;
  ShowAll();
}

void TListView::AddColumn(const TListColumn& column) {
  columns_.push_back(column);
  if (HandleAllocated()) ShowColumn(int(columns_.size()) - 1);
}

void TListView::SetColumnWidth(int index, int width) {
  columns_.at(std::size_t(index)).Width = width;
  if (HandleAllocated()) SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, WPARAM(index), MAKELPARAM(width, 0));
}

void TListView::SetItems(const std::vector<TListItem>& items) {
  items_ = items;
  ShowAll();
}

void TListView::AddItem(const TListItem& item) {
  items_.push_back(item);
  if (HandleAllocated()) ShowItem(int(items_.size()) - 1);
}

void TListView::CreateParams(TCreateParams& params) {
  EnsureListViewClasses();
  TWinControl::CreateParams(params);
  params.SystemClass = WC_LISTVIEWW;
  params.Style |= ViewStyleBits(viewStyle_) | LVS_SHOWSELALWAYS | WS_CLIPCHILDREN;
  if (TabStop) params.Style |= WS_TABSTOP;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::CreateWnd() {
  TWinControl::CreateWnd();
  ShowAll();
}

void TListView::PaintWindow(HDC dc) {
  if (DoubleBuffered) Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  TWinControl::PaintWindow(dc);
}

void TListView::ShowAll() {
  if (!HandleAllocated()) return;
  const HWND wnd = Handle();
  SendMessageW(wnd, LVM_DELETEALLITEMS, 0, 0);
  while (SendMessageW(wnd, LVM_DELETECOLUMN, 0, 0)) {
  }
  for (int i = 0; i < int(columns_.size()); ++i) ShowColumn(i);
  for (int i = 0; i < int(items_.size()); ++i) ShowItem(i);
}

void TListView::ShowColumn(int index) {
  const TListColumn& column = columns_[std::size_t(index)];
  LVCOLUMNW lvc{};
  lvc.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  lvc.fmt = ColumnFormat(column.Alignment);
  lvc.cx = column.Width;
  lvc.pszText = const_cast<wchar_t*>(column.Caption.c_str());
  lvc.iSubItem = index;
  SendMessageW(Handle(), LVM_INSERTCOLUMNW, WPARAM(index), reinterpret_cast<LPARAM>(&lvc));
}

void TListView::ShowItem(int index) {
  const HWND wnd = Handle();
  TListItem& item = items_[std::size_t(index)];
  LVITEMW lvi{};
  lvi.mask = LVIF_TEXT;
  lvi.iItem = index;
  lvi.pszText = item.Caption.data();
  const LRESULT row = SendMessageW(wnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lvi));
  if (row < 0) return;
  for (std::size_t i = 0; i < item.SubItems.size(); ++i) {
    LVITEMW sub{};
    sub.iSubItem = int(i) + 1;
    sub.pszText = item.SubItems[i].data();
    SendMessageW(wnd, LVM_SETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(&sub));
  }
}

bool TListView::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "ViewStyle")
    SetViewStyle(value.AsEnum<TViewStyle>(
        {{"vsIcon", vsIcon}, {"vsSmallIcon", vsSmallIcon}, {"vsList", vsList}, {"vsReport", vsReport}}));
  else if (name == "Columns") SetColumns(ParseListColumns(value.AsWide()));
  else if (name == "Items") SetItems(ParseListItems(value.AsWide()));
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

}  // namespace ui
