// An MDI child of the gallery's frame: skinned when the frame's client tells
// the engine about it; maximised, its caption buttons move to the frame's
// menu-bar line.
#pragma once

#include "gallery/GalleryNote.h"
#include "ui/Form.h"

namespace gallery {

class TGalleryChild : public ui::TForm {
 public:
  // `number` goes into the caption ("子窗口 2 · Child 2").
  TGalleryChild(ui::TComponent* owner, int number);
  ~TGalleryChild() override;
  std::string ClassName() const override { return "TGalleryChild"; }

  TGalleryNote* Note = nullptr;
};

}  // namespace gallery
