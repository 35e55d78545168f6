// The gallery frame's main menu (MainMenu1 in its form description): the
// gallery commands again, check items that show and hide the frame's panels,
// a default item, disabled items, separators, shortcuts and a three-level
// sub-menu, in Chinese and English.
#pragma once

namespace gallery {

class TGalleryMain;

// Gives the menu's items their actions (after the form has been read).
void WireMainMenu(TGalleryMain& main);

}  // namespace gallery
