#include "ui/FormScale.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "ui/Buttons.h"
#include "ui/ComCtrls.h"
#include "ui/Dpi.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/ImgList.h"
#include "ui/ListView.h"
#include "ui/Panel.h"
#include "ui/PictureVariants.h"
#include "ui/TabCtrls.h"

namespace ui {

int ScaleValue(int value, int dpi) {
  const std::int64_t magnitude = std::llabs(std::int64_t(value));
  const std::int64_t scaled = (2 * magnitude * dpi + kDesignDpi) / (2 * kDesignDpi);  // half up
  const std::int64_t limit = std::numeric_limits<int>::max();
  return int(value < 0 ? -std::min(scaled, limit) : std::min(scaled, limit));
}

namespace {

// Sizes of things side by side, scaled by their edges: the first starts at 0.
std::vector<int> ScaledWidths(const std::vector<int>& edges, int dpi) {
  std::vector<int> widths;
  int left = 0;
  for (int edge : edges) {
    const int right = ScaleValue(edge, dpi);
    widths.push_back(right - left);
    left = right;
  }
  return widths;
}

// The length from `from` to `from + length` with both ends scaled.
int ScaledSpan(int from, int length, int dpi) {
  return ScaleValue(from + length, dpi) - ScaleValue(from, dpi);
}

TGlyphSettings* GlyphOf(TComponent* c) {
  if (auto* b = dynamic_cast<TBitBtn*>(c)) return &b->Glyph();
  if (auto* b = dynamic_cast<TSpeedButton*>(c)) return &b->Glyph();
  return nullptr;
}

const char* PictureProperty(TComponent* c) {
  if (dynamic_cast<TImage*>(c)) return "Picture.Data";
  if (dynamic_cast<TImageList*>(c)) return "Bitmap";
  if (GlyphOf(c)) return "Glyph.Data";
  return nullptr;
}

}  // namespace

struct TFormScale::TRecord {
  TComponent* Component = nullptr;
  // Controls: their edges in the parent, and their own font.
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool OwnFont = false;
  int FontHeight = 0;
  int FontPoints = 0;  // given in points when > 0
  // The form's client area.
  int ClientWidth = 0, ClientHeight = 0;
  // Panels; glyph buttons.
  int BevelWidth = 0, BorderWidth = 0;
  int Margin = 0, Spacing = 0;
  // List-view columns or status-bar panels: their right edges.
  std::vector<int> Edges;
  // Image lists: the picture size and how many pictures came from Bitmap.
  int ImageWidth = 0, ImageHeight = 0, ImageCount = 0;
  // The picture's resource, its 96-DPI size, transparent colour and images side by side.
  std::string Picture;
  int PictureWidth = 0, PictureHeight = 0;
  TColor Key = clNone;
  int Frames = 1;
};

TFormScale::TFormScale(TForm& form, const std::vector<TBinaryProperty>& binaries, TResourceLoader resources)
    : form_(form), resources_(std::move(resources)) {
  Record(form, binaries);
  for (int i = 0; i < form.ComponentCount(); ++i) Record(*form.Components(i), binaries);
}

TFormScale::~TFormScale() = default;

void TFormScale::Record(TComponent& component, const std::vector<TBinaryProperty>& binaries) {
  auto r = std::make_unique<TRecord>();
  r->Component = &component;
  auto* control = dynamic_cast<TControl*>(&component);
  auto* images = dynamic_cast<TImageList*>(&component);
  if (!control && !images) return;  // nothing of it is in pixels
  if (control) {
    r->Left = control->Left();
    r->Top = control->Top();
    r->Right = control->Left() + control->Width();
    r->Bottom = control->Top() + control->Height();
    r->OwnFont = !control->ParentFont() || !control->Parent();
    r->FontHeight = control->Font().Height();
    r->FontPoints = control->Font().GivenPoints();
  }
  if (&component == &form_) {
    const RECT client = form_.ClientRect();
    r->ClientWidth = client.right;
    r->ClientHeight = client.bottom;
  }
  if (auto* panel = dynamic_cast<TPanel*>(&component)) {
    r->BevelWidth = panel->BevelWidth();
    r->BorderWidth = panel->BorderWidth();
  }
  if (TGlyphSettings* glyph = GlyphOf(&component)) {
    r->Margin = glyph->Margin;
    r->Spacing = glyph->Spacing;
    r->Frames = std::clamp(glyph->NumGlyphs, 1, 4);
    r->PictureWidth = glyph->Glyph.Width();
    r->PictureHeight = glyph->Glyph.Height();
    r->Key = glyph->Glyph.Pixel(0, glyph->Glyph.Height() - 1);
  }
  int edge = 0;
  if (auto* list = dynamic_cast<TListView*>(&component))
    for (const TListColumn& column : list->Columns()) r->Edges.push_back(edge += column.Width);
  if (auto* bar = dynamic_cast<TStatusBar*>(&component))
    for (const TStatusPanel& panel : bar->Panels()) r->Edges.push_back(edge += panel.Width);
  if (images) {
    r->ImageWidth = images->Width();
    r->ImageHeight = images->Height();
    r->ImageCount = images->Count();
    r->Key = images->MaskColor();
  }
  if (auto* image = dynamic_cast<TImage*>(&component)) {
    r->PictureWidth = image->Picture().Width();
    r->PictureHeight = image->Picture().Height();
    r->Key = image->Picture().EffectiveTransparentColor();
  }
  if (const char* property = PictureProperty(&component)) {
    for (const TBinaryProperty& b : binaries)
      if (b.Component == &component && b.Name == property) r->Picture = b.Resource;
  }
  records_.push_back(std::move(r));
}

void TFormScale::Forget(const TComponent* component) {
  std::erase_if(records_, [component](const auto& r) { return r->Component == component; });
}

void TFormScale::Apply(int dpi, bool formBounds) {
  std::vector<TWinControl*> containers;
  for (const auto& r : records_)
    if (auto* c = dynamic_cast<TWinControl*>(r->Component)) containers.push_back(c);
  // Laid out once, at the end, with every size in place.
  for (TWinControl* c : containers) c->DisableAlign();
  try {
    ApplyFonts(dpi);
    for (const auto& r : records_) {
      ApplyValues(*r, dpi);
      ApplyBounds(*r, dpi, formBounds);
    }
    for (const auto& r : records_) ApplyPictures(*r, dpi);
    // Tabs measure their pictures when given their image list.
    for (const auto& r : records_)
      if (auto* tabs = dynamic_cast<TCustomTabControl*>(r->Component); tabs && tabs->Images())
        tabs->SetImages(tabs->Images());
  } catch (...) {
    for (TWinControl* c : containers) c->EnableAlign();
    throw;
  }
  // Parents first: each lays out its children in its final size.
  for (TWinControl* c : containers) c->EnableAlign();
}

void TFormScale::ApplyFonts(int dpi) {
  for (const auto& r : records_) {
    auto* control = dynamic_cast<TControl*>(r->Component);
    if (!control) continue;
    TFont& font = control->Font();
    font.SetPixelsPerInch(dpi);
    // A font that follows its parent's (as read, and still) comes with it.
    if (!r->OwnFont || (control->ParentFont() && control->Parent())) continue;
    if (r->FontPoints > 0) font.SetSize(r->FontPoints);
    else font.SetHeight(ScaleValue(r->FontHeight, dpi));
  }
}

void TFormScale::ApplyBounds(const TRecord& r, int dpi, bool formBounds) {
  auto* control = dynamic_cast<TControl*>(r.Component);
  if (!control) return;
  if (control == &form_) {
    if (!formBounds) return;
    // A window stays where the system put it for its DPI.
    if (!form_.HandleAllocated())
      form_.SetBounds(ScaleValue(r.Left, dpi), ScaleValue(r.Top, dpi), form_.Width(), form_.Height());
    // The frame around the client area is the system's at the form's DPI.
    form_.SetClientWidth(ScaleValue(r.ClientWidth, dpi));
    form_.SetClientHeight(ScaleValue(r.ClientHeight, dpi));
    return;
  }
  const int left = ScaleValue(r.Left, dpi), top = ScaleValue(r.Top, dpi);
  control->SetBounds(left, top, ScaleValue(r.Right, dpi) - left, ScaleValue(r.Bottom, dpi) - top);
}

void TFormScale::ApplyValues(const TRecord& r, int dpi) {
  TComponent* c = r.Component;
  if (auto* panel = dynamic_cast<TPanel*>(c)) {
    panel->SetBevelWidth(ScaleValue(r.BevelWidth, dpi));
    panel->SetBorderWidth(ScaleValue(r.BorderWidth, dpi));
  }
  if (TGlyphSettings* glyph = GlyphOf(c)) {
    glyph->Margin = r.Margin == -1 ? -1 : ScaleValue(r.Margin, dpi);
    glyph->Spacing = r.Spacing == -1 ? -1 : ScaleValue(r.Spacing, dpi);
  }
  const std::vector<int> widths = ScaledWidths(r.Edges, dpi);
  if (auto* list = dynamic_cast<TListView*>(c)) {
    for (std::size_t i = 0; i < widths.size() && i < list->Columns().size(); ++i)
      list->SetColumnWidth(int(i), widths[i]);
  }
  if (auto* bar = dynamic_cast<TStatusBar*>(c); bar && !widths.empty()) {
    std::vector<TStatusPanel> panels = bar->Panels();
    for (std::size_t i = 0; i < widths.size() && i < panels.size(); ++i) panels[i].Width = widths[i];
    bar->SetPanels(panels);
  }
}

void TFormScale::ApplyPictures(const TRecord& r, int dpi) {
  TComponent* c = r.Component;
  // The picture for the scale, at the size the scale gives the 96-DPI one
  // (the 96-DPI picture itself, untouched, at 96 DPI).
  TBitmap picture;
  const auto load = [&](int width, int height, TColor key, int frames) {
    if (r.Picture.empty() || !LoadPictureVariant(resources_, r.Picture, dpi, picture)) return false;
    if (dpi != kDesignDpi) FitPicture(picture, width, height, key, frames);
    return true;
  };
  if (auto* images = dynamic_cast<TImageList*>(c)) {
    const int w = ScaleValue(r.ImageWidth, dpi), h = ScaleValue(r.ImageHeight, dpi);
    if (images->Count() == 0 && r.Picture.empty()) {
      images->SetSize(w, h);
    } else if (images->Count() == r.ImageCount && load(r.ImageCount * w, h, r.Key, r.ImageCount)) {
      images->SetSize(w, h);  // pictures a program added itself would be lost: those lists stay
      images->Add(picture, r.Key);
    }
  } else if (auto* image = dynamic_cast<TImage*>(c)) {
    const bool edges = image->AutoSize();  // its size is its edges', as any control's
    const int w = edges ? ScaledSpan(r.Left, r.PictureWidth, dpi) : ScaleValue(r.PictureWidth, dpi);
    const int h = edges ? ScaledSpan(r.Top, r.PictureHeight, dpi) : ScaleValue(r.PictureHeight, dpi);
    if (load(w, h, image->Transparent() ? r.Key : clNone, 1)) {
      image->Picture().Swap(picture);
      image->PictureChanged();
    }
  } else if (TGlyphSettings* glyph = GlyphOf(c)) {
    const int frameWidth = ScaleValue(r.PictureWidth / r.Frames, dpi);
    if (load(r.Frames * frameWidth, ScaleValue(r.PictureHeight, dpi), r.Key, r.Frames)) {
      glyph->Glyph.Swap(picture);
      if (auto* control = dynamic_cast<TControl*>(c)) control->Invalidate();
    }
  }
}

}  // namespace ui
