// Skinned tab controls over their lifetime: discovery (framework page and
// tab controls, bare windows, owner-drawn ones left alone), a skin change,
// bad skin data, and detaching.
#include <initializer_list>
#include <vector>

#include "skin_form/HandleCounts.h"
#include "skin_tabs/TabTestSupport.h"
#include "ui/FormReader.h"
#include "ui/StandardClasses.h"
#include "ui/TabCtrls.h"

namespace tab_test {
namespace {

// A new skin: the tabs show the new images at once, mirrored for their side.
TEST_F(TabTest, SkinChangeTakesTheNewImages) {
  const HWND parent = NewBareWindow();
  const HWND tab = NewTabControl(parent, TCS_BOTTOM, RECT{20, 20, 300, 220}, 3);
  skin::TWinSkinForm& form = Skin(parent);
  Paint(tab);
  EXPECT_EQ(LookOfTab(TShot(tab), tab, 1).Outer, kTabOuter[1]);

  skin_test::TFiles files = control_test::ControlFiles();
  files.push_back({"tabs.bmp", TabsFile(2)});  // frame 1 now has frame 3's colours
  files.push_back({"border.bmp", BorderFile()});
  skin_test::LoadDefinition(*data_, control_test::ControlDefinition() + TabsSection(), files);
  form.Reskin();
  Paint(tab);
  const TTabLook look = LookOfTab(TShot(tab), tab, 1);
  EXPECT_EQ(look.Outer, kTabOuter[3]);
  EXPECT_EQ(look.Inner, kTabInner[3]);
}

// Owner-drawn tab controls are drawn by their owner; other bare tab
// controls get a companion, once.
TEST_F(TabTest, BareWindowsOwnerDrawnFixedTabsGetNoCompanion) {
  const HWND parent = NewBareWindow();
  const HWND owned = NewTabControl(parent, TCS_OWNERDRAWFIXED, RECT{10, 10, 200, 100}, 2, 11);
  const HWND plain = NewTabControl(parent, 0, RECT{10, 110, 200, 200}, 2, 12);
  skin::TWinSkinForm& form = Skin(parent);
  EXPECT_EQ(CompanionOf(owned), nullptr);
  EXPECT_NE(TabCompanion(plain), nullptr);
  const std::size_t count = form.Controls.size();
  skin::DiscoverChildWindows(form);
  EXPECT_EQ(form.Controls.size(), count);
}

// A dialog (a "#32770" window made from a template) with a tab control drawn
// by its owner and a plain one.
class TTabDialog {
 public:
  TTabDialog() {
    std::vector<WORD> t;
    auto put = [&t](std::initializer_list<WORD> words) { t.insert(t.end(), words); };
    auto putText = [&t](const wchar_t* text) {
      for (; *text; ++text) t.push_back(WORD(*text));
      t.push_back(0);
    };
    auto putDword = [&put](DWORD value) { put({LOWORD(value), HIWORD(value)}); };
    putDword(WS_POPUP | WS_CAPTION | WS_VISIBLE);  // DLGTEMPLATE
    putDword(0);
    put({2, 0, 0, 220, 160, 0, 0});  // items, x, y, cx, cy, no menu, default class
    putText(L"tabs");
    const DWORD styles[] = {WS_CHILD | WS_VISIBLE | TCS_OWNERDRAWFIXED, WS_CHILD | WS_VISIBLE};
    for (int i = 0; i < 2; ++i) {
      if (t.size() % 2) t.push_back(0);  // items start on a DWORD boundary
      putDword(styles[i]);                // DLGITEMTEMPLATE
      putDword(0);
      put({5, WORD(5 + 75 * i), 200, 70, WORD(100 + i)});
      putText(WC_TABCONTROLW);
      putText(L"");
      put({0});  // no creation data
    }
    wnd_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(t.data()),
                                      nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
  }
  ~TTabDialog() {
    if (IsWindow(wnd_)) DestroyWindow(wnd_);
  }
  TTabDialog(const TTabDialog&) = delete;
  TTabDialog& operator=(const TTabDialog&) = delete;
  HWND Get() const { return wnd_; }
  HWND Item(int id) const { return GetDlgItem(wnd_, id); }

