// TSkinComBox: a drop-down combo box (or anything that looks like one, such
// as a date-time picker) paints itself; the companion then paints its border
// and drop-down button over it: the button from the skin's ComboButton with
// the ExtraImages glyph on it, the left, top and bottom edges from the
// SunkEdge image. Without ComboButton or SunkEdge the control keeps the
// system look, and so does a simple combo box (it has no button).
//
// Button and glyph frames: 1 normal, 2 pressed, 3 disabled, 4 focused or hot.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

enum TComboFrame { cfNormal = 1, cfPressed = 2, cfDisabled = 3, cfHot = 4 };

class TSkinComBox : public TSkinControl {
 public:
  explicit TSkinComBox(TWinSkinForm* owner) : TSkinControl(owner) {}
  std::string ClassName() const override { return "TSkinComBox"; }

  void AfterDefault(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // The frame for the state now: pressed, then focused or hot, then disabled.
  int StateFrame() const;

 private:
  void DrawButton(HDC dc, const RECT& rect, const RECT& button, int frame) const;
  void DrawSunkEdges(HDC dc, const RECT& rect, const RECT& button) const;
  void SetMouseState(unsigned flag, bool on);
};

}  // namespace skin
