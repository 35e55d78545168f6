// The stored skin the Windows benchmarks measure with: built into the build
// tree's skin folder, beside the benchmarks' own folder.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

// The command line of a Windows benchmark: [--rounds N] [skin file].
struct TBenchArgs {
  std::wstring SkinPath = DefaultSkinPath();
  int Rounds;
};

inline TBenchArgs ParseArgs(int argc, char** argv, int defaultRounds) {
  TBenchArgs args{DefaultSkinPath(), defaultRounds};
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
      args.Rounds = std::max(1, std::atoi(argv[++i]));
    } else {
      const std::string arg = argv[i];
      args.SkinPath.assign(arg.begin(), arg.end());
    }
  }
  return args;
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
