// `skin-gallery --skin PATH` as a real process, with Chinese paths on its
// wide command line: a good skin folder comes up on the frame; a missing
// file is named (with its path) in one message box, after which the
// program starts with its built-in skin; `--colour` likewise.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "GalleryTestSupport.h"
#include "support/SiteProcess.h"
#include "support/SkinFolderCopy.h"
#include "ui/KernelHandle.h"

namespace {

namespace fs = std::filesystem;
using test_support::TSkinFolderCopy;

constexpr DWORD kWaitMs = 30000;

class GalleryProcess {
 public:
  explicit GalleryProcess(const std::wstring& arguments) {
    std::wstring command = L"\"" + fs::path(GALLERY_EXE).wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
      process_.Reset(info.hProcess);
      CloseHandle(info.hThread);
      pid_ = info.dwProcessId;
    }
  }
  ~GalleryProcess() {
    if (!process_) return;
    TerminateProcess(process_.Get(), 0);
    WaitForSingleObject(process_.Get(), kWaitMs);
  }
  GalleryProcess(const GalleryProcess&) = delete;
  GalleryProcess& operator=(const GalleryProcess&) = delete;

  DWORD Pid() const { return pid_; }
  bool Running() const { return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }
  HWND Frame() const {
    const std::vector<HWND> found = test_support::VisibleWindowsOf(pid_, L"TGalleryMain");
    return found.empty() ? nullptr : found[0];
  }
  // The frame's title-bar column once it has painted.
  std::vector<COLORREF> TitleColumn() const {
    HWND frame = nullptr;
    if (!test_support::WaitUntil([&] { return (frame = Frame()) != nullptr; }, kWaitMs)) return {};
    Sleep(1500);  // skinned at its first activation, then painted
    RECT r{};
    GetWindowRect(frame, &r);
    return gallery_test::WindowColumn(frame, (r.right - r.left) / 2, 30);
  }

 private:
  ui::KernelHandle process_;
  DWORD pid_ = 0;
};

TEST(GallerySkinOptionProcess, ChineseSkinFolderComesUpAndAMissingOneIsNamed) {
  const std::vector<COLORREF> builtIn = GalleryProcess(L"--show dialog").TitleColumn();
  ASSERT_FALSE(builtIn.empty());

  const TSkinFolderCopy folder(u8"tavrin_皮肤_进程");
  folder.InvertBitmap("top.bmp");
  {
    GalleryProcess gallery(L"--skin \"" + folder.Path().wstring() + L"\" --show dialog");
    const std::vector<COLORREF> shown = gallery.TitleColumn();
    ASSERT_FALSE(shown.empty());
    EXPECT_NE(shown, builtIn);
    EXPECT_TRUE(test_support::MessageBoxesOf(gallery.Pid()).empty());
  }
  {
    const fs::path missing = folder.Path() / fs::path(u8"没有.skin");
    GalleryProcess gallery(L"--skin \"" + missing.wstring() + L"\" --show dialog");
    std::vector<test_support::ProcessBox> boxes;
    ASSERT_TRUE(test_support::WaitUntil([&] { return !(boxes = test_support::MessageBoxesOf(gallery.Pid())).empty(); },
                                        kWaitMs));
    EXPECT_NE(boxes[0].Text.find(missing.wstring()), std::wstring::npos);
    PostMessageW(boxes[0].Wnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(gallery.TitleColumn(), builtIn);
    EXPECT_TRUE(gallery.Running());
  }
}

// `--colour H,S,B`: the frame comes up in the colour; a bad value is named
// in one message box, and the gallery then starts as without the option.
TEST(GallerySkinOptionProcess, ColourComesUpAndABadOneIsNamed) {
  const std::vector<COLORREF> builtIn = GalleryProcess(L"--show dialog").TitleColumn();
  ASSERT_FALSE(builtIn.empty());
  {
    GalleryProcess gallery(L"--colour 200,0,40 --show dialog");
    const std::vector<COLORREF> shown = gallery.TitleColumn();
    ASSERT_FALSE(shown.empty());
    EXPECT_NE(shown, builtIn);
    EXPECT_TRUE(test_support::MessageBoxesOf(gallery.Pid()).empty());
  }
  {
    GalleryProcess gallery(L"--colour 200,0 --show dialog");
    std::vector<test_support::ProcessBox> boxes;
    ASSERT_TRUE(test_support::WaitUntil([&] { return !(boxes = test_support::MessageBoxesOf(gallery.Pid())).empty(); },
                                        kWaitMs));
    EXPECT_NE(boxes[0].Text.find(L"\"200,0\""), std::wstring::npos) << boxes[0].Text;
    PostMessageW(boxes[0].Wnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(gallery.TitleColumn(), builtIn);
    EXPECT_TRUE(gallery.Running());
  }
}

}  // namespace
