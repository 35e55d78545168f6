#include "skin/WinSkinForm/ControlDiscovery.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSubClass/SkinBitButton.h"
#include "skin/WinSubClass/SkinBox.h"
#include "skin/WinSubClass/SkinButton.h"
#include "skin/WinSubClass/SkinCheckBox.h"
#include "skin/WinSubClass/SkinComBox.h"
#include "skin/WinSubClass/SkinEdit.h"
#include "skin/WinSubClass/SkinListView.h"
#include "skin/WinSubClass/SkinProgress.h"
#include "skin/WinSubClass/SkinScControl.h"
#include "skin/WinSubClass/SkinScrollBar.h"
#include "skin/WinSubClass/SkinSizer.h"
#include "skin/WinSubClass/SkinSpeedButton.h"
#include "skin/WinSubClass/SkinStatusBar.h"
#include "skin/WinSubClass/SkinTab.h"
#include "skin/WinSubClass/SkinTrackBar.h"
#include "skin/WinSubClass/SkinUpDown.h"
#include "skin/draw/WindowText.h"
#include "ui/Buttons.h"
#include "ui/ComCtrls.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/EditCtrls.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/ListView.h"
#include "ui/Panel.h"
#include "ui/ScrollBar.h"
#include "ui/StdCtrls.h"
#include "ui/TabCtrls.h"
#include "ui/TextConv.h"
#include "ui/ToolBar.h"
#include "ui/UpDown.h"

namespace skin {

namespace {

// --- Companions ------------------------------------------------------------------

// The companion kinds the rows name. A new companion joins in NewCompanion.
enum class TKind {
  Button,       // TSkinButton
  BitButton,    // TSkinBitButton
  CheckBox,     // TSkinCheckBox
  RadioButton,  // TSkinRadioButton
  Box,          // TSkinBox: panels, group boxes, radio groups
  Tab,          // TSkinTab
  TrackBar,     // TSkinTrackBar
  UpDown,       // TSkinUpDown
  StatusBar,    // TSkinStatusBar
  Progress,     // TSkinProgress
  ScControl,    // TSkinScControl
  ComBox,       // TSkinComBox
  Edit,         // TSkinEdit
  ListView,     // TSkinListView
  Sizer,        // TSkinSizer
};

std::unique_ptr<TSkinControl> NewCompanion(TKind kind, TWinSkinForm& form) {
  switch (kind) {
    case TKind::Button: return std::make_unique<TSkinButton>(&form);
    case TKind::BitButton: return std::make_unique<TSkinBitButton>(&form);
    case TKind::CheckBox: return std::make_unique<TSkinCheckBox>(&form);
    case TKind::RadioButton: return std::make_unique<TSkinRadioButton>(&form);
    case TKind::ScControl: return std::make_unique<TSkinScControl>(&form);
    case TKind::ListView: return std::make_unique<TSkinListView>(&form);
    case TKind::Box: return std::make_unique<TSkinBox>(&form);
    case TKind::TrackBar: return std::make_unique<TSkinTrackBar>(&form);
    case TKind::StatusBar: return std::make_unique<TSkinStatusBar>(&form);
    case TKind::Progress: return std::make_unique<TSkinProgress>(&form);
    case TKind::Tab: return std::make_unique<TSkinTab>(&form);
    case TKind::UpDown: return std::make_unique<TSkinUpDown>(&form);
    case TKind::ComBox: return std::make_unique<TSkinComBox>(&form);
    case TKind::Edit: return std::make_unique<TSkinEdit>(&form);
    case TKind::Sizer: return std::make_unique<TSkinSizer>(&form);
    default: return nullptr;
  }
}

// What the rows look at: the component, its window (windowed controls) and
// its window class name in capitals (empty for windowless ones).
struct TItem {
  ui::TComponent* Component = nullptr;
  ui::TWinControl* Windowed = nullptr;
  std::string Name;
};

struct TDiscovery {
  TWinSkinForm& Form;
  TSkinData& Data;
  TSkinSet& Skin;  // at the window's DPI, what the companions paint from

