// Control discovery: which controls get which companion, the gates of the
// skin data's SkinControls, DisableTag, containers, dialogs and message boxes.
#include <map>

#include "ControlTestSupport.h"
#include "skin/manager/SkinManage.h"
#include "ui/Panel.h"
#include "ui/ToolBar.h"

namespace {

using namespace control_test;

// Framework classes of other names, to reach the rows that go by window
// class name: a push button whose window class is "TTrackBar" or "TUpDown".
class TTrackBar : public ui::TButton {
 public:
  using ui::TButton::TButton;
  std::string ClassName() const override { return "TTrackBar"; }
};
class TUpDown : public ui::TButton {
 public:
  using ui::TButton::TButton;
  std::string ClassName() const override { return "TUpDown"; }
};

class DiscoveryTest : public ControlTest {
 protected:
  template <class T>
  T* Add(ui::TWinControl* parent, RECT r, std::intptr_t tag = 0, ui::TComponent* owner = nullptr) {
    auto* control = new T(owner ? owner : form_);
    control->Tag = tag;
    control->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    control->SetParent(parent);
    return control;
  }
  template <class T>
  T* Add(RECT r, std::intptr_t tag = 0) {
    return Add<T>(form_, r, tag);
  }

  // The companion class on each control's window ("" for none).
  std::string KindOf(ui::TWinControl* control) const {
    const skin::TSkinControl* companion = CompanionOf(control->Handle());
    return companion ? companion->ClassName() : "";
  }

  void SetUp() override {
    ControlTest::SetUp();
    form_ = NewForm();
  }

