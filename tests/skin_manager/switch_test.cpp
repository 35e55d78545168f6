// Switching skins through the engine's requests on every kind of window:
// skin A, skin B, no skin, A again, without re-creating a window and without
// leaving GDI or USER objects behind.
#include "SwitchTestSupport.h"
#include "skin_form/HandleCounts.h"

namespace {

using namespace switch_test;
using frame_test::WindowPixels;
using skin::TSkinData;

struct TWindowUnderTest {
  const char* Name;
  HWND Wnd;
  bool FrameShows;  // false for the MDI children (the maximised one covers the other)
  SIZE Client{};
  SIZE Outer{};  // with the system's frame, before any skin
  bool Maximised = false;
};

class SwitchTest : public ManagerTest {
 protected:
  void TearDown() override {
    if (IsWindow(dialog_)) DestroyWindow(dialog_);
    mdiFrame_.reset();
    foreign_.reset();
    app_.reset();
    own_ = nullptr;
    dialogData_.reset();
    ManagerTest::TearDown();
  }

  // Every kind of window, shown and skinned with A.
  std::vector<TWindowUnderTest> OpenWindows() {
    ui::TForm* main = new ui::TForm(app_.get());
    main->SetBounds(20, 20, 300, 200);
    ui::TForm* own = new ui::TForm(app_.get());
    own->SetBounds(340, 20, 300, 200);
    own_ = new TSkinData(own);
    own_->SkinFormtype = skin::sfOnlyThisForm;
    dialogData_ = std::make_unique<TSkinData>(nullptr);
    dialogData_->SkinFormtype = skin::sfDialog;
    foreign_ = std::make_unique<TTestWindow>(WS_OVERLAPPEDWINDOW, 0, nullptr, RECT{660, 20, 960, 220});
    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, 1, L"&File");
    mdiFrame_ = std::make_unique<TTestWindow>(WS_OVERLAPPEDWINDOW, 0, nullptr, RECT{20, 300, 520, 700}, menu);
    const HWND client = CreateMdiClient(mdiFrame_->Get());
    dialog_ = CreateTestDialog();

    std::vector<TWindowUnderTest> windows{{"main form", main->Handle(), true},
                                          {"own form", own->Handle(), true},
                                          {"dialog", dialog_, true},
                                          {"foreign window", foreign_->Get(), true},
                                          {"MDI frame", mdiFrame_->Get(), true}};
    for (TWindowUnderTest& w : windows) ShowWindow(w.Wnd, SW_SHOW);
    PumpFor(50);
    for (TWindowUnderTest& w : windows) {
      w.Client = ClientSize(w.Wnd);
      w.Outer = WindowSize(w.Wnd);
    }
    Switch(&kSkinA);
    for (const TWindowUnderTest& w : windows) Activate(w.Wnd);
    for (int i = 0; i < 2; ++i) {
      const HWND child = CreateMdiChild(client);
      const bool maximised = i == 1;
      TWindowUnderTest w{maximised ? "maximised MDI child" : "MDI child", child, false, ClientSize(child),
                         WindowSize(child), maximised};
      SendMessageW(client, WM_MDIREFRESHMENU, 0, 0);  // where the frame's companion skins a new child
      PumpFor(50);
      if (maximised) {
        SendMessageW(client, WM_MDIMAXIMIZE, WPARAM(child), 0);
        PumpFor(50);
        EXPECT_TRUE(IsZoomed(child));
        w.Client = ClientSize(child);
      }
      windows.push_back(w);
    }
    return windows;
  }

  // Puts `skin` (null: none) on every window through the components.
  void Switch(const TSwitchSkin* skin) {
    if (!skin) {
      data_->SetActive(false);
    } else {
      const skin_test::Bytes stored = skin->Stored();
      for (TSkinData* data : {static_cast<TSkinData*>(own_), dialogData_.get(), data_.get()})
        ASSERT_TRUE(data->LoadSkin(stored));
    }
    WaitForTick();
    Pump();
  }

  void Expect(const std::vector<TWindowUnderTest>& windows, const TSwitchSkin* skin) {
    for (const TWindowUnderTest& w : windows) {
      SCOPED_TRACE(w.Name);
      ASSERT_TRUE(IsWindow(w.Wnd));
      EXPECT_EQ(IsZoomed(w.Wnd) != FALSE, w.Maximised);
      EXPECT_EQ(ClientSize(w.Wnd).cx, w.Client.cx);
      EXPECT_EQ(ClientSize(w.Wnd).cy, w.Client.cy);
      PaintNow(w.Wnd);
      skin::TWinSkinForm* companion = Companion(w.Wnd);
      if (!skin) {
        EXPECT_EQ(companion, nullptr);
        EXPECT_FALSE(HasRegion(w.Wnd));
        if (!w.Maximised) {  // the system's frame again
          EXPECT_EQ(WindowSize(w.Wnd).cx, w.Outer.cx);
          EXPECT_EQ(WindowSize(w.Wnd).cy, w.Outer.cy);
        }
        continue;
      }
      ASSERT_NE(companion, nullptr);
      EXPECT_EQ(companion->BorderTop, skin->Top);
      if (!w.FrameShows) continue;
      const frame_test::TPixels pixels = WindowPixels(w.Wnd);
      EXPECT_EQ(TopTag(pixels), skin->Tag);
    }
  }

  skin::TScratchBitmapOwner scratch_;  // the frame painter needs it, as at program start-up
  TSkinData* own_ = nullptr;  // owned by its form
  std::unique_ptr<TSkinData> dialogData_;
  std::unique_ptr<TTestWindow> foreign_;
  std::unique_ptr<TTestWindow> mdiFrame_;
  HWND dialog_ = nullptr;
};

TEST_F(SwitchTest, SkinsAndNoneReachEveryWindowKindWithoutLeaks) {
  const std::vector<TWindowUnderTest> windows = OpenWindows();
  const TSwitchSkin* const round[] = {&kSkinB, nullptr, &kSkinA};
  Expect(windows, &kSkinA);
  for (const TSwitchSkin* skin : round) {
    Switch(skin);
    Expect(windows, skin);
  }
  const DWORD gdi = handle_counts::GdiObjects(), user = handle_counts::UserObjects();
  for (int i = 0; i < 6; ++i)
    for (const TSwitchSkin* skin : round) Switch(skin);
  Expect(windows, &kSkinA);
  EXPECT_LE(handle_counts::GdiObjects(), gdi);
  EXPECT_LE(handle_counts::UserObjects(), user);
}

}  // namespace
