// Window captions and class names read from a real window.
#include <gtest/gtest.h>

#include <string>

#include "skin/draw/WindowText.h"

namespace {

constexpr wchar_t kClassName[] = L"TavrinDrawTestWindow";

class Window {
 public:
  explicit Window(const std::wstring& caption) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);  // fails harmlessly when already registered
    wnd_ = CreateWindowExW(0, kClassName, caption.c_str(), WS_OVERLAPPEDWINDOW, 10, 10, 300, 100,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~Window() {
    if (wnd_) DestroyWindow(wnd_);
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  HWND Get() const { return wnd_; }

 private:
  HWND wnd_ = nullptr;
};

}  // namespace

TEST(WindowText, ChineseCaptionsAndClassNamesRoundTrip) {
  const std::wstring caption = L"Tavrin\u96C6\u4E2D\u529B\u8BAD\u7EC3";  // the program's title
  Window window(caption);
  ASSERT_NE(window.Get(), nullptr);
  EXPECT_EQ(skin::GetWindowTextString(window.Get()), caption);
  EXPECT_EQ(skin::GetClassNameString(window.Get()), kClassName);
}

TEST(WindowText, LongTextsAreCutAtTheLimit) {
  Window window(std::wstring(1500, L'\u5B57'));
  ASSERT_NE(window.Get(), nullptr);
  EXPECT_EQ(skin::GetWindowTextString(window.Get()), std::wstring(999, L'\u5B57'));
}

TEST(WindowText, GoneWindowsGiveEmptyStrings) {
  HWND gone = nullptr;
  {
    Window window(L"x");
    gone = window.Get();
  }
  EXPECT_EQ(skin::GetWindowTextString(gone), L"");
  EXPECT_EQ(skin::GetClassNameString(gone), L"");
  skin::SkinTrace("***** SetMdiMax True");  // a sink that takes anything
  skin::SkinTrace(L"\u8BAD\u7EC3");
}
