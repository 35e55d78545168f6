// TSkinSizer: blanks a window the skin does not draw (the bare "scrollbar"
// windows of dialogs, such as size grips): it paints nothing and erases
// nothing, and the window's own painting never runs.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinSizer : public TSkinControl {
 public:
  explicit TSkinSizer(TWinSkinForm* owner) : TSkinControl(owner) {}
  std::string ClassName() const override { return "TSkinSizer"; }

  bool BeforeDefault(ui::TMessage& message) override;
};

}  // namespace skin