  bool Has(TSkinControlType member) const { return Data.SkinControls.Contains(member); }
  bool TabsPresent() const { return Skin.Tabs != nullptr; }

  // A companion of `kind` attached to the framework control.
  void AttachNew(TKind kind, ui::TComponent* component, bool changeColor) {
    auto* control = dynamic_cast<ui::TWinControl*>(component);
    if (!control || IsSkinnedControl(Form, control)) return;
    std::unique_ptr<TSkinControl> companion = NewCompanion(kind, Form);
    if (companion && companion->Attach(control, &Skin, changeColor, Form.ControlCanvas.get())) companion.release();
  }

  // A companion of `kind` on a bare window (or a framework control's window).
  void AttachNewWindow(TKind kind, HWND wnd) {
    if (!wnd || FindControlByHandle(Form, wnd)) return;
    std::unique_ptr<TSkinControl> companion = NewCompanion(kind, Form);
    if (!companion || !companion->AttachWindow(wnd, &Skin, Form.ControlCanvas.get())) return;
    Form.Controls.push_back(companion.release());
  }

  void AttachSpeedButton(ui::TComponent* component) {
    auto* button = dynamic_cast<ui::TSpeedButton*>(component);
    if (!button) return;
    auto companion = std::make_unique<TSkinSpeedButton>(&Form);
    if (companion->AttachGraphic(button, &Skin, Form.ControlCanvas.get())) companion.release();
  }

  // The scroll-bar companion; flag 1 lets it drag the thumb itself.
  bool AttachScrollBar(ui::TComponent* component, int flag) {
    auto* control = dynamic_cast<ui::TWinControl*>(component);
    if (!control || IsSkinnedControl(Form, control)) return false;
    auto companion = std::make_unique<TSkinScrollBar>(&Form);
    if (!companion->AttachScroll(control, &Skin, flag != 0, Form.ControlCanvas.get())) return false;
    companion.release();
    return true;
  }
};

// --- The rows --------------------------------------------------------------------

constexpr int kNoGate = -1;

struct TRow {
  bool (*Match)(const TItem&);
  int Gate;  // a TSkinControlType, or kNoGate
  bool (*Extra)(const TDiscovery&);
  void (*Act)(TDiscovery&, const TItem&);
};

template <class T>
bool Is(const TItem& item) {
  return dynamic_cast<const T*>(item.Component) != nullptr;
}

bool NameIn(const TItem& item, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), item.Name) != names.end();
}

bool TagIs(const TItem& item, int tag) { return item.Component->Tag == tag; }

bool Never(const TItem&) { return false; }

bool TabsPresent(const TDiscovery& d) { return d.TabsPresent(); }

void Nothing(TDiscovery&, const TItem&) {}

void Recurse(TDiscovery& d, const TItem& item) {
  if (item.Windowed) DiscoverComponents(d.Form, *item.Windowed);
}

void AttachTab(TDiscovery& d, const TItem& item) {
  if (item.Windowed) d.AttachNewWindow(TKind::Tab, item.Windowed->Handle());
}

template <TKind Kind, bool ChangeColor>
void AttachKind(TDiscovery& d, const TItem& item) {
  d.AttachNew(Kind, item.Component, ChangeColor);
}

template <int Flag>
void AttachScrollBar(TDiscovery& d, const TItem& item) {
  d.AttachScrollBar(item.Component, Flag);
}

// The scroll-bar companion on a control that takes the face colour.
void AttachScrollBarOnFace(TDiscovery& d, const TItem& item) {
  if (!d.AttachScrollBar(item.Component, 1)) return;
  if (auto* control = dynamic_cast<ui::TControl*>(item.Component)) {
    control->SetColor(d.Data.ButtonFaceColour);
    control->Invalidate();
  }
}

