#include "skin/SkinRead/SkinSource.h"

#include <system_error>

#include "skin/SkinRead/FileBytes.h"
#include "skin/SkinRead/SkinCheck.h"
#include "skin/SkinRead/SkinDirectory.h"
#include "skin/SkinRead/StoredSkin.h"
#include "skin/WinSkinData/SkinSet.h"

namespace skin {

namespace fs = std::filesystem;

namespace {

// No package the reader accepts comes from a larger file; such a file is not
// read at all.
constexpr std::uintmax_t kMaxSourceFileSize = 2 * std::uintmax_t(kMaxPackageSize);

// The errors of a report, one a line, in the tool's wording.
std::string ErrorLines(const TCheckReport& report) {
  std::string lines;
  for (const TProblem& p : report.Problems()) {
    if (p.Severity != TSeverity::Error) continue;
    if (!lines.empty()) lines += '\n';
    lines += p.File.empty() ? std::string("package") : p.File;
    if (!p.Key.empty()) lines += " [" + p.Key + "]";
    lines += ": " + p.Text;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

// The stored skin of a file or folder, or why there is none.
std::string ReadStored(const fs::path& path, std::vector<std::uint8_t>& stored) {
  std::error_code error;
  if (fs::is_directory(path, error)) {
    const TSkinSource source = ReadSkinDirectory(path);
    if (!source.Errors.empty()) return JoinLines(source.Errors);
    stored = StoredSkinOf(source);
    return {};
  }
  if (!fs::exists(path, error)) return "no such file or folder";
  if (!fs::is_regular_file(path, error)) return "not a file";
  const std::uintmax_t size = fs::file_size(path, error);
  if (error) return "cannot be read";
  if (size > kMaxSourceFileSize) return "too large to be a stored skin";
  if (!ReadFileBytes(path, stored)) return "cannot be read";
  return {};
}

}  // namespace

std::string PathText(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string StoredSkinProblem(const std::vector<std::uint8_t>& stored, std::string* name) {
  TSkinReader reader;
  std::string reason;
  if (!LoadStoredSkin(stored, reader, reason)) return "not a stored skin: " + reason;
  TCheckReport report;
  CheckPackage(reader, report);
  if (report.Count(TSeverity::Error) > 0) return ErrorLines(report);
  TSkinSet scratch;
  ui::TMemoryStream stream{std::vector<std::uint8_t>(stored)};
  if (!scratch.LoadFromStored(stream)) return "package: the skin definition cannot be loaded";
  if (name) *name = scratch.SkinName;
  return {};
}

TSkinSourceRead ReadSkinSource(const fs::path& path) {
  TSkinSourceRead read;
  std::string problem = ReadStored(path, read.Stored);
  if (problem.empty()) problem = StoredSkinProblem(read.Stored, &read.Name);
  if (!problem.empty()) {
    read.Stored.clear();
    read.Problem = PathText(path) + ":\n" + problem;
  }
  return read;
}

}  // namespace skin
