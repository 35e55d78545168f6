// Problems found by `skinpack check`, each tied to a file and, for the
// definition, to a section and key.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skin {

enum class TSeverity { Error, Warning };

struct TProblem {
  TSeverity Severity;
  std::string File;  // package entry (or the package itself when empty)
  std::string Key;   // "Section/Key" in the definition, empty otherwise
  std::string Text;
};

class TCheckReport {
 public:
  void Error(std::string file, std::string key, std::string text) {
    problems_.push_back({TSeverity::Error, std::move(file), std::move(key), std::move(text)});
  }
  void Warning(std::string file, std::string key, std::string text) {
    problems_.push_back({TSeverity::Warning, std::move(file), std::move(key), std::move(text)});
  }

  const std::vector<TProblem>& Problems() const { return problems_; }
  std::size_t Count(TSeverity severity) const;

  // One line a problem, then a summary line.
  void Print(std::ostream& out) const;

 private:
  std::vector<TProblem> problems_;
};

}  // namespace skin
