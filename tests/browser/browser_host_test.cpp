// The real web-browser control hosted in a real window, driven against the
// site's pages on a loopback server. Without rendering (no Wine Gecko) the
// control still downloads, reports DownloadComplete and its location.
#include "support/LoopbackSite.h"
#include "ui/WebBrowserHost.h"

#include <ole2.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>

namespace {

constexpr DWORD kDeadlineMs = 60000;

struct WindowDeleter {
  void operator()(HWND hwnd) const { DestroyWindow(hwnd); }
};
using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

WindowHandle CreateTopLevelWindow() {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = L"TavrinBrowserTestWindow";
    return RegisterClassExW(&wc);
  }();
  if (!atom) return nullptr;
  return WindowHandle(CreateWindowExW(0, L"TavrinBrowserTestWindow", L"browser host test",
                                      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 40, 40,
                                      713, 548, nullptr, nullptr, GetModuleHandleW(nullptr),
                                      nullptr));
}

// Dispatches messages, sleeping in between, until `done` or the deadline.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = kDeadlineMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!done()) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return true;
}

RECT WindowRectInParent(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class BrowserHost : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    window_ = CreateTopLevelWindow();
    ASSERT_TRUE(window_);
  }
  void TearDown() override {
    window_.reset();
    OleUninitialize();
  }

  HWND window() const { return window_.get(); }

  std::unique_ptr<ui::IWebBrowserEngine> CreateBrowser(RECT bounds = {0, 57, 705, 521}) {
    return ui::CreateActiveXBrowser(window(), bounds);
  }

 private:
  WindowHandle window_;
};

TEST_F(BrowserHost, HostsTheControlInPlaceInAChildWindow) {
  auto browser = CreateBrowser();
  ASSERT_TRUE(browser);
  EXPECT_EQ(browser->LocationURL(), L"");

  const HWND host = GetWindow(window(), GW_CHILD);
  ASSERT_TRUE(host);
  EXPECT_TRUE(SameRect(WindowRectInParent(host), RECT{0, 57, 705, 521}));
  const HWND control = GetWindow(host, GW_CHILD);
  ASSERT_TRUE(control) << "the control has no window in the host";

  browser->SetBounds(RECT{10, 20, 310, 220});
  EXPECT_TRUE(SameRect(WindowRectInParent(host), RECT{10, 20, 310, 220}));
  RECT inner{};
  GetClientRect(control, &inner);
  EXPECT_EQ(inner.right - inner.left, 300);
  EXPECT_EQ(inner.bottom - inner.top, 200);
}

TEST_F(BrowserHost, DownloadCompleteReportsTheQuizPage) {
  test::LoopbackSite site(test::TrainingSiteRoot());
  ASSERT_NE(site.port(), 0);
  const std::wstring quizUrl =
      L"http://127.0.0.1:" + std::to_wstring(site.port()) + L"/soft/tavrin.aspx";

  auto browser = CreateBrowser();
  ASSERT_TRUE(browser);
  int completions = 0;
  std::wstring locationAtCompletion;
  browser->OnDownloadComplete = [&] {
    ++completions;
    locationAtCompletion = browser->LocationURL();
  };

  browser->Navigate(quizUrl);
  EXPECT_TRUE(PumpUntil([&] { return locationAtCompletion == quizUrl; }))
      << "completions: " << completions;
  EXPECT_EQ(browser->LocationURL(), quizUrl);

  bool sawGet = false;
  for (const auto& line : site.RequestLines()) {
    sawGet = sawGet || line.rfind("GET /soft/tavrin.aspx ", 0) == 0;
  }
  EXPECT_TRUE(sawGet) << "the server saw no GET for the quiz page";
}

TEST_F(BrowserHost, TeardownLeavesNoWindowAndNoReference) {
  test::LoopbackSite site(test::TrainingSiteRoot());
  auto browser = CreateBrowser();
  ASSERT_TRUE(browser);
  bool completed = false;
  browser->OnDownloadComplete = [&] { completed = true; };
  browser->Navigate(L"http://127.0.0.1:" + std::to_wstring(site.port()) + L"/soft/tavrin.htm");
  ASSERT_TRUE(PumpUntil([&] { return completed; }));

  browser.reset();
  EXPECT_EQ(GetWindow(window(), GW_CHILD), nullptr);
  // The control may hand back its last references while messages are processed.
  EXPECT_TRUE(PumpUntil([] { return ui::LiveBrowserHostObjects() == 0; }, 5000))
      << ui::LiveBrowserHostObjects() << " host objects still referenced";
}

TEST_F(BrowserHost, EngineMayBeDestroyedFromItsOwnEvent) {
  test::LoopbackSite site(test::TrainingSiteRoot());
  auto browser = CreateBrowser();
  ASSERT_TRUE(browser);
  browser->OnDownloadComplete = [&] { browser.reset(); };
  browser->Navigate(L"http://127.0.0.1:" + std::to_wstring(site.port()) + L"/soft/tavrin.aspx");
  EXPECT_TRUE(PumpUntil([&] { return browser == nullptr; }));
  EXPECT_TRUE(PumpUntil([] { return ui::LiveBrowserHostObjects() == 0; }, 5000));
}

TEST_F(BrowserHost, NoParentWindowGivesNoEngine) {
  const HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, window(), nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
  DestroyWindow(gone);
  EXPECT_EQ(ui::CreateActiveXBrowser(gone, RECT{0, 0, 100, 100}), nullptr);
  EXPECT_EQ(ui::LiveBrowserHostObjects(), 0u);
}

}  // namespace
