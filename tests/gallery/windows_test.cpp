// Every kind of window in the gallery gets the companion it should and shows
// the skin's title bar; the Tag 99 form keeps the system's.
#include <string>

#include "GalleryTestSupport.h"
#include "gallery/GalleryChild.h"
#include "gallery/GalleryCommands.h"
#include "gallery/GalleryDialog.h"
#include "gallery/UnskinnedForm.h"
#include "ui/StdCtrls.h"

namespace {

using namespace gallery_test;

TEST_F(GalleryTest, FrameAndChildrenAreSkinned) {
  const HWND frame = frame_->Handle();
  const skin::TWinSkinForm* companion = Companion(frame);
  ASSERT_NE(companion, nullptr);
  EXPECT_EQ(companion->Form, frame_);
  EXPECT_EQ(companion->SkinData, frame_->SkinData1);
  EXPECT_EQ(companion->FormKind, skin::fkMdiFrame);
  EXPECT_EQ(manager_->MdiClientWnd, frame_->ClientHandle());
  EXPECT_TRUE(Running(frame));
  EXPECT_TRUE(SkinShown(frame));

  Run("mdi");
  ASSERT_EQ(frame_->MDIChildCount(), 2);
  for (int i = 0; i < 2; ++i) {
    const HWND child = frame_->MDIChildren(i)->Handle();
    EXPECT_EQ(GetParent(child), frame_->ClientHandle());
    ASSERT_NE(Companion(child), nullptr) << i;
    EXPECT_EQ(Companion(child)->FormKind, skin::fkMdiChild);
    EXPECT_EQ(Companion(child)->Form, frame_->MDIChildren(i));
    EXPECT_TRUE(Running(child)) << i;
    EXPECT_TRUE(SkinShown(child)) << i;
  }
  // Forms of one class and owner: names made unique, captions numbered.
  EXPECT_EQ(frame_->MDIChildren(1)->Name(), frame_->MDIChildren(0)->Name() + "_1");
  EXPECT_NE(frame_->MDIChildren(0)->Caption(), frame_->MDIChildren(1)->Caption());
}

// The MDI keys reach the children only through the application's loop.
TEST_F(GalleryTest, CtrlF4InTheMessageLoopClosesTheActiveChild) {
  Run("mdi");
  ASSERT_EQ(frame_->MDIChildCount(), 2);
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageW(frame_->ActiveMDIChild()->Handle(), WM_KEYDOWN, VK_F4, 0);
  ui::Application->ProcessMessages();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  PumpFor(100);
  EXPECT_EQ(frame_->MDIChildCount(), 1);
}

TEST_F(GalleryTest, ChildrenMaximiseTileCascadeAndClose) {
  Run("mdi");
  Run("maximised");
  ASSERT_EQ(frame_->MDIChildCount(), 3);
  const HWND maximised = frame_->ActiveMDIChild()->Handle();
  EXPECT_EQ(maximised, frame_->MDIChildren(2)->Handle());
  EXPECT_TRUE(IsZoomed(maximised));
  ASSERT_TRUE(Running(maximised));
  EXPECT_EQ(Companion(maximised)->WindowState, skin::wsMaximized);

  Run("tile");
  EXPECT_FALSE(IsZoomed(maximised));
  EXPECT_EQ(Companion(maximised)->WindowState, skin::wsNormal);
  EXPECT_FALSE(manager_->MdiMaximized);
  RECT a{}, b{};
  GetWindowRect(frame_->MDIChildren(0)->Handle(), &a);
  GetWindowRect(frame_->MDIChildren(1)->Handle(), &b);
  RECT common{};
  EXPECT_FALSE(IntersectRect(&common, &a, &b));  // side by side

  Run("cascade");
  GetWindowRect(frame_->MDIChildren(0)->Handle(), &a);
  GetWindowRect(frame_->MDIChildren(1)->Handle(), &b);
  EXPECT_NE(a.left, b.left);
  EXPECT_NE(a.top, b.top);

  Run("close");
  EXPECT_EQ(frame_->MDIChildCount(), 0);
  EXPECT_EQ(GetWindow(frame_->ClientHandle(), GW_CHILD), nullptr);
  ASSERT_EQ(manager_->Forms.size(), 1u);  // the frame's own
  EXPECT_FALSE(manager_->MdiMaximized);

  // The frame's close button (through WM_CLOSE) would end the program; a
  // new child after closing them all is skinned like the first ones.
  Run("child");
  ASSERT_EQ(frame_->MDIChildCount(), 1);
  EXPECT_TRUE(Running(frame_->MDIChildren(0)->Handle()));
}

TEST_F(GalleryTest, DialogFormHasADialogFrameAndIsSkinned) {
  Run("dialog");
  ASSERT_NE(frame_->Dialog(), nullptr);
  const HWND dialog = frame_->Dialog()->Handle();
  const skin::TWinSkinForm* companion = Companion(dialog);
  ASSERT_NE(companion, nullptr);
  EXPECT_EQ(companion->Form, frame_->Dialog());
  EXPECT_EQ(companion->ButtonStyles, skin::bsSystemMenu);  // neither maximise nor minimise
  EXPECT_TRUE(Running(dialog));
  EXPECT_TRUE(SkinShown(dialog));

  // Its OK button hides it; shown again, it is the same skinned window.
  SendMessageW(frame_->Dialog()->OkButton->Handle(), BM_CLICK, 0, 0);
  PumpFor(50);
  EXPECT_FALSE(IsWindowVisible(dialog));
  Run("dialog");
  EXPECT_EQ(frame_->Dialog()->Handle(), dialog);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_TRUE(Running(dialog));
}

TEST_F(GalleryTest, ForeignWindowIsSkinnedThroughItsHandleAlone) {
  Run("foreign");
  const HWND foreign = frame_->ForeignWindow();
  ASSERT_NE(foreign, nullptr);
  EXPECT_EQ(ui::TWinControl::FindControl(foreign), nullptr);  // no framework control
  const skin::TWinSkinForm* companion = Companion(foreign);
  ASSERT_NE(companion, nullptr);
  EXPECT_EQ(companion->Form, nullptr);
  EXPECT_EQ(companion->FormKind, skin::fkNormal);
  EXPECT_TRUE(Running(foreign));
  EXPECT_TRUE(SkinShown(foreign));

  // Closed by the user it is gone with its companion; the command makes a new one.
  SendMessageW(foreign, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(foreign));
  EXPECT_EQ(frame_->ForeignWindow(), nullptr);
  EXPECT_EQ(Companion(foreign), nullptr);
  Run("foreign");
  ASSERT_NE(frame_->ForeignWindow(), nullptr);
  EXPECT_TRUE(Running(frame_->ForeignWindow()));
}

TEST_F(GalleryTest, TagNinetyNineFormKeepsTheSystemFrame) {
  Run("unskinned");
  ASSERT_NE(frame_->Unskinned(), nullptr);
  const HWND plain = frame_->Unskinned()->Handle();
  EXPECT_EQ(Companion(plain), nullptr);
  EXPECT_FALSE(SkinShown(plain));
  EXPECT_NE(GetWindowLongPtrW(plain, GWL_STYLE) & WS_MAXIMIZEBOX, 0);  // the system's caption buttons stay
  // What the hook asks at each activation (told directly: another program
  // on the shared desktop may take the activation), and the sweep of a new
  // request to switch skinning on, leave it plain too.
  EXPECT_FALSE(manager_->TrySkinWindow(plain));
  manager_->SetState(1);
  PumpFor(400);
  EXPECT_EQ(Companion(plain), nullptr);
}

// What the message-box test sees from inside the box's own loop.
struct TBoxSeen {
  int ticks = 0;
  bool skinned = false;
  bool titleBar = false;
  std::wstring text;
};
TBoxSeen boxSeen;
const skin::TSkinData* boxSkin = nullptr;

void CALLBACK LookAtBoxAndClose(HWND, UINT, UINT_PTR id, DWORD) {
  const HWND box = ThreadMessageBox();
  const skin::TWinSkinForm* companion = box ? skin::SkinManage()->FindForm(box) : nullptr;
  const bool ready = companion && companion->SkinState == skin::ssRunning;
  if (!box || (!ready && ++boxSeen.ticks < 30)) return;  // not up, or not started yet (for 3 s at most)
  KillTimer(nullptr, id);
  boxSeen.skinned = ready;
  boxSeen.titleBar = ready && gallery_test::ShowsSkinTitleBar(box, *boxSkin);
  wchar_t text[512] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 512);  // the message's static control
  boxSeen.text = text;
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(GalleryTest, MessageBoxIsSkinnedAndSpeaksBothLanguages) {
  boxSeen = {};
  boxSkin = frame_->SkinData1;
  SetTimer(nullptr, 0, 100, &LookAtBoxAndClose);
  Run("msgbox");  // returns once the timer has closed the box
  EXPECT_TRUE(boxSeen.skinned);
  EXPECT_TRUE(boxSeen.titleBar);
  EXPECT_EQ(boxSeen.text, gallery::TGalleryMain::MessageBoxText());
  EXPECT_NE(boxSeen.text.find(L"\u6d88\u606f\u6846"), std::wstring::npos);  // 消息框
  EXPECT_NE(boxSeen.text.find(L"message box"), std::wstring::npos);
  EXPECT_EQ(manager_->Forms.size(), 1u);  // the box went with its companion
}

TEST_F(GalleryTest, EveryToolButtonRunsItsCommand) {
  int buttons = 0;
  ui::TButton* dialogButton = nullptr;
  for (int i = 0; i < frame_->ToolPanel->ControlCount(); ++i) {
    auto* button = dynamic_cast<ui::TButton*>(frame_->ToolPanel->Controls(i));
    if (!button) continue;
    ++buttons;
    if (button->Caption().find(L"Dialog") != std::wstring::npos) dialogButton = button;
  }
  int captioned = 0;
  for (const gallery::TGalleryCommand& command : gallery::GalleryCommands()) captioned += command.Caption ? 1 : 0;
  EXPECT_EQ(buttons, captioned);
  ASSERT_NE(dialogButton, nullptr);
  SendMessageW(dialogButton->Handle(), BM_CLICK, 0, 0);
  PumpFor(150);
  ASSERT_NE(frame_->Dialog(), nullptr);
  EXPECT_TRUE(IsWindowVisible(frame_->Dialog()->Handle()));
}

}  // namespace
