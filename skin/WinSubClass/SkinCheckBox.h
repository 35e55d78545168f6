// TSkinCheckBox and TSkinRadioButton: the control paints itself (caption,
// focus rectangle, its own mark); the companion then paints a frame of the
// skin's check or radio strip over the system's mark, in a 14-pixel cell at
// the side the mark is on.
//
// Check strip frames: 1 unchecked, 2 checked, 3 disabled (any state),
// 4 indeterminate. Radio strip: 1 unchecked, 2 checked, 3 disabled, 4
// disabled and checked.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinCheckBox : public TSkinControl {
 public:
  explicit TSkinCheckBox(TWinSkinForm* owner) : TSkinControl(owner) {}
  std::string ClassName() const override { return "TSkinCheckBox"; }

  void AfterDefault(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // The strip frame for the control's state now.
  int MarkFrame() const;
};

class TSkinRadioButton : public TSkinControl {
 public:
  explicit TSkinRadioButton(TWinSkinForm* owner) : TSkinControl(owner) {}
  std::string ClassName() const override { return "TSkinRadioButton"; }

  void AfterDefault(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  int MarkFrame() const;
};

// Where a mark `markSize` big goes in a control of `rect`: centred
// vertically; horizontally in a `cell` pixels wide cell at the left edge, or
// at the right edge with BS_LEFTTEXT. A mark wider than the cell starts at
// the left edge, or ends one pixel inside the right one.
RECT MarkRect(const RECT& rect, SIZE markSize, int cell, bool leftText);

}  // namespace skin
