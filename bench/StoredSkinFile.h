// The stored skin the Windows benchmarks measure with: built into the build
// tree's skin folder, beside the benchmarks' own folder.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// ..\skin\tavrin.skin from the executable's folder.
inline std::wstring DefaultSkinPath() {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring path(exe);
  path.erase(path.find_last_of(L"\\/"));
  path.erase(path.find_last_of(L"\\/") + 1);
  return path + L"skin\\tavrin.skin";
}

// The whole file; false when it cannot be read.
inline bool ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bytes.assign(GetFileSize(file, nullptr), 0);
  DWORD read = 0;
  const bool ok = ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size();
  CloseHandle(file);
  return ok;
}

}  // namespace bench
