// `Tavrin --skin PATH`: a stored skin file or a skin folder in place of the
// built-in skin, for every window of the program. A skin that fails its
// check is named in a message box and the built-in skin stays. A folder is
// previewed live: its edits go on the windows as they are saved.
#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "skin/SkinRead/SkinPreview.h"

#include "skin/WinSkinData/SkinData.h"

// The path after `--skin` in `args` (the arguments after the program name),
// empty without the option.
std::filesystem::path SkinOptionPath(const std::vector<std::wstring>& args);

// The program's arguments after its name, from the wide command line (any
// characters, Chinese folder names included).
std::vector<std::wstring> ProgramArguments();

// Puts the skin at `path` on `data` before any window is shown; on a problem
// shows one message box and leaves `data` as it is. False on a problem.
bool UseSkinOption(const std::filesystem::path& path, skin::TSkinData& data);

// For a folder: its live preview on `data`, problems shown in a message box
// owned by `owner`. Null for a skin file.
std::unique_ptr<skin::TSkinPreview> PreviewSkinOption(const std::filesystem::path& path, skin::TSkinData& data,
                                                      HWND owner);
