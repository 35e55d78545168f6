// The installer as a user runs it: a silent install into a temporary folder
// (its name in Chinese, which the system's code page may not hold), the files,
// shortcuts and uninstall entry it leaves, the installed program starting its
// own site server and getting an exercise's page from it, and the silent
// uninstaller taking everything away again.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/SitePort.h"
#include "app/TrainingSite.h"
#include "support/SiteProcess.h"
#include "ui/KernelHandle.h"

namespace {

namespace fs = std::filesystem;
using training_site::TPortState;

const fs::path kSetup = TAVRIN_SETUP_EXE;
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tavrin";
constexpr DWORD kLongWaitMs = 120000;

std::set<std::string> ExpectedFiles() {
  std::set<std::string> files{"Uninstall.exe"};
  std::ifstream list(TAVRIN_PACKAGE_FILES);
  for (std::string line; std::getline(list, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) files.insert(line);
  }
  return files;
}

std::set<std::string> FilesBelow(const fs::path& folder) {
  std::set<std::string> files;
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), folder).generic_string());
  }
  return files;
}

// Runs a command line to its end; its exit code, or nothing when it did not end in time.
std::optional<DWORD> RunToEnd(std::wstring command) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return std::nullopt;
  }
  ui::KernelHandle process(info.hProcess), thread(info.hThread);
  if (WaitForSingleObject(process.Get(), kLongWaitMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process.Get(), &code);
  return code;
}

// The uninstall entry's display name, looked for where an all-users and a
// per-user install put it (a 32-bit installer's in the 32-bit view).
std::wstring UninstallDisplayName() {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    for (DWORD view : {DWORD(0), DWORD(RRF_SUBKEY_WOW6432KEY)}) {
      wchar_t name[256] = {};
      DWORD size = sizeof(name);
      if (RegGetValueW(root, kUninstallKey, L"DisplayName", RRF_RT_REG_SZ | view, nullptr, name, &size) ==
          ERROR_SUCCESS) {
        return name;
      }
    }
  }
  return {};
}

fs::path StartMenuFolder(int which) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, which, nullptr, SHGFP_TYPE_CURRENT, path);
  return fs::path(path) / L"Tavrin集中力训练";
}

// The shortcut folder the installer made (all users, or the user's own).
fs::path Shortcuts() {
  const fs::path common = StartMenuFolder(CSIDL_COMMON_PROGRAMS);
  return fs::exists(common) ? common : StartMenuFolder(CSIDL_PROGRAMS);
}

HWND MainWindowOf(DWORD pid) {
  const std::vector<HWND> found = test_support::VisibleWindowsOf(pid, L"TForm1");
  return found.empty() ? nullptr : found.front();
}

class PackageInstall : public ::testing::Test {
 protected:
  PackageInstall() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    dir_ = fs::path(temp) / (L"Tavrin 安装测试 " + std::to_wstring(std::random_device{}()));
  }
  ~PackageInstall() override {  // a failed test leaves nothing behind
    std::error_code error;
    if (fs::exists(dir_ / L"Uninstall.exe", error)) RunToEnd(L"\"" + (dir_ / L"Uninstall.exe").wstring() + L"\" /S");
    fs::remove_all(dir_, error);
  }

  fs::path dir_;
};

