// Control discovery: gives the controls of a skinned window their companions
// (TSkinControl descendants), owned by the window's TWinSkinForm and attached
// with its skin data and control canvas.
//
// Two walks: DiscoverComponents goes through the components of a framework
// form (and into some containers) and decides by class, window class name,
// Tag and the skin data's SkinControls; DiscoverChildWindows goes through the
// direct child windows of a window without a form (standard dialogs, message
// boxes, foreign windows) and decides by window class and style alone.
// Running either again never gives a control a second companion.
#pragma once

#include <windows.h>

namespace ui {
class TComponent;
class TWinControl;
}  // namespace ui

namespace skin {

class TSkinControl;
class TWinSkinForm;

// Control Tags 55, 56 and 57 ask for the scroll-bar, combo-box and edit companion.
constexpr int kTagScrollBars = 55;
constexpr int kTagComboBox = 56;
constexpr int kTagEdit = 57;

// Walks the components owned by `container` (the form at the top).
void DiscoverComponents(TWinSkinForm& form, ui::TWinControl& container);
// Walks the direct child windows of form.Handle.
void DiscoverChildWindows(TWinSkinForm& form);

// Some companion of the form already skins `component`: a speed-button
// companion of it, or, for a windowed control, one on its window.
bool IsSkinnedControl(const TWinSkinForm& form, ui::TComponent* component);
// The first companion of the form on `wnd`, or null.
TSkinControl* FindControlByHandle(const TWinSkinForm& form, HWND wnd);
// A windowed control with a horizontal or vertical scroll bar style.
bool HasScrollBars(ui::TComponent* component);

}  // namespace skin
