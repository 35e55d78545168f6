#include "skin/WinSkinData/IniFile.h"

#include <fstream>
#include <iterator>
#include <limits>

#include "skin/SkinRead/SkinReader.h"

namespace skin {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseHex(std::string_view digits, std::uint32_t& value) {
  if (digits.empty() || digits.size() > 8) return false;
  value = 0;
  for (char c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return false;
    value = value << 4 | std::uint32_t(d);
  }
  return true;
}

bool ParseDecimal(std::string_view digits, std::uint64_t& value) {
  if (digits.empty() || digits.size() > 10) return false;
  value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + std::uint64_t(c - '0');
  }
  return true;
}

// Splits text into lines ending at CR, LF or CR LF.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    f(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
}

}  // namespace

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return upper;
}

bool ParseIniInteger(std::string_view text, std::int32_t& value) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::uint32_t hex = 0;
  if (!text.empty() && text.front() == '$') {
    if (!ParseHex(text.substr(1), hex)) return false;
  } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    if (!ParseHex(text.substr(2), hex)) return false;
  } else {
    std::uint64_t decimal = 0;
    if (!ParseDecimal(text, decimal)) return false;
    const std::uint64_t limit = negative ? std::uint64_t(std::numeric_limits<std::int32_t>::max()) + 1
                                         : std::uint64_t(std::numeric_limits<std::int32_t>::max());
    if (decimal > limit) return false;
    value = negative ? std::int32_t(-std::int64_t(decimal)) : std::int32_t(decimal);
    return true;
  }
  // Hex text is a 32-bit pattern; the sign negates it in 32-bit arithmetic.
  const std::uint32_t bits = negative ? 0u - hex : hex;
  value = std::int32_t(bits);
  return true;
}

void TIniFile::SetText(std::string_view text) {
  sections_.clear();
  sectionNames_.clear();
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  Values* current = nullptr;  // null before the first section and inside repeated ones
  ForEachLine(text, [&](std::string_view raw) {
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        const std::string name(Trim(line.substr(1, close - 1)));
        const auto [it, isNew] = sections_.try_emplace(LowerAscii(name));
        if (isNew) sectionNames_.push_back(name);
        current = isNew ? &it->second : nullptr;
        return;
      }
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || current == nullptr) return;
    current->try_emplace(LowerAscii(Trim(line.substr(0, eq))), Unquote(Trim(line.substr(eq + 1))));
  });
}

bool TIniFile::LoadFromFile(const std::filesystem::path& path) {
  SetText({});
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) return false;
  SetText(text);
  return true;
}

const std::string* TIniFile::Find(std::string_view section, std::string_view key) const {
  const auto s = sections_.find(LowerAscii(section));
  if (s == sections_.end()) return nullptr;
  const auto v = s->second.find(LowerAscii(key));
  return v == s->second.end() ? nullptr : &v->second;
}

bool TIniFile::SectionExists(std::string_view section) const { return sections_.contains(LowerAscii(section)); }

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return Find(section, key) != nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const std::string* value = Find(section, key);
  return value ? *value : std::string(def);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
  const std::string* text = Find(section, key);
  std::int32_t value = 0;
  return text && ParseIniInteger(*text, value) ? value : def;
}

}  // namespace skin
