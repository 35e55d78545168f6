// TWinSkinForm: call points of control discovery and the control companions.
// Until controls are skinned, no companion is ever created, so Controls stays
// empty.
#include "skin/WinSkinForm/WinSkinForm.h"
#include "ui/Form.h"

namespace skin {

void TWinSkinForm::DiscoverControls() {}

void TWinSkinForm::FreeControls() {
  Controls.clear();
  HotControl = nullptr;
}

void TWinSkinForm::ReskinControls() {}

void TWinSkinForm::ControlMouseLeave() { HotControl = nullptr; }

void TWinSkinForm::ControlsHoverCheck() {}

void TWinSkinForm::InvalidateFormControls() {
  if (!Form) return;
  for (int i = 0; i < Form->ComponentCount(); ++i)
    if (auto* control = dynamic_cast<ui::TControl*>(Form->Components(i))) control->Invalidate();
}

}  // namespace skin
