// The skinned bar over a framework form's main menu: captions of owner-drawn
// items come from the framework, Alt + accelerator reaches the bar through
// CM_DIALOGCHAR, the chosen items' OnClick runs, a change of the items
// rebuilds the bar, and detaching puts the menu back on the window.
#include "MenuBarTestSupport.h"

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Menus.h"

namespace {

using namespace menu_test;

class FrameworkMenuBar : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<ui::TApplication>();
    form_ = new ui::TForm(app_.get());
    form_->SetBounds(100, 100, 420, 300);
    menu_ = new ui::TMainMenu(form_);
    file_ = AddItem(menu_->Items(), L"文件(&F)");
    open_ = AddItem(file_, L"&Open");
    edit_ = AddItem(menu_->Items(), L"&Edit");
    AddItem(edit_, L"&Undo");
    for (ui::TMenuItem* item : {file_, open_, edit_})
      item->OnClick = [this](ui::TObject* sender) { clicked_.push_back(static_cast<ui::TMenuItem*>(sender)); };
    menu_->SetOwnerDraw(true);  // no texts in the system menu: the bar asks the framework
    form_->SetMenu(menu_);
    form_->Show();
    Pump();
    data_ = button_test::MakeButtonSkin(MenuSkinDefinition(), MenuSkinFiles());
    skinForm_ = std::make_unique<skin::TWinSkinForm>(nullptr);
    skinForm_->Handle = form_->Handle();
    skinForm_->AttachForm(data_.get(), form_);
    SendMessageW(form_->Handle(), skin::WM_SKINSTART, 0, 1000);
    button_test::Activate(form_->Handle(), *skinForm_);
  }

  void TearDown() override {
    if (skinForm_) skinForm_->Detach();
    skinForm_.reset();
    app_.reset();
    data_.reset();
    skin::FreeSkinManage();
  }

  ui::TMenuItem* AddItem(ui::TMenuItem* parent, const wchar_t* caption) {
    auto* item = new ui::TMenuItem(form_);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  skin::TWinSkinMenu& Bar() { return *skinForm_->SkinMenu; }

  bool RunScript(std::vector<TMenuScript::TStep> steps, const std::function<void()>& start) {
    TMenuScript script(std::move(steps));
    return script.Run(start, [this] { return skinForm_->MenuTracking; });
  }

  skin::TScratchBitmapOwner scratch_;
  std::unique_ptr<ui::TApplication> app_;
  ui::TForm* form_ = nullptr;
  ui::TMainMenu* menu_ = nullptr;
  ui::TMenuItem *file_ = nullptr, *open_ = nullptr, *edit_ = nullptr;
  std::vector<ui::TMenuItem*> clicked_;
  std::unique_ptr<skin::TSkinData> data_;
  std::unique_ptr<skin::TWinSkinForm> skinForm_;
};

TEST_F(FrameworkMenuBar, CaptionsOfOwnerDrawnItemsComeFromTheFramework) {
  ASSERT_NE(skinForm_->SkinMenu, nullptr);
  EXPECT_EQ(GetMenu(form_->Handle()), nullptr);
  ASSERT_EQ(Bar().Items.size(), 2u);
  EXPECT_EQ(Bar().Items[0]->Caption, L"文件(&F)");
  EXPECT_EQ(Bar().Items[0]->Command, file_->Command());
  EXPECT_EQ(Bar().Items[0]->SubMenu, file_->Handle());
  EXPECT_EQ(Bar().Menu, menu_);
  EXPECT_EQ(skinForm_->MenuBarAccelItem('f'), Bar().Items[0].get());
}

TEST_F(FrameworkMenuBar, AltAcceleratorOpensAndTheChosenItemClicks) {
  // The popup opens with its first entry selected: Enter alone chooses it.
  ASSERT_TRUE(RunScript({[] { PostKey(VK_RETURN); }},
                        [this] { SendMessageW(form_->Handle(), WM_SYSCHAR, 'f', 0x20000000); }));
  ASSERT_TRUE(PumpUntil([&] { return clicked_.size() >= 2; }));
  EXPECT_EQ(clicked_, (std::vector<ui::TMenuItem*>{file_, open_})) << "the bar item's command, then the chosen item";
}

// In a right-to-left menu Left goes on to the next bar item and Right back to
// the previous one.
TEST_F(FrameworkMenuBar, RightToLeftMenuExchangesLeftAndRight) {
  ui::TMenuItem* help = AddItem(menu_->Items(), L"&Help");
  AddItem(help, L"&About");
  menu_->SetRightToLeft(true);
  ASSERT_EQ(Bar().Items.size(), 3u);
  std::vector<HMENU> opened;
  const auto record = [&] { opened.push_back(skinForm_->MenuTracking ? skinForm_->TrackedMenu : nullptr); };
  ASSERT_TRUE(RunScript({[&] {
                           record();
                           PostKey(VK_LEFT);  // from File: on to Edit, not round to Help
                         },
                         [&] {
                           record();
                           PostKey(VK_RIGHT);  // back to File
                         },
                         [&] {
                           record();
                           PostKey(VK_ESCAPE);
                         }},
                        [this] { SendMessageW(form_->Handle(), WM_SYSCHAR, 'f', 0x20000000); }));
  EXPECT_EQ(opened, (std::vector<HMENU>{file_->Handle(), edit_->Handle(), file_->Handle()}));
}

TEST_F(FrameworkMenuBar, ChangedItemsRebuildTheBarAndDetachGivesTheMenuBack) {
  ui::TMenuItem* help = AddItem(menu_->Items(), L"&Help");
  ASSERT_EQ(Bar().Items.size(), 3u);
  EXPECT_EQ(Bar().Items[2]->Caption, L"&Help");
  EXPECT_EQ(Bar().Items[2]->Command, help->Command());
  EXPECT_EQ(GetMenu(form_->Handle()), nullptr) << "taken off again after the framework put it back";
  edit_->SetEnabled(false);
  EXPECT_FALSE(Bar().Items[1]->Enabled);

  skinForm_->Detach();
  EXPECT_EQ(GetMenu(form_->Handle()), menu_->Handle());
  skinForm_.reset();
  // Freeing the form with its menu on the window leaves the menu to its component.
  delete form_;
  EXPECT_TRUE(clicked_.empty());
}

}  // namespace
