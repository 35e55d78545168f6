// Dragging the thumb with the companion's own loop: positions as the mouse
// goes, the release, a release far from the program's windows, the mouse
// taken away, and a processor left alone while the thumb is held still. The
// drag runs inside the WM_NCLBUTTONDOWN that starts it; thread timers, which
// fire inside it, move the mouse and end it.
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "skin_scroll/ScrollTestSupport.h"

namespace scroll_test {
namespace {

// Steps run one per timer tick while a drag is held; the last one ends it.
class TDragScript {
 public:
  using TStep = std::function<void()>;
  TDragScript(std::vector<TStep> steps, UINT interval) : steps_(std::move(steps)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, interval, &Tick);
  }
  ~TDragScript() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  TDragScript(const TDragScript&) = delete;
  TDragScript& operator=(const TDragScript&) = delete;

  int Done() const { return next_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TDragScript* self = current_;
    if (!self || self->next_ >= int(self->steps_.size())) return;
    self->steps_[std::size_t(self->next_++)]();
  }

  static inline TDragScript* current_ = nullptr;
  std::vector<TStep> steps_;
  UINT_PTR timer_ = 0;
  int next_ = 0;
};

// The mouse at `p` (screen; kept on the screen), and a move message for
// whoever waits for one.
void MoveTo(HWND wnd, POINT p) {
  p.x = std::clamp<LONG>(p.x, 0, GetSystemMetrics(SM_CXSCREEN) - 1);
  p.y = std::clamp<LONG>(p.y, 0, GetSystemMetrics(SM_CYSCREEN) - 1);
  SettleCursor(p);
  POINT client = p;
  ScreenToClient(wnd, &client);
  PostMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
}

void Release(HWND wnd) { PostMessageW(wnd, WM_LBUTTONUP, 0, 0); }


class ThumbDrag : public ScrollTest {
 protected:
  // A plain pane with a vertical bar of min..max (page `page`) at `pos`.
  void MakePane(int min, int max, UINT page, int pos) {
    NewBareWindow();
    pane_ = std::make_unique<form_test::TTestWindow>(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL, 0, bareWnd_,
                                                      RECT{20, 20, 140, 260});
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, min, max, page, pos, 0};
    SetScrollInfo(pane_->Get(), SB_VERT, &info, TRUE);
    passed_ = std::make_unique<TPassedOn>(pane_->Get());
    bars_ = std::make_unique<skin::TSkinScrollBar>(nullptr);
    ASSERT_TRUE(bars_->AttachScrollWindow(pane_->Get(), data_.get(), true, nullptr));
    bars_->Redraw();
  }
  void TearDown() override {
    bars_.reset();
    passed_.reset();
    pane_.reset();
    ScrollTest::TearDown();
  }
  // The middle of the thumb, on the screen.
  POINT ThumbCentre() const {
    const RECT& v = bars_->VertBarRect;
    const skin::TScrollMetrics& m = bars_->VertMetrics;
    RECT window{};
    GetWindowRect(pane_->Get(), &window);
    return POINT{window.left + (v.left + v.right) / 2, window.top + v.top + m.ArrowSize + m.ThumbOffset + m.ThumbLength / 2};
  }
  // Presses the thumb (as the system reports it) and returns when the drag is over.
  void PressThumb() {
    const POINT p = ThumbCentre();
    SettleCursor(p);
    SendMessageW(pane_->Get(), WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(p.x, p.y));
  }
  HWND Pane() const { return pane_->Get(); }
  int Pos() const { return GetScrollPos(pane_->Get(), SB_VERT); }

  std::unique_ptr<form_test::TTestWindow> pane_;
  std::unique_ptr<TPassedOn> passed_;
  std::unique_ptr<skin::TSkinScrollBar> bars_;
};

