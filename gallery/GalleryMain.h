// The gallery's main window: an MDI frame with the skin data component
// (SkinData1, the training window's stored skin), a toolbar with one button
// per gallery command, and the MDI client below it where the children live.
// It opens the gallery's other windows and owns them.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "gallery/ForeignWindow.h"
#include "skin/WinSkinData/SkinData.h"
#include "ui/Form.h"
#include "ui/Panel.h"

namespace gallery {

class TGalleryChild;
class TGalleryDialog;
class TGalleryPopups;
class TGallerySkins;
class TUnskinnedForm;

class TGalleryMain : public ui::TForm {
 public:
  explicit TGalleryMain(ui::TComponent* owner);
  ~TGalleryMain() override;
  std::string ClassName() const override { return "TGalleryMain"; }

  ui::TPanel* ToolPanel = nullptr;
  ui::TPanel* StatusPanel = nullptr;
  skin::TSkinData* SkinData1 = nullptr;

  // The gallery commands (GalleryCommands.cpp lists them).
  void OpenChildren();  // two children side by side
  void OpenChild();
  void NewMaximisedChild();
  void CascadeChildren();
  void TileChildren();
  void CloseChildren();
  void ShowDialog();
  void ShowMessageBoxPage();  // modal: returns when the box is closed
  void ShowForeignWindow();
  void ShowUnskinnedForm();
  // Popup menus (GalleryPopups.cpp): the main one, the right-aligned one and
  // the Tag 99 one, opened inside the frame.
  void ShowPopupMenu();
  void ShowRightPopupMenu();
  void ShowPlainPopupMenu();
  TGalleryPopups* Popups() const { return popups_; }
  // The Skin menu and everything it does (GallerySkins.cpp).
  TGallerySkins& Skins() const { return *skins_; }
  // Runs the command of this name; false when there is none.
  bool RunCommand(std::string_view name);

  // A page of controls: a form of class Page owned by the frame, made at its
  // first showing and shown in front at every further one. A new page needs
  // only its class and one command entry (&TGalleryMain::ShowPage<TPage>).
  template <class Page>
  void ShowPage() {
    Page* page = FindPage<Page>();
    if (!page) page = new Page(this);
    page->Show();
    SetForegroundWindow(page->Handle());
  }
  template <class Page>
  Page* FindPage() const {
    for (int i = 0; i < ComponentCount(); ++i)
      if (auto* page = dynamic_cast<Page*>(Components(i))) return page;
    return nullptr;
  }

  // The gallery's other windows, null while not made (or closed, for the
  // foreign window).
  TGalleryDialog* Dialog() const { return dialog_; }
  TUnskinnedForm* Unskinned() const { return unskinned_; }
  HWND ForeignWindow() const { return foreign_ ? foreign_->Handle() : nullptr; }

  TGalleryChild* NewChild();

  // The message box's texts.
  static std::wstring MessageBoxText();
  static std::wstring MessageBoxCaption();

 private:
  void AddToolButtons();

  TGalleryDialog* dialog_ = nullptr;     // owned as a component; hides when closed
  TUnskinnedForm* unskinned_ = nullptr;  // the same
  TGalleryPopups* popups_ = nullptr;     // owned as a component
  std::unique_ptr<TForeignWindow> foreign_;
  std::unique_ptr<TGallerySkins> skins_;
  int childNumber_ = 0;  // of the last child made
};

}  // namespace gallery
