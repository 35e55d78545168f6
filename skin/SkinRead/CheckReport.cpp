#include "skin/SkinRead/CheckReport.h"

#include <algorithm>

namespace skin {

std::size_t TCheckReport::Count(TSeverity severity) const {
  return std::size_t(std::count_if(problems_.begin(), problems_.end(),
                                   [severity](const TProblem& p) { return p.Severity == severity; }));
}

void TCheckReport::Print(std::ostream& out) const {
  for (const TProblem& p : problems_) {
    out << (p.Severity == TSeverity::Error ? "error: " : "warning: ");
    out << (p.File.empty() ? "package" : p.File);
    if (!p.Key.empty()) out << " [" << p.Key << ']';
    out << ": " << p.Text << '\n';
  }
  out << Count(TSeverity::Error) << " error(s), " << Count(TSeverity::Warning) << " warning(s)\n";
}

}  // namespace skin
