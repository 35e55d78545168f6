#include "skin/WinSubClass/SkinProgress.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "skin/WinSkinData/SkinData.h"
#include "skin/draw/SkinDraw.h"

namespace skin {

namespace {

constexpr int kProgressFrames = 2;

// Frame `frame` of the Progress image, nine-part over `part` of `dc`, with
// the key colour left out.
void DrawProgressFrame(HDC dc, const RECT& part, TDataSkinObject& progress, int frame) {
  if (IsEmptyArea(part)) return;
  const RECT margins{progress.LeftWidth, progress.TopHeight, progress.RightWidth, progress.BottomHeight};
  DrawSlicedImage(dc, part, progress.Bitmap, margins, false, progress.Tile != 0, true, kProgressFrames, frame);
}

}  // namespace

RECT ProgressFillRect(const RECT& rect, int min, int max, int position, bool vertical) {
  RECT fill = rect;
  if (max <= 0 || max <= min || IsEmptyArea(rect)) {
    fill.right = fill.left;
    return fill;
  }
  // 64-bit: the range may be as wide as int allows.
  const std::int64_t span = std::int64_t(max) - min;
  const std::int64_t done = std::int64_t(std::clamp(position, min, max)) - min;
  if (vertical) {
    fill.top = fill.bottom - int(done * RectHeight(rect) / span);
  } else {
    fill.right = fill.left + int(done * RectWidth(rect) / span);
  }
  return fill;
}

bool TSkinProgress::BeforeDefault(ui::TMessage& message) {
  // Without a usable image the system paints the bar: left unpainted, it
  // would show whatever was on the screen before.
  return !HasImage() || !PaintInstead(message);
}

bool TSkinProgress::HasImage() const {
  return SkinData && SkinData->Progress && !SkinData->Progress->Bitmap.Empty();
}

void TSkinProgress::PaintSkin(HDC dc, const RECT& rect) {
  if (!HasImage() || IsEmptyArea(rect)) return;
  TDataSkinObject* progress = SkinData->Progress.get();
  ui::TBitmap* buffer = ScratchBitmap();
  ui::TBitmap own;
  if (!buffer) buffer = &own;
  buffer->SetSize(rect.right, rect.bottom);
  HDC target = buffer->Canvas().Handle();
  FillFace(target, rect);
  DrawProgressFrame(target, rect, *progress, 1);

  PBRANGE range{};
  SendMessageW(Handle, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  const int position = int(SendMessageW(Handle, PBM_GETPOS, 0, 0));
  const bool vertical = (GetWindowLongPtrW(Handle, GWL_STYLE) & PBS_VERTICAL) != 0;
  DrawProgressFrame(target, ProgressFillRect(rect, range.iLow, range.iHigh, position, vertical), *progress, 2);

  BitBlt(dc, rect.left, rect.top, RectWidth(rect), RectHeight(rect), target, rect.left, rect.top, SRCCOPY);
}

}  // namespace skin
