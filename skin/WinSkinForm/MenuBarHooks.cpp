// TWinSkinForm: the call points of the skinned menu bar (WinSkinMenu.h).
#include "skin/WinSkinForm/WinSkinForm.h"

#include "skin/WinSkinForm/WinSkinMenu.h"
#include "skin/WinSkinForm/WindowDpi.h"
#include "ui/Form.h"

namespace skin {

namespace {

TMenuBtn* AsMenuItem(TNCObject* object) { return dynamic_cast<TMenuBtn*>(object); }

}  // namespace

void TWinSkinForm::CreateMenuBar() {
  FreeMenuBar();
  SkinMenu = new TWinSkinMenu(this);
  MenuBarHeight = SystemMetricForDpi(SM_CYMENU, Dpi);
  if (Form) SkinMenu->SetMenu(Form->Menu());
  SkinMenu->BuildItems();
}

void TWinSkinForm::FreeMenuBar() {
  if (!SkinMenu) return;
  TWinSkinMenu* menu = SkinMenu;
  SkinMenu = nullptr;
  menu->GiveMenuBack();
  delete menu;
}

void TWinSkinForm::RebuildMenuBar() {
  if (!SkinMenu) return;
  if (Form) SkinMenu->SetMenu(Form->Menu());
  SkinMenu->BuildItems();
  // The new items are laid out and shown with the next frame paint.
  if (SkinState == ssRunning) PaintFrame(nullptr);
}

void TWinSkinForm::PaintMenuBar(HDC dc, const RECT& rect) {
  if (SkinMenu) SkinMenu->PaintMenuBar(dc, rect);
}

TNCObject* TWinSkinForm::MenuBarItemAt(POINT framePoint) {
  return SkinMenu ? SkinMenu->ItemAt(framePoint) : nullptr;
}

TNCObject* TWinSkinForm::MenuBarAccelItem(WPARAM key) {
  return SkinMenu ? SkinMenu->FindAccelItem(key) : nullptr;
}

void TWinSkinForm::ClickMenuItem(TNCObject* item) {
  if (SkinMenu) SkinMenu->ClickMenuItem(AsMenuItem(item), true);
}

void TWinSkinForm::OpenMenuItem(TNCObject* item) {
  if (TMenuBtn* button = AsMenuItem(item); SkinMenu && button) SkinMenu->OpenMenuItem(button);
}

}  // namespace skin
