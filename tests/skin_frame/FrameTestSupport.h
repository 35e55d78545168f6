// Skinned windows with small skins whose pixels tell where they come from,
// and pixels read back from the window and from the screen.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin_form/FormTestSupport.h"

namespace frame_test {

using form_test::Pump;
using form_test::PumpFor;
using form_test::TTestWindow;
using ui::RGBColor;
using ui::TColor;

constexpr TColor kKey = ui::clFuchsia;
constexpr TColor kStripActive = RGBColor(0, 200, 0);
constexpr TColor kStripInactive = RGBColor(0, 100, 0);
constexpr TColor kTextActive = RGBColor(255, 255, 0);
constexpr TColor kTextInactive = RGBColor(0, 255, 255);

// The colour of image pixel (x, y) of border n.
constexpr TColor Position(int x, int y, int n) {
  return RGBColor(std::uint8_t(x), std::uint8_t(y), std::uint8_t(n));
}

// Border sizes: left 16 wide with 2 frames, right 6 wide with a single frame,
// top (2 stacked frames) and bottom as set.
constexpr int kLeft = 8;
constexpr int kRight = 6;
constexpr int kTopEnds = 8;  // fixed left and right ends of the top border
constexpr int kTopWidth = 40;

// A skin whose border pixel (x, y) of its image is RGB(x, y, n), n = 1 left,
// 2 right, 3 top, 4 bottom. Key-colour pixels: the outer top corner of each
// side border, the top row of the top border's stretched or tiled middle, and
// the bottom border's first column.
struct TFrameSkin {
  int Top = 30;
  int Bottom = 4;
  int LeftTrans = 1, RightTrans = 1, TopTrans = 1, BottomTrans = 1;
  int TopStretch = 1;
  int Alignment = 0, Shift = 0, ShiftVert = 0, RightClip = 0, BackLeft = 3, BackRight = 3;
  bool TextBack = true;

  std::string Definition() const {
    const auto line = [](const std::string& key, int value) { return key + "=" + std::to_string(value) + "\n"; };
    std::string d = "[Personality]\nLeft=left.bmp\nRight=right.bmp\nTop=top.bmp\nBottom=bottom.bmp\n";
    d += line("LeftTopHeight", Top) + line("LeftBotHeight", 4) + line("LeftFrame", 2) + line("LeftTrans", LeftTrans);
    d += line("RightTopHeight", Top) + line("RightBotHeight", 4) + line("RightFrame", 1) + line("RightTrans", RightTrans);
    d += line("TopTopHeight", kTopEnds) + line("TopBotHeight", kTopEnds) + line("TopFrame", 2) +
         line("TopStretch", TopStretch) + line("TopTrans", TopTrans);
    d += line("BottomFrame", 2) + line("BottomTrans", BottomTrans);
    if (TextBack) d += "TextBack=textback.bmp\n";
    d += line("TextAlignment", Alignment) + line("TextShift", Shift) + line("TextShiftVert", ShiftVert) +
         line("TextRightClip", RightClip) + line("TXTBackleft", BackLeft) + line("TXTBackRight", BackRight);
    return d + "[Colours]\nButtonFace=10 20 30\nTitleTextActive=255 255 0\nTitleTextInactive=0 255 255\n";
  }

  skin_test::TFiles Files() const {
    const auto corner = [](int x, int y) { return (x < 2 && y == 0) || (x == 0 && y == 1); };
    return {
        {"left.bmp", File(2 * kLeft, 40, [&](int x, int y) { return corner(x % kLeft, y) ? kKey : Position(x, y, 1); })},
        {"right.bmp",
         File(kRight, 40, [&](int x, int y) { return corner(kRight - 1 - x, y) ? kKey : Position(x, y, 2); })},
        {"top.bmp", File(kTopWidth, 2 * Top,
                         [&](int x, int y) {
                           const bool middle = x >= kTopEnds && x < kTopWidth - kTopEnds;
                           return middle && y % Top == 0 ? kKey : Position(x, y, 3);
                         })},
        {"bottom.bmp", File(kTopWidth, 2 * Bottom, [](int x, int y) { return x == 0 ? kKey : Position(x, y, 4); })},
        {"textback.bmp", File(10, 2 * Top, [&](int, int y) { return y < Top ? kStripActive : kStripInactive; })},
    };
  }

  static skin_test::Bytes File(int w, int h, const std::function<TColor(int, int)>& pixel) {
    return skin_test::PaintedFile(w, h, pixel);
  }
};

// Pixels read back into a 32-bpp top-down DIB.
struct TPixels {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Data;
  TColor At(int x, int y) const {
    const std::uint32_t p = Data[std::size_t(y) * std::size_t(Width) + std::size_t(x)];
    return RGBColor(std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p));
  }
};

