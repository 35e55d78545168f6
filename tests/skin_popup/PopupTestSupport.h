// Popup menus on a skinned window, with a test skin whose menu images tell by
// their colours where a pixel comes from, and a look inside the modal menu
// loop (a thread timer fires there).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/popup_menu/WinSkinPopMenu.h"
#include "skin_frame/FrameTestSupport.h"
#include "ui/Application.h"

namespace popup_test {

using form_test::Pump;
using form_test::PumpFor;
using form_test::TTestWindow;
using frame_test::TPixels;
using frame_test::WindowPixels;
using ui::RGBColor;
using ui::TColor;

constexpr TColor kKey = ui::clFuchsia;

// The menu background image: 20 x 20, margins 3; every part one colour.
constexpr TColor kBackCorner = RGBColor(200, 0, 0);
constexpr TColor kBackTop = RGBColor(0, 200, 0);
constexpr TColor kBackBottom = RGBColor(0, 0, 200);
constexpr TColor kBackLeft = RGBColor(200, 200, 0);
constexpr TColor kBackRight = RGBColor(0, 200, 200);
constexpr TColor kBackCentre = RGBColor(90, 60, 30);

// The menu item image: 5 frames of 20 x 16, margins 4, 3, 4, 3; column 0 of
// every frame is the key colour (the popup background shows there).
constexpr int kItemFrameWidth = 20;
constexpr int kItemHeight = 16;
constexpr TColor kItemFrame[6] = {0, RGBColor(10, 110, 10), RGBColor(110, 10, 10), RGBColor(10, 10, 110),
                                  RGBColor(110, 110, 10), RGBColor(10, 110, 110)};

constexpr TColor kMenuColour = RGBColor(250, 240, 230);
constexpr TColor kMenuText = RGBColor(1, 2, 3);
constexpr TColor kHilightText = RGBColor(255, 255, 254);
constexpr TColor kHilight = RGBColor(20, 40, 160);
constexpr TColor kFace = RGBColor(10, 20, 30);
constexpr TColor kShadow = RGBColor(128, 129, 130);

inline TColor BackgroundPart(int x, int y, int w, int h) {
  const bool left = x < 3, right = x >= w - 3, top = y < 3, bottom = y >= h - 3;
  if ((left || right) && (top || bottom)) return kBackCorner;
  if (top) return kBackTop;
  if (bottom) return kBackBottom;
  if (left) return kBackLeft;
  if (right) return kBackRight;
  return kBackCentre;
}

struct TPopupSkin {
  bool Background = true;
  bool Item = true;

  std::string Definition() const {
    std::string d = form_test::BorderDefinition();
    d = d.substr(0, d.find("[Colours]"));
    if (Item) d += "[MenuItem]\nImage=menuitem.bmp\nLeftWidth=4\nTopHeight=3\nRightWidth=4\nBottomHeight=3\nTrans=1\n";
    if (Background)
      d += "[MenuBackground]\nImage=menuback.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\nBottomHeight=3\n";
    return d + "[Colours]\nButtonFace=10 20 30\nMenu=250 240 230\nMenuText=1 2 3\nHilightText=255 255 254\n"
               "Hilight=20 40 160\nButtonShadow=128 129 130\n";
  }

  skin_test::TFiles Files() const {
    skin_test::TFiles files = form_test::BorderFiles();
    files.push_back({"menuback.bmp", frame_test::TFrameSkin::File(20, 20, [](int x, int y) {
                       return BackgroundPart(x, y, 20, 20);
                     })});
    files.push_back({"menuitem.bmp", frame_test::TFrameSkin::File(5 * kItemFrameWidth, kItemHeight, [](int x, int) {
                       return x % kItemFrameWidth == 0 ? kKey : kItemFrame[1 + x / kItemFrameWidth];
                     })});
    return files;
  }
};

// What the timer saw of the open popup.
struct TLook {
  HWND Popup = nullptr;
  TPixels Pixels;
  POINT ClientOffset{};
  HMENU Bound = nullptr;
};

// A skinned window of our plain class with the manager running, and popups
// opened from it.
class PopupTest : public ::testing::Test {
 protected:
  void SetUp() override { Start(TPopupSkin{}); }
  void TearDown() override {
    window_.reset();
    app_.reset();
    data_.reset();
    skin::FreeSkinManage();
  }

