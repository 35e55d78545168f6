#include "ui/ToolBar.h"

#include "ui/Buttons.h"
#include "ui/FormParser.h"

namespace ui {

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  DoubleBuffered = true;
  StoreBounds(0, 0, 150, 29);
  SetAlign(alTop);
}

void TToolBar::SetFlat(bool value) {
  flat_ = value;
  ApplyFlat();
}

void TToolBar::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Invalidate();
}

void TToolBar::ApplyFlat() {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* button = dynamic_cast<TSpeedButton*>(Controls(i))) button->SetFlat(flat_);
}

void TToolBar::Loaded() {
  TWinControl::Loaded();
  ApplyFlat();
}

void TToolBar::PaintWindow(HDC dc) {
  TCanvas canvas(dc);
  canvas.FillRect(ClientRect(), transparent_ && Parent() ? Parent()->Color() : Color());
}

bool TToolBar::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Flat") SetFlat(value.AsBool());
  else if (name == "Transparent") SetTransparent(value.AsBool());
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

}  // namespace ui
