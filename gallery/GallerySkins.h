// The gallery's skins at run time: the Skin menu of the frame (the built-in
// skins by name, a skin file, Reload, No skin, Follow the system, Colour…),
// `--skin PATH`, `--colour H,S,B`, the live preview of a skin folder, and
// the system's app mode and accent colour followed (GalleryFollow.cpp). Every change goes through the frame's SkinData1
// and the engine's requests; a skin that fails its check never reaches it,
// so the windows keep the skin they have.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/WinSkinData/ColourShift.h"

namespace skin {
class TSkinPreview;
class TSystemWatch;
}
namespace ui {
class TMenuItem;
}

namespace gallery {

class TGalleryColour;
class TGalleryMain;

class TGallerySkins {
 public:
  explicit TGallerySkins(TGalleryMain& main);  // adds the Skin menu to the frame's menu bar
  ~TGallerySkins();
  TGallerySkins(const TGallerySkins&) = delete;
  TGallerySkins& operator=(const TGallerySkins&) = delete;

  // Each returns false, after telling OnProblem, when the skin cannot be
  // used; the windows then keep their skin. Each is a choice by hand: the
  // gallery stops following the system.
  bool UseBuiltIn(std::size_t index);
  // A stored skin file or a skin folder; a folder is watched for edits from
  // now on (until another skin is chosen), even when it failed its check.
  bool UsePath(const std::filesystem::path& path);
  void UseNone();
  // Reads the current skin again (nothing to do with no skin).
  bool Reload();
  // The system's open dialog; a chosen .ini stands for its folder.
  void OpenSkinFile();

  // Following the system (on from the start): Night Ink while apps are dark,
  // the first skin while they are light, the skin's accent turned to the
  // system's accent colour; again at every announcement of a change.
  bool Following() const { return following_; }
  void SetFollowing(bool value);
  // Puts what the system asks for on the windows now (nothing when not following).
  void FollowSystem();
  // A colour chosen by hand (`--colour`, the Colour dialog): the accent is
  // no longer followed.
  void SetColour(skin::TColourShift colour);
  // The 颜色… Colour… dialog (modeless, made once, owned by the frame),
  // showing the current colour.
  void OpenColourDialog();
  TGalleryColour* ColourDialog() const { return colourDialog_; }

  // The built-in skins' names, as their definitions give them.
  const std::vector<std::string>& BuiltInNames() const { return names_; }
  bool Previewing() const { return watch_ != nullptr; }

  // Told every problem (UTF-8, several lines); by default a message box.
  std::function<void(const std::string&)> OnProblem;

 private:
  enum class TCurrent { BuiltIn, Path, None };
  void AddMenu();
  bool Use(std::vector<std::uint8_t> stored, const std::string& problem);
  bool SwitchBuiltIn(std::size_t index);
  void FollowAccent();
  void MarkCurrent();

  TGalleryMain& main_;
  std::vector<std::string> names_;
  std::vector<ui::TMenuItem*> builtInItems_;  // owned by the menu
  ui::TMenuItem* fileItem_ = nullptr;
  ui::TMenuItem* noneItem_ = nullptr;
  ui::TMenuItem* followItem_ = nullptr;
  bool following_ = true;
  bool accentFollowed_ = true;
  std::unique_ptr<skin::TSystemWatch> system_;
  TGalleryColour* colourDialog_ = nullptr;  // owned by the frame
  TCurrent current_ = TCurrent::BuiltIn;
  std::size_t builtIn_ = 0;
  std::filesystem::path path_;
  std::unique_ptr<skin::TSkinPreview> watch_;
};

}  // namespace gallery
