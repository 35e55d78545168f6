#include "skin/WinSkinForm/WindowSubclass.h"

#include <array>
#include <utility>

namespace skin {

// One installation on one window. It outlives its owner when the owner lets go
// while a message is being dispatched, or while a foreign procedure sits above
// ours; it is freed once it is neither installed, owned nor dispatching.
struct WindowSubclass::Link {
  HWND wnd = nullptr;
  int slot = 0;
  WNDPROC oldProc = nullptr;
  WindowSubclass* owner = nullptr;
  int depth = 0;  // dispatches in progress
  bool installed = false;
};

struct LinkAccess {
  static LRESULT Dispatch(int slot, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static bool Unhook(WindowSubclass::Link* link, bool windowGone);
  static void FreeIfUnused(WindowSubclass::Link* link);
  static void SetOldProc(WindowSubclass::Link* link, WNDPROC proc);
};

namespace {

using Link = WindowSubclass::Link;

constexpr std::array<const wchar_t*, WindowSubclass::kMaxSlots> kSlotNames = {
    L"Tavrin.Subclass.0", L"Tavrin.Subclass.1", L"Tavrin.Subclass.2", L"Tavrin.Subclass.3"};

template <int Slot>
LRESULT CALLBACK SlotProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return LinkAccess::Dispatch(Slot, wnd, msg, wParam, lParam);
}

constexpr std::array<WNDPROC, WindowSubclass::kMaxSlots> kSlotProcs = {SlotProc<0>, SlotProc<1>,
                                                                       SlotProc<2>, SlotProc<3>};

Link* LinkOf(HWND wnd, int slot) { return static_cast<Link*>(GetPropW(wnd, kSlotNames[std::size_t(slot)])); }

int FreeSlot(HWND wnd) {
  for (int slot = 0; slot < WindowSubclass::kMaxSlots; ++slot)
    if (!LinkOf(wnd, slot)) return slot;
  return -1;
}

// Our installation whose saved procedure is `slot`'s: the one right above it.
Link* LinkAbove(HWND wnd, int slot) {
  for (int other = 0; other < WindowSubclass::kMaxSlots; ++other) {
    Link* link = LinkOf(wnd, other);
    if (link && link->installed && link->oldProc == kSlotProcs[std::size_t(slot)]) return link;
  }
  return nullptr;
}

bool BelongsToThisProcess(HWND wnd) {
  DWORD process = 0;
  return IsWindow(wnd) && GetWindowThreadProcessId(wnd, &process) && process == GetCurrentProcessId();
}

}  // namespace

void LinkAccess::SetOldProc(Link* link, WNDPROC proc) {
  link->oldProc = proc;
  if (link->owner) link->owner->oldProc_ = proc;
}

// Takes our procedure out of the window's chain. Without `windowGone` that
// fails while a foreign procedure is above ours (it would call a procedure
// that is no longer there); the link then stays as a pass-through.
bool LinkAccess::Unhook(Link* link, bool windowGone) {
  if (!link->installed) return true;
  const WNDPROC ours = kSlotProcs[std::size_t(link->slot)];
  if (CurrentWindowProc(link->wnd) == ours) {
    SetWindowLongPtrW(link->wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link->oldProc));
  } else if (Link* above = LinkAbove(link->wnd, link->slot)) {
    SetOldProc(above, link->oldProc);
  } else if (!windowGone) {
    return false;
  }
  RemovePropW(link->wnd, kSlotNames[std::size_t(link->slot)]);
  link->installed = false;
  return true;
}

void LinkAccess::FreeIfUnused(Link* link) {
  if (!link->installed && !link->owner && link->depth == 0) delete link;
}

LRESULT LinkAccess::Dispatch(int slot, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Link* link = LinkOf(wnd, slot);
  if (!link) return DefWindowProcW(wnd, msg, wParam, lParam);  // cannot happen while installed
  ++link->depth;
  LRESULT result = 0;
  try {
    if (link->owner) {
      // A copy: the owner may be detached or freed while its procedure runs.
      const WindowSubclass::Procedure procedure = link->owner->procedure_;
      result = procedure(msg, wParam, lParam);
    } else {
      result = CallWindowProcW(link->oldProc, wnd, msg, wParam, lParam);
    }
  } catch (...) {
    result = 0;  // exceptions never cross the system's window-procedure frames
  }
  --link->depth;
  if (msg == WM_NCDESTROY && link->installed) {
    Unhook(link, true);
    if (link->owner) {
      link->owner->link_ = nullptr;
      link->owner = nullptr;
    }
  }
  FreeIfUnused(link);
  return result;
}

WindowSubclass::~WindowSubclass() { Detach(); }

bool WindowSubclass::Attach(HWND wnd, Procedure procedure) {
  if (link_ || !procedure || !BelongsToThisProcess(wnd)) return false;
  const int slot = FreeSlot(wnd);
  if (slot < 0) return false;

  auto* link = new Link{wnd, slot, CurrentWindowProc(wnd), this, 0, true};
  if (!SetPropW(wnd, kSlotNames[std::size_t(slot)], link)) {
    delete link;
    return false;
  }
  SetLastError(0);
  const LONG_PTR previous =
      SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(kSlotProcs[std::size_t(slot)]));
  if (previous == 0 && GetLastError() != 0) {
    RemovePropW(wnd, kSlotNames[std::size_t(slot)]);
    delete link;
    return false;
  }
  link->oldProc = reinterpret_cast<WNDPROC>(previous);
  link_ = link;
  wnd_ = wnd;
  oldProc_ = link->oldProc;
  procedure_ = std::move(procedure);
  return true;
}

void WindowSubclass::Detach() {
  Link* link = std::exchange(link_, nullptr);
  if (!link) return;
  LinkAccess::Unhook(link, false);
  link->owner = nullptr;
  LinkAccess::FreeIfUnused(link);
}

LRESULT WindowSubclass::CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const {
  if (!oldProc_) return 0;
  return CallWindowProcW(oldProc_, wnd_, msg, wParam, lParam);
}

WNDPROC CurrentWindowProc(HWND wnd) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC));
}

}  // namespace skin
