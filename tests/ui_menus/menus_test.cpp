// The framework menus on real windows: accelerators and shortcut texts, item
// lookups, menus read from a form description, the system menus they build,
// WM_COMMAND / owner-drawing messages reaching the items, shortcut keys,
// CM_MENUCHANGED and CM_DIALOGCHAR to the form, and popup menus shown and
// chosen from inside the system's menu loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/ImgList.h"
#include "ui/Menus.h"
#include "ui/Panel.h"
#include "ui/GuiTestSupport.h"

namespace {

using guitest::PumpFor;
using guitest::PumpUntil;

const char* const kMenuForm = R"(object MenuForm: TMenuForm
  Left = 80
  Top = 60
  Width = 360
  ClientHeight = 200
  Caption = 'Menus'
  Menu = MainMenu1
  object Panel1: TPanel
    Align = alClient
    PopupMenu = PopupMenu1
  end
  object MainMenu1: TMainMenu
    object N1: TMenuItem
      Caption = '文件(&F)'
      object Open1: TMenuItem
        Caption = '&Open'
        ShortCut = 16463
        Default = True
        OnClick = Clicked
      end
      object N2: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
        Enabled = False
        Tag = 7
        OnClick = Clicked
      end
    end
    object View1: TMenuItem
      Caption = '&View'
      OnClick = Clicked
      object Grid1: TMenuItem
        Caption = '&Grid'
        Checked = True
        ImageIndex = 2
        OnClick = Clicked
      end
    end
  end
  object PopupMenu1: TPopupMenu
    Alignment = paRight
    OwnerDraw = True
    object Copy1: TMenuItem
      Caption = '&Copy'
      ShortCut = 8237
      OnClick = Clicked
      OnMeasureItem = Measured
      OnDrawItem = Drawn
    end
    object Paste1: TMenuItem
      Caption = '&Paste'
      OnClick = Clicked
    end
  end
end
)";

class TMenuForm : public ui::TForm {
 public:
  TMenuForm(ui::TComponent* owner, std::string_view text) : ui::TForm(owner) {
    BindField("Panel1", Panel1);
    BindField("MainMenu1", MainMenu1);
    BindField("N1", N1);
    BindField("Open1", Open1);
    BindField("Exit1", Exit1);
    BindField("View1", View1);
    BindField("Grid1", Grid1);
    BindField("PopupMenu1", PopupMenu1);
    BindField("Copy1", Copy1);
    BindField("Paste1", Paste1);
    BindEvent("Clicked", this, &TMenuForm::Clicked);
    BindEvent("Measured", this, &TMenuForm::Measured);
    BindEvent("Drawn", this, &TMenuForm::Drawn);
    InitializeForm(text, nullptr);
    WindowProc = [this, old = WindowProc](ui::TMessage& m) {
      if (m.Msg == ui::CM_MENUCHANGED) ++menuChanged;
      if (m.Msg == ui::CM_DIALOGCHAR) {
        dialogChars.push_back(wchar_t(m.WParam));
        m.Result = 1;  // taken (as the skinned menu bar takes an accelerator): no system menu loop
        return;
      }
      old(m);
    };
  }
  ~TMenuForm() override { DestroyComponents(); }
  std::string ClassName() const override { return "TMenuForm"; }

