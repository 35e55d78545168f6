#include "gallery/GalleryColour.h"

#include "gallery/GalleryMain.h"
#include "gallery/GallerySkins.h"
#include "skin/WinSkinData/SkinData.h"

namespace gallery {

TGalleryColour::TGalleryColour(ui::TComponent* owner) : ui::TForm(owner) {
  RegisterGalleryClasses();
  BindField("HueNote", HueNote);
  BindField("SaturationNote", SaturationNote);
  BindField("BrightnessNote", BrightnessNote);
  BindField("HueBar", HueBar);
  BindField("SaturationBar", SaturationBar);
  BindField("BrightnessBar", BrightnessBar);
  BindField("ResetButton", ResetButton);
  BindField("CloseButton", CloseButton);
  BindEvent("BarChange", this, &TGalleryColour::BarChange);
  BindEvent("ResetButtonClick", this, &TGalleryColour::ResetButtonClick);
  BindEvent("CloseButtonClick", this, &TGalleryColour::CloseButtonClick);
  InitializeForm();
}

TGalleryColour::~TGalleryColour() { DestroyComponents(); }

void TGalleryColour::ShowColour(const skin::TColourShift& colour) {
  showing_ = true;
  HueBar->SetPosition(colour.Hue);
  SaturationBar->SetPosition(colour.Saturation);
  BrightnessBar->SetPosition(colour.Brightness);
  showing_ = false;
}

void TGalleryColour::BarChange(ui::TObject*) {
  if (showing_ || !OnColour) return;
  OnColour({HueBar->Position(), SaturationBar->Position(), BrightnessBar->Position()});
}

void TGalleryColour::ResetButtonClick(ui::TObject*) {
  ShowColour({});
  if (OnColour) OnColour({});
}

void TGalleryColour::CloseButtonClick(ui::TObject*) { Close(); }

void TGallerySkins::OpenColourDialog() {
  if (!colourDialog_) {
    colourDialog_ = new TGalleryColour(&main_);
    colourDialog_->OnColour = [this](const skin::TColourShift& colour) { SetColour(colour); };
  }
  colourDialog_->ShowColour(main_.SkinData1->Colour());
  colourDialog_->Show();
  SetForegroundWindow(colourDialog_->Handle());
}

}  // namespace gallery
