#include "skin/SkinRead/PackageNames.h"

#include "skin/SkinRead/SkinReader.h"

namespace skin {

namespace {

// Device names that Windows opens instead of a file, whatever the extension.
bool IsDeviceName(std::string_view name) {
  const std::string stem = LowerAscii(name.substr(0, name.find('.')));
  if (stem == "con" || stem == "prn" || stem == "aux" || stem == "nul") return true;
  return stem.size() == 4 && (stem.starts_with("com") || stem.starts_with("lpt")) && stem[3] >= '1' &&
         stem[3] <= '9';
}

}  // namespace

std::string NameProblem(std::string_view name) {
  if (name.empty()) return "the name is empty";
  if (name == "." || name == "..") return "the name is a folder reference";
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return "the name holds a control character";
    if (c == '/' || c == '\\' || c == ':') return "the name holds a folder or drive part";
    if (c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|')
      return "the name holds a character that Windows forbids";
  }
  if (name.back() == '.' || name.back() == ' ') return "the name ends with a dot or blank";
  if (IsDeviceName(name)) return "the name is a Windows device name";
  return {};
}

std::string ExtensionOf(std::string_view name) {
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : LowerAscii(name.substr(dot));
}

bool IsBitmapName(std::string_view name) { return ExtensionOf(name) == ".bmp"; }
bool IsDefinitionName(std::string_view name) { return ExtensionOf(name) == ".ini"; }

}  // namespace skin
