// TSkinSpeedButton: a framework speed button (windowless: its parent paints
// it and hands it the mouse) painted from the skin's Buttons image in the
// shared scratch bitmap. Down shows the pressed frame and the third glyph
// image. The speed button clicks itself; no WM_COMMAND is posted.
#pragma once

#include "skin/WinSubClass/SkinBitButton.h"

namespace ui {
class TSpeedButton;
}

namespace skin {

class TSkinSpeedButton : public TSkinBitButton {
 public:
  explicit TSkinSpeedButton(TWinSkinForm* owner) : TSkinBitButton(owner) {}
  std::string ClassName() const override { return "TSkinSpeedButton"; }

  // Takes over the speed button's WindowProc and joins the owner's Controls.
  // Handle stays null.
  bool AttachGraphic(ui::TSpeedButton* speedButton, TSkinSet* skinData, ui::TCanvas* canvas);

  bool BeforeDefault(ui::TMessage& message) override;
  void AfterDefault(ui::TMessage& message) override;
  // Paints the speed button now on its parent's device context.
  void Redraw() override;

  ui::TSpeedButton* SpeedButton = nullptr;

 protected:
  void ControlFreed() override;

 private:
  // The whole button into `dc` at `rect` (its size is the button's).
  void PaintSpeedButton(HDC dc, const RECT& rect);
  // The frame for the state; Down wins over everything.
  int SpeedFrame() const;
};

}  // namespace skin