void FlatToolBar(TDiscovery& d, const TItem& item) {
  auto* bar = dynamic_cast<ui::TToolBar*>(item.Component);
  if (!bar) return;
  bar->SetFlat(true);
  bar->SetColor(d.Data.ButtonFaceColour);
  bar->SetTransparent(true);
}

// The box look, then a radio-button companion for each of its buttons.
void RadioGroup(TDiscovery& d, const TItem& item) {
  d.AttachNew(TKind::Box, item.Component, true);
  if (!item.Windowed) return;
  for (int i = 0; i < item.Windowed->ControlCount(); ++i)
    d.AttachNew(TKind::RadioButton, item.Windowed->Controls(i), true);
}

void BoxAndRecurse(TDiscovery& d, const TItem& item) {
  d.AttachNew(TKind::Box, item.Component, true);
  Recurse(d, item);
}

// The companion paints the whole bar; the system's grip would only get in
// the way of the skinned frame's own sizing.
void StatusBarWithoutGrip(TDiscovery& d, const TItem& item) {
  if (auto* bar = dynamic_cast<ui::TStatusBar*>(item.Component)) bar->SetSizeGrip(false);
  d.AttachNew(TKind::StatusBar, item.Component, false);
}

// A picker that steps its fields with an up-down looks like an edit; one
// that drops a calendar looks like a combo box.
void DateTimePicker(TDiscovery& d, const TItem& item) {
  auto* picker = dynamic_cast<ui::TDateTimePicker*>(item.Component);
  const bool upDown = picker && picker->DateMode() == ui::dmUpDown;
  d.AttachNew(upDown ? TKind::Edit : TKind::ComBox, item.Component, false);
}

void EmbeddedForm(TDiscovery& d, const TItem& item) {
  if (auto* inner = dynamic_cast<ui::TForm*>(item.Component)) inner->SetColor(d.Data.ButtonFaceColour);
  Recurse(d, item);
}