  void Clicked(ui::TObject* sender) { clicks.push_back(static_cast<ui::TMenuItem*>(sender)); }
  void Measured(ui::TObject*, ui::TCanvas& canvas, int& width, int& height) {
    measuredWith = canvas.Handle() != nullptr;
    width += 40;
    height = 30;
  }
  void Drawn(ui::TObject*, ui::TCanvas& canvas, RECT rect, bool selected) {
    drawnRects.push_back(rect);
    if (selected) ++selectedDraws;
    FillRect(canvas.Handle(), &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }

  ui::TPanel* Panel1 = nullptr;
  ui::TMainMenu* MainMenu1 = nullptr;
  ui::TMenuItem *N1 = nullptr, *Open1 = nullptr, *Exit1 = nullptr, *View1 = nullptr, *Grid1 = nullptr;
  ui::TPopupMenu* PopupMenu1 = nullptr;
  ui::TMenuItem *Copy1 = nullptr, *Paste1 = nullptr;
  std::vector<ui::TMenuItem*> clicks;
  std::vector<wchar_t> dialogChars;
  std::vector<RECT> drawnRects;
  int selectedDraws = 0;
  bool measuredWith = false;
  int menuChanged = 0;
};

std::wstring MenuText(HMENU menu, UINT position) {
  wchar_t text[80] = {};
  GetMenuStringW(menu, position, text, 80, MF_BYPOSITION);
  return text;
}

MENUITEMINFOW ItemInfo(HMENU menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
  GetMenuItemInfoW(menu, position, TRUE, &info);
  return info;
}

// Key state of this thread as a key message handler sees it.
void SetKeyDown(int key, bool down) {
  BYTE state[256];
  GetKeyboardState(state);
  state[key] = down ? 0x80 : 0;
  SetKeyboardState(state);
}

class MenusTest : public testing::Test {
 protected:
  TMenuForm* ShowForm() {
    auto* form = new TMenuForm(&app, kMenuForm);
    form->Show();
    PumpFor(100);
    return form;
  }

  ui::TApplication app;
};

TEST(MenuTexts, AcceleratorsAndShortcutTexts) {
  EXPECT_EQ(ui::GetHotkey(L"&File"), L'F');
  EXPECT_EQ(ui::GetHotkey(L"Save && &Quit"), L'Q') << "&& is a literal ampersand";
  EXPECT_EQ(ui::GetHotkey(L"Tom && Jerry"), 0);
  EXPECT_EQ(ui::GetHotkey(L"Trailing&"), 0);
  EXPECT_EQ(ui::GetHotkey(L"文件(&F)"), L'F');
  EXPECT_EQ(ui::StripHotkey(L"Save && &Quit"), L"Save & Quit");
  EXPECT_TRUE(ui::IsAccel('F', L"文件(&F)"));
  EXPECT_TRUE(ui::IsAccel('f', L"&File")) << "case does not matter";
  EXPECT_FALSE(ui::IsAccel('i', L"&File"));
  EXPECT_FALSE(ui::IsAccel('&', L"Tom && Jerry"));
  EXPECT_FALSE(ui::IsAccel(0, L"Plain"));
  EXPECT_FALSE(ui::IsAccel(0x10046, L"&File")) << "a value beyond one character is no key";

  EXPECT_EQ(ui::ShortCutToText(ui::ShortCut('S', ui::ssCtrl)), L"Ctrl+S");
  EXPECT_EQ(ui::ShortCutToText(ui::ShortCut(VK_F5, ui::ssShift)), L"Shift+F5");
  EXPECT_EQ(ui::ShortCutToText(ui::ShortCut(VK_DELETE, ui::ssCtrl | ui::ssAlt)), L"Ctrl+Alt+Del");
  EXPECT_EQ(ui::ShortCutToText(ui::ShortCut('7', 0)), L"7");
  EXPECT_EQ(ui::ShortCutToText(ui::scNone), L"");
  EXPECT_EQ(ui::ShortCutToText(16463), L"Ctrl+O") << "the number stored in form descriptions";
}

TEST_F(MenusTest, FormDescriptionBuildsTheTreeAndTheSystemMenus) {
  TMenuForm* form = ShowForm();
  ASSERT_EQ(form->Menu(), form->MainMenu1);
  EXPECT_EQ(form->Panel1->PopupMenu(), form->PopupMenu1) << "a reference to a component described further down";
  ASSERT_EQ(form->MainMenu1->Items()->Count(), 2);
  EXPECT_EQ(form->N1->Count(), 3);
  EXPECT_EQ(form->Open1->Parent(), form->N1);
  EXPECT_EQ(form->Open1->GetParentMenu(), form->MainMenu1);
  EXPECT_TRUE(form->N1->Items(1)->IsLine());
  EXPECT_EQ(form->Exit1->Tag, 7);
  EXPECT_EQ(form->Grid1->ImageIndex(), 2);
  EXPECT_EQ(form->PopupMenu1->Alignment, ui::paRight);

  HMENU bar = GetMenu(form->Handle());
  ASSERT_EQ(bar, form->MainMenu1->Handle()) << "the menu is on the window";
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.bottom, 200) << "the client height read before the menu is kept below the menu bar";
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(MenuText(bar, 0), L"文件(&F)");
  EXPECT_EQ(GetSubMenu(bar, 0), form->N1->Handle());
  EXPECT_EQ(ItemInfo(bar, 0).wID, form->N1->Command()) << "a sub-menu item keeps its own command";