inline TPixels Capture(HDC source, int x, int y, int w, int h) {
  TPixels pixels{w, h, std::vector<std::uint32_t>(std::size_t(w) * std::size_t(h))};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  ui::BitmapHandle dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ui::MemoryDC dc;
  {
    ui::SelectGuard select(dc.Get(), dib.Get());
    BitBlt(dc.Get(), 0, 0, w, h, source, x, y, SRCCOPY);
  }
  GdiFlush();
  std::memcpy(pixels.Data.data(), bits, pixels.Data.size() * 4);
  return pixels;
}

inline RECT WindowBounds(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

// What the window painted, from its window DC.
inline TPixels WindowPixels(HWND wnd) {
  const RECT r = WindowBounds(wnd);
  ui::WindowDC dc(wnd, true);
  return Capture(dc.Get(), 0, 0, r.right - r.left, r.bottom - r.top);
}

// What the screen shows over the window's rectangle, region included.
inline TPixels ScreenPixels(HWND wnd) {
  const RECT r = WindowBounds(wnd);
  ui::WindowDC dc(nullptr);
  return Capture(dc.Get(), r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// Whether a frame point lies in the window's region.
inline bool InRegion(HWND wnd, int x, int y) {
  ui::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(wnd, region.Get()) == ERROR) return true;  // no region: the whole window
  return PtInRegion(region.Get(), x, y) != FALSE;
}

// Another top-level window that takes the activation from `wnd` while it lives.
class TOtherWindow {
 public:
  explicit TOtherWindow(HWND wnd) : window_(WS_OVERLAPPEDWINDOW, 0, nullptr, RECT{600, 500, 800, 650}) {
    ShowWindow(window_.Get(), SW_SHOW);
    SetForegroundWindow(window_.Get());
    SetActiveWindow(window_.Get());
    PumpFor(100);
    // With another program in front on the shared test desktop, the window
    // may not have been active in the system's eyes: it is told directly
    // (a second deactivation changes nothing).
    SendMessageW(wnd, WM_NCACTIVATE, FALSE, 0);
  }

 private:
  TTestWindow window_;
};

// A shown window skinned with a test skin, as the manager would do it.
class FrameTest : public ::testing::Test {
 protected:
  void TearDown() override {
    form_.reset();
    window_.reset();
    data_.reset();
    skin::FreeSkinManage();
  }

  HWND Skin(const TFrameSkin& frameSkin = {}, RECT bounds = RECT{100, 100, 500, 400},
            const wchar_t* caption = L"Frame") {
    auto data = std::make_unique<skin::TSkinData>(nullptr);
    skin_test::LoadDefinition(*data, frameSkin.Definition(), frameSkin.Files());
    return Start(std::move(data), bounds, caption);
  }

  // A new window skinned with `data`, started as the manager starts it; with
  // a menu, the skin takes it over as its menu bar.
  HWND Start(std::unique_ptr<skin::TSkinData> data, RECT bounds, const wchar_t* caption, HMENU menu = nullptr) {
    TearDown();
    data_ = std::move(data);
    window_ = std::make_unique<TTestWindow>(WS_OVERLAPPEDWINDOW, 0, nullptr, bounds, menu);
    const HWND wnd = window_->Get();
    if (windowProc_) SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProc_));
    SetWindowTextW(wnd, caption);
    ShowWindow(wnd, SW_SHOW);
    SetForegroundWindow(wnd);
    form_ = std::make_unique<skin::TWinSkinForm>(nullptr);
    form_->Handle = wnd;
    form_->AttachHandle(data_.get());
    SendMessageW(wnd, skin::WM_SKINSTART, 0, 1000);
    PumpFor(50);
    // Another program on the shared test desktop may hold the foreground;
    // the window then shows its active look as it would in front.
    if (!form_->Active) SendMessageW(wnd, WM_NCACTIVATE, TRUE, 0);
    return wnd;
  }

  // What the activation state shows; another program on the shared test
  // desktop may take the activation at any time, so geometry checks ask.
  TColor Strip() const { return form_->Active ? kStripActive : kStripInactive; }
  TColor LeftPixel(int x, int y) const { return RGBColor(std::uint8_t(x + (form_->Active ? 0 : kLeft)), std::uint8_t(y), 1); }

  int Width() const { return WindowBounds(window_->Get()).right - WindowBounds(window_->Get()).left; }
  int Height() const { return WindowBounds(window_->Get()).bottom - WindowBounds(window_->Get()).top; }

  // Exactly this size: no minimum tracking size applies.
  void Resize(int width, int height, UINT flags = 0) {
    SetWindowPos(window_->Get(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOSENDCHANGING | flags);
    Pump();
  }

  // Paints the frame now, as WM_SKINNCREDRAW does.
  void Repaint() {
    SendMessageW(window_->Get(), skin::WM_SKINNCREDRAW, 0, 0);
    Pump();
  }

  skin::TScratchBitmapOwner scratch_;
  WNDPROC windowProc_ = nullptr;  // the window's own procedure under the skin's, when set
  std::unique_ptr<skin::TSkinData> data_;
  std::unique_ptr<TTestWindow> window_;
  std::unique_ptr<skin::TWinSkinForm> form_;
};

}  // namespace frame_test
