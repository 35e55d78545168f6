#include "skin/WinSkinForm/CaptionButtonKind.h"

#include "skin/WinSkinData/SkinObjects.h"
#include "ui/TextConv.h"

namespace skin {

namespace {

constexpr int kShownMaximized = 1;  // visibility code: the window is maximised
constexpr int kMdiVisibility = 100;

}  // namespace

TCaptionButtonKind CaptionButtonKind(const TDataSkinSysButton& skin) {
  if (skin.Visibility == kMdiVisibility) return TCaptionButtonKind::MdiChild;
  switch (skin.Action) {
    case 0: return TCaptionButtonKind::Close;
    case 1:
    case 22: return TCaptionButtonKind::Maximize;
    case 2:
    case 23: return TCaptionButtonKind::Minimize;
    case 3:
    case 11:
    case 12: return TCaptionButtonKind::SystemMenu;
    case kHelpButtonAction: return TCaptionButtonKind::Help;
    case 7:
    case 8:
    case 9:
    case 60:
    case 61:
    case 62: return TCaptionButtonKind::MdiChild;
    default: return TCaptionButtonKind::Application;
  }
}

LRESULT CaptionButtonHitCode(TCaptionButtonKind kind) {
  switch (kind) {
    case TCaptionButtonKind::Close: return HTCLOSE;
    case TCaptionButtonKind::Maximize: return HTMAXBUTTON;
    case TCaptionButtonKind::Minimize: return HTMINBUTTON;
    case TCaptionButtonKind::Help: return HTHELP;
    case TCaptionButtonKind::SystemMenu: return HTSYSMENU;
    default: return HTNOWHERE;
  }
}

bool ShowsOnlyMaximized(const TDataSkinSysButton& skin) {
  return skin.Visibility == kShownMaximized || skin.Visibility1 == kShownMaximized;
}

std::wstring CaptionButtonName(const TDataSkinSysButton& skin, bool restores) {
  switch (CaptionButtonKind(skin)) {
    case TCaptionButtonKind::Close: return L"关闭";
    case TCaptionButtonKind::Maximize: return restores ? L"还原" : L"最大化";
    case TCaptionButtonKind::Minimize: return L"最小化";
    case TCaptionButtonKind::Help: return L"帮助";
    case TCaptionButtonKind::SystemMenu: return L"系统菜单";
    case TCaptionButtonKind::MdiChild:
      if (skin.Action == 7 || skin.Action == 60) return L"最小化";
      if (skin.Action == 8 || skin.Action == 61) return L"还原";
      return L"关闭";
    default: return ui::Utf8ToWide(skin.Name);
  }
}

}  // namespace skin
