// Makes the library's component classes known to the form reader.
#pragma once

namespace ui {

// Registers TPanel, TImage, TTimer and TWebBrowser (once; later calls do nothing).
void RegisterStandardClasses();

}  // namespace ui
