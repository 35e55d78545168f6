// A scroll bar control: a window of the system's SCROLLBAR class that is one
// bar, horizontal or vertical. Min, Max and PageSize give its range, Position
// the thumb. The parent hands the bar's WM_HSCROLL/WM_VSCROLL back to it as
// CN_HSCROLL/CN_VSCROLL; it moves the thumb, raises OnScroll (which may change
// the new position) and OnChange when the position changed.
#pragma once

#include <functional>

#include "ui/Control.h"

namespace ui {

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* owner);
  std::string ClassName() const override { return "TScrollBar"; }

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int PageSize() const { return pageSize_; }
  int Position() const { return position_; }
  void SetMin(int value) { SetParams(position_, value, max_); }
  void SetMax(int value) { SetParams(position_, min_, value); }
  void SetPageSize(int value);
  void SetPosition(int value) { SetParams(value, min_, max_); }
  // All three at once; Max below Min becomes Min, the position is kept in range.
  void SetParams(int position, int min, int max);
  // The last position the thumb can reach: Max, less the page but one.
  int MaxPosition() const { return pageSize_ > 0 ? std::max(min_, max_ - pageSize_ + 1) : max_; }

  int SmallChange = 1;  // arrows
  int LargeChange = 1;  // clicks on the track

  TScrollEvent OnScroll;
  TNotifyEvent OnChange;

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  // A reflected scroll message: the user moved the bar.
  void Scrolled(WORD code);
  // Puts the range, page and position on the window.
  void ShowInfo();

  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int pageSize_ = 0;
  int position_ = 0;
};

}  // namespace ui
