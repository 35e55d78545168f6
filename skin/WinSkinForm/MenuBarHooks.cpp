// TWinSkinForm: call points of the skinned menu bar. Until the menu bar is
// built, a window keeps its own menu (no skinned bar, MenuBarHeight 0).
#include "skin/WinSkinForm/WinSkinForm.h"

namespace skin {

void TWinSkinForm::CreateMenuBar() {}

void TWinSkinForm::FreeMenuBar() { SkinMenu = nullptr; }

void TWinSkinForm::RebuildMenuBar() {}

void TWinSkinForm::PaintMenuBar(HDC /*dc*/, const RECT& /*rect*/) {}

TNCObject* TWinSkinForm::MenuBarItemAt(POINT /*framePoint*/) { return nullptr; }

TNCObject* TWinSkinForm::MenuBarAccelItem(WPARAM /*key*/) { return nullptr; }

void TWinSkinForm::ClickMenuItem(TNCObject* /*item*/) {}

void TWinSkinForm::OpenMenuItem(TNCObject* /*item*/) {}

}  // namespace skin
