// Frame benchmark: the training window's size (713 x 548) skinned with our
// stored skin against the same window with the system's frame, side by side:
//   - a full non-client repaint (RedrawWindow with RDW_FRAME | RDW_UPDATENOW):
//     title bar composed off screen and put on in one blit, borders, caption
//     buttons, against the system's frame painting;
//   - a resize to a new size and back (SetWindowPos), which for the skinned
//     window rebuilds the window region from the border strips.
// Prints times per operation and the ratios skinned / system.
//
//   frame_bench [stored-skin-file] [--rounds N]
// The stored skin defaults to ..\skin\tavrin.skin beside the executable's folder.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/StoredSkinFile.h"
#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin/manager/SkinManage.h"
#include "ui/Streams.h"

namespace {

constexpr int kWidth = 713;
constexpr int kHeight = 548;
constexpr int kGrownWidth = 801;
constexpr int kGrownHeight = 603;
const wchar_t kClass[] = L"TavrinFrameBench";

bool LoadSkin(const std::wstring& path, skin::TSkinData& data) {
  std::vector<std::uint8_t> bytes;
  if (!bench::ReadWholeFile(path, bytes)) return false;
  ui::TMemoryStream stream(std::move(bytes));
  return data.LoadFromStored(stream) && !data.Empty;
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// A plain top-level window of the training window's size.
struct TWindow {
  explicit TWindow(int x) {
    wnd = CreateWindowExW(0, kClass, L"Tavrin集中力训练", WS_OVERLAPPEDWINDOW, x, 10, kWidth, kHeight, nullptr,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(wnd, SW_SHOW);
    Pump();
  }
  ~TWindow() { DestroyWindow(wnd); }
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;
  HWND wnd = nullptr;
};

void Repaint(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
  GdiFlush();
}

void ResizeTwice(HWND wnd) {
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(wnd, nullptr, 0, 0, kGrownWidth, kGrownHeight, flags);
  Pump();
  SetWindowPos(wnd, nullptr, 0, 0, kWidth, kHeight, flags);
  Pump();
  GdiFlush();
}

double Seconds(const std::function<void()>& work, int rounds) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times `work` on both windows, alternating passes so that machine noise
// falls on both; prints the ratio skinned / system.
void Compare(const char* what, const std::function<void(HWND)>& work, HWND skinned, HWND plain, int rounds) {
  double tSkinned = 0, tPlain = 0;
  for (int pass = 0; pass < 3; ++pass) {
    tSkinned += Seconds([&] { work(skinned); }, rounds);
    tPlain += Seconds([&] { work(plain); }, rounds);
  }
  const double per = 1000.0 / (3 * rounds);
  std::printf("%s: skinned %8.3f ms, system frame %8.3f ms, ratio skinned / system %.2fx\n", what,
              tSkinned * per, tPlain * per, tSkinned / tPlain);
}

}  // namespace

int main(int argc, char** argv) {
  const bench::TBenchArgs args = bench::ParseArgs(argc, argv, 50);
  const std::wstring& skinPath = args.SkinPath;
  const int rounds = args.Rounds;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClass;
  RegisterClassExW(&wc);

  skin::TScratchBitmapOwner scratch;
  skin::TSkinData data(nullptr);
  if (!LoadSkin(skinPath, data)) {
    std::fprintf(stderr, "cannot load the stored skin %ls\n", skinPath.c_str());
    return 1;
  }
  int status = 0;
  {
    TWindow skinned(10), plain(60);
    skin::TWinSkinForm form(nullptr);
    form.Handle = skinned.wnd;
    form.AttachHandle(&data);
    SendMessageW(skinned.wnd, skin::WM_SKINSTART, 0, 1000);
    Pump();
    if (!form.HasRegion) {
      std::fprintf(stderr, "the skinned window has no region: the skin was not applied\n");
      status = 2;
    } else {
      std::printf("window %dx%d, our skin (%d rounds, 3 alternating passes)\n", kWidth, kHeight, rounds);
      Compare("full non-client repaint", Repaint, skinned.wnd, plain.wnd, rounds);
      Compare("resize to 801x603 and back (region rebuilt twice)", ResizeTwice, skinned.wnd, plain.wnd,
              std::max(1, rounds / 5));
    }
    form.Detach();
  }
  skin::FreeSkinManage();
  return status;
}
