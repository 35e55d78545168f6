// skinpack: the skin author's command-line tool.
#include <iostream>
#include <string>
#include <vector>

#include "tools/skinpack/Skinpack.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return skinpack::RunSkinpack(args, std::cout, std::cerr);
}
