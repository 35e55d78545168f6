// A test of this program run again in a child process that starts at another
// system DPI. The DPI is HKCU\Control Panel\Desktop LogPixels, which a process
// reads when it starts; the value goes back as soon as the child has read it
// (the child calls DpiChildStarted first), so that programs started meanwhile
// see it only briefly.
#pragma once

#include <windows.h>

#include <string>

#include "ui/Dpi.h"
#include "ui/GdiHandles.h"
#include "ui/KernelHandle.h"

namespace test_support {

namespace dpi_detail {

constexpr wchar_t kEventVariable[] = L"TAVRIN_DPI_CHILD_EVENT";

class DesktopKey {
 public:
  DesktopKey() {
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_) !=
        ERROR_SUCCESS)
      key_ = nullptr;
  }
  ~DesktopKey() {
    if (key_) RegCloseKey(key_);
  }
  DesktopKey(const DesktopKey&) = delete;
  DesktopKey& operator=(const DesktopKey&) = delete;
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// LogPixels set for a scope, then put back as it was (or removed when it was not there).
class LogPixelsScope {
 public:
  explicit LogPixelsScope(DWORD dpi) {
    DWORD size = sizeof(old_), type = 0;
    hadValue_ = key_.Get() && RegQueryValueExW(key_.Get(), L"LogPixels", nullptr, &type,
                                                reinterpret_cast<BYTE*>(&old_), &size) == ERROR_SUCCESS;
    if (key_.Get()) RegSetValueExW(key_.Get(), L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
  }
  ~LogPixelsScope() { Restore(); }
  LogPixelsScope(const LogPixelsScope&) = delete;
  LogPixelsScope& operator=(const LogPixelsScope&) = delete;
  void Restore() {
    if (!key_.Get() || restored_) return;
    restored_ = true;
    if (hadValue_) RegSetValueExW(key_.Get(), L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof(old_));
    else RegDeleteValueW(key_.Get(), L"LogPixels");
  }

 private:
  DesktopKey key_;
  DWORD old_ = 0;
  bool hadValue_ = false;
  bool restored_ = false;
};

}  // namespace dpi_detail

// Runs the test `name` ("Suite.DISABLED_Case") of this program in a child
// process at system DPI `dpi`; its exit code (0: passed), or ~0 when it did
// not start or end within a minute.
inline DWORD RunTestAtSystemDpi(const std::wstring& name, DWORD dpi) {
  const std::wstring eventName = L"TavrinDpiChild" + std::to_wstring(GetCurrentProcessId());
  ui::KernelHandle started(CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
  SetEnvironmentVariableW(dpi_detail::kEventVariable, eventName.c_str());
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=" + name + L" --gtest_also_run_disabled_tests";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  dpi_detail::LogPixelsScope logPixels(dpi);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return ~DWORD(0);
  ui::KernelHandle process(info.hProcess), thread(info.hThread);
  const HANDLE waits[] = {started.Get(), process.Get()};
  WaitForMultipleObjects(2, waits, FALSE, 60000);
  logPixels.Restore();
  if (WaitForSingleObject(process.Get(), 60000) != WAIT_OBJECT_0) {
    TerminateProcess(process.Get(), 9);
    return ~DWORD(0);
  }
  DWORD code = ~DWORD(0);
  GetExitCodeProcess(process.Get(), &code);
  return code;
}

// In the child: reads the DPI the process starts with, then lets the parent
// put the setting back. Returns that DPI.
inline int DpiChildStarted() {
  const int dpi = ui::SystemDpi();
  ui::WindowDC screen(nullptr);  // the screen's resolution, read now as well
  GetDeviceCaps(screen.Get(), LOGPIXELSY);
  wchar_t name[64] = {};
  if (GetEnvironmentVariableW(dpi_detail::kEventVariable, name, 64)) {
    ui::KernelHandle started(OpenEventW(EVENT_MODIFY_STATE, FALSE, name));
    if (started) SetEvent(started.Get());
  }
  return dpi;
}

}  // namespace test_support
