// A date or time picker: a window of the system's date-time picker class
// (superclassed, window class "TDateTimePicker"). DateMode dmComboBox drops
// a month calendar from a button; dmUpDown steps the field at the caret with
// an up-down inside the control. Kind dtkTime shows a time (always stepped
// with the up-down).
#pragma once

#include <string>

#include "ui/Control.h"

namespace ui {

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

class TDateTimePicker : public TWinControl {
 public:
  explicit TDateTimePicker(TComponent* owner);
  std::string ClassName() const override { return "TDateTimePicker"; }

  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind value);
  TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode value);

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  // Painting off screen (double buffered), the control's background is
  // erased there first: the control leaves that to WM_ERASEBKGND.
  void PaintWindow(HDC dc) override;

 private:
  void Recreate();

  TDateTimeKind kind_ = dtkDate;
  TDTDateMode dateMode_ = dmComboBox;
};

}  // namespace ui
