// TSkinBitButton: a framework bitmap button painted like a push button, with
// its glyph (always the first image of the strip) and caption placed by the
// button's Layout, Margin and Spacing.
#pragma once

#include "skin/WinSubClass/SkinButton.h"

namespace skin {

class TSkinBitButton : public TSkinButton {
 public:
  explicit TSkinBitButton(TWinSkinForm* owner) : TSkinButton(owner) {}
  std::string ClassName() const override { return "TSkinBitButton"; }

  void PaintSkin(HDC dc, const RECT& rect) override;
};

// The size `text` takes when drawn with the font selected into `dc` (0 x 0
// for no text), measured within `bounds`.
SIZE MeasureCaption(HDC dc, const std::wstring& text, RECT bounds);

}  // namespace skin
