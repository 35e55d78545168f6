// The maximised place of a skinned window: the whole title bar on the work
// area, exactly the skin's side and bottom borders off it, for any skin; the
// system's place again once the skin is off; a maximised MDI child filling
// its MDI client as the system places it.
#include "FrameTestSupport.h"
#include "support/OurSkin.h"
#include "support/RectCompare.h"

namespace {

using namespace frame_test;

RECT WorkArea(HWND wnd) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

int RectWidth(const RECT& r) { return r.right - r.left; }

RECT ScreenClient(HWND wnd) {
  RECT r{};
  GetClientRect(wnd, &r);
  MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST_F(FrameTest, MaximisedWindowShowsTheWholeTitleBarOnTheWorkArea) {
  struct TCase {
    const char* Name;
    std::function<std::unique_ptr<skin::TSkinData>()> Data;
  };
  const TCase cases[] = {
      {"our skin", [] { return test_support::OurSkin(); }},
      {"test skin", [] {
         auto data = std::make_unique<skin::TSkinData>(nullptr);
         const TFrameSkin frameSkin{.Top = 24, .Bottom = 3};
         skin_test::LoadDefinition(*data, frameSkin.Definition(), frameSkin.Files());
         return data;
       }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const HWND wnd = Start(c.Data(), RECT{100, 100, 500, 400}, L"Maximised");
    const RECT normal = WindowBounds(wnd);
    ShowWindow(wnd, SW_MAXIMIZE);
    PumpFor(50);
    const RECT work = WorkArea(wnd);
    const skin::TWinSkinForm& f = *form_;
    EXPECT_EQ(WindowBounds(wnd), (RECT{work.left - f.BorderLeft, work.top, work.right + f.BorderRight,
                                       work.bottom + f.BorderBottom}));
    EXPECT_EQ(ScreenClient(wnd), (RECT{work.left, work.top + f.BorderTop, work.right, work.bottom}));

    // The screen's top rows are the skin's title bar.
    Repaint();
    const TPixels window = WindowPixels(wnd);
    ui::WindowDC screenDC(nullptr);
    const TPixels screen = Capture(screenDC.Get(), work.left, work.top, RectWidth(work), f.BorderTop);
    ui::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(wnd, region.Get()), ERROR);
    int differing = 0;  // where the region shows the window
    for (int y = 0; y < f.BorderTop; ++y)
      for (int x = 0; x < RectWidth(work); ++x)
        if (PtInRegion(region.Get(), x + f.BorderLeft, y))
          differing += screen.At(x, y) != window.At(x + f.BorderLeft, y);
    EXPECT_EQ(differing, 0);
    for (const auto& button : f.SysButtons) {
      if (!button->Visible) continue;
      EXPECT_GE(button->Rect.left, f.BorderLeft);
      EXPECT_LE(button->Rect.right, f.BorderLeft + RectWidth(work));
      EXPECT_GE(button->Rect.top, 0);
    }

    ShowWindow(wnd, SW_RESTORE);
    PumpFor(50);
    EXPECT_EQ(WindowBounds(wnd), normal);
  }
}

// Every size change asks for the tracking size and the monitor's work area:
// the answers are kept, and a settings or display change (which may move the
// work area) makes the next size change ask the system again.
TEST_F(FrameTest, SizeChangesAskTheScreenAgainOnlyAfterASettingsOrDisplayChange) {
  const HWND wnd = Skin();
  const auto resize = [&](int width) { SetWindowPos(wnd, nullptr, 0, 0, width, 300, SWP_NOMOVE | SWP_NOZORDER); };
  for (const UINT change : {UINT(WM_SETTINGCHANGE), UINT(WM_DISPLAYCHANGE), UINT(WM_DPICHANGED)}) {
    SCOPED_TRACE(change);
    resize(420);
    const int asked = form_->ScreenMetrics.Asked();
    resize(440);
    EXPECT_EQ(form_->ScreenMetrics.Asked(), asked);
    SendMessageW(wnd, change, 0, 0);
    resize(420);
    EXPECT_GT(form_->ScreenMetrics.Asked(), asked);
  }
}

TEST_F(FrameTest, MaximisedWindowTakesTheSystemsPlaceWhenTheSkinGoes) {
  TTestWindow plain(WS_OVERLAPPEDWINDOW, 0, nullptr, RECT{120, 120, 400, 300});
  ShowWindow(plain.Get(), SW_MAXIMIZE);
  const RECT systemPlace = WindowBounds(plain.Get());
  ShowWindow(plain.Get(), SW_HIDE);

  const HWND wnd = Start(test_support::OurSkin(), RECT{100, 100, 500, 400}, L"Maximised");
  ShowWindow(wnd, SW_MAXIMIZE);
  PumpFor(50);
  ASSERT_NE(WindowBounds(wnd), systemPlace);
  form_->Detach();
  Pump();
  EXPECT_EQ(WindowBounds(wnd), systemPlace);
  EXPECT_TRUE(IsZoomed(wnd));
}

HWND& MdiClientOfFrame() {
  static HWND client = nullptr;
  return client;
}

LRESULT CALLBACK MdiFrameProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcW(wnd, MdiClientOfFrame(), msg, wParam, lParam);
}

const wchar_t* RegisterClassOnce(const wchar_t* name, WNDPROC proc) {
  WNDCLASSW wc{};
  if (GetClassInfoW(GetModuleHandleW(nullptr), name, &wc)) return name;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = name;
  RegisterClassW(&wc);
  return name;
}

TEST_F(FrameTest, MaximisedMdiChildFillsItsClientAndGetsItsSkinBack) {
  TTestWindow frame(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, nullptr, RECT{50, 50, 550, 450});
  SetWindowLongPtrW(frame.Get(), GWLP_WNDPROC, LONG_PTR(&MdiFrameProc));
  CLIENTCREATESTRUCT ccs{};
  ccs.idFirstChild = 100;
  const HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400,
                                      300, frame.Get(), nullptr, GetModuleHandleW(nullptr), &ccs);
  MdiClientOfFrame() = client;
  MDICREATESTRUCTW mcs{};
  mcs.szClass = RegisterClassOnce(L"TavrinFrameMdiChild", DefMDIChildProcW);
  mcs.szTitle = L"child";
  mcs.hOwner = GetModuleHandleW(nullptr);
  mcs.x = mcs.y = 10;
  mcs.cx = 200;
  mcs.cy = 150;
  mcs.style = WS_OVERLAPPEDWINDOW;
  const HWND child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, LPARAM(&mcs)));
  ShowWindow(frame.Get(), SW_SHOW);
  Pump();
  auto data = test_support::OurSkin();
  skin::TWinSkinForm form(nullptr);
  form.Handle = child;
  form.AttachHandle(data.get());
  SendMessageW(child, skin::WM_SKINSTART, 0, 1000);
  Pump();
  ASSERT_EQ(form.FormKind, skin::fkMdiChild);

  SendMessageW(client, WM_MDIMAXIMIZE, WPARAM(child), 0);
  Pump();
  ASSERT_TRUE(IsZoomed(child));
  EXPECT_EQ(ScreenClient(child), ScreenClient(client));

  SendMessageW(client, WM_MDIRESTORE, WPARAM(child), 0);
  Pump();
  const RECT outer = WindowBounds(child), inner = ScreenClient(child);
  EXPECT_EQ(inner.left - outer.left, form.BorderLeft);
  EXPECT_EQ(inner.top - outer.top, form.BorderTop);
  EXPECT_EQ(outer.bottom - inner.bottom, form.BorderBottom);
  form.Detach();
  DestroyWindow(frame.Get());
  MdiClientOfFrame() = nullptr;
}

}  // namespace
