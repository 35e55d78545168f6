// Buttons with a glyph: the bitmap button (a push button that draws glyph and
// caption itself) and the speed button (windowless, painted by its parent,
// with a Down state shared in groups: the tool-bar button).
#pragma once

#include "ui/ButtonLayout.h"
#include "ui/StdCtrls.h"

namespace ui {

// A push button with a glyph beside, above or below its caption. Owner-drawn:
// glyph image 1 normally, 2 when disabled, 3 while pressed.
class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* owner);
  std::string ClassName() const override { return "TBitBtn"; }

  // Glyph, glyph count, layout, margin and spacing. Call Invalidate after
  // changing them.
  TGlyphSettings& Glyph() { return glyph_; }
  const TGlyphSettings& Glyph() const { return glyph_; }

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  bool ReadBinaryProperty(std::string_view name, TStream& stream) override;

 protected:
  DWORD ButtonStyle() const override { return BS_OWNERDRAW; }
  void WndProc(TMessage& message) override;

 private:
  void DrawItem(const DRAWITEMSTRUCT& item);

  TGlyphSettings glyph_;
};

// A windowless button. With a GroupIndex other than 0 it stays down after a
// click, and the other buttons of its parent with the same GroupIndex come
// up; AllowAllUp lets a click on the down button raise it. A Flat button
// shows its edge only while the mouse is over it or it is down.
class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);
  std::string ClassName() const override { return "TSpeedButton"; }

  bool Down() const { return down_; }
  // Ignored without a GroupIndex; a down button of a group that must keep
  // one button down (not AllowAllUp) cannot be raised this way.
  void SetDown(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);

  TGlyphSettings& Glyph() { return glyph_; }
  const TGlyphSettings& Glyph() const { return glyph_; }

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  bool ReadBinaryProperty(std::string_view name, TStream& stream) override;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  // The other buttons of this button's group come up.
  void RaiseOthers();
  // Which glyph image shows now (1 up, 2 disabled, 3 pressed, 4 down).
  int GlyphIndex() const;

  TGlyphSettings glyph_;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool flat_ = false;
  bool pressed_ = false;   // the left button is held over the button
  bool tracking_ = false;  // a press began here and has not ended
  bool mouseInside_ = false;
};

}  // namespace ui
