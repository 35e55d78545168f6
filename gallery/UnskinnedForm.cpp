#include "gallery/UnskinnedForm.h"

namespace gallery {

TUnskinnedForm::TUnskinnedForm(ui::TComponent* owner) : ui::TForm(owner) {
  RegisterGalleryClasses();
  BindField("Note", Note);
  InitializeForm();
}

TUnskinnedForm::~TUnskinnedForm() { DestroyComponents(); }

}  // namespace gallery
