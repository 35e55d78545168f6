#include "gallery/GalleryMenu.h"

#include "gallery/GalleryMain.h"
#include "ui/Dialogs.h"
#include "ui/Menus.h"

namespace gallery {

namespace {

ui::TMenuItem* Item(TGalleryMain& main, const char* name) {
  return dynamic_cast<ui::TMenuItem*>(main.FindComponent(name));
}

void OnClick(TGalleryMain& main, const char* name, void (TGalleryMain::*action)()) {
  if (ui::TMenuItem* item = Item(main, name)) item->OnClick = [&main, action](ui::TObject*) { (main.*action)(); };
}

// A check item that shows and hides a panel of the frame.
void TogglesPanel(TGalleryMain& main, const char* name, ui::TPanel* panel) {
  ui::TMenuItem* item = Item(main, name);
  if (!item || !panel) return;
  item->OnClick = [item, panel](ui::TObject*) {
    item->SetChecked(!item->Checked());
    panel->SetVisible(item->Checked());
  };
}

void ShowAbout(TGalleryMain& main) {
  ui::ShowMessageBox(&main,
                     "Tavrin 皮肤展示：每一种控件和窗口，都由皮肤引擎绘制。\r\n\r\n"
                     "The skin gallery: every kind of control and window, drawn by the skin engine.",
                     "关于 · About", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void WireMainMenu(TGalleryMain& main) {
  OnClick(main, "NewChildItem", &TGalleryMain::OpenChild);
  OnClick(main, "MaximisedChildItem", &TGalleryMain::NewMaximisedChild);
  OnClick(main, "DialogItem", &TGalleryMain::ShowDialog);
  OnClick(main, "MessageBoxItem", &TGalleryMain::ShowMessageBoxPage);
  OnClick(main, "CascadeItem", &TGalleryMain::CascadeChildren);
  OnClick(main, "TileItem", &TGalleryMain::TileChildren);
  OnClick(main, "CloseChildrenItem", &TGalleryMain::CloseChildren);
  OnClick(main, "ForeignItem", &TGalleryMain::ShowForeignWindow);
  OnClick(main, "UnskinnedItem", &TGalleryMain::ShowUnskinnedForm);
  if (ui::TMenuItem* item = Item(main, "ExitItem")) item->OnClick = [&main](ui::TObject*) { main.Close(); };
  if (ui::TMenuItem* item = Item(main, "AboutItem")) item->OnClick = [&main](ui::TObject*) { ShowAbout(main); };
  TogglesPanel(main, "ToolColumnItem", main.ToolPanel);
  TogglesPanel(main, "StatusBarItem", main.StatusPanel);
}

}  // namespace gallery
