// TWinSkinForm: call points of popup-menu owner drawing (the work is done in
// skin/popup_menu).
#include "skin/WinSkinForm/WinSkinForm.h"

#include "skin/popup_menu/PopupOwnerDraw.h"

namespace skin {

void TWinSkinForm::SetPopupOwnerDraw(bool on) {
  if (Form && SkinData) skin::SetPopupOwnerDraw(*Form, *SkinData, on);
}

bool TWinSkinForm::MeasureMenuItem(ui::TMessage& message) {
  if (!message.LParam) return false;
  if (!skin::MeasureMenuItem(*this, *reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam))) return false;
  message.Result = TRUE;
  return true;
}

bool TWinSkinForm::DrawMenuItem(ui::TMessage& message) {
  if (!message.LParam) return false;
  try {
    if (!skin::DrawMenuItem(*this, *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam))) return false;
  } catch (...) {
    // A failed paint leaves the item as it was; it never reaches the menu loop.
  }
  message.Result = TRUE;
  return true;
}

}  // namespace skin
