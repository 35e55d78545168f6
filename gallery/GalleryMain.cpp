#include "gallery/GalleryMain.h"

#include <vector>

#include "gallery/GalleryChild.h"
#include "gallery/GalleryCommands.h"
#include "gallery/GalleryDialog.h"
#include "gallery/GalleryMenu.h"
#include "gallery/GalleryPopups.h"
#include "gallery/GallerySkins.h"
#include "gallery/UnskinnedForm.h"
#include "ui/Dialogs.h"
#include "ui/FormScale.h"
#include "ui/StdCtrls.h"
#include "ui/TextConv.h"

namespace gallery {

namespace {

constexpr int kButtonHeight = 24;
constexpr int kButtonGap = 4;
constexpr RECT kForeignBounds{676, 290, 1016, 520};

}  // namespace

TGalleryMain::TGalleryMain(ui::TComponent* owner) : ui::TForm(owner) {
  RegisterGalleryClasses();
  BindField("ToolPanel", ToolPanel);
  BindField("StatusPanel", StatusPanel);
  BindField("SkinData1", SkinData1);
  InitializeForm();
  WireMainMenu(*this);
  skins_ = std::make_unique<TGallerySkins>(*this);
  AddToolButtons();
  // Before the frame is first shown: skinning it makes its popup menus owner-drawn.
  popups_ = new TGalleryPopups(this);
}

// The windows go first, while the handlers they call still have their form.
TGalleryMain::~TGalleryMain() {
  foreign_.reset();
  skins_.reset();
  DestroyComponents();
}

// One button per command, stacked down the tool column: a new command
// needs no layout work.
void TGalleryMain::AddToolButtons() {
  // Made here, not by the description: laid out at the form's DPI here too.
  const int gap = ui::ScaleValue(kButtonGap, Dpi()), height = ui::ScaleValue(kButtonHeight, Dpi());
  int top = gap;
  for (const TGalleryCommand& command : GalleryCommands()) {
    if (!command.Caption) continue;
    auto* button = new ui::TButton(this);
    button->SetParent(ToolPanel);
    button->SetCaption(ui::Utf8ToWide(command.Caption));
    button->SetBounds(gap, top, ToolPanel->Width() - 2 * gap, height);
    button->OnClick = [this, run = command.Run](ui::TObject*) { (this->*run)(); };
    top += height + gap;
  }
}

bool TGalleryMain::RunCommand(std::string_view name) {
  const TGalleryCommand* command = FindGalleryCommand(name);
  if (!command) return false;
  (this->*command->Run)();
  return true;
}

TGalleryChild* TGalleryMain::NewChild() { return new TGalleryChild(this, ++childNumber_); }

void TGalleryMain::OpenChild() { NewChild(); }

void TGalleryMain::OpenChildren() {
  NewChild();
  NewChild();
  TileChildren();
}

void TGalleryMain::NewMaximisedChild() {
  TGalleryChild* child = NewChild();
  SendMessageW(ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->Handle()), 0);
}

void TGalleryMain::CascadeChildren() { Cascade(); }

void TGalleryMain::TileChildren() { Tile(); }

void TGalleryMain::CloseChildren() {
  std::vector<ui::TForm*> children;
  for (int i = 0; i < MDIChildCount(); ++i) children.push_back(MDIChildren(i));
  for (ui::TForm* child : children) child->Close();  // each one is freed once its messages are done
}

void TGalleryMain::ShowDialog() {
  if (!dialog_) dialog_ = new TGalleryDialog(this);
  dialog_->Show();
  SetForegroundWindow(dialog_->Handle());
}

std::wstring TGalleryMain::MessageBoxText() {
  return ui::Utf8ToWide(
      "这是一个消息框：系统的标准对话框（#32770）也由皮肤引擎绘制。\n"
      "A message box: the system's standard dialog (#32770) is skinned too.");
}

std::wstring TGalleryMain::MessageBoxCaption() { return ui::Utf8ToWide("消息框 · Message box"); }

void TGalleryMain::ShowMessageBoxPage() {
  ui::ShowMessageBox(Handle(), MessageBoxText(), MessageBoxCaption(), MB_OK | MB_ICONINFORMATION);
}

void TGalleryMain::ShowForeignWindow() {
  if (!ForeignWindow()) foreign_ = std::make_unique<TForeignWindow>(kForeignBounds);
  foreign_->Show();
}

void TGalleryMain::ShowUnskinnedForm() {
  if (!unskinned_) unskinned_ = new TUnskinnedForm(this);
  unskinned_->Show();
  SetForegroundWindow(unskinned_->Handle());
}

}  // namespace gallery
