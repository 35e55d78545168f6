// Discovery of the edit family: framework edits, memos, spin edits, combo
// boxes, up-downs and date-time pickers by their rows and gates; the combo
// boxes, edits and bare scroll bars of dialogs; detaching.
#include "EditTestSupport.h"
#include "skin_form/HandleCounts.h"
#include "skin/WinSubClass/SkinEdit.h"
#include "skin/WinSubClass/SkinUpDown.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/EditCtrls.h"
#include "ui/FormReader.h"
#include "ui/Panel.h"
#include "ui/StandardClasses.h"
#include "ui/UpDown.h"

namespace {

using namespace edit_test;

class EditDiscoveryTest : public EditTest {
 protected:
  void SetUp() override {
    EditTest::SetUp();
    form_ = NewForm();
  }
  template <class T>
  T* Add(RECT r, std::intptr_t tag = 0) {
    auto* control = new T(form_);
    control->Tag = tag;
    control->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    control->SetParent(form_);
    return control;
  }
  std::string KindOf(ui::TWinControl* control) const {
    const skin::TSkinControl* companion = CompanionOf(control->Handle());
    return companion ? companion->ClassName() : "";
  }

  ui::TForm* form_ = nullptr;
};

TEST_F(EditDiscoveryTest, FrameworkControlsGetTheirCompanions) {
  auto* edit = Add<ui::TEdit>(RECT{10, 10, 130, 31});
  auto* memo = Add<ui::TMemo>(RECT{10, 40, 130, 100});
  auto* spin = Add<ui::TSpinEdit>(RECT{10, 110, 130, 131});
  auto* combo = Add<ui::TComboBox>(RECT{150, 10, 280, 31});
  auto* upDown = Add<ui::TUpDown>(RECT{150, 40, 166, 64});
  auto* pickerCombo = Add<ui::TDateTimePicker>(RECT{150, 80, 300, 101});
  auto* pickerUpDown = Add<ui::TDateTimePicker>(RECT{150, 110, 300, 131});
  pickerUpDown->SetDateMode(ui::dmUpDown);
  skin::TWinSkinForm& companion = Skin(form_);
  EXPECT_EQ(KindOf(edit), "TSkinEdit");
  EXPECT_EQ(KindOf(memo), "TSkinEdit");
  EXPECT_EQ(KindOf(spin), "TSkinEdit");
  EXPECT_EQ(KindOf(combo), "TSkinComBox");
  EXPECT_EQ(KindOf(upDown), "TSkinUpDown");
  EXPECT_EQ(KindOf(pickerCombo), "TSkinComBox");
  EXPECT_EQ(KindOf(pickerUpDown), "TSkinEdit");

  // The spin edit's button (a bare up-down window inside it) is found at
  // its first paint.
  PaintNow(form_->Handle());
  auto* spinEdit = dynamic_cast<skin::TSkinEdit*>(CompanionOf(spin->Handle()));
  ASSERT_NE(spinEdit->UpDown, nullptr);
  EXPECT_EQ(spinEdit->UpDown->Handle, spin->Button());
  EXPECT_TRUE(spinEdit->UpDown->InEdit);
  // Running again adds nothing.
  const std::size_t count = companion.Controls.size();
  companion.DiscoverControls();
  EXPECT_EQ(companion.Controls.size(), count);
}

TEST_F(EditDiscoveryTest, GatesXcEditXcComboAndXcCheckBox) {
  auto* edit = Add<ui::TEdit>(RECT{10, 10, 130, 31});
  auto* combo = Add<ui::TComboBox>(RECT{150, 10, 280, 31});
  auto* upDown = Add<ui::TUpDown>(RECT{150, 40, 166, 64});
  auto* picker = Add<ui::TDateTimePicker>(RECT{150, 80, 300, 101});
  data_->SkinControls.Exclude(skin::xcEdit);
  data_->SkinControls.Exclude(skin::xcCombo);
  data_->SkinControls.Exclude(skin::xcCheckBox);
  Skin(form_);
  EXPECT_EQ(KindOf(edit), "");
  EXPECT_EQ(KindOf(combo), "");
  EXPECT_EQ(KindOf(upDown), "");
  EXPECT_EQ(KindOf(picker), "");  // its row wants xcEdit, whichever companion it would get
}

TEST_F(EditDiscoveryTest, Tags56And57AskForTheComboAndEditCompanions) {
  data_->SkinControls.Exclude(skin::xcPanel);
  auto* asCombo = Add<ui::TPanel>(RECT{10, 10, 100, 40}, 56);
  auto* asEdit = Add<ui::TPanel>(RECT{10, 50, 100, 80}, 57);
  auto* plain = Add<ui::TPanel>(RECT{10, 90, 100, 120}, 58);
  // A tag asks, but the gate still decides.
  auto* gated = Add<ui::TPanel>(RECT{10, 130, 100, 160}, 56);
  Skin(form_);
  EXPECT_EQ(KindOf(asCombo), "TSkinComBox");
  EXPECT_EQ(KindOf(asEdit), "TSkinEdit");
  EXPECT_EQ(KindOf(plain), "");
  Unskin();
  for (ui::TPanel* panel : {asCombo, asEdit, plain}) delete panel;
  data_->SkinControls.Exclude(skin::xcCombo);
  Skin(form_);
  EXPECT_EQ(KindOf(gated), "");
}

TEST_F(EditDiscoveryTest, DialogChildWindowsByClassAndStyle) {
  const HWND parent = NewNoteWindow();
  const HWND edit = ChildEx(parent, L"EDIT", WS_EX_CLIENTEDGE, 0, RECT{10, 10, 130, 34});
  const HWND dropDown = ChildEx(parent, L"COMBOBOX", 0, CBS_DROPDOWN, RECT{10, 40, 130, 200});
  const HWND list = ChildEx(parent, L"COMBOBOX", 0, CBS_DROPDOWNLIST, RECT{10, 70, 130, 200});
  const HWND simple = ChildEx(parent, L"COMBOBOX", 0, CBS_SIMPLE, RECT{150, 10, 280, 120});
  const HWND extended = ChildEx(parent, WC_COMBOBOXEXW, 0, CBS_DROPDOWNLIST, RECT{150, 130, 280, 250});
  const HWND bar = ChildEx(parent, L"SCROLLBAR", 0, SBS_VERT, RECT{300, 10, 317, 150});
  const HWND grip = ChildEx(parent, L"SCROLLBAR", 0, SBS_SIZEGRIP, RECT{300, 160, 317, 177});
  const HWND upDown = ChildEx(parent, UPDOWN_CLASSW, 0, 0, RECT{330, 10, 346, 34});
  std::map<HWND, WNDPROC> procedures;
  for (HWND wnd : {edit, dropDown, list, simple, bar, grip, upDown, GetTopWindow(extended)})
    procedures[wnd] = skin::CurrentWindowProc(wnd);

  Skin(parent);
  auto kind = [this](HWND wnd) {
    const skin::TSkinControl* companion = CompanionOf(wnd);
    return companion ? companion->ClassName() : std::string();
  };
  EXPECT_EQ(kind(edit), "TSkinEdit");
  EXPECT_EQ(kind(dropDown), "TSkinComBox");
  EXPECT_EQ(kind(list), "TSkinComBox");
  EXPECT_EQ(kind(simple), "");
  ASSERT_NE(GetTopWindow(extended), nullptr);
  EXPECT_EQ(kind(extended), "");
  EXPECT_EQ(kind(GetTopWindow(extended)), "TSkinComBox");
  EXPECT_EQ(kind(bar), "TSkinScControl");
  EXPECT_EQ(kind(grip), "TSkinSizer");
  EXPECT_EQ(kind(upDown), "");  // a dialog's up-down is skinned only inside an edit
  PaintNow(parent);

  // Detaching puts every window procedure back.
  Unskin();
  for (const auto& [wnd, procedure] : procedures) EXPECT_EQ(skin::CurrentWindowProc(wnd), procedure);
}

TEST_F(EditDiscoveryTest, FrameworkControlsDetachCleanly) {
  auto* edit = Add<ui::TEdit>(RECT{10, 10, 130, 31});
  auto* spin = Add<ui::TSpinEdit>(RECT{10, 110, 130, 131});
  auto* upDown = Add<ui::TUpDown>(RECT{150, 40, 166, 64});
  auto* combo = Add<ui::TComboBox>(RECT{150, 80, 280, 101});
  const WNDPROC buttonProc = skin::CurrentWindowProc(spin->Button());
  DWORD gdiAfterFirst = 0;
  for (int round = 0; round < 4; ++round) {
    Skin(form_);
    PaintNow(form_->Handle());
    // Pressed and released: every state of each painted once.
    SendMessageW(combo->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(combo->Width() - 5, 5));
    SendMessageW(combo->Handle(), WM_LBUTTONUP, 0, Point(combo->Width() - 5, 5));
    SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    SendMessageW(upDown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    SendMessageW(upDown->Handle(), WM_LBUTTONUP, 0, Point(5, 5));
    Pump();
    EXPECT_NE(CompanionOf(edit->Handle()), nullptr);
    EXPECT_NE(skin::CurrentWindowProc(spin->Button()), buttonProc);
    Unskin();
    EXPECT_EQ(skin::CurrentWindowProc(spin->Button()), buttonProc);
    PaintNow(form_->Handle());
    // The first round may leave the system's own caches behind; later ones
    // leave nothing.
    if (round == 0) gdiAfterFirst = handle_counts::GdiObjects();
    else EXPECT_EQ(handle_counts::GdiObjects(), gdiAfterFirst) << "round " << round;
  }
  // The framework controls still work on their own.
  upDown->SetPosition(3);
  EXPECT_EQ(upDown->Position(), 3);
  edit->SetText(L"after");
  EXPECT_EQ(edit->Text(), L"after");
}

// The class library's side: every setting read from a description reaches
// the window, and a bad value stops the reading.
TEST(EditForms, EditFamilyIsReadFromDescriptions) {
  ui::RegisterStandardClasses();
  ui::TApplication app;
  ui::TForm root(nullptr);
  ui::TFormBindings bindings;
  ui::ReadComponent(root,
                    "object F: TForm\n"
                    "  object Plain: TEdit\n    BorderStyle = bsNone\n    ReadOnly = True\n    Text = 'abc'\n  end\n"
                    "  object Notes: TMemo\n    ScrollBars = ssBoth\n    WordWrap = False\n"
                    "    Lines = 'one'#13#10'two'\n  end\n"
                    "  object Choice: TComboBox\n    Style = csDropDownList\n    Items = 'a'#13#10'b'#13#10'c'\n"
                    "    ItemIndex = 2\n  end\n"
                    "  object Steps: TUpDown\n    Orientation = udHorizontal\n    Min = 1\n    Max = 9\n"
                    "    Position = 4\n    Associate = Buddy\n  end\n"
                    "  object Buddy: TEdit\n  end\n"
                    "  object Spin: TSpinEdit\n    MinValue = 1\n    MaxValue = 5\n    Value = 9\n  end\n"
                    "  object Picker: TDateTimePicker\n    Kind = dtkTime\n    DateMode = dmUpDown\n  end\n"
                    "end\n",
                    bindings, nullptr);
  root.SetBounds(100, 100, 400, 300);
  root.Show();
  auto find = [&root](const char* name) { return dynamic_cast<ui::TWinControl*>(root.FindComponent(name)); };
  auto style = [](ui::TWinControl* c) { return DWORD(GetWindowLongPtrW(c->Handle(), GWL_STYLE)); };
  auto* plain = dynamic_cast<ui::TEdit*>(find("Plain"));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->Text(), L"abc");
  EXPECT_NE(style(plain) & ES_READONLY, 0u);
  EXPECT_EQ(GetWindowLongPtrW(plain->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  auto* notes = dynamic_cast<ui::TMemo*>(find("Notes"));
  EXPECT_EQ(notes->Lines(), (std::vector<std::wstring>{L"one", L"two"}));
  EXPECT_EQ(style(notes) & (WS_HSCROLL | WS_VSCROLL | ES_MULTILINE), DWORD(WS_HSCROLL | WS_VSCROLL | ES_MULTILINE));
  auto* choice = dynamic_cast<ui::TComboBox*>(find("Choice"));
  EXPECT_EQ(style(choice) & 3, DWORD(CBS_DROPDOWNLIST));
  EXPECT_EQ(choice->ItemIndex(), 2);
  EXPECT_EQ(SendMessageW(choice->Handle(), CB_GETCOUNT, 0, 0), 3);
  auto* steps = dynamic_cast<ui::TUpDown*>(find("Steps"));
  EXPECT_NE(style(steps) & UDS_HORZ, 0u);
  EXPECT_EQ(steps->Position(), 4);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(steps->Handle(), UDM_GETBUDDY, 0, 0)), find("Buddy")->Handle());
  EXPECT_EQ(dynamic_cast<ui::TEdit*>(find("Buddy"))->Text(), L"4");
  auto* spin = dynamic_cast<ui::TSpinEdit*>(find("Spin"));
  EXPECT_EQ(spin->Value(), 5);  // kept inside the range
  ASSERT_NE(spin->Button(), nullptr);
  EXPECT_EQ(GetParent(spin->Button()), spin->Handle());
  auto* picker = dynamic_cast<ui::TDateTimePicker*>(find("Picker"));
  EXPECT_EQ(picker->DateMode(), ui::dmUpDown);
  EXPECT_EQ(style(picker) & DTS_TIMEFORMAT, DWORD(DTS_TIMEFORMAT));

  ui::TForm bad(nullptr);
  EXPECT_THROW(ui::ReadComponent(bad, "object F: TForm\n  object E: TEdit\n    BorderStyle = bsDialog\n  end\nend\n",
                                 bindings, nullptr),
               ui::EFormError);
}

}  // namespace
