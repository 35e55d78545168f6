#include "skin/WinSkinData/SkinData.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "skin/WinSkinData/SkinAtDpi.h"
#include "skin/manager/SkinManage.h"
#include "ui/FormParser.h"
#include "ui/FormReader.h"

namespace skin {

namespace {

// A skin file is a stored skin; none of ours comes near this, and a larger
// file could not hold a package the reader accepts.
constexpr std::uintmax_t kMaxSkinFileSize = 2 * std::uintmax_t(kMaxPackageSize);

std::filesystem::path PathFromUtf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// The whole content of a skin file, or nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadSkinFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxSkinFileSize) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
  if (std::uintmax_t(file.gcount()) != size) return std::nullopt;
  return bytes;
}

}  // namespace

TSkinData::TSkinData(ui::TComponent* owner) : ui::TComponent(owner) {
  if (!Designing()) EnsureSkinManage().RegisterSkinData(this);
}

TSkinData::~TSkinData() {
  if (TSkinManage* manager = SkinManage()) manager->UnregisterSkinData(this);
}

void TSkinData::Request(int action) {
  if (TSkinManage* manager = SkinManage()) manager->SetState(action);
}

void TSkinData::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (Designing() || InState(ui::csLoading) || SkinFormtype != sfMainform) return;
  if (value && Empty) return;  // nothing to switch on
  Request(value ? 1 : 2);
}

void TSkinData::SetSkinFile(const std::string& path) {
  Empty = true;
  skinFile_ = path;
  if (Designing()) {
    if (!path.empty() && stored_.Size() > 0) stored_.Clear();
    return;
  }
  std::optional<std::vector<std::uint8_t>> bytes = ReadSkinFile(PathFromUtf8(path));
  if (!bytes) return;  // the previous skin objects stay, unused while Empty
  stored_ = ui::TMemoryStream(std::move(*bytes));
  LoadFromStored();
  ApplySkin();
}

std::string TSkinData::SkinStore() const {
  return Designing() && stored_.Size() > 0 ? "(Good)" : "(none)";
}

void TSkinData::WriteSkinStream(ui::TStream& out) const {
  out.WriteUInt32LE(std::uint32_t(stored_.Size()));
  if (stored_.Size() > 0) out.WriteBuffer(stored_.Bytes().data(), stored_.Bytes().size());
}

void TSkinData::ReadSkinStream(ui::TStream& in) {
  if (in.Remaining() < 4) return;
  const auto count = std::int32_t(in.ReadUInt32LE());
  if (count <= 0) return;
  if (std::uint64_t(count) > in.Remaining()) {
    // A truncated property: keep what is stored and load nothing.
    Empty = true;
    return;
  }
  stored_.Clear();
  stored_.SetSize(std::size_t(count));
  in.ReadBuffer(stored_.Bytes().data(), std::size_t(count));
  stored_.SetPosition(0);
  if (!Designing()) LoadFromStored();
}

bool TSkinData::LoadFromStored() {
  Empty = true;
  if (Designing()) return false;
  return TSkinSet::LoadFromStored(stored_);
}

TSkinSet& TSkinData::AtDpi(int dpi) {
  if (dpi == kBaseDpi || dpi <= 0) return *this;
  std::unique_ptr<TSkinSet>& scaled = atDpi_[dpi];
  if (!scaled) {
    auto made = std::make_unique<TSkinSet>();
    if (!RebuildAtDpi(dpi, *made)) return *this;
    scaled = std::move(made);
  }
  return *scaled;
}

bool TSkinData::RebuildAtDpi(int dpi, TSkinSet& scaled) const {
  try {
    TSkinSet fresh;
    BuildSkinAtDpi(*this, dpi, fresh);
    scaled.ReplaceSkin(fresh);
    return true;
  } catch (const std::exception&) {
    return false;  // out of memory: the windows at that DPI keep what they have
  }
}

void TSkinData::SetHue(int value) { SetColour({value, colour_.Saturation, colour_.Brightness}); }
void TSkinData::SetSaturation(int value) { SetColour({colour_.Hue, value, colour_.Brightness}); }
void TSkinData::SetBrightness(int value) { SetColour({colour_.Hue, colour_.Saturation, value}); }

void TSkinData::SetColour(TColourShift colour) {
  colour = NormalisedShift(colour);
  if (colour == colour_) return;
  const TColourShift before = colour_;
  colour_ = colour;
  if (Designing() || Empty) return;  // coloured when a skin comes
  if (!PutColour()) {
    colour_ = before;
    return;
  }
  ApplySkin();
}

