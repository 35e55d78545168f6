// Which skin data component skins a window.
#include "ManagerTestSupport.h"

namespace {

using namespace manager_test;
using skin::sfDialog;
using skin::sfMainform;
using skin::sfOnlyThisForm;

class PrecedenceTest : public ManagerTest {
 protected:
  // A component registered after the fixture's own main-form component.
  skin::TSkinData* Add(skin::TSkinFormType type, ui::TComponent* owner = nullptr) {
    auto data = MakeSkinData(type, owner);
    if (owner) return data.release();  // the owner frees it
    extra_.push_back(std::move(data));
    return extra_.back().get();
  }
  void TearDown() override {
    app_.reset();
    extra_.clear();
    ManagerTest::TearDown();
  }

  std::vector<std::unique_ptr<skin::TSkinData>> extra_;
};

TEST_F(PrecedenceTest, OwnFormThenDialogThenLastMainform) {
  ui::TForm* form = ShowForm();
  ui::TForm* other = ShowForm();
  skin::TSkinData* dialog = Add(sfDialog);
  skin::TSkinData* own1 = Add(sfOnlyThisForm, form);
  skin::TSkinData* own2 = Add(sfOnlyThisForm, form);
  skin::TSkinData* main2 = Add(sfMainform);
  TTestWindow box(WS_POPUP | WS_CAPTION);
  (void)box;
  const HWND dialogWnd = CreateWindowExW(0, L"#32770", L"box", WS_POPUP | WS_CAPTION, 0, 0, 200, 100, nullptr,
                                         nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(dialogWnd, nullptr);

  EXPECT_EQ(manager_->FindSkinData(form->Handle()), own2);  // the last one registered
  EXPECT_NE(manager_->FindSkinData(form->Handle()), own1);
  EXPECT_EQ(manager_->FindSkinData(dialogWnd), dialog);
  EXPECT_EQ(manager_->FindSkinData(other->Handle()), main2);  // the last main-form one
  DestroyWindow(dialogWnd);
}

TEST_F(PrecedenceTest, DialogWithoutDialogComponentTakesTheLastMainform) {
  skin::TSkinData* main2 = Add(sfMainform);
  const HWND dialogWnd = CreateWindowExW(0, L"#32770", L"box", WS_POPUP | WS_CAPTION, 0, 0, 200, 100, nullptr,
                                         nullptr, GetModuleHandleW(nullptr), nullptr);
  EXPECT_EQ(manager_->FindSkinData(dialogWnd), main2);
  DestroyWindow(dialogWnd);
}

TEST_F(PrecedenceTest, WithoutMainformTheFirstRegisteredOneServes) {
  data_->SkinFormtype = sfDialog;
  ui::TForm* form = ShowForm();
  ui::TForm* other = ShowForm();
  Add(sfOnlyThisForm, form);
  EXPECT_EQ(manager_->FindSkinData(other->Handle()), data_.get());
}

TEST_F(PrecedenceTest, ClassFilterAsksTheFirstMainformComponent) {
  skin::TSkinData* second = Add(sfMainform);
  second->OnFormSkin = [](ui::TObject*, const std::string&, bool& doSkin) { doSkin = false; };
  EXPECT_TRUE(manager_->CanSkinClass("TForm"));
  data_->OnFormSkin = [](ui::TObject*, const std::string& name, bool& doSkin) { doSkin = name != "TForm"; };
  EXPECT_FALSE(manager_->CanSkinClass("TForm"));
  EXPECT_TRUE(manager_->CanSkinClass("TOther"));
}

}  // namespace
