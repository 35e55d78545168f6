// Tracking a popup of the skinned menu bar. TrackPopupMenu runs the system's
// modal menu loop; a thread-local WH_MSGFILTER hook, installed only while the
// popup is open, watches that loop: Left and Right (exchanged in a
// right-to-left menu) and the mouse moving over another bar item close the
// popup and open the neighbouring one, Alt ends the tracking. A popup opened
// from the keyboard (an accelerator or an arrow key) starts with its first
// entry selected, as a system menu bar's does.
//
// Switching ends the system's menu loop (EndMenu) and opens the next item once
// TrackPopupMenu has returned, from the same call: a click posted to the
// window instead would, on some systems, be dispatched inside the closing menu
// loop and try to open a popup while one is still active.
#include <windows.h>

#include <iterator>
#include <memory>
#include <string>

#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSkinForm/WinSkinMenu.h"
#include "skin/manager/SkinManage.h"
#include "ui/Menus.h"

namespace skin {

namespace {

constexpr int kMaxMenuDepth = 16;  // a menu tree deeper than this is not searched

// One menu at a time is tracked in the process.
struct TTracking {
  TWinSkinMenu* Menu = nullptr;        // the bar whose item is open
  TWinSkinForm* Form = nullptr;        // TrackingForm
  int OpenIndex = -1;                  // Index of the open item
  ui::TMenuItem* SelectedItem = nullptr;  // framework item selected in the open popup
  bool SwitchPending = false;          // the popup closes to open PendingIndex
  int PendingIndex = -1;
  bool SwitchByKey = false;            // an arrow key asked for the switch
  POINT LastMousePos{};
  HHOOK Hook = nullptr;
};

TTracking tracking;

// The deepest highlighted item of the open popup hierarchy.
struct TSelection {
  HMENU Menu = nullptr;     // the menu holding it
  HMENU SubMenu = nullptr;  // its own popup, null for a command item
  UINT Command = 0;
};

TSelection FindSelection(HMENU menu) {
  TSelection selection;
  for (int depth = 0; menu && depth < kMaxMenuDepth; ++depth) {
    const int count = GetMenuItemCount(menu);
    int hit = -1;
    for (int i = 0; i < count && hit < 0; ++i) {
      const UINT state = GetMenuState(menu, UINT(i), MF_BYPOSITION);
      if (state != UINT(-1) && (state & MF_HILITE)) hit = i;
    }
    if (hit < 0) break;
    selection = TSelection{menu, GetSubMenu(menu, hit), GetMenuItemID(menu, hit)};
    menu = selection.SubMenu;  // an open sub-popup holds the selection when it highlights an item
  }
  return selection;
}

ui::TMenuItem* FrameworkItem(const TSelection& selection) {
  ui::TMainMenu* menu = tracking.Menu ? tracking.Menu->Menu : nullptr;
  if (!menu || !selection.Menu) return nullptr;
  if (selection.SubMenu) return menu->FindItem(reinterpret_cast<UINT_PTR>(selection.SubMenu), ui::fkHandle);
  return menu->FindItem(selection.Command, ui::fkCommand);
}

bool RightToLeft() {
  ui::TMainMenu* menu = tracking.Menu ? tracking.Menu->Menu : nullptr;
  return menu && menu->IsRightToLeft();
}

// The bar item `step` places from the open one, wrapping at both ends.
TMenuBtn* Neighbour(int step) {
  const auto& items = tracking.Menu->Items;
  const int count = int(items.size());
  if (count == 0 || tracking.OpenIndex < 0) return nullptr;
  return items[std::size_t(((tracking.OpenIndex + step) % count + count) % count)].get();
}

// An arrow key inside the open popup: the bar item it moves to, or null when
// the system's own handling applies (closing or opening a sub-popup).
TMenuBtn* ArrowTarget(WPARAM key) {
  const TSelection selection = FindSelection(tracking.Form->TrackedMenu);
  tracking.SelectedItem = FrameworkItem(selection);
  // Nothing highlighted yet (the popup was just opened): the first level.
  const bool firstLevel = !selection.Menu || selection.Menu == tracking.Form->TrackedMenu;
  if (key == VK_LEFT && firstLevel) return Neighbour(-1);
  if (key == VK_RIGHT && !selection.SubMenu) return Neighbour(+1);
  return nullptr;
}

LRESULT CALLBACK MenuFilterProc(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == MSGF_MENU && msg && msg->message == WM_KEYDOWN && RightToLeft()) {
    if (msg->wParam == VK_LEFT) msg->wParam = VK_RIGHT;
    else if (msg->wParam == VK_RIGHT) msg->wParam = VK_LEFT;
  }
  const LRESULT result = CallNextHookEx(tracking.Hook, code, wParam, lParam);
  if (result || code != MSGF_MENU || !msg || !tracking.Menu || !tracking.Form) return result;
  TMenuBtn* target = nullptr;
  switch (msg->message) {
    case WM_KEYDOWN:
      if (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE) tracking.SwitchPending = false;
      else if (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT) target = ArrowTarget(msg->wParam);
      break;
    case WM_SYSKEYDOWN:
      if (msg->wParam == VK_MENU) tracking.Form->MenuTracking = false;
      return result;
    case WM_MENUSELECT:
      if (HIWORD(msg->wParam) == 0xFFFF && msg->lParam == 0) {  // the menu closed
        if (!tracking.SwitchPending) tracking.Form->MenuTracking = false;
        return result;
      }
      tracking.SwitchPending = false;
      break;
    case WM_MOUSEMOVE:
      if (msg->pt.x != tracking.LastMousePos.x || msg->pt.y != tracking.LastMousePos.y) {
        target = tracking.Menu->ItemAt(tracking.Form->ScreenToFrame(msg->pt.x, msg->pt.y));
        tracking.LastMousePos = msg->pt;
      }
      break;
    default:
      break;
  }
  if (!target || target->Index == tracking.OpenIndex) return result;
  tracking.SwitchPending = true;
  tracking.PendingIndex = target->Index;
  tracking.SwitchByKey = msg->message == WM_KEYDOWN;
  EndMenu();
  // The key that switched is used up here; the system would act on it in the closing popup.
  return msg->message == WM_KEYDOWN ? 1 : result;
}

void InstallHook() {
  tracking.SwitchPending = false;
  tracking.PendingIndex = -1;
  tracking.SwitchByKey = false;
  GetCursorPos(&tracking.LastMousePos);
  if (!tracking.Hook) tracking.Hook = SetWindowsHookExW(WH_MSGFILTER, MenuFilterProc, nullptr, GetCurrentThreadId());
}

void RemoveHook() {
  if (tracking.Hook) UnhookWindowsHookEx(tracking.Hook);
  tracking.Hook = nullptr;
  tracking.SelectedItem = nullptr;
  tracking.OpenIndex = -1;
}

// Windows NT 4.0 draws owner-drawn popups of a menu bar wrongly: its items stay as they are.
bool IsWindowsNT4() { return (WinVersion & 0x80000000u) == 0 && (WinVersion & 0xFF) == 4; }

// The item's own text, read before it turns owner-drawn.
std::wstring ItemString(HMENU menu, UINT position) {
  wchar_t text[256] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = text;
  info.cch = UINT(std::size(text) - 1);
  return GetMenuItemInfoW(menu, position, TRUE, &info) ? std::wstring(text) : std::wstring();
}

// Records each item it changes in the bar's OwnerDrawnItems, for the detach
// to undo. An item without data of its owner's gets its text as MSAAMENUINFO
// there (ItemTexts), so a screen reader still reads it.
void MakeOwnerDrawn(HMENU menu, int depth, TWinSkinMenu& bar) {
  if (!menu || depth > kMaxMenuDepth) return;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info)) continue;
    if (!(info.fType & MFT_OWNERDRAW)) {
      // Only the type changes: the text stays for the measuring and drawing.
      MENUITEMINFOW type{};
      type.cbSize = sizeof(type);
      type.fMask = MIIM_FTYPE;
      type.fType = info.fType | MFT_OWNERDRAW;
      std::unique_ptr<ui::TMenuItemText> text;
      if (!info.dwItemData && !(info.fType & MFT_SEPARATOR)) {
        text = std::make_unique<ui::TMenuItemText>(ItemString(menu, UINT(i)));
        type.fMask |= MIIM_DATA;
        type.dwItemData = text->Data();
      }
      if (SetMenuItemInfoW(menu, UINT(i), TRUE, &type)) {
        bar.OwnerDrawnItems.push_back({menu, UINT(i), info.wID, info.hSubMenu, text ? text->Data() : 0});
        if (text) bar.ItemTexts.push_back(std::move(text));
      }
    }
    if (info.hSubMenu) MakeOwnerDrawn(info.hSubMenu, depth + 1, bar);
  }
}

}  // namespace

