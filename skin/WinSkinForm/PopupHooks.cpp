// TWinSkinForm: call points of popup-menu owner drawing. Until popup items
// are skinned, menus draw themselves.
#include "skin/WinSkinForm/WinSkinForm.h"

namespace skin {

void TWinSkinForm::SetPopupOwnerDraw(bool /*on*/) {}

bool TWinSkinForm::MeasureMenuItem(ui::TMessage& /*message*/) { return false; }

bool TWinSkinForm::DrawMenuItem(ui::TMessage& /*message*/) { return false; }

}  // namespace skin
