// TSkinButton: a push button painted from the skin's Buttons image (five
// frames: 1 normal, 2 pressed, 3 disabled, 4 hot or focused) with the skin's
// caption colours. It takes over the mouse press, so the button's own handler
// never sees it, and posts the click itself on release: WM_COMMAND to the
// parent with the control id (0 for framework buttons, whose parent hands it
// back to them as their click).
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

// Frames of the Buttons image.
enum TButtonFrame { bfNormal = 1, bfPressed = 2, bfDisabled = 3, bfHot = 4 };

class TSkinButton : public TSkinControl {
 public:
  explicit TSkinButton(TWinSkinForm* owner) : TSkinControl(owner) {}
  std::string ClassName() const override { return "TSkinButton"; }

  bool BeforeDefault(ui::TMessage& message) override;
  void AfterDefault(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // Every paint is composed here and put on the window in one blit.
  ui::TBitmap FaceBitmap;

 protected:
  // The frame for the state: focus (when `focused`), then pressed or hot,
  // then disabled.
  int StateFrame(bool focused, bool enabled) const;
  // The caption colour of a frame (disabled text is left to DrawControlText).
  COLORREF StateTextColour(int frame) const;
  // Refreshes Focused, Enabled and Caption from the window.
  void ReadWindowState();
  // Sizes FaceBitmap to `r`, fills it with the face colour and draws frame
  // `frame` of `frameCount`. False when the skin has no button image.
  bool PaintFace(const RECT& r, int frame, int frameCount);
  // The skin's Buttons object when it has an image, else null.
  TDataSkinObject* ButtonImage() const;

 private:
  void MousePressed();
  void MouseReleased();

  bool mousePressed_ = false;  // a press with the mouse began here
};

}  // namespace skin
