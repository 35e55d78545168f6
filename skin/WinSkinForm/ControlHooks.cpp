// TWinSkinForm: the call points of control discovery and the control
// companions.
#include <vector>

#include "skin/WinSkinForm/ControlDiscovery.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/WinSubClass/SkinScControl.h"
#include "ui/Form.h"

namespace skin {

void TWinSkinForm::DiscoverControls() {
  if (Form) DiscoverComponents(*this, *Form);
  else DiscoverChildWindows(*this);
}

void TWinSkinForm::FreeControls() {
  // Each companion takes itself out of Controls as it goes.
  while (!Controls.empty()) Controls.back()->Release();
  HotControl = nullptr;
}

void TWinSkinForm::ReskinControls() {
  for (TSkinControl* control : std::vector<TSkinControl*>(Controls)) control->Reskin();
}

void TWinSkinForm::ControlScrolled(const ui::TMessage& message) {
  // A framework scroll bar hears of its scrolling itself (CN_HSCROLL / CN_VSCROLL).
  const HWND bar = reinterpret_cast<HWND>(message.LParam);
  auto* skinned = bar ? dynamic_cast<TSkinScControl*>(FindControlByHandle(*this, bar)) : nullptr;
  if (skinned && !skinned->Control) skinned->ScrollReported(message.WParam, message.Msg == WM_HSCROLL);
}

void TWinSkinForm::ControlMouseLeave() {
  if (TSkinControl* hot = HotControl) hot->SendMouseLeave();
  HotControl = nullptr;
}

void TWinSkinForm::SetHotControl(TSkinControl* control) {
  HotControl = control;
  if (control) StartHoverTick();
}

void TWinSkinForm::ControlsHoverCheck() {
  if (!HotControl) return;
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return;
  if (!PtInRect(&HotControl->WindowRect, cursor)) ControlMouseLeave();
}

void TWinSkinForm::InvalidateFormControls() {
  if (!Form) return;
  for (int i = 0; i < Form->ComponentCount(); ++i)
    if (auto* control = dynamic_cast<ui::TControl*>(Form->Components(i))) control->Invalidate();
}

}  // namespace skin
