// TWinSkinForm: what the skinned frame tells assistive technology. The menu
// bar and the title bar are no longer the system's, so the system has no
// accessible object for them: the window answers WM_GETOBJECT for them
// itself (AccessibleMenuBar.h, AccessibleTitleBar.h), and the skinned bar
// raises the menu events a system menu bar raises. Every other object id
// goes on to the system's own proxies.
#include "skin/WinSkinForm/AccessibleMenuBar.h"
#include "skin/WinSkinForm/AccessibleTitleBar.h"
#include "skin/WinSkinForm/WinSkinForm.h"

namespace skin {

bool TWinSkinForm::HandleGetObject(ui::TMessage& message) {
  const LONG id = LONG(DWORD(message.LParam));
  const bool menuBar = id == OBJID_MENU && SkinMenu;
  const bool titleBar = id == OBJID_TITLEBAR && BorderKind != bkNone && BorderTop > 0;
  if (!SkinData || SkinState == ssAttached || (!menuBar && !titleBar)) return false;
  if (!AccessTarget) AccessTarget = std::make_shared<TAccessTarget>(TAccessTarget{this});
  TAccessibleBase* object = menuBar ? static_cast<TAccessibleBase*>(new TAccessibleMenuBar(AccessTarget, Handle))
                                    : new TAccessibleTitleBar(AccessTarget, Handle);
  message.Result = LresultFromObject(__uuidof(IAccessible), message.WParam, static_cast<IAccessible*>(object));
  object->Release();  // the result holds its own reference
  return true;
}

void TWinSkinForm::DisconnectAccessible() {
  if (!AccessTarget) return;
  AccessTarget->Form = nullptr;
  AccessTarget.reset();
}

// A click on a caption button asked for by its accessible object.
void TWinSkinForm::ClickSysButton(int index) {
  if (index < 0 || index >= int(SysButtons.size())) return;
  TWinSysButton* button = SysButtons[std::size_t(index)].get();
  if (!button->Visible) return;
  if (HotObject && HotObject != button) HotObject->MouseLeave();
  HotObject = button;
  RECT window{};
  GetWindowRect(Handle, &window);
  const RECT& r = button->Rect;
  RunSysButtonAction(window.left + (r.left + r.right) / 2, window.top + r.bottom);
  if (HotObject == button) HotObject = nullptr;
}

}  // namespace skin
