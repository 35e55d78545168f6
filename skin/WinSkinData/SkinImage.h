// Skin images: from an image key's value to a package entry and a bitmap.
#pragma once

#include <string>
#include <string_view>

#include "skin/SkinRead/SkinReader.h"
#include "skin/WinSkinData/SkinObjects.h"
#include "ui/Graphics.h"

namespace skin {

// The package entry an image key names: the text after the last "\" or ":",
// provided it ends in ".bmp" (exactly, lower case). Empty when it names none.
std::string ImageEntryName(std::string_view value);

// Loads the entry named by `value` into `bitmap`; an unusable value, a
// missing entry or malformed bitmap data leave the bitmap empty.
void LoadImage(ui::TBitmap& bitmap, std::string_view value, const TSkinReader& reader);
// The same, and `larger` gets the pictures of that image drawn for larger
// scales: the entries "<name>@<scale>x.bmp" beside "<name>.bmp" (scale 1.25,
// 1.5, 2, ...: a number above 1 and up to 8 with at most two decimals).
void LoadImage(ui::TBitmap& bitmap, TLargerImages& larger, std::string_view value, const TSkinReader& reader);

// The DPI of a larger image's entry name for the base entry `base` (both
// lower case): 144 for "top@1.5x.bmp" beside "top.bmp"; 0 when `entry` is
// no larger image of `base`.
int LargerImageDpi(std::string_view base, std::string_view entry);

// `dest` becomes the part (x, y, width, height) of `source`, clipped to it.
void CopyBitmapRect(const ui::TBitmap& source, int x, int y, int width, int height, ui::TBitmap& dest);

}  // namespace skin
