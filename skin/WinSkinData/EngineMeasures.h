// The engine's own pixel measures: the boxes and gaps it draws with around
// the skin's pictures (a check mark's cell, a popup item's glyph column...).
// Written here at 96 DPI; a skin set at another DPI carries them scaled by
// the same rule as the skin's own measures, so painters read them from the
// set and never scale anything themselves.
#pragma once

namespace skin {

struct TEngineMeasures {
  int MarkCell = 14;           // the system's check-box and radio-button mark box
  int GlyphBox = 16;           // a popup item's glyph box, square
  int GlyphInset = 1;          // the glyph box from the item's top-left corner
  int GlyphTextGap = 3;        // between the glyph box and the caption
  int ShortcutGap = 8;         // between a shortcut and a caption that is not left-aligned
  int ArrowRoom = 11;          // kept free at a popup item's right for the sub-menu arrow
  int SeparatorLine = 4;       // a separator's etched line below the item's top
  int ItemExtraWidth = 28;     // added to a framework popup item's measured width
  int BarItemExtraWidth = 26;  // added to the text width of a skinned window's popup item
  int ItemExtraHeight = 4;     // added to a popup item's measured height
  int SeparatorHeight = 8;     // a separator item's height
};

// The measures at `dpi` (exactly the ones above at 96).
TEngineMeasures EngineMeasuresAt(int dpi);

}  // namespace skin
