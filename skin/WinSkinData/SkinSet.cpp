#include "skin/WinSkinData/SkinSet.h"

#include <exception>
#include <utility>

#include "skin/WinSkinData/SkinTempFile.h"

namespace skin {

TSkinSet::TSkinSet()
    : Borders{std::make_unique<TDataSkinBorder>("Left"), std::make_unique<TDataSkinBorder>("Right"),
              std::make_unique<TDataSkinBorder>("Top"), std::make_unique<TDataSkinBorder>("Bottom")},
      Title(std::make_unique<TDataSkinTitle>("Title")),
      Buttons(std::make_unique<TDataSkinButton>("Buttons")) {}

TSkinSet::~TSkinSet() = default;

void TSkinSet::SwapSkin(TSkinSet& other) {
  using std::swap;
  swap(SkinName, other.SkinName);
  swap(AccentHue, other.AccentHue);
  swap(Dpi, other.Dpi);
  swap(Borders, other.Borders);
  swap(Title, other.Title);
  swap(Buttons, other.Buttons);
  swap(SysButtons, other.SysButtons);
  swap(MisfitImages, other.MisfitImages);
  for (auto member : {&TSkinSet::MenuBar, &TSkinSet::Progress, &TSkinSet::GroupBoxEdge, &TSkinSet::Toolbars,
                      &TSkinSet::StatusBarEdges, &TSkinSet::ComboButton, &TSkinSet::SunkEdge,
                      &TSkinSet::ExtraImages, &TSkinSet::Headerbar, &TSkinSet::MenuItem, &TSkinSet::MenuBackground,
                      &TSkinSet::Scrollbar, &TSkinSet::HorzScroll, &TSkinSet::VertScroll,
                      &TSkinSet::HorzScrollThumb, &TSkinSet::VertScrollThumb})
    swap(this->*member, other.*member);
  for (auto member : {&TSkinSet::Tabs, &TSkinSet::UpDownHorz, &TSkinSet::UpDownVert})
    swap(this->*member, other.*member);
  for (auto member : kSkinColours) swap(this->*member, other.*member);
}

bool TSkinSet::LoadFromStored(ui::TStream& stored) {
  Empty = true;
  try {
    TSkinReader reader;
    if (!reader.Load(stored)) return false;
    ui::TMemoryStream definition;
    std::string definitionName;  // the package's name for it, never used as a path
    if (!reader.ExtractBySubstring(".ini", definition, definitionName)) return false;
    TSkinTempFile file;
    if (!file.Create(definition.Bytes())) return false;
    return LoadDefinitionFile(file.Path(), reader);
  } catch (const std::exception&) {
    // Out of memory or an oversized image: the load fails, the old objects stay unused.
    Empty = true;
    return false;
  }
}

bool TSkinSet::LoadDefinitionFile(const std::filesystem::path& file, const TSkinReader& reader) {
  Empty = true;
  TIniFile ini;
  if (!ini.LoadFromFile(file)) return false;
  LoadDefinition(ini, reader);
  return true;
}

}  // namespace skin
