// A combo box: a window of the system's COMBOBOX class (superclassed, so its
// window class is "TComboBox") holding Items. Style picks the kind: an edit
// with a drop-down list, an edit over a list that is always shown, or a
// drop-down list without an edit.
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* owner);
  std::string ClassName() const override { return "TComboBox"; }

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  const std::vector<std::wstring>& Items() const { return items_; }
  void SetItems(const std::vector<std::wstring>& items);
  // The selected item (-1: none), as the window has it.
  int ItemIndex() const;
  void SetItemIndex(int index);
  // Lines the drop-down list shows at most.
  int DropDownCount = 8;

  // "Items" is one string, an item a line.
  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  // Painting off screen (double buffered), the control's background is
  // put there first: the control leaves that to WM_ERASEBKGND.
  void PaintWindow(HDC dc) override;
  void CreateWnd() override;
  void DestroyWnd() override;

 private:
  // Puts items and selection into the window.
  void FillWindow();

  TComboBoxStyle style_ = csDropDown;
  std::vector<std::wstring> items_;
  int itemIndex_ = -1;
};

}  // namespace ui
