#include "ui/Panel.h"

#include <algorithm>

#include "ui/FormParser.h"
#include "ui/KeyboardCues.h"

namespace ui {

namespace {

// Draws `width` rings of a 3D edge just inside `r` and moves `r` inside them.
void Frame3D(TCanvas& canvas, RECT& r, TColor topLeft, TColor bottomRight, int width) {
  for (int i = 0; i < width && r.right - r.left > 1 && r.bottom - r.top > 1; ++i) {
    canvas.FillRect(RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    canvas.FillRect(RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    canvas.FillRect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    canvas.FillRect(RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    InflateRect(&r, -1, -1);
  }
}

void DrawBevel(TCanvas& canvas, RECT& r, TBevelCut bevel, int width) {
  switch (bevel) {
    case bvRaised: Frame3D(canvas, r, clBtnHighlight, clBtnShadow, width); break;
    case bvLowered: Frame3D(canvas, r, clBtnShadow, clBtnHighlight, width); break;
    case bvSpace: InflateRect(&r, -width, -width); break;
    case bvNone: break;
  }
}

TBevelCut BevelFromValue(const TPropertyValue& value) {
  return value.AsEnum<TBevelCut>({{"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}});
}

}  // namespace

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  DoubleBuffered = true;
  StoreBounds(0, 0, 185, 41);
}

void TPanel::EdgesChanged() {
  Invalidate();
  Realign();
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
  bevelOuter_ = bevel;
  EdgesChanged();
}

void TPanel::SetBevelInner(TBevelCut bevel) {
  bevelInner_ = bevel;
  EdgesChanged();
}

void TPanel::SetBevelWidth(int width) {
  bevelWidth_ = std::max(width, 1);
  EdgesChanged();
}

void TPanel::SetBorderWidth(int width) {
  borderWidth_ = std::max(width, 0);
  EdgesChanged();
}

void TPanel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TPanel::AdjustClientRect(RECT& rect) const {
  int edge = borderWidth_;
  if (bevelOuter_ != bvNone) edge += bevelWidth_;
  if (bevelInner_ != bvNone) edge += bevelWidth_;
  InflateRect(&rect, -edge, -edge);
}

void TPanel::PaintWindow(HDC dc) {
  TCanvas canvas(dc);
  RECT r = ClientRect();
  canvas.FillRect(r, Color());
  DrawBevel(canvas, r, bevelOuter_, bevelWidth_);
  InflateRect(&r, -borderWidth_, -borderWidth_);
  DrawBevel(canvas, r, bevelInner_, bevelWidth_);
  if (Caption().empty()) return;
  SelectGuard font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font().Color()));
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  format |= alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
  const TCueText shown = WithCues(Handle(), Caption(), format);
  DrawTextW(dc, shown.Text.c_str(), int(shown.Text.size()), &r, shown.Format);
}

bool TPanel::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "BevelOuter") SetBevelOuter(BevelFromValue(value));
  else if (name == "BevelInner") SetBevelInner(BevelFromValue(value));
  else if (name == "BevelWidth") SetBevelWidth(value.AsInt());
  else if (name == "BorderWidth") SetBorderWidth(value.AsInt());
  else if (name == "Alignment")
    SetAlignment(value.AsEnum<TAlignment>({{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify},
                                           {"taCenter", taCenter}}));
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

}  // namespace ui
