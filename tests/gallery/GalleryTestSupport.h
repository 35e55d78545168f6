// The gallery on real windows: a fresh application with its frame for each
// test, message pumping, and frame pixels read back from a window.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "gallery/GalleryMain.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin/manager/SkinManage.h"
#include "support/MessagePump.h"
#include "ui/Application.h"
#include "ui/GdiHandles.h"

namespace gallery_test {

using test_support::PumpFor;

// Columns x to x + width of a window's pixels, row by row from the top, read
// through its window DC into a 32-bpp DIB (the colours exactly as painted).
inline std::vector<COLORREF> WindowArea(HWND wnd, int x, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  ui::BitmapHandle dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib) return {};
  {
    ui::WindowDC source(wnd, true);
    ui::MemoryDC memory;
    ui::SelectGuard select(memory.Get(), dib.Get());
    BitBlt(memory.Get(), 0, 0, width, height, source.Get(), x, 0, SRCCOPY);
  }
  GdiFlush();
  std::vector<COLORREF> area(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (std::size_t i = 0; i < area.size(); ++i)
    area[i] = RGB((pixels[i] >> 16) & 0xFF, (pixels[i] >> 8) & 0xFF, pixels[i] & 0xFF);
  return area;
}

// One column of a window's pixels, top row first.
inline std::vector<COLORREF> WindowColumn(HWND wnd, int x, int height) { return WindowArea(wnd, x, 1, height); }

// The window's title bar shows the skin's top border, active or inactive:
// the rows above and below the caption strip, in the middle of the window,
// have the colours of the middle column of one of the border's frames.
inline bool ShowsSkinTitleBar(HWND wnd, const skin::TSkinSet& skin) {
  const skin::TDataSkinBorder& top = *skin.Borders[skin::bdTop];
  const int height = top.Bitmap.Height() / top.SafeFrameCount();
  RECT r{};
  GetWindowRect(wnd, &r);
  const std::vector<COLORREF> shown = WindowColumn(wnd, (r.right - r.left) / 2, height);
  if (int(shown.size()) != height) return false;
  for (int frame = 0; frame < top.SafeFrameCount(); ++frame) {
    bool same = true;
    for (int y : {0, 1, height - 2, height - 1})
      same = same && shown[std::size_t(y)] ==
                         ui::ColorToRGB(top.Bitmap.Pixel(top.Bitmap.Width() / 2, frame * height + y));
    if (same) return true;
  }
  return false;
}

// The message box of this thread, found by its class: it need not be the
// active window (another program on the shared desktop may hold that).
inline HWND ThreadMessageBox() {
  HWND box = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND wnd, LPARAM found) {
        wchar_t name[16] = {};
        GetClassNameW(wnd, name, 16);
        if (std::wstring(name) != L"#32770" || !IsWindowVisible(wnd)) return TRUE;
        *reinterpret_cast<HWND*>(found) = wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&box));
  return box;
}

class GalleryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<ui::TApplication>();
    frame_ = app_->CreateForm<gallery::TGalleryMain>();
    frame_->Show();
    SetForegroundWindow(frame_->Handle());
    PumpFor(200);
    manager_ = skin::SkinManage();
    ASSERT_NE(manager_, nullptr);
  }
  void TearDown() override {
    app_.reset();
    skin::FreeSkinManage();
  }

  const skin::TWinSkinForm* Companion(HWND wnd) const { return manager_->FindForm(wnd); }
  bool Running(HWND wnd) const {
    const skin::TWinSkinForm* companion = Companion(wnd);
    return companion && companion->SkinState == skin::ssRunning;
  }
  bool SkinShown(HWND wnd) const { return ShowsSkinTitleBar(wnd, *frame_->SkinData1); }
  void Run(const char* command) {
    ASSERT_TRUE(frame_->RunCommand(command)) << command;
    PumpFor(150);
  }
  // Waits until the manager has carried out the last request, then for the paints.
  void Settle() {
    for (int i = 0; i < 40 && manager_->TimerEnabled; ++i) PumpFor(50);
    PumpFor(200);
  }

  skin::TScratchBitmapOwner scratch_;
  std::unique_ptr<ui::TApplication> app_;
  gallery::TGalleryMain* frame_ = nullptr;
  skin::TSkinManage* manager_ = nullptr;
};

}  // namespace gallery_test
