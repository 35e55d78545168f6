#include "ui/DateTimePicker.h"

#include <commctrl.h>

#include "ui/FormParser.h"
#include "ui/UpDown.h"  // InitSpinClasses

namespace ui {

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  InitSpinClasses();
  TabStop = true;
  SetColor(clWindow);
  StoreBounds(0, 0, 186, 21);
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = DATETIMEPICK_CLASSW;
  params.Style |= kind_ == dtkTime ? DTS_TIMEFORMAT : DTS_SHORTDATEFORMAT;
  if (dateMode_ == dmUpDown) params.Style |= DTS_UPDOWN;
  if (TabStop) params.Style |= WS_TABSTOP;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::Recreate() {
  if (!HandleAllocated()) return;
  DestroyHandle();
  HandleNeeded();
}

void TDateTimePicker::SetKind(TDateTimeKind value) {
  if (value == kind_) return;
  kind_ = value;
  Recreate();
}

void TDateTimePicker::SetDateMode(TDTDateMode value) {
  if (value == dateMode_) return;
  dateMode_ = value;
  Recreate();
}

bool TDateTimePicker::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Kind") SetKind(value.AsEnum<TDateTimeKind>({{"dtkDate", dtkDate}, {"dtkTime", dtkTime}}));
  else if (name == "DateMode") SetDateMode(value.AsEnum<TDTDateMode>({{"dmComboBox", dmComboBox}, {"dmUpDown", dmUpDown}}));
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

void TDateTimePicker::PaintWindow(HDC dc) {
  if (DoubleBuffered) {
    TMessage erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(erase);
  }
  TWinControl::PaintWindow(dc);
}

}  // namespace ui
