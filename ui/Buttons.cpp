#include "ui/Buttons.h"

#include "ui/FormParser.h"
#include "ui/KeyboardCues.h"

namespace ui {

namespace {

// Glyph image `imageIndex` and the caption on `face`, placed by the glyph
// settings; `pushed` moves both one pixel down and right.
void DrawGlyphAndCaption(HDC dc, const RECT& face, TGlyphSettings& glyph, int imageIndex, const std::wstring& caption,
                         const TFont& font, bool enabled, bool pushed, int centredExtra, bool hideAccessKeys = false) {
  SelectGuard selectFont(dc, font.Handle());
  SIZE text{0, 0};
  if (!caption.empty()) {
    RECT bounds{0, 0, face.right - face.left, face.bottom - face.top};
    DrawTextW(dc, caption.c_str(), int(caption.size()), &bounds, DT_CALCRECT);
    text = SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
  }
  const SIZE client{face.right - face.left, face.bottom - face.top};
  const TGlyphTextPlacement place =
      PlaceGlyphAndText(client, glyph.GlyphSize(), text, glyph.Layout, glyph.Margin, glyph.Spacing, centredExtra);
  const int dx = face.left + (pushed ? 1 : 0), dy = face.top + (pushed ? 1 : 0);
  DrawGlyphImage(dc, place.Glyph.x + dx, place.Glyph.y + dy, glyph.Glyph, glyph.NumGlyphs, imageIndex);
  if (caption.empty()) return;
  RECT r = place.Text;
  OffsetRect(&r, dx, dy);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? ColorToRGB(font.Color()) : GetSysColor(COLOR_GRAYTEXT));
  const TCueText shown = WithCues(hideAccessKeys, caption, place.Format);
  DrawTextW(dc, shown.Text.c_str(), int(shown.Text.size()), &r, shown.Format);
}

}  // namespace

// ----------------------------------------------------------------- TBitBtn

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::WndProc(TMessage& m) {
  if (m.Msg == CN_DRAWITEM && m.LParam) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
    m.Result = TRUE;
    return;
  }
  TButton::WndProc(m);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;
  RECT face = item.rcItem;
  // Composed off screen, put on in one blit.
  TBitmap buffer;
  buffer.SetSize(face.right - face.left, face.bottom - face.top);
  HDC dc = buffer.Canvas().Handle();
  RECT r{0, 0, buffer.Width(), buffer.Height()};
  buffer.Canvas().FillRect(r, Color());
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  const int image = !enabled ? 2 : pushed ? 3 : 1;
  const bool hideAccessKeys = (item.itemState & ODS_NOACCEL) || HidesAccessKeys(item.hwndItem);
  DrawGlyphAndCaption(dc, r, glyph_, glyph_.NumGlyphs >= image ? image : 1, Caption(), Font(), enabled, pushed, 0, hideAccessKeys);
  const bool focusShown = !(item.itemState & ODS_NOFOCUSRECT) && !HidesFocusRects(item.hwndItem);
  if ((item.itemState & ODS_FOCUS) && focusShown) {
    RECT focus = r;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
  BitBlt(item.hDC, face.left, face.top, buffer.Width(), buffer.Height(), dc, 0, 0, SRCCOPY);
}

bool TBitBtn::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (glyph_.SetProperty(name, value)) return true;
  return TButton::SetProperty(name, value, reader);
}

bool TBitBtn::ReadBinaryProperty(std::string_view name, TStream& stream) {
  return glyph_.ReadBinaryProperty(name, stream) || TButton::ReadBinaryProperty(name, stream);
}

// ------------------------------------------------------------ TSpeedButton

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) { StoreBounds(0, 0, 23, 22); }

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  if (down_ && !allowAllUp_) return;  // one button of the group stays down
  down_ = value;
  if (down_) RaiseOthers();
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int value) {
  groupIndex_ = value;
  if (groupIndex_ == 0 && down_) {
    down_ = false;
    Invalidate();
  }
}

void TSpeedButton::SetAllowAllUp(bool value) {
  allowAllUp_ = value;
  if (!Parent() || groupIndex_ == 0) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {  // one setting for the whole group
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (other && other->groupIndex_ == groupIndex_) other->allowAllUp_ = value;
  }
}

void TSpeedButton::SetFlat(bool value) {
  if (value == flat_) return;
  flat_ = value;
  Invalidate();
}

void TSpeedButton::RaiseOthers() {
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (!other || other == this || other->groupIndex_ != groupIndex_ || !other->down_) continue;
    other->down_ = false;
    other->Invalidate();
  }
}

int TSpeedButton::GlyphIndex() const {
  int index = 1;
  if (!Enabled()) index = 2;
  else if (pressed_) index = 3;
  else if (down_) index = glyph_.NumGlyphs >= 4 ? 4 : 3;
  return glyph_.NumGlyphs >= index ? index : 1;
}

void TSpeedButton::Paint() {
  HDC dc = Canvas().Handle();
  RECT r = ClientRect();
  const bool sunk = pressed_ || down_;
  if (!flat_ || sunk || (mouseInside_ && Enabled()))
    DrawEdge(dc, &r, sunk ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  DrawGlyphAndCaption(dc, r, glyph_, GlyphIndex(), Caption(), Font(), Enabled(), sunk, 1);
}

void TSpeedButton::WndProc(TMessage& m) {
  if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
    mouseInside_ = m.Msg == CM_MOUSEENTER;
    if (flat_) Invalidate();
  }
  TGraphicControl::WndProc(m);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && Enabled()) {
    tracking_ = true;
    pressed_ = true;
    Invalidate();
  }
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  if (tracking_) {
    const RECT client = ClientRect();
    const bool inside = PtInRect(&client, POINT{x, y}) != FALSE;
    if (inside != pressed_) {
      pressed_ = inside;
      Invalidate();
    }
  }
  TGraphicControl::MouseMove(shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && tracking_) {
    tracking_ = false;
    const bool clicked = pressed_;
    pressed_ = false;
    if (clicked && groupIndex_ != 0) {
      if (!down_) SetDown(true);
      else if (allowAllUp_) SetDown(false);
    }
    Invalidate();
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

bool TSpeedButton::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (glyph_.SetProperty(name, value)) return true;
  if (name == "Down") {
    down_ = value.AsBool();  // the group settles when the form is read
  } else if (name == "GroupIndex") {
    groupIndex_ = value.AsInt();
  } else if (name == "AllowAllUp") {
    allowAllUp_ = value.AsBool();
  } else if (name == "Flat") {
    flat_ = value.AsBool();
  } else {
    return TGraphicControl::SetProperty(name, value, reader);
  }
  return true;
}

bool TSpeedButton::ReadBinaryProperty(std::string_view name, TStream& stream) {
  return glyph_.ReadBinaryProperty(name, stream) || TGraphicControl::ReadBinaryProperty(name, stream);
}

}  // namespace ui
