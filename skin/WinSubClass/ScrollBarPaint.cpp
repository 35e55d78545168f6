#include "skin/WinSubClass/ScrollBarPaint.h"

#include "skin/WinSkinData/SkinData.h"
#include "skin/draw/SkinDraw.h"
#include "ui/GdiHandles.h"

namespace skin {

namespace {

constexpr int kScrollbarFrames = 23;
constexpr int kTrackFrames = 4;
constexpr int kMaxSide = 10000;

bool HasImage(const TDataSkinObject* object) { return object && !object->Bitmap.Empty(); }

RECT Margins(const TDataSkinObject& o) { return RECT{o.LeftWidth, o.TopHeight, o.RightWidth, o.BottomHeight}; }

// The composed bar: its direction and its thickness across.
struct TBarShape {
  bool Horizontal;
  int Thickness;
  // A stretch of the bar from `from` to `to` along it, across its whole thickness.
  RECT Along(int from, int to) const {
    return Horizontal ? RECT{from, 0, to, Thickness} : RECT{0, from, Thickness, to};
  }
};

void DrawTrack(HDC dc, int length, int arrow, const TBarShape& bar, TSkinSet& data) {
  TDataSkinObject* track = bar.Horizontal ? data.HorzScroll.get() : data.VertScroll.get();
  const RECT r = bar.Along(arrow, length - arrow);
  if (!HasImage(track) || IsEmptyArea(r)) return;
  DrawSlicedImage(dc, r, track->Bitmap, Margins(*track), false, track->Tile != 0, track->Trans != 0, kTrackFrames, 1);
}

void DrawArrows(HDC dc, int length, int arrow, const TBarShape& bar, int pressedPart, TSkinSet& data) {
  const bool horizontal = bar.Horizontal;
  const int first = horizontal ? 1 : 9;
  const int second = horizontal ? 5 : 13;
  const bool firstPressed = pressedPart == (horizontal ? spLeftArrow : spUpArrow);
  const bool secondPressed = pressedPart == (horizontal ? spRightArrow : spDownArrow);
  ui::TBitmap& image = data.Scrollbar->Bitmap;
  DrawImageFrame(dc, bar.Along(0, arrow), image, true, kScrollbarFrames, first + (firstPressed ? 1 : 0));
  DrawImageFrame(dc, bar.Along(length - arrow, length), image, true, kScrollbarFrames,
                 second + (secondPressed ? 1 : 0));
}

void DrawThumb(HDC dc, int arrow, const TBarShape& bar, const TScrollMetrics& m, int pressedPart, TSkinSet& data) {
  const bool horizontal = bar.Horizontal;
  TDataSkinObject* thumb = horizontal ? data.HorzScrollThumb.get() : data.VertScrollThumb.get();
  if (!HasImage(thumb) || m.ThumbLength <= 0 || m.TrackLength < m.ThumbLength) return;
  const int start = arrow + m.ThumbOffset;
  const bool pressed = pressedPart == (horizontal ? spHorzThumb : spVertThumb);
  DrawSlicedImage(dc, bar.Along(start, start + m.ThumbLength), thumb->Bitmap, Margins(*thumb), false, false,
                  thumb->Trans != 0, thumb->SafeFrameCount(), pressed ? 2 : 1);
}

}  // namespace

UINT ScrollBarRedrawRequest() {
  static const UINT message = RegisterWindowMessageW(L"TavrinSkinScrollBarRedraw");
  return message;
}

bool HasScrollBarImage(const TSkinSet& data) { return HasImage(data.Scrollbar.get()); }

void DrawScrollBarImage(HDC dc, const RECT& bar, bool horizontal, const TScrollMetrics& m, int pressedPart,
                        TSkinSet& data) {
  if (!HasScrollBarImage(data)) return;
  const int length = horizontal ? RectWidth(bar) : RectHeight(bar);
  if (length <= 0 || length > kMaxSide || IsEmptyArea(bar)) return;
  // Composed at the bar's own size: the pictures (at the window's DPI) land
  // pixel for pixel, nothing is resampled on the way to the screen.
  const TBarShape shape{horizontal, horizontal ? RectHeight(bar) : RectWidth(bar)};
  if (shape.Thickness > kMaxSide) return;
  const int width = horizontal ? length : shape.Thickness;
  const int height = horizontal ? shape.Thickness : length;

  ui::MemoryDC memory(dc);
  ui::BitmapHandle bitmap(CreateCompatibleBitmap(dc, width, height));
  if (!memory.Get() || !bitmap) return;
  ui::SelectGuard select(memory.Get(), bitmap.Get());
  UseColorOnColor(memory.Get());
  {
    ui::BrushHandle background(CreateSolidBrush(COLORREF(ui::ColorToRGB(data.ScrollbarColour))));
    const RECT all{0, 0, width, height};
    FillRect(memory.Get(), &all, background.Get());
  }
  // A bar too short for two whole arrows has two half-length ones.
  const int arrow = length < 2 * m.ArrowSize ? length / 2 : m.ArrowSize;
  DrawTrack(memory.Get(), length, m.ArrowSize, shape, data);
  DrawArrows(memory.Get(), length, arrow, shape, pressedPart, data);
  DrawThumb(memory.Get(), arrow, shape, m, pressedPart, data);

  BitBlt(dc, bar.left, bar.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

}  // namespace skin
