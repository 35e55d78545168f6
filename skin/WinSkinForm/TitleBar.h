// The title bar image shared by the frame painting and the region builder.
#pragma once

#include "skin/WinSkinForm/WinSkinForm.h"

namespace skin {

// Composes the title bar of a width x height window in the form's
// FrameBitmap (width x BorderTop): the top ends of the side borders, the top
// border, the caption text with its background strip, and the caption
// buttons laid out for this width (FrameWidth becomes `width`). Nothing is
// put on the window. A window without a title bar leaves FrameBitmap empty.
void ComposeTitleBar(TWinSkinForm& form, int width, int height);
// The same for the title bar key `key` of the window as it is now (its
// CurrentTitleBarKey), read already.
void ComposeTitleBar(TWinSkinForm& form, int width, int height, TWinSkinForm::TTitleBarKey key);

}  // namespace skin
