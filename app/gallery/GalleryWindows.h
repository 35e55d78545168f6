// The gallery's windows, all of them plain Win32 windows that belong to no
// framework form: the skin engine takes each of them over at its first
// activation.
#pragma once

#include <windows.h>

namespace gallery {

struct TGalleryWindows {
  HWND Frame = nullptr;       // MDI frame
  HWND Client = nullptr;      // its MDI client
  HWND Children[2] = {};      // MDI children
  HWND Dialog = nullptr;      // a standard dialog ("#32770") with a few controls
  HWND Foreign = nullptr;     // an ordinary top-level window
};

// Creates and shows every window but the message box.
TGalleryWindows CreateGalleryWindows(HINSTANCE instance);

// The message box of the gallery (modal; returns when it is closed).
void ShowGalleryMessageBox(HWND owner);

}  // namespace gallery
