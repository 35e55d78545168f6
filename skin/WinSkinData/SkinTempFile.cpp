#include "skin/WinSkinData/SkinTempFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace skin {

namespace {

std::filesystem::path& FolderOverride() {
  static std::filesystem::path folder;
  return folder;
}

enum class TWriteResult { Written, NameTaken, NotCreated, WriteFailed };

std::string UniqueName() {
  static std::mt19937_64 random{std::random_device{}()};
  static unsigned counter = 0;
  char name[48];
  std::snprintf(name, sizeof name, "tvskin-%08x-%04x.ini", unsigned(random() & 0xFFFFFFFFu), ++counter & 0xFFFFu);
  return name;
}

#ifdef _WIN32
// Creates `path` (never over an existing file) and writes `bytes`.
TWriteResult WriteNewFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return GetLastError() == ERROR_FILE_EXISTS ? TWriteResult::NameTaken : TWriteResult::NotCreated;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
    done += written;
  }
  ok = CloseHandle(file) && ok;
  return ok ? TWriteResult::Written : TWriteResult::WriteFailed;
}
#else
TWriteResult WriteNewFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return errno == EEXIST ? TWriteResult::NameTaken : TWriteResult::NotCreated;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
    ok = written > 0;
    if (ok) done += std::size_t(written);
  }
  ok = close(fd) == 0 && ok;
  return ok ? TWriteResult::Written : TWriteResult::WriteFailed;
}
#endif

}  // namespace

std::filesystem::path SkinTempFolder() {
  if (!FolderOverride().empty()) return FolderOverride();
#ifdef _WIN32
  wchar_t buffer[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  if (length == 0 || length > MAX_PATH) return {};
  return std::filesystem::path(std::wstring(buffer, length));
#else
  std::error_code error;
  std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  return error ? std::filesystem::path() : folder;
#endif
}

void SetSkinTempFolder(std::filesystem::path folder) { FolderOverride() = std::move(folder); }

bool TSkinTempFile::Create(std::span<const std::uint8_t> bytes) {
  const std::filesystem::path folder = SkinTempFolder();
  if (folder.empty() || !path_.empty()) return false;
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::filesystem::path candidate = folder / UniqueName();
    switch (WriteNewFile(candidate, bytes)) {
      case TWriteResult::Written:
        path_ = std::move(candidate);
        return true;
      case TWriteResult::NameTaken:
        continue;
      case TWriteResult::WriteFailed: {
        std::error_code ignored;
        std::filesystem::remove(candidate, ignored);  // partly written, but ours
        return false;
      }
      case TWriteResult::NotCreated:
        return false;
    }
  }
  return false;
}

TSkinTempFile::~TSkinTempFile() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

}  // namespace skin
