// The skinned menu bar on real windows: a small skin with a menu-bar image of
// solid frames, a window with a four-item menu that records its WM_COMMAND,
// and scripts that act inside the system's modal menu loop from a thread
// timer (which fires there) and record which bar item is open.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSkinForm/WinSkinMenu.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin_buttons/ButtonTestSupport.h"
#include "support/MenuScript.h"

namespace menu_test {

using button_test::Centre;
using button_test::FramePixel;
using button_test::FrameToScreen;
using button_test::PointParam;
using button_test::Pump;
using button_test::PumpFor;
using button_test::PumpUntil;
using ui::RGBColor;
using ui::TColor;

constexpr TColor kBarActive = RGBColor(200, 180, 160);
constexpr TColor kBarInactive = RGBColor(100, 90, 80);
constexpr TColor kBarText = RGBColor(0, 0, 255);
constexpr TColor kShadow = RGBColor(255, 0, 0);
constexpr TColor kHilight = RGBColor(0, 255, 0);
constexpr int kBarLeftWidth = 8;  // TileLeftMenu

// The caption-button test skin with a menu bar: two stacked solid frames.
inline std::string MenuSkinDefinition(bool withBar = true, int leftWidth = kBarLeftWidth, int rightWidth = 4,
                                      int tile = 0) {
  std::string d = button_test::ButtonDefinition();
  if (withBar)
    d.replace(0, 14, "[Personality]\nmenuBar=menubar.bmp\nTileMenu=" + std::to_string(tile) +
                         "\nTileLeftMenu=" + std::to_string(leftWidth) + "\nTileRightMenu=" + std::to_string(rightWidth) +
                         "\n");
  return d + "[Colours]\nButtonFace=10 20 30\nMenubar=50 60 70\nMenuBarText=0 0 255\nButtonShadow=255 0 0\n"
             "ButtonHilight=0 255 0\n";
}

inline skin_test::TFiles MenuSkinFiles() {
  skin_test::TFiles files = button_test::ButtonFiles();
  files.push_back({"menubar.bmp", skin_test::PaintedFile(40, 40, [](int, int y) { return y < 20 ? kBarActive : kBarInactive; })});
  return files;
}

// WM_COMMAND identifiers that reached the window's own procedure.
inline std::vector<UINT>& Commands() {
  static std::vector<UINT> commands;
  return commands;
}

inline LRESULT CALLBACK CommandProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) Commands().push_back(LOWORD(wParam));
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

// File (Open, Recent > (One, Two), -, Exit), Edit (Undo), View (disabled:
// Grid), Help (About).
constexpr UINT kFileCommand = 10, kEditCommand = 20, kViewCommand = 30;

struct TTestMenu {
  HMENU Bar = CreateMenu();
  HMENU File = CreatePopupMenu();
  HMENU Recent = CreatePopupMenu();
  HMENU Edit = CreatePopupMenu();
  HMENU View = CreatePopupMenu();
  HMENU Help = CreatePopupMenu();

  TTestMenu() {
    AppendMenuW(File, MF_STRING, 101, L"&Open");
    AppendMenuW(Recent, MF_STRING, 111, L"One");
    AppendMenuW(Recent, MF_STRING, 112, L"Two");
    AppendMenuW(File, MF_POPUP, UINT_PTR(Recent), L"&Recent");
    AppendMenuW(File, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(File, MF_STRING, 102, L"E&xit");
    AppendMenuW(Edit, MF_STRING, 201, L"&Undo");
    AppendMenuW(View, MF_STRING, 301, L"&Grid");
    AppendMenuW(Help, MF_STRING, 401, L"&About");
    AddPopup(File, kFileCommand, L"&File", 0);
    AddPopup(Edit, kEditCommand, L"&Edit", 0);
    AddPopup(View, kViewCommand, L"&View", MFS_GRAYED);
    // Help's identifier is its popup's handle, as AppendMenu gives it: no command of its own.
    AppendMenuW(Bar, MF_POPUP, UINT_PTR(Help), L"&Help");
  }

  // A bar item with a command identifier of its own, as the class library makes them.
  void AddPopup(HMENU popup, UINT command, const wchar_t* text, UINT state) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_STATE;
    info.wID = command;
    info.hSubMenu = popup;
    info.dwTypeData = const_cast<wchar_t*>(text);
    info.fState = state;
    InsertMenuItemW(Bar, UINT(GetMenuItemCount(Bar)), TRUE, &info);
  }
};

