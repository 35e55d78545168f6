// The class library's windows: a form read from a description and laid out,
// WindowProc replacement, mouse enter/leave between controls, transparent
// images as painted, the screen cursor, and owners freeing their windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Cursor.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Panel.h"
#include "ui/Screen.h"
#include "ui/Timer.h"
#include "ui/GuiTestSupport.h"

namespace {

using guitest::PumpFor;
using guitest::PumpUntil;
using guitest::WindowPixel;

// A 20 x 10 picture: white, with a black 6 x 4 block in the middle.
std::vector<std::uint8_t> PictureBytes() {
  ui::TBitmap bitmap;
  bitmap.SetSize(20, 10);
  bitmap.Fill(ui::clWhite);
  for (int y = 3; y < 7; ++y)
    for (int x = 7; x < 13; ++x) bitmap.SetPixel(x, y, ui::clBlack);
  ui::TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Vector();
}

const char* const kLayout = R"(object Test: TTestForm
  Left = 60
  Top = 40
  Width = 400
  Height = 300
  Caption = 'Layout 测试'
  Color = clWhite
  OnCreate = Created
  object Top1: TPanel
    Align = alTop
    Height = 40
    BevelInner = bvLowered
    BorderWidth = 2
    Color = clLime
    OnMouseMove = Moved
    object Right1: TImage
      Align = alRight
      Width = 50
      Stretch = True
      Picture.Data = resource 'PIC'
      OnClick = Clicked
    end
    object Pic: TImage
      Left = 6
      Top = 6
      AutoSize = True
      Transparent = True
      Cursor = crHandPoint
      Picture.Data = resource 'PIC'
    end
    object Pic2: TImage
      Left = 40
      Top = 6
      Width = 20
      Height = 10
    end
  end
  object Bottom1: TPanel
    Align = alBottom
    Height = 20
  end
  object Client1: TPanel
    Align = alClient
  end
  object Side: TPanel
    Align = alRight
    Width = 30
  end
  object Tick: TTimer
    Interval = 30
    OnTimer = Ticked
  end
end
)";

class TTestForm : public ui::TForm {
 public:
  TTestForm(ui::TComponent* owner, std::string_view text) : ui::TForm(owner) {
    BindField("Top1", Top1);
    BindField("Right1", Right1);
    BindField("Pic", Pic);
    BindField("Pic2", Pic2);
    BindField("Bottom1", Bottom1);
    BindField("Client1", Client1);
    BindField("Side", Side);
    BindField("Tick", Tick);
    BindEvent("Created", this, &TTestForm::Created);
    BindEvent("Clicked", this, &TTestForm::Clicked);
    BindEvent("Moved", this, &TTestForm::Moved);
    BindEvent("Ticked", this, &TTestForm::Ticked);
    InitializeForm(text, [](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
      if (name != "PIC") return std::nullopt;
      return PictureBytes();
    });
  }
  ~TTestForm() override { DestroyComponents(); }
  std::string ClassName() const override { return "TTestForm"; }

  void Created(ui::TObject*) { picWidthAtCreate = Pic->Width(); }
  void Clicked(ui::TObject* sender) { clickedBy = sender; }
  void Moved(ui::TObject*, ui::TShiftState, int x, int y) { lastMove = POINT{x, y}; }
  void Ticked(ui::TObject*) { ++ticks; }

  ui::TPanel* Top1 = nullptr;
  ui::TImage* Right1 = nullptr;
  ui::TImage* Pic = nullptr;
  ui::TImage* Pic2 = nullptr;
  ui::TPanel* Bottom1 = nullptr;
  ui::TPanel* Client1 = nullptr;
  ui::TPanel* Side = nullptr;
  ui::TTimer* Tick = nullptr;
  int picWidthAtCreate = -1;
  ui::TObject* clickedBy = nullptr;
  POINT lastMove{-1, -1};
  int ticks = 0;
};

RECT Bounds(const ui::TControl* c) { return c->BoundsRect(); }

class GuiTest : public ::testing::Test {
 protected:
  GuiTest() {
    app.OnException = [this](const std::exception& e) { errors.push_back(e.what()); };
  }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }

  TTestForm* ShowForm() {
    // The real pointer stays off the form: left where an earlier test put it,
    // it would make a control hot before a test watches its mouse events.
    test_support::SettleCursor(POINT{1015, 760});
    auto* form = new TTestForm(&app, kLayout);
    form->Show();
    PumpFor(200);
    return form;
  }

  ui::TApplication app;
  std::vector<std::string> errors;
};

