#include "skin/SkinRead/DefinitionCheck.h"

#include <set>
#include <string_view>

#include "skin/WinSkinData/IniFile.h"
#include "skin/WinSkinData/SkinImage.h"
#include "skin/WinSkinData/SkinSet.h"

namespace skin {

namespace {

// The definition, loaded exactly as the program loads it, with the report.
struct TChecker {
  const TSkinReader& reader;
  const std::string& file;
  const TIniFile& ini;
  const TSkinSet& set;
  TCheckReport& report;

  void Error(std::string_view section, std::string_view key, const std::string& text) const {
    report.Error(file, std::string(section) + "/" + std::string(key), text);
  }
  void Warning(std::string_view section, std::string_view key, const std::string& text) const {
    report.Warning(file, std::string(section) + "/" + std::string(key), text);
  }

  // An image key must name a .bmp entry. A required one that is not given
  // leaves that part plain (the program copes), so it is only a warning.
  void ImageKey(std::string_view section, std::string_view key, bool required) const {
    const std::string value = ini.ReadString(section, key, "");
    if (value.empty()) {
      if (required) Warning(section, key, "required image missing: drawn without the skin");
      return;
    }
    const std::string entry = ImageEntryName(value);
    ui::TMemoryStream bytes;
    if (entry.empty())
      Error(section, key, "\"" + value + "\" names no .bmp file (the extension must be \".bmp\" in lower case)");
    else if (!reader.ExtractByName(entry, bytes))
      Error(section, key, "no entry " + LowerAscii(entry) + " in the package");
  }

