// What the gallery can show or do, in one list: each entry is a button of the
// frame's toolbar and a name for `--show`. A new area of the gallery is a new
// window class and one more entry here.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/WinSkinData/ColourShift.h"

namespace gallery {

class TGalleryMain;

struct TGalleryCommand {
  const char* Name;           // `--show <Name>`
  const char* Caption;        // the toolbar button (UTF-8); null: command line only
  void (TGalleryMain::*Run)();
};

std::span<const TGalleryCommand> GalleryCommands();
// The command of this name, or null.
const TGalleryCommand* FindGalleryCommand(std::string_view name);

// The program's options: `--show <name>`, any number of times, runs those
// commands in order once the frame is up (the default opens two children);
// `--skin PATH` puts a stored skin file or a skin folder on every window
// instead of the built-in skin (a folder is then previewed live);
// `--colour H,S,B` puts the skin in that colour. A bad colour is no reason
// not to start: it is named in ColourProblem and the gallery starts without it.
struct TGalleryOptions {
  std::vector<std::string> Show;
  std::string Skin;   // UTF-8, empty for the built-in skin
  std::optional<skin::TColourShift> Colour;
  std::string ColourProblem;
  std::string Error;  // what was wrong with the command line, empty when nothing
};
TGalleryOptions ParseGalleryOptions(const std::vector<std::string>& args);

}  // namespace gallery
