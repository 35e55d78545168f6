// TWinSkinForm: the window region, which gives the window the outline of its
// border images. The inner rectangle always belongs to it; each border adds
// its whole rectangle or, when the border is transparent, exactly its pixels
// that are not of the key colour.
#include <cstddef>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/TitleBar.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/Frames.h"
#include "skin/draw/Regions.h"

namespace skin {

namespace {

// A rectangle's region; empty, not turned around, when the window is too
// small for the rectangle to exist.
ui::RegionHandle RectRegion(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return ui::RegionHandle(CreateRectRgn(0, 0, 0, 0));
  return ui::RegionHandle(CreateRectRgn(left, top, right, bottom));
}

void Unite(ui::RegionHandle& into, const ui::RegionHandle& other) {
  CombineRgn(into.Get(), into.Get(), other.Get(), RGN_OR);
}

bool IsTransparent(const TSkinSet& data, TBorderIndex index) {
  return data.Borders[index] && data.Borders[index]->Trans == 1;
}

bool AnyTransparent(const TSkinSet& data) {
  for (const auto& border : data.Borders)
    if (border && border->Trans != 0) return true;
  return false;
}

// Builds the border strips of one region from the composed images the
// window paints: the kept border parts and the title bar, read in place.
class TStripRegions {
 public:
  TStripRegions(TWinSkinForm& form, int width, int height) : form_(form), w_(width), h_(height) {}

  ui::RegionHandle Left() {
    if (Shaped(bdLeft) && h_ > 1) return FromBorder(1, form_.BorderLeft, h_, 0, 0);
    return RectRegion(0, 0, form_.BorderLeft, h_);
  }

  ui::RegionHandle Right() {
    if (Shaped(bdRight) && h_ > 1) return FromBorder(2, form_.BorderRight, h_, w_ - form_.BorderRight, 0);
    return RectRegion(w_ - form_.BorderRight, 0, w_, h_);
  }

  // A strip less than two pixels high has no rows to scan: a plain rectangle.
  ui::RegionHandle Bottom() {
    const int top = h_ - form_.BorderBottom;
    if (Shaped(bdBottom) && form_.BorderBottom >= 2)
      return FromBorder(4, InnerWidth(), form_.BorderBottom, form_.BorderLeft, top);
    return RectRegion(form_.BorderLeft, top, w_ - form_.BorderRight, h_);
  }

  // Cut from the title bar as painted: where the caption, its background
  // strip and the caption buttons cover key-colour pixels of the border, the
  // window is opaque.
  ui::RegionHandle Top() {
    const int height = form_.BorderTop;
    if (!Shaped(bdTop) || height <= 1 || InnerWidth() <= 0)
      return RectRegion(form_.BorderLeft, 0, w_ - form_.BorderRight, height);
    // A title bar of another size (the window has been resized since the last
    // paint, or none was painted yet) would leave parts of the strip undefined:
    // it is composed anew for this size, as the repaint that follows shows it.
    ui::TBitmap& bar = form_.FrameBitmap;
    if (bar.Width() != w_ || bar.Height() != height) ComposeTitleBar(form_, w_, h_);
    const RECT strip{form_.BorderLeft, 0, w_ - form_.BorderRight, height};
    return Scan(bar, strip, form_.BorderLeft, 0);
  }

 private:
  bool Shaped(TBorderIndex index) const { return IsTransparent(*form_.Skin(), index); }
  int InnerWidth() const { return w_ - form_.BorderLeft - form_.BorderRight; }

  ui::RegionHandle FromBorder(int index, int width, int height, int x, int y) {
    if (width <= 0 || height <= 0) return RectRegion(0, 0, 0, 0);
    ui::TBitmap* part = form_.BorderPart(index, SIZE{width, height});
    // Without a part nothing is drawn there: the strip stays black, opaque.
    if (!part) return RectRegion(x, y, x + width, y + height);
    return Scan(*part, RECT{0, 0, width, height}, x, y);
  }

  // The non-key pixels of `area` of `bitmap` (which holds it whole), placed at (x, y).
  static ui::RegionHandle Scan(const ui::TBitmap& bitmap, const RECT& area, int x, int y) {
    if (bitmap.Width() < area.right || bitmap.Height() < area.bottom)
      return RectRegion(x, y, x + RectWidth(area), y + RectHeight(area));
    return CreateRegionFromArea(bitmap, area, x, y, kKeyColour, 1, 1, 1);
  }

