// Frame benchmark: the training window's size (713 x 548) skinned with our
// stored skin against the same window with the system's frame, side by side:
//   - a full non-client repaint (RedrawWindow with RDW_FRAME | RDW_UPDATENOW);
//   - a resize to a new size and back (SetWindowPos), which for the skinned
//     window rebuilds the window region from the border strips.
// The windows take turns, one operation each, so machine noise falls on all;
// the skinned window runs each operation twice, with its kept frame images
// and with them dropped (composed anew, as before they were kept). Prints
// medians and the ratios to the system frame's. Then the skinned repaint
// stage by stage, a resize through 100 sizes with the screen read after each,
// the timer messages per idle second, and GDI objects and private bytes per
// skinned window, shown and then resized and back.
//
//   frame_bench [stored-skin-file] [--rounds N]
// The stored skin defaults to ..\skin\tavrin.skin beside the executable's folder.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/IdleTimers.h"
#include "bench/MessageTimes.h"
#include "bench/StoredSkinFile.h"
#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WindowDpi.h"
#include "skin/WinSkinForm/TitleBar.h"
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

// Lets one turn's work end before the next turn is timed. The two windows
// overlap, so a resize of one leaves repaints of the other (and the X
// server's exposures) behind, which would be charged to whatever runs next.
void Settle() {
  Pump();
  Sleep(30);
  Pump();
}

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

double Milliseconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2), values.end());
  return values[values.size() / 2];
}

// Times `work` on both windows in turns, and on the skinned window once more
// with its kept frame images dropped first (every image composed anew, as
// before they were kept); prints the medians and the ratios to the system's.
void Compare(const char* what, const std::function<void(HWND)>& work, skin::TWinSkinForm& form, HWND plain,
             int rounds) {
  std::vector<double> tSkinned, tComposed, tPlain;
  for (int i = 0; i < rounds; ++i) {
    Settle();
    tSkinned.push_back(Milliseconds([&] { work(form.Handle); }));
    form.DropFrameCache();
    Settle();
    tComposed.push_back(Milliseconds([&] { work(form.Handle); }));
    Settle();
    tPlain.push_back(Milliseconds([&] { work(plain); }));
  }
  const double s = Median(tSkinned), c = Median(tComposed), p = Median(tPlain);
  std::printf("%s: skinned %.3f ms (%.2fx), composed anew %.3f ms (%.2fx), system frame %.3f ms\n", what, s, s / p,
              c, c / p, p);
}

