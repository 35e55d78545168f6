#include "gallery/GalleryPopups.h"

#include "gallery/GalleryMain.h"
#include "ui/ImgList.h"
#include "ui/Menus.h"

namespace gallery {

namespace {

constexpr ui::TColor kMask = ui::clFuchsia;

// The 16 x 16 pictures of the menus, drawn here: an open folder, a disk, a
// bold "B", a window and a printer (on the mask colour, which the list leaves
// out).
void DrawPicture(ui::TBitmap& bitmap, int index) {
  bitmap.SetSize(16, 16);
  bitmap.Fill(kMask);
  ui::TCanvas& canvas = bitmap.Canvas();
  switch (index) {
    case 0:  // folder
      canvas.FillRect(RECT{1, 3, 7, 5}, ui::RGBColor(200, 150, 30));
      canvas.FillRect(RECT{1, 5, 15, 14}, ui::RGBColor(235, 190, 60));
      canvas.FillRect(RECT{3, 7, 15, 14}, ui::RGBColor(250, 215, 100));
      break;
    case 1:  // disk
      canvas.FillRect(RECT{2, 2, 14, 14}, ui::RGBColor(40, 80, 170));
      canvas.FillRect(RECT{4, 2, 12, 7}, ui::RGBColor(235, 235, 235));
      canvas.FillRect(RECT{5, 10, 11, 14}, ui::RGBColor(20, 40, 90));
      break;
    case 3:  // window
      canvas.FillRect(RECT{1, 2, 15, 14}, ui::RGBColor(60, 60, 70));
      canvas.FillRect(RECT{2, 3, 14, 5}, ui::RGBColor(180, 40, 50));
      canvas.FillRect(RECT{2, 5, 14, 13}, ui::RGBColor(245, 245, 240));
      break;
    case 4:  // printer
      canvas.FillRect(RECT{4, 1, 12, 6}, ui::RGBColor(250, 250, 250));
      canvas.FillRect(RECT{1, 6, 15, 12}, ui::RGBColor(110, 110, 120));
      canvas.FillRect(RECT{4, 10, 12, 15}, ui::RGBColor(250, 250, 250));
      canvas.FillRect(RECT{12, 7, 14, 8}, ui::RGBColor(60, 200, 60));
      break;
    default:  // bold
      canvas.FillRect(RECT{4, 2, 7, 14}, ui::RGBColor(30, 30, 30));
      canvas.FillRect(RECT{7, 2, 11, 4}, ui::RGBColor(30, 30, 30));
      canvas.FillRect(RECT{7, 7, 11, 9}, ui::RGBColor(30, 30, 30));
      canvas.FillRect(RECT{7, 12, 12, 14}, ui::RGBColor(30, 30, 30));
      canvas.FillRect(RECT{10, 3, 12, 7}, ui::RGBColor(30, 30, 30));
      canvas.FillRect(RECT{11, 8, 13, 13}, ui::RGBColor(30, 30, 30));
      break;
  }
}

}  // namespace

TGalleryPopups::TGalleryPopups(TGalleryMain* frame) : ui::TComponent(frame), frame_(frame) {
  MakeImages();
  MakeMainMenu();
  MakeRightMenu();
  MakePlainMenu();
  if (frame_->ToolPanel) frame_->ToolPanel->SetPopupMenu(PopupMenu1);
  if (frame_->StatusPanel) frame_->StatusPanel->SetPopupMenu(RightPopupMenu);
  GiveMainMenuImages();
}

// The frame's main menu shows pictures too (the print item's greyed).
void TGalleryPopups::GiveMainMenuImages() {
  ui::TMainMenu* menu = frame_->Menu();
  if (!menu) return;
  menu->SetImages(ImageList1);
  const auto picture = [this](std::string_view name, int index) {
    if (auto* item = dynamic_cast<ui::TMenuItem*>(frame_->FindComponent(name))) item->SetImageIndex(index);
  };
  picture("NewChildItem", 3);
  picture("MaximisedChildItem", 3);
  picture("DialogItem", 0);
  picture("PrintItem", 4);
}

void TGalleryPopups::MakeImages() {
  ImageList1 = new ui::TImageList(frame_);
  ImageList1->SetSize(16, 16);
  for (int i = 0; i < 5; ++i) {
    ui::TBitmap picture;
    DrawPicture(picture, i);
    ImageList1->Add(picture, kMask);
  }
}

ui::TMenuItem* TGalleryPopups::Add(ui::TMenuItem* parent, const wchar_t* caption, int image, unsigned short shortCut) {
  auto* item = new ui::TMenuItem(frame_);
  item->SetCaption(caption);
  item->SetImageIndex(image);
  item->SetShortCut(shortCut);
  if (!item->IsLine()) item->OnClick = [this](ui::TObject* sender) { Chose(dynamic_cast<ui::TMenuItem*>(sender)); };
  parent->Add(item);
  return item;
}

void TGalleryPopups::MakeMainMenu() {
  PopupMenu1 = new ui::TPopupMenu(frame_);
  PopupMenu1->SetImages(ImageList1);
  ui::TMenuItem* root = PopupMenu1->Items();
  Add(root, L"打开 &Open", 0, ui::scCtrl | 'O')->SetDefault(true);
  Add(root, L"保存 &Save", 1, ui::scCtrl | 'S');
  Add(root, L"-");
  ui::TMenuItem* bold = Add(root, L"粗体 &Bold", 2, ui::scCtrl | 'B');
  bold->SetChecked(true);
  Add(root, L"自动换行 &Word wrap")->SetChecked(true);
  Add(root, L"只读 &Read-only")->SetEnabled(false);
  Add(root, L"-");
  ui::TMenuItem* zoom = Add(root, L"缩放 &Zoom");
  Add(zoom, L"放大 Zoom &in", -1, ui::scCtrl | VK_UP);
  Add(zoom, L"缩小 Zoom &out", -1, ui::scCtrl | VK_DOWN);
  Add(zoom, L"-");
  Add(zoom, L"原始大小 &Actual size", -1, ui::scCtrl | '0');
  PlainItem = Add(root, L"系统外观 Plain item (Tag 999)");
  PlainItem->Tag = 999;
  Add(root, L"-");
  Add(root, L"右对齐菜单 Right-aligned menu…")->OnClick = [this](ui::TObject*) { frame_->ShowRightPopupMenu(); };
  Add(root, L"不换肤菜单 Plain menu (Tag 99)…")->OnClick = [this](ui::TObject*) { frame_->ShowPlainPopupMenu(); };
}

void TGalleryPopups::MakeRightMenu() {
  RightPopupMenu = new ui::TPopupMenu(frame_);
  RightPopupMenu->Alignment = ui::paRight;
  ui::TMenuItem* root = RightPopupMenu->Items();
  Add(root, L"剪切 Cu&t", -1, ui::scCtrl | 'X');
  Add(root, L"复制 &Copy", -1, ui::scCtrl | 'C');
  Add(root, L"粘贴 &Paste", -1, ui::scCtrl | 'V');
  Add(root, L"-");
  Add(root, L"全选 Select &all", -1, ui::scCtrl | 'A');
}

void TGalleryPopups::MakePlainMenu() {
  PlainPopupMenu = new ui::TPopupMenu(frame_);
  PlainPopupMenu->Tag = 99;
  ui::TMenuItem* root = PlainPopupMenu->Items();
  Add(root, L"一 One");
  Add(root, L"二 Two");
  Add(root, L"-");
  Add(root, L"三 Three");
}

void TGalleryPopups::Chose(ui::TMenuItem* item) {
  if (!item || !frame_->StatusPanel) return;
  frame_->StatusPanel->SetCaption(L"   菜单 Menu: " + ui::StripHotkey(item->Caption()));
}

// --- The frame's popup commands ----------------------------------------------

namespace {

// Where the gallery opens its popups: inside the frame, right of the tool column.
POINT PopupPlace(const TGalleryMain& frame, int dx, int dy) {
  RECT r{};
  GetWindowRect(const_cast<TGalleryMain&>(frame).Handle(), &r);
  return POINT{r.left + dx, r.top + dy};
}

}  // namespace

void TGalleryMain::ShowPopupMenu() {
  if (!popups_) return;
  const POINT at = PopupPlace(*this, 200, 90);
  popups_->PopupMenu1->Popup(at.x, at.y);
}

void TGalleryMain::ShowRightPopupMenu() {
  if (!popups_) return;
  const POINT at = PopupPlace(*this, 560, 90);
  popups_->RightPopupMenu->Popup(at.x, at.y);
}

void TGalleryMain::ShowPlainPopupMenu() {
  if (!popups_) return;
  const POINT at = PopupPlace(*this, 380, 90);
  popups_->PlainPopupMenu->Popup(at.x, at.y);
}

}  // namespace gallery
