#include "ui/Dialogs.h"

#include <string>

#include "ui/Control.h"
#include "ui/TextConv.h"

namespace ui {

int ShowMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags) {
  const std::wstring t(text), c(caption);  // the system call needs terminated strings
  return MessageBoxW(owner, t.c_str(), c.c_str(), flags);
}

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
  return ShowMessageBox(owner, std::wstring_view(Utf8ToWide(text)), std::wstring_view(Utf8ToWide(caption)), flags);
}

int ShowMessageBox(TWinControl* owner, std::string_view text, std::string_view caption, UINT flags) {
  return ShowMessageBox(owner ? owner->Handle() : HWND(nullptr), text, caption, flags);
}

}  // namespace ui
