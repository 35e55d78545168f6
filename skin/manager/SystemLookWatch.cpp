// TSkinManage: listening for the system's look. Setting and colour changes
// are broadcast to top-level windows; the work is posted to the watch window
// itself, so that windows are never unskinned or skinned from inside
// another window's handling of the same broadcast.
#include "skin/manager/SkinManage.h"
#include "ui/UtilWindow.h"

namespace skin {

namespace {
constexpr UINT kLookChanged = WM_APP + 0x51;
}

void TSkinManage::WatchSystemLook() {
  try {
    lookWatch_ = std::make_unique<ui::TUtilWindow>(
        [this](ui::TMessage& message) {
          switch (message.Msg) {
            case WM_SETTINGCHANGE:
            case WM_SYSCOLORCHANGE:
              if (lookWatch_) PostMessageW(lookWatch_->Handle(), kLookChanged, 0, 0);
              return false;
            case kLookChanged:
              if (Started != 4) SystemLookChanged();
              return true;
            default:
              return false;
          }
        },
        ui::TUtilWindowKind::HiddenTopLevel);
  } catch (...) {
    // Without the window the look is read at start-up only.
  }
}

}  // namespace skin
