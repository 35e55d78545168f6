#include "skin/WinSubClass/SkinSizer.h"

namespace skin {

bool TSkinSizer::BeforeDefault(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      // Nothing is drawn, but the update region must be validated: the
      // system sends WM_PAINT for as long as it stays invalid.
      if (!message.WParam) ValidateRect(Handle, nullptr);
      message.Result = 0;
      return false;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    default:
      return true;
  }
}

}  // namespace skin
