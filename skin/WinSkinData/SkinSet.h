// TSkinSet: the skin objects and colours of one loaded skin, and the loading
// of a skin from its stored form (size + LZH package) through the skin
// definition. Portable; the skin data component derives from it, and the
// painters read its members directly.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/SkinRead/SkinReader.h"
#include "skin/WinSkinData/EngineMeasures.h"
#include "skin/WinSkinData/IniFile.h"
#include "skin/WinSkinData/SkinObjects.h"
#include "ui/Colors.h"
#include "ui/Streams.h"

#ifdef _WIN32
#include "ui/GdiHandles.h"
#endif

namespace skin {

// A larger picture whose size does not fit its base image at its scale.
struct TMisfitImage {
  std::string Name;
  int Width = 0;
  int Height = 0;
  std::int64_t ExpectedWidth = 0;
  std::int64_t ExpectedHeight = 0;
};

// Indexes of TSkinSet::Borders.
enum TBorderIndex { bdLeft = 0, bdRight = 1, bdTop = 2, bdBottom = 3 };

class TSkinSet {
 public:
  TSkinSet();
  virtual ~TSkinSet();
  TSkinSet(const TSkinSet&) = delete;
  TSkinSet& operator=(const TSkinSet&) = delete;

  // Decompresses a stored skin, writes its definition to a temporary file,
  // reads it and deletes the file. False, with Empty left true, for anything
  // that is not a complete skin: wrong version, malformed or oversized data,
  // no definition in the package, no temporary file to be had.
  bool LoadFromStored(ui::TStream& stored);
  // Reads the definition file and loads the skin from it and `reader`.
  bool LoadDefinitionFile(const std::filesystem::path& file, const TSkinReader& reader);
  // The loading steps over an already read definition; Empty becomes false.
  // The skin is built aside and only then replaces the current one, so a load
  // that fails half-way leaves the current objects whole.
  void LoadDefinition(const TIniFile& ini, const TSkinReader& reader);
  // Puts the objects and colours of `loaded` (a complete skin) in place of
  // this set's; `loaded` gets the old ones, to be freed with it.
  void ReplaceSkin(TSkinSet& loaded);

  // True from creation and from the start of every load until a definition
  // has been loaded completely.
  bool Empty = true;
  std::string SkinName;
  // The hue of the skin's accent as painted, in degrees (the definition's
  // [Colourise] AccentHue); -1 when the skin names none.
  int AccentHue = -1;
  // The display DPI the objects are drawn for: 96 for a loaded skin, the
  // DPI of a set made for a window at another (SkinAtDpi.h).
  int Dpi = 96;
  // The engine's own measures at that DPI.
  TEngineMeasures Measures;

  // Always present (refilled by each load).
  std::array<std::unique_ptr<TDataSkinBorder>, 4> Borders;  // TBorderIndex order
  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinButton> Buttons;
  // The caption-button sections, then the three MDI buttons. Shared: a
  // window's caption buttons keep the entries they were built from alive
  // until they re-read the skin, whatever reload comes in between.
  std::vector<std::shared_ptr<TDataSkinSysButton>> SysButtons;

  // Null when the skin has none (drawn unskinned).
  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinObject> Progress;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinBorder> UpDownHorz;
  std::unique_ptr<TDataSkinBorder> UpDownVert;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinObject> Toolbars;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;

  ui::TColor WindowTextColour = ui::clWindowText;
  ui::TColor TitleTextActiveColour = ui::clCaptionText;
  ui::TColor TitleTextInactiveColour = ui::clInactiveCaptionText;
  ui::TColor ButtonFaceColour = ui::clBtnFace;
  ui::TColor ButtonTextColour = ui::clBtnText;
  ui::TColor ButtonHilightColour = ui::clBtnHighlight;
  ui::TColor ButtonLightColour = ui::clBtnHighlight;
  ui::TColor ButtonShadowColour = ui::clBtnShadow;
  ui::TColor ButtonDkShadowColour = ui::clBtnShadow;
  ui::TColor HilightTextColour = ui::clHighlightText;
  ui::TColor HilightColour = ui::clHighlight;
  ui::TColor MenubarColour = ui::clBtnFace;
  ui::TColor MenuBarTextColour = ui::clMenu;
  ui::TColor MenuTextColour = ui::clMenuText;
  ui::TColor MenuColour = ui::clMenu;
  ui::TColor ScrollbarColour = ui::clScrollBar;

  // The larger pictures the last load left out because their size does not
  // fit their base image at their scale (the base image is scaled instead).
  std::vector<TMisfitImage> MisfitImages;

#ifdef _WIN32
  // Solid brush of ButtonFaceColour, remade with each new skin (null before).
  HBRUSH FaceBrush() const { return faceBrush_.Get(); }
#endif

 protected:
  // Runs once a new skin has replaced the objects (the component tells the
  // windows that use it to read them again).
  virtual void SkinReplaced() {}

 private:
  // The loading steps proper, into this (fresh) set.
  void ReadDefinition(const TIniFile& ini, const TSkinReader& reader);
  void SwapSkin(TSkinSet& other);
  void LoadBorders(const TIniFile& ini, const TSkinReader& reader);
  void LoadColours(const TIniFile& ini);
  void LoadSysButtons(const TIniFile& ini, const TSkinReader& reader);
  void LoadMdiButtons(const TIniFile& ini, const TSkinReader& reader, std::size_t first);
  void LoadButtons(const TIniFile& ini, const TSkinReader& reader);
  void LoadTitle(const TIniFile& ini, const TSkinReader& reader);
  void LoadProgress(const TIniFile& ini, const TSkinReader& reader);
  void LoadMenuBar(const TIniFile& ini, const TSkinReader& reader);
  void LoadImageObjects(const TIniFile& ini, const TSkinReader& reader);
  void SetFrameCounts(const TIniFile& ini);

#ifdef _WIN32
  ui::BrushHandle faceBrush_;
#endif
};

// The colour table of a set, member by member (for copying, swapping and
// colouring it as one).
inline constexpr ui::TColor TSkinSet::*kSkinColours[] = {
    &TSkinSet::WindowTextColour,   &TSkinSet::TitleTextActiveColour, &TSkinSet::TitleTextInactiveColour,
    &TSkinSet::ButtonFaceColour,   &TSkinSet::ButtonTextColour,      &TSkinSet::ButtonHilightColour,
    &TSkinSet::ButtonLightColour,  &TSkinSet::ButtonShadowColour,    &TSkinSet::ButtonDkShadowColour,
    &TSkinSet::HilightTextColour,  &TSkinSet::HilightColour,         &TSkinSet::MenubarColour,
    &TSkinSet::MenuBarTextColour,  &TSkinSet::MenuTextColour,        &TSkinSet::MenuColour,
    &TSkinSet::ScrollbarColour};

// The caption-button sections of a definition, upper-cased, in file order.
std::vector<std::string> CaptionButtonSections(const TIniFile& ini);

// Check-box and radio-button frames from a strip's shape (at least 4).
std::int32_t StripFrameCount(const ui::TBitmap& strip);

}  // namespace skin
