// The 颜色… Colour… dialog of the Skin menu: three track bars (hue,
// saturation, brightness) that put the skin in their colour on every window
// as they move, and a reset to the skin as painted. A framework form, so it
// is skinned like every other.
#pragma once

#include <functional>

#include "gallery/GalleryNote.h"
#include "skin/WinSkinData/ColourShift.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/StdCtrls.h"

namespace gallery {

class TGalleryColour : public ui::TForm {
 public:
  explicit TGalleryColour(ui::TComponent* owner);
  ~TGalleryColour() override;
  std::string ClassName() const override { return "TGalleryColour"; }

  // The bars show `colour`, without telling OnColour.
  void ShowColour(const skin::TColourShift& colour);
  // Told the bars' colour whenever one moves, and on Reset.
  std::function<void(const skin::TColourShift&)> OnColour;

  TGalleryNote* HueNote = nullptr;
  TGalleryNote* SaturationNote = nullptr;
  TGalleryNote* BrightnessNote = nullptr;
  ui::TTrackBar* HueBar = nullptr;
  ui::TTrackBar* SaturationBar = nullptr;
  ui::TTrackBar* BrightnessBar = nullptr;
  ui::TButton* ResetButton = nullptr;
  ui::TButton* CloseButton = nullptr;

  void BarChange(ui::TObject* Sender);
  void ResetButtonClick(ui::TObject* Sender);
  void CloseButtonClick(ui::TObject* Sender);

 private:
  bool showing_ = false;
};

}  // namespace gallery
