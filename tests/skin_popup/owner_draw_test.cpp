// Owner drawing where it meets the framework and the skinned window: a skinned
// form's framework popup menus (their switch, measuring and drawing in a real
// popup), and WM_MEASUREITEM / WM_DRAWITEM for the menu bar's popups.
#include "PopupTestSupport.h"

#include "skin/popup_menu/PopupOwnerDraw.h"
#include "ui/Form.h"
#include "ui/ImgList.h"
#include "ui/Menus.h"
#include "skin_form/HandleCounts.h"

namespace {

using namespace popup_test;

// Where an item lies in its popup window (the system finds the window of a
// popup menu itself when it is given none).
RECT ItemInPopup(HMENU menu, int position, HWND popup) {
  RECT item{};
  GetMenuItemRect(nullptr, menu, UINT(position), &item);
  const RECT window = frame_test::WindowBounds(popup);
  OffsetRect(&item, -window.left, -window.top);
  return item;
}

class OwnerDrawTest : public PopupTest {
 protected:
  ui::TMenuItem* Add(ui::TMenu& menu, const wchar_t* caption, std::intptr_t tag = 0) {
    auto* item = new ui::TMenuItem(form_);
    item->SetCaption(caption);
    item->Tag = tag;
    menu.Items()->Add(item);
    return item;
  }

  // A framework form with popup menus, made before the form is skinned.
  void MakeForm(const std::function<void()>& addMenus) {
    form_ = new ui::TForm(app_.get());
    form_->SetBounds(120, 90, 360, 260);
    addMenus();
    form_->Show();
    SetForegroundWindow(form_->Handle());
    PumpFor(100);
  }