// The skinned repaint's stages one by one, on the window's own DC.
void Stages(skin::TWinSkinForm& form, int rounds) {
  RECT r{};
  GetWindowRect(form.Handle, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  ui::WindowDC dc(form.Handle, true);
  const auto median = [&](const std::function<void()>& work) {
    std::vector<double> t;
    for (int i = 0; i < rounds; ++i) t.push_back(Milliseconds([&] {
      work();
      GdiFlush();
    }));
    return Median(t);
  };
  const double borders = median([&] {
    form.DrawBorder(1, {0, 0, form.BorderLeft, h}, dc.Get());
    form.DrawBorder(2, {w - form.BorderRight, 0, w, h}, dc.Get());
    form.DrawBorder(4, {form.BorderLeft, h - form.BorderBottom, w - form.BorderRight, h}, dc.Get());
  });
  const double title = median([&] { skin::ComposeTitleBar(form, w, h); });
  const double put = median([&] {
    BitBlt(dc.Get(), 0, 0, w, form.BorderTop, form.FrameBitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  });
  const double whole = median([&] { form.PaintFrame(dc.Get()); });
  const double region = median([&] {
    form.RegionWidth = 0;  // built anew, as for a new size
    form.UpdateRegion();
  });
  std::printf("skinned repaint by stage (medians): left, right and bottom borders %.3f ms; title bar composed "
              "%.3f ms; title bar put on %.3f ms; the whole frame painted %.3f ms; region rebuilt %.3f ms\n",
              borders, title, put, whole, region);
}

// A resize's work: the time in each message sent to the skinned window and to
// the system frame's (counts and milliseconds per resize pair), then the
// skinned window's stages for a new size one by one, each size a new one.
void ResizeStages(skin::TWinSkinForm& form, HWND plain, int rounds) {
  std::printf("resize and back, time per message sent to the window (count x exclusive ms per pair):\n");
  for (const auto& [what, wnd] : {std::pair{"skinned", form.Handle}, std::pair{"system frame", plain}}) {
    bench::TMessageTimes times(wnd);
    for (int i = 0; i < rounds; ++i) {
      Settle();
      ResizeTwice(wnd);
    }
    times.Print(what, rounds);
  }
  ui::TBitmap target;
  target.SetSize(kGrownWidth, kGrownHeight);
  HDC dc = target.Canvas().Handle();
  std::vector<double> borders, title, caption, region, setRegion;
  // Three sizes in turn: the size before each is kept too, so two would be
  // no new size after the first round.
  const SIZE sizes[] = {{kWidth, kHeight}, {kGrownWidth, kGrownHeight}, {kWidth + 40, kHeight + 20}};
  for (int i = 0; i < rounds; ++i) {
    const int w = sizes[i % 3].cx, h = sizes[i % 3].cy;
    borders.push_back(Milliseconds([&] {
      form.DrawBorder(1, {0, 0, form.BorderLeft, h}, dc);
      form.DrawBorder(2, {w - form.BorderRight, 0, w, h}, dc);
      form.DrawBorder(4, {form.BorderLeft, h - form.BorderBottom, w - form.BorderRight, h}, dc);
      GdiFlush();
    }));
    title.push_back(Milliseconds([&] {
      skin::ComposeTitleBar(form, w, h);
      GdiFlush();
    }));
    caption.push_back(Milliseconds([&] {
      form.DrawCaptionText(form.FrameBitmap.Canvas(), {form.BorderLeft, 0, w - form.BorderRight, form.BorderTop},
                           form.TitleBarKey.Text);
      GdiFlush();
    }));
  }
  form.DropFrameCache();
  Repaint(form.Handle);
  for (int i = 0; i < rounds; ++i) {
    region.push_back(Milliseconds([&] {
      form.RegionWidth = 0;  // built anew from the kept parts of this size
      form.UpdateRegion();
      GdiFlush();
    }));
    ui::RegionHandle copy(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(form.Handle, copy.Get());
    setRegion.push_back(Milliseconds([&] {
      if (SetWindowRgn(form.Handle, copy.Get(), TRUE)) copy.Release();
      GdiFlush();
    }));
  }
  std::printf("skinned resize by stage for a new size (medians): left, right and bottom borders composed %.3f ms; "
              "title bar composed (its side ends kept) %.3f ms, of which the caption text and strip %.3f ms; "
              "region built and set from parts of its size %.3f ms, of which setting it (with the repaint it "
              "asks for) %.3f ms\n",
              Median(borders), Median(title), Median(caption), Median(region), Median(setRegion));
}

// Resizes the skinned window through 100 sizes, as a drag would, and reads
// the screen after each step: the frame rows and columns there must be the
// skin's (as the window's own DC holds them), never a system frame.
void ResizeThroughSizes(HWND wnd, HWND plain) {
  ShowWindow(plain, SW_HIDE);  // it overlaps the skinned window
  SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Pump();
  int stale = 0;
  for (int step = 0; step < 100; ++step) {
    const int w = kWidth + (step % 50) * 3, h = kHeight + (step % 50) * 2;
    SetWindowPos(wnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    RECT r{};
    GetWindowRect(wnd, &r);
    HDC screen = GetDC(nullptr);
    HDC window = GetWindowDC(wnd);
    // The middle of the title bar, of both sides and of the bottom border.
    const POINT probes[] = {{w / 2, 2}, {w / 2, 14}, {1, h / 2}, {w - 2, h / 2}, {w / 2, h - 2}};
    for (const POINT& p : probes)
      if (GetPixel(screen, r.left + p.x, r.top + p.y) != GetPixel(window, p.x, p.y)) {
        ++stale;
        break;
      }
    ReleaseDC(wnd, window);
    ReleaseDC(nullptr, screen);
  }
  SetWindowPos(wnd, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(plain, SW_SHOWNOACTIVATE);
  Pump();
  std::printf("resize through 100 sizes: %d of 100 steps showed something else than the skin frame on screen\n",
              stale);
}

// GDI objects and private bytes that skinning adds per window: ten windows
// of the training window's size, each skinned and painted once.
void MemoryPerWindow(skin::TSkinData& data) {
  constexpr int kCount = 10;
  const auto gdi = [] { return int(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)); };
  // The committed private memory (PagefileUsage is that figure, and the one
  // Wine reports).
  const auto privateBytes = [] {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return double(counters.PagefileUsage);
  };
  std::vector<std::unique_ptr<TWindow>> windows;
  for (int i = 0; i < kCount; ++i) windows.push_back(std::make_unique<TWindow>(20 + i * 4));
  Pump();
  const int gdiBefore = gdi();
  const double bytesBefore = privateBytes();
  std::vector<std::unique_ptr<skin::TWinSkinForm>> forms;
  for (const auto& window : windows) {
    auto form = std::make_unique<skin::TWinSkinForm>(nullptr);
    form->Handle = window->wnd;
    form->AttachHandle(&data);
    SendMessageW(window->wnd, skin::WM_SKINSTART, 0, 1000);
    forms.push_back(std::move(form));
  }
  Pump();
  for (const auto& window : windows) Repaint(window->wnd);
  // Wine reports no GDI object count (the process reads 0 there).
  std::printf("per skinned window: %.1f GDI objects (process %d), %.0f KB private bytes (process %.0f KB)\n",
              double(gdi() - gdiBefore) / kCount, gdi(), (privateBytes() - bytesBefore) / kCount / 1024,
              privateBytes() / 1024);
  // A window resized and back keeps the images of both sizes.
  const int gdiShown = gdi();
  const double bytesShown = privateBytes();
  for (const auto& window : windows) ResizeTwice(window->wnd);
  std::printf("after a resize and back: %.1f GDI objects and %.0f KB private bytes more per window\n",
              double(gdi() - gdiShown) / kCount, (privateBytes() - bytesShown) / kCount / 1024);
  for (auto& form : forms) form->Detach();
}

void IdleTicks(const char* what, double seconds) {
  bench::TTimerCounter counter;
  bench::ParkPointer();
  counter.Reset();
  bench::RunMessagesFor(seconds);
  std::printf("%s: %.2f timer messages per idle second (mouse away)\n", what, counter.Thread() / seconds);
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
      // At another DPI (a process started at it) the window keeps its size in
      // pixels, which the test desktop holds at every scale; the frames are
      // the system's and the skin's at that DPI.
      std::printf("window %dx%d at %d DPI, our skin (%d rounds, the two windows in turns)\n", kWidth, kHeight,
                  skin::SystemDpi(), rounds);
      Compare("full non-client repaint", Repaint, form, plain.wnd, rounds);
      Compare("resize to 801x603 and back (region rebuilt twice)", ResizeTwice, form, plain.wnd,
              std::max(1, rounds / 5));
      Stages(form, rounds);
      ResizeStages(form, plain.wnd, std::max(2, rounds / 5));
      ResizeThroughSizes(skinned.wnd, plain.wnd);
      IdleTicks("skinned window of the training window's size", 2);
      MemoryPerWindow(data);
    }
    form.Detach();
  }
  skin::FreeSkinManage();
  return status;
}
