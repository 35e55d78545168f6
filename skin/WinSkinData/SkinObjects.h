// Skin objects: one skin image with its slice margins, flags, frame count and
// state colours, as the painters read them. Each owns its bitmaps.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/Colors.h"
#include "ui/Graphics.h"

namespace skin {

// The same picture as an image of the skin, drawn by its author for a larger
// display scale (a package entry "name@2x.bmp" beside "name.bmp"). Dpi is the
// scale as a DPI: 144 for 1.5x, 192 for 2x.
struct TLargerImage {
  std::string Name;  // its package entry
  int Dpi = 0;
  ui::TBitmap Bitmap;
};
// The larger pictures of one image, in package order; only those whose size
// fits the base image at their scale are kept.
using TLargerImages = std::vector<std::unique_ptr<TLargerImage>>;

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
  virtual ~TDataSkinObject() = default;
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  // FrameCount as a divisor: a definition may give 0 or a negative count,
  // which draws as one frame.
  int SafeFrameCount() const { return FrameCount > 0 ? FrameCount : 1; }

  std::int32_t LeftWidth = 0;
  std::int32_t TopHeight = 0;
  std::int32_t RightWidth = 0;
  std::int32_t BottomHeight = 0;
  ui::TBitmap Bitmap;
  std::int32_t Trans = 0;  // non-zero: drawn leaving out the key colour
  std::int32_t Tile = 0;   // how the middle parts are filled (borders: "Stretch")
  std::string Name;
  std::int32_t FrameCount = 0;
  std::int32_t NormalColour = 0;  // -1: not set
  std::int32_t MouseOverColour = 0;
  std::int32_t PressedColour = 0;
  ui::TColor NormalColour2 = 0;
  ui::TColor MouseOverColour2 = 0;
  ui::TColor PressedColour2 = 0;
  TLargerImages BitmapLarger;  // Bitmap drawn for larger scales
};

// Frame borders, and objects with a second image (tab panel, up-down glyphs).
class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  ui::TBitmap Bitmap2;
  TLargerImages Bitmap2Larger;
};

// Title text: LeftWidth/TopHeight hold the text shift, RightWidth the right clip.
class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t TextAlignment = 0;
  std::int32_t Textbackground = 0;
  std::int32_t FontHeight = 0;
  std::int32_t TXTBackleft = 0;
  std::int32_t TXTBackRight = 0;
  ui::TColor ActiveTextColour = ui::clNone;  // clNone: not set
  ui::TColor InactiveTextColour = ui::clNone;
};

// Push button, with the check-box and radio-button strips.
class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  ui::TBitmap CheckBitmap;
  ui::TBitmap RadioBitmap;
  std::int32_t RadioFrames = 0;
  std::int32_t CheckFrames = 0;
  TLargerImages CheckLarger;
  TLargerImages RadioLarger;
};

// One caption button of a window.
class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t Xcoord = 0;
  std::int32_t Ycoord = 0;
  std::int32_t CombineOp = 0;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
};

}  // namespace skin
