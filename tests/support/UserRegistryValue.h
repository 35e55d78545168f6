// A DWORD value of the user's registry set for a test and put back after it
// (deleted when there was none): the system settings a test plays through.
#pragma once

#include <windows.h>

#include <optional>

namespace test_support {

class TUserRegistryValue {
 public:
  TUserRegistryValue(const wchar_t* key, const wchar_t* name) : key_(key), name_(name) {
    DWORD data = 0, size = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &data, &size) == ERROR_SUCCESS)
      saved_ = data;
  }
  ~TUserRegistryValue() {
    if (saved_) Set(*saved_);
    else RegDeleteKeyValueW(HKEY_CURRENT_USER, key_, name_);
  }
  TUserRegistryValue(const TUserRegistryValue&) = delete;
  TUserRegistryValue& operator=(const TUserRegistryValue&) = delete;

  void Set(DWORD value) const { RegSetKeyValueW(HKEY_CURRENT_USER, key_, name_, REG_DWORD, &value, sizeof value); }

 private:
  const wchar_t* key_;
  const wchar_t* name_;
  std::optional<DWORD> saved_;
};

// The app mode and the accent colour as Windows keeps them.
inline TUserRegistryValue AppModeValue() {
  return {L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", L"AppsUseLightTheme"};
}

// Sends a setting announcement to every top-level window, as the system does
// (Wine announces nothing itself).
inline void AnnounceSetting(UINT msg, const wchar_t* area) {
  SendMessageTimeoutW(HWND_BROADCAST, msg, 0, reinterpret_cast<LPARAM>(area), SMTO_ABORTIFHUNG, 2000, nullptr);
}

}  // namespace test_support
