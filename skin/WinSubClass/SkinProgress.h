// TSkinProgress: a progress bar painted wholly from the skin's Progress
// object: frame 1 is the empty bar over the whole control, frame 2 the
// filled part, from the left (from the bottom for a vertical bar). The
// system's own painting runs only when the skin has no Progress image.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinProgress : public TSkinControl {
 public:
  explicit TSkinProgress(TWinSkinForm* owner) : TSkinControl(owner) {}
  std::string ClassName() const override { return "TSkinProgress"; }

  bool BeforeDefault(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // The skin has a Progress image to paint with.
  bool HasImage() const;
};

// The part of `rect` that a bar at `position` of min..max fills: from the
// left (or from the bottom when vertical). Empty when max is not above 0 or
// not above min; a position outside the range counts as its nearest end, so
// the part never leaves `rect`.
RECT ProgressFillRect(const RECT& rect, int min, int max, int position, bool vertical);

}  // namespace skin
