// Rules for the names of packaged files: plain, portable file names, so that
// packing and unpacking can never reach outside the chosen folder.
#pragma once

#include <string>
#include <string_view>

namespace skin {

// Why `name` is not a plain, portable file name; empty when it is one.
std::string NameProblem(std::string_view name);

// The lower-case extension, with its dot ("" when there is none).
std::string ExtensionOf(std::string_view name);

bool IsBitmapName(std::string_view name);
bool IsDefinitionName(std::string_view name);

}  // namespace skin
