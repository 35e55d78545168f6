// Makes the library's component classes known to the form reader.
#pragma once

namespace ui {

// Registers TPanel, TImage, TTimer, TWebBrowser, the button-class controls
// (StdCtrls.h, Buttons.h) and TToolBar (once; later calls do nothing).
void RegisterStandardClasses();

}  // namespace ui
