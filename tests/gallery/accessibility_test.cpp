// What a screen reader finds on the skinned gallery: the menu bar and the
// title bar through AccessibleObjectFromWindow (children, names, roles,
// states, places against what is painted, default actions), the menu events
// of the skinned bar, MSAAMENUINFO on owner-drawn popup items, objects kept
// past their window or skin, and the controls' own system proxies.
#include <oleacc.h>

#include <algorithm>
#include <cwctype>
#include <functional>
#include <string>
#include <vector>

#include "GalleryTestSupport.h"
#include "gallery/ButtonsPage.h"
#include "gallery/GalleryPopups.h"
#include "gallery/GallerySkins.h"
#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/draw/WindowText.h"
#include "support/MenuScript.h"
#include "ui/Menus.h"
#include "ui/TextConv.h"

namespace {

using namespace gallery_test;

// An IAccessible of a window's object, released with this.
class TObject {
 public:
  TObject(HWND wnd, LONG id) {
    Result = AccessibleObjectFromWindow(wnd, DWORD(id), __uuidof(IAccessible), reinterpret_cast<void**>(&object_));
  }
  ~TObject() {
    if (object_) object_->Release();
  }
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  IAccessible* operator->() const { return object_; }
  IAccessible* Get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

  HRESULT Result;

 private:
  IAccessible* object_ = nullptr;
};

VARIANT Child(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

// A text property, or the failure code as text.
std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), IAccessible* object, long id) {
  BSTR text = nullptr;
  const HRESULT hr = (object->*get)(Child(id), &text);
  std::wstring result = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
  SysFreeString(text);
  return FAILED(hr) ? L"error" : result;
}

long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), IAccessible* object, long id) {
  VARIANT value;
  VariantInit(&value);
  return SUCCEEDED((object->*get)(Child(id), &value)) && value.vt == VT_I4 ? value.lVal : -1;
}

RECT Location(IAccessible* object, long id) {
  long x = 0, y = 0, w = 0, h = 0;
  object->accLocation(&x, &y, &w, &h, Child(id));
  return RECT{x, y, x + w, y + h};
}

long HitChild(IAccessible* object, POINT p) {
  VARIANT hit;
  VariantInit(&hit);
  return object->accHitTest(p.x, p.y, &hit) == S_OK && hit.vt == VT_I4 ? hit.lVal : -1;
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

std::string Narrow(const std::wstring& text) { return ui::WideToUtf8(text); }

// Part of the screen rectangle `r` of a window's frame shows frame `frame`
// of a button image: the share of its pixels that match.
double ImageShare(HWND wnd, const RECT& r, const ui::TBitmap& image, int frames, int frame) {
  RECT window{};
  GetWindowRect(wnd, &window);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const std::vector<COLORREF> shown = WindowArea(wnd, r.left - window.left, w, r.bottom - window.top);
  const int frameWidth = image.Width() / frames;
  if (w != frameWidth || h != image.Height()) return 0;
  int same = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      same += shown[std::size_t((r.top - window.top + y) * w + x)] ==
              ui::ColorToRGB(image.Pixel((frame - 1) * frameWidth + x, y));
  return double(same) / (w * h);
}

struct TEvent {
  DWORD Event;
  HWND Wnd;
  LONG Object;
};

std::vector<TEvent>& Events() {
  static std::vector<TEvent> events;
  return events;
}

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND wnd, LONG object, LONG, DWORD, DWORD) {
  Events().push_back({event, wnd, object});
}

class AccessibilityTest : public GalleryTest {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    GalleryTest::SetUp();
  }
  void TearDown() override {
    GalleryTest::TearDown();
    OleUninitialize();
  }
};

