// Attach and detach on the kinds of windows a companion meets, and what must
// come back: procedure, styles, colour, menu, size, handles.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "HandleCounts.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace {

using namespace form_test;
using skin::CurrentWindowProc;
using skin::TWinSkinForm;

class LifecycleTest : public ::testing::Test {
 protected:
  void SetUp() override { data_ = MakeSkinData(); }
  void TearDown() override {
    app_.reset();
    data_.reset();
    skin::FreeSkinManage();
  }

  std::unique_ptr<TWinSkinForm> Attach(HWND wnd, ui::TForm* form = nullptr, bool start = true) {
    auto companion = std::make_unique<TWinSkinForm>(nullptr);
    companion->Handle = wnd;
    if (form) companion->AttachForm(data_.get(), form);
    else companion->AttachHandle(data_.get());
    if (start) SendMessageW(wnd, skin::WM_SKINSTART, 0, 1000);
    return companion;
  }

  ui::TForm* NewForm() {
    if (!app_) app_ = std::make_unique<ui::TApplication>();
    auto* form = new ui::TForm(app_.get());
    form->SetBounds(50, 50, 300, 200);
    form->Show();
    Pump();
    return form;
  }

  std::unique_ptr<ui::TApplication> app_;
  std::unique_ptr<skin::TSkinData> data_;
};

TEST_F(LifecycleTest, DetachBeforeStartLeavesTheSizeAlone) {
  TTestWindow window;
  ShowWindow(window.Get(), SW_SHOW);
  const SIZE outer = WindowSize(window.Get());
  auto companion = Attach(window.Get(), nullptr, false);
  companion->Detach();
  EXPECT_EQ(WindowSize(window.Get()).cx, outer.cx);
  EXPECT_EQ(WindowSize(window.Get()).cy, outer.cy);
}

TEST_F(LifecycleTest, FormColourAndWindowProcComeBackOverCycles) {
  ui::TForm* form = NewForm();
  form->SetColor(ui::clWhite);
  const HWND wnd = form->Handle();
  const WNDPROC original = CurrentWindowProc(wnd);
  const SIZE outer = WindowSize(wnd);
  for (int i = 0; i < 5; ++i) {
    auto companion = Attach(wnd, form);
    EXPECT_EQ(form->Color(), data_->ButtonFaceColour);
    EXPECT_EQ(companion->OrigColor, ui::clWhite);
    companion->Detach();
    EXPECT_EQ(form->Color(), ui::clWhite);
    EXPECT_EQ(CurrentWindowProc(wnd), original);
    EXPECT_EQ(WindowSize(wnd).cx, outer.cx);
    EXPECT_EQ(WindowSize(wnd).cy, outer.cy);
  }
  // The companions are gone: the form's WindowProc must not lead to them.
  SetWindowTextW(wnd, L"after");
  SendMessageW(wnd, skin::WM_SKINREFRESH, 0, 0);
  PumpFor(50);
}

TEST_F(LifecycleTest, SkinRefreshReappliesColourAndFrame) {
  ui::TForm* form = NewForm();
  const HWND wnd = form->Handle();
  auto companion = Attach(wnd, form);
  const SIZE client = ClientSize(wnd);
  form->SetColor(ui::clWhite);
  SetWindowPos(wnd, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);  // the frame size is lost
  const SIZE newClient = ClientSize(wnd);
  EXPECT_NE(newClient.cx, client.cx);
  SendMessageW(wnd, skin::WM_SKINREFRESH, 0, 0);
  EXPECT_EQ(form->Color(), data_->ButtonFaceColour);
  EXPECT_EQ(companion->SkinState, skin::ssRunning);
  EXPECT_EQ(ClientSize(wnd).cx, newClient.cx);
  EXPECT_EQ(WindowSize(wnd).cx, newClient.cx + kLeft + kRight);

  // Minimised, a new skin leaves the size it comes back to alone.
  const SIZE outer = WindowSize(wnd);
  ShowWindow(wnd, SW_MINIMIZE);
  ASSERT_EQ(companion->WindowState, skin::wsMinimized);
  companion->Reskin();
  EXPECT_TRUE(IsIconic(wnd));
  ShowWindow(wnd, SW_RESTORE);
  EXPECT_EQ(WindowSize(wnd).cx, outer.cx);
  EXPECT_EQ(WindowSize(wnd).cy, outer.cy);
  companion->Detach();
}

