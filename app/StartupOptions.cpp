#include "app/StartupOptions.h"

#include <commctrl.h>

#include <algorithm>

bool NoSkinOption(const std::vector<std::wstring>& args) {
  return std::find(args.begin(), args.end(), L"--no-skin") != args.end();
}

namespace {
constexpr UINT_PTR kSubclassId = 0x7461;  // any number of our own for this subclass
}  // namespace

TFirstPaintSignal::TFirstPaintSignal(HWND wnd, std::function<bool()> ready) : ready_(std::move(ready)) {
  wchar_t name[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"TAVRIN_FIRST_PAINT_EVENT", name, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  event_ = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
  // Left on the window for its life: removing a subclass that others were put
  // on top of would undo theirs.
  if (event_ && !SetWindowSubclass(wnd, WindowProc, kSubclassId, DWORD_PTR(this))) {
    CloseHandle(event_);
    event_ = nullptr;
  }
}

TFirstPaintSignal::~TFirstPaintSignal() {
  if (event_) CloseHandle(event_);
}

LRESULT CALLBACK TFirstPaintSignal::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
  if (msg == WM_NCDESTROY) {
    auto* signal = reinterpret_cast<TFirstPaintSignal*>(self);
    RemoveWindowSubclass(wnd, WindowProc, kSubclassId);
    if (signal->event_) CloseHandle(signal->event_);
    signal->event_ = nullptr;
    return DefSubclassProc(wnd, msg, wParam, lParam);
  }
  const LRESULT result = DefSubclassProc(wnd, msg, wParam, lParam);
  if (msg == WM_PAINT) reinterpret_cast<TFirstPaintSignal*>(self)->AfterPaint(wnd);
  return result;
}

// The frame was painted before the client (BeginPaint sends WM_NCPAINT);
// the children are painted here, at once, as the message loop would next.
void TFirstPaintSignal::AfterPaint(HWND wnd) {
  if (!event_ || !ready_()) return;
  RedrawWindow(wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
  SetEvent(event_);
  CloseHandle(event_);
  event_ = nullptr;
}