  HMENU file = form->N1->Handle();
  EXPECT_EQ(MenuText(file, 0), L"&Open\tCtrl+O");
  EXPECT_TRUE(ItemInfo(file, 0).fState & MFS_DEFAULT);
  EXPECT_TRUE(ItemInfo(file, 1).fType & MFT_SEPARATOR);
  EXPECT_TRUE(ItemInfo(file, 2).fState & MFS_GRAYED);
  EXPECT_TRUE(ItemInfo(form->View1->Handle(), 0).fState & MFS_CHECKED);

  // The popup menu is owner-drawn: no text of its own.
  HMENU popup = form->PopupMenu1->Handle();
  EXPECT_TRUE(ItemInfo(popup, 0).fType & MFT_OWNERDRAW);
  EXPECT_EQ(MenuText(popup, 0), L"");
}

TEST_F(MenusTest, FindItemByCommandHandleAndShortcut) {
  TMenuForm* form = ShowForm();
  ui::TMainMenu* menu = form->MainMenu1;
  EXPECT_EQ(menu->FindItem(form->Grid1->Command(), ui::fkCommand), form->Grid1);
  EXPECT_EQ(menu->FindItem(form->N1->Command(), ui::fkCommand), form->N1);
  EXPECT_EQ(menu->FindItem(reinterpret_cast<UINT_PTR>(form->View1->Handle()), ui::fkHandle), form->View1);
  EXPECT_EQ(menu->FindItem(16463, ui::fkShortCut), form->Open1);
  EXPECT_EQ(menu->FindItem(form->Copy1->Command(), ui::fkCommand), nullptr) << "another menu's item";
  EXPECT_EQ(menu->FindItem(0, ui::fkShortCut), nullptr) << "items without a shortcut are not found by 0";
  EXPECT_EQ(menu->FindItem(0, ui::fkHandle), nullptr) << "items without a sub-menu are not found by 0";
  EXPECT_NE(form->Open1->Command(), form->Copy1->Command());
}

TEST_F(MenusTest, CommandsShortcutsAndDialogCharsReachTheItems) {
  TMenuForm* form = ShowForm();
  HWND wnd = form->Handle();
  SendMessageW(wnd, WM_COMMAND, form->Grid1->Command(), 0);
  SendMessageW(wnd, WM_COMMAND, form->Exit1->Command(), 0);  // disabled: no click
  ASSERT_EQ(form->clicks.size(), 1u);
  EXPECT_EQ(form->clicks[0], form->Grid1);

  // Ctrl+O pressed on the panel (the focused control) is the main menu's Open.
  SetKeyDown(VK_CONTROL, true);
  SendMessageW(form->Panel1->Handle(), WM_KEYDOWN, 'O', 0);
  // Shift+Ins belongs to the panel's popup menu.
  SetKeyDown(VK_CONTROL, false);
  SetKeyDown(VK_SHIFT, true);
  SendMessageW(form->Panel1->Handle(), WM_KEYDOWN, VK_INSERT, 0);
  SetKeyDown(VK_SHIFT, false);
  SendMessageW(form->Panel1->Handle(), WM_KEYDOWN, 'O', 0);  // no Ctrl: nothing
  ASSERT_EQ(form->clicks.size(), 3u);
  EXPECT_EQ(form->clicks[1], form->Open1);
  EXPECT_EQ(form->clicks[2], form->Copy1);

  // A character nobody takes goes to the form as CM_DIALOGCHAR, Alt+key as well.
  SendMessageW(form->Panel1->Handle(), WM_CHAR, 'v', 0);
  SendMessageW(form->Panel1->Handle(), WM_SYSCHAR, 'f', 0x20000000);
  EXPECT_EQ(form->dialogChars, (std::vector<wchar_t>{L'v', L'f'}));
}

