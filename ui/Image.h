// An image: a windowless control showing a bitmap, at its natural size, centred
// or stretched. With Transparent set, the bitmap's transparent colour (the
// colour of its bottom-left pixel) is left out, so the parent shows through.
#pragma once

#include "ui/Control.h"
#include "ui/Graphics.h"

namespace ui {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  std::string ClassName() const override { return "TImage"; }

  TBitmap& Picture() { return picture_; }
  // Call after changing Picture: resizes when AutoSize is set, and repaints.
  void PictureChanged();

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  // "Picture.Data": the bytes of a bitmap file.
  bool ReadBinaryProperty(std::string_view name, TStream& stream) override;
  void Loaded() override;

 protected:
  void Paint() override;

 private:
  RECT DestRect() const;
  void AdjustSize();

  TBitmap picture_;
  bool autoSize_ = false;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};

}  // namespace ui