  ui::TForm* form_ = nullptr;
};

TEST_F(OwnerDrawTest, SkinningAFormMakesItsPopupMenusOursButForTag999AndTheDisableTag) {
  ui::TPopupMenu* menu = nullptr;
  ui::TPopupMenu* disabled = nullptr;
  ui::TMenuItem *open = nullptr, *plain = nullptr, *own = nullptr, *sub = nullptr;
  int ownCalls = 0;
  MakeForm([&] {
    menu = new ui::TPopupMenu(form_);
    open = Add(*menu, L"Open");
    plain = Add(*menu, L"Plain", 999);
    plain->OnDrawItem = [](ui::TObject*, ui::TCanvas&, RECT, bool) {};
    own = Add(*menu, L"Own");
    own->OnDrawItem = [&](ui::TObject*, ui::TCanvas&, RECT, bool) { ++ownCalls; };
    ui::TMenuItem* more = Add(*menu, L"More");
    sub = new ui::TMenuItem(form_);
    sub->SetCaption(L"Deep");
    more->Add(sub);
    disabled = new ui::TPopupMenu(form_);
    disabled->Tag = 199;
    Add(*disabled, L"Stays");
  });
  ASSERT_NE(manager_->FindForm(form_->Handle()), nullptr);
  EXPECT_TRUE(menu->OwnerDraw());
  EXPECT_TRUE(open->OnDrawItem);
  EXPECT_TRUE(open->OnMeasureItem);
  EXPECT_TRUE(sub->OnDrawItem);  // every level
  EXPECT_FALSE(plain->OnDrawItem);
  EXPECT_FALSE(plain->OnMeasureItem);
  ui::TBitmap scratch;
  scratch.SetSize(4, 4);
  own->DrawItem(scratch.Canvas(), RECT{0, 0, 4, 4}, false);
  EXPECT_EQ(ownCalls, 1);  // its own drawing stays
  EXPECT_FALSE(disabled->OwnerDraw());
  EXPECT_FALSE(disabled->Items()->Items(0)->OnDrawItem);

  // Switched off: the skin's handlers go, the item's own stays.
  manager_->SetState(2);
  PumpFor(400);
  EXPECT_FALSE(menu->OwnerDraw());
  EXPECT_FALSE(open->OnDrawItem);
  EXPECT_FALSE(open->OnMeasureItem);
  EXPECT_FALSE(sub->OnDrawItem);
  own->DrawItem(scratch.Canvas(), RECT{0, 0, 4, 4}, false);
  EXPECT_EQ(ownCalls, 2);
}

TEST_F(OwnerDrawTest, WithoutPopupMenusInTheSkinControlsNothingIsOwnerDrawn) {
  auto controls = data_->SkinControls;
  controls.Exclude(skin::xcPopupMenu);
  data_->SkinControls = controls;
  ui::TPopupMenu* menu = nullptr;
  ui::TMenuItem* open = nullptr;
  MakeForm([&] {
    menu = new ui::TPopupMenu(form_);
    open = Add(*menu, L"Open");
  });
  EXPECT_FALSE(menu->OwnerDraw());
  EXPECT_FALSE(open->OnDrawItem);
}

TEST_F(OwnerDrawTest, MeasuringAddsTheGlyphRoomAndOnWindows9xFourPixelsToNonSeparators) {
  ui::TPopupMenu* menu = nullptr;
  ui::TMenuItem *open = nullptr, *line = nullptr;
  MakeForm([&] {
    menu = new ui::TPopupMenu(form_);
    open = Add(*menu, L"Open");
    line = Add(*menu, L"-");
  });
  ui::TMenuItem bare(nullptr);
  bare.SetCaption(L"Open");
  ui::TMenuItem bareLine(nullptr);
  bareLine.SetCaption(L"-");
  ui::TBitmap scratch;
  scratch.SetSize(4, 4);
  const auto measure = [&](ui::TMenuItem& item) {
    int w = 0, h = 0;
    item.MeasureItem(scratch.Canvas(), w, h);
    return SIZE{w, h};
  };
  const std::uint32_t version = skin::WinVersion;
  skin::WinVersion = version & 0x7FFFFFFFu;
  EXPECT_EQ(measure(*open).cx, measure(bare).cx + 28);
  EXPECT_EQ(measure(*open).cy, measure(bare).cy);
  EXPECT_EQ(measure(*line).cx, measure(bareLine).cx + 28);
  skin::WinVersion = version | 0x80000000u;
  EXPECT_EQ(measure(*open).cy, measure(bare).cy + 4);
  EXPECT_EQ(measure(*line).cy, measure(bareLine).cy);
  skin::WinVersion = version;
}

TEST_F(OwnerDrawTest, AFrameworkPopupDrawsItsItemsOverThePopupsBackground) {
  ui::TPopupMenu* menu = nullptr;
  MakeForm([&] {
    menu = new ui::TPopupMenu(form_);
    Add(*menu, L"Open");
    Add(*menu, L"-");
    Add(*menu, L"Close");
  });
  const HMENU handle = menu->Handle();
  const auto look = [&](HWND popup) {
    TLook seen = LookAt(popup);
    const RECT open = ItemInPopup(handle, 0, popup);
    const RECT line = ItemInPopup(handle, 1, popup);
    const int y = (open.top + open.bottom) / 2;
    EXPECT_EQ(seen.Bound, handle);  // the first item drawn bound the popup to its menu
    // The key-colour column shows the popup's background there: its centre.
    EXPECT_EQ(seen.Pixels.At(open.left, y), kBackCentre);
    EXPECT_EQ(seen.Pixels.At(open.right - 2, y), kItemFrame[1]);
    // The separator: frame 2 over the background.
    EXPECT_EQ(seen.Pixels.At((line.left + line.right) / 2, line.bottom - 1), kItemFrame[2]);
    EXPECT_EQ(seen.Pixels.At(line.left, line.bottom - 1), kBackCentre);
    // Frame and items: the band is still the background's.
    EXPECT_EQ(seen.Pixels.At(seen.Pixels.Width / 2, 1), kBackTop);
  };
  Track(menu->Handle(), ui::TPopupMenu::Window(), look);
}

TEST_F(OwnerDrawTest, TheSelectedItemShowsFrameFour) {
  ui::TPopupMenu* menu = nullptr;
  MakeForm([&] {
    menu = new ui::TPopupMenu(form_);
    Add(*menu, L"Open");
    Add(*menu, L"Close");
  });
  const HMENU handle = menu->Handle();
  TColor first = 0, second = 0;
  TrackSteps(handle, ui::TPopupMenu::Window(),
             {[](HWND popup) { PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0); },
              [&](HWND popup) {
                const TLook seen = LookAt(popup);
                const RECT open = ItemInPopup(handle, 0, popup);
                const RECT close = ItemInPopup(handle, 1, popup);
                first = seen.Pixels.At(open.right - 2, (open.top + open.bottom) / 2);
                second = seen.Pixels.At(close.right - 2, (close.top + close.bottom) / 2);
              }});
  EXPECT_EQ(first, kItemFrame[4]);
  EXPECT_EQ(second, kItemFrame[1]);
}