TEST_F(GuiTest, FormFromADescriptionIsLaidOutAndWired) {
  TTestForm* form = ShowForm();
  HWND wnd = form->Handle();
  wchar_t cls[32] = {}, title[64] = {};
  GetClassNameW(wnd, cls, 32);
  GetWindowTextW(wnd, title, 64);
  EXPECT_STREQ(cls, L"TTestForm");
  EXPECT_STREQ(title, L"Layout \u6D4B\u8BD5");
  EXPECT_EQ(form->picWidthAtCreate, 20) << "OnCreate comes after Loaded";
  EXPECT_EQ(ui::Screen->FormCount(), 1);

  RECT client;
  GetClientRect(wnd, &client);
  const int w = client.right, h = client.bottom;
  EXPECT_EQ(Bounds(form->Top1), (RECT{0, 0, w, 40}));
  EXPECT_EQ(Bounds(form->Bottom1), (RECT{0, h - 20, w, h}));
  EXPECT_EQ(Bounds(form->Side), (RECT{w - 30, 40, w, h - 20}));
  EXPECT_EQ(Bounds(form->Client1), (RECT{0, 40, w - 30, h - 20}));
  // Inside the panel's two bevels and its border: 1 + 2 + 1 pixels.
  EXPECT_EQ(Bounds(form->Right1), (RECT{w - 4 - 50, 4, w - 4, 36}));
  EXPECT_EQ(Bounds(form->Pic), (RECT{6, 6, 26, 16}));
  RECT panelWindow;
  GetWindowRect(form->Top1->Handle(), &panelWindow);
  MapWindowPoints(nullptr, wnd, reinterpret_cast<POINT*>(&panelWindow), 2);
  EXPECT_EQ(panelWindow, (RECT{0, 0, w, 40}));

  form->SetBounds(form->Left(), form->Top(), 500, 300);  // layout follows the size
  PumpFor(50);
  GetClientRect(wnd, &client);
  EXPECT_EQ(Bounds(form->Client1).right, client.right - 30);

  guitest::PostClick(form->Top1->Handle(), form->Right1->Left() + 5, 10);
  EXPECT_TRUE(PumpUntil([&] { return form->clickedBy != nullptr; }, 2000));
  EXPECT_EQ(form->clickedBy, form->Right1);
  EXPECT_TRUE(PumpUntil([&] { return form->ticks >= 2; }, 2000));
}

TEST_F(GuiTest, ADescriptionWithAnUnknownPropertyIsRefused) {
  std::string text = kLayout;
  text.insert(text.find("    BorderWidth = 2"), "    Frobnicate = 1\n");
  try {
    TTestForm form(nullptr, text);
    FAIL() << "read without error";
  } catch (const ui::EFormError& e) {
    EXPECT_STREQ(e.what(), "line 13: Top1.Frobnicate: unknown property of TPanel");
  }
}

