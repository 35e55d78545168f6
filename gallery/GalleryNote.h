// A few lines of text, wrapped inside the control's edges and drawn on
// whatever is behind them, so the form's skinned face colour shows through.
#pragma once

#include "ui/Control.h"

namespace gallery {

class TGalleryNote : public ui::TGraphicControl {
 public:
  explicit TGalleryNote(ui::TComponent* owner);
  std::string ClassName() const override { return "TGalleryNote"; }

 protected:
  void Paint() override;
  void WndProc(ui::TMessage& message) override;
};

// Makes the gallery's own component classes and the skin data component
// known to the form reader (idempotent).
void RegisterGalleryClasses();

}  // namespace gallery
