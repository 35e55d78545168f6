// The title bar image shared by the frame painting and the region builder.
#pragma once

namespace skin {

class TWinSkinForm;

// Composes the title bar of a width x height window in the form's
// FrameBitmap (width x BorderTop): the top ends of the side borders, the top
// border, the caption text with its background strip, and the caption
// buttons laid out for this width (FrameWidth becomes `width`). Nothing is
// put on the window. A window without a title bar leaves FrameBitmap empty.
void ComposeTitleBar(TWinSkinForm& form, int width, int height);

}  // namespace skin
