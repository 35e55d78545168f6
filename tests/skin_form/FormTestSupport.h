// Real windows and small skins for the window-skinning tests.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "skin/WinSkinData/SkinData.h"
#include "skin/manager/SkinManage.h"
#include "skin_data/SkinTestSupport.h"
#include "support/MessagePump.h"

namespace form_test {

// Pixel sizes of the test skin's frame: a left image 16 wide with 2 frames
// gives 8, and so on.
constexpr int kLeft = 8;
constexpr int kRight = 6;
constexpr int kTop = 30;
constexpr int kBottom = 4;

// The definition of the test skin: four borders, no caption buttons.
inline std::string BorderDefinition(int trans = 0) {
  const std::string t = std::to_string(trans);
  return "[Personality]\n"
         "Left=left.bmp\nLeftFrame=2\nLeftStretch=1\nLeftTrans=" + t + "\n"
         "Right=right.bmp\nRightFrame=2\nRightStretch=1\nRightTrans=" + t + "\n"
         "Top=top.bmp\nTopFrame=2\nTopStretch=1\nTopTrans=" + t + "\n"
         "Bottom=bottom.bmp\nBottomFrame=2\nBottomStretch=1\nBottomTrans=" + t + "\n"
         "[Colours]\nButtonFace=10 20 30\n";
}

inline skin_test::TFiles BorderFiles() {
  return {{"left.bmp", skin_test::BitmapFile(2 * kLeft, 40, 1)},
          {"right.bmp", skin_test::BitmapFile(2 * kRight, 40, 2)},
          {"top.bmp", skin_test::BitmapFile(40, 2 * kTop, 3)},
          {"bottom.bmp", skin_test::BitmapFile(40, 2 * kBottom, 4)}};
}

// A skin data component (no owner) holding the test skin.
inline std::unique_ptr<skin::TSkinData> MakeSkinData(skin::TSkinFormType type = skin::sfMainform,
                                                    ui::TComponent* owner = nullptr) {
  auto data = std::make_unique<skin::TSkinData>(owner);
  data->SkinFormtype = type;
  skin_test::LoadDefinition(*data, BorderDefinition(), BorderFiles());
  return data;
}

inline const wchar_t* PlainClassName() {
  static const wchar_t* name = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"TavrinPlainWindow";
    RegisterClassW(&wc);
    return L"TavrinPlainWindow";
  }();
  return name;
}

// A window of our plain class (DefWindowProcW), destroyed with the object.
class TTestWindow {
 public:
  explicit TTestWindow(DWORD style = WS_OVERLAPPEDWINDOW, DWORD exStyle = 0, HWND parent = nullptr,
                       RECT bounds = RECT{100, 100, 500, 400}, HMENU menu = nullptr)
      : wnd_(CreateWindowExW(exStyle, PlainClassName(), L"Tavrin test", style, bounds.left, bounds.top,
                             bounds.right - bounds.left, bounds.bottom - bounds.top, parent, menu,
                             GetModuleHandleW(nullptr), nullptr)) {}
  ~TTestWindow() {
    if (IsWindow(wnd_)) DestroyWindow(wnd_);
  }
  TTestWindow(const TTestWindow&) = delete;
  TTestWindow& operator=(const TTestWindow&) = delete;
  HWND Get() const { return wnd_; }

 private:
  HWND wnd_;
};

// Handles every message waiting now.
using test_support::Pump;
using test_support::PumpFor;

// An MDI client filling part of `frame`.
inline HWND CreateMdiClient(HWND frame) {
  CLIENTCREATESTRUCT ccs{};
  ccs.idFirstChild = 100;
  return CreateWindowExW(0, L"MDIClient", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 380, 260, frame,
                         nullptr, GetModuleHandleW(nullptr), &ccs);
}

// An MDI child of our plain class, made by the client.
inline HWND CreateMdiChild(HWND client) {
  MDICREATESTRUCTW mcs{};
  mcs.szClass = PlainClassName();
  mcs.szTitle = L"child";
  mcs.hOwner = GetModuleHandleW(nullptr);
  mcs.x = mcs.y = 10;
  mcs.cx = 200;
  mcs.cy = 150;
  mcs.style = WS_OVERLAPPEDWINDOW;
  return reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, LPARAM(&mcs)));
}

inline SIZE WindowSize(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

inline SIZE ClientSize(HWND wnd) {
  RECT r{};
  GetClientRect(wnd, &r);
  return SIZE{r.right, r.bottom};
}

inline DWORD StyleOf(HWND wnd) { return DWORD(GetWindowLongPtrW(wnd, GWL_STYLE)); }

}  // namespace form_test
