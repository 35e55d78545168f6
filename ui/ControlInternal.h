// What the control files share and no one else needs: the mouse control's
// bookkeeping and a few message helpers.
#pragma once

#include <windows.h>

#include "ui/Control.h"

namespace ui::detail {

// Makes `control` the control under the mouse, telling the old and the new one.
void SetMouseControl(TControl* control);
// Forgets `control` as the control under the mouse (it is going away).
void ForgetMouseControl(const TControl* control);

inline bool IsRoutedMouseMessage(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

inline bool IsWindowed(const TControl* c) { return dynamic_cast<const TWinControl*>(c) != nullptr; }

}  // namespace ui::detail
