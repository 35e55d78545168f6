// A list view: a window of the system's list-view class. ViewStyle picks how
// the items show: vsReport as rows under a column header (Columns with their
// captions, widths and alignments; an item's SubItems fill the columns after
// the first), vsList as a list, vsIcon and vsSmallIcon as icons.
//
// In a form description Columns and Items are one string each, an entry a
// line, its fields parted by '|':
//   Columns = 'Name|120|taLeftJustify'#13#10'Size|60|taRightJustify'
//   Items = 'readme.txt|4 KB'#13#10'notes.txt|1 KB'
// (a column's width and alignment may be left out: 50, taLeftJustify).
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Panel.h"  // TAlignment

namespace ui {

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

struct TListColumn {
  std::wstring Caption;
  int Width = 50;
  TAlignment Alignment = taLeftJustify;
};

struct TListItem {
  std::wstring Caption;
  std::vector<std::wstring> SubItems;
};

class TListView : public TWinControl {
 public:
  explicit TListView(TComponent* owner);
  std::string ClassName() const override { return "TListView"; }

  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle style);
  const std::vector<TListColumn>& Columns() const { return columns_; }
  void SetColumns(const std::vector<TListColumn>& columns);
  void AddColumn(const TListColumn& column);
  // One column's width (index < Columns().size()), items and columns kept.
  void SetColumnWidth(int index, int width);
  const std::vector<TListItem>& Items() const { return items_; }
  void SetItems(const std::vector<TListItem>& items);
  void AddItem(const TListItem& item);

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // Painting into an off-screen bitmap (DoubleBuffered), the list view's
  // background, which it paints when asked to erase, goes there first.
  void PaintWindow(HDC dc) override;

 private:
  void ShowColumn(int index);
  void ShowItem(int index);
  void ShowAll();

  TViewStyle viewStyle_ = vsIcon;
  std::vector<TListColumn> columns_;
  std::vector<TListItem> items_;
};

// The entries of a Columns or Items text. Throws EPropertyError for a width
// that is not a number or an unknown alignment.
std::vector<TListColumn> ParseListColumns(const std::wstring& text);
std::vector<TListItem> ParseListItems(const std::wstring& text);

}  // namespace ui
