// TSkinScrollBar: the skin's look for the scroll bars the system draws in a
// scrolling control's frame (list boxes, memos, list views, any control with
// WS_HSCROLL or WS_VSCROLL). The control keeps its bars: the system reserves
// their space, hit-tests them and scrolls with arrows and pages; after every
// system paint and scroll message the skinned bars are painted over them,
// showing the arrow or thumb the system is pressing. With DragThumb the
// thumb is dragged by this companion instead of the system (TrackThumb).
#pragma once

#include <memory>

#include "skin/WinSubClass/ScrollBarGeometry.h"
#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinScrollBar : public TSkinControl {
 public:
  explicit TSkinScrollBar(TWinSkinForm* owner);
  ~TSkinScrollBar() override;
  std::string ClassName() const override { return "TSkinScrollBar"; }

  // Attaches to a framework control (instead of Attach) and has the system
  // work out the control's frame again. `dragThumb`: the thumb is dragged by
  // TrackThumb.
  bool AttachScroll(ui::TWinControl* control, TSkinSet* skinData, bool dragThumb, ui::TCanvas* canvas);
  // The same for a bare window (a dialog's control).
  bool AttachScrollWindow(HWND wnd, TSkinSet* skinData, bool dragThumb, ui::TCanvas* canvas);

  bool BeforeDefault(ui::TMessage& message) override;
  void AfterDefault(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // HorzBarRect, VertBarRect and CornerRect for the window rectangle `window`
  // (at the origin), and each bar's ArrowSize.
  void CalcBarRects(const RECT& window);
  // The thumb of one bar from the system's scroll information; left alone
  // while dragging (the drag owns the thumb) and when the range is empty.
  void CalcThumb(const RECT& bar, bool horizontal);
  // One bar, composed and put on `dc` at `bar` (window coordinates).
  void DrawBar(HDC dc, const RECT& bar, bool horizontal);
  // The scroll code at `coordinate` along a bar (client coordinates).
  int HitTestBar(int coordinate, bool horizontal) const;
  // A WM_NCLBUTTONDOWN on a bar's thumb starts TrackThumb: true when taken.
  bool TrackClick(ui::TMessage& message);
  // Drags the thumb until the button is released (or the drag is cut
  // short), sending SB_THUMBTRACK as the position changes, then
  // SB_THUMBPOSITION and SB_ENDSCROLL.
  void TrackThumb(bool horizontal, UINT scrollMessage);

  int PressedPart = spNone;  // TScrollPart
  DWORD Style = 0;           // the window style at the last paint, plus a bar being scrolled
  RECT CornerRect{};
  bool Dragging = false;
  bool DragThumb = false;
  bool InVScroll = false;
  bool InHScroll = false;
  SCROLLINFO HorzInfo{};
  SCROLLINFO VertInfo{};
  RECT HorzBarRect{};
  RECT VertBarRect{};
  TScrollMetrics HorzMetrics;
  TScrollMetrics VertMetrics;

 private:
  void ResetScrollState(bool dragThumb);
  // WM_HSCROLL / WM_VSCROLL: the pressed part from the code, the control's
  // own scrolling, then the skin over the bars.
  void Scrolled(ui::TMessage& message, bool horizontal);
  // The drag is over: the final position reported, the mouse let go.
  void EndDrag(UINT scrollMessage, int pos);
  // Some systems paint their own bar once more right after sending a scroll
  // message from their arrow and page tracking: a posted request repaints
  // the skin when that is done.
  void PostRedraw();

  bool redrawPosted_ = false;

  // Cleared when this object goes, so a drag loop running inside one of its
  // messages stops instead of touching it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
