#include "ui/KeyboardCues.h"

#include <cstdint>
#include <utility>

#include "ui/Menus.h"

namespace ui {

namespace {

// The state as a window property: the hidden flags plus one, so that a
// window keeping its own state with nothing hidden still has the property.
constexpr wchar_t kCueProperty[] = L"TavrinKeyboardCues";

HWND RootOf(HWND wnd) {
  const HWND root = GetAncestor(wnd, GA_ROOT);
  return root ? root : wnd;
}

bool OwnState(HWND root, WORD& hidden) {
  const auto stored = reinterpret_cast<std::uintptr_t>(GetPropW(root, kCueProperty));
  if (stored == 0) return false;
  hidden = WORD(stored - 1);
  return true;
}

void SetOwnState(HWND root, WORD hidden) {
  SetPropW(root, kCueProperty, reinterpret_cast<HANDLE>(std::uintptr_t(hidden) + 1));
}

WORD HiddenAt(HWND wnd) {
  if (!wnd || KeyboardCuesOn()) return 0;
  WORD hidden = 0;
  if (OwnState(RootOf(wnd), hidden)) return hidden;
  return WORD(SendMessageW(wnd, WM_QUERYUISTATE, 0, 0));
}

void ChangeOwnState(HWND root, WORD action, WORD flags) {
  WORD hidden = 0;
  if (!OwnState(root, hidden)) return;
  const WORD changed = action == UIS_SET ? WORD(hidden | flags) : action == UIS_CLEAR ? WORD(hidden & ~flags) : hidden;
  if (changed == hidden) return;
  SetOwnState(root, changed);
  if (!KeyboardCuesOn())
    RedrawWindow(root, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

bool KeyboardCuesOn() {
  BOOL on = TRUE;
  if (!SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &on, 0)) return true;
  return on != FALSE;
}

bool HidesAccessKeys(HWND wnd) { return (HiddenAt(wnd) & UISF_HIDEACCEL) != 0; }
bool HidesFocusRects(HWND wnd) { return (HiddenAt(wnd) & UISF_HIDEFOCUS) != 0; }

TCueText WithCues(bool hideAccessKeys, std::wstring text, UINT format) {
  if (!hideAccessKeys || (format & DT_NOPREFIX)) return {std::move(text), format};
  return {StripHotkey(text), format | DT_NOPREFIX};
}

TCueText WithCues(HWND wnd, std::wstring text, UINT format) { return WithCues(HidesAccessKeys(wnd), std::move(text), format); }

void StartCueState(HWND root) {
  WORD hidden = 0;
  if (OwnState(root, hidden)) return;
  SetOwnState(root, KeyboardCuesOn() ? 0 : WORD(UISF_HIDEACCEL | UISF_HIDEFOCUS));
}

void EndCueState(HWND root) { RemovePropW(root, kCueProperty); }

void ShowCues(HWND wnd, WORD flags) {
  const HWND root = RootOf(wnd);
  ChangeOwnState(root, UIS_CLEAR, flags);
  // The system's state follows where it keeps one.
  if (!KeyboardCuesOn()) SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, flags), 0);
}

void NoteKey(HWND wnd, UINT msg, WPARAM key) {
  WORD flags = 0;
  if (msg == WM_SYSKEYDOWN) flags = UISF_HIDEACCEL;
  else if (msg == WM_KEYDOWN && (key == VK_TAB || (key >= VK_LEFT && key <= VK_DOWN)))
    flags = UISF_HIDEACCEL | UISF_HIDEFOCUS;
  if (flags && !KeyboardCuesOn()) ShowCues(wnd, flags);
}

void NoteUiState(HWND root, WPARAM wParam) { ChangeOwnState(root, LOWORD(wParam), HIWORD(wParam)); }

}  // namespace ui
