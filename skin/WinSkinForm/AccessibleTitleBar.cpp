#include "skin/WinSkinForm/AccessibleTitleBar.h"

#include "skin/WinSkinData/SkinObjects.h"
#include "skin/WinSkinForm/CaptionButtonKind.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/WindowText.h"

namespace skin {

namespace {

constexpr int kShownNormal = 2;  // visibility code: the window is not maximised

bool InTitleBar(const TWinSysButton& button) {
  return button.SkinButton && CaptionButtonKind(*button.SkinButton) != TCaptionButtonKind::MdiChild;
}

// A maximise button that restores: the skin's restore look, or a single
// button on a maximised window.
bool Restores(const TWinSkinForm& form, const TDataSkinSysButton& skin) {
  if (ShowsOnlyMaximized(skin)) return true;
  return form.WindowState == wsMaximized && skin.Visibility != kShownNormal && skin.Visibility1 != kShownNormal;
}

UINT SystemCommand(TCaptionButtonKind kind) {
  switch (kind) {
    case TCaptionButtonKind::Close: return SC_CLOSE;
    case TCaptionButtonKind::Maximize: return SC_MAXIMIZE;
    case TCaptionButtonKind::Minimize: return SC_MINIMIZE;
    default: return 0;
  }
}

// The window's system menu has the command grayed (a window without a
// close command, say): the button does nothing the user could want.
bool CommandGrayed(const TWinSkinForm& form, TCaptionButtonKind kind) {
  const UINT command = SystemCommand(kind);
  if (!command || !form.SysMenu || kind == TCaptionButtonKind::Maximize) return false;
  const UINT state = GetMenuState(form.SysMenu, command, MF_BYCOMMAND);
  return state != UINT(-1) && (state & (MF_GRAYED | MF_DISABLED));
}

long ButtonState(const TWinSkinForm& form, const TWinSysButton& button, TCaptionButtonKind kind) {
  if (!button.Visible || !form.Stage4Applies()) return STATE_SYSTEM_INVISIBLE;
  long state = 0;
  if (!IsWindowEnabled(form.Handle) || CommandGrayed(form, kind)) state |= STATE_SYSTEM_UNAVAILABLE;
  if (form.HotObject == &button && button.State == ncsHot) state |= STATE_SYSTEM_HOTTRACKED;
  if (form.HotObject == &button && button.State == ncsPressed) state |= STATE_SYSTEM_PRESSED;
  return state;
}

}  // namespace

long TitleBarButtonCount(const TWinSkinForm& form) {
  long count = 0;
  for (const auto& button : form.SysButtons)
    if (InTitleBar(*button)) ++count;
  return count;
}

int TitleBarButtonIndex(const TWinSkinForm& form, long child) {
  long seen = 0;
  for (int i = 0; i < int(form.SysButtons.size()); ++i)
    if (InTitleBar(*form.SysButtons[std::size_t(i)]) && ++seen == child) return i;
  return -1;
}

long TAccessibleTitleBar::ChildCount(TWinSkinForm& form) { return TitleBarButtonCount(form); }

TAccessElement TAccessibleTitleBar::Describe(TWinSkinForm& form, long child) {
  RECT window{};
  GetWindowRect(form.Handle, &window);
  TAccessElement element;
  if (child == CHILDID_SELF) {
    element.Name = GetWindowTextString(form.Handle);
    element.Value = element.Name;
    element.Role = ROLE_SYSTEM_TITLEBAR;
    element.State = form.Stage4Applies() ? 0 : STATE_SYSTEM_INVISIBLE;
    element.Screen = RECT{window.left, window.top, window.right, window.top + form.BorderTop};
    return element;
  }
  const int index = TitleBarButtonIndex(form, child);
  if (index < 0) return element;
  const TWinSysButton& button = *form.SysButtons[std::size_t(index)];
  const TDataSkinSysButton& skin = *button.SkinButton;
  const TCaptionButtonKind kind = CaptionButtonKind(skin);
  element.Name = CaptionButtonName(skin, Restores(form, skin));
  element.DefaultAction = L"按下";
  element.Role = ROLE_SYSTEM_PUSHBUTTON;
  element.State = ButtonState(form, button, kind);
  const RECT& r = button.Rect;
  element.Screen = RECT{window.left + r.left, window.top + r.top, window.left + r.right, window.top + r.bottom};
  return element;
}

HRESULT TAccessibleTitleBar::DoDefaultAction(TWinSkinForm& form, long child) {
  const int index = TitleBarButtonIndex(form, child);
  if (index < 0) return DISP_E_MEMBERNOTFOUND;
  const TWinSysButton& button = *form.SysButtons[std::size_t(index)];
  if (ButtonState(form, button, CaptionButtonKind(*button.SkinButton)) &
      (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE))
    return DISP_E_MEMBERNOTFOUND;
  // Posted: an action may open the system menu, which must not run inside
  // the caller's call.
  PostMessageW(form.Handle, WM_SKINCLICKBUTTON, WPARAM(index), 0);
  return S_OK;
}

}  // namespace skin
