// What a skinned caption button stands for, to the system and to assistive
// technology: the hit-test code the system frame gives its own button of the
// kind, and the name a screen reader says for it.
#pragma once

#include <windows.h>

#include <string>

namespace skin {

class TDataSkinSysButton;

enum class TCaptionButtonKind {
  Close,
  Maximize,    // maximise, or restore where the skin shows it for a maximised window
  Minimize,
  Help,
  SystemMenu,  // the window's icon
  MdiChild,    // the three buttons of a maximised MDI child, in the menu bar
  Application  // an action left to the application (WM_SKINBUTTON)
};

// A caption button with this action posts WM_SKINBUTTON like any other
// application button, but is the window's help button to the system.
constexpr int kHelpButtonAction = 4;

TCaptionButtonKind CaptionButtonKind(const TDataSkinSysButton& skin);

// HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP, HTSYSMENU; HTNOWHERE where the
// system frame has no button of the kind (the hit code then stays as it is).
LRESULT CaptionButtonHitCode(TCaptionButtonKind kind);

// The button's name in the program's language; `restores` for a maximise
// button that restores (shown on a maximised window).
std::wstring CaptionButtonName(const TDataSkinSysButton& skin, bool restores);

// The button is the restore look of a maximise button: the skin shows it
// only on a maximised window.
bool ShowsOnlyMaximized(const TDataSkinSysButton& skin);

}  // namespace skin
