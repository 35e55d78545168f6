// The three buttons of a maximised MDI child: shown in the frame's menu bar
// only while the active child is maximised, drawn there with frame 4 when
// hot, and acting on the child.
#include <gtest/gtest.h>

#include "ButtonTestSupport.h"

namespace {

using namespace button_test;

HWND& ClientOfFrame() {
  static HWND client = nullptr;
  return client;
}

LRESULT CALLBACK FrameProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcW(wnd, ClientOfFrame(), msg, wParam, lParam);
}

class SysButtonMdi : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = CreateWindowExW(0, RegisterOnce(L"TavrinButtonMdiFrame", FrameProc, COLOR_APPWORKSPACE), L"frame",
                             WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 50, 50, 500, 400, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    CLIENTCREATESTRUCT ccs{};
    ccs.idFirstChild = 100;
    client_ = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400, 300,
                              frame_, nullptr, GetModuleHandleW(nullptr), &ccs);
    ClientOfFrame() = client_;
    child_ = NewChild();
    ShowWindow(frame_, SW_SHOWNORMAL);
    SetForegroundWindow(frame_);
    Pump();

    form_ = std::make_unique<skin::TWinSkinForm>(nullptr);
    form_->Handle = frame_;
    form_->AttachHandle(data_.get());
    SendMessageW(frame_, skin::WM_SKINSTART, 0, 1000);
    // The skinned menu bar's height: the MDI buttons live in it.
    form_->MenuBarHeight = GetSystemMetrics(SM_CYMENU);
    SetWindowPos(frame_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    Pump();
    ASSERT_TRUE(Activate(frame_, *form_));
  }

  void TearDown() override {
    form_->MenuBarHeight = 0;
    form_->Detach();
    form_.reset();
    DestroyWindow(frame_);
    ClientOfFrame() = nullptr;
    data_.reset();
    skin::FreeSkinManage();
  }

  HWND NewChild() {
    MDICREATESTRUCTW mcs{};
    mcs.szClass = RegisterOnce(L"TavrinButtonMdiChild", DefMDIChildProcW);
    mcs.szTitle = L"child";
    mcs.hOwner = GetModuleHandleW(nullptr);
    mcs.x = mcs.y = 10;
    mcs.cx = 200;
    mcs.cy = 150;
    mcs.style = WS_OVERLAPPEDWINDOW;
    return reinterpret_cast<HWND>(SendMessageW(client_, WM_MDICREATE, 0, LPARAM(&mcs)));
  }

  void MaximiseChild() {
    SendMessageW(client_, WM_MDIMAXIMIZE, WPARAM(child_), 0);
    Pump();
    Layout();
  }

  void Layout() {
    RECT r{};
    GetWindowRect(frame_, &r);
    form_->FrameWidth = r.right - r.left;
    form_->LayoutSysButtons();
  }

  skin::TWinSysButton& Button(int index) { return *form_->SysButtons.at(std::size_t(index)); }
  POINT ScreenPoint(int index) { return FrameToScreen(frame_, Centre(Button(index).Rect)); }
  void Send(UINT msg, int index) { SendMessageW(frame_, msg, HTMENU, PointParam(ScreenPoint(index))); }
  void Click(int index) {
    Send(WM_NCMOUSEMOVE, index);
    Send(WM_NCLBUTTONDOWN, index);
    Send(WM_NCLBUTTONUP, index);
  }

  std::unique_ptr<skin::TSkinData> data_ = MakeButtonSkin();
  HWND frame_ = nullptr;
  HWND client_ = nullptr;
  HWND child_ = nullptr;
  std::unique_ptr<skin::TWinSkinForm> form_;
};

TEST_F(SysButtonMdi, ShownInTheMenuBarOnlyWhileTheChildIsMaximised) {
  ASSERT_EQ(form_->FormKind, skin::fkMdiFrame);
  Layout();
  EXPECT_FALSE(Button(kMdiRestore).Visible);

  MaximiseChild();
  ASSERT_TRUE(IsZoomed(child_));
  const int width = form_->FrameWidth;
  const int top = (form_->MenuBarHeight - kMdiCell) / 2 + kTop;
  // Xcoord (cell + 4) x (3 - j) from the right, inside the right border.
  const int lefts[] = {width - 48 - kRight, width - 32 - kRight, width - 16 - kRight};
  for (int j = 0; j < 3; ++j) {
    EXPECT_TRUE(Button(kMdiMinimize + j).Visible) << j;
    EXPECT_EQ(Button(kMdiMinimize + j).Rect, (RECT{lefts[j], top, lefts[j] + kMdiCell, top + kMdiCell})) << j;
  }

  // The title bar leaves them to the menu bar.
  ui::TBitmap title;
  title.SetSize(width, top + kMdiCell);
  title.Fill(ui::RGBColor(1, 2, 3));
  form_->PaintSysButtons(title);
  const POINT restore = Centre(Button(kMdiRestore).Rect);
  EXPECT_EQ(title.Pixel(restore.x, restore.y), ui::RGBColor(1, 2, 3));

  // Without a menu bar there is no place for them.
  form_->MenuBarHeight = 0;
  EXPECT_FALSE(form_->UpdateSysButtonVisible(kMdiRestore));
}

TEST_F(SysButtonMdi, HotShowsFrameFourAndRestoreActsOnTheChild) {
  MaximiseChild();
  skin::EnsureSkinManage().MdiMaximized = true;
  ASSERT_TRUE(Activate(frame_, *form_));

  Send(WM_NCMOUSEMOVE, kMdiRestore);
  EXPECT_EQ(FramePixel(frame_, Centre(Button(kMdiRestore).Rect)), MdiColour(1, 4));
  Send(WM_NCLBUTTONDOWN, kMdiRestore);
  EXPECT_EQ(FramePixel(frame_, Centre(Button(kMdiRestore).Rect)), MdiColour(1, 2));
  Send(WM_NCLBUTTONUP, kMdiRestore);
  EXPECT_FALSE(IsZoomed(child_));
  EXPECT_FALSE(skin::SkinManage()->MdiMaximized);
}

TEST_F(SysButtonMdi, MinimiseAndCloseActOnTheActiveChild) {
  MaximiseChild();
  Click(kMdiMinimize);
  EXPECT_TRUE(IsIconic(child_));

  MaximiseChild();
  ASSERT_TRUE(IsZoomed(child_));
  Click(kMdiClose);
  EXPECT_FALSE(IsWindow(child_));

  // No active child: nothing to act on, nothing shown.
  form_->SendToMdiChild(SC_CLOSE);
  Layout();
  EXPECT_FALSE(Button(kMdiClose).Visible);
}

}  // namespace
