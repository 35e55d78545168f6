// TSkinTab: a tab control (page and tab controls of the framework, bare
// "systabcontrol32" windows) painted from the skin's Tabs object. The control
// paints itself first; the companion then paints the tab strip and the page
// frame over it through the window DC.
//
// Tabs: frame 1 of the Tabs image for every tab, frame 2 for the tab with the
// focus; captions in NormalColour2 and MouseOverColour2. The page frame is the
// object's second image drawn as a border around the display area (its inside
// is left to the pages).
//
// One skin serves all four sides: the strip is composed lying flat with the
// page below it, in Buffer, then turned into place; for tabs at the bottom the
// tab and border images are mirrored, for tabs at a side the border image is
// rotated (PrepareImages).
//
// The system's scroll arrows (an "msctls_updown32" child, shown when the tabs
// do not fit on one row) are clipped out of the strip and have a companion of
// their own.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "skin/WinSubClass/SkinControl.h"
#include "skin/WinSubClass/SkinTabGeometry.h"
#include "ui/Graphics.h"

namespace skin {

class TSkinUpDown;

class TSkinTab : public TSkinControl {
 public:
  explicit TSkinTab(TWinSkinForm* owner);
  ~TSkinTab() override;
  std::string ClassName() const override { return "TSkinTab"; }

  bool AttachWindow(HWND wnd, TSkinSet* skinData, ui::TCanvas* canvas) override;
  // The scroll arrows' companion goes with the tab's.
  void Detach() override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  // A new skin: its images are taken again.
  void Reskin() override;

  // Orientation from the style, and the images for it.
  void PrepareImages();
  // Looks for the scroll arrows; gives them a companion once. True when they
  // are visible.
  bool FindTabUpDown();
  // An icon and a caption centred together in `r`.
  void DrawTabCaption(HDC dc, const RECT& r, const std::wstring& text, int imageIndex, HIMAGELIST images) const;

  TTabOrientation Orientation = toTop;
  ui::TBitmap TabImage;     // Tabs' image, mirrored for tabs at the bottom
  ui::TBitmap BorderImage;  // its second image, mirrored or turned with the tabs
  ui::TBitmap Buffer;       // the strip, composed lying flat
  TSkinUpDown* UpDown = nullptr;  // the scroll arrows' companion, once made

 protected:
  void Notification(ui::TComponent* component, ui::TOperation operation) override;

 private:
  // The strip into Buffer, turned into place.
  void ComposeStrip(const RECT& rect, const RECT& page, const RECT& strip);
  void DrawTab(int index, const RECT& rect, const RECT& page, SIZE size, int current, HIMAGELIST images);
  // Buffer and the page frame onto `dc` in one blit, clipped to the strip
  // and the frame ring, without the scroll arrows.
  void PutOnWindow(HDC dc, const RECT& rect, const RECT& page, const RECT& strip, bool withBorder);
};

}  // namespace skin
