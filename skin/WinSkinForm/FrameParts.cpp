#include "skin/WinSkinForm/FrameParts.h"

#include <utility>

#include "skin/WinSkinData/SkinObjects.h"
#include "skin/draw/Slicing.h"

namespace skin {

ui::TBitmap* TFrameParts::Get(TDataSkinBorder* border, int index, int frame, SIZE size) {
  if (!border || index < 1 || index > int(parts_.size())) return nullptr;
  const RECT margins{border->LeftWidth, border->TopHeight, border->RightWidth, border->BottomHeight};
  const TKey key{border, border->Bitmap.Handle(), frame, size.cx, size.cy, margins, border->Tile, border->FrameCount};
  TPart& part = parts_[std::size_t(index - 1)];
  if (part.Bitmap && part.Key == key) return part.Bitmap.get();
  std::swap(part, previous_[std::size_t(index - 1)]);  // the current one becomes the one before
  if (part.Bitmap && part.Key == key) return part.Bitmap.get();
  const bool vertical = index >= 3;     // top and bottom have their frames stacked
  const bool tile = border->Tile != 1;  // "Stretch" 1 stretches the centre, anything else tiles it
  part.Bitmap = CreateSlicedBitmap(RECT{0, 0, size.cx, size.cy}, border->Bitmap, margins, vertical, tile,
                                   border->FrameCount, frame);
  part.Key = key;
  ++composed_;
  return part.Bitmap.get();
}

void TFrameParts::Clear() {
  for (TPart& part : parts_) part = TPart{};
  for (TPart& part : previous_) part = TPart{};
}

}  // namespace skin
