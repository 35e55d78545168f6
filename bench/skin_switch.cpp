// Skin switch soak and timing (Windows or Wine), on the gallery with every
// window open: the MDI children (one maximised), the dialog, the foreign
// window, the Tag 99 form, every page of controls and, around the run, the
// message box.
//   - 300 switches (or --switches N) cycling through the built-in skins,
//     a colour and back, "No skin" and a bad file; the live objects of the
//     handle wrappers, GDI and USER object counts and private bytes after
//     every round;
//   - one skin switch across all those windows against one full repaint of
//     the same windows, and their ratio;
//   - colouring each built-in skin (every image and colour), and one colour
//     change across all the windows against one full repaint.
// Not run by ctest (the tests run a short version).
//
//   skin_switch [--switches N]
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <filesystem>
#include <fstream>
#include <string>

#include "gallery/BuiltInSkins.h"
#include "gallery/GalleryMain.h"
#include "gallery/GallerySkins.h"
#include "skin/WinSkinData/SkinAtDpi.h"
#include "skin/WinSkinData/SkinData.h"
#include "gallery/SkinSoak.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin/manager/SkinManage.h"
#include "ui/Application.h"

// The program's own heap as its C++ objects use it: every allocation through
// operator new counted with its size, so that growth of private bytes can be
// told apart from growth of what the program holds.
namespace {
std::atomic<long long> gLiveBytes{0};
constexpr std::size_t kHeader = alignof(std::max_align_t);
}  // namespace

void* operator new(std::size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (!block) throw std::bad_alloc();
  *reinterpret_cast<std::size_t*>(block) = size;
  gLiveBytes += static_cast<long long>(size);
  return block + kHeader;
}
void operator delete(void* p) noexcept {
  if (!p) return;
  unsigned char* block = static_cast<unsigned char*>(p) - kHeader;
  gLiveBytes -= static_cast<long long>(*reinterpret_cast<std::size_t*>(block));
  std::free(block);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }

