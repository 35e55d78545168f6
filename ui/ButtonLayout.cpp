#include "ui/ButtonLayout.h"

#include <algorithm>

#include "ui/FormParser.h"

namespace ui {

int TGlyphSettings::GlyphWidth() const {
  if (Glyph.Empty()) return 0;
  return Glyph.Width() / std::clamp(NumGlyphs, 1, 4);
}

bool TGlyphSettings::SetProperty(std::string_view name, const TPropertyValue& value) {
  if (name == "NumGlyphs") NumGlyphs = std::clamp(value.AsInt(), 1, 4);
  else if (name == "Layout")
    Layout = value.AsEnum<TButtonLayout>({{"blGlyphLeft", blGlyphLeft}, {"blGlyphRight", blGlyphRight},
                                          {"blGlyphTop", blGlyphTop}, {"blGlyphBottom", blGlyphBottom}});
  else if (name == "Margin") Margin = value.AsInt();
  else if (name == "Spacing") Spacing = value.AsInt();
  else return false;
  return true;
}

bool TGlyphSettings::ReadBinaryProperty(std::string_view name, TStream& stream) {
  if (name != "Glyph.Data") return false;
  if (!Glyph.LoadFromStream(stream)) throw EPropertyError("the data is not a bitmap file");
  return true;
}

TGlyphTextPlacement PlaceGlyphAndText(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                      int spacing, int centredExtra) {
  const bool across = layout == blGlyphLeft || layout == blGlyphRight;  // glyph beside the caption
  POINT g{0, 0}, t{0, 0};
  if (across) {
    g.y = (client.cy - glyph.cy + 1) / 2;
    t.y = (client.cy - text.cy + 1) / 2;
  } else {
    g.x = (client.cx - glyph.cx + 1) / 2;
    t.x = (client.cx - text.cx + 1) / 2;
  }

  // Lengths along the layout direction.
  const int room = across ? client.cx : client.cy;
  const int glyphLength = across ? glyph.cx : glyph.cy;
  const int textLength = across ? text.cx : text.cy;
  int m = margin, s = spacing;
  if (text.cx == 0 || glyph.cx == 0) s = 0;  // nothing to keep apart
  if (m == -1) {
    if (s == -1) {
      m = (room - (glyphLength + textLength)) / 3;
      s = m;
    } else {
      m = (room - (glyphLength + s + textLength)) / 2 + centredExtra;
    }
  } else if (s == -1) {
    s = ((room - (m + glyphLength)) - textLength) / 2;
  }

  TGlyphTextPlacement place;
  switch (layout) {
    case blGlyphLeft:
      g.x = m;
      t.x = m + glyph.cx + s;
      place.Format = DT_LEFT;
      break;
    case blGlyphRight:
      g.x = client.cx - m - glyph.cx;
      t.x = g.x - s - text.cx;
      place.Format = DT_RIGHT;
      break;
    case blGlyphTop:
      g.y = m;
      t.y = m + glyph.cy + s;
      place.Format = DT_CENTER;
      break;
    case blGlyphBottom:
      g.y = client.cy - m - glyph.cy;
      t.y = g.y - s - text.cy;
      place.Format = DT_CENTER;
      break;
  }
  place.Glyph = g;
  place.Text = RECT{t.x, t.y, t.x + text.cx, t.y + text.cy};
  return place;
}

void DrawGlyphImage(HDC dc, int x, int y, TBitmap& glyph, int count, int index) {
  if (glyph.Empty()) return;
  count = std::clamp(count, 1, 4);
  index = std::clamp(index, 1, count);
  const int w = glyph.Width() / count, h = glyph.Height();
  if (w <= 0) return;
  TBitmap image;
  image.SetSize(w, h);
  BitBlt(image.Canvas().Handle(), 0, 0, w, h, glyph.Canvas().Handle(), (index - 1) * w, 0,
         SRCCOPY);
  image.Transparent = true;
  image.TransparentColor = clNone;  // the bottom-left pixel's colour
  TCanvas canvas(dc);
  canvas.Draw(x, y, image);
}

}  // namespace ui