TEST_F(AccessibilityTest, MenuBarShowsItsItemsAndOpensTheirMenus) {
  const HWND frame = frame_->Handle();
  const skin::TWinSkinForm& companion = *Companion(frame);
  TObject bar(frame, OBJID_MENU);
  ASSERT_EQ(bar.Result, S_OK);
  EXPECT_EQ(Number(&IAccessible::get_accRole, bar.Get(), CHILDID_SELF), ROLE_SYSTEM_MENUBAR);
  ui::TMenuItem* items = frame_->Menu()->Items();
  long count = 0;
  ASSERT_EQ(bar->get_accChildCount(&count), S_OK);
  ASSERT_EQ(count, items->Count());
  RECT window{};
  GetWindowRect(frame, &window);
  const COLORREF barText = ui::ColorToRGB(frame_->SkinData1->AtDpi(companion.Dpi).MenuBarTextColour);
  LONG right = window.left;
  for (long i = 1; i <= count; ++i) {
    const std::wstring caption = items->Items(int(i - 1))->Caption();
    SCOPED_TRACE(Narrow(caption));
    EXPECT_EQ(Text(&IAccessible::get_accName, bar.Get(), i), ui::StripHotkey(caption));
    EXPECT_EQ(Text(&IAccessible::get_accKeyboardShortcut, bar.Get(), i),
              std::wstring(L"Alt+") + wchar_t(towupper(ui::GetHotkey(caption))));
    EXPECT_EQ(Number(&IAccessible::get_accRole, bar.Get(), i), ROLE_SYSTEM_MENUITEM);
    const bool enabled = items->Items(int(i - 1))->Enabled();
    EXPECT_EQ(Number(&IAccessible::get_accState, bar.Get(), i),
              STATE_SYSTEM_HASPOPUP | (enabled ? 0 : STATE_SYSTEM_UNAVAILABLE));
    if (!enabled) {
      EXPECT_EQ(bar->accDoDefaultAction(Child(i)), DISP_E_MEMBERNOTFOUND);
    }
    const RECT place = Location(bar.Get(), i);
    // In the bar's rows, left to right, with the item's text painted inside.
    EXPECT_EQ(place.top, window.top + companion.BorderTop);
    EXPECT_EQ(place.bottom, window.top + companion.BorderTop + companion.MenuBarHeight - 1);
    EXPECT_GE(place.left, right);
    right = place.right;
    const int w = place.right - place.left;
    const std::vector<COLORREF> shown = WindowArea(frame, place.left - window.left, w, place.bottom - window.top);
    int ink = 0;
    for (std::size_t p = std::size_t(companion.BorderTop) * std::size_t(w); p < shown.size(); ++p)
      ink += shown[p] == barText;
    if (enabled) {
      EXPECT_GT(ink, 5);  // a disabled caption has a colour of its own
    }
    EXPECT_EQ(HitChild(bar.Get(), Centre(place)), i);
    EXPECT_EQ(SendMessageW(frame, WM_NCHITTEST, 0, MAKELPARAM(Centre(place).x, Centre(place).y)), HTMENU);
  }
  BSTR name = nullptr;
  EXPECT_EQ(bar->get_accName(Child(count + 1), &name), E_INVALIDARG);
  EXPECT_EQ(bar->get_accName(Child(-1), &name), E_INVALIDARG);

  // The default action opens the item's menu, with the events of a system menu bar.
  Events().clear();
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_MENUSTART, EVENT_SYSTEM_MENUPOPUPEND, nullptr, &OnEvent,
                                             GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
  bool opened = false;
  long stateOpen = 0;
  test_support::TMenuScript script({[&] {
    opened = test_support::MenuWindow() != nullptr;
    stateOpen = Number(&IAccessible::get_accState, bar.Get(), 1);
    EndMenu();
  }});
  ASSERT_TRUE(script.Run([&] { EXPECT_EQ(bar->accDoDefaultAction(Child(1)), S_OK); },
                         [] { return test_support::MenuWindow() != nullptr; }));
  PumpFor(100);
  UnhookWinEvent(hook);
  EXPECT_TRUE(opened);
  EXPECT_TRUE(stateOpen & STATE_SYSTEM_PRESSED);
  std::vector<DWORD> seen;
  for (const TEvent& e : Events())
    if (e.Wnd == frame) seen.push_back(e.Event);
  const std::vector<DWORD> expected = {EVENT_SYSTEM_MENUSTART, EVENT_SYSTEM_MENUPOPUPSTART, EVENT_SYSTEM_MENUPOPUPEND,
                                       EVENT_SYSTEM_MENUEND};
  EXPECT_EQ(seen, expected);
  for (const TEvent& e : Events()) {
    if (e.Wnd == frame) {
      EXPECT_EQ(e.Object, OBJID_MENU);
    }
  }
}

