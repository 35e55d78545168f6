#include "ui/Image.h"

#include "ui/FormParser.h"

namespace ui {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) { StoreBounds(0, 0, 105, 105); }

void TImage::PictureChanged() {
  AdjustSize();
  Invalidate();
}

void TImage::AdjustSize() {
  if (autoSize_ && !picture_.Empty() && !InState(csLoading) && Align() != alClient)
    SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

void TImage::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustSize();
}

void TImage::SetStretch(bool value) {
  if (value == stretch_) return;
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  if (value == center_) return;
  center_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Invalidate();  // the parent repaints the area, background first
}

RECT TImage::DestRect() const {
  const RECT client = ClientRect();
  if (stretch_) return client;
  int x = 0, y = 0;
  if (center_) {
    x = (client.right - picture_.Width()) / 2;
    y = (client.bottom - picture_.Height()) / 2;
  }
  return RECT{x, y, x + picture_.Width(), y + picture_.Height()};
}

void TImage::Paint() {
  if (picture_.Empty()) return;
  picture_.Transparent = transparent_;
  Canvas().StretchDraw(DestRect(), picture_);
}

bool TImage::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "AutoSize") SetAutoSize(value.AsBool());
  else if (name == "Stretch") SetStretch(value.AsBool());
  else if (name == "Center") SetCenter(value.AsBool());
  else if (name == "Transparent") SetTransparent(value.AsBool());
  else return TGraphicControl::SetProperty(name, value, reader);
  return true;
}

bool TImage::ReadBinaryProperty(std::string_view name, TStream& stream) {
  if (name != "Picture.Data") return TGraphicControl::ReadBinaryProperty(name, stream);
  if (!picture_.LoadFromStream(stream)) throw EPropertyError("the data is not a bitmap file");
  PictureChanged();
  return true;
}

void TImage::Loaded() {
  TGraphicControl::Loaded();
  AdjustSize();
}

}  // namespace ui