TEST_F(PackageInstall, InstallsRunsWithItsOwnSiteAndUninstallsCompletely) {
  ASSERT_TRUE(fs::exists(kSetup)) << kSetup;
  const std::optional<int> port = training_site::LoopbackPort(training_site::BuiltInHost());
  if (!port) GTEST_SKIP() << "built for a training host of another machine: no local site to test";
  ASSERT_EQ(training_site::ProbePort(*port, 1500), TPortState::Free)
      << "port " << *port << " is in use on this machine; the installed program must start its own server";

  // NSIS wants /D= last and unquoted.
  ASSERT_EQ(RunToEnd(L"\"" + kSetup.wstring() + L"\" /S /D=" + dir_.wstring()), std::optional<DWORD>(0));
  EXPECT_EQ(FilesBelow(dir_), ExpectedFiles());
  EXPECT_EQ(UninstallDisplayName(), L"Tavrin集中力训练");
  const fs::path shortcuts = Shortcuts();
  for (const wchar_t* link : {L"Tavrin集中力训练 (Tavrin attention training).lnk", L"皮肤展示 (Skin gallery).lnk",
                              L"卸载 (Uninstall).lnk"}) {
    EXPECT_TRUE(fs::exists(shortcuts / link)) << fs::path(link).string();
  }

  // The installed program, started from elsewhere, with no server of ours.
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  std::wstring command = L"\"" + (dir_ / L"Tavrin.exe").wstring() + L"\"";
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, temp, &startup, &info));
  ui::KernelHandle program(info.hProcess), thread(info.hThread);
  HWND form = nullptr;
  ASSERT_TRUE(test_support::WaitUntil([&] { return (form = MainWindowOf(info.dwProcessId)) != nullptr; }, kLongWaitMs));
  EXPECT_EQ(training_site::ProbePort(*port, 1500), TPortState::Ours);
  const auto servers = test_support::ChildProcesses(info.dwProcessId, L"tavrin_site.exe");
  ASSERT_EQ(servers.size(), 1u) << "the program started the bundled server";
  ui::KernelHandle server(OpenProcess(SYNCHRONIZE, FALSE, servers[0]));

  // 初级测试 (Image1 at 8, 8, 139 x 42 on the header panel): its task box shows
  // once the quiz page has loaded.
  HWND panel = FindWindowExW(form, nullptr, L"TPanel", nullptr);
  ASSERT_NE(panel, nullptr);
  PostMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8 + 139 / 2, 8 + 42 / 2));
  PostMessageW(panel, WM_LBUTTONUP, 0, MAKELPARAM(8 + 139 / 2, 8 + 42 / 2));
  std::vector<test_support::ProcessBox> boxes;
  ASSERT_TRUE(test_support::WaitUntil(
      [&] { return !(boxes = test_support::MessageBoxesOf(info.dwProcessId)).empty(); }, kLongWaitMs));
  EXPECT_EQ(boxes[0].Caption, L"开始");
  EXPECT_EQ(boxes[0].Text.rfind(L"请找出下面显示的字母出现了多少次？", 0), 0u) << "the task";
  // Wine's browser reports a finished download for a page that could not be
  // had too, so the box alone does not tell; the page is there to be had:
  const test_support::HttpAnswer quiz = test_support::HttpGet(*port, "/soft/tavrin.aspx");
  EXPECT_EQ(quiz.Status(), 200);
  EXPECT_NE(quiz.Body.find("<tr><td>D</td><td>3</td><td>4</td><td>6</td>"), std::string::npos);
  PostMessageW(boxes[0].Wnd, WM_COMMAND, IDOK, 0);

  PostMessageW(form, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(program.Get(), kLongWaitMs), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(server.Get(), 10000), WAIT_OBJECT_0) << "the server ends with the program";
  EXPECT_TRUE(test_support::WaitUntil(
      [&] { return training_site::ProbePort(*port, 1500) == TPortState::Free; }, 10000));

  // The uninstaller copies itself away and goes on after this returns.
  ASSERT_EQ(RunToEnd(L"\"" + (dir_ / L"Uninstall.exe").wstring() + L"\" /S"), std::optional<DWORD>(0));
  EXPECT_TRUE(test_support::WaitUntil(
      [&] { return !fs::exists(dir_) && UninstallDisplayName().empty() && !fs::exists(shortcuts); }, kLongWaitMs))
      << "left: " << testing::PrintToString(FilesBelow(dir_)) << testing::PrintToString(FilesBelow(shortcuts))
      << " entry: " << !UninstallDisplayName().empty();
}

}  // namespace