TEST_F(LifecycleTest, FormCyclesLeaveNoGdiObjects) {
  ui::TForm* form = NewForm();
  const HWND wnd = form->Handle();
  const auto round = [&] {
    auto companion = Attach(wnd, form);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    companion->Detach();
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  for (int i = 0; i < 10; ++i) round();
  const DWORD gdi = handle_counts::GdiObjects();
  for (int i = 0; i < 100; ++i) round();
  EXPECT_LE(handle_counts::GdiObjects(), gdi + 5);
}

TEST_F(LifecycleTest, FreedWithoutDetachLeavesNothingBehind) {
  ui::TForm* form = NewForm();
  const HWND wnd = form->Handle();
  const WNDPROC original = CurrentWindowProc(wnd);
  Attach(wnd, form).reset();
  EXPECT_EQ(CurrentWindowProc(wnd), original);
  SetWindowTextW(wnd, L"after");  // through the form's WindowProc
}

TEST_F(LifecycleTest, MenuStaysWithTheWindow) {
  HMENU menu = CreateMenu();
  AppendMenuW(menu, MF_STRING, 1, L"&File");
  TTestWindow window(WS_OVERLAPPEDWINDOW, 0, nullptr, RECT{100, 100, 500, 400}, menu);
  ShowWindow(window.Get(), SW_SHOW);
  const SIZE outer = WindowSize(window.Get());
  auto companion = Attach(window.Get());
  EXPECT_EQ(companion->OrigMenu, menu);
  companion->Detach();
  EXPECT_EQ(GetMenu(window.Get()), menu);
  EXPECT_EQ(WindowSize(window.Get()).cx, outer.cx);
  EXPECT_EQ(WindowSize(window.Get()).cy, outer.cy);
}

TEST_F(LifecycleTest, PopupWithoutFullCaptionHasNoSkinFrame) {
  TTestWindow popup(WS_POPUP | WS_BORDER | WS_THICKFRAME);
  ShowWindow(popup.Get(), SW_SHOW);
  const SIZE outer = WindowSize(popup.Get());
  const SIZE client = ClientSize(popup.Get());
  auto companion = Attach(popup.Get());
  EXPECT_EQ(companion->BorderKind, skin::bkNone);
  EXPECT_EQ(companion->BorderLeft + companion->BorderTop + companion->BorderRight + companion->BorderBottom, 0);
  EXPECT_EQ(companion->MenuBarHeight, 0);
  EXPECT_EQ(WindowSize(popup.Get()).cx, outer.cx);  // never re-sized at start
  EXPECT_EQ(ClientSize(popup.Get()).cx, client.cx);
  companion->Reskin();  // nor by a new skin
  companion->Reskin();
  EXPECT_EQ(WindowSize(popup.Get()).cx, outer.cx);
  EXPECT_EQ(WindowSize(popup.Get()).cy, outer.cy);
  companion->Detach();
  EXPECT_EQ(WindowSize(popup.Get()).cx, outer.cx);  // the system frame was never replaced
  EXPECT_EQ(WindowSize(popup.Get()).cy, outer.cy);
}

TEST_F(LifecycleTest, BorderKindAndButtonStylesFromTheStyles) {
  // (The system gives every captioned window the window edge, so such
  // windows are all of the usual kind.)
  TTestWindow plain(WS_POPUP | WS_CAPTION | WS_SYSMENU);
  auto a = Attach(plain.Get(), nullptr, false);
  EXPECT_EQ(a->BorderKind, skin::bkEdge);
  EXPECT_EQ(a->ButtonStyles, skin::bsSystemMenu);
  a->Detach();
  EXPECT_EQ(StyleOf(plain.Get()) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), DWORD(WS_SYSMENU));

  // A system menu without the style counts for the buttons, but the window
  // does not gain the style on detach.
  TTestWindow bare(WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME);
  const DWORD style = StyleOf(bare.Get());
  auto b = Attach(bare.Get(), nullptr, false);
  EXPECT_EQ(b->BorderKind, skin::bkEdge);
  b->Detach();
  EXPECT_EQ(StyleOf(bare.Get()), style);
}

TEST_F(LifecycleTest, ChildWindowPassesEverythingOn) {
  TTestWindow parent;
  TTestWindow child(WS_CHILD | WS_VISIBLE, 0, parent.Get(), RECT{0, 0, 80, 60});
  const SIZE outer = WindowSize(child.Get());
  auto companion = Attach(child.Get());
  EXPECT_EQ(companion->SkinState, skin::ssAttached);  // WM_SKINSTART went by
  EXPECT_EQ(WindowSize(child.Get()).cx, outer.cx);
  companion->Detach();
  EXPECT_EQ(WindowSize(child.Get()).cx, outer.cx);
}

LRESULT CALLBACK RecordingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
WNDPROC procAtDestroy = nullptr;
LRESULT CALLBACK RecordingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) procAtDestroy = CurrentWindowProc(wnd);
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

TEST_F(LifecycleTest, DestroyedWhileSubclassedRestoresFirst) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TavrinRecording";
  RegisterClassW(&wc);
  const HWND wnd = CreateWindowExW(0, L"TavrinRecording", L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
  auto companion = Attach(wnd);
  ASSERT_TRUE(companion->WndProcStub.Attached());
  companion->HasRegion = true;
  DestroyWindow(wnd);  // the manager does not know this window
  EXPECT_EQ(procAtDestroy, &RecordingProc);
  EXPECT_FALSE(companion->WndProcStub.Attached());
  EXPECT_FALSE(companion->HasRegion);
  companion->Detach();
}