  // Frames must split the image evenly, and the fixed margins must fit in one frame.
  void Frames(const TDataSkinObject* object, std::string_view section, std::string_view key,
              bool stacked, bool margins = true) const {
    if (!object || object->Bitmap.Empty()) return;
    const int length = stacked ? object->Bitmap.Height() : object->Bitmap.Width();
    if (object->FrameCount < 1) {
      Error(section, key, "frame count " + std::to_string(object->FrameCount) + " is not a number of frames");
      return;
    }
    if (length % object->FrameCount != 0)
      Error(section, key,
            std::to_string(object->FrameCount) + " frames do not divide the image's " +
                (stacked ? "height " : "width ") + std::to_string(length));
    if (!margins) return;
    const int frameWidth = stacked ? object->Bitmap.Width() : length / object->FrameCount;
    const int frameHeight = stacked ? length / object->FrameCount : object->Bitmap.Height();
    const std::int64_t across = std::int64_t(object->LeftWidth) + object->RightWidth;
    const std::int64_t down = std::int64_t(object->TopHeight) + object->BottomHeight;
    if (object->LeftWidth < 0 || object->RightWidth < 0 || object->TopHeight < 0 || object->BottomHeight < 0)
      Error(section, key, "negative margins");
    else if (across > frameWidth || down > frameHeight)
      Error(section, key,
            "margins " + std::to_string(across) + " x " + std::to_string(down) + " are larger than a frame of " +
                std::to_string(frameWidth) + " x " + std::to_string(frameHeight));
  }
};

bool IsKnownAction(int action) {
  static const std::set<int> known = {0, 1, 2, 3, 7, 8, 9, 11, 12, 22, 23, 60, 61, 62};
  return action < 0 || known.contains(action);  // negative: a picture that is never clicked
}

bool IsKnownAlign(int align) { return (align >= 0 && align <= 3) || align == 8 || align == 9 || align == 100; }

// 0 to 11, 100, and 200 to 2000 are conditions; 5, 10 and 11 are never true.
bool IsKnownVisibility(int code) { return (code >= 0 && code <= 11) || code == 100 || (code >= 200 && code <= 2000); }
bool IsNeverVisible(int code) { return code == 5 || code == 10 || code == 11; }

void CheckImageKeys(const TChecker& c) {
  for (const char* border : {"Left", "Right", "Top", "Bottom"}) c.ImageKey("Personality", border, true);
  c.ImageKey("Personality", "TextBack", false);
  c.ImageKey("Personality", "menuBar", false);
  c.ImageKey("Buttons", "Bitmap", true);
  c.ImageKey("Buttons", "CheckButton", true);
  c.ImageKey("Buttons", "RadioButton", true);
  c.ImageKey("Progress", "Bitmap", false);
  c.ImageKey("MDICONTROLS", "Image", false);
  for (const char* section : {"GroupBoxEdge", "Toolbars", "Tabs", "StatusBarEdges", "ComboButton", "SunkEdge",
                              "ExtraImages", "Headerbar", "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll",
                              "VertScroll", "HorzScrollThumb", "VertScrollThumb", "UpDown.Horz", "UpDown.Vert"})
    c.ImageKey(section, "Image", false);
  c.ImageKey("Tabs", "Border", false);
  c.ImageKey("UpDown.Horz", "GlyphImage", false);
  c.ImageKey("UpDown.Vert", "GlyphImage", false);
}

void CheckCaptionButton(const TChecker& c, const std::string& section, const TDataSkinSysButton& b) {
  const bool drawsIcon = b.Action == 3 || b.Action == 11;
  c.ImageKey(section, "ButtonImage", !drawsIcon);
  c.Frames(&b, section, "frame", false, false);
  if (!IsKnownAction(b.Action))
    c.Warning(section, "Action",
              std::to_string(b.Action) + " is not carried out by the program (posted as WM_SKINBUTTON)");
  if (!IsKnownAlign(b.Align))
    c.Error(section, "Align", std::to_string(b.Align) + " is no placement; the button would sit at 0, 0");
  for (const auto& [key, code] : {std::pair{"Visibility", b.Visibility}, std::pair{"Visibility1", b.Visibility1}}) {
    if (!IsKnownVisibility(code))
      c.Error(section, key, std::to_string(code) + " is no visibility condition; the button never shows");
    else if (IsNeverVisible(code))
      c.Warning(section, key, std::to_string(code) + " is never true; the button never shows");
  }
}

void CheckObjects(const TChecker& c) {
  const TSkinSet& s = c.set;
  const char* const borders[] = {"Left", "Right", "Top", "Bottom"};
  for (int i = 0; i < 4; ++i)
    c.Frames(s.Borders[std::size_t(i)].get(), "Personality", std::string(borders[i]) + "Frame", i >= bdTop);
  c.Frames(s.Buttons.get(), "Buttons", "Bitmap", false);
  c.Frames(s.Progress.get(), "Progress", "Bitmap", false);
  c.Frames(s.MenuBar.get(), "Personality", "menuBar", true);
  const std::pair<const TDataSkinObject*, const char*> objects[] = {
      {s.GroupBoxEdge.get(), "GroupBoxEdge"}, {s.Toolbars.get(), "Toolbars"},
      {s.Tabs.get(), "Tabs"},                 {s.StatusBarEdges.get(), "StatusBarEdges"},
      {s.ComboButton.get(), "ComboButton"},   {s.SunkEdge.get(), "SunkEdge"},
      {s.ExtraImages.get(), "ExtraImages"},   {s.Headerbar.get(), "Headerbar"},
      {s.MenuItem.get(), "MenuItem"},         {s.MenuBackground.get(), "MenuBackground"},
      {s.Scrollbar.get(), "Scrollbar"},       {s.HorzScroll.get(), "HorzScroll"},
      {s.VertScroll.get(), "VertScroll"},     {s.HorzScrollThumb.get(), "HorzScrollThumb"},
      {s.VertScrollThumb.get(), "VertScrollThumb"}, {s.UpDownHorz.get(), "UpDown.Horz"},
      {s.UpDownVert.get(), "UpDown.Vert"}};
  for (const auto& [object, section] : objects) c.Frames(object, section, "Image", false);

  const auto strip = [&c](const ui::TBitmap& bitmap, int frames, const char* key) {
    if (!bitmap.Empty() && frames > 0 && bitmap.Width() % frames != 0)
      c.Error("Buttons", key, std::to_string(frames) + " frames do not divide the image's width " +
                                   std::to_string(bitmap.Width()));
  };
  strip(s.Buttons->CheckBitmap, s.Buttons->CheckFrames, "CheckButtonFrame");
  strip(s.Buttons->RadioBitmap, s.Buttons->RadioFrames, "RadioButtonFrame");

  const std::vector<std::string> sections = CaptionButtonSections(c.ini);
  for (std::size_t i = 0; i < sections.size() && i < s.SysButtons.size(); ++i)
    CheckCaptionButton(c, sections[i], *s.SysButtons[i]);
  const TDataSkinSysButton& firstMdi = *s.SysButtons[sections.size()];
  if (!firstMdi.Bitmap.Empty() && c.ini.ReadString("MDICONTROLS", "Image", "") != "") {
    ui::TBitmap cells;
    LoadImage(cells, c.ini.ReadString("MDICONTROLS", "Image", ""), c.reader);
    if (cells.Width() % 12 != 0)
      c.Error("MDICONTROLS", "Image", "12 cells do not divide the image's width " + std::to_string(cells.Width()));
  }
}

// [Colourise] AccentHue: the hue of the skin's accent, whole degrees 0 to 359.
void CheckColourise(const TChecker& c) {
  const std::string value = c.ini.ReadString("Colourise", "AccentHue", "");
  if (value.empty()) return;
  if (c.set.AccentHue < 0 || std::to_string(c.set.AccentHue) != value)
    c.Error("Colourise", "AccentHue",
            "\"" + value + "\" is no hue (whole degrees 0 to 359): the skin cannot follow the accent colour");
}

}  // namespace

void CheckDefinition(const TSkinReader& reader, const std::string& definitionName,
                     const ui::TMemoryStream& definition, TCheckReport& report) {
  const auto* text = reinterpret_cast<const char*>(definition.Bytes().data());
  const TIniFile ini(std::string_view(text, definition.Bytes().size()));
  TSkinSet set;
  set.LoadDefinition(ini, reader);
  const TChecker checker{reader, definitionName, ini, set, report};
  CheckImageKeys(checker);
  CheckObjects(checker);
  CheckColourise(checker);
  for (const TMisfitImage& m : set.MisfitImages)
    report.Error(m.Name, "",
                 "is " + std::to_string(m.Width) + " x " + std::to_string(m.Height) + ", not " +
                     std::to_string(m.ExpectedWidth) + " x " + std::to_string(m.ExpectedHeight) +
                     " (its base image at its scale): the program scales the base image instead");
}

}  // namespace skin
