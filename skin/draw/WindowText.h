// Window identification helpers and the engine's trace sink.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace skin {

// The window's text (at most 999 characters), as WM_GETTEXT gives it; empty for
// a window that is gone.
std::wstring GetWindowTextString(HWND wnd);
// The window's class name (at most 99 characters); empty for a window that is gone.
std::wstring GetClassNameString(HWND wnd);

// Where the engine's trace texts go: nowhere. Kept so the call sites stay.
inline void SkinTrace(std::string_view /*message*/) {}
inline void SkinTrace(std::wstring_view /*message*/) {}

}  // namespace skin