TEST_F(OwnerDrawTest, AnItemsLookComesFromItAndItsMenu) {
  ui::TPopupMenu* menu = nullptr;
  ui::TImageList* images = nullptr;
  ui::TMenuItem* open = nullptr;
  MakeForm([&] {
    images = new ui::TImageList(form_);
    images->SetSize(16, 16);
    ui::TBitmap picture;
    picture.SetSize(16, 16);
    images->Add(picture, ui::clNone);
    menu = new ui::TPopupMenu(form_);
    menu->SetImages(images);
    menu->Alignment = ui::paRight;
    open = Add(*menu, L"&Open");
    open->SetShortCut(ui::scCtrl | 'O');
    open->SetImageIndex(0);
    open->SetDefault(true);
    open->SetChecked(true);
  });
  skin::TMenuItemLook look = skin::LookOf(*open);
  EXPECT_EQ(look.Caption, L"&Open");
  EXPECT_EQ(look.ShortCutText, ui::ShortCutToText(ui::scCtrl | 'O'));
  EXPECT_FALSE(look.ShortCutText.empty());
  EXPECT_TRUE(look.HasImage());
  EXPECT_TRUE(look.Default);
  EXPECT_TRUE(look.Checked);
  EXPECT_TRUE(look.Enabled);
  EXPECT_EQ(look.Alignment, UINT(DT_RIGHT));
  menu->Alignment = ui::paCenter;
  menu->SetRightToLeft(true);
  look = skin::LookOf(*open);
  EXPECT_EQ(look.Alignment, UINT(DT_CENTER));
  EXPECT_TRUE(look.RightToLeft);
  open->SetImageIndex(1);  // outside the list
  EXPECT_FALSE(skin::LookOf(*open).HasImage());
}

TEST_F(OwnerDrawTest, Tag999ItemsKeepThePlainLookInARealPopup) {
  ui::TPopupMenu* menu = nullptr;
  MakeForm([&] {
    menu = new ui::TPopupMenu(form_);
    Add(*menu, L"Skinned");
    Add(*menu, L"Plain", 999);
  });
  const HMENU handle = menu->Handle();
  TColor skinned = 0, plain = 0;
  Track(handle, ui::TPopupMenu::Window(), [&](HWND popup) {
    const TLook seen = LookAt(popup);
    const RECT a = ItemInPopup(handle, 0, popup), b = ItemInPopup(handle, 1, popup);
    skinned = seen.Pixels.At(a.right - 2, (a.top + a.bottom) / 2);
    plain = seen.Pixels.At(b.right - 2, (b.top + b.bottom) / 2);
  });
  EXPECT_EQ(skinned, kItemFrame[1]);
  EXPECT_NE(plain, kItemFrame[1]);
  EXPECT_EQ(plain, TColor(GetSysColor(COLOR_MENU)));
}