TEST_F(ThumbDrag, PositionsFollowTheMouseAndStayInTheBarsRange) {
  MakePane(0, 99, 10, 30);
  const POINT start = ThumbCentre();
  int trackedBeforeEnd = -1;
  TColor thumbWhileDragging = 0;
  TDragScript script(
      {[&] { MoveTo(Pane(), POINT{start.x, start.y + 20}); },
       [&] {
         EXPECT_TRUE(bars_->Dragging);
         EXPECT_EQ(bars_->PressedPart, skin::spVertThumb);
         const RECT& v = bars_->VertBarRect;
         const skin::TScrollMetrics& m = bars_->VertMetrics;
         thumbWhileDragging = TShot(Pane()).At((v.left + v.right) / 2, v.top + m.ArrowSize + m.ThumbOffset + 2);
         MoveTo(Pane(), POINT{start.x, start.y + 3000});  // far past the end
       },
       [&] {
         trackedBeforeEnd = Pos();
         MoveTo(Pane(), POINT{start.x, start.y - 3000});  // before the start
       },
       [&] { Release(Pane()); }},
      30);
  PressThumb();
  EXPECT_EQ(script.Done(), 4);
  EXPECT_FALSE(bars_->Dragging);
  EXPECT_EQ(thumbWhileDragging, kVertThumb[2]);
  EXPECT_EQ(trackedBeforeEnd, 90);  // nMax - nPage + 1
  const auto tracks = passed_->Scrolls(WM_VSCROLL);
  ASSERT_GE(tracks.size(), 4u);
  EXPECT_EQ(tracks.front().first, SB_THUMBTRACK);
  EXPECT_GT(tracks.front().second, 30);
  bool sawEnd = false;
  for (const auto& [code, pos] : tracks)
    if (code == SB_THUMBTRACK && pos == 90) sawEnd = true;
  EXPECT_TRUE(sawEnd);
  // The release reports where it ended, then the scroll ends (posted).
  EXPECT_EQ(tracks.back(), std::make_pair(int(SB_THUMBPOSITION), 0));
  EXPECT_EQ(Pos(), 0);
  PumpFor(20);
  EXPECT_EQ(passed_->Scrolls(WM_VSCROLL).back().first, SB_ENDSCROLL);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ThumbDrag, WithoutAPageTheEndIsTheLastValue) {
  MakePane(10, 90, 0, 40);
  const POINT start = ThumbCentre();
  TDragScript script({[&] { MoveTo(Pane(), POINT{start.x, start.y + 3000}); }, [&] { Release(Pane()); }}, 30);
  PressThumb();
  ASSERT_EQ(script.Done(), 2);
  const auto scrolls = passed_->Scrolls(WM_VSCROLL);
  ASSERT_FALSE(scrolls.empty());
  EXPECT_EQ(scrolls.back(), std::make_pair(int(SB_THUMBPOSITION), 90));
}

TEST_F(ThumbDrag, AClickWithoutMovingReportsTheStartingPosition) {
  MakePane(0, 99, 10, 42);
  TDragScript script({[&] { Release(Pane()); }}, 30);
  PressThumb();
  PumpFor(20);
  const auto scrolls = passed_->Scrolls(WM_VSCROLL);
  ASSERT_EQ(scrolls.size(), 2u);
  EXPECT_EQ(scrolls[0], std::make_pair(int(SB_THUMBPOSITION), 42));
  EXPECT_EQ(scrolls[1].first, SB_ENDSCROLL);
  EXPECT_EQ(passed_->Count(WM_LBUTTONUP), 0);  // the release is the drag's, not the control's
}

TEST_F(ThumbDrag, AReleaseFarFromTheProgramsWindowsEndsTheDrag) {
  MakePane(0, 99, 10, 30);
  const POINT start = ThumbCentre();
  bool released = false;
  TDragScript script(
      {[&] { MoveTo(Pane(), POINT{start.x, start.y + 40}); },
       [&] {
         // Over the bare desktop, and the real button goes up there.
         SettleCursor(POINT{1000, 740});
         SendInputButton(MOUSEEVENTF_LEFTDOWN);
         SendInputButton(MOUSEEVENTF_LEFTUP);
         released = true;
       },
       [&] { Release(Pane()); }},  // a safety net the drag must not need
      40);
  PressThumb();
  EXPECT_TRUE(released);
  EXPECT_EQ(script.Done(), 2);
  EXPECT_FALSE(bars_->Dragging);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(passed_->Scrolls(WM_VSCROLL).back().first, SB_THUMBPOSITION);
  SetCursorPos(1015, 760);
}

