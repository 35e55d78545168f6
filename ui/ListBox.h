// A list box: a window of the system's LISTBOX class showing Items, one a
// line. Its scroll bars come when needed: the vertical one when there are
// more items than fit, the horizontal one when an item is wider than the box.
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class TListBox : public TWinControl {
 public:
  explicit TListBox(TComponent* owner);
  std::string ClassName() const override { return "TListBox"; }

  const std::vector<std::wstring>& Items() const { return items_; }
  void SetItems(const std::vector<std::wstring>& items);
  void AddItem(const std::wstring& item);
  // The selected item, -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int index);

  TNotifyEvent OnChange;  // the user selected another item

  // "Items" is one string, an item a line.
  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  // Puts the items on the window and sizes the horizontal scroll range.
  void ShowItems();
  void UpdateHorizontalExtent();

  std::vector<std::wstring> items_;
  int itemIndex_ = -1;
};


}  // namespace ui
