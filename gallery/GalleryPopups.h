// The gallery's popup menus, owned by the frame so that skinning the frame
// makes them owner-drawn: the main one (images, checked items with and
// without an image, a default item, shortcuts, separators, a sub-menu, an
// item with Tag 999 that keeps the plain look), a right-aligned one and one
// with Tag 99 that keeps the system look. A right click on the tool column
// opens the main one, on the status line the right-aligned one. The frame's
// main menu gets pictures from the same list.
#pragma once

#include <string>
#include <string_view>

#include "ui/Component.h"

namespace ui {
class TImageList;
class TMenuItem;
class TPopupMenu;
}  // namespace ui

namespace gallery {

class TGalleryMain;

class TGalleryPopups : public ui::TComponent {
 public:
  // Made by the frame before it is first shown.
  explicit TGalleryPopups(TGalleryMain* frame);
  std::string ClassName() const override { return "TGalleryPopups"; }

  ui::TImageList* ImageList1 = nullptr;
  ui::TPopupMenu* PopupMenu1 = nullptr;     // the main one
  ui::TPopupMenu* RightPopupMenu = nullptr;  // Alignment paRight
  ui::TPopupMenu* PlainPopupMenu = nullptr;  // Tag 99
  ui::TMenuItem* PlainItem = nullptr;        // Tag 999 in the main one

 private:
  void MakeImages();
  void MakeMainMenu();
  void MakeRightMenu();
  void MakePlainMenu();
  void GiveMainMenuImages();
  ui::TMenuItem* Add(ui::TMenuItem* parent, const wchar_t* caption, int image = -1, unsigned short shortCut = 0);
  void Chose(ui::TMenuItem* item);

  TGalleryMain* frame_;
};

}  // namespace gallery