// The names a person hears for the skin's caption buttons, by action.
std::wstring ButtonName(const skin::TDataSkinSysButton& skin) {
  switch (skin.Action) {
    case 0: return L"关闭";
    case 1: return skin.Visibility == 1 ? L"还原" : L"最大化";
    case 2: return L"最小化";
    case 3: return L"系统菜单";
    default: return L"?";
  }
}

TEST_F(AccessibilityTest, TitleBarShowsTheCaptionAndTheSkinsButtons) {
  const HWND frame = frame_->Handle();
  const skin::TWinSkinForm& companion = *Companion(frame);
  TObject title(frame, OBJID_TITLEBAR);
  ASSERT_EQ(title.Result, S_OK);
  EXPECT_EQ(Number(&IAccessible::get_accRole, title.Get(), CHILDID_SELF), ROLE_SYSTEM_TITLEBAR);
  EXPECT_EQ(Text(&IAccessible::get_accName, title.Get(), CHILDID_SELF), skin::GetWindowTextString(frame));
  std::vector<const skin::TWinSysButton*> buttons;
  for (const auto& button : companion.SysButtons)
    if (button->SkinButton->Visibility != 100) buttons.push_back(button.get());
  long count = 0;
  ASSERT_EQ(title->get_accChildCount(&count), S_OK);
  ASSERT_EQ(count, long(buttons.size()));
  RECT window{};
  GetWindowRect(frame, &window);
  long minimise = 0, visible = 0;
  for (long i = 1; i <= count; ++i) {
    const skin::TWinSysButton& button = *buttons[std::size_t(i - 1)];
    const skin::TDataSkinSysButton& skin = *button.SkinButton;
    SCOPED_TRACE(skin.Name);
    EXPECT_EQ(Text(&IAccessible::get_accName, title.Get(), i), ButtonName(skin));
    EXPECT_EQ(Number(&IAccessible::get_accRole, title.Get(), i), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(Text(&IAccessible::get_accDefaultAction, title.Get(), i), L"按下");
    const long state = Number(&IAccessible::get_accState, title.Get(), i);
    EXPECT_EQ(state & STATE_SYSTEM_INVISIBLE, button.Visible ? 0 : STATE_SYSTEM_INVISIBLE);
    if (!button.Visible) continue;
    ++visible;
    const RECT place = Location(title.Get(), i);
    EXPECT_EQ(HitChild(title.Get(), Centre(place)), i);
    if (skin.Action == 2) minimise = i;
    if (skin.Action == 3) continue;  // the window's icon
    double best = 0;
    for (int f = 1; f <= skin.SafeFrameCount(); ++f)
      best = std::max(best, ImageShare(frame, place, skin.Bitmap, skin.SafeFrameCount(), f));
    EXPECT_GT(best, 0.9) << "the button's image at its place";
  }
  EXPECT_EQ(visible, 4);  // close, maximise, minimise, icon
  BSTR name = nullptr;
  EXPECT_EQ(title->get_accName(Child(count + 1), &name), E_INVALIDARG);

  ASSERT_GT(minimise, 0);
  EXPECT_EQ(title->accDoDefaultAction(Child(minimise)), S_OK);
  PumpFor(200);
  EXPECT_TRUE(IsIconic(frame));
  ShowWindow(frame, SW_RESTORE);
  PumpFor(100);
}

TEST_F(AccessibilityTest, ObjectsKeptPastTheirWindowOrSkinAnswerDisconnected) {
  Run("mdi");
  Run("foreign");
  const struct {
    const char* Name;
    std::function<HWND()> Window;
    LONG Id;
    std::function<void(HWND)> End;
  } cases[] = {
      {"MDI child closed", [&] { return frame_->MDIChildren(0)->Handle(); }, OBJID_TITLEBAR,
       [](HWND wnd) { SendMessageW(wnd, WM_CLOSE, 0, 0); }},
      {"foreign window closed", [&] { return frame_->ForeignWindow(); }, OBJID_MENU,
       [](HWND wnd) { SendMessageW(wnd, WM_CLOSE, 0, 0); }},
      {"skin off", [&] { return frame_->Handle(); }, OBJID_MENU, [&](HWND) { frame_->Skins().UseNone(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const HWND wnd = c.Window();
    TObject object(wnd, c.Id);
    ASSERT_EQ(object.Result, S_OK);
    long count = 0;
    ASSERT_EQ(object->get_accChildCount(&count), S_OK);
    EXPECT_GT(count, 0);
    c.End(wnd);
    for (int i = 0; i < 20 && manager_->TimerEnabled; ++i) PumpFor(50);
    PumpFor(100);
    EXPECT_EQ(object->get_accChildCount(&count), RPC_E_DISCONNECTED);
    BSTR name = nullptr;
    EXPECT_EQ(object->get_accName(Child(1), &name), RPC_E_DISCONNECTED);
    EXPECT_EQ(object->get_accName(Child(CHILDID_SELF), &name), RPC_E_DISCONNECTED);
    long x = 0, y = 0, w = 0, h = 0;
    EXPECT_EQ(object->accLocation(&x, &y, &w, &h, Child(1)), RPC_E_DISCONNECTED);
    EXPECT_EQ(object->accDoDefaultAction(Child(1)), RPC_E_DISCONNECTED);
  }
}

// The texts a screen reader reads of a menu's items: an owner-drawn item's
// from its item data, any other's its own.
std::vector<std::wstring> MsaaTexts(HMENU menu) {
  std::vector<std::wstring> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info) || (info.fType & MFT_SEPARATOR)) continue;
    if (!(info.fType & MFT_OWNERDRAW)) {  // its own text
      wchar_t text[128] = {};
      GetMenuStringW(menu, UINT(i), text, 127, MF_BYPOSITION);
      texts.push_back(text);
      continue;
    }
    const auto* msaa = reinterpret_cast<const MSAAMENUINFO*>(info.dwItemData);
    if (!msaa || msaa->dwMSAASignature != MSAA_MENU_SIG) texts.push_back(L"none");
    else texts.emplace_back(msaa->pszWText, msaa->cchWText);
  }
  return texts;
}

// The framework items' texts as a system menu item would carry them.
std::vector<std::wstring> ItemTexts(ui::TMenuItem& parent) {
  std::vector<std::wstring> texts;
  for (int i = 0; i < parent.Count(); ++i) {
    ui::TMenuItem& item = *parent.Items(i);
    if (item.IsLine() || !item.Visible()) continue;
    const std::wstring shortcut = ui::ShortCutToText(item.ShortCut());
    texts.push_back(item.Caption() + (shortcut.empty() ? L"" : L"\t" + shortcut));
  }
  return texts;
}

TEST_F(AccessibilityTest, OwnerDrawnPopupItemsCarryTheirTextForScreenReaders) {
  Run("foreign");
  const HWND foreign = frame_->ForeignWindow();
  const HMENU foreignMenu = Companion(foreign)->OrigMenu;
  const HMENU foreignPopup = GetSubMenu(foreignMenu, 0);
  std::vector<std::wstring> foreignTexts;
  for (int i = 0; i < GetMenuItemCount(foreignPopup); ++i) {
    wchar_t text[128] = {};
    if (GetMenuStringW(foreignPopup, UINT(i), text, 127, MF_BYPOSITION) > 0) foreignTexts.push_back(text);
  }
  ui::TMenuItem& fileMenu = *frame_->Menu()->Items()->Items(0);
  ui::TPopupMenu& popup = *frame_->Popups()->PopupMenu1;
  // The bars' popups turn owner-drawn when they first open.
  for (HWND wnd : {frame_->Handle(), foreign}) {
    TObject bar(wnd, OBJID_MENU);
    ASSERT_EQ(bar.Result, S_OK);
    test_support::TMenuScript script({[] { EndMenu(); }});
    ASSERT_TRUE(script.Run([&] { bar->accDoDefaultAction(Child(1)); },
                           [] { return test_support::MenuWindow() != nullptr; }));
  }
  const struct {
    const char* Name;
    HMENU Menu;
    std::vector<std::wstring> Texts;
  } cases[] = {
      {"framework popup menu", popup.Items()->Handle(), ItemTexts(*popup.Items())},
      {"framework menu bar's popup", fileMenu.Handle(), ItemTexts(fileMenu)},
      {"foreign menu bar's popup", foreignPopup, foreignTexts},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ASSERT_FALSE(c.Texts.empty());
    EXPECT_EQ(MsaaTexts(c.Menu), c.Texts);
  }
  // With the skin gone the foreign items are the system's again, and no
  // item data is left pointing at the freed texts.
  frame_->Skins().UseNone();
  for (int i = 0; i < 20 && manager_->TimerEnabled; ++i) PumpFor(50);
  for (int i = 0; i < GetMenuItemCount(foreignPopup); ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfoW(foreignPopup, UINT(i), TRUE, &info));
    EXPECT_FALSE(info.fType & MFT_OWNERDRAW) << i;
    EXPECT_EQ(info.dwItemData, 0u) << i;
  }
}

