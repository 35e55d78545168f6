#include "skin/draw/WindowText.h"

#include <algorithm>

namespace skin {

namespace {

constexpr int kTextLimit = 1000;
constexpr int kClassNameLimit = 100;

// The first `copied` characters of a buffer, never beyond its terminator.
std::wstring FromBuffer(const wchar_t* buffer, LRESULT copied, int limit) {
  const int length = int(std::clamp<LRESULT>(copied, 0, limit - 1));
  return std::wstring(buffer, std::find(buffer, buffer + length, L'\0'));
}

}  // namespace

std::wstring GetWindowTextString(HWND wnd) {
  wchar_t buffer[kTextLimit] = {};
  const LRESULT copied =
      SendMessageW(wnd, WM_GETTEXT, kTextLimit, reinterpret_cast<LPARAM>(buffer));
  return FromBuffer(buffer, copied, kTextLimit);
}

std::wstring GetClassNameString(HWND wnd) {
  wchar_t buffer[kClassNameLimit] = {};
  return FromBuffer(buffer, GetClassNameW(wnd, buffer, kClassNameLimit), kClassNameLimit);
}

}  // namespace skin
