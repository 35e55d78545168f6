// Following the system's colour choices as they change: a hidden top-level
// window (message-only windows get no broadcasts) that hears the setting and
// colorization announcements and tells which choices they concern. The one
// place that reads these messages for colour, kept apart from the other
// setting-change handling of the programs.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/Messages.h"

namespace ui {
class TUtilWindow;
}

namespace skin {

// Which choices a message announces (bits).
enum TSystemChange : unsigned { scNone = 0, scAccent = 1, scAppMode = 2 };

// WM_SETTINGCHANGE with "ImmersiveColorSet" (the app mode or the accent),
// WM_DWMCOLORIZATIONCOLORCHANGED (the accent); scNone for anything else.
unsigned SystemChangeOf(UINT msg, WPARAM wParam, LPARAM lParam);

class TSystemWatch {
 public:
  // `changed` gets the bits of each announcement that concerns colour.
  explicit TSystemWatch(std::function<void(unsigned)> changed);
  ~TSystemWatch();
  TSystemWatch(const TSystemWatch&) = delete;
  TSystemWatch& operator=(const TSystemWatch&) = delete;

  // Null when the window could not be made (nothing is followed then).
  HWND Handle() const;

 private:
  bool Heard(ui::TMessage& message);

  std::function<void(unsigned)> changed_;
  std::unique_ptr<ui::TUtilWindow> window_;
};

}  // namespace skin