// The first row whose match and gate hold takes the component; a row whose
// gate fails lets the later rows try. Which classes of this library each row
// stands for:
//   3 TPageControl, 6 TTabControl, 7 TCheckBox, 10 TRadioGroup, 12 TPanel and TGroupBox, 13 TRadioButton,
//   8 TTrackBar (its window class is "TTRACKBAR"), 15 TStatusBar, 16 TProgressBar,
//   9 TUpDown (window class "TUPDOWN"), 18 TComboBox, 19 TDateTimePicker (window class
//   "TDATETIMEPICKER"), 31 TEdit, TMemo and TSpinEdit (TCustomEdit),
//   23 TBitBtn, 24 TSpeedButton, 30 TButton (and TBitBtn without xcBitBtn),
//   39 TForm; TToolBar (window class "TTOOLBAR") is row 2.
//   17 TScrollBar, 26 TListView, 27 TListBox; 29 takes any other control with
//   a scroll bar style (or Tag 55).
// The rows marked "none here" (14, 28 and 38) stand for kinds of control this
// library has not got (a second tool bar, a scrolling container, a third
// container class); they keep their place, gate and companion for when it has.
const std::array<TRow, 39>& Rows() {
  using enum TKind;
  static const std::array<TRow, 39> rows{{
      /*  1 */ {[](const TItem& i) { return i.Name == "TDBCOMBOBOXEH"; }, kNoGate, nullptr, Nothing},
      /*  2 */ {[](const TItem& i) { return i.Name == "TTOOLBAR"; }, kNoGate, nullptr, FlatToolBar},
      /*  3 */ {Is<ui::TPageControl>, xcTab, TabsPresent, AttachTab},
      /*  4 */ {[](const TItem& i) { return i.Name == "TTABBEDNOTEBOOK"; }, xcTab, TabsPresent, AttachTab},
      /*  5 */ {[](const TItem& i) { return i.Name == "TMVCPANEL"; }, kNoGate, nullptr, Recurse},
      /*  6 */ {Is<ui::TTabControl>, xcTab, TabsPresent, AttachTab},
      /*  7 */ {Is<ui::TCheckBox>, xcButton, nullptr, AttachKind<CheckBox, true>},
      /*  8 */ {[](const TItem& i) { return i.Name == "TTRACKBAR"; }, xcCheckBox, nullptr, AttachKind<TrackBar, false>},
      /*  9 */ {[](const TItem& i) { return i.Name == "TUPDOWN"; }, xcCheckBox, nullptr, AttachKind<UpDown, false>},
      /* 10 */ {[](const TItem& i) { return Is<ui::TRadioGroup>(i) || i.Name == "TWWRADIOGROUP"; }, xcRadioButton,
                nullptr, RadioGroup},
      /* 11 */ {[](const TItem& i) { return i.Name == "TDBNAVIGATOR"; }, xcPanel, nullptr, AttachKind<Box, true>},
      /* 12 */ {[](const TItem& i) { return Is<ui::TPanel>(i) || Is<ui::TGroupBox>(i); }, xcPanel, nullptr,
                BoxAndRecurse},
      /* 13 */ {Is<ui::TRadioButton>, xcRadioButton, nullptr, AttachKind<RadioButton, true>},
      /* 14 */ {Never /* second tool bar class: none here */, xcToolbar, nullptr, FlatToolBar},
      /* 15 */ {Is<ui::TStatusBar>, xcStatusBar, nullptr, StatusBarWithoutGrip},
      /* 16 */ {Is<ui::TProgressBar>, xcProgress, nullptr, AttachKind<Progress, false>},
      /* 17 */ {Is<ui::TScrollBar>, xcScrollbar, nullptr, AttachKind<ScControl, false>},
      /* 18 */ {[](const TItem& i) { return Is<ui::TComboBox>(i) || TagIs(i, kTagComboBox); }, xcCombo, nullptr,
                AttachKind<ComBox, false>},
      /* 19 */ {[](const TItem& i) { return i.Name == "TDATETIMEPICKER"; }, xcEdit, nullptr, DateTimePicker},
      /* 20 */ {[](const TItem& i) { return i.Name == "TRICHEDIT"; }, xcScrollbar, nullptr, AttachScrollBar<1>},
      /* 21 */ {[](const TItem& i) { return NameIn(i, {"TWWDBRICHEDIT", "TDXDBMEMO"}); }, xcScrollbar, nullptr,
                AttachScrollBar<1>},
      /* 22 */ {[](const TItem& i) { return i.Name == "TDBCHECKBOXEH"; }, xcCheckBox, nullptr,
                AttachKind<CheckBox, true>},
      /* 23 */ {Is<ui::TBitBtn>, xcBitBtn, nullptr, AttachKind<BitButton, false>},
      /* 24 */ {Is<ui::TSpeedButton>, xcSpeedButton, nullptr,
                [](TDiscovery& d, const TItem& i) { d.AttachSpeedButton(i.Component); }},
      /* 25 */ {[](const TItem& i) { return NameIn(i, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}); }, xcScrollbar,
                nullptr, AttachScrollBar<0>},
      /* 26 */ {Is<ui::TListView>, xcScrollbar, nullptr, AttachKind<ListView, false>},
      /* 27 */ {Is<ui::TListBox>, xcScrollbar, nullptr, AttachScrollBar<1>},
      /* 28 */ {Never /* scrolling container with the face colour: none here */, xcScrollbar, nullptr,
                AttachScrollBarOnFace},
      /* 29 */ {[](const TItem& i) { return TagIs(i, kTagScrollBars) || HasScrollBars(i.Component); }, xcScrollbar,
                nullptr, AttachScrollBar<1>},
      /* 30 */ {Is<ui::TButton>, xcButton, nullptr, AttachKind<Button, false>},
      /* 31 */ {[](const TItem& i) { return Is<ui::TCustomEdit>(i) || TagIs(i, kTagEdit); }, xcEdit, nullptr,
                AttachKind<Edit, false>},
      /* 32 */ {[](const TItem& i) {
                  return NameIn(i, {"TDBLOOKUPCOMBOBOX", "TWWDBCOMBOBOX", "TWWDBLOOKUPCOMBO", "TWWKEYCOMBO",
                                    "TWWDBDATETIMEPICKER"});
                },
                xcCombo, nullptr, AttachKind<ComBox, false>},
      /* 33 */ {[](const TItem& i) {
                  return NameIn(i, {"TDXDBCURRENCYEDIT", "TDXDBEDIT", "TDXDBMASKEDIT", "TDXDBHYPERLINKEDIT", "TDXEDIT",
                                    "TDXMASKEDIT", "TWWDBEDIT", "TDXBUTTONEDIT", "TDXCURRENCYEDIT",
                                    "TDXHYPERLINKEDIT"});
                },
                xcEdit, nullptr, AttachKind<Edit, false>},
      /* 34 */ {[](const TItem& i) {
                  return NameIn(i, {"TOVCPICTUREFIELD", "TOVCDBPICTUREFIELD", "TOVCSLIDEREDIT", "TOVCDBSLIDEREDIT",
                                    "TOVCSIMPLEFIELD", "TOVCDBSIMPLEFIELD", "TO32DBFLEXEDIT", "TOVCNUMERICFIELD",
                                    "TOVCDBNUMERICFIELD"});
                },
                xcEdit, nullptr, AttachKind<Edit, false>},
      /* 35 */ {[](const TItem& i) {
                  return NameIn(i, {"TDXDBPICKEDIT", "TDXDBCALCEDIT", "TDXDBIMAGEEDIT", "TDXDBPOPUPEDIT",
                                    "TDXDBEXTLOOKUPEDIT", "TDXDBLOOKUPEDIT", "TDXDBDATEEDIT", "TDXDATEEDIT",
                                    "TDXPICKEDIT", "TDXPOPUPEDIT"});
                },
                xcCombo, nullptr, AttachKind<ComBox, false>},
      /* 36 */ {[](const TItem& i) {
                  return NameIn(i, {"TLMDRADIOBUTTON", "TLMDCHECKBOX", "TLMDRADIOGROUP", "TLMDGROUPBOX",
                                    "TLMDSIMPLEPANEL", "TLMDCHECKGROUP"});
                },
                xcPanel, nullptr, AttachKind<Box, true>},
      /* 37 */ {[](const TItem& i) {
                  return NameIn(i, {"TLMDEDIT", "TLMDMASKEDIT", "TLMDBROWSEEDIT", "TLMDEXTSPINEDIT",
                                    "TLMDCALENDAREDIT", "TLMDFILEOPENEDIT", "TLMDFILESAVEEDIT", "TLMDCOLOREDIT"});
                },
                xcEdit, nullptr, AttachKind<Edit, false>},
      /* 38 */ {Never /* third container class: none here */, kNoGate, nullptr, Recurse},
      /* 39 */ {Is<ui::TForm>, kNoGate, nullptr, EmbeddedForm},
  }};
  return rows;
}

