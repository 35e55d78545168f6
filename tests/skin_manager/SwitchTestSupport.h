// Two skins that differ in title height, border pixels and caption buttons,
// and the windows of every kind a switch between them must reach.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ManagerTestSupport.h"
#include "skin_frame/FrameTestSupport.h"

namespace switch_test {

using namespace manager_test;

// One skin: the test skin's borders with a top border `top` high whose
// pixels carry `tag` in their blue part, and one caption button of a single
// colour placed by Align/Xcoord.
struct TSwitchSkin {
  int Top = kTop;
  std::uint8_t Tag = 3;
  int Align = 1;  // 0: from the left edge, 1: from the right edge
  int Xcoord = 40;
  ui::TColor Colour = ui::RGBColor(200, 0, 0);

  static constexpr int kButtonWidth = 16;
  static constexpr int kButtonHeight = 14;
  static constexpr int kButtonTop = 4;

  std::string Definition() const {
    return BorderDefinition() + "[TitlebarSkin]\nSkinName=Tag " + std::to_string(Tag) +
           "\n[Button1]\nButtonImage=close.bmp\nAction=0\nAlign=" + std::to_string(Align) +
           "\nXcoord=" + std::to_string(Xcoord) + "\nYcoord=" + std::to_string(kButtonTop) +
           "\nframe=1\nVisibility=0\nVisibility1=0\n";
  }
  skin_test::Bytes Stored() const {
    skin_test::TFiles files = BorderFiles();
    files[2] = {"top.bmp", skin_test::BitmapFile(40, 2 * Top, Tag)};
    files.push_back({"close.bmp", frame_test::TFrameSkin::File(kButtonWidth, kButtonHeight,
                                                              [this](int, int) { return Colour; })});
    return skin_test::Stored(files, Definition());
  }
  // The button's centre in frame coordinates of a window `width` wide.
  POINT ButtonCentre(int width) const {
    const int left = Align == 0 ? Xcoord : width - Xcoord;
    return POINT{left + kButtonWidth / 2, kButtonTop + kButtonHeight / 2};
  }
};

inline const TSwitchSkin kSkinA{};
inline const TSwitchSkin kSkinB{24, 13, 0, 40, ui::RGBColor(0, 0, 220)};

// A modeless dialog of the system's dialog class "#32770".
inline HWND CreateTestDialog() {
  struct alignas(4) {
    DLGTEMPLATE head;
    WORD menu, windowClass, title;
  } dialog{};
  dialog.head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE;
  dialog.head.x = 60;
  dialog.head.y = 300;
  dialog.head.cx = 160;
  dialog.head.cy = 80;
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialog.head, nullptr,
                                    [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
}

inline void Activate(HWND wnd) {
  SetForegroundWindow(wnd);
  SetActiveWindow(wnd);
  PumpFor(60);
}

inline void PaintNow(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The blue part of the title bar's middle, where the top border's tag shows.
inline int TopTag(const frame_test::TPixels& pixels) {
  return ui::GetBValue(pixels.At(pixels.Width / 2, 1));
}

inline bool HasRegion(HWND wnd) {
  ui::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(wnd, region.Get()) != ERROR;
}

}  // namespace switch_test
