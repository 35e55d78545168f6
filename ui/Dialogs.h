// Message boxes. Texts are shown through the wide system call, so Chinese
// reaches the screen whatever the system's ANSI code page is.
#pragma once

#include <windows.h>

#include <string_view>

namespace ui {

class TWinControl;

// Shows a message box owned by `owner` and returns the button chosen (IDOK...).
int ShowMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags);
// The same for UTF-8 texts.
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags);
// Owned by a control's window (its window is created when needed; null for no owner).
int ShowMessageBox(TWinControl* owner, std::string_view text, std::string_view caption, UINT flags);

}  // namespace ui