TEST_F(GuiTest, WindowProcSeesEveryMessageUntilPutBack) {
  TTestForm* form = ShowForm();
  std::vector<UINT> panelMessages;
  ui::TWndMethod old = form->Top1->WindowProc;
  form->Top1->WindowProc = [&](ui::TMessage& m) {
    panelMessages.push_back(m.Msg);
    old(m);
  };
  form->Top1->SetHeight(50);
  form->Top1->SetEnabled(false);
  const auto saw = [&](UINT msg) { return std::find(panelMessages.begin(), panelMessages.end(), msg) != panelMessages.end(); };
  EXPECT_TRUE(saw(WM_WINDOWPOSCHANGED));
  EXPECT_TRUE(saw(WM_SIZE));
  EXPECT_TRUE(saw(ui::CM_ENABLEDCHANGED));
  EXPECT_EQ(form->Top1->Height(), 50) << "the previous procedure still did its work";
  form->Top1->SetEnabled(true);

  // A windowless control: its parent routes painting and the mouse through it.
  std::vector<ui::TMessage> imageMessages;
  ui::TWndMethod oldImage = form->Right1->WindowProc;
  form->Right1->WindowProc = [&](ui::TMessage& m) {
    imageMessages.push_back(m);
    if (m.Msg != WM_LBUTTONUP) oldImage(m);  // swallowed: no click
  };
  form->Top1->Repaint();
  guitest::PostClick(form->Top1->Handle(), form->Right1->Left() + 7, 9);
  PumpFor(200);
  bool painted = false, mouseAtImagePoint = false;
  for (const ui::TMessage& m : imageMessages) {
    painted |= m.Msg == WM_PAINT && m.WParam != 0;
    mouseAtImagePoint |= m.Msg == WM_LBUTTONDOWN && LOWORD(m.LParam) == 7 && HIWORD(m.LParam) == 5;
  }
  EXPECT_TRUE(painted);
  EXPECT_TRUE(mouseAtImagePoint) << "mouse coordinates are the image's own";
  EXPECT_EQ(form->clickedBy, nullptr);

  form->Top1->WindowProc = old;
  form->Right1->WindowProc = oldImage;
  panelMessages.clear();
  form->Top1->SetHeight(45);
  guitest::PostClick(form->Top1->Handle(), form->Right1->Left() + 7, 9);
  PumpFor(200);
  EXPECT_TRUE(panelMessages.empty());
  EXPECT_EQ(form->clickedBy, form->Right1);
}

TEST_F(GuiTest, AHookMayPutItselfBackWhileHandlingAMessage) {
  TTestForm* form = ShowForm();
  ui::TWndMethod old = form->Side->WindowProc;
  int seen = 0;
  form->Side->WindowProc = [&, form](ui::TMessage& m) {
    ++seen;
    form->Side->WindowProc = old;  // as a companion does when it detaches
    old(m);
  };
  form->Side->Perform(ui::CM_COLORCHANGED);
  form->Side->Perform(ui::CM_COLORCHANGED);
  EXPECT_EQ(seen, 1);
}

TEST_F(GuiTest, MouseEnterAndLeaveFollowTheMouseBetweenControls) {
  TTestForm* form = ShowForm();
  HWND panel = form->Top1->Handle(), client = form->Client1->Handle();
  guitest::RealMouseFilter panelFilter(form->Top1), clientFilter(form->Client1);
  std::vector<std::string> events;
  auto watch = [&](ui::TControl* c, const std::string& name) {
    c->OnMouseEnter = [&events, name](ui::TObject*) { events.push_back("+" + name); };
    c->OnMouseLeave = [&events, name](ui::TObject*) { events.push_back("-" + name); };
  };
  watch(form->Pic, "Pic");
  watch(form->Pic2, "Pic2");
  watch(form->Top1, "Top1");
  watch(form->Client1, "Client1");
  auto move = [](HWND wnd, int x, int y) {
    guitest::PostMouseMove(wnd, x, y);
    PumpFor(50);
  };
  move(panel, 10, 10);   // over Pic
  move(panel, 12, 11);   // still over Pic: nothing new
  move(panel, 45, 10);   // over Pic2
  move(panel, 100, 20);  // the panel itself
  EXPECT_EQ(form->lastMove.x, 100);
  move(client, 50, 50);  // another window
  guitest::PostMouseLeave(panel);  // late news from the panel: no longer concerns anyone
  PumpFor(50);
  EXPECT_EQ(ui::MouseControl(), form->Client1);
  guitest::PostMouseLeave(client);  // the mouse has left the program's windows
  PumpFor(50);
  EXPECT_EQ(events, (std::vector<std::string>{"+Pic", "-Pic", "+Pic2", "-Pic2", "+Top1", "-Top1", "+Client1",
                                              "-Client1"}));
  EXPECT_EQ(ui::MouseControl(), nullptr);
}

TEST_F(GuiTest, ATransparentImageLeavesItsWhiteOut) {
  TTestForm* form = ShowForm();
  HWND panel = form->Top1->Handle();
  const ui::TColor lime = ui::RGBColor(0, 255, 0), white = ui::RGBColor(255, 255, 255);
  // Pic at (6, 6): white around a black block at (7..12, 3..6) of the picture.
  EXPECT_EQ(WindowPixel(panel, 6 + 1, 6 + 1), lime);
  EXPECT_EQ(WindowPixel(panel, 6 + 8, 6 + 4), ui::clBlack);
  form->Pic->SetTransparent(false);
  PumpFor(100);
  EXPECT_EQ(WindowPixel(panel, 6 + 1, 6 + 1), white);
  EXPECT_EQ(WindowPixel(panel, 6 + 8, 6 + 4), ui::clBlack);
  form->Pic->SetTransparent(true);
  PumpFor(100);
  EXPECT_EQ(WindowPixel(panel, 6 + 1, 6 + 1), lime);
  // The stretched, opaque image paints its white.
  EXPECT_EQ(WindowPixel(panel, form->Right1->Left() + 1, form->Right1->Top() + 1), white);
}

