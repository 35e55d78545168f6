// Counting the GDI and USER objects of this process, for leak tests.
#pragma once

#include <windows.h>

namespace handle_counts {

// Live GDI objects of this process. Where the system does not count them
// (Wine answers 0), every slot of the handle table is probed: Wine takes a
// GDI handle given by its slot number alone.
inline DWORD GdiObjects() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return counted;
  DWORD live = 0;
  for (ULONG_PTR slot = 1; slot < 0x10000; ++slot)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot))) ++live;
  return live;
}

// Live USER objects, where the system counts them (not under Wine; there an
// icon copy left behind still shows, through the bitmaps it holds).
inline DWORD UserObjects() { return GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS); }

}  // namespace handle_counts