bool RowApplies(const TRow& row, const TItem& item, const TDiscovery& d) {
  if (!row.Match(item)) return false;
  if (row.Gate != kNoGate && !d.Has(TSkinControlType(row.Gate))) return false;
  return !row.Extra || row.Extra(d);
}

std::string UpperAscii(const std::wstring& text) {
  std::string name = ui::WideToUtf8(text);
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return name;
}

std::wstring LowerAscii(std::wstring text) {
  for (wchar_t& c : text)
    if (c >= L'A' && c <= L'Z') c = wchar_t(c - L'A' + L'a');
  return text;
}

// A windowed control's item needs its window; false when there is none to be had.
bool ReadWindowClass(TItem& item) {
  if (!item.Windowed) return true;  // windowless: only the class rows can match
  HWND wnd = nullptr;
  try {
    wnd = item.Windowed->Handle();
  } catch (...) {
    return false;
  }
  if (!wnd) return false;
  item.Name = UpperAscii(GetClassNameString(wnd));
  return true;
}

// --- Child windows ---------------------------------------------------------------

// The companion of a BUTTON-class window by its type. Group boxes are left
// alone, and so are owner-drawn buttons: their owner draws them.
bool ButtonWindowKind(DWORD style, TKind& kind) {
  switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX:
    case BS_OWNERDRAW:
      return false;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      kind = TKind::CheckBox;
      return true;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      kind = TKind::RadioButton;
      return true;
    default:
      kind = TKind::Button;
      return true;
  }
}

