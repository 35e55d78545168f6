#include "ui/Application.h"

#include <stdexcept>

#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/TextConv.h"

namespace ui {

TApplication* Application = nullptr;

namespace {

constexpr wchar_t kApplicationClass[] = L"TApplication";

LRESULT CALLBACK ApplicationWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

std::wstring ProgramTitle() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name = path;
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return name.substr(0, name.find_last_of(L'.'));
}

// The first icon group of the program's resources: the resource directory
// lists names before ids and ids in ascending order, as Explorer reads it.
struct TResourceName {
  bool Found = false;
  ULONG_PTR Id = 0;   // an integer id, or 0 for a name
  std::wstring Name;
  LPCWSTR Get() const { return Id ? MAKEINTRESOURCEW(Id) : Name.c_str(); }
};

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
  auto& first = *reinterpret_cast<TResourceName*>(found);
  first.Found = true;
  if (IS_INTRESOURCE(name)) first.Id = reinterpret_cast<ULONG_PTR>(name);
  else first.Name = name;
  return FALSE;  // the first one is all we need
}

// The program's icon in one size, or null. Shared icons stay valid for the
// whole program, so a window class registered once may keep them.
HICON ProgramIcon(int sizeMetric) {
  const HMODULE module = GetModuleHandleW(nullptr);
  TResourceName first;
  EnumResourceNamesW(module, reinterpret_cast<LPCWSTR>(RT_GROUP_ICON), TakeFirstName,
                     reinterpret_cast<LONG_PTR>(&first));
  if (!first.Found) return nullptr;
  const int size = GetSystemMetrics(sizeMetric);
  return static_cast<HICON>(LoadImageW(module, first.Get(), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

TApplication::TApplication() : TComponent(nullptr), screen_(std::make_unique<TScreen>()) {
  if (Application) throw std::logic_error("there is already an application object");
  Title = ProgramTitle();
  icon_ = ProgramIcon(SM_CXICON);
  smallIcon_ = ProgramIcon(SM_CXSMICON);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = ApplicationWndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kApplicationClass;
  RegisterClassExW(&wc);  // fails harmlessly when a previous application object registered it
  handle_ = CreateWindowExW(0, kApplicationClass, Title.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  Application = this;
  Screen = screen_.get();
}

TApplication::~TApplication() {
  mainForm_ = nullptr;
  Destroying();
  DestroyComponents();  // the forms, while the screen still exists
  if (handle_) DestroyWindow(handle_);
  // A quit request left in the queue would end the next message loop at once.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  Screen = nullptr;
  Application = nullptr;
}

void TApplication::Run() {
  if (mainForm_) mainForm_->Show();
  while (!terminated_) {
    try {
      HandleMessage();
    } catch (const std::exception& e) {
      ShowException(e);
    }
  }
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (IsMdiMsg(msg) || IsForeignShortCut(msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

// Ctrl+F4, Ctrl+F6 and Alt+- of the MDI children, which reach the frame's
// client only through this translation.
bool TApplication::IsMdiMsg(MSG& msg) const {
  if (!mainForm_ || mainForm_->FormStyle != fsMDIForm || !mainForm_->ClientHandle()) return false;
  return TranslateMDISysAccel(mainForm_->ClientHandle(), &msg) != FALSE;
}

// A key for a window that is no framework control (the browser's, or the
// edit inside a combo box) is a shortcut of the menus around it all the same;
// the framework's own controls look for shortcuts as they handle the key.
bool TApplication::IsForeignShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  return msg.hwnd && !TWinControl::FindControl(msg.hwnd) && IsMenuShortCut(msg);
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::HandleMessage() {
  if (!ProcessMessage()) WaitForMessage();
}

void TApplication::WaitForMessage() {
  // Sleeps until input or a posted or sent message is there (also one that
  // arrived before the call but was not looked at yet).
  MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::ShowException(const std::exception& e) {
  if (OnException) {
    OnException(e);
    return;
  }
  const std::wstring text = Utf8ToWide(e.what());
  HWND owner = mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr;
  MessageBoxW(owner, text.c_str(), Title.c_str(), MB_OK | MB_ICONERROR);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == mainForm_) mainForm_ = nullptr;
}

void HandleException(const std::exception& e) {
  if (Application) {
    Application->ShowException(e);
  } else {
    OutputDebugStringW(Utf8ToWide(e.what()).c_str());
  }
}

}  // namespace ui