 private:
  HWND wnd_ = nullptr;
};

TEST_F(TabTest, DialogsOwnerDrawnFixedTabsGetNoCompanion) {
  InitTabClasses();
  TTabDialog dialog;
  ASSERT_NE(dialog.Get(), nullptr);
  ASSERT_NE(dialog.Item(100), nullptr);
  ASSERT_NE(dialog.Item(101), nullptr);
  Skin(dialog.Get());
  EXPECT_EQ(CompanionOf(dialog.Item(100)), nullptr);
  EXPECT_NE(TabCompanion(dialog.Item(101)), nullptr);
  Unskin();
}

// Bad Tabs data paints what it can and never fails: missing images, no
// frames, images far smaller than their margins.
TEST_F(TabTest, BadTabsDataNeverBreaksPainting) {
  struct TCase {
    const char* Name;
    std::string Section;
    int FrameCount;  // put on the object after loading; -1 keeps it
  };
  const TCase cases[] = {
      {"missing images", "[Tabs]\nImage=none.bmp\nBorder=none2.bmp\n", -1},
      {"no border image", "[Tabs]\nImage=tabs.bmp\n", -1},
      {"zero frames", TabsSection(), 0},
      {"negative frames", TabsSection(), -3},
      {"tiny images, huge margins",
       "[Tabs]\nImage=tiny.bmp\nBorder=tiny.bmp\nLeftWidth=100000\nTopHeight=-7\nRightWidth=2147483647\n"
       "BottomHeight=99999\n",
       -1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    data_ = std::make_unique<skin::TSkinData>(nullptr);
    skin_test::TFiles files = control_test::ControlFiles();
    files.push_back({"tabs.bmp", TabsFile()});
    files.push_back({"border.bmp", BorderFile()});
    files.push_back({"tiny.bmp", skin_test::BitmapFile(1, 1, 7)});
    skin_test::LoadDefinition(*data_, control_test::ControlDefinition() + c.Section, files);
    data_->SkinControls = control_test::ControlsOnly();
    ASSERT_NE(data_->Tabs, nullptr);
    if (c.FrameCount != -1) data_->Tabs->FrameCount = c.FrameCount;

    const HWND parent = NewBareWindow();
    for (DWORD style : {DWORD(0), DWORD(TCS_BOTTOM), DWORD(TCS_VERTICAL | TCS_MULTILINE),
                        DWORD(TCS_VERTICAL | TCS_BOTTOM | TCS_MULTILINE)})
      NewTabControl(parent, style, RECT{10, 10, 250, 200}, 20, 20 + int(style));
    Skin(parent);
    for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
      ASSERT_NE(TabCompanion(child), nullptr);
      Paint(child);
      TabCompanion(child)->Redraw();
    }
    Unskin();
    DestroyBareWindow();
  }
}

TEST_F(TabTest, DetachPutsBackTheWindowProcedures) {
  const HWND parent = NewBareWindow();
  const HWND tab = NewTabControl(parent, 0, RECT{20, 20, 220, 150}, 14);
  Paint(tab);
  const HWND arrows = FindWindowExW(tab, nullptr, L"msctls_updown32", nullptr);
  ASSERT_NE(arrows, nullptr);
  const LONG_PTR tabProc = GetWindowLongPtrW(tab, GWLP_WNDPROC);
  const LONG_PTR arrowsProc = GetWindowLongPtrW(arrows, GWLP_WNDPROC);
  DWORD objects = 0;
  for (int round = 0; round < 4; ++round) {
    Skin(parent);
    Paint(tab);
    EXPECT_NE(GetWindowLongPtrW(tab, GWLP_WNDPROC), tabProc);
    Unskin();
    EXPECT_EQ(GetWindowLongPtrW(tab, GWLP_WNDPROC), tabProc);
    EXPECT_EQ(GetWindowLongPtrW(arrows, GWLP_WNDPROC), arrowsProc);
    // Rounds after the first (which may set up caches) leave no GDI object behind.
    if (round == 1) objects = handle_counts::GdiObjects();
    if (round == 3) {
      EXPECT_EQ(handle_counts::GdiObjects(), objects);
    }
  }
}

// --- Framework controls ----------------------------------------------------

class FrameworkTabTest : public TabTest {
 protected:
  void SetUp() override {
    TabTest::SetUp();
    ui::RegisterStandardClasses();
    form_ = NewForm();
    pages_ = new ui::TPageControl(form_);
    pages_->SetParent(form_);
    pages_->SetBounds(10, 10, 260, 180);
    for (const wchar_t* caption : {L"First", L"Second", L"Third"}) {
      auto* sheet = new ui::TTabSheet(form_);
      sheet->SetParent(pages_);
      sheet->SetCaption(caption);
      sheets_.push_back(sheet);
    }
    tabs_ = new ui::TTabControl(form_);
    tabs_->SetParent(form_);
    tabs_->SetBounds(10, 200, 260, 80);
    tabs_->SetTabs({L"One", L"Two"});
    form_test::PumpFor(30);
  }

