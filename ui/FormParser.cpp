#include "ui/FormParser.h"

#include <limits>

#include "ui/TextConv.h"

namespace ui {

namespace {

constexpr int kMaxDepth = 64;  // deeper nesting is certainly a damaged file

enum class Tok { End, Ident, Integer, String, Symbol };

struct Token {
  Tok kind = Tok::End;
  std::string text;  // identifier, decoded string, or the symbol
  std::int64_t integer = 0;
  int line = 1;
};

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string EncodeCodePoint(std::int64_t cp) {
  if (cp <= 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return "\xEF\xBF\xBD";
  std::u16string units;
  if (cp < 0x10000) {
    units += char16_t(cp);
  } else {
    units += char16_t(0xD800 + ((cp - 0x10000) >> 10));
    units += char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
  }
  return Utf16ToUtf8(units);
}

class Lexer {
 public:
  explicit Lexer(std::string_view text) : s_(text) {
    if (s_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;  // a byte-order mark from an editor
  }

  Token Next() {
    SkipSpaceAndComments();
    Token t;
    t.line = line_;
    if (pos_ >= s_.size()) return t;
    const char c = s_[pos_];
    if (IsIdentStart(c)) {
      const std::size_t start = pos_;
      while (pos_ < s_.size() && IsIdentChar(s_[pos_])) ++pos_;
      t.kind = Tok::Ident;
      t.text = std::string(s_.substr(start, pos_ - start));
    } else if (IsDigit(c) || c == '$' || (c == '-' && pos_ + 1 < s_.size() && (IsDigit(s_[pos_ + 1]) || s_[pos_ + 1] == '$'))) {
      t.kind = Tok::Integer;
      t.integer = ReadInteger();
    } else if (c == '\'' || c == '#') {
      t.kind = Tok::String;
      t.text = ReadString();
    } else {
      t.kind = Tok::Symbol;
      t.text = std::string(1, c);
      ++pos_;
    }
    return t;
  }

  [[noreturn]] void Fail(const std::string& what) const { throw EFormError("line " + std::to_string(line_) + ": " + what); }

 private:
  void SkipSpaceAndComments() {
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  std::int64_t ReadInteger() {
    bool negative = false;
    if (s_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    int base = 10;
    if (s_[pos_] == '$') {
      base = 16;
      ++pos_;
    }
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (; pos_ < s_.size(); ++pos_, ++digits) {
      const char c = s_[pos_];
      int d;
      if (IsDigit(c)) d = c - '0';
      else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
      else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
      else break;
      if (value > (std::numeric_limits<std::uint64_t>::max() - std::uint64_t(d)) / std::uint64_t(base))
        Fail("number too large");
      value = value * std::uint64_t(base) + std::uint64_t(d);
    }
    if (digits == 0) Fail("digits expected");
    if (pos_ < s_.size() && IsIdentChar(s_[pos_])) Fail("malformed number");
    // Hexadecimal values may use all 64 bits (colours, flags); decimals must fit.
    if (base == 10 && value > std::uint64_t(std::numeric_limits<std::int64_t>::max()) + (negative ? 1u : 0u))
      Fail("number too large");
    const auto magnitude = static_cast<std::int64_t>(value);
    return negative ? std::int64_t(0 - value) : magnitude;
  }

  // 'text' parts ('' is a quote) and #nnn character codes, directly adjacent.
  std::string ReadString() {
    std::string out;
    while (pos_ < s_.size() && (s_[pos_] == '\'' || s_[pos_] == '#')) {
      if (s_[pos_] == '#') {
        ++pos_;
        if (pos_ >= s_.size() || !(IsDigit(s_[pos_]) || s_[pos_] == '$')) Fail("character code expected after #");
        out += EncodeCodePoint(ReadInteger());
        continue;
      }
      ++pos_;
      for (;;) {
        if (pos_ >= s_.size() || s_[pos_] == '\n') Fail("unterminated string");
        if (s_[pos_] == '\'') {
          if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
            out += '\'';
            pos_ += 2;
            continue;
          }
          ++pos_;
          break;
        }
        out += s_[pos_++];
      }
    }
    return out;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

class Parser {
 public:
  explicit Parser(std::string_view text) : lex_(text) { Advance(); }

  TFormNode ParseRoot() {
    TFormNode root = ParseObject(0);
    if (tok_.kind != Tok::End) Fail("text after the final 'end'");
    return root;
  }

 private:
  void Advance() { tok_ = lex_.Next(); }

  [[noreturn]] void Fail(const std::string& what) const {
    throw EFormError("line " + std::to_string(tok_.line) + ": " + what);
  }

  bool AtWord(std::string_view word) const { return tok_.kind == Tok::Ident && SameWord(tok_.text, word); }
  bool AtSymbol(char c) const { return tok_.kind == Tok::Symbol && tok_.text[0] == c; }

  void ExpectSymbol(char c) {
    if (!AtSymbol(c)) Fail(std::string("'") + c + "' expected");
    Advance();
  }

  std::string ExpectIdent(const char* what) {
    if (tok_.kind != Tok::Ident) Fail(std::string(what) + " expected");
    std::string s = tok_.text;
    Advance();
    return s;
  }

  TFormNode ParseObject(int depth) {
    if (depth > kMaxDepth) Fail("objects nested too deeply");
    if (!AtWord("object")) Fail("'object' expected");
    TFormNode node;
    node.Line = tok_.line;
    Advance();
    node.Name = ExpectIdent("component name");
    ExpectSymbol(':');
    node.ClassName = ExpectIdent("class name");
    for (;;) {
      if (tok_.kind == Tok::End) Fail("'end' expected for object " + node.Name);
      if (AtWord("end")) {
        Advance();
        return node;
      }
      if (AtWord("object")) node.Children.push_back(ParseObject(depth + 1));
      else node.Properties.push_back(ParseProperty());
    }
  }

  TFormProperty ParseProperty() {
    TFormProperty prop;
    prop.Line = tok_.line;
    prop.Name = ExpectIdent("property name");
    while (AtSymbol('.')) {
      Advance();
      prop.Name += '.' + ExpectIdent("property name");
    }
    ExpectSymbol('=');
    prop.Value = ParseValue();
    return prop;
  }

  TPropertyValue ParseValue() {
    TPropertyValue v;
    v.line = tok_.line;
    if (tok_.kind == Tok::Integer) {
      v.kind = TPropertyValue::Kind::Integer;
      v.integer = tok_.integer;
      Advance();
    } else if (tok_.kind == Tok::String) {
      v.kind = TPropertyValue::Kind::String;
      v.text = ParseStringSum();
    } else if (AtSymbol('[')) {
      v.kind = TPropertyValue::Kind::Set;
      Advance();
      while (!AtSymbol(']')) {
        v.items.push_back(ExpectIdent("set member"));
        if (!AtSymbol(']')) ExpectSymbol(',');
      }
      Advance();
    } else if (AtWord("resource")) {
      Advance();
      if (tok_.kind != Tok::String) Fail("resource name (a quoted string) expected");
      v.kind = TPropertyValue::Kind::Resource;
      v.text = tok_.text;
      Advance();
      if (v.text.empty()) Fail("empty resource name");
    } else if (tok_.kind == Tok::Ident) {
      v.kind = TPropertyValue::Kind::Identifier;
      v.text = tok_.text;
      Advance();
    } else {
      Fail("property value expected");
    }
    return v;
  }

  // Long texts may be split: 'part one' + 'part two'.
  std::string ParseStringSum() {
    std::string out = tok_.text;
    Advance();
    while (AtSymbol('+')) {
      Advance();
      if (tok_.kind != Tok::String) Fail("string expected after '+'");
      out += tok_.text;
      Advance();
    }
    return out;
  }

  Lexer lex_;
  Token tok_;
};

}  // namespace

std::int64_t TPropertyValue::AsInt64() const {
  if (kind != Kind::Integer) throw EPropertyError("integer expected, found " + Describe());
  return integer;
}

int TPropertyValue::AsInt() const {
  const std::int64_t v = AsInt64();
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
    throw EPropertyError("integer out of range: " + Describe());
  return int(v);
}

bool TPropertyValue::AsBool() const {
  if (kind == Kind::Identifier) {
    if (SameWord(text, "True")) return true;
    if (SameWord(text, "False")) return false;
  }
  throw EPropertyError("True or False expected, found " + Describe());
}

const std::string& TPropertyValue::AsString() const {
  if (kind != Kind::String) throw EPropertyError("string expected, found " + Describe());
  return text;
}

std::wstring TPropertyValue::AsWide() const { return Utf8ToWide(AsString()); }

const std::string& TPropertyValue::AsIdent() const {
  if (kind != Kind::Identifier) throw EPropertyError("identifier expected, found " + Describe());
  return text;
}

const std::vector<std::string>& TPropertyValue::AsSet() const {
  if (kind != Kind::Set) throw EPropertyError("set expected, found " + Describe());
  return items;
}

const std::string& TPropertyValue::AsResourceName() const {
  if (kind != Kind::Resource) throw EPropertyError("resource expected, found " + Describe());
  return text;
}

std::string TPropertyValue::Describe() const {
  switch (kind) {
    case Kind::Integer: return std::to_string(integer);
    case Kind::String: return "'" + text + "'";
    case Kind::Identifier: return text;
    case Kind::Resource: return "resource '" + text + "'";
    case Kind::Set: {
      std::string s = "[";
      for (std::size_t i = 0; i < items.size(); ++i) s += (i ? ", " : "") + items[i];
      return s + "]";
    }
  }
  return {};
}

TFormNode ParseFormText(std::string_view text) { return Parser(text).ParseRoot(); }

}  // namespace ui
