// Default message handler where there is no message box.
#include <cstdio>

#include "skin/SkinRead/SkinMessage.h"

namespace skin {

void DefaultSkinMessage(const std::string& utf8Text) {
  std::string line = utf8Text;
  for (char& c : line)
    if (c == '\r') c = '\n';
  std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace skin
