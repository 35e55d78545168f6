// The skinned title bar as a screen reader sees it (OBJID_TITLEBAR): the
// window's caption, and one child per caption button of the skin (role push
// button, its name, unavailable or invisible as the skin shows it, its
// place); a button's default action does what a click on it does.
#pragma once

#include "skin/WinSkinForm/AccessibleBase.h"

namespace skin {

class TWinSysButton;

class TAccessibleTitleBar : public TAccessibleBase {
 public:
  using TAccessibleBase::TAccessibleBase;

 protected:
  long ChildCount(TWinSkinForm& form) override;
  TAccessElement Describe(TWinSkinForm& form, long child) override;
  HRESULT DoDefaultAction(TWinSkinForm& form, long child) override;
};

// The caption buttons of the title bar, in the skin's order: all but the
// maximised MDI child's, which sit in the menu bar. `child` counts from 1;
// -1 when out of range.
int TitleBarButtonIndex(const TWinSkinForm& form, long child);
long TitleBarButtonCount(const TWinSkinForm& form);

}  // namespace skin