using test_support::MenuWindow;
using test_support::PostKey;
using test_support::TMenuScript;

// The pixels of `area` of the window (frame coordinates), row by row.
inline std::vector<TColor> FrameArea(HWND wnd, const RECT& area) {
  const int w = area.right - area.left, h = area.bottom - area.top;
  ui::TBitmap pixels;
  pixels.SetPixelFormat(ui::TPixelFormat::pf32bit);
  pixels.SetSize(w, h);
  HDC dc = GetWindowDC(wnd);
  BitBlt(pixels.Canvas().Handle(), 0, 0, w, h, dc, area.left, area.top, SRCCOPY);
  ReleaseDC(wnd, dc);
  GdiFlush();
  std::vector<TColor> shown;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) shown.push_back(pixels.Pixel(x, y));
  return shown;
}

// Whether some pixel of `area` is close to `colour` (text is smoothed).
inline bool ShowsColour(HWND wnd, const RECT& area, TColor colour) {
  for (const TColor c : FrameArea(wnd, area))
    if (std::abs(ui::GetRValue(c) - ui::GetRValue(colour)) < 60 &&
        std::abs(ui::GetGValue(c) - ui::GetGValue(colour)) < 60 &&
        std::abs(ui::GetBValue(c) - ui::GetBValue(colour)) < 60)
      return true;
  return false;
}

// A shown, active window with the test menu and a started companion.
class MenuBarTest : public ::testing::Test {
 protected:
  void SetUp() override { Commands().clear(); }

  void TearDown() override {
    if (form_) form_->Detach();
    form_.reset();
    if (IsWindow(wnd_)) DestroyWindow(wnd_);
    data_.reset();
    skin::FreeSkinManage();
  }

  void Start(bool withBar = true, int width = 420) { Start(MenuSkinDefinition(withBar), width); }
  void Start(const std::string& definition, int width = 420) {
    data_ = button_test::MakeButtonSkin(definition, MenuSkinFiles());
    wnd_ = CreateWindowExW(0, button_test::RegisterOnce(L"TavrinMenuBarTestWindow", CommandProc), L"menus",
                           WS_OVERLAPPEDWINDOW, 100, 100, width, 300, nullptr, menu_.Bar, GetModuleHandleW(nullptr),
                           nullptr);
    ShowWindow(wnd_, SW_SHOWNORMAL);
    SetForegroundWindow(wnd_);
    Pump();
    form_ = std::make_unique<skin::TWinSkinForm>(nullptr);
    form_->Handle = wnd_;
    form_->AttachHandle(data_.get());
    SendMessageW(wnd_, skin::WM_SKINSTART, 0, 1000);
    Pump();
    button_test::Activate(wnd_, *form_);
    Repaint();
  }

  void Repaint() {
    SendMessageW(wnd_, skin::WM_SKINNCREDRAW, 0, 0);
    Pump();
  }

  skin::TWinSkinMenu& Bar() { return *form_->SkinMenu; }
  skin::TMenuBtn& Item(int i) { return *Bar().Items.at(std::size_t(i)); }
  // The bar item whose popup is tracked now, -1 when none.
  int OpenIndex() const {
    if (!form_->MenuTracking || !form_->SkinMenu) return -1;
    for (const auto& item : form_->SkinMenu->Items)
      if (item->SubMenu == form_->TrackedMenu) return item->Index;
    return -1;
  }
  // The position of the highlighted entry of the open popup, -1 when none.
  int SelectedPosition() const {
    if (!form_->MenuTracking) return -1;
    const int count = GetMenuItemCount(form_->TrackedMenu);
    for (int i = 0; i < count; ++i)
      if (GetMenuState(form_->TrackedMenu, UINT(i), MF_BYPOSITION) & MF_HILITE) return i;
    return -1;
  }
  TMenuScript::TStep Record() {
    return [this] {
      opened_.push_back(OpenIndex());
      selected_.push_back(SelectedPosition());
    };
  }
  bool RunScript(std::vector<TMenuScript::TStep> steps, const std::function<void()>& start) {
    TMenuScript script(std::move(steps));
    return script.Run(start, [this] { return form_->MenuTracking; });
  }

  skin::TScratchBitmapOwner scratch_;
  TTestMenu menu_;
  std::unique_ptr<skin::TSkinData> data_;
  HWND wnd_ = nullptr;
  std::unique_ptr<skin::TWinSkinForm> form_;
  std::vector<int> opened_;
  std::vector<int> selected_;  // SelectedPosition at each Record
};

}  // namespace menu_test
