// The test road under Wine: a crashing child process reports a non-zero exit
// code, and a captioned window on the virtual desktop reads back its pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(Road, WindowPixelsReadBack) {
  HWND wnd = CreateWindowExW(0, L"STATIC", L"road", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                             100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  HDC dc = GetWindowDC(wnd);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT r{0, 0, 20, 20};
  FillRect(dc, &r, red);
  EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));
  DeleteObject(red);
  ReleaseDC(wnd, dc);
  DestroyWindow(wnd);
}

// Run only as a child process by the test below.
TEST(Road, DISABLED_Crash) {
  volatile int* nowhere = nullptr;
  *nowhere = 1;
}

TEST(Road, CrashEndsWithNonZeroStatus) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring cmd = L"\"" + std::wstring(self) +
                     L"\" --gtest_filter=Road.DISABLED_Crash --gtest_also_run_disabled_tests";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &si, &pi));
  ASSERT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  EXPECT_EQ(code, 3u);
}

// Windows that keep the system's frame draw their caption-button glyphs with
// Marlett; without it they show letters ("0 1 r").
TEST(Road, CaptionGlyphFontIsInstalled) {
  HDC dc = GetDC(nullptr);
  LOGFONTW lf{};
  lf.lfHeight = -13;
  lf.lfCharSet = SYMBOL_CHARSET;
  lstrcpyW(lf.lfFaceName, L"Marlett");
  HFONT font = CreateFontIndirectW(&lf);
  HGDIOBJ old = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  EXPECT_STREQ(face, L"Marlett");
}
