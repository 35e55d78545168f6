// Glyph and caption of bitmap and speed buttons: the settings both share and
// where the two go on the button face. The same placement serves the plain
// look here and the skinned look of the skin engine.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/Graphics.h"

namespace ui {

class TPropertyValue;
class TStream;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The glyph strip and how it is placed. The strip holds NumGlyphs images side
// by side: 1 up, 2 disabled, 3 pressed, 4 down (bitmap buttons use 1 to 3).
// Margin -1 centres glyph and caption together; Spacing -1 puts the caption
// midway between the glyph and the far edge.
struct TGlyphSettings {
  TBitmap Glyph;
  int NumGlyphs = 1;  // 1 to 4
  TButtonLayout Layout = blGlyphLeft;
  int Margin = -1;
  int Spacing = 4;

  // Width of one glyph image (0 without a glyph).
  int GlyphWidth() const;
  SIZE GlyphSize() const { return SIZE{GlyphWidth(), GlyphWidth() ? Glyph.Height() : 0}; }

  // The form properties NumGlyphs, Layout, Margin and Spacing; false for any
  // other name.
  bool SetProperty(std::string_view name, const TPropertyValue& value);
  // "Glyph.Data": a bitmap file. False for any other name.
  bool ReadBinaryProperty(std::string_view name, TStream& stream);
};

// Where glyph and caption go on a face of `client` size.
struct TGlyphTextPlacement {
  POINT Glyph{};
  RECT Text{};
  UINT Format = DT_LEFT;  // horizontal alignment of the caption in Text
};

// Places a glyph of `glyph` size and a caption of `text` size (either may be
// 0 x 0) along the layout direction and centres both across it. All divisions
// truncate. `centredExtra` is added to the margin when Margin is -1 and
// Spacing is fixed (speed buttons sit one pixel further in).
TGlyphTextPlacement PlaceGlyphAndText(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                      int spacing, int centredExtra = 0);

// Draws image `index` (1-based, clamped to the strip) of `glyph`, which holds
// `count` images side by side, at (x, y); the colour of the image's
// bottom-left pixel is transparent.
void DrawGlyphImage(HDC dc, int x, int y, TBitmap& glyph, int count, int index);

}  // namespace ui
