#include "skin/system/SystemWatch.h"

#include <cwchar>
#include <exception>

#include "ui/UtilWindow.h"

namespace skin {

unsigned SystemChangeOf(UINT msg, WPARAM, LPARAM lParam) {
  if (msg == WM_DWMCOLORIZATIONCOLORCHANGED) return scAccent;
  if (msg != WM_SETTINGCHANGE || !lParam) return scNone;
  const auto* area = reinterpret_cast<const wchar_t*>(lParam);
  return std::wcscmp(area, L"ImmersiveColorSet") == 0 ? scAccent | scAppMode : scNone;
}

TSystemWatch::TSystemWatch(std::function<void(unsigned)> changed) : changed_(std::move(changed)) {
  try {
    // Never shown: a popup without a caption is neither activated nor skinned.
    window_ = std::make_unique<ui::TUtilWindow>([this](ui::TMessage& message) { return Heard(message); },
                                                ui::TUtilWindowKind::HiddenTopLevel);
  } catch (const std::exception&) {
    // No window: the colours chosen at start-up stay.
  }
}

TSystemWatch::~TSystemWatch() = default;

HWND TSystemWatch::Handle() const { return window_ ? window_->Handle() : nullptr; }

bool TSystemWatch::Heard(ui::TMessage& message) {
  const unsigned change = SystemChangeOf(message.Msg, message.WParam, message.LParam);
  if (!change || !changed_) return false;
  try {
    changed_(change);
  } catch (const std::exception&) {
    // Out of memory while following: the windows keep the colour they have.
  }
  message.Result = 0;
  return true;
}

}  // namespace skin
