// TIniFile: a read-only reader of skin definitions in INI form, following the
// rules of the system's private-profile functions so that a definition reads
// the same here as with the system's own reader, but working on memory and
// never failing on odd text.
//
// The rules, and the choices where the system's reader is loosely defined:
// - Lines end at CR, LF or CR LF; blanks (space, tab) around a line are ignored.
//   A UTF-8 byte-order mark at the very start is skipped.
// - "[name]" starts a section; the name is the text up to the last "]",
//   trimmed. A "[" line without "]" is not a section header.
// - "key = value": the key is the text before the first "=", the value the text
//   after it, both trimmed. A value enclosed in one pair of matching double or
//   single quotes loses them. A ";" inside a value is part of the value.
// - Lines starting with ";", lines without "=", and keys before the first
//   section are ignored.
// - Section and key names compare case-insensitively (ASCII letters only).
// - Duplicates: the first section of a name is the one that is read (keys in
//   a later section of the same name are not seen), the first key of a name
//   within it wins, and Sections() lists each name once, where it first occurs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace skin {

// Integer text as the private-profile readers take it: optional sign, then
// decimal digits, "$" + hex digits or "0x" + hex digits, nothing else.
// Hex values are 32-bit patterns ("$FFFFFFFF" is -1); decimal values outside
// the 32-bit range and any other text give no value.
bool ParseIniInteger(std::string_view text, std::int32_t& value);

class TIniFile {
 public:
  TIniFile() = default;
  explicit TIniFile(std::string_view text) { SetText(text); }

  void SetText(std::string_view text);
  // Reads the whole file; false (and no content) when it cannot be read.
  bool LoadFromFile(const std::filesystem::path& path);

  // Section names in file order, each once, spelt as in the file.
  const std::vector<std::string>& Sections() const { return sectionNames_; }
  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // Missing key, empty or malformed value: `def`.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;

 private:
  // Keys are stored lower-cased; only the first value of a key is kept.
  using Values = std::unordered_map<std::string, std::string>;

  const std::string* Find(std::string_view section, std::string_view key) const;

  // Lower-cased section name -> the values of its first occurrence.
  std::unordered_map<std::string, Values> sections_;
  std::vector<std::string> sectionNames_;
};

// Upper-cases ASCII letters only (LowerAscii is the package reader's).
std::string UpperAscii(std::string_view text);

}  // namespace skin
