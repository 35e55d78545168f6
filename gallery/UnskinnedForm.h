// A form with Tag 99: the engine never skins it, so it keeps the system's
// own frame beside the skinned windows.
#pragma once

#include "gallery/GalleryNote.h"
#include "ui/Form.h"

namespace gallery {

class TUnskinnedForm : public ui::TForm {
 public:
  explicit TUnskinnedForm(ui::TComponent* owner);
  ~TUnskinnedForm() override;
  std::string ClassName() const override { return "TUnskinnedForm"; }

  TGalleryNote* Note = nullptr;
};

}  // namespace gallery
