// Where the pages are: a `www` folder beside the server's executable (an
// installed copy, and the Windows build tree, which mirrors that layout), or
// else the source tree's folder fixed when the server was built.
#include "site/SiteServer.h"

#ifdef _WIN32
#include <windows.h>

#include <filesystem>
#endif

namespace site {
namespace {

#ifdef _WIN32
// The library opens files through the narrow C runtime, which reads paths in
// the ANSI code page. A folder whose name that page cannot write (Chinese on a
// Western system, say) is given by its short name, which is plain ASCII.
std::string NarrowPath(const std::wstring& path) {
  auto narrow = [](const std::wstring& wide, bool& lossy) {
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr, 0,
                                         nullptr, &usedDefault);
    std::string out(size > 0 ? size_t(size) : 1, '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, out.data(), size, nullptr,
                        &usedDefault);
    out.resize(out.size() - 1);
    lossy = usedDefault != FALSE;
    return out;
  };
  bool lossy = false;
  std::string out = narrow(path, lossy);
  if (!lossy) return out;
  std::wstring shortPath(MAX_PATH, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), DWORD(shortPath.size()));
  if (length == 0 || length >= shortPath.size()) return out;
  shortPath.resize(length);
  return narrow(shortPath, lossy);
}

std::wstring FolderBesideExecutable(const wchar_t* name) {
  std::wstring exe(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, exe.data(), DWORD(exe.size()));
  if (length == 0 || length >= exe.size()) return {};
  exe.resize(length);
  return (std::filesystem::path(exe).parent_path() / name).wstring();
}
#endif

}  // namespace

std::string DefaultRoot() {
#ifdef _WIN32
  const std::wstring beside = FolderBesideExecutable(L"www");
  const DWORD attributes = beside.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(beside.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return NarrowPath(beside);
  }
#endif
  return TAVRIN_SITE_ROOT;
}

}  // namespace site