// A key typed into a window that is no framework control (an embedded
// browser, a combo box's edit) still reaches the menus of the form around it
// through the application's loop, once; a window of no form has none.
TEST_F(MenusTest, ShortcutsTypedIntoForeignChildWindowsReachTheFormsMenus) {
  TMenuForm* form = ShowForm();
  const HWND inner = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 4, 4, 80, 20, form->Panel1->Handle(),
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
  const HWND lone = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(inner, nullptr);
  SetKeyDown(VK_CONTROL, true);
  PostMessageW(inner, WM_KEYDOWN, 'O', 0);
  PostMessageW(lone, WM_KEYDOWN, 'O', 0);
  app.ProcessMessages();
  SetKeyDown(VK_CONTROL, false);
  PostMessageW(inner, WM_KEYDOWN, 'O', 0);  // no Ctrl: a plain key for the edit
  app.ProcessMessages();
  ASSERT_EQ(form->clicks.size(), 1u);
  EXPECT_EQ(form->clicks[0], form->Open1);
  DestroyWindow(lone);
}

TEST_F(MenusTest, ChangesRebuildInPlaceAndTellTheForm) {
  TMenuForm* form = ShowForm();
  HWND wnd = form->Handle();
  HMENU bar = GetMenu(wnd);
  HMENU file = form->N1->Handle();
  const int before = form->menuChanged;

  form->Exit1->SetEnabled(true);
  EXPECT_FALSE(ItemInfo(file, 2).fState & MFS_GRAYED);
  EXPECT_EQ(form->menuChanged, before + 1);

  // Something (a skinned menu bar) took the menu off the window: a change puts it back first.
  SetMenu(wnd, nullptr);
  HMENU seenAtChange = nullptr;
  const ui::TWndMethod old = form->WindowProc;
  form->WindowProc = [&](ui::TMessage& m) {
    if (m.Msg == ui::CM_MENUCHANGED) seenAtChange = GetMenu(wnd);
    old(m);
  };
  auto* help = new ui::TMenuItem(form);
  help->SetCaption(L"&Help");
  form->MainMenu1->Items()->Add(help);
  form->WindowProc = old;
  EXPECT_EQ(seenAtChange, bar);
  EXPECT_EQ(GetMenu(wnd), bar) << "the same handle, rebuilt in place";
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  EXPECT_EQ(MenuText(bar, 2), L"&Help");

  // A first sub-item turns a command item into a sub-menu of the bar.
  auto* about = new ui::TMenuItem(form);
  about->SetCaption(L"&About");
  help->Add(about);
  EXPECT_EQ(GetSubMenu(bar, 2), help->Handle());

  // Hidden items leave the system menu; freed ones leave the tree.
  form->Open1->SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(file), 2);
  delete form->Exit1;
  form->Exit1 = nullptr;
  EXPECT_EQ(form->N1->Count(), 2);
  EXPECT_EQ(GetMenuItemCount(file), 1);
  EXPECT_TRUE(IsMenu(file));

  // Freeing the main menu takes it off the window before it goes.
  delete form->MainMenu1;
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(GetMenu(wnd), nullptr);
  EXPECT_FALSE(IsMenu(bar));
}

