#include "gallery/BarsPage.h"

#include "gallery/GalleryNote.h"

namespace gallery {

TBarsPage::TBarsPage(ui::TComponent* owner) : ui::TForm(owner) {
  RegisterGalleryClasses();
  BindField("TrackHorizontal", TrackHorizontal);
  BindField("ProgressTracked", ProgressTracked);
  BindEvent("TrackHorizontalChange", this, &TBarsPage::TrackHorizontalChange);
  InitializeForm();
}

TBarsPage::~TBarsPage() { DestroyComponents(); }

void TBarsPage::TrackHorizontalChange(ui::TObject*) {
  ProgressTracked->SetPosition(TrackHorizontal->Position() * 10);
}

}  // namespace gallery