namespace {

const char* const kWindows[] = {"mdi", "maximised", "dialog", "foreign", "unskinned",
                                "buttons", "bars", "tabs", "edits", "scrolling"};
constexpr int kTimedSwitches = 10;

struct TRun {
  gallery::TGalleryMain* Frame = nullptr;
  std::filesystem::path BadSkin;
  std::size_t Switches = 300;
  int Status = 0;
};
TRun* gRun = nullptr;

void Colouring(gallery::TSkinSoak& soak, gallery::TGalleryMain& frame, double switching);

void Soak(TRun& run) {
  gallery::TSkinSoak soak(*run.Frame, run.BadSkin);
  gallery::TResourceCounts afterFirst;
  for (std::size_t i = 0; i < run.Switches; ++i) {
    soak.Switch(i);
    if (i == soak.RoundLength()) afterFirst = gallery::CurrentCounts();  // the first skin again after a round
    if ((i + 1) % soak.RoundLength() == 0)
      std::printf("round %zu: %s, C++ objects %lld bytes\n", (i + 1) / soak.RoundLength(),
                  gallery::Describe(gallery::CurrentCounts()).c_str(), gLiveBytes.load());
  }
  soak.Switch(0);  // the same skin as at the first count
  const gallery::TResourceCounts atEnd = gallery::CurrentCounts();
  std::printf("%zu switches (%zu refused), round of %zu\n", run.Switches, soak.Problems(), soak.RoundLength());
  std::printf("after the first round: %s\n", gallery::Describe(afterFirst).c_str());
  std::printf("at the end:            %s\n", gallery::Describe(atEnd).c_str());
  if (atEnd.Gdi > afterFirst.Gdi || atEnd.User > afterFirst.User || atEnd.Companions > afterFirst.Companions ||
      atEnd.Live.Gdi > afterFirst.Live.Gdi || atEnd.Live.Windows > afterFirst.Live.Windows) {
    std::printf("GROWTH of window-system objects\n");
    run.Status = 1;
  }

  // Timing: a skin put on again (switch 0 of a round) against a repaint.
  soak.Switch(0);
  double switching = 0;
  double repainting = 0;
  for (int i = 0; i < kTimedSwitches; ++i) {
    const auto start = std::chrono::steady_clock::now();
    soak.Switch(0);
    switching += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    repainting += soak.RepaintSeconds();
  }
  switching /= kTimedSwitches;
  repainting /= kTimedSwitches;
  std::printf("one skin switch, all windows: %.2f ms\n", switching * 1000);
  std::printf("one full repaint, all windows: %.2f ms\n", repainting * 1000);
  std::printf("switch / repaint: %.2f\n", repainting > 0 ? switching / repainting : 0.0);
  std::fflush(stdout);
  Colouring(soak, *run.Frame, switching);
}

double Seconds(const std::chrono::steady_clock::time_point& start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Each built-in skin coloured aside, then colour changes on all the windows.
void Colouring(gallery::TSkinSoak& soak, gallery::TGalleryMain& frame, double switching) {
  constexpr skin::TColourShift kColour{120, 30, -20};
  constexpr int kRepeats = 5;
  for (std::size_t i = 0; i < gallery::BuiltInSkinCount(); ++i) {
    skin::TSkinSet plain;
    ui::TMemoryStream stored{gallery::BuiltInSkin(i)};
    if (!plain.LoadFromStored(stored)) continue;
    double seconds = 0;
    for (int r = 0; r < kRepeats; ++r) {
      skin::TSkinSet coloured;
      const auto start = std::chrono::steady_clock::now();
      skin::BuildColouredSkin(plain, kColour, coloured);
      seconds += Seconds(start);
    }
    std::printf("colouring %s (every image and colour): %.2f ms\n", plain.SkinName.c_str(), seconds / kRepeats * 1000);
  }
  soak.Switch(0);
  double changing = 0, repainting = 0;
  for (int r = 0; r < kTimedSwitches; ++r) {
    const auto start = std::chrono::steady_clock::now();
    frame.Skins().SetColour(r % 2 ? skin::TColourShift{} : kColour);
    if (skin::TSkinManage* manager = skin::SkinManage(); manager && manager->TimerEnabled) manager->RunPendingAction();
    gallery::Drain();
    changing += Seconds(start);
    repainting += soak.RepaintSeconds();
  }
  changing /= kTimedSwitches;
  repainting /= kTimedSwitches;
  // A colour change alters every colour and image, as a switch to another
  // skin does; re-applying the same skin (above) leaves the colours alone.
  double another = 0;
  for (int r = 0; r < kTimedSwitches; ++r) {
    const auto start = std::chrono::steady_clock::now();
    soak.Switch(std::size_t(r % 2 ? 0 : 1));
    another += Seconds(start);
  }
  another /= kTimedSwitches;
  std::printf("one switch to another skin, all windows: %.2f ms\n", another * 1000);
  std::printf("one colour change, all windows: %.2f ms\n", changing * 1000);
  std::printf("one full repaint, all windows: %.2f ms\n", repainting * 1000);
  std::printf("colour change / repaint: %.2f; colour change / the same skin again: %.2f; "
              "colour change / another skin: %.2f\n",
              repainting > 0 ? changing / repainting : 0.0, switching > 0 ? changing / switching : 0.0,
              another > 0 ? changing / another : 0.0);
  std::fflush(stdout);
}

// Runs inside the message box's own loop, so that the box is open too; then closes it.
void CALLBACK SoakInMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  Soak(*gRun);
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND wnd, LPARAM) {
        wchar_t name[16] = {};
        GetClassNameW(wnd, name, 16);
        if (std::wstring(name) == L"#32770" && IsWindowVisible(wnd)) PostMessageW(wnd, WM_COMMAND, IDOK, 0);
        return TRUE;
      },
      0);
}

}  // namespace

int main(int argc, char** argv) {
  TRun run;
  for (int i = 1; i + 1 < argc; i += 2)
    if (std::string(argv[i]) == "--switches") run.Switches = std::stoul(argv[i + 1]);
  run.BadSkin = std::filesystem::temp_directory_path() / "skin_switch_bad.skin";
  std::ofstream(run.BadSkin, std::ios::binary) << "this is no skin";

  skin::TScratchBitmapOwner scratch;
  {
    ui::TApplication application;
    application.Initialize();
    run.Frame = application.CreateForm<gallery::TGalleryMain>();
    run.Frame->Show();
    gallery::Drain();
    for (const char* name : kWindows) run.Frame->RunCommand(name);
    SetForegroundWindow(run.Frame->Handle());
    gallery::Drain();
    gRun = &run;
    SetTimer(nullptr, 0, 500, SoakInMessageBox);
    run.Frame->ShowMessageBoxPage();
  }
  skin::FreeSkinManage();
  std::error_code error;
  std::filesystem::remove(run.BadSkin, error);
  return run.Status;
}
