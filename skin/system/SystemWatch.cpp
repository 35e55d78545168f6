#include "skin/system/SystemWatch.h"

#include <cwchar>
#include <exception>

#include "ui/LiveHandles.h"

namespace skin {

namespace {

constexpr wchar_t kClass[] = L"TavrinSystemWatch";

void RegisterWatchClass(WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kClass;
  RegisterClassExW(&wc);  // fails harmlessly when it is registered already
}

}  // namespace

unsigned SystemChangeOf(UINT msg, WPARAM, LPARAM lParam) {
  if (msg == WM_DWMCOLORIZATIONCOLORCHANGED) return scAccent;
  if (msg != WM_SETTINGCHANGE || !lParam) return scNone;
  const auto* area = reinterpret_cast<const wchar_t*>(lParam);
  return std::wcscmp(area, L"ImmersiveColorSet") == 0 ? scAccent | scAppMode : scNone;
}

TSystemWatch::TSystemWatch(std::function<void(unsigned)> changed) : changed_(std::move(changed)) {
  RegisterWatchClass(WndProc);
  // Never shown: a popup without a caption is neither activated nor skinned.
  wnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                         GetModuleHandleW(nullptr), this);
  if (wnd_) ui::CountWindows(1);
}

TSystemWatch::~TSystemWatch() {
  if (!wnd_) return;
  SetWindowLongPtrW(wnd_, GWLP_USERDATA, 0);
  DestroyWindow(wnd_);
  ui::CountWindows(-1);
}

LRESULT CALLBACK TSystemWatch::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TSystemWatch*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (self && self->changed_) {
    if (const unsigned change = SystemChangeOf(msg, wParam, lParam)) {
      try {
        self->changed_(change);
      } catch (const std::exception&) {
        // Out of memory while following: the windows keep the colour they have.
      }
      return 0;
    }
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

}  // namespace skin