  // A click in the middle of tab `index`.
  static void ClickTab(ui::TCustomTabControl* control, int index) {
    const RECT r = control->TabRect(index);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(control->Handle(), WM_LBUTTONUP, 0, at);
    form_test::Pump();
  }

  ui::TForm* form_ = nullptr;
  ui::TPageControl* pages_ = nullptr;
  ui::TTabControl* tabs_ = nullptr;
  std::vector<ui::TTabSheet*> sheets_;
};

TEST_F(FrameworkTabTest, PageAndTabControlsAreFoundWhenTheSkinHasTabs) {
  Skin(form_);
  EXPECT_NE(TabCompanion(pages_->Handle()), nullptr);
  EXPECT_NE(TabCompanion(tabs_->Handle()), nullptr);
  Paint(pages_->Handle());
  EXPECT_EQ(LookOfTab(TShot(pages_->Handle()), pages_->Handle(), 1).Outer, kTabOuter[1]);
  Unskin();

  data_->SkinControls.Exclude(skin::xcTab);
  Skin(form_);
  EXPECT_EQ(CompanionOf(pages_->Handle()), nullptr);
  EXPECT_EQ(CompanionOf(tabs_->Handle()), nullptr);
  Unskin();

  data_->SkinControls.Include(skin::xcTab);
  data_->Tabs.reset();
  Skin(form_);
  EXPECT_EQ(CompanionOf(pages_->Handle()), nullptr);
  EXPECT_EQ(CompanionOf(tabs_->Handle()), nullptr);
}

TEST_F(FrameworkTabTest, ClickingATabShowsItsSheetAndRaisesOnChange) {
  int pageChanges = 0, tabChanges = 0;
  pages_->OnChange = [&](ui::TObject*) { ++pageChanges; };
  tabs_->OnChange = [&](ui::TObject*) { ++tabChanges; };
  Skin(form_);
  ASSERT_EQ(pages_->ActivePage(), sheets_[0]);
  EXPECT_TRUE(IsWindowVisible(sheets_[0]->Handle()));

  ClickTab(pages_, 2);
  EXPECT_EQ(pageChanges, 1);
  EXPECT_EQ(pages_->ActivePageIndex(), 2);
  EXPECT_TRUE(sheets_[2]->Visible());
  EXPECT_TRUE(IsWindowVisible(sheets_[2]->Handle()));
  EXPECT_FALSE(sheets_[0]->Visible());
  // The sheet fills the display area.
  RECT display = pages_->ClientRect();
  SendMessageW(pages_->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  EXPECT_EQ(sheets_[2]->BoundsRect().left, display.left);
  EXPECT_EQ(sheets_[2]->BoundsRect().bottom, display.bottom);

  ClickTab(tabs_, 1);
  EXPECT_EQ(tabChanges, 1);
  EXPECT_EQ(tabs_->TabIndex(), 1);
  // Setting it in code raises nothing.
  pages_->SetActivePageIndex(0);
  EXPECT_EQ(pageChanges, 1);
  EXPECT_TRUE(sheets_[0]->Visible());

  // A sheet that goes takes its tab with it.
  delete sheets_[0];
  EXPECT_EQ(pages_->PageCount(), 2);
  EXPECT_EQ(int(SendMessageW(pages_->Handle(), TCM_GETITEMCOUNT, 0, 0)), 2);
  EXPECT_EQ(pages_->ActivePage(), sheets_[1]);
}

// The page control's image list gives its tabs their icons; a list that is
// freed is let go of.
TEST_F(FrameworkTabTest, ImagesGiveTheTabsTheirIcons) {
  const TColor iconColour = RGBColor(0, 90, 180);
  auto* icons = new ui::TImageList(form_);
  ui::TBitmap picture;
  picture.SetSize(16, 16);
  picture.Fill(iconColour);
  ASSERT_EQ(icons->Add(picture, ui::clNone), 0);
  pages_->SetImages(icons);
  sheets_[1]->SetImageIndex(0);
  Skin(form_);
  Paint(pages_->Handle());
  RECT t1 = pages_->TabRect(1);
  OffsetRect(&t1, 0, 1);
  const TShot shot(pages_->Handle());
  EXPECT_EQ(shot.Count(iconColour, t1), 16 * 16);
  EXPECT_EQ(shot.Count(iconColour), 16 * 16);

  delete icons;
  EXPECT_EQ(pages_->Images(), nullptr);
  EXPECT_EQ(SendMessageW(pages_->Handle(), TCM_GETIMAGELIST, 0, 0), 0);
  Paint(pages_->Handle());
  EXPECT_EQ(TShot(pages_->Handle()).Count(iconColour), 0);
}

TEST_F(FrameworkTabTest, TabPositionSetsTheStylesAndTheSkinFollows) {
  const struct {
    ui::TTabPosition Position;
    DWORD Styles;
    skin::TTabOrientation Orientation;
  } cases[] = {{ui::tpBottom, TCS_BOTTOM, skin::toBottom},
               {ui::tpLeft, TCS_VERTICAL | TCS_MULTILINE, skin::toLeft},
               {ui::tpRight, TCS_VERTICAL | TCS_BOTTOM | TCS_MULTILINE, skin::toRight},
               {ui::tpTop, 0, skin::toTop}};
  Skin(form_);
  for (const auto& c : cases) {
    pages_->SetTabPosition(c.Position);
    const DWORD style = DWORD(GetWindowLongPtrW(pages_->Handle(), GWL_STYLE));
    EXPECT_EQ(style & (TCS_BOTTOM | TCS_VERTICAL | TCS_MULTILINE), c.Styles);
    Paint(pages_->Handle());
    EXPECT_EQ(TabCompanion(pages_->Handle())->Orientation, c.Orientation);
    EXPECT_EQ(LookOfTab(TShot(pages_->Handle()), pages_->Handle(), 0).Outer, kTabOuter[2]);
  }
  pages_->SetMultiLine(true);
  EXPECT_NE(GetWindowLongPtrW(pages_->Handle(), GWL_STYLE) & TCS_MULTILINE, 0);
}

TEST(TabForms, PageAndTabControlsAreReadFromDescriptions) {
  ui::RegisterStandardClasses();
  ui::TApplication app;
  ui::TForm root(nullptr);
  ui::TFormBindings bindings;
  ui::ReadComponent(root,
                    "object F: TForm\n"
                    "  object Pages: TPageControl\n"
                    "    TabPosition = tpRight\n"
                    "    MultiLine = True\n"
                    "    ActivePageIndex = 1\n"
                    "    Images = Icons\n"
                    "    object A: TTabSheet\n      Caption = 'Alpha'\n      ImageIndex = 3\n    end\n"
                    "    object B: TTabSheet\n      Caption = 'Beta'\n    end\n"
                    "  end\n"
                    "  object Icons: TImageList\n  end\n"
                    "  object Tabs: TTabControl\n"
                    "    Tabs = 'x'#13#10'y'#13#10'z'\n"
                    "    TabIndex = 2\n"
                    "    TabPosition = tpBottom\n"
                    "  end\n"
                    "end\n",
                    bindings, nullptr);
  auto* pages = dynamic_cast<ui::TPageControl*>(root.FindComponent("Pages"));
  auto* tabs = dynamic_cast<ui::TTabControl*>(root.FindComponent("Tabs"));
  ASSERT_NE(pages, nullptr);
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(pages->TabPosition(), ui::tpRight);
  EXPECT_TRUE(pages->MultiLine());
  ASSERT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->Pages(0)->Caption(), L"Alpha");
  EXPECT_EQ(pages->Pages(0)->ImageIndex(), 3);
  EXPECT_EQ(pages->ActivePageIndex(), 1);
  EXPECT_EQ(pages->Images(), root.FindComponent("Icons"));
  EXPECT_EQ(tabs->Tabs().size(), 3u);
  EXPECT_EQ(tabs->TabIndex(), 2);
  EXPECT_EQ(tabs->TabPosition(), ui::tpBottom);
}

}  // namespace
}  // namespace tab_test
