// The gallery's page of bars and boxes: progress bars empty, half, full and
// with no range (Max 0), horizontal and vertical track bars with tick marks,
// a status bar with lowered, raised, plain and empty panels and one in simple
// mode, group boxes, a radio group and a panel, each also disabled.
#pragma once

#include "ui/ComCtrls.h"
#include "ui/Form.h"

namespace gallery {

class TBarsPage : public ui::TForm {
 public:
  explicit TBarsPage(ui::TComponent* owner);
  ~TBarsPage() override;
  std::string ClassName() const override { return "TBarsPage"; }

  ui::TTrackBar* TrackHorizontal = nullptr;
  ui::TProgressBar* ProgressTracked = nullptr;

  // The horizontal track bar drives the last progress bar.
  void TrackHorizontalChange(ui::TObject* Sender);
};

}  // namespace gallery
