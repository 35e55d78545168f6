#include "skin/draw/ScratchBitmap.h"

#include <memory>

namespace skin {

namespace {

std::unique_ptr<ui::TBitmap>& Scratch() {
  static std::unique_ptr<ui::TBitmap> scratch;
  return scratch;
}

}  // namespace

void CreateScratchBitmap() {
  if (Scratch()) return;
  auto bitmap = std::make_unique<ui::TBitmap>();
  SetStretchBltMode(bitmap->Canvas().Handle(), COLORONCOLOR);
  Scratch() = std::move(bitmap);
}

void FreeScratchBitmap() { Scratch().reset(); }

ui::TBitmap* ScratchBitmap() { return Scratch().get(); }

}  // namespace skin
