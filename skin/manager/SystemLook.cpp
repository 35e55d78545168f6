#include "skin/manager/SystemLook.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace skin {

namespace {
std::optional<bool> testHighContrast;
}

bool HighContrastOn() {
  if (testHighContrast) return *testHighContrast;
#ifdef _WIN32
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
#else
  return false;
#endif
}

void SetHighContrastForTests(std::optional<bool> on) { testHighContrast = on; }

}  // namespace skin