TEST_F(MenusTest, OwnerDrawnMainMenuItemsAreMeasuredAndDrawnThroughTheForm) {
  TMenuForm* form = ShowForm();
  int measured = 0;
  form->Grid1->OnMeasureItem = [&](ui::TObject*, ui::TCanvas&, int& w, int& h) {
    ++measured;
    EXPECT_GT(w, 0);
    EXPECT_GT(h, 0);
    w = 111;
  };
  form->MainMenu1->SetOwnerDraw(true);
  EXPECT_TRUE(ItemInfo(form->View1->Handle(), 0).fType & MFT_OWNERDRAW);

  // The form's WindowProc sees the message first (the skin engine hooks there).
  bool seenByWindowProc = false;
  const ui::TWndMethod old = form->WindowProc;
  form->WindowProc = [&](ui::TMessage& m) {
    if (m.Msg == WM_MEASUREITEM) seenByWindowProc = true;
    old(m);
  };
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = form->Grid1->Command();
  EXPECT_TRUE(SendMessageW(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
  form->WindowProc = old;
  EXPECT_TRUE(seenByWindowProc);
  EXPECT_EQ(measured, 1);
  EXPECT_EQ(measure.itemWidth, 111u);

  // Drawn without a handler: the plain look, highlighted when selected.
  ui::TBitmap bitmap;
  bitmap.SetPixelFormat(ui::TPixelFormat::pf32bit);
  bitmap.SetSize(120, 24);
  bitmap.Fill(ui::clFuchsia);
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemID = form->Open1->Command();
  draw.itemState = ODS_SELECTED;
  draw.hDC = bitmap.Canvas().Handle();
  draw.rcItem = RECT{0, 0, 120, 24};
  EXPECT_TRUE(SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
  GdiFlush();
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_EQ(bitmap.Pixel(119, 1), ui::TColor(highlight));
}

// Inside the system's menu loop: moves down to the first item and chooses it.
void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu) return;
  PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(MenusTest, PopupMenuOnRightClickIsOwnerDrawnAndChosenItemClicks) {
  TMenuForm* form = ShowForm();
  HWND panel = form->Panel1->Handle();
  POINT at{20, 20};
  ClientToScreen(panel, &at);
  SetTimer(nullptr, 0, 300, ChooseFirstItem);
  SendMessageW(panel, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel), MAKELPARAM(at.x, at.y));
  EXPECT_EQ(form->PopupMenu1->PopupComponent, form->Panel1);
  EXPECT_TRUE(form->measuredWith) << "OnMeasureItem got a canvas";
  ASSERT_FALSE(form->drawnRects.empty()) << "OnDrawItem drew the item";
  EXPECT_EQ(form->drawnRects[0].bottom - form->drawnRects[0].top, 30) << "the height OnMeasureItem gave";
  EXPECT_GT(form->selectedDraws, 0);
  ASSERT_TRUE(PumpUntil([&] { return !form->clicks.empty(); }));  // WM_COMMAND is posted
  EXPECT_EQ(form->clicks[0], form->Copy1);
}

constexpr ui::TColor kGreen = ui::RGBColor(0, 255, 0);
constexpr ui::TColor kBlue = ui::RGBColor(0, 0, 255);

TEST_F(MenusTest, ImageListCutsAStripAndDrawsByIndex) {
  ui::TImageList images(nullptr);
  images.SetSize(8, 8);
  ui::TBitmap strip;
  strip.SetSize(8 * 3 + 5, 8);  // three pictures and a narrower rest
  strip.Fill(ui::clFuchsia);
  for (int y = 2; y < 6; ++y)
    for (int x = 2; x < 6; ++x) {
      strip.SetPixel(x, y, ui::clRed);
      strip.SetPixel(8 + x, y, kGreen);
      strip.SetPixel(16 + x, y, kBlue);
    }
  EXPECT_EQ(images.Add(strip, ui::clFuchsia), 0);
  EXPECT_EQ(images.Count(), 3);
  ui::TBitmap target;
  target.SetPixelFormat(ui::TPixelFormat::pf32bit);
  target.SetSize(8, 8);
  target.Fill(ui::clWhite);
  images.Draw(target.Canvas(), 0, 0, 1);
  images.Draw(target.Canvas(), 0, 0, 7);  // out of range: nothing
  GdiFlush();
  EXPECT_EQ(target.Pixel(3, 3), kGreen);
  EXPECT_EQ(target.Pixel(0, 0), ui::clWhite) << "the mask colour stays transparent";
  images.SetSize(16, 16);
  EXPECT_EQ(images.Count(), 0) << "a new size empties the list";
}

TEST_F(MenusTest, BadReferencesStopTheReading) {
  std::string text = kMenuForm;
  text.replace(text.find("Menu = MainMenu1"), 16, "Menu = Nowhere1");
  EXPECT_THROW(new TMenuForm(&app, text), ui::EFormError);
  std::string wrongKind = kMenuForm;
  wrongKind.replace(wrongKind.find("Menu = MainMenu1"), 16, "Menu = PopupMenu1");
  EXPECT_THROW(new TMenuForm(&app, wrongKind), ui::EFormError);
}

}  // namespace
