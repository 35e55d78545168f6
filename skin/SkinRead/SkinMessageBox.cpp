// Default message handler on Windows: a plain message box captioned with the
// program's name, owned by the active window.
#include <windows.h>

#include <string>

#include "skin/SkinRead/SkinMessage.h"

namespace skin {

namespace {

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring wide(std::size_t(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
  return wide;
}

std::wstring ProgramName() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path, length);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  const auto dot = name.find_last_of(L'.');
  return dot == std::wstring::npos ? name : name.substr(0, dot);
}

}  // namespace

void DefaultSkinMessage(const std::string& utf8Text) {
  MessageBoxW(GetActiveWindow(), Widen(utf8Text).c_str(), ProgramName().c_str(), MB_OK);
}

}  // namespace skin
