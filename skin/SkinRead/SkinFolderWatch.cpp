#include "skin/SkinRead/SkinFolderWatch.h"

namespace skin {

namespace {

const wchar_t kClassName[] = L"TavrinSkinFolderWatch";
constexpr UINT kChangedMessage = WM_APP + 1;
constexpr UINT_PTR kQuietTimer = 1;

void RegisterWatchClass() {
  static const bool registered = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;  // replaced per window, with its object
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    return RegisterClassW(&windowClass) != 0;
  }();
  (void)registered;
}

// A change notification that closes itself (it is no kernel handle for CloseHandle).
struct TChangeHandle {
  HANDLE Handle;
  ~TChangeHandle() {
    if (Handle != INVALID_HANDLE_VALUE) FindCloseChangeNotification(Handle);
  }
};

}  // namespace

TSkinFolderWatch::TSkinFolderWatch(const std::filesystem::path& folder, std::function<void()> changed)
    : changed_(std::move(changed)) {
  RegisterWatchClass();
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window_) return;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TSkinFolderWatch::WindowProc));
  const DWORD filter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;
  HANDLE change = FindFirstChangeNotificationW(folder.c_str(), FALSE, filter);
  stop_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (change == INVALID_HANDLE_VALUE || !stop_) {
    if (change != INVALID_HANDLE_VALUE) FindCloseChangeNotification(change);
    return;
  }
  worker_ = std::thread([this, change] { Wait(change); });
}

TSkinFolderWatch::~TSkinFolderWatch() {
  if (worker_.joinable()) {
    SetEvent(stop_.Get());
    worker_.join();
  }
  if (window_) DestroyWindow(window_);  // its timer and any note still queued go with it
}

// The worker: one note to the window per change; the window does the rest.
void TSkinFolderWatch::Wait(HANDLE change) {
  const TChangeHandle owned{change};
  const HANDLE handles[2] = {stop_.Get(), change};
  while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    PostMessageW(window_, kChangedMessage, 0, 0);
    if (!FindNextChangeNotification(change)) break;
  }
}

LRESULT CALLBACK TSkinFolderWatch::WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TSkinFolderWatch*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (self && message == kChangedMessage) {
    SetTimer(wnd, kQuietTimer, kQuietMs, nullptr);  // each change starts the quiet time again
    return 0;
  }
  if (self && message == WM_TIMER && wParam == kQuietTimer) {
    KillTimer(wnd, kQuietTimer);
    if (self->changed_) self->changed_();
    return 0;
  }
  return DefWindowProcW(wnd, message, wParam, lParam);
}

}  // namespace skin
