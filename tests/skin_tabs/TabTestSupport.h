// Skinned tab controls on real windows: a test skin whose tab frames and page
// border tell their parts apart by colour, and where to look for them.
//
// Each tab frame is two-coloured: its upper half (the side away from the
// page) has the frame's "outer" colour, its lower half the "inner" one. So a
// tab drawn in any orientation shows the outer colour on the control's edge
// side only when the image was mirrored or turned the right way. The page
// border has a colour per edge; its top edge (the tabs' side) is kBorderTabs.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "skin/WinSubClass/SkinTab.h"
#include "skin_controls/ControlTestSupport.h"

namespace tab_test {

using control_test::kFace;
using control_test::TShot;
using ui::RGBColor;
using ui::TColor;

constexpr int kTabFrameWidth = 24;
constexpr int kTabFrameHeight = 20;
// Frames 1 to 5 of the Tabs image.
constexpr TColor kTabOuter[6] = {0, RGBColor(200, 0, 0), RGBColor(0, 200, 0), RGBColor(0, 0, 200),
                                 RGBColor(200, 200, 200), RGBColor(90, 90, 90)};
constexpr TColor kTabInner[6] = {0, RGBColor(120, 0, 0), RGBColor(0, 120, 0), RGBColor(0, 0, 120),
                                 RGBColor(150, 150, 150), RGBColor(40, 40, 40)};
constexpr TColor kTextNormal = RGBColor(255, 255, 255);  // NormalColour2
constexpr TColor kTextFocus = RGBColor(255, 255, 0);     // MouseOverColour2

// The page border image: 30 x 30, top rows 0-4, bottom rows 26-29, left and
// right columns 0-3 and 26-29 between them.
constexpr int kBorderSize = 30;
constexpr TColor kBorderTabs = RGBColor(0, 0, 230);      // top edge: the tabs' side
constexpr TColor kBorderFar = RGBColor(0, 230, 230);     // bottom edge
constexpr TColor kBorderLeft = RGBColor(230, 230, 0);    // left edge
constexpr TColor kBorderRight = RGBColor(230, 0, 160);   // right edge
constexpr TColor kBorderCentre = RGBColor(60, 60, 60);   // never drawn

inline skin_test::Bytes Save(const ui::TBitmap& bitmap) { return skin_test::BitmapBytes(bitmap); }

// The Tabs image; `shift` moves every frame's colours to a later frame (a
// second skin for the re-skin test).
inline skin_test::Bytes TabsFile(int shift = 0) {
  ui::TBitmap bitmap;
  bitmap.SetSize(5 * kTabFrameWidth, kTabFrameHeight);
  for (int y = 0; y < kTabFrameHeight; ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const int frame = 1 + x / kTabFrameWidth;
      const int f = 1 + (frame - 1 + shift) % 5;
      bitmap.SetPixel(x, y, y < kTabFrameHeight / 2 ? kTabOuter[f] : kTabInner[f]);
    }
  return Save(bitmap);
}

inline skin_test::Bytes BorderFile() {
  ui::TBitmap bitmap;
  bitmap.SetSize(kBorderSize, kBorderSize);
  for (int y = 0; y < kBorderSize; ++y)
    for (int x = 0; x < kBorderSize; ++x) {
      TColor c = kBorderCentre;
      if (y < 5) c = kBorderTabs;
      else if (y >= kBorderSize - 4) c = kBorderFar;
      else if (x < 4) c = kBorderLeft;
      else if (x >= kBorderSize - 4) c = kBorderRight;
      bitmap.SetPixel(x, y, c);
    }
  return Save(bitmap);
}

inline std::string TabsSection(const std::string& extra = "") {
  return "[Tabs]\nImage=tabs.bmp\nBorder=border.bmp\nLeftWidth=0\nTopHeight=0\nRightWidth=0\nBottomHeight=0\n"
         "NormalColour2=255 255 255\nMouseOverColour2=255 255 0\n" +
         extra;
}

inline std::unique_ptr<skin::TSkinData> MakeTabSkin(const std::string& tabs = TabsSection(), int shift = 0) {
  auto data = std::make_unique<skin::TSkinData>(nullptr);
  skin_test::TFiles files = control_test::ControlFiles();
  files.push_back({"tabs.bmp", TabsFile(shift)});
  files.push_back({"border.bmp", BorderFile()});
  skin_test::LoadDefinition(*data, control_test::ControlDefinition() + tabs, files);
  data->SkinControls = control_test::ControlsOnly();
  return data;
}

// The control's display area (client coordinates, which are the window's:
// tab controls have no non-client border here).
inline RECT DisplayRect(HWND tab) {
  RECT r{};
  GetClientRect(tab, &r);
  SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

inline RECT ItemRect(HWND tab, int index) {
  RECT r{};
  SendMessageW(tab, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

// The colours a drawn tab shows on its outer side (towards the control's
// edge) and on its inner side (towards the page), sampled near the tab's
// start, away from the caption. `style` gives the side.
struct TTabLook {
  TColor Outer;
  TColor Inner;
};
inline TTabLook LookOfTab(const TShot& shot, HWND tab, int index) {
  const RECT t = ItemRect(tab, index);
  const int w = t.right - t.left, h = t.bottom - t.top;
  switch (skin::TabOrientation(DWORD(GetWindowLongPtrW(tab, GWL_STYLE)))) {
    case skin::toBottom:  // drawn one pixel up; outer side at the bottom
      return {shot.At(t.left + 2, t.bottom - 1 - h / 4), shot.At(t.left + 2, t.top - 1 + h / 4)};
    case skin::toLeft:
      return {shot.At(t.left + w / 4, t.top + 3), shot.At(t.right - 1 - w / 4, t.top + 3)};
    case skin::toRight:  // drawn one pixel up; outer side at the right
      return {shot.At(t.right - 1 - w / 4, t.top + 2), shot.At(t.left + w / 4, t.top + 2)};
    default:  // drawn one pixel down
      return {shot.At(t.left + 2, t.top + 1 + h / 4), shot.At(t.left + 2, t.bottom + 1 - h / 4)};
  }
}

// The system's tab and up-down classes, ready for use.
inline void InitTabClasses() {
  INITCOMMONCONTROLSEX icc{};
  icc.dwSize = sizeof(icc);
  icc.dwICC = ICC_TAB_CLASSES | ICC_UPDOWN_CLASS;
  InitCommonControlsEx(&icc);
}

// A tab control child of `parent` (a bare "SysTabControl32" window) with
// `count` tabs "Tab 1".."Tab n", the sharp font, and tab 0 selected.
inline HWND NewTabControl(HWND parent, DWORD style, RECT bounds, int count, int id = 10) {
  InitTabClasses();
  const HWND tab = control_test::Child(parent, WC_TABCONTROLW, L"", style, bounds, id);
  for (int i = 0; i < count; ++i) {
    std::wstring text = L"Tab " + std::to_wstring(i + 1);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tab, TCM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(tab, TCM_SETCURSEL, 0, 0);
  return tab;
}

// The control tests' fixture with the tab skin.
class TabTest : public control_test::ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    data_ = MakeTabSkin();
  }
  skin::TSkinTab* TabCompanion(HWND wnd) const { return dynamic_cast<skin::TSkinTab*>(CompanionOf(wnd)); }
  // Repaints `wnd` now, its children too.
  static void Paint(HWND wnd) {
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    form_test::Pump();
  }
};

}  // namespace tab_test