  ui::TForm* form_ = nullptr;
};

TEST_F(DiscoveryTest, DisableTagComparesTagModulo100) {
  ui::TButton* plain = Add<ui::TButton>(RECT{10, 10, 90, 35}, 98);
  ui::TButton* t99 = Add<ui::TButton>(RECT{10, 40, 90, 65}, 99);
  ui::TButton* t199 = Add<ui::TButton>(RECT{10, 70, 90, 95}, 199);
  ui::TButton* t299 = Add<ui::TButton>(RECT{10, 100, 90, 125}, 299);
  Skin(form_);
  EXPECT_EQ(KindOf(plain), "TSkinButton");
  EXPECT_EQ(KindOf(t99), "");
  EXPECT_EQ(KindOf(t199), "");
  EXPECT_EQ(KindOf(t299), "");
}

TEST_F(DiscoveryTest, RunningAgainGivesNoSecondCompanion) {
  Add<ui::TButton>(RECT{10, 10, 90, 35});
  Add<ui::TCheckBox>(RECT{10, 40, 90, 60});
  auto* group = Add<ui::TRadioGroup>(RECT{100, 10, 250, 120});
  group->SetItems({L"one", L"two", L"three"});
  auto* speed = Add<ui::TSpeedButton>(RECT{10, 130, 40, 160});
  (void)speed;
  skin::TWinSkinForm& companion = Skin(form_);
  const std::size_t first = companion.Controls.size();
  EXPECT_EQ(first, 7u);  // button, check box, the radio group and its three buttons, speed button
  companion.DiscoverControls();
  companion.DiscoverControls();
  EXPECT_EQ(companion.Controls.size(), first);
  EXPECT_EQ(KindOf(group->Buttons(2)), "TSkinRadioButton");
}

TEST_F(DiscoveryTest, GatesOfTheSkinControlsSet) {
  data_->SkinControls.Exclude(skin::xcToolbar);
  data_->SkinControls.Exclude(skin::xcCheckBox);
  data_->SkinControls.Exclude(skin::xcBitBtn);
  data_->SkinControls.Exclude(skin::xcSpeedButton);
  auto* bar = Add<ui::TToolBar>(RECT{0, 0, 300, 29});
  auto* track = Add<TTrackBar>(RECT{10, 40, 90, 65});
  auto* bitmap = Add<ui::TBitBtn>(RECT{10, 70, 90, 95});
  auto* speed = Add<ui::TSpeedButton>(bar, RECT{2, 2, 25, 25});
  skin::TWinSkinForm& companion = Skin(form_);
  // The tool bar is made flat and plain whatever the set says.
  EXPECT_TRUE(bar->Flat());
  EXPECT_TRUE(bar->Transparent());
  EXPECT_EQ(bar->Color(), kFace);
  EXPECT_TRUE(speed->Flat());
  // A gate that fails lets the later rows try: the track-bar row wants
  // xcCheckBox, so this push button of that class is skinned as a push
  // button; without xcBitBtn a bitmap button is a push button too.
  EXPECT_EQ(KindOf(track), "TSkinButton");
  EXPECT_EQ(KindOf(bitmap), "TSkinButton");
  EXPECT_FALSE(skin::IsSkinnedControl(companion, speed));
}

TEST_F(DiscoveryTest, TrackBarAndUpDownRowsTakeTheirControlsWithXcCheckBox) {
  auto* track = Add<TTrackBar>(RECT{10, 40, 90, 65});
  auto* upDown = Add<TUpDown>(RECT{10, 70, 90, 95});
  auto* box = Add<ui::TCheckBox>(RECT{10, 100, 90, 120});
  data_->SkinControls.Exclude(skin::xcButton);
  Skin(form_);
  // Their rows take them (with their own companions), so no push-button
  // companion; a check box wants xcButton.
  EXPECT_EQ(KindOf(track), "TSkinTrackBar");
  EXPECT_EQ(KindOf(upDown), "TSkinUpDown");
  EXPECT_EQ(KindOf(box), "");
}

TEST_F(DiscoveryTest, ContainersAreSearchedOnlyWithXcPanel) {
  for (bool withPanel : {true, false}) {
    SCOPED_TRACE(withPanel);
    if (!withPanel) data_->SkinControls.Exclude(skin::xcPanel);
    auto* panel = Add<ui::TPanel>(RECT{10, 10, 200, 80});
    auto* group = Add<ui::TGroupBox>(RECT{10, 90, 200, 180});
    // Owned by the containers: found only by searching them.
    auto* inPanel = Add<ui::TButton>(panel, RECT{5, 5, 80, 30}, 0, panel);
    auto* inGroup = Add<ui::TCheckBox>(group, RECT{5, 20, 120, 40}, 0, group);
    Skin(form_);
    EXPECT_EQ(KindOf(inPanel), withPanel ? "TSkinButton" : "");
    EXPECT_EQ(KindOf(inGroup), withPanel ? "TSkinCheckBox" : "");
    Unskin();
    delete panel;
    delete group;
  }
}

TEST_F(DiscoveryTest, RadioGroupButtonsNeedXcRadioButton) {
  auto* group = Add<ui::TRadioGroup>(RECT{10, 10, 200, 120});
  group->SetItems({L"one", L"two"});
  data_->SkinControls.Exclude(skin::xcRadioButton);
  Skin(form_);
  EXPECT_EQ(KindOf(group->Buttons(0)), "");
}

TEST_F(DiscoveryTest, DialogChildWindowsByClassAndStyle) {
  const HWND wnd = NewBareWindow();
  const std::map<DWORD, std::string> buttons = {
      {BS_PUSHBUTTON, "TSkinButton"},        {BS_DEFPUSHBUTTON, "TSkinButton"},
      {BS_CHECKBOX, "TSkinCheckBox"},        {BS_AUTOCHECKBOX, "TSkinCheckBox"},
      {BS_3STATE, "TSkinCheckBox"},          {BS_AUTO3STATE, "TSkinCheckBox"},
      {BS_RADIOBUTTON, "TSkinRadioButton"},  {BS_AUTORADIOBUTTON, "TSkinRadioButton"},
      {BS_GROUPBOX, ""},                     {BS_OWNERDRAW, ""},
  };
  std::map<HWND, std::string> expected;
  int y = 5;
  for (const auto& [style, kind] : buttons) {
    expected[Child(wnd, L"BUTTON", L"b", style, RECT{5, y, 200, y + 20}, y)] = kind;
    y += 24;
  }
  expected[Child(wnd, L"COMBOBOX", L"", CBS_SIMPLE, RECT{210, 5, 300, 80}, 900)] = "";
  const HWND hidden = Child(wnd, L"BUTTON", L"h", BS_PUSHBUTTON, RECT{210, 90, 300, 110}, 901);
  ShowWindow(hidden, SW_HIDE);
  expected[hidden] = "TSkinButton";  // hidden windows are skinned too
  skin::TWinSkinForm& companion = Skin(wnd);
  for (const auto& [child, kind] : expected) {
    const skin::TSkinControl* found = skin::FindControlByHandle(companion, child);
    EXPECT_EQ(found ? found->ClassName() : "", kind) << GetDlgCtrlID(child);
  }
  const std::size_t count = companion.Controls.size();
  companion.DiscoverControls();
  EXPECT_EQ(companion.Controls.size(), count);
}

// Message boxes are skinned by the manager, their buttons included.
struct TBoxSeen {
  int buttons = 0;
  int skinnedButtons = 0;
  int frame = 0;
  int expectedFrame = -1;
};
TBoxSeen boxSeen;
int boxTicks = 0;

void CALLBACK LookAtBox(HWND, UINT, UINT_PTR id, DWORD) {
  const HWND box = FindWindowW(L"#32770", L"Tavrin box");
  skin::TWinSkinForm* companion = box ? skin::SkinManage()->FindForm(box) : nullptr;
  if (!companion || companion->SkinState != skin::ssRunning) {
    if (++boxTicks > 50) {  // give up, but never leave the box waiting for a user
      KillTimer(nullptr, id);
      if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    return;
  }
  KillTimer(nullptr, id);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[16] = {};
    GetClassNameW(child, cls, 16);
    if (lstrcmpiW(cls, L"Button") != 0) continue;
    ++boxSeen.buttons;
    if (const skin::TSkinControl* c = skin::FindControlByHandle(*companion, child); c && c->ClassName() == "TSkinButton")
      ++boxSeen.skinnedButtons;
    boxSeen.frame = ButtonFrameShown(child);
    boxSeen.expectedFrame = GetFocus() == child ? 4 : 1;
  }
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(DiscoveryTest, MessageBoxButtonsAreSkinned) {
  data_->SkinControls = skin::kDefaultSkinControls;  // frame and controls
  // The form was activated before: the request waits for the manager's tick.
  skin::TSkinManage* manager = skin::SkinManage();
  manager->SetState(1);
  for (int i = 0; i < 40 && !manager->Enabled; ++i) PumpFor(50);
  ASSERT_TRUE(manager->Enabled);
  boxSeen = {};
  boxTicks = 0;
  SetTimer(nullptr, 0, 100, &LookAtBox);
  EXPECT_EQ(MessageBoxW(form_->Handle(), L"text", L"Tavrin box", MB_OK), IDOK);
  EXPECT_EQ(boxSeen.buttons, 1);
  EXPECT_EQ(boxSeen.skinnedButtons, 1);
  EXPECT_EQ(boxSeen.frame, boxSeen.expectedFrame);  // painted from the skin
}

}  // namespace