bool TWinSkinMenu::OpenMenuItem(TMenuBtn* item) {
  TWinSkinForm* form = SkinForm;  // outlives this bar while its window procedure runs
  HWND wnd = form->Handle;
  bool opened = false;
  bool selectFirst = KeyOpenIndex >= 0 && KeyOpenIndex == (item ? item->Index : -1);
  KeyOpenIndex = -1;
  // The bar's menu mode, announced as a system menu bar announces its own.
  struct TMenuMode {
    HWND Wnd;
    bool On = false;
    void Start() {
      if (!On) NotifyWinEvent(EVENT_SYSTEM_MENUSTART, Wnd, OBJID_MENU, CHILDID_SELF);
      On = true;
    }
    ~TMenuMode() {
      if (On) NotifyWinEvent(EVENT_SYSTEM_MENUEND, Wnd, OBJID_MENU, CHILDID_SELF);
    }
  } mode{wnd};
  while (item) {
    // An item whose identifier is only its popup's handle (as AppendMenu gives
    // it) has no command: the low word of a handle could be another item's.
    if (!item->SubMenu || item->Command != UINT(UINT_PTR(item->SubMenu)))
      PostMessageW(wnd, WM_COMMAND, LOWORD(item->Command), 0);
    if (!item->SubMenu) return opened;
    opened = true;
    mode.Start();
    tracking.Menu = this;
    tracking.Form = form;
    tracking.OpenIndex = item->Index;
    RECT window{};
    GetWindowRect(wnd, &window);
    form->WindowRect = window;
    if (!IsWindowsNT4()) MakeOwnerDrawn(item->SubMenu, 0, *this);
    form->MenuTracking = true;
    form->TrackedMenu = item->SubMenu;
    InstallHook();
    if (item->Enabled) {
      // Opened from the keyboard: the menu loop takes this Down first and
      // selects the popup's first entry, as a system menu bar does.
      if (selectFirst) PostMessageW(wnd, WM_KEYDOWN, VK_DOWN, 0);
      // The popup as the bar's item opened it (not every system tells of
      // popups tracked for a window).
      const LONG child = item->Index + 1;
      NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPSTART, wnd, OBJID_MENU, child);
      TrackPopupMenu(item->SubMenu, TPM_NONOTIFY | TPM_RIGHTBUTTON, window.left + item->Rect.left,
                     window.top + item->Rect.bottom, 0, wnd, nullptr);
      NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPEND, wnd, OBJID_MENU, child);
    }
    RemoveHook();
    form->MenuTracking = false;
    if (tracking.Menu != this) return true;  // the bar went while the popup was open
    tracking.Menu = nullptr;
    tracking.Form = nullptr;
    const int next = tracking.SwitchPending ? tracking.PendingIndex : -1;
    selectFirst = tracking.SwitchByKey;
    tracking.SwitchPending = false;
    // The open item shows normal again; the next one (if any) shows pressed.
    if (form->HotObject == item) item->MouseLeave();
    item = next >= 0 && next < int(Items.size()) ? Items[std::size_t(next)].get() : nullptr;
    if (item) item->MouseDown();
  }
  return opened;
}

// A bar freed while its popup is open (the window detached meanwhile) ends the popup.
void ForgetTrackingMenu(TWinSkinMenu* menu) {
  if (tracking.Menu != menu) return;
  tracking.Menu = nullptr;
  tracking.Form = nullptr;
  EndMenu();
}

}  // namespace skin