TEST_F(LifecycleTest, ControlsOnlyKeepsTheWindowsOwnFrame) {
  data_->SkinControls.Exclude(skin::xcMainMenu);
  ui::TForm* form = NewForm();
  const HWND wnd = form->Handle();
  const WNDPROC original = CurrentWindowProc(wnd);
  const DWORD style = StyleOf(wnd);
  const SIZE outer = WindowSize(wnd);
  auto companion = Attach(wnd, form);
  EXPECT_FALSE(companion->WndProcStub.Attached());
  EXPECT_EQ(CurrentWindowProc(wnd), original);
  EXPECT_EQ(StyleOf(wnd), style);
  EXPECT_EQ(form->Color(), data_->ButtonFaceColour);
  companion->Reskin();
  EXPECT_EQ(WindowSize(wnd).cx, outer.cx);
  companion->Detach();
  EXPECT_EQ(form->Color(), ui::clBtnFace);
  EXPECT_EQ(WindowSize(wnd).cx, outer.cx);
  EXPECT_EQ(WindowSize(wnd).cy, outer.cy);
}

TEST_F(LifecycleTest, ControlsOnlyDetachKeepsAMaximisedWindowMaximised) {
  data_->SkinControls.Exclude(skin::xcMainMenu);
  ui::TForm* form = NewForm();
  ShowWindow(form->Handle(), SW_MAXIMIZE);
  auto companion = Attach(form->Handle(), form);
  companion->Detach();
  EXPECT_TRUE(IsZoomed(form->Handle()));
}

TEST_F(LifecycleTest, IconBitmapFromTheWindowOrTheSkin) {
  TTestWindow window;
  auto companion = Attach(window.Get(), nullptr, false);
  // No icon and no default icon anywhere: a square of the key colour.
  ASSERT_FALSE(companion->IconBitmap.Empty());
  EXPECT_EQ(companion->IconBitmap.Width(), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(companion->IconBitmap.Pixel(3, 3), ui::clFuchsia);
  companion->Detach();

  data_->DefaultIcon.SetSize(16, 16);
  data_->DefaultIcon.Fill(ui::clRed);
  auto withDefault = Attach(window.Get(), nullptr, false);
  EXPECT_EQ(withDefault->IconBitmap.Pixel(3, 3), ui::clRed);
  withDefault->Detach();

  SendMessageW(window.Get(), WM_SETICON, ICON_SMALL, LPARAM(LoadIconW(nullptr, IDI_APPLICATION)));
  auto withIcon = Attach(window.Get(), nullptr, false);
  bool drawn = false;
  for (int y = 0; y < withIcon->IconBitmap.Height(); ++y)
    for (int x = 0; x < withIcon->IconBitmap.Width(); ++x)
      drawn = drawn || withIcon->IconBitmap.Pixel(x, y) != ui::clFuchsia;
  EXPECT_TRUE(drawn);
  withIcon->Detach();
}

TEST_F(LifecycleTest, KeyMenuWithoutKeyIsSwallowedSystemMenuKeysGoOn) {
  TTestWindow window;
  ShowWindow(window.Get(), SW_SHOW);
  auto companion = Attach(window.Get());
  EXPECT_EQ(SendMessageW(window.Get(), WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
  SendMessageW(window.Get(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(companion->WindowState, skin::wsMinimized);
  SendMessageW(window.Get(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(companion->WindowState, skin::wsNormal);
  companion->Detach();
}

TEST_F(LifecycleTest, MdiFrameAndChild) {
  TTestWindow frame;
  ShowWindow(frame.Get(), SW_SHOW);
  const HWND client = CreateMdiClient(frame.Get());
  ASSERT_NE(client, nullptr);
  auto frameCompanion = Attach(frame.Get());
  EXPECT_EQ(frameCompanion->FormKind, skin::fkMdiFrame);
  EXPECT_EQ(frameCompanion->MdiClient, client);
  EXPECT_TRUE(frameCompanion->ClientProcStub.Attached());

  const HWND child = CreateMdiChild(client);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(frameCompanion->LastMdiChild, child);
  const HMENU childId = GetMenu(child);  // a child's "menu" is its identifier
  auto childCompanion = Attach(child);
  EXPECT_EQ(childCompanion->FormKind, skin::fkMdiChild);
  EXPECT_EQ(childCompanion->SkinMenu, nullptr);
  EXPECT_EQ(childCompanion->MenuBarHeight, 0);
  childCompanion->Detach();
  EXPECT_EQ(GetMenu(child), childId);
  frameCompanion->Detach();
  EXPECT_FALSE(frameCompanion->ClientProcStub.Attached());
}

}  // namespace
