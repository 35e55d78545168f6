// The text of a form description, parsed into a tree of objects with their
// property values (the format is described in ui/FormReader.h). Parsing only
// checks the syntax; what the names mean is decided when the components are
// created. Portable, tested natively.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui {

// A malformed form description, or one naming unknown classes, properties,
// events or resources. The message names the place (line, component, property).
class EFormError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A property value of the wrong kind or out of range for its property.
class EPropertyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TPropertyValue {
 public:
  enum class Kind { Integer, String, Identifier, Set, Resource };

  Kind kind = Kind::Integer;
  std::int64_t integer = 0;
  std::string text;                // String (UTF-8), Identifier, or the Resource name
  std::vector<std::string> items;  // Set members
  int line = 0;

  // Each accessor throws EPropertyError when the value is of another kind.
  std::int64_t AsInt64() const;
  int AsInt() const;                  // also checks the int range
  bool AsBool() const;                // the identifiers True and False
  const std::string& AsString() const;
  std::wstring AsWide() const;
  const std::string& AsIdent() const;
  const std::vector<std::string>& AsSet() const;
  const std::string& AsResourceName() const;

  // Maps an identifier through `names`; an identifier not listed is an error.
  template <typename E>
  E AsEnum(std::initializer_list<std::pair<std::string_view, E>> names) const {
    const std::string& ident = AsIdent();
    for (const auto& [name, value] : names)
      if (name == ident) return value;
    throw EPropertyError("unknown value " + ident);
  }

  // ORs the flags of the members of a set; a member not listed is an error.
  template <typename F>
  F AsFlags(std::initializer_list<std::pair<std::string_view, F>> names) const {
    F flags{};
    for (const std::string& item : AsSet()) {
      bool known = false;
      for (const auto& [name, value] : names)
        if (name == item) flags = F(flags | value), known = true;
      if (!known) throw EPropertyError("unknown set member " + item);
    }
    return flags;
  }

  // The value as it was written (for messages).
  std::string Describe() const;
};

struct TFormProperty {
  std::string Name;  // may be dotted: "Font.Name"
  TPropertyValue Value;
  int Line = 0;
};

struct TFormNode {
  std::string Name;
  std::string ClassName;
  std::vector<TFormProperty> Properties;
  std::vector<TFormNode> Children;
  int Line = 0;
};

// Parses a whole form description (one root object). Throws EFormError with the line.
TFormNode ParseFormText(std::string_view text);

}  // namespace ui