void DiscoverChildWindow(TDiscovery& d, HWND child) {
  const std::wstring name = LowerAscii(GetClassNameString(child));
  const DWORD style = DWORD(GetWindowLongPtrW(child, GWL_STYLE));
  TKind kind = TKind::Button;
  if (name == L"button") {
    if (ButtonWindowKind(style, kind)) d.AttachNewWindow(kind, child);
  } else if (name == L"combobox") {
    if ((style & 3) != CBS_SIMPLE) d.AttachNewWindow(TKind::ComBox, child);
  } else if (name == L"comboboxex32") {
    d.AttachNewWindow(TKind::ComBox, GetTopWindow(child));
  } else if (name == L"scrollbar") {
    // Only a size box or grip is blanked: a real bar left unpainted would
    // never show its thumb moving.
    const bool sizeBox = (style & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0;
    d.AttachNewWindow(sizeBox ? TKind::Sizer : TKind::ScControl, child);
  } else if (name == L"systabcontrol32") {
    if (!(style & TCS_OWNERDRAWFIXED)) d.AttachNewWindow(TKind::Tab, child);
  } else if (name == L"edit") {
    d.AttachNewWindow(TKind::Edit, child);
  }
}

}  // namespace

void DiscoverComponents(TWinSkinForm& form, ui::TWinControl& container) {
  if (!form.SkinData) return;
  TDiscovery d{form, *form.SkinData, *form.Skin()};
  for (int i = 0; i < container.ComponentCount(); ++i) {
    ui::TComponent* component = container.Components(i);
    if (component->Tag % 100 == d.Data.DisableTag || IsSkinnedControl(form, component)) continue;
    TItem item{component, dynamic_cast<ui::TWinControl*>(component), {}};
    if (!ReadWindowClass(item)) continue;
    for (const TRow& row : Rows()) {
      if (!RowApplies(row, item, d)) continue;
      row.Act(d, item);
      break;
    }
  }
}

void DiscoverChildWindows(TWinSkinForm& form) {
  if (!form.SkinData || !form.Handle) return;
  TDiscovery d{form, *form.SkinData, *form.Skin()};
  for (HWND child = GetTopWindow(form.Handle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD)) continue;
    if (FindControlByHandle(form, child)) continue;
    DiscoverChildWindow(d, child);
  }
}

bool IsSkinnedControl(const TWinSkinForm& form, ui::TComponent* component) {
  for (TSkinControl* control : form.Controls) {
    const auto* speed = dynamic_cast<const TSkinSpeedButton*>(control);
    if (speed && speed->SpeedButton == component) return true;
  }
  auto* windowed = dynamic_cast<ui::TWinControl*>(component);
  if (!windowed || !windowed->HandleAllocated()) return false;
  return FindControlByHandle(form, windowed->Handle()) != nullptr;
}

TSkinControl* FindControlByHandle(const TWinSkinForm& form, HWND wnd) {
  if (!wnd) return nullptr;
  for (TSkinControl* control : form.Controls)
    if (control->Handle == wnd) return control;
  return nullptr;
}

bool HasScrollBars(ui::TComponent* component) {
  auto* windowed = dynamic_cast<ui::TWinControl*>(component);
  if (!windowed || !windowed->HandleAllocated()) return false;
  return (GetWindowLongPtrW(windowed->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

}  // namespace skin
