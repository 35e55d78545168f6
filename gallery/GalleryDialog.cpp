#include "gallery/GalleryDialog.h"

namespace gallery {

TGalleryDialog::TGalleryDialog(ui::TComponent* owner) : ui::TForm(owner) {
  RegisterGalleryClasses();
  BindField("Note", Note);
  BindField("OkButton", OkButton);
  BindEvent("OkButtonClick", this, &TGalleryDialog::OkButtonClick);
  InitializeForm();
}

TGalleryDialog::~TGalleryDialog() { DestroyComponents(); }

void TGalleryDialog::OkButtonClick(ui::TObject*) { Close(); }

}  // namespace gallery