  TWinSkinForm& form_;
  int w_;
  int h_;
};

// The shaped outline of a w x h window: the inner rectangle and the strips.
ui::RegionHandle BuildShapedRegion(TWinSkinForm& form, int w, int h) {
  ui::RegionHandle region = RectRegion(form.BorderLeft, form.BorderTop, w - form.BorderRight, h - form.BorderBottom);
  if (form.BorderKind == bkNone) return region;
  TStripRegions strips(form, w, h);
  ui::RegionHandle left = strips.Left();
  Unite(left, strips.Right());
  ui::RegionHandle top = strips.Top();
  Unite(top, strips.Bottom());
  Unite(top, left);
  Unite(region, top);
  return region;
}

}  // namespace

void TWinSkinForm::UpdateRegion() {
  RECT window{};
  if (!GetWindowRect(Handle, &window)) return;
  const int w = RectWidth(window), h = RectHeight(window);
  if (w <= 0 || h <= 0) return;  // a window of no area keeps its region
  if (IsMdiChildNotNormal()) return;
  // The region stays while the size it was built for does. A re-skin and an
  // MDI child always rebuild, and so does a window whose region was taken off.
  const bool cached = HasRegion && RegionWidth == w && RegionHeight == h;
  if (cached && FormKind != fkMdiChild && SkinState != ssReskinning) return;
  if (!SkinData) return;

  // Without a transparent border the window is its rectangle, and no size is
  // cached for that cheap region.
  const bool shaped = AnyTransparent(*Skin());
  ui::RegionHandle region;
  try {
    region = shaped ? BuildShapedRegion(*this, w, h) : RectRegion(0, 0, w, h);
  } catch (...) {
    return;  // the window keeps the region it has; nothing may reach the message loop
  }
  // The size is noted first: setting the region repaints the frame from
  // inside SetWindowRgn, and that paint must see the region as current.
  RegionWidth = shaped ? w : 0;
  RegionHeight = shaped ? h : 0;
  // Once set, the region belongs to the window (it goes with it); a region
  // the window refused stays ours and is deleted here, and the window's old
  // region is built anew next time.
  const HRGN handle = region.Get();
  if (!SetWindowRgn(Handle, handle, TRUE)) {
    RegionWidth = RegionHeight = 0;
    return;
  }
  region.Release();
  Region = handle;
  HasRegion = true;
}

// A resize paints the frame twice: once as the window takes its new size,
// clipped to the region of the old one, and again when WM_SIZE sets the new
// region, whose frame change repaints the whole frame. The first paint is
// wasted work (it was the larger part of a resize's cost), so while a size
// change is under way and the shaped region is still the old size's, the
// frame waits for the region. Nothing is shown in between: the region is set
// before SetWindowPos returns.
void TWinSkinForm::NoteSizeChange(const ui::TMessage& message) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
  if (pos && !(pos->flags & SWP_NOSIZE)) sizeChanging_ = true;
}

bool TWinSkinForm::RegionAwaitsNewSize() const { return sizeChanging_ && RegionIsStale(); }

// The shaped region was built for another size than the window's, and the
// window is one whose WM_SIZE sets a new region (HandleSize).
bool TWinSkinForm::RegionIsStale() const {
  if (!HasRegion || RegionWidth <= 0 || FormKind == fkMdiChild) return false;
  if ((SkinState != ssRunning && SkinState != ssReskinning) || IsIconic(Handle)) return false;
  RECT window{};
  if (!GetWindowRect(Handle, &window)) return false;
  return RectWidth(window) != RegionWidth || RectHeight(window) != RegionHeight;
}

// After the size change: a window whose WM_SIZE did not come (its procedure
// keeps WM_WINDOWPOSCHANGED from the default one) still gets its region, and
// a frame left to the region's repaint is painted if that did not come.
void TWinSkinForm::FinishSizeChange(const ui::TMessage& message) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
  if (!pos || (pos->flags & SWP_NOSIZE)) return;
  if (RegionIsStale()) UpdateRegion();
  sizeChanging_ = false;
  if (!framePaintDeferred_) return;
  framePaintDeferred_ = false;
  PaintFrame(nullptr);
}

void TWinSkinForm::RemoveRegion() {
  if (!HasRegion) return;
  FrameBitmap.Clear();
  SetWindowRgn(Handle, nullptr, FALSE);
  HasRegion = false;
  Region = nullptr;
  RegionWidth = RegionHeight = 0;  // the next UpdateRegion builds it anew
}

}  // namespace skin
