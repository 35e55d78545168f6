#include "gallery/EditsPage.h"

#include "gallery/GalleryNote.h"

namespace gallery {

TEditsPage::TEditsPage(ui::TComponent* owner) : ui::TForm(owner) {
  RegisterGalleryClasses();
  InitializeForm();
}

TEditsPage::~TEditsPage() { DestroyComponents(); }

}  // namespace gallery
