#include "gallery/GalleryNote.h"

#include "skin/WinSkinData/SkinData.h"
#include "ui/FormReader.h"
#include "ui/GdiHandles.h"

namespace gallery {

namespace {

constexpr int kMargin = 12;  // the text keeps off the control's edges

}  // namespace

TGalleryNote::TGalleryNote(ui::TComponent* owner) : ui::TGraphicControl(owner) {}

void TGalleryNote::Paint() {
  const HDC dc = Canvas().Handle();
  ui::SelectGuard font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ui::ColorToRGB(Font().Color()));
  RECT r = ClientRect();
  InflateRect(&r, -kMargin, -kMargin);
  DrawTextW(dc, Caption().c_str(), int(Caption().size()), &r, DT_WORDBREAK | DT_NOPREFIX);
}

void TGalleryNote::WndProc(ui::TMessage& m) {
  if (m.Msg == ui::CM_TEXTCHANGED) Invalidate();
  ui::TGraphicControl::WndProc(m);
}

void RegisterGalleryClasses() {
  static const bool registered = [] {
    ui::RegisterComponentClass<TGalleryNote>("TGalleryNote");
    // Explicitly: a static library's own registration may never be linked in.
    skin::RegisterSkinDataClass();
    return true;
  }();
  (void)registered;
}

}  // namespace gallery