TEST_F(OwnerDrawTest, ManyOwnerDrawnPopupsLeaveNoHandlesBehind) {
  ui::TPopupMenu* menu = nullptr;
  MakeForm([&] {
    menu = new ui::TPopupMenu(form_);
    Add(*menu, L"Open")->SetChecked(true);
    Add(*menu, L"-");
    Add(*menu, L"Close")->SetDefault(true);
  });
  const HMENU handle = menu->Handle();
  const auto round = [&] {
    TrackSteps(handle, ui::TPopupMenu::Window(),
               {[](HWND popup) { PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0); }, [](HWND) {}});
  };
  round();
  const DWORD before = handle_counts::GdiObjects();
  for (int i = 0; i < 15; ++i) round();
  EXPECT_LE(handle_counts::GdiObjects(), before + 2);
  EXPECT_TRUE(manager_->PopupMenus.empty());
  EXPECT_EQ(skin::PendingPopup, nullptr);
}

TEST_F(PopupTest, APopupPendingForItsMenuIsBoundByTheFirstItemDrawnButNeverToAMenuShownElsewhere) {
  auto* shown = new skin::TWinSkinPopMenu();
  auto* pending = new skin::TWinSkinPopMenu();
  manager_->PopupMenus.push_back(shown);
  manager_->PopupMenus.push_back(pending);
  TPlainMenu parent({L"One"}), child({L"Two"});
  shown->MenuHandle = parent.Get();
  skin::PendingPopup = pending;
  // A redrawn item of the parent menu does not bind the new popup.
  skin::BindPendingPopup(parent.Get());
  EXPECT_EQ(skin::PendingPopup, pending);
  EXPECT_EQ(pending->MenuHandle, nullptr);
  EXPECT_EQ(manager_->FindPopupMenu(parent.Get()), shown);
  skin::BindPendingPopup(child.Get());
  EXPECT_EQ(skin::PendingPopup, nullptr);
  EXPECT_EQ(pending->MenuHandle, child.Get());
  EXPECT_EQ(manager_->PopupBackground(child.Get()), &pending->Background);
  EXPECT_EQ(manager_->PopupBackground(nullptr), nullptr);
  // A popup that goes is never bound afterwards.
  skin::PendingPopup = pending;
  manager_->PopupMenus.pop_back();
  delete pending;
  EXPECT_EQ(skin::PendingPopup, nullptr);
}

class MenuBarItemsTest : public PopupTest {
 protected:
  void SetUp() override {
    PopupTest::SetUp();
    bar_ = CreateMenu();
    popup_ = CreatePopupMenu();
    AppendMenuW(popup_, MF_STRING, 11, L"&New");
    AppendMenuW(popup_, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup_, MF_STRING | MF_CHECKED, 12, L"Wrap");
    AppendMenuW(popup_, MF_STRING | MF_GRAYED, 13, L"Print");
    AppendMenuW(bar_, MF_POPUP, UINT_PTR(popup_), L"&File");
    window_.reset();
    window_ = std::make_unique<TTestWindow>(WS_OVERLAPPEDWINDOW, 0, nullptr, RECT{100, 100, 500, 400}, bar_);
    ShowWindow(window_->Get(), SW_SHOW);
    SetForegroundWindow(window_->Get());
    PumpFor(100);
    companion_ = manager_->FindForm(window_->Get());
  }
  void TearDown() override {
    window_.reset();
    if (IsMenu(bar_)) DestroyMenu(bar_);
    PopupTest::TearDown();
  }

  // The popup's items owner-drawn, as the skinned menu bar makes them.
  void MakeOwnerDrawn() {
    for (int i = 0; i < GetMenuItemCount(popup_); ++i) {
      wchar_t text[81] = {};
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_STATE | MIIM_SUBMENU | MIIM_TYPE;
      info.dwTypeData = text;
      info.cch = 80;
      GetMenuItemInfoW(popup_, UINT(i), TRUE, &info);
      info.fMask = MIIM_TYPE;
      info.fType |= MFT_OWNERDRAW;
      SetMenuItemInfoW(popup_, UINT(i), TRUE, &info);
    }
  }