  void Start(const TPopupSkin& skin) {
    TearDown();
    app_ = std::make_unique<ui::TApplication>();
    data_ = std::make_unique<skin::TSkinData>(nullptr);
    skin_test::LoadDefinition(*data_, skin.Definition(), skin.Files());
    manager_ = skin::SkinManage();
    manager_->SetState(1);
    window_ = std::make_unique<TTestWindow>();
    ShowWindow(window_->Get(), SW_SHOW);
    SetForegroundWindow(window_->Get());
    PumpFor(100);
  }

  HWND Window() const { return window_->Get(); }

  // Opens `menu` at (x, y) from `owner`; `look` runs inside the menu loop on
  // the newest popup window, and the menu is closed after it.
  static void Track(HMENU menu, HWND owner, const std::function<void(HWND popup)>& look, int x = 200, int y = 150,
                    UINT flags = TPM_LEFTALIGN) {
    TrackSteps(menu, owner, {look}, x, y, flags);
  }
  // The same with several steps, one per timer tick (keys posted in one are
  // handled before the next); the menu is closed after the last.
  static void TrackSteps(HMENU menu, HWND owner, std::vector<std::function<void(HWND popup)>> steps, int x = 200,
                         int y = 150, UINT flags = TPM_LEFTALIGN) {
    Steps() = std::move(steps);
    SetTimer(nullptr, 0, 150, &OnTimer);
    TrackPopupMenu(menu, flags | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    Steps().clear();
    PumpFor(30);
  }

  // The newest popup companion's window.
  static HWND NewestPopup() {
    const skin::TSkinManage* manager = skin::SkinManage();
    return manager && !manager->PopupMenus.empty() ? manager->PopupMenus.back()->Handle : nullptr;
  }

  static TLook LookAt(HWND popup) {
    TLook look;
    look.Popup = popup;
    if (!popup) return look;
    look.Pixels = WindowPixels(popup);
    for (skin::TWinSkinPopMenu* p : skin::SkinManage()->PopupMenus)
      if (p->Handle == popup) {
        look.ClientOffset = p->ClientOffset();
        look.Bound = p->MenuHandle;
      }
    return look;
  }

  std::unique_ptr<ui::TApplication> app_;
  std::unique_ptr<skin::TSkinData> data_;
  std::unique_ptr<TTestWindow> window_;
  skin::TSkinManage* manager_ = nullptr;

 private:
  static std::vector<std::function<void(HWND)>>& Steps() {
    static std::vector<std::function<void(HWND)>> steps;
    return steps;
  }
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto& steps = Steps();
    if (!steps.empty()) {
      const auto step = steps.front();
      steps.erase(steps.begin());
      if (step) step(NewestPopup());
    }
    if (steps.empty()) EndMenu();
    else SetTimer(nullptr, 0, 150, &OnTimer);
  }
};

// A plain popup menu of strings ("-" makes a separator), destroyed with the object.
class TPlainMenu {
 public:
  explicit TPlainMenu(std::initializer_list<const wchar_t*> items) : menu_(CreatePopupMenu()) {
    UINT id = 1;
    for (const wchar_t* text : items) {
      if (std::wstring(text) == L"-") AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
      else AppendMenuW(menu_, MF_STRING, id, text);
      ++id;
    }
  }
  ~TPlainMenu() { DestroyMenu(menu_); }
  TPlainMenu(const TPlainMenu&) = delete;
  TPlainMenu& operator=(const TPlainMenu&) = delete;
  HMENU Get() const { return menu_; }

 private:
  HMENU menu_;
};

}  // namespace popup_test
