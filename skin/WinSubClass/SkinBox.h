// TSkinBox: containers (panels, group boxes, radio groups and the like) take
// the skin's face colour (attached with ChangeColor), and group boxes their
// caption in the skin's ButtonTextColour. It paints nothing itself: the
// container draws its frame and caption in those colours.
//
// Group boxes are the framework's TGroupBox and what derives from it
// (TRadioGroup), and bare BUTTON windows of group-box style: these are the
// containers whose caption sits in the frame on the face colour, where the
// system's text colour may not show. A panel's caption keeps the colour its
// form gave it (it may mean something there).
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinBox : public TSkinControl {
 public:
  explicit TSkinBox(TWinSkinForm* owner) : TSkinControl(owner) {}
  ~TSkinBox() override;
  std::string ClassName() const override { return "TSkinBox"; }

  bool Attach(ui::TWinControl* control, TSkinSet* skinData, bool changeColor, ui::TCanvas* canvas) override;
  void Detach() override;
  bool BeforeDefault(ui::TMessage& message) override;

  // The control is a group box (see above).
  bool IsGroupBox() const;

 private:
  // Gives a group box's caption the skin's text colour.
  void ColourCaption();
  // Puts the caption colour from before back (not while the owner goes).
  void RestoreCaption();

  bool captionChanged_ = false;
  ui::TColor oldFontColor_ = 0;
  bool oldParentFont_ = false;
};

}  // namespace skin