TEST_F(ThumbDrag, LosingTheMouseEndsTheDrag) {
  MakePane(0, 99, 10, 30);
  TDragScript script({[&] { ReleaseCapture(); }, [&] { Release(Pane()); }}, 30);
  PressThumb();
  EXPECT_EQ(script.Done(), 1);
  EXPECT_FALSE(bars_->Dragging);
  PumpFor(20);
  const auto scrolls = passed_->Scrolls(WM_VSCROLL);
  ASSERT_EQ(scrolls.size(), 2u);
  EXPECT_EQ(scrolls[0], std::make_pair(int(SB_THUMBPOSITION), 30));
  EXPECT_EQ(scrolls[1].first, SB_ENDSCROLL);
}

TEST_F(ThumbDrag, TheWindowGoingEndsTheDrag) {
  MakePane(0, 99, 10, 30);
  // A companion without a window companion frees itself with its window.
  const POINT p = ThumbCentre();
  bars_.release();
  const HWND pane = Pane();
  TDragScript script({[&] { DestroyWindow(pane); }, [&] { PostMessageW(bareWnd_, WM_LBUTTONUP, 0, 0); }}, 30);
  SetCursorPos(p.x, p.y);
  SendMessageW(pane, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(p.x, p.y));
  EXPECT_EQ(script.Done(), 1);
  EXPECT_FALSE(IsWindow(pane));
}

// The processor time of this process, in 100 ns units.
ULONGLONG ProcessTime() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto value = [](const FILETIME& t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return value(kernel) + value(user);
}

TEST_F(ThumbDrag, HoldingTheThumbStillLeavesTheProcessorIdle) {
  MakePane(0, 99, 10, 30);
  ULONGLONG cpuStart = 0, cpuEnd = 0, wallStart = 0, wallEnd = 0;
  TDragScript script({[&] {
                        cpuStart = ProcessTime();
                        wallStart = GetTickCount64();
                      },
                      [] {},
                      [&] {
                        cpuEnd = ProcessTime();
                        wallEnd = GetTickCount64();
                        Release(Pane());
                      }},
                     500);
  PressThumb();
  ASSERT_EQ(script.Done(), 3);
  const ULONGLONG cpuMs = (cpuEnd - cpuStart) / 10000;
  const ULONGLONG wallMs = wallEnd - wallStart;
  ASSERT_GE(wallMs, 900u);
  // A loop that polls would use the processor the whole time.
  EXPECT_LT(cpuMs * 5, wallMs) << cpuMs << " ms of processor time in " << wallMs << " ms";
}

}  // namespace
}  // namespace scroll_test

namespace scroll_test {
namespace {

// The system's own arrow scrolling (its loop, fed by the real mouse) may
// paint its own bar as it goes; once it is over, the skin is back.
TEST_F(ThumbDrag, AfterTheSystemsArrowScrollingTheSkinIsBack) {
  MakePane(0, 99, 10, 30);
  const HWND edit = BareChild(L"EDIT", ES_MULTILINE | WS_VSCROLL, RECT{160, 20, 300, 220}, 2);
  std::wstring text;
  for (int i = 0; i < 60; ++i) text += L"line\r\n";
  SetWindowTextW(edit, text.c_str());
  skin::TSkinScrollBar bars(nullptr);
  ASSERT_TRUE(bars.AttachScrollWindow(edit, data_.get(), true, nullptr));
  bars.Redraw();
  const RECT v = bars.VertBarRect;
  RECT window{};
  GetWindowRect(edit, &window);
  const POINT down{window.left + (v.left + v.right) / 2, window.top + v.bottom - Arrow() / 2};
  TColor afterwards = 0;
  int firstLine = -1;
  TDragScript script({[&] {
                        firstLine = int(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
                        SendInputButton(MOUSEEVENTF_LEFTUP);
                      },
                      [] {}},
                     100);
  SettleCursor(down);
  SendInputButton(MOUSEEVENTF_LEFTDOWN);
  while (script.Done() < 2) {
    MSG msg;
    GetMessageW(&msg, nullptr, 0, 0);
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  afterwards = TShot(edit).At((v.left + v.right) / 2, v.bottom - Arrow() / 2);
  EXPECT_GT(firstLine, 0);  // the system scrolled
  EXPECT_EQ(afterwards, ArrowColour(13));
  bars.Detach();
}

}  // namespace
}  // namespace scroll_test