TEST_F(AccessibilityTest, SkinnedControlsKeepTheirSystemProxies) {
  Run("buttons");
  auto* page = frame_->FindPage<gallery::TButtonsPage>();
  ASSERT_NE(page, nullptr);
  const skin::TWinSkinForm* companion = Companion(page->Handle());
  ASSERT_NE(companion, nullptr);
  int named = 0;
  for (const skin::TSkinControl* control : companion->Controls) {
    const std::wstring text = skin::GetWindowTextString(control->Handle);
    if (!IsWindow(control->Handle)) continue;  // a companion of a control without a window of its own
    TObject client(control->Handle, OBJID_CLIENT);
    ASSERT_EQ(client.Result, S_OK) << Narrow(skin::GetClassNameString(control->Handle));
    if (text.empty()) continue;
    EXPECT_EQ(Text(&IAccessible::get_accName, client.Get(), CHILDID_SELF), ui::StripHotkey(text));
    ++named;
  }
  EXPECT_GT(named, 5);
}

}  // namespace

namespace {

// Alt+Space where the keyboard is opens the frame's menu, Alt+- the MDI
// child's, each under its window's icon.
TEST_F(AccessibilityTest, AltSpaceOpensTheSkinnedSystemMenu) {
  Run("mdi");
  for (HWND wnd : {frame_->Handle(), frame_->MDIChildren(0)->Handle()}) {
    SCOPED_TRACE(Narrow(skin::GetWindowTextString(wnd)));
    const skin::TWinSkinForm& companion = *Companion(wnd);
    RECT window{};
    GetWindowRect(wnd, &window);
    POINT expected{};
    for (const auto& button : companion.SysButtons)
      if (button->Visible && button->SkinButton->Action == 3)
        expected = POINT{window.left + button->Rect.left, window.top + button->Rect.bottom};
    const HWND focus = GetFocus();
    const HWND target = focus && (focus == wnd || IsChild(wnd, focus)) ? focus : wnd;
    RECT menu{};
    test_support::TMenuScript script({[&] {
      GetWindowRect(test_support::MenuWindow(), &menu);
      EndMenu();
    }});
    const WPARAM key = wnd == frame_->Handle() ? VK_SPACE : VK_OEM_MINUS;
    ASSERT_TRUE(script.Run([&] { PostMessageW(target, WM_SYSKEYDOWN, key, 0x20000001); },
                           [] { return test_support::MenuWindow() != nullptr; }));
    EXPECT_EQ(menu.left, expected.x);
    EXPECT_EQ(menu.top, expected.y);
  }
}

}  // namespace
