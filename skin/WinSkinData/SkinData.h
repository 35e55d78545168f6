// TSkinData: the component a form drops in to be skinned. It keeps the stored
// skin (from the form description or a skin file), loads it into its skin
// set, asks the skin manager to switch skinning on, off or to a new skin, and
// tells the manager which window classes to leave alone.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/WinSkinData/ColourShift.h"
#include "skin/WinSkinData/SkinControlTypes.h"
#include "skin/WinSkinData/SkinSet.h"
#include "ui/Component.h"
#include "ui/Graphics.h"
#include "ui/Streams.h"

namespace skin {

enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog };

// Asked before windows of class `aName` are skinned; clearing DoSkin keeps them plain.
using TOnFormSkin = std::function<void(ui::TObject* Sender, const std::string& aName, bool& DoSkin)>;

class TSkinData : public ui::TComponent, public TSkinSet {
 public:
  explicit TSkinData(ui::TComponent* owner);
  ~TSkinData() override;

  std::string ClassName() const override { return "TSkinData"; }

  // Published properties.
  bool Active() const { return active_; }
  void SetActive(bool value);
  int DisableTag = 99;  // controls whose Tag mod 100 equals it stay plain
  TSkinControlTypes SkinControls = kDefaultSkinControls;
  const std::string& SkinFile() const { return skinFile_; }
  void SetSkinFile(const std::string& path);  // UTF-8
  // "(Good)" in the designer while a skin is stored, else "(none)". Writing does nothing.
  std::string SkinStore() const;
  TSkinFormType SkinFormtype = sfMainform;
  TOnFormSkin OnFormSkin;
  ui::TNotifyEvent OnSkinChanged;
  // The skin's colour: a hue rotation (0 to 359 degrees), saturation and
  // brightness (-100 to 100, 0 = as painted). A change puts the skin in the
  // new colour on every window of this component; out-of-range values are
  // brought into range.
  int Hue() const { return colour_.Hue; }
  int Saturation() const { return colour_.Saturation; }
  int Brightness() const { return colour_.Brightness; }
  void SetHue(int value);
  void SetSaturation(int value);
  void SetBrightness(int value);
  const TColourShift& Colour() const { return colour_; }
  void SetColour(TColourShift colour);
  // The skin as its author painted it while it is shown in another colour
  // (this set itself otherwise).
  const TSkinSet& PlainSkin() const { return plain_ ? *plain_ : static_cast<const TSkinSet&>(*this); }

  // The stored skin (the SkinStream data: size + LZH package).
  ui::TMemoryStream& StoredSkin() { return stored_; }
  // The SkinStream property: a 32-bit little-endian count, then the bytes.
  void WriteSkinStream(ui::TStream& out) const;
  void ReadSkinStream(ui::TStream& in);

  // Loads the skin set from the stored skin; false when it is not a usable skin.
  bool LoadFromStored();
  using TSkinSet::LoadFromStored;
  // Makes the manager put the new skin on every skinned window.
  void ApplySkin();
  // Puts a stored skin (what the skin packer writes) on every window this
  // component skins and switches skinning on. The bytes are loaded aside
  // first: when they are no usable skin the result is false and nothing
  // changes, neither the skin nor the stored bytes nor any window.
  bool LoadSkin(std::vector<std::uint8_t> stored);
  // Raises OnSkinChanged; the manager calls it once a new skin is on.
  void SkinChanged();
  // Whether windows of `className` may be skinned.
  void FormFilter(std::string_view className, bool& DoSkin);

  // A window's small icon, kept by form skinning for windows without one.
  ui::TBitmap DefaultIcon;

  // The skin for windows at `dpi`: this set itself at 96 DPI, otherwise a
  // copy at that scale made on first use and rebuilt in place with every new
  // skin, so that a window may keep it as it keeps this component.
  TSkinSet& AtDpi(int dpi);

  void Loaded() override;
  bool SetProperty(std::string_view name, const ui::TPropertyValue& value, ui::TReader& reader) override;
  bool ReadBinaryProperty(std::string_view name, ui::TStream& stream) override;

 protected:
  void SkinReplaced() override;

 private:
  bool Designing() const { return InState(ui::csDesigning); }
  void Request(int action);
  // `scaled` becomes this skin at `dpi`; false (and `scaled` unchanged) when
  // there was no memory for it.
  bool RebuildAtDpi(int dpi, TSkinSet& scaled) const;
  // Puts the skin in colour_ in place of this set's objects, the plain skin
  // kept aside (or put back for a plain colour). False when there was no
  // memory for it: the objects stay as they were.
  bool PutColour();

  bool active_ = false;
  std::string skinFile_;
  ui::TMemoryStream stored_;
  std::map<int, std::unique_ptr<TSkinSet>> atDpi_;
  TColourShift colour_;
  // The skin as painted while colour_ is not plain.
  std::unique_ptr<TSkinSet> plain_;
  // The objects being replaced are a colouring of plain_, not a new skin.
  bool colouring_ = false;
};

// Makes "TSkinData" known to the form reader (idempotent).
void RegisterSkinDataClass();

}  // namespace skin