  MEASUREITEMSTRUCT Measure(UINT id) {
    MEASUREITEMSTRUCT m{};
    m.CtlType = ODT_MENU;
    m.itemID = id;
    m.itemHeight = 16;
    SendMessageW(window_->Get(), WM_MEASUREITEM, 0, LPARAM(&m));
    return m;
  }

  int TextWidth(const wchar_t* text) {
    const ui::WindowDC dc(window_->Get(), true);
    const ui::FontHandle font = skin::CreateMenuFont(96);
    const ui::SelectGuard select(dc.Get(), font.Get());
    RECT r{};
    DrawTextW(dc.Get(), text, -1, &r, DT_CALCRECT | DT_SINGLELINE);
    return r.right;
  }

  HMENU bar_ = nullptr;
  HMENU popup_ = nullptr;
  skin::TWinSkinForm* companion_ = nullptr;
};

TEST_F(MenuBarItemsTest, MenuBarItemsAreMeasuredFromTheirText) {
  ASSERT_NE(companion_, nullptr);
  ASSERT_EQ(companion_->OrigMenu, bar_);
  const MEASUREITEMSTRUCT item = Measure(11);
  EXPECT_EQ(int(item.itemWidth), TextWidth(L"&New") + 26);
  EXPECT_EQ(item.itemHeight, 20u);
  const MEASUREITEMSTRUCT line = Measure(0);
  EXPECT_EQ(line.itemHeight, 8u);
  const std::uint32_t version = skin::WinVersion;
  skin::WinVersion = version | 0x80000000u;
  EXPECT_EQ(Measure(11).itemHeight, 24u);
  EXPECT_EQ(Measure(0).itemHeight, 8u);
  skin::WinVersion = version;
  // Not an item of the menu bar: the window's own business.
  MEASUREITEMSTRUCT other = Measure(999);
  EXPECT_EQ(other.itemWidth, 0u);
  EXPECT_EQ(other.itemHeight, 16u);
}

TEST_F(MenuBarItemsTest, MenuBarPopupsDrawTheirItemsOverTheBackgroundSeparatorsAsEtchedItems) {
  ASSERT_NE(companion_, nullptr);
  MakeOwnerDrawn();
  TLook seen;
  RECT item{}, line{}, wrap{};
  Track(popup_, window_->Get(), [&](HWND popup) {
    seen = LookAt(popup);
    item = ItemInPopup(popup_, 0, popup);
    line = ItemInPopup(popup_, 1, popup);
    wrap = ItemInPopup(popup_, 2, popup);
  });
  ASSERT_NE(seen.Popup, nullptr);
  EXPECT_EQ(seen.Bound, popup_);
  const int y = (item.top + item.bottom) / 2;
  EXPECT_EQ(seen.Pixels.At(item.left, y), kBackCentre);
  EXPECT_EQ(seen.Pixels.At(item.right - 2, y), kItemFrame[1]);
  // A separator of a menu of other code: the item image with an etched line.
  EXPECT_EQ(seen.Pixels.At(line.right - 2, line.top + 1), kItemFrame[1]);
  EXPECT_EQ(seen.Pixels.At((line.left + line.right) / 2, line.top + 4), TColor(GetSysColor(COLOR_BTNSHADOW)));
  // The checked item shows the check mark in its glyph box.
  int marks = 0;
  for (int yy = wrap.top + 1; yy < wrap.top + 17; ++yy)
    for (int x = wrap.left + 1; x < wrap.left + 17; ++x)
      marks += seen.Pixels.At(x, yy) == TColor(GetSysColor(COLOR_BTNTEXT));
  EXPECT_GT(marks, 4);
}

}  // namespace
