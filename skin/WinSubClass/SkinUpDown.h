// TSkinUpDown: the two arrow buttons of an up-down (spin) control, painted
// instead of the control from the skin's UpDownVert (up and down) or
// UpDownHorz (left and right) images, or drawn plainly when the skin has no
// arrow glyphs. The control keeps its own behaviour: the press still reaches
// it (auto-repeat, notifications, the buddy), the companion only tracks it
// for the pressed look.
//
// Frames of each image (8): 1-4 the first button (up or left), 5-8 the
// second (down or right); within each: 1 normal, 2 pressed, 3 disabled,
// 4 hot. The second image (Bitmap2) holds the arrow glyphs in the same order.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TDataSkinBorder;

// The four arrow directions; a button's frame is direction * 4 + state.
enum TUpDownDirection { udUp = 0, udDown = 1, udLeft = 2, udRight = 3 };

// Button states, as frames within a direction.
enum TUpDownState { usNormal = 1, usPressed = 2, usDisabled = 3, usHot = 4 };

class TSkinUpDown : public TSkinControl {
 public:
  explicit TSkinUpDown(TWinSkinForm* owner) : TSkinControl(owner) {}
  std::string ClassName() const override { return "TSkinUpDown"; }

  bool BeforeDefault(ui::TMessage& message) override;
  void AfterDefault(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // The state a button shows: `cursorInOther` says the cursor is over the
  // other half of the control, `pressedHere` that the press began on this
  // button.
  int ButtonState(bool cursorInOther, bool pressedHere) const;

  // Found inside an edit (a spin edit): the buttons are drawn one pixel in.
  bool InEdit = false;

 private:
  // The skin object for this orientation when it has arrow glyphs, else null.
  TDataSkinBorder* SkinImage(bool horizontal) const;
  void DrawUpDownButton(HDC dc, TDataSkinBorder& image, const RECT& button, int direction, int state) const;
  void DrawPlainUpDownButton(HDC dc, const RECT& button, int direction, int state) const;
  void Pressed(ui::TMessage& message);
  void Released();
  // The drawing area: the client area, one pixel in inside an edit.
  RECT Area() const;
  // `p` (client coordinates) is over the second button (down or right).
  bool InSecondHalf(POINT p) const;

  bool pressedSecond_ = false;  // the press began on the second button
};

// The frame of `image` (8 frames) that shows `state` of a button pointing
// `direction`: the horizontal image starts with the left button.
int UpDownFrame(int direction, int state);

}  // namespace skin
