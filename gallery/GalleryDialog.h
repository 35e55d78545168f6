// A framework form shown as a dialog: a fixed dialog frame without maximise
// and minimise boxes, skinned at its first activation like any form.
#pragma once

#include "gallery/GalleryNote.h"
#include "ui/Form.h"
#include "ui/StdCtrls.h"

namespace gallery {

class TGalleryDialog : public ui::TForm {
 public:
  explicit TGalleryDialog(ui::TComponent* owner);
  ~TGalleryDialog() override;
  std::string ClassName() const override { return "TGalleryDialog"; }

  TGalleryNote* Note = nullptr;
  ui::TButton* OkButton = nullptr;

  void OkButtonClick(ui::TObject* Sender);
};

}  // namespace gallery
