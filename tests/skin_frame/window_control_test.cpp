// The skinned frame answers the system as the system frame would: hit codes
// of the caption buttons (while their mouse messages stay the engine's),
// Alt+Space with its system menu and keyboard Move, and Alt+F4.
#include <cwchar>
#include <string>
#include <vector>

#include "FrameTestSupport.h"
#include "skin/WinSkinData/SkinData.h"
#include "support/Cursor.h"
#include "support/MenuScript.h"
#include "support/OurSkin.h"

namespace {

using namespace frame_test;

// The non-client mouse messages that reach the window's own procedure.
std::vector<UINT>& NcMouseSeen() {
  static std::vector<UINT> seen;
  return seen;
}

LRESULT CALLBACK RecordingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if ((msg >= WM_NCMOUSEMOVE && msg <= WM_NCXBUTTONDBLCLK) || msg == WM_NCMOUSEHOVER || msg == WM_NCMOUSELEAVE)
    NcMouseSeen().push_back(msg);
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

// What the system frame answers over its own button of the kind.
LRESULT ExpectedCode(int action) {
  switch (action) {
    case 0: return HTCLOSE;
    case 1: return HTMAXBUTTON;
    case 2: return HTMINBUTTON;
    case 3: return HTSYSMENU;
    default: return HTCAPTION;
  }
}

LRESULT HitTest(HWND wnd, POINT screen) {
  return SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
}

// Every visible caption button of `form` answers its code at its centre, and
// a sweep along the title bar's middle row gives HTCAPTION wherever no button
// stands. Returns the codes found at the centres.
std::vector<LRESULT> ExpectCaptionHits(HWND wnd, const skin::TWinSkinForm& form) {
  RECT window{};
  GetWindowRect(wnd, &window);
  std::vector<LRESULT> found;
  for (const auto& button : form.SysButtons) {
    if (!button->Visible) continue;
    const RECT& r = button->Rect;
    const POINT centre{window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2};
    const LRESULT code = HitTest(wnd, centre);
    EXPECT_EQ(code, ExpectedCode(button->SkinButton->Action)) << "action " << button->SkinButton->Action;
    found.push_back(code);
  }
  const int y = form.BorderTop / 2, width = window.right - window.left;
  int wrong = 0;
  for (int x = 8; x < width - 8; ++x) {
    LRESULT expected = HTCAPTION;
    for (const auto& button : form.SysButtons)
      if (button->Visible && PtInRect(&button->Rect, POINT{x, y})) expected = ExpectedCode(button->SkinButton->Action);
    if (HitTest(wnd, POINT{window.left + x, window.top + y}) != expected && ++wrong <= 3)
      ADD_FAILURE() << "title bar x " << x << " expected " << expected;
  }
  return found;
}

bool Contains(const std::vector<LRESULT>& codes, LRESULT code) {
  for (LRESULT c : codes)
    if (c == code) return true;
  return false;
}

TEST_F(FrameTest, CaptionButtonsHitTestAsTheSystemsAndKeepTheirMouseMessages) {
  windowProc_ = &RecordingProc;
  for (const wchar_t* resource : {L"TAVRINSKIN", L"TAVRINSKIN_JADE", L"TAVRINSKIN_NIGHT"}) {
    for (const bool maximised : {false, true}) {
      SCOPED_TRACE(testing::Message() << std::string(resource, resource + wcslen(resource)) << " maximised "
                                      << maximised);
      const HWND wnd = Start(test_support::OurSkin(resource), RECT{100, 100, 500, 400}, L"Hits");
      if (maximised) ShowWindow(wnd, SW_MAXIMIZE);
      Repaint();
      const std::vector<LRESULT> codes = ExpectCaptionHits(wnd, *form_);
      for (LRESULT code : {LRESULT(HTCLOSE), LRESULT(HTMAXBUTTON), LRESULT(HTMINBUTTON), LRESULT(HTSYSMENU)})
        EXPECT_TRUE(Contains(codes, code)) << code;
      // Over a button the old procedure (and with it the system's own
      // button drawing) sees none of the mouse messages.
      NcMouseSeen().clear();
      RECT window{};
      GetWindowRect(wnd, &window);
      for (const auto& button : form_->SysButtons) {
        if (!button->Visible) continue;
        const RECT& r = button->Rect;
        const LPARAM at = MAKELPARAM(window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2);
        const WPARAM code = WPARAM(HitTest(wnd, POINT{LOWORD(at), HIWORD(at)}));
        for (UINT msg : {UINT(WM_NCMOUSEMOVE), UINT(WM_NCMOUSEHOVER), UINT(WM_NCLBUTTONDOWN), UINT(WM_NCMOUSELEAVE)})
          SendMessageW(wnd, msg, code, at);
      }
      EXPECT_TRUE(NcMouseSeen().empty()) << NcMouseSeen().size() << " reached the window, first " << std::hex
                                         << (NcMouseSeen().empty() ? 0u : NcMouseSeen().front());
    }
  }
}

TEST_F(FrameTest, MdiChildCaptionButtonsHitTestAsTheSystems) {
  TTestWindow frame(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, nullptr, RECT{50, 50, 650, 550});
  const HWND client = form_test::CreateMdiClient(frame.Get());
  MoveWindow(client, 0, 0, 560, 460, TRUE);
  const HWND child = form_test::CreateMdiChild(client);
  MoveWindow(child, 10, 10, 400, 300, TRUE);
  ShowWindow(frame.Get(), SW_SHOW);
  Pump();
  auto data = test_support::OurSkin();
  skin::TWinSkinForm form(nullptr);
  form.Handle = child;
  form.AttachHandle(data.get());
  SendMessageW(child, skin::WM_SKINSTART, 0, 1000);
  SendMessageW(child, skin::WM_SKINNCREDRAW, 0, 0);
  Pump();
  ASSERT_EQ(form.FormKind, skin::fkMdiChild);
  const std::vector<LRESULT> codes = ExpectCaptionHits(child, form);
  EXPECT_TRUE(Contains(codes, HTCLOSE));
  EXPECT_TRUE(Contains(codes, HTSYSMENU));
  form.Detach();
}

// The system's keyboard move and size step.
constexpr int kKeyStep = 8;

TEST_F(FrameTest, AltSpaceOpensTheSystemMenuUnderTheIconAndMoveFollowsTheArrowKeys) {
  const HWND wnd = Start(test_support::OurSkin(), RECT{100, 100, 500, 400}, L"Keys");
  Repaint();
  RECT before{};
  GetWindowRect(wnd, &before);
  POINT expected{before.left + form_->BorderLeft, before.top + form_->BorderTop};
  for (const auto& button : form_->SysButtons)
    if (button->Visible && button->SkinButton->Action == 3)
      expected = POINT{before.left + button->Rect.left, before.top + button->Rect.bottom};
  // The move starts with the pointer on the caption; put there already, it
  // sends no late move of its own.
  test_support::SettleCursor(POINT{(before.left + before.right) / 2,
                                   before.top + GetSystemMetrics(SM_CYBORDER) + GetSystemMetrics(SM_CYSIZE) / 2});
  RECT menu{};
  bool selected = false;
  test_support::TMenuScript script({
      [&] {
        GetWindowRect(test_support::MenuWindow(), &menu);
        for (int i = 0; i < GetMenuItemCount(form_->SysMenu); ++i)
          selected = selected || (GetMenuState(form_->SysMenu, UINT(i), MF_BYPOSITION) & MF_HILITE);
        PostMessageW(test_support::MenuWindow(), WM_CHAR, 'm', 0);  // "&Move"
      },
      // One key a tick: the loop puts the pointer where each key took it.
      [&] { PostMessageW(wnd, WM_KEYDOWN, VK_RIGHT, 0); },
      [&] { PostMessageW(wnd, WM_KEYDOWN, VK_RIGHT, 0); },
      [&] { PostMessageW(wnd, WM_KEYDOWN, VK_RIGHT, 0); },
      [&] { PostMessageW(wnd, WM_KEYDOWN, VK_DOWN, 0); },
      [&] { PostMessageW(wnd, WM_KEYDOWN, VK_DOWN, 0); },
      [&] { PostMessageW(wnd, WM_KEYDOWN, VK_RETURN, 0); },
      [] {},
  });
  ASSERT_TRUE(script.Run([&] { PostMessageW(wnd, WM_SYSKEYDOWN, VK_SPACE, 0x20390001); },
                         [] { return test_support::MenuWindow() != nullptr; }));
  EXPECT_EQ(menu.left, expected.x);
  EXPECT_EQ(menu.top, expected.y);
  EXPECT_TRUE(selected);
  RECT after{};
  GetWindowRect(wnd, &after);
  // Each key moves the pointer a step from where it is; the window follows
  // the pointer, whose moves Wine reports late: a step may be taken twice
  // from one place, so only the direction and the step are certain.
  const int dx = after.left - before.left, dy = after.top - before.top;
  EXPECT_GT(dx, 0);
  EXPECT_GT(dy, 0);
  EXPECT_EQ(dx % kKeyStep, 0) << dx;
  EXPECT_EQ(dy % kKeyStep, 0) << dy;
  EXPECT_EQ(after.right - after.left, before.right - before.left);

  // Alt+F4 closes it.
  PostMessageW(wnd, WM_SYSKEYDOWN, VK_F4, 0x203E0001);
  PumpFor(100);
  EXPECT_FALSE(IsWindow(wnd));
}

}  // namespace
