#include "skin/SkinRead/SkinCheck.h"

#include <set>

#include "skin/SkinRead/DefinitionCheck.h"
#include "skin/SkinRead/PackageNames.h"
#include "ui/BitmapFile.h"

namespace skin {

namespace {

void CheckNames(const TSkinReader& reader, TCheckReport& report) {
  std::set<std::string> seen;
  for (const std::string& name : reader.Names()) {
    if (const std::string problem = NameProblem(name); !problem.empty()) report.Error(name, "", problem);
    if (!seen.insert(name).second) report.Warning(name, "", "listed more than once; the program reads the first");
    if (!IsBitmapName(name) && !IsDefinitionName(name)) report.Warning(name, "", "neither a .bmp nor an .ini file");
  }
}

void CheckBitmaps(const TSkinReader& reader, TCheckReport& report) {
  ui::TMemoryStream bytes;
  for (std::size_t i = 0; i < reader.Count(); ++i) {
    const std::string& name = reader.Names()[i];
    if (!IsBitmapName(name)) continue;
    reader.ExtractByIndex(i, bytes);
    std::string why;
    if (bytes.Size() == 0)
      report.Error(name, "", "empty; the program treats it as a missing image");
    else if (!ui::DecodeBitmapFile(bytes.Bytes(), &why))
      report.Error(name, "", "not a readable bitmap: " + why);
  }
}

// The program takes the first name that contains ".ini" as its definition.
void CheckDefinitionEntry(const TSkinReader& reader, TCheckReport& report) {
  ui::TMemoryStream definition;
  std::string definitionName;
  if (!reader.ExtractBySubstring(".ini", definition, definitionName)) {
    report.Error("", "", "no definition (.ini) file");
    return;
  }
  if (!IsDefinitionName(definitionName)) {
    report.Error(definitionName, "", "the program takes this entry for the definition: its name holds \".ini\"");
    return;
  }
  for (const std::string& name : reader.Names())
    if (IsDefinitionName(name) && name != definitionName)
      report.Warning(name, "", "a second definition; the program reads only " + definitionName);
  if (definition.Size() == 0) report.Error(definitionName, "", "the definition is empty");
  CheckDefinition(reader, definitionName, definition, report);
}

}  // namespace

void CheckPackage(const TSkinReader& reader, TCheckReport& report) {
  CheckNames(reader, report);
  CheckBitmaps(reader, report);
  CheckDefinitionEntry(reader, report);
}

}  // namespace skin
