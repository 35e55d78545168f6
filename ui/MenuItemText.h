// The text a screen reader reads of an owner-drawn menu item. Such an item has
// no text of its own; the system's accessible menu object looks at the item
// data instead, and reads the text there when the data points at an
// MSAAMENUINFO. An item's data is the address of Info.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace ui {

class TMenuItemText {
 public:
  TMenuItemText() = default;
  explicit TMenuItemText(std::wstring text) { Set(std::move(text)); }
  TMenuItemText(const TMenuItemText&) = delete;
  TMenuItemText& operator=(const TMenuItemText&) = delete;

  // The item's text as a menu item string: "&" before the access key, a tab
  // before the shortcut.
  void Set(std::wstring text) {
    text_ = std::move(text);
    info_.dwMSAASignature = MSAA_MENU_SIG;
    info_.cchWText = DWORD(text_.size());
    info_.pszWText = text_.data();
  }
  const std::wstring& Text() const { return text_; }
  // The value for the item's dwItemData.
  ULONG_PTR Data() const { return reinterpret_cast<ULONG_PTR>(&info_); }

 private:
  MSAAMENUINFO info_{};
  std::wstring text_;
};

}  // namespace ui
