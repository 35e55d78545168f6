#include "ui/StandardClasses.h"

#include "ui/FormReader.h"
#include "ui/Image.h"
#include "ui/Panel.h"
#include "ui/Timer.h"
#include "ui/WebBrowser.h"

namespace ui {

void RegisterStandardClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TPanel>("TPanel");
    RegisterComponentClass<TImage>("TImage");
    RegisterComponentClass<TTimer>("TTimer");
    RegisterComponentClass<TWebBrowser>("TWebBrowser");
    return true;
  }();
  (void)registered;
}

}  // namespace ui
