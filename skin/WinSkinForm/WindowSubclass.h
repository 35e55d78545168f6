// WindowSubclass: an object-bound window procedure. While attached, every
// message of the window goes to the object's procedure first; what it does not
// consume it passes on with CallOld. The previous procedure is put back by
// Detach, by the destructor and, at the latest, when the window is destroyed
// (WM_NCDESTROY), so a window never calls into a freed object.
//
// How a window reaches its object: the window procedure installed is one of a
// few fixed functions (one per "slot"), and each slot keeps its object in a
// window property of its own. That needs no generated code, works the same on
// x86 and x64 and with any compiler, and lets up to kMaxSlots of these stack on
// one window (a form and a control companion, say) in any order, with foreign
// subclassing in between.
//
// Detaching while another procedure sits on top of ours: when that one is
// ours, the chain is spliced; when it is foreign, our procedure stays in the
// chain as a plain pass-through until the window goes.
//
// Lifetime: the object may be detached or destroyed from inside its own
// procedure (a WM_CLOSE that destroys the window, say); the installed
// procedure never touches it again after the call returns. GUI thread only.
#pragma once

#include <windows.h>

#include <functional>

namespace skin {

class WindowSubclass {
 public:
  // The object's window procedure: return the message result; pass messages
  // on with CallOld.
  using Procedure = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;

  // Procedures of this mechanism that can be stacked on one window.
  static constexpr int kMaxSlots = 4;

  WindowSubclass() = default;
  ~WindowSubclass();
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  // Installs `procedure` on `wnd` (SetWindowLongPtrW, GWLP_WNDPROC). False,
  // changing nothing, when already attached, when `wnd` is no window of this
  // process, or when every slot of the window is taken.
  bool Attach(HWND wnd, Procedure procedure);
  // Puts the previous procedure back. Does nothing when not attached.
  void Detach();
  // Our procedure is in the window's chain.
  bool Attached() const { return link_ != nullptr; }

  // The window and the procedure that was there before ours. Both stay
  // readable after Detach, so a handler can still pass on the message in
  // progress (WM_DESTROY restores first, then passes the message on).
  HWND Window() const { return wnd_; }
  WNDPROC OldProc() const { return oldProc_; }
  // CallWindowProcW with the previous procedure (0 before the first Attach).
  LRESULT CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const;

  struct Link;  // one installation on one window (internal)

 private:
  friend struct LinkAccess;
  Link* link_ = nullptr;
  HWND wnd_ = nullptr;
  WNDPROC oldProc_ = nullptr;
  Procedure procedure_;
};

// The window procedure `wnd` has now (GWLP_WNDPROC), for tests and diagnostics.
WNDPROC CurrentWindowProc(HWND wnd);

}  // namespace skin
