#include "skin/WinSkinForm/AccessibleMenuBar.h"

#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSkinForm/WinSkinMenu.h"
#include "ui/Menus.h"

namespace skin {

namespace {

RECT ToScreen(const RECT& frame, const RECT& window) {
  return RECT{window.left + frame.left, window.top + frame.top, window.left + frame.right, window.top + frame.bottom};
}

// "Alt+F" for "&File"; empty without an access key.
std::wstring AccessKey(const std::wstring& caption) {
  const wchar_t key = ui::GetHotkey(caption);
  if (!key) return {};
  wchar_t upper[2] = {key, 0};
  CharUpperW(upper);
  return std::wstring(L"Alt+") + upper[0];
}

// The caption as read: no accelerator marks, nothing after a tab.
std::wstring ItemName(const std::wstring& caption) {
  std::wstring name = ui::StripHotkey(caption);
  if (const std::size_t tab = name.find(L'\t'); tab != std::wstring::npos) name.resize(tab);
  return name;
}

long ItemState(const TMenuBtn& item) {
  long state = 0;
  if (!item.Enabled) state |= STATE_SYSTEM_UNAVAILABLE;
  if (item.State == ncsHot) state |= STATE_SYSTEM_HOTTRACKED;
  if (item.State == ncsPressed) state |= STATE_SYSTEM_PRESSED;
  if (item.SubMenu) state |= STATE_SYSTEM_HASPOPUP;
  return state;
}

TMenuBtn* Item(TWinSkinForm& form, long child) {
  if (!form.SkinMenu || child < 1 || child > long(form.SkinMenu->Items.size())) return nullptr;
  return form.SkinMenu->Items[std::size_t(child - 1)].get();
}

}  // namespace

long TAccessibleMenuBar::ChildCount(TWinSkinForm& form) {
  return form.SkinMenu ? long(form.SkinMenu->Items.size()) : 0;
}

TAccessElement TAccessibleMenuBar::Describe(TWinSkinForm& form, long child) {
  RECT window{};
  GetWindowRect(form.Handle, &window);
  TAccessElement element;
  if (child == CHILDID_SELF) {
    element.Name = L"菜单栏";
    element.Role = ROLE_SYSTEM_MENUBAR;
    if (form.SkinMenu) element.Screen = ToScreen(form.SkinMenu->BarRect, window);
    if (!form.Stage4Applies()) element.State = STATE_SYSTEM_INVISIBLE;
    return element;
  }
  const TMenuBtn* item = Item(form, child);
  if (!item) return element;
  element.Name = ItemName(item->Caption);
  element.KeyboardShortcut = AccessKey(item->Caption);
  element.DefaultAction = item->SubMenu ? L"打开" : L"执行";
  element.Role = ROLE_SYSTEM_MENUITEM;
  element.State = ItemState(*item) | (form.Stage4Applies() ? 0 : STATE_SYSTEM_INVISIBLE);
  element.Screen = ToScreen(item->Rect, window);
  return element;
}

HRESULT TAccessibleMenuBar::DoDefaultAction(TWinSkinForm& form, long child) {
  TMenuBtn* item = Item(form, child);
  if (!item || !item->Enabled || item->Caption.empty() || !form.Stage4Applies()) return DISP_E_MEMBERNOTFOUND;
  form.ClickMenuItem(item);  // posted: the menu opens once this call has returned
  return S_OK;
}

}  // namespace skin
