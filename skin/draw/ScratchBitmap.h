// The one process-wide off-screen bitmap that painters borrow as a back
// buffer (they size it themselves). The program creates it at start-up,
// before any window is skinned, and frees it at shutdown; painters that need
// it draw nothing while it does not exist.
#pragma once

#include "ui/Graphics.h"

namespace skin {

// Creates the bitmap (stretch mode COLORONCOLOR on its canvas) unless it exists.
void CreateScratchBitmap();
// Frees the bitmap; ScratchBitmap() is then null.
void FreeScratchBitmap();
// The bitmap, or nullptr when it does not exist. GUI thread only, not re-entrant.
ui::TBitmap* ScratchBitmap();

// Holds the scratch bitmap for a scope: the program's start-up keeps one.
class TScratchBitmapOwner {
 public:
  TScratchBitmapOwner() { CreateScratchBitmap(); }
  ~TScratchBitmapOwner() { FreeScratchBitmap(); }
  TScratchBitmapOwner(const TScratchBitmapOwner&) = delete;
  TScratchBitmapOwner& operator=(const TScratchBitmapOwner&) = delete;
};

}  // namespace skin