// The cursor a window shows with the real mouse at (x, y) of its client area,
// asked at once, the way the system asks (nothing may move the mouse meanwhile).
HCURSOR CursorShownAt(HWND wnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(wnd, &p);
  test_support::SettleCursor(p);
  SendMessageW(wnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return GetCursor();
}

TEST_F(GuiTest, ScreenCursorOverridesControlCursors) {
  TTestForm* form = ShowForm();
  HWND panel = form->Top1->Handle();
  const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND), wait = LoadCursorW(nullptr, IDC_WAIT);
  EXPECT_EQ(CursorShownAt(panel, 10, 10), hand);  // over Pic
  EXPECT_EQ(CursorShownAt(panel, 100, 20), LoadCursorW(nullptr, IDC_ARROW));
  ui::Screen->SetCursor(ui::crHourGlass);
  EXPECT_EQ(GetCursor(), wait) << "at once";
  EXPECT_EQ(CursorShownAt(panel, 10, 10), wait);
  EXPECT_EQ(CursorShownAt(form->Client1->Handle(), 10, 10), wait);
  CursorShownAt(panel, 11, 10);
  ui::Screen->SetCursor(ui::crDefault);  // the control under the mouse chooses again
  EXPECT_EQ(GetCursor(), hand);
}

TEST_F(GuiTest, AFormShowsItsOwnIconElseTheProgramsIcon) {
  ASSERT_EQ(app.Icon(), nullptr) << "this test program has no icon of its own";
  auto* plain = new TTestForm(&app, kLayout);
  EXPECT_EQ(SendMessageW(plain->Handle(), WM_GETICON, ICON_SMALL, 0), 0);
  auto* own = new TTestForm(&app, kLayout);
  const HICON icon = LoadIconW(nullptr, IDI_INFORMATION);
  own->Icon = icon;
  for (WPARAM which : {ICON_SMALL, ICON_BIG})
    EXPECT_EQ(SendMessageW(own->Handle(), WM_GETICON, which, 0), reinterpret_cast<LRESULT>(icon)) << which;
}

TEST_F(GuiTest, FreeingAFormFreesItsComponentsAndWindows) {
  TTestForm* form = ShowForm();
  HWND formWnd = form->Handle(), panelWnd = form->Top1->Handle();
  struct Holder : ui::TComponent {
    using TComponent::TComponent;
    void Notification(ui::TComponent* c, ui::TOperation op) override {
      if (op == ui::opRemove && c == held) held = nullptr;
      TComponent::Notification(c, op);
    }
    ui::TComponent* held = nullptr;
  } holder(nullptr);
  holder.held = form->Top1;
  form->Top1->FreeNotification(&holder);
  delete form;
  EXPECT_EQ(holder.held, nullptr);
  EXPECT_FALSE(IsWindow(formWnd));
  EXPECT_FALSE(IsWindow(panelWnd));
  EXPECT_EQ(ui::Screen->FormCount(), 0);
  EXPECT_EQ(app.ComponentCount(), 0);
}

TEST_F(GuiTest, MessageBoxesShowUnicodeText) {
  guitest::BoxWatcher watcher;
  const int answer = ui::ShowMessageBox(HWND(nullptr), std::string_view("\xE5\xBC\x80\xE5\xA7\x8B\rline two\r"),
                                        std::string_view("\xE7\xAD\x94"), MB_OK);
  EXPECT_EQ(answer, IDOK);
  ASSERT_EQ(watcher.Boxes.size(), 1u);
  EXPECT_EQ(watcher.Boxes[0].Caption, L"\u7B54");
  EXPECT_EQ(watcher.Boxes[0].Text, L"\u5F00\u59CB\rline two\r");
}

}  // namespace
