// libFuzzer entry: arbitrary bytes as a stored skin, through every stage that
// a skin load runs. Built by scripts/fuzz.sh only (option TAVRIN_FUZZ).
//
// Mutated compressed bytes seldom decode to a well-formed package, so an input
// that starts with "PKG:" is taken as a bare package instead and compressed
// first: the package index and the definition stage then see structured data.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/SkinRead/SkinMessage.h"
#include "skin/SkinRead/SkinReader.h"
#include "skin/WinSkinData/SkinAtDpi.h"
#include "skin/WinSkinData/SkinSet.h"
#include "skin/codec/LzhEncoder.h"
#include "ui/Streams.h"

namespace {

void SilenceMessages() {
  static const bool silenced = [] {
    skin::SetSkinMessageHandler([](const std::string&) {});
    return true;
  }();
  (void)silenced;
}

std::vector<std::uint8_t> StoredSkinOf(const std::uint8_t* data, std::size_t size) {
  static constexpr char kPackagePrefix[] = {'P', 'K', 'G', ':'};
  if (size >= 4 && std::equal(kPackagePrefix, kPackagePrefix + 4, data))
    return skin::EncodeStored({data + 4, size - 4});
  return std::vector<std::uint8_t>(data, data + size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SilenceMessages();
  ui::TMemoryStream stored(StoredSkinOf(data, size));
  skin::TSkinReader reader;
  if (!reader.Load(stored)) return 0;

  ui::TMemoryStream definition;
  std::string definitionName;
  reader.ExtractBySubstring(".ini", definition, definitionName);
  ui::TMemoryStream file;
  for (const std::string& name : reader.Names()) reader.ExtractByName(name, file);

  // Definition stage: the skin objects and their bitmaps, from the definition
  // text in memory (the component reads the same text back from its
  // temporary file; the file round trip itself is tested elsewhere).
  const auto* text = reinterpret_cast<const char*>(definition.Bytes().data());
  skin::TSkinSet set;
  set.LoadDefinition(skin::TIniFile(std::string_view(text, definition.Bytes().size())), reader);

  // The skin at a display scale picked from the input (120 to 240 DPI), from
  // its larger pictures or scaled.
  skin::TSkinSet scaled;
  skin::BuildSkinAtDpi(set, 120 + int(size % 5) * 24, scaled);
  return 0;
}
