#include "tools/skinpack/Unpack.h"

#include <set>
#include <system_error>

#include "skin/SkinRead/FileBytes.h"
#include "skin/SkinRead/PackageNames.h"
#include "skin/SkinRead/SkinDirectory.h"

namespace skinpack {

using skin::NameProblem;
using skin::PathOf;
using skin::WriteFileBytes;

namespace fs = std::filesystem;

namespace {

// Replaces whatever stands at `path`: a link there is removed, never followed.
bool WriteNewFile(const fs::path& path, const ui::TMemoryStream& bytes) {
  std::error_code error;
  fs::remove(path, error);
  return WriteFileBytes(path, bytes.Vector());
}

bool TryWrite(const fs::path& folder, const std::string& name, const ui::TMemoryStream& bytes) {
  try {
    return WriteNewFile(PathOf(folder, name), bytes);
  } catch (const std::exception&) {  // a name the file system cannot represent
    return false;
  }
}

}  // namespace

std::size_t UnpackTo(const skin::TSkinReader& reader, const fs::path& folder, std::ostream& out, std::ostream& err) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder, error)) {
    err << folder.string() << ": cannot create the folder\n";
    return reader.Count() + 1;
  }
  std::size_t skipped = 0;
  std::set<std::string> written;
  ui::TMemoryStream bytes;
  for (std::size_t i = 0; i < reader.Count(); ++i) {
    const std::string& name = reader.Names()[i];
    if (const std::string problem = NameProblem(name); !problem.empty()) {
      err << "entry " << i + 1 << " \"" << name << "\": skipped, " << problem << '\n';
      ++skipped;
      continue;
    }
    if (!written.insert(name).second) {
      err << "entry " << i + 1 << " \"" << name << "\": skipped, a repeated name (the program reads the first)\n";
      ++skipped;
      continue;
    }
    reader.ExtractByIndex(i, bytes);
    if (!TryWrite(folder, name, bytes)) {
      err << name << ": cannot be written\n";
      ++skipped;
      continue;
    }
    out << name << '\n';
  }
  return skipped;
}

}  // namespace skinpack
