// A new skin on windows that are shown: reloads of every kind of skin data
// component, and switches between two skins and none on every kind of window.
#include <filesystem>
#include <fstream>

#include "SwitchTestSupport.h"
#include "package/PackageTestSupport.h"
#include "skin_form/HandleCounts.h"

namespace {

using namespace switch_test;
using frame_test::WindowPixels;
using skin::TSkinData;

class ReloadTest : public ManagerTest {
 protected:
  void TearDown() override {
    for (HWND wnd : dialogs_)
      if (IsWindow(wnd)) DestroyWindow(wnd);
    app_.reset();
    extra_.clear();
    ManagerTest::TearDown();
  }

  // A component of `kind` holding `skin`; owned by `owner` when given.
  TSkinData* Component(skin::TSkinFormType kind, const TSwitchSkin& skin, ui::TComponent* owner = nullptr) {
    auto data = std::make_unique<TSkinData>(owner);
    data->SkinFormtype = kind;
    EXPECT_TRUE(skin_test::LoadStored(*data, skin.Stored()));
    if (owner) return data.release();
    extra_.push_back(std::move(data));
    return extra_.back().get();
  }

  ui::TForm* NewForm(int x) {
    auto* form = new ui::TForm(app_.get());
    form->SetBounds(x, 60, 300, 200);
    return form;
  }

  HWND Dialog() {
    dialogs_.push_back(CreateTestDialog());
    return dialogs_.back();
  }

  // Paints the window and checks that its frame and caption button come
  // from `skin`: the button is built from the component's entry, is found
  // where the skin places it and shows its colour.
  void ExpectSkin(HWND wnd, const TSkinData& data, const TSwitchSkin& skin) {
    PaintNow(wnd);
    skin::TWinSkinForm* companion = Companion(wnd);
    ASSERT_NE(companion, nullptr);
    const POINT centre = skin.ButtonCentre(WindowSize(wnd).cx);
    skin::TWinSysButton* button = companion->SysButtonAt(centre);
    ASSERT_NE(button, nullptr) << skin.Tag;
    EXPECT_EQ(&*button->SkinButton, data.SysButtons.front().get());
    const frame_test::TPixels pixels = WindowPixels(wnd);
    EXPECT_EQ(pixels.At(centre.x, centre.y), skin.Colour);
    EXPECT_EQ(TopTag(pixels), skin.Tag);
  }

  skin::TScratchBitmapOwner scratch_;  // the frame painter needs it, as at program start-up
  package_test::TTempFolder temp_{"reload"};
  std::vector<std::unique_ptr<TSkinData>> extra_;
  std::vector<HWND> dialogs_;
};

enum class TReload { SkinFile, StoredSkin, SkinStream };

void Reload(TSkinData& data, TReload how, const skin_test::Bytes& stored, const std::filesystem::path& folder) {
  switch (how) {
    case TReload::SkinFile: {
      const std::filesystem::path file = folder / "next.skin";
      std::ofstream(file, std::ios::binary)
          .write(reinterpret_cast<const char*>(stored.data()), std::streamsize(stored.size()));
      data.SetSkinFile(file.string());
      return;
    }
    case TReload::StoredSkin:
      data.StoredSkin() = ui::TMemoryStream(stored);
      data.LoadFromStored();
      data.ApplySkin();
      return;
    case TReload::SkinStream: {
      ui::TMemoryStream framed;
      framed.WriteUInt32LE(std::uint32_t(stored.size()));
      framed.WriteBuffer(stored.data(), stored.size());
      framed.SetPosition(0);
      data.ReadSkinStream(framed);
      return;
    }
  }
}

// The windows of a reloaded component paint and hit-test with the new skin
// at once, before any request has run, and get its frame at the next tick.
TEST_F(ReloadTest, ReloadOfEveryComponentKindReachesItsWindows) {
  struct TCase {
    const char* Name;
    skin::TSkinFormType Kind;
    TReload How;
  };
  const TCase cases[] = {{"main form, skin file", skin::sfMainform, TReload::SkinFile},
                         {"own form, stored skin", skin::sfOnlyThisForm, TReload::StoredSkin},
                         {"dialog, skin stream", skin::sfDialog, TReload::SkinStream}};
  manager_->SetState(1);
  int x = 40;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    HWND wnd = nullptr;
    TSkinData* data = nullptr;
    if (c.Kind == skin::sfMainform) {
      data = data_.get();
      ASSERT_TRUE(skin_test::LoadStored(*data, kSkinA.Stored()));
      wnd = NewForm(x)->Handle();
    } else if (c.Kind == skin::sfOnlyThisForm) {
      ui::TForm* form = NewForm(x);
      data = Component(c.Kind, kSkinA, form);
      wnd = form->Handle();
    } else {
      data = Component(c.Kind, kSkinA);
      wnd = Dialog();
    }
    x += 320;
    ShowWindow(wnd, SW_SHOW);
    Activate(wnd);
    ASSERT_NE(Companion(wnd), nullptr);
    ASSERT_EQ(Companion(wnd)->SkinData, data);
    const SIZE client = ClientSize(wnd);
    ExpectSkin(wnd, *data, kSkinA);

    Reload(*data, c.How, kSkinB.Stored(), temp_.Path());
    ASSERT_FALSE(data->Empty);
    ExpectSkin(wnd, *data, kSkinB);
    EXPECT_EQ(Companion(wnd)->SysButtonAt(kSkinA.ButtonCentre(WindowSize(wnd).cx)), nullptr);

    WaitForTick();
    EXPECT_EQ(Companion(wnd)->BorderTop, kSkinB.Top);
    EXPECT_EQ(ClientSize(wnd).cx, client.cx);
    EXPECT_EQ(ClientSize(wnd).cy, client.cy);
    EXPECT_EQ(WindowSize(wnd).cy, client.cy + kSkinB.Top + kBottom);
    ExpectSkin(wnd, *data, kSkinB);
  }
}

// A stored skin that is no skin leaves the component, its skin and its
// windows exactly as they were.
TEST_F(ReloadTest, LoadSkinRefusesBytesThatAreNoSkin) {
  ASSERT_TRUE(data_->LoadSkin(kSkinA.Stored()));
  ui::TForm* form = NewForm(40);
  form->Show();
  Activate(form->Handle());
  ExpectSkin(form->Handle(), *data_, kSkinA);
  const auto before = data_->StoredSkin().Vector();
  const auto entry = data_->SysButtons.front();

  skin_test::Bytes cut = kSkinB.Stored();
  cut.resize(cut.size() / 2);
  std::vector<std::string> messages;
  auto previous = skin::SetSkinMessageHandler([&messages](const std::string& text) { messages.push_back(text); });
  for (const skin_test::Bytes& bad : {skin_test::Bytes{}, skin_test::Bytes(100, 7), cut}) {
    EXPECT_FALSE(data_->LoadSkin(bad));
    EXPECT_FALSE(data_->Empty);
    EXPECT_EQ(data_->SkinName, "Tag 3");
    EXPECT_EQ(data_->SysButtons.front(), entry);
    EXPECT_EQ(data_->StoredSkin().Vector(), before);
  }
  skin::SetSkinMessageHandler(std::move(previous));
  WaitForTick();
  ExpectSkin(form->Handle(), *data_, kSkinA);
}

}  // namespace
