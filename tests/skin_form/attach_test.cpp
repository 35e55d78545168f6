// Attaching a window companion to real windows and detaching it again.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "skin/WinSkinForm/WinSkinForm.h"

namespace {

using namespace form_test;
using skin::CurrentWindowProc;
using skin::TWinSkinForm;

class AttachTest : public ::testing::Test {
 protected:
  void SetUp() override { data_ = MakeSkinData(); }
  void TearDown() override {
    data_.reset();
    skin::FreeSkinManage();
  }

  // A companion attached to `wnd` and started as the manager would.
  std::unique_ptr<TWinSkinForm> Attach(HWND wnd) {
    auto form = std::make_unique<TWinSkinForm>(nullptr);
    form->Handle = wnd;
    form->AttachHandle(data_.get());
    SendMessageW(wnd, skin::WM_SKINSTART, 0, 1000);
    return form;
  }

  std::unique_ptr<skin::TSkinData> data_;
};

TEST_F(AttachTest, PlainWindowGetsSkinFrameAndGetsAllBack) {
  TTestWindow window;
  const HWND wnd = window.Get();
  ShowWindow(wnd, SW_SHOWNORMAL);
  const WNDPROC original = CurrentWindowProc(wnd);
  const DWORD style = StyleOf(wnd);
  const SIZE outer = WindowSize(wnd);
  const SIZE client = ClientSize(wnd);

  auto form = Attach(wnd);
  EXPECT_NE(CurrentWindowProc(wnd), original);
  EXPECT_EQ(StyleOf(wnd) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
  EXPECT_EQ(form->ButtonStyles, skin::bsSystemMenu | skin::bsMinimizeBox | skin::bsMaximizeBox);
  EXPECT_EQ(form->BorderKind, skin::bkEdge);
  EXPECT_EQ(form->SkinState, skin::ssRunning);
  EXPECT_EQ(form->BorderLeft, kLeft);
  EXPECT_EQ(form->BorderTop, kTop);
  EXPECT_EQ(form->BorderRight, kRight);
  EXPECT_EQ(form->BorderBottom, kBottom);
  // The client area keeps its size; the window grows or shrinks around it.
  EXPECT_EQ(ClientSize(wnd).cx, client.cx);
  EXPECT_EQ(ClientSize(wnd).cy, client.cy);
  EXPECT_EQ(WindowSize(wnd).cx, client.cx + kLeft + kRight);
  EXPECT_EQ(WindowSize(wnd).cy, client.cy + kTop + kBottom);

  form->Detach();
  EXPECT_EQ(CurrentWindowProc(wnd), original);
  EXPECT_EQ(StyleOf(wnd), style);
  EXPECT_EQ(WindowSize(wnd).cx, outer.cx);
  EXPECT_EQ(WindowSize(wnd).cy, outer.cy);
  EXPECT_EQ(ClientSize(wnd).cx, client.cx);
  EXPECT_EQ(ClientSize(wnd).cy, client.cy);
}

}  // namespace
