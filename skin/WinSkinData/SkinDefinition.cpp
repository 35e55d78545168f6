// The loading steps of a skin definition, in their fixed order.
#include <algorithm>

#include "skin/WinSkinData/SkinAtDpi.h"
#include "skin/WinSkinData/SkinColour.h"
#include "skin/WinSkinData/SkinImage.h"
#include "skin/WinSkinData/SkinSet.h"

namespace skin {

namespace {

constexpr std::string_view kPersonality = "Personality";
constexpr std::string_view kColours = "Colours";
constexpr int kMdiButtonCount = 3;

void ReadMargins(const TIniFile& ini, std::string_view section, TDataSkinObject& object) {
  object.LeftWidth = ini.ReadInteger(section, "LeftWidth", 0);
  object.RightWidth = ini.ReadInteger(section, "RightWidth", 0);
  object.TopHeight = ini.ReadInteger(section, "TopHeight", 0);
  object.BottomHeight = ini.ReadInteger(section, "BottomHeight", 0);
}

void ReadStateColours(const TIniFile& ini, std::string_view section, ui::TColor textDefault,
                      TDataSkinObject& object) {
  object.NormalColour = ini.ReadInteger(section, "NormalColour", -1);
  object.MouseOverColour = ini.ReadInteger(section, "MouseOverColour", -1);
  object.PressedColour = ini.ReadInteger(section, "PressedColour", -1);
  object.NormalColour2 = ParseColour(ini.ReadString(section, "NormalColour2", ""), textDefault);
  object.MouseOverColour2 = ParseColour(ini.ReadString(section, "MouseOverColour2", ""), textDefault);
  object.PressedColour2 = ParseColour(ini.ReadString(section, "PressedColour2", ""), textDefault);
}

// An image object of step 10: absent when its "Image" key is empty.
template <typename T>
std::unique_ptr<T> LoadImageObject(const TIniFile& ini, const TSkinReader& reader, std::string_view section,
                                   ui::TColor textDefault) {
  const std::string image = ini.ReadString(section, "Image", "");
  if (image.empty()) return nullptr;
  auto object = std::make_unique<T>(std::string(section));
  LoadImage(object->Bitmap, object->BitmapLarger, image, reader);
  ReadMargins(ini, section, *object);
  object->Trans = ini.ReadInteger(section, "Trans", 0);
  object->Tile = ini.ReadInteger(section, "Tile", 0);
  ReadStateColours(ini, section, textDefault, *object);
  return object;
}

// A bordered image object: its second image comes from `secondKey` when given.
std::unique_ptr<TDataSkinBorder> LoadBorderObject(const TIniFile& ini, const TSkinReader& reader,
                                                  std::string_view section, std::string_view secondKey,
                                                  ui::TColor textDefault) {
  auto object = LoadImageObject<TDataSkinBorder>(ini, reader, section, textDefault);
  if (!object) return nullptr;
  const std::string second = ini.ReadString(section, secondKey, "");
  if (!second.empty()) LoadImage(object->Bitmap2, object->Bitmap2Larger, second, reader);
  return object;
}

bool IsCaptionButtonSection(const std::string& upper) {
  return upper.starts_with("BUTTON") && upper != "BUTTONS" && upper != "BUTTON.RADIO" &&
         upper != "BUTTON.CHECKBOX";
}

// Caption-button frames when the definition gives none: from the image's shape.
std::int32_t CaptionButtonFrames(const TDataSkinSysButton& button) {
  if (button.Bitmap.Empty() || button.Action < 0) return 6;
  const double ratio = double(button.Bitmap.Width()) / double(button.Bitmap.Height());
  return ratio <= 3.8 ? 3 : 6;
}

void SetFrames(TDataSkinObject* object, std::int32_t frames) {
  if (object) object->FrameCount = frames;
}

}  // namespace

std::vector<std::string> CaptionButtonSections(const TIniFile& ini) {
  std::vector<std::string> kept;
  for (const std::string& section : ini.Sections()) {
    std::string upper = UpperAscii(section);
    if (IsCaptionButtonSection(upper)) kept.push_back(std::move(upper));
  }
  return kept;
}

std::int32_t StripFrameCount(const ui::TBitmap& strip) {
  const int cell = strip.Height() < 16 ? 13 : 16;
  return std::max(strip.Width() / cell, 4);
}

void TSkinSet::LoadDefinition(const TIniFile& ini, const TSkinReader& reader) {
  Empty = true;
  TSkinSet loaded;
  loaded.ReadDefinition(ini, reader);
  ReplaceSkin(loaded);
}

void TSkinSet::ReplaceSkin(TSkinSet& loaded) {
  SwapSkin(loaded);
#ifdef _WIN32
  faceBrush_.Reset(CreateSolidBrush(ui::ColorToRGB(ButtonFaceColour)));
#endif
  Empty = false;
  SkinReplaced();
}

void TSkinSet::ReadDefinition(const TIniFile& ini, const TSkinReader& reader) {
  SkinName = ini.ReadString("TitlebarSkin", "SkinName", "");
  const std::int32_t accent = ini.ReadInteger("Colourise", "AccentHue", -1);
  AccentHue = accent >= 0 && accent < 360 ? accent : -1;
  LoadBorders(ini, reader);
  LoadColours(ini);
  LoadSysButtons(ini, reader);
  LoadButtons(ini, reader);
  LoadTitle(ini, reader);
  LoadProgress(ini, reader);
  LoadMenuBar(ini, reader);
  LoadImageObjects(ini, reader);
  SetFrameCounts(ini);
  MisfitImages = DropMisfitLargerImages(*this);
  Empty = false;
}

void TSkinSet::LoadBorders(const TIniFile& ini, const TSkinReader& reader) {
  for (const auto& border : Borders) {
    const std::string& b = border->Name;
    LoadImage(border->Bitmap, border->BitmapLarger, ini.ReadString(kPersonality, b, ""), reader);
    const std::int32_t first = ini.ReadInteger(kPersonality, b + "TopHeight", 0);
    const std::int32_t second = ini.ReadInteger(kPersonality, b + "BotHeight", 0);
    // The sides keep their fixed ends at top and bottom, the top and bottom
    // borders at left and right.
    const bool side = border.get() == Borders[bdLeft].get() || border.get() == Borders[bdRight].get();
    border->TopHeight = side ? first : 0;
    border->BottomHeight = side ? second : 0;
    border->LeftWidth = side ? 0 : first;
    border->RightWidth = side ? 0 : second;
    border->FrameCount = ini.ReadInteger(kPersonality, b + "Frame", 1);
    border->Tile = ini.ReadInteger(kPersonality, b + "Stretch", 1);
    border->Trans = ini.ReadInteger(kPersonality, b + "Trans", 1);
  }
}

void TSkinSet::LoadColours(const TIniFile& ini) {
  const auto colour = [&ini](std::string_view key, ui::TColor def) {
    return ParseColour(ini.ReadString(kColours, key, ""), def);
  };
  WindowTextColour = colour("WindowText", ui::clWindowText);
  ButtonFaceColour = colour("ButtonFace", ui::clBtnFace);
  ScrollbarColour = colour("Scrollbar", ui::clScrollBar);
  HilightTextColour = colour("HilightText", ui::clHighlightText);
  HilightColour = colour("Hilight", ui::clHighlight);
  MenubarColour = colour("Menubar", ButtonFaceColour);
  MenuColour = colour("Menu", ui::clMenu);
  const std::string faceText = ini.ReadString(kColours, "ButtonFace", "");
  MenuTextColour = ParseColour(ini.ReadString(kColours, "MenuText", faceText), ui::clMenuText);
  ButtonTextColour = colour("ButtonText", ui::clBtnText);
  ButtonHilightColour = colour("ButtonHilight", ui::clBtnHighlight);
  ButtonLightColour = colour("Buttonlight", ui::clBtnHighlight);
  ButtonShadowColour = colour("ButtonShadow", ui::clBtnShadow);
  ButtonDkShadowColour = colour("ButtonDkShadow", ui::clBtnShadow);
  MenuBarTextColour = colour("MenuBarText", ui::clMenu);
  TitleTextActiveColour = colour("TitleTextActive", ui::clCaptionText);
  // No key of its own in most skins: the active text colour serves both.
  const std::string activeText = ini.ReadString(kColours, "TitleTextActive", "");
  TitleTextInactiveColour =
      ParseColour(ini.ReadString(kColours, "TitleTextInactive", activeText), ui::clInactiveCaptionText);
}

void TSkinSet::LoadSysButtons(const TIniFile& ini, const TSkinReader& reader) {
  const std::vector<std::string> sections = CaptionButtonSections(ini);
  SysButtons.clear();
  for (const std::string& section : sections) {
    auto button = std::make_unique<TDataSkinSysButton>(section);
    button->Action = ini.ReadInteger(section, "Action", 0);
    button->Align = ini.ReadInteger(section, "Align", 0);
    button->Xcoord = ini.ReadInteger(section, "Xcoord", 0);
    button->Ycoord = ini.ReadInteger(section, "Ycoord", 0);
    button->Visibility = ini.ReadInteger(section, "Visibility", 0);
    button->Visibility1 = ini.ReadInteger(section, "Visibility1", 0);
    button->CombineOp = ini.ReadInteger(section, "CombineOp", -1);
    button->FrameCount = ini.ReadInteger(section, "frame", 0);
    LoadImage(button->Bitmap, button->BitmapLarger, ini.ReadString(section, "ButtonImage", ""), reader);
    if (button->FrameCount == 0) {
      button->FrameCount = CaptionButtonFrames(*button);
      if (button->Action == 3 || button->Action == 11) {  // drawn without an image
        button->Bitmap.Clear();
        button->BitmapLarger.clear();
      }
    }
    SysButtons.push_back(std::move(button));
  }
  LoadMdiButtons(ini, reader, sections.size());
}

// The minimise, restore and close buttons of maximised MDI children, cut from
// one image of twelve cells, four per button.
void TSkinSet::LoadMdiButtons(const TIniFile& ini, const TSkinReader& reader, std::size_t first) {
  for (int j = 0; j < kMdiButtonCount; ++j) {
    auto button = std::make_unique<TDataSkinSysButton>("MDI" + std::to_string(j + 1));
    button->Action = 7 + j;
    button->Align = button->Visibility = button->Visibility1 = 100;
    button->FrameCount = 4;
    SysButtons.push_back(std::move(button));
  }
  ui::TBitmap cells;
  TLargerImages larger;
  LoadImage(cells, larger, ini.ReadString("MDICONTROLS", "Image", ""), reader);
  if (cells.Empty()) return;
  const int a = cells.Width() / 12;
  for (int j = 0; j < kMdiButtonCount; ++j) {
    TDataSkinSysButton& button = *SysButtons[first + std::size_t(j)];
    CopyBitmapRect(cells, 4 * a * j, 0, 4 * a, cells.Height(), button.Bitmap);
    button.Xcoord = (a + 4) * (3 - j);
    for (const auto& l : larger) {  // the same cells of each larger picture
      auto part = std::make_unique<TLargerImage>();
      const int scaled = l->Bitmap.Width() / 12;
      part->Name = l->Name;
      part->Dpi = l->Dpi;
      CopyBitmapRect(l->Bitmap, 4 * scaled * j, 0, 4 * scaled, l->Bitmap.Height(), part->Bitmap);
      button.BitmapLarger.push_back(std::move(part));
    }
  }
}

void TSkinSet::LoadButtons(const TIniFile& ini, const TSkinReader& reader) {
  constexpr std::string_view s = "Buttons";
  TDataSkinButton& b = *Buttons;
  ReadMargins(ini, s, b);
  b.Trans = ini.ReadInteger(s, "Trans", 0);
  LoadImage(b.Bitmap, b.BitmapLarger, ini.ReadString(s, "Bitmap", ""), reader);
  LoadImage(b.CheckBitmap, b.CheckLarger, ini.ReadString(s, "CheckButton", ""), reader);
  LoadImage(b.RadioBitmap, b.RadioLarger, ini.ReadString(s, "RadioButton", ""), reader);
  b.RadioFrames = ini.ReadInteger(s, "RadioButtonFrame", 0);
  b.CheckFrames = ini.ReadInteger(s, "CheckButtonFrame", 0);
  ReadStateColours(ini, s, ButtonTextColour, b);
}

void TSkinSet::LoadTitle(const TIniFile& ini, const TSkinReader& reader) {
  TDataSkinTitle& t = *Title;
  LoadImage(t.Bitmap, t.BitmapLarger, ini.ReadString(kPersonality, "TextBack", ""), reader);
  t.LeftWidth = ini.ReadInteger(kPersonality, "TextShift", 0);
  t.TopHeight = ini.ReadInteger(kPersonality, "TextShiftVert", 0);
  t.RightWidth = ini.ReadInteger(kPersonality, "TextRightClip", 0);
  t.BottomHeight = 0;
  t.TextAlignment = ini.ReadInteger(kPersonality, "TextAlignment", 0);
  t.Textbackground = ini.ReadInteger(kPersonality, "Textbackground", 0);
  t.FontHeight = ini.ReadInteger("Fonts", "FontHeight", 14);
  t.TXTBackleft = ini.ReadInteger(kPersonality, "TXTBackleft", 0);
  t.TXTBackRight = ini.ReadInteger(kPersonality, "TXTBackRight", 0);
  t.ActiveTextColour = ReadTitleColour(ini, "ActiveText");
  t.InactiveTextColour = ReadTitleColour(ini, "InActiveText");
}

void TSkinSet::LoadProgress(const TIniFile& ini, const TSkinReader& reader) {
  constexpr std::string_view s = "Progress";
  Progress.reset();
  const std::string image = ini.ReadString(s, "Bitmap", "");
  if (image.empty()) return;
  Progress = std::make_unique<TDataSkinObject>(std::string(s));
  LoadImage(Progress->Bitmap, Progress->BitmapLarger, image, reader);
  ReadMargins(ini, s, *Progress);
  Progress->Trans = ini.ReadInteger(s, "Trans", 0);
  Progress->Tile = ini.ReadInteger(s, "Tile", 0);
}

void TSkinSet::LoadMenuBar(const TIniFile& ini, const TSkinReader& reader) {
  MenuBar.reset();
  const std::string image = ini.ReadString(kPersonality, "menuBar", "");
  if (image.empty()) return;
  MenuBar = std::make_unique<TDataSkinObject>(std::string(kPersonality));
  LoadImage(MenuBar->Bitmap, MenuBar->BitmapLarger, image, reader);
  MenuBar->TopHeight = 0;
  MenuBar->BottomHeight = 0;
  MenuBar->Tile = ini.ReadInteger(kPersonality, "TileMenu", 0);
  MenuBar->LeftWidth = ini.ReadInteger(kPersonality, "TileLeftMenu", 1);
  MenuBar->RightWidth = ini.ReadInteger(kPersonality, "TileRightMenu", 1);
}

void TSkinSet::LoadImageObjects(const TIniFile& ini, const TSkinReader& reader) {
  const ui::TColor text = ButtonTextColour;
  GroupBoxEdge = LoadImageObject<TDataSkinObject>(ini, reader, "GroupBoxEdge", text);
  Toolbars = LoadImageObject<TDataSkinObject>(ini, reader, "Toolbars", text);
  Tabs = LoadBorderObject(ini, reader, "Tabs", "Border", text);
  StatusBarEdges = LoadImageObject<TDataSkinObject>(ini, reader, "StatusBarEdges", text);
  ComboButton = LoadImageObject<TDataSkinObject>(ini, reader, "ComboButton", text);
  SunkEdge = LoadImageObject<TDataSkinObject>(ini, reader, "SunkEdge", text);
  ExtraImages = LoadImageObject<TDataSkinObject>(ini, reader, "ExtraImages", text);
  Headerbar = LoadImageObject<TDataSkinObject>(ini, reader, "Headerbar", text);
  MenuItem = LoadImageObject<TDataSkinObject>(ini, reader, "MenuItem", text);
  MenuBackground = LoadImageObject<TDataSkinObject>(ini, reader, "MenuBackground", text);
  Scrollbar = LoadImageObject<TDataSkinObject>(ini, reader, "Scrollbar", text);
  HorzScroll = LoadImageObject<TDataSkinObject>(ini, reader, "HorzScroll", text);
  VertScroll = LoadImageObject<TDataSkinObject>(ini, reader, "VertScroll", text);
  HorzScrollThumb = LoadImageObject<TDataSkinObject>(ini, reader, "HorzScrollThumb", text);
  VertScrollThumb = LoadImageObject<TDataSkinObject>(ini, reader, "VertScrollThumb", text);
  UpDownHorz = LoadBorderObject(ini, reader, "UpDown.Horz", "GlyphImage", text);
  UpDownVert = LoadBorderObject(ini, reader, "UpDown.Vert", "GlyphImage", text);
}

void TSkinSet::SetFrameCounts(const TIniFile& ini) {
  SetFrames(Buttons.get(), 5);
  for (TDataSkinObject* o : {static_cast<TDataSkinObject*>(Title.get()), Progress.get(), MenuBar.get(),
                             GroupBoxEdge.get()})
    SetFrames(o, 2);
  for (TDataSkinObject* o : {Toolbars.get(), static_cast<TDataSkinObject*>(Tabs.get()), ExtraImages.get(),
                             Headerbar.get(), MenuItem.get()})
    SetFrames(o, 5);
  SetFrames(StatusBarEdges.get(), 3);
  for (TDataSkinObject* o : {ComboButton.get(), SunkEdge.get(), HorzScroll.get(), VertScroll.get()})
    SetFrames(o, 4);
  SetFrames(MenuBackground.get(), 1);
  SetFrames(Scrollbar.get(), 23);
  SetFrames(UpDownHorz.get(), 8);
  SetFrames(UpDownVert.get(), 8);
  SetFrames(HorzScrollThumb.get(), ini.ReadInteger("HorzScrollThumb", "FrameCount", 3));
  SetFrames(VertScrollThumb.get(), ini.ReadInteger("VertScrollThumb", "FrameCount", 3));
  if (Buttons->RadioFrames == 0) Buttons->RadioFrames = StripFrameCount(Buttons->RadioBitmap);
  if (Buttons->CheckFrames == 0) Buttons->CheckFrames = StripFrameCount(Buttons->CheckBitmap);
}

}  // namespace skin
