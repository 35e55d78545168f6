// Skin images: from an image key's value to a package entry and a bitmap.
#pragma once

#include <string>
#include <string_view>

#include "skin/SkinRead/SkinReader.h"
#include "ui/Graphics.h"

namespace skin {

// The package entry an image key names: the text after the last "\" or ":",
// provided it ends in ".bmp" (exactly, lower case). Empty when it names none.
std::string ImageEntryName(std::string_view value);

// Loads the entry named by `value` into `bitmap`; an unusable value, a
// missing entry or malformed bitmap data leave the bitmap empty.
void LoadImage(ui::TBitmap& bitmap, std::string_view value, const TSkinReader& reader);

// `dest` becomes the part (x, y, width, height) of `source`, clipped to it.
void CopyBitmapRect(const ui::TBitmap& source, int x, int y, int width, int height, ui::TBitmap& dest);

}  // namespace skin
