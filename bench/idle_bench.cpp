// Idle benchmark: timer messages per second on the GUI thread while the mouse
// is away from every window, for the skin gallery's frame alone (a skinned
// framework form with a menu bar, like the training window) and with its
// windows open (MDI children, the dialog, the foreign window, the pages of
// controls). Thread timers (the skin engine's) are counted apart from window
// timers (the program's own).
//
//   idle_bench [--seconds N]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/IdleTimers.h"
#include "gallery/GalleryMain.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin/manager/SkinManage.h"
#include "ui/Application.h"

namespace {

void Measure(bench::TTimerCounter& counter, const char* what, double seconds) {
  bench::ParkPointer();
  counter.Reset();
  bench::RunMessagesFor(seconds);
  std::printf("%-40s skin engine %6.2f, program %6.2f timer messages per second\n", what,
              counter.Thread() / seconds, counter.Window() / seconds);
}

}  // namespace

int main(int argc, char** argv) {
  double seconds = 3;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--seconds") seconds = std::max(1, std::atoi(argv[++i]));
  bench::TTimerCounter counter;
  {
    skin::TScratchBitmapOwner scratch;
    ui::TApplication application;
    application.Initialize();
    auto* frame = application.CreateForm<gallery::TGalleryMain>();
    frame->Show();
    application.ProcessMessages();
    Measure(counter, "gallery frame alone (idle, mouse away)", seconds);
    for (const char* name : {"mdi", "dialog", "foreign", "buttons", "bars", "tabs", "edits", "scrolling"})
      frame->RunCommand(name);
    bench::RunMessagesFor(0.5);
    Measure(counter, "gallery with its windows open", seconds);
  }
  skin::FreeSkinManage();
  return 0;
}
