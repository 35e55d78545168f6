#include "skin/WinSkinData/SkinSet.h"

#include <exception>

#include "skin/WinSkinData/SkinTempFile.h"

namespace skin {

TSkinSet::TSkinSet()
    : Borders{std::make_unique<TDataSkinBorder>("Left"), std::make_unique<TDataSkinBorder>("Right"),
              std::make_unique<TDataSkinBorder>("Top"), std::make_unique<TDataSkinBorder>("Bottom")},
      Title(std::make_unique<TDataSkinTitle>("Title")),
      Buttons(std::make_unique<TDataSkinButton>("Buttons")) {}

TSkinSet::~TSkinSet() = default;

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
