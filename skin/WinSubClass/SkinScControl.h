// TSkinScControl: a scroll bar control (a window that is one bar: the
// framework's TScrollBar, or a bare "scrollbar" window of a dialog or foreign
// window) painted from the skin after the system has painted it, with the
// thumb placed from the control's Min, Max, PageSize and Position. The system
// tracks the mouse on it; each scroll message the bar reports repaints it,
// showing the part pressed: a framework bar hears of them as CN_HSCROLL /
// CN_VSCROLL, a bare one through its skinned parent (ScrollReported).
#pragma once

#include "skin/WinSubClass/ScrollBarGeometry.h"
#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinScControl : public TSkinControl {
 public:
  explicit TSkinScControl(TWinSkinForm* owner) : TSkinControl(owner) {}
  std::string ClassName() const override { return "TSkinScControl"; }

  bool BeforeDefault(ui::TMessage& message) override;
  void AfterDefault(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // The bar reported scroll code `code` to its parent, which has acted on it.
  void ScrollReported(WPARAM code, bool horizontal);

  int PressedPart = spNone;  // TScrollPart
  int TrackLength = 0;
  int ThumbLength = 0;
  int ThumbOffset = 0;

 private:
  bool redrawPosted_ = false;  // a ScrollBarRedrawRequest is on its way

  void NotePressedPart(WPARAM code, bool horizontal);
  void ShowScrolled();

  // The bar's direction and thumb (from the framework control, or from the
  // window of a bare scroll bar). False when its range is unusable.
  bool ReadBar(const RECT& rect, bool& horizontal);
};

}  // namespace skin
