// TWinSkinForm: the caption buttons' visibility, placement and painting.
//
// A button shows when the two conditions picked by its Visibility and
// Visibility1 codes both hold; it is placed by its Align rule relative to the
// window's edges, the caption text or the menu bar, and drawn from the frames
// of its image: 1 normal, 2 pressed, 3 hot, 4 inactive window (the MDI
// buttons show 4 when hot). The icon buttons (Action 3 and 11) show the
// window's own small icon.
#include <algorithm>
#include <cstdint>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/Slicing.h"

namespace skin {

namespace {

constexpr int kMdiVisibility = 100;  // the three buttons of a maximised MDI child
constexpr int kMdiAlign = 100;
constexpr int kInactiveFrame = 4;

bool IsIconButton(const TDataSkinSysButton& skin) { return skin.Action == 3 || skin.Action == 11; }

// One visibility condition of the window: `first` picks condition A (from
// Visibility), otherwise B (from Visibility1). Unknown codes hide the button.
bool VisibilityCondition(TWinSkinForm& form, int code, int action, bool first) {
  const bool maximized = form.WindowState == wsMaximized;
  const bool maxBox = (form.ButtonStyles & bsMaximizeBox) != 0;
  const bool minBox = (form.ButtonStyles & bsMinimizeBox) != 0;
  const bool sysMenu = (form.ButtonStyles & bsSystemMenu) != 0;
  switch (code) {
    case 0:
      if (!first) return true;
      return form.BorderKind != bkPlain && (action != 0 || sysMenu);
    case 1: return maximized;
    case 2: return !maximized;
    case 3: return form.Active;
    case 4: return !form.Active;
    case 6: return first ? maxBox && sysMenu : maxBox;
    case 7: return !maxBox;
    case 8: return first ? minBox && sysMenu : minBox;
    case 9: return !minBox;
    case kMdiVisibility: return form.MenuBarHeight > 0 && form.MdiChildMaximized();
    default: return code >= 200 && code <= 2000;
  }
}

// Skin offsets are unchecked 32-bit numbers: keep the sums they enter far
// from overflowing. A button placed that far away is simply never seen.
int ClampCoordinate(std::int64_t value) {
  constexpr std::int64_t kLimit = 1 << 28;
  return int(std::clamp(value, -kLimit, kLimit));
}

}  // namespace

bool TWinSkinForm::UpdateSysButtonVisible(int index) {
  if (index < 0 || index >= int(SysButtons.size())) return false;
  TWinSysButton& button = *SysButtons[std::size_t(index)];
  const TDataSkinSysButton* skin = button.SkinButton.get();
  if (!skin) return button.Visible = false;
  bool visible = VisibilityCondition(*this, skin->Visibility, skin->Action, true) &&
                 VisibilityCondition(*this, skin->Visibility1, skin->Action, false);
  if (skin->Action == 1 && !(ButtonStyles & bsMaximizeBox)) visible = false;
  if (skin->Action == 2 && !(ButtonStyles & bsMinimizeBox)) visible = false;
  button.Visible = visible;
  return visible;
}

void TWinSkinForm::LayoutSysButtons() {
  for (int i = 0; i < int(SysButtons.size()); ++i) {
    if (!UpdateSysButtonVisible(i)) continue;  // invisible buttons keep their old place
    TWinSysButton& button = *SysButtons[std::size_t(i)];
    const TDataSkinSysButton& skin = *button.SkinButton;
    if (skin.Bitmap.Empty()) continue;
    const int w = skin.Bitmap.Width() / skin.SafeFrameCount();
    const int h = skin.Bitmap.Height();
    std::int64_t dx = 0;
    std::int64_t dy = skin.Ycoord;
    switch (skin.Align) {
      case 0: dx = skin.Xcoord; break;
      case 1: dx = std::int64_t(FrameWidth) - skin.Xcoord; break;
      case 2:
      case 8: dx = std::int64_t(CaptionRect.left) - w - skin.Xcoord; break;
      case 3:
      case 9: dx = std::int64_t(CaptionRect.right) + skin.Xcoord; break;
      case kMdiAlign: {
        const TSkinSet* set = Skin();
        const int menuLeft = set && set->MenuBar ? set->MenuBar->LeftWidth : 0;
        dx = std::int64_t(FrameWidth) - skin.Xcoord - BorderRight - menuLeft;
        dy = (MenuBarHeight - h) / 2 + BorderTop;
        break;
      }
      default: dx = dy = 0; break;
    }
    const int left = ClampCoordinate(dx);
    const int top = ClampCoordinate(dy);
    button.Rect = RECT{left, top, left + w, top + h};
  }
}

void TWinSkinForm::PaintSysButtons(ui::TBitmap& titleBar) {
  for (int i = 0; i < int(SysButtons.size()); ++i) {
    if (!UpdateSysButtonVisible(i)) continue;
    TWinSysButton& button = *SysButtons[std::size_t(i)];
    TDataSkinSysButton& skin = *button.SkinButton;
    // The MDI buttons sit in the menu bar, which draws them.
    if (skin.Bitmap.Empty() || skin.Visibility == kMdiVisibility) continue;
    if (IsIconButton(skin)) {
      button.TitleBarLook.Draw(titleBar, button.Rect, IconBitmap, 1, 1);
      continue;
    }
    const int frame = Active || skin.FrameCount < kInactiveFrame ? 1 : kInactiveFrame;
    button.TitleBarLook.Draw(titleBar, button.Rect, skin.Bitmap, skin.FrameCount, frame);
  }
}

void TWinSkinForm::PaintSysButton(TWinSysButton& button, int state) {
  TDataSkinSysButton* skin = button.SkinButton.get();
  if (!skin || WindowState == wsMinimized || !IsWindow(Handle)) return;
  try {
    ui::WindowDC dc(Handle, true);
    if (!dc.Get()) return;
    if (IsIconButton(*skin)) {
      DrawImageFrame(dc.Get(), button.Rect, IconBitmap, true, 1, 1);
      return;
    }
    const bool mdiHot = skin->Visibility == kMdiVisibility && state == ncsHot;
    DrawImageFrame(dc.Get(), button.Rect, skin->Bitmap, true, skin->FrameCount, mdiHot ? kInactiveFrame : state);
  } catch (...) {
    // A state change that cannot be drawn shows with the next frame paint.
  }
}

TWinSysButton* TWinSkinForm::SysButtonAt(POINT framePoint) {
  for (const auto& button : SysButtons) {
    if (!button->Visible || !button->SkinButton || button->SkinButton->Action < 0) continue;
    if (PtInRect(&button->Rect, framePoint)) return button.get();
  }
  return nullptr;
}

}  // namespace skin
