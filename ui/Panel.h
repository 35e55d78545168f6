// A panel: a container with a bevelled edge and an optional centred caption,
// painted through an off-screen bitmap so that its children do not flicker
// when they change.
#pragma once

#include "ui/Control.h"

namespace ui {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);
  std::string ClassName() const override { return "TPanel"; }

  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut bevel);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut bevel);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int width);
  // Space between the outer and the inner bevel.
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  // Aligned children stay inside the bevels and the border.
  void AdjustClientRect(RECT& rect) const override;
  void PaintWindow(HDC dc) override;

 private:
  void EdgesChanged();

  TBevelCut bevelOuter_ = bvRaised;
  TBevelCut bevelInner_ = bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TAlignment alignment_ = taCenter;
};

}  // namespace ui
