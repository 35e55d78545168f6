#include "gallery/GalleryChild.h"

#include <string>

#include "ui/TextConv.h"

namespace gallery {

TGalleryChild::TGalleryChild(ui::TComponent* owner, int number) : ui::TForm(owner) {
  RegisterGalleryClasses();
  BindField("Note", Note);
  InitializeForm();
  const std::string n = std::to_string(number);
  SetCaption(ui::Utf8ToWide("子窗口 " + n + " · Child " + n));
  Show();
}

TGalleryChild::~TGalleryChild() { DestroyComponents(); }

}  // namespace gallery
