// A tool bar: a strip along the top of its parent that holds speed buttons.
// Flat makes its buttons flat; Transparent lets the parent's colour show
// instead of its own.
#pragma once

#include "ui/Control.h"

namespace ui {

class TToolBar : public TWinControl {
 public:
  explicit TToolBar(TComponent* owner);
  std::string ClassName() const override { return "TToolBar"; }

  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  void Loaded() override;

 protected:
  void PaintWindow(HDC dc) override;

 private:
  // Gives the speed buttons on the bar its Flat setting.
  void ApplyFlat();

  bool flat_ = false;
  bool transparent_ = false;
};

}  // namespace ui
