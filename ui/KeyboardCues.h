// Keyboard cues: access-key underlines and focus rectangles. Where the user
// has them off (SPI_GETKEYBOARDCUES), a window shows them only once the
// keyboard has been used in it: underlines after Alt, both after keyboard
// navigation. The system keeps that state per window (WM_QUERYUISTATE); a
// window whose skin draws its own frame and controls keeps it on its root
// window here too, since not every system keeps it (Wine keeps none), and
// every painter asks these functions before it draws an underline or a focus
// rectangle.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// The user's setting: cues always shown.
bool KeyboardCuesOn();
// The cues hidden at `wnd` now (always false while the setting is on).
bool HidesAccessKeys(HWND wnd);
bool HidesFocusRects(HWND wnd);

// A text as DrawText is to show it with its access keys hidden or not: the
// prefix characters taken out and DT_NOPREFIX added while they are hidden
// (what DT_HIDEPREFIX means, which not every system honours: Wine does not).
struct TCueText {
  std::wstring Text;
  UINT Format;
};
TCueText WithCues(bool hideAccessKeys, std::wstring text, UINT format);
// The same for a text drawn at `wnd`.
TCueText WithCues(HWND wnd, std::wstring text, UINT format);

// `root` keeps its own cue state from now on: both hidden while the setting
// is off, as for a window opened with the mouse.
void StartCueState(HWND root);
// Forgets it (before the window goes or is given back to the system).
void EndCueState(HWND root);
// The keyboard was used at `wnd`: the cues in `flags` (UISF_HIDEACCEL,
// UISF_HIDEFOCUS) show on its root from now on; the window and its children
// are painted again when that changes anything.
void ShowCues(HWND wnd, WORD flags);
// A key message at `wnd`: Alt (and every key with it) shows the access keys,
// Tab and the arrow keys show the focus rectangles too.
void NoteKey(HWND wnd, UINT msg, WPARAM key);
// A WM_UPDATEUISTATE or WM_CHANGEUISTATE the root received: the system's
// own request to show or hide cues is kept too.
void NoteUiState(HWND root, WPARAM wParam);

}  // namespace ui
