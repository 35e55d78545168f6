// The skinpack command line, callable in-process so that tests see its output.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skinpack {

// `args` without the program name. Returns the exit status: 0 on success,
// 1 when the work failed or found errors, 2 for a wrong command line.
int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skinpack
