#include "skin/WinSubClass/SkinBitButton.h"

#include "skin/WinSkinData/SkinData.h"
#include "skin/draw/SkinDraw.h"
#include "ui/Buttons.h"
#include "ui/KeyboardCues.h"

namespace skin {

SIZE MeasureCaption(HDC dc, const std::wstring& text, RECT bounds) {
  if (text.empty()) return SIZE{0, 0};
  DrawTextW(dc, text.c_str(), int(text.size()), &bounds, DT_CALCRECT);
  return SIZE{RectWidth(bounds), RectHeight(bounds)};
}

void TSkinBitButton::PaintSkin(HDC dc, const RECT& rect) {
  auto* button = dynamic_cast<ui::TBitBtn*>(Control);
  if (!button) {  // a plain button window: no glyph to place
    TSkinButton::PaintSkin(dc, rect);
    return;
  }
  TDataSkinObject* image = ButtonImage();
  if (!image) return;
  Focused = button->Focused();
  Enabled = button->Enabled();
  Caption = button->Caption();
  const int frame = StateFrame(Focused, Enabled);
  const RECT r = AtOrigin(rect);
  if (!PaintFace(r, frame, image->SafeFrameCount())) return;
  HDC face = FaceBitmap.Canvas().Handle();
  {
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(Handle, WM_GETFONT, 0, 0));
    ui::SelectGuard select(face, font ? font : GetStockObject(SYSTEM_FONT));
    RECT client{};
    GetClientRect(Handle, &client);
    ui::TGlyphSettings& glyph = button->Glyph();
    const SIZE text = MeasureCaption(face, Caption, r);
    const ui::TGlyphTextPlacement place = ui::PlaceGlyphAndText(
        SIZE{client.right, client.bottom}, glyph.GlyphSize(), text, glyph.Layout, glyph.Margin, glyph.Spacing);
    ui::DrawGlyphImage(face, place.Glyph.x, place.Glyph.y, glyph.Glyph, glyph.NumGlyphs, 1);
    SetBkMode(face, TRANSPARENT);
    SetTextColor(face, Enabled ? StateTextColour(frame) : GetSysColor(COLOR_BTNSHADOW));
    RECT textRect = place.Text;
    const ui::TCueText shown = ui::WithCues(CueWindow(), Caption, place.Format);
    DrawTextW(face, shown.Text.c_str(), int(shown.Text.size()), &textRect, shown.Format);
  }
  BitBlt(dc, rect.left, rect.top, RectWidth(r), RectHeight(r), face, 0, 0, SRCCOPY);
}

}  // namespace skin
