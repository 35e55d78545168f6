// The skinned menu bar as a screen reader sees it (OBJID_MENU): role menu
// bar, one child per item with its text, access key ("Alt+F"), state and
// place; an item's default action opens its menu as a click does.
#pragma once

#include "skin/WinSkinForm/AccessibleBase.h"

namespace skin {

class TAccessibleMenuBar : public TAccessibleBase {
 public:
  using TAccessibleBase::TAccessibleBase;

 protected:
  long ChildCount(TWinSkinForm& form) override;
  TAccessElement Describe(TWinSkinForm& form, long child) override;
  HRESULT DoDefaultAction(TWinSkinForm& form, long child) override;
};

}  // namespace skin
