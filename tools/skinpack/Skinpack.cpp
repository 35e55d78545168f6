#include "tools/skinpack/Skinpack.h"

#include <filesystem>
#include <functional>
#include <iomanip>
#include <map>

#include "skin/SkinRead/FileBytes.h"
#include "skin/SkinRead/SkinCheck.h"
#include "skin/SkinRead/SkinDirectory.h"
#include "skin/SkinRead/StoredSkin.h"
#include "skin/codec/LzhEncoder.h"
#include "tools/skinpack/StoredSkinFile.h"
#include "tools/skinpack/Unpack.h"

namespace skinpack {

namespace fs = std::filesystem;

// The packing, loading and checking the programs share (skin/).
using skin::CheckPackage;
using skin::EncodeStored;
using skin::LoadStoredSkin;
using skin::LoadStoredSkinFile;
using skin::ReadFileBytes;
using skin::ReadSkinDirectory;
using skin::StoredSkinOf;
using skin::TCheckReport;
using skin::TSeverity;
using skin::TSkinSource;
using skin::WriteFileBytes;

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char* const kUsageText =
    "usage: skinpack COMMAND ARGS\n"
    "  pack DIR FILE     pack the .bmp files and the one .ini file of DIR into the stored skin FILE\n"
    "  unpack FILE DIR   write every file of the stored skin FILE into DIR\n"
    "  list FILE         names and sizes of the files in the stored skin FILE\n"
    "  check FILE|DIR    report what keeps the program from using a stored skin or a skin folder\n"
    "  encode IN OUT     compress any file IN into the stored-skin form (size + LZH stream)\n"
    "  decode IN OUT     decompress a stored-skin form IN into OUT\n";

struct TCommand {
  std::size_t arguments;
  std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)> run;
};

void PrintAll(const std::vector<std::string>& lines, const char* prefix, std::ostream& stream) {
  for (const std::string& line : lines) stream << prefix << line << '\n';
}

int Pack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const TSkinSource source = ReadSkinDirectory(args[0]);
  PrintAll(source.Notes, "note: ", err);
  PrintAll(source.Errors, "error: ", err);
  if (!source.Errors.empty()) return kFailed;
  const std::vector<std::uint8_t> stored = StoredSkinOf(source);
  if (!WriteFileBytes(args[1], stored)) {
    err << "error: " << args[1] << ": cannot be written\n";
    return kFailed;
  }
  out << "packed " << source.Files.size() << " files into " << args[1] << " (" << stored.size() << " bytes)\n";
  return 0;
}

int LoadOrReport(const std::string& file, skin::TSkinReader& reader, std::ostream& err) {
  std::string reason;
  if (LoadStoredSkinFile(file, reader, reason)) return 0;
  err << "error: " << file << ": " << reason << '\n';
  return kFailed;
}

int Unpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  skin::TSkinReader reader;
  if (const int status = LoadOrReport(args[0], reader, err)) return status;
  return UnpackTo(reader, args[1], out, err) == 0 ? 0 : kFailed;
}

int List(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  skin::TSkinReader reader;
  if (const int status = LoadOrReport(args[0], reader, err)) return status;
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < reader.Count(); ++i) {
    out << std::setw(10) << reader.FileSize(i) << "  " << reader.Names()[i] << '\n';
    total += reader.FileSize(i);
  }
  out << std::setw(10) << total << "  " << reader.Count() << " files, package version " << reader.Version() << '\n';
  return 0;
}

int Check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::uint8_t> stored;
  std::error_code error;
  if (fs::is_directory(args[0], error)) {
    // A folder is checked as the package it would become.
    const TSkinSource source = ReadSkinDirectory(args[0]);
    PrintAll(source.Notes, "note: ", out);
    if (!source.Errors.empty()) {
      PrintAll(source.Errors, "error: ", out);
      out << source.Errors.size() << " error(s)\n";
      return kFailed;
    }
    stored = StoredSkinOf(source);
  } else if (!ReadFileBytes(args[0], stored)) {
    err << "error: " << args[0] << ": cannot be read\n";
    return kFailed;
  }
  skin::TSkinReader reader;
  std::string reason;
  if (!LoadStoredSkin(std::move(stored), reader, reason)) {
    out << "error: package: " << reason << "\n1 error(s), 0 warning(s)\n";
    return kFailed;
  }
  TCheckReport report;
  CheckPackage(reader, report);
  report.Print(out);
  return report.Count(TSeverity::Error) == 0 ? 0 : kFailed;
}

int Encode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::uint8_t> data;
  if (!ReadFileBytes(args[0], data)) {
    err << "error: " << args[0] << ": cannot be read\n";
    return kFailed;
  }
  if (data.size() > 0xFFFFFFFFu) {
    err << "error: " << args[0] << ": 4 GiB or more cannot be stored\n";
    return kFailed;
  }
  const std::vector<std::uint8_t> stored = EncodeStored(data);
  if (!WriteFileBytes(args[1], stored)) {
    err << "error: " << args[1] << ": cannot be written\n";
    return kFailed;
  }
  out << data.size() << " bytes encoded into " << stored.size() << '\n';
  return 0;
}

int Decode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  if (!DecodeStoredFile(args[0], args[1], error)) {
    err << "error: " << error << '\n';
    return kFailed;
  }
  out << "decoded " << args[0] << " into " << args[1] << '\n';
  return 0;
}

const std::map<std::string, TCommand>& Commands() {
  static const std::map<std::string, TCommand> commands = {
      {"pack", {2, Pack}},     {"unpack", {2, Unpack}}, {"list", {1, List}},
      {"check", {1, Check}},   {"encode", {2, Encode}}, {"decode", {2, Decode}},
  };
  return commands;
}

}  // namespace

int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    (args.empty() ? err : out) << kUsageText;
    return args.empty() ? kUsage : 0;
  }
  const auto command = Commands().find(args[0]);
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == Commands().end() || rest.size() != command->second.arguments) {
    err << "skinpack: wrong command line\n" << kUsageText;
    return kUsage;
  }
  try {
    return command->second.run(rest, out, err);
  } catch (const std::exception& e) {
    err << "error: " << e.what() << '\n';
    return kFailed;
  }
}

}  // namespace skinpack
