// TImageList: equally sized pictures in a system image list (HIMAGELIST),
// drawn by index: menu item glyphs, tab images.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/Component.h"
#include "ui/Graphics.h"

namespace ui {

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner);
  ~TImageList() override;
  std::string ClassName() const override { return "TImageList"; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // A new size empties the list; its Handle stays (controls showing the list keep it).
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  int Count() const;
  // The colour the pictures of Bitmap leave transparent (clNone: none).
  TColor MaskColor() const { return maskColor_; }

  // Cuts `bitmap` into pictures of Width() from the left (a narrower rest is
  // left out); the pixels of `maskColor` become transparent (clNone: none).
  // Returns the index of the first added picture, -1 when none was added.
  int Add(TBitmap& bitmap, TColor maskColor);
  void Clear();

  // Draws picture `index` at (x, y); a disabled one is drawn embossed in grey.
  void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const {
    Draw(canvas.Handle(), x, y, index, enabled);
  }

  // The system image list (created with the list).
  HIMAGELIST Handle() const { return handle_; }

  // Properties Width, Height, Masked colour "MaskColor" (clNone = none), and
  // "Bitmap = resource 'NAME'" holding every picture side by side.
  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  bool ReadBinaryProperty(std::string_view name, TStream& stream) override;

 private:
  void Recreate();

  int width_ = 16;
  int height_ = 16;
  TColor maskColor_ = TColor(0xFF00FF);
  HIMAGELIST handle_ = nullptr;
};

}  // namespace ui