bool TSkinData::PutColour() {
  const bool kept = colouring_;
  colouring_ = true;
  bool done = true;
  try {
    if (colour_.Plain()) {
      // Back to the very objects the skin was loaded with.
      if (plain_) ReplaceSkin(*plain_);
      plain_.reset();
    } else {
      const bool havePlain = plain_ != nullptr;
      TSkinSet coloured;
      BuildColouredSkin(havePlain ? *plain_ : *this, colour_, coloured);
      if (!havePlain) {
        auto plain = std::make_unique<TSkinSet>();
        plain->ReplaceSkin(*this);  // this set's objects, as painted, move aside
        plain_ = std::move(plain);
      }
      ReplaceSkin(coloured);
    }
  } catch (const std::exception&) {
    done = false;
  }
  colouring_ = kept;
  return done;
}

void TSkinData::SkinReplaced() {
  if (!colouring_) {
    // A new skin as painted: the old plain one is gone, and the new one
    // takes the component's colour before any window reads it.
    plain_.reset();
    if (!colour_.Plain() && PutColour()) return;  // PutColour's own replace did the rest
  }
  for (auto& [dpi, scaled] : atDpi_)
    if (scaled) RebuildAtDpi(dpi, *scaled);
  // Whatever the component's kind, its windows drop what they built from the
  // old skin before they paint again.
  if (TSkinManage* manager = SkinManage()) manager->SkinDataReloaded(this);
}

bool TSkinData::LoadSkin(std::vector<std::uint8_t> stored) {
  if (Designing()) return false;
  TSkinSet loaded;
  ui::TMemoryStream check{std::vector<std::uint8_t>(stored)};
  if (!loaded.LoadFromStored(check)) return false;
  stored_ = ui::TMemoryStream(std::move(stored));
  skinFile_.clear();  // the skin in effect is the stored one now
  ReplaceSkin(loaded);
  ApplySkin();
  SetActive(true);
  return true;
}

void TSkinData::ApplySkin() {
  if (Designing() || InState(ui::csLoading) || SkinFormtype != sfMainform) return;
  TSkinManage* manager = SkinManage();
  if (!manager) return;
  manager->ChangedSkinData = this;
  manager->FreeAllSysButtons();
  manager->SetState(3);
}

void TSkinData::SkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::FormFilter(std::string_view className, bool& DoSkin) {
  if (className == "TQRStandardPreview" || className == "SysMonthCal32" || className == "TppPrintPreview") {
    DoSkin = false;
    return;
  }
  if (SkinControls.Contains(xcFastReport) && className.starts_with("Tfr")) {
    DoSkin = false;
    return;
  }
  if (OnFormSkin) OnFormSkin(this, std::string(className), DoSkin);
}

void TSkinData::Loaded() {
  ui::TComponent::Loaded();
  if (Designing() || !active_) return;
  if (Empty) {
    active_ = false;  // no skin: skinning stays off, and the manager is not asked
    return;
  }
  Request(1);
}

bool TSkinData::SetProperty(std::string_view name, const ui::TPropertyValue& value, ui::TReader& reader) {
  if (name == "Active") {
    SetActive(value.AsBool());
  } else if (name == "DisableTag") {
    DisableTag = value.AsInt();
  } else if (name == "SkinControls") {
    TSkinControlTypes set;
    for (const std::string& item : value.AsSet()) {
      const std::optional<TSkinControlType> member = SkinControlTypeByName(item);
      if (!member) throw ui::EPropertyError("unknown SkinControls member " + item);
      set.Include(*member);
    }
    SkinControls = set;
  } else if (name == "Hue") {
    SetHue(value.AsInt());
  } else if (name == "Saturation") {
    SetSaturation(value.AsInt());
  } else if (name == "Brightness") {
    SetBrightness(value.AsInt());
  } else if (name == "SkinFile") {
    SetSkinFile(value.AsString());
  } else if (name == "SkinStore") {
    value.AsString();  // a display value: checked, never stored
  } else if (name == "SkinFormtype") {
    SkinFormtype = value.AsEnum<TSkinFormType>(
        {{"sfMainform", sfMainform}, {"sfOnlyThisForm", sfOnlyThisForm}, {"sfDialog", sfDialog}});
  } else if (name == "OnFormSkin") {
    OnFormSkin = reader.FindEvent<TOnFormSkin>(value);
  } else if (name == "OnSkinChanged") {
    OnSkinChanged = reader.FindEvent<ui::TNotifyEvent>(value);
  } else {
    return ui::TComponent::SetProperty(name, value, reader);
  }
  return true;
}

bool TSkinData::ReadBinaryProperty(std::string_view name, ui::TStream& stream) {
  if (name != "SkinStream") return ui::TComponent::ReadBinaryProperty(name, stream);
  ReadSkinStream(stream);
  return true;
}

void RegisterSkinDataClass() { ui::RegisterComponentClass<TSkinData>("TSkinData"); }

namespace {
// Any program that uses TSkinData can read it from its forms without a call.
[[maybe_unused]] const bool kSkinDataRegistered = (RegisterSkinDataClass(), true);
}  // namespace

}  // namespace skin
