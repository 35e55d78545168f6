// The training window: its components, the hover highlight, and the whole
// exercise flow with a browser double and a shortened answer period; quiz
// pages that cannot be loaded with the real browser control.
#include <ole2.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/Quiz.h"
#include "app/SkinOption.h"
#include "app/StartupOptions.h"
#include "app/SystemFollow.h"
#include "app/UnitMain.h"
#include "skin/WinSkinData/SkinObjects.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin/manager/SkinManage.h"
#include "support/LoopbackSite.h"
#include "support/SkinFolderCopy.h"
#include "support/UserRegistryValue.h"
#include "ui/Application.h"
#include "ui/Screen.h"
#include "ui/TextConv.h"
#include "ui/GuiTestSupport.h"

namespace {

using guitest::PumpFor;
using guitest::PumpUntil;

// Runs `action` after `ms` milliseconds, from whatever message loop is running
// then (a thread timer: it fires inside the exercise's own waiting loop too).
class Scheduler {
 public:
  ~Scheduler() {
    for (const auto& [id, action] : actions_) KillTimer(nullptr, id);
    actions_.clear();
  }
  void After(UINT ms, std::function<void()> action) { actions_[SetTimer(nullptr, 0, ms, Fire)] = std::move(action); }
  // Runs the steps one after the other, `gapMs` apart (each one timed from
  // the end of the one before, so a slow machine cannot reorder them).
  void Sequence(UINT gapMs, std::vector<std::function<void()>> steps) {
    if (steps.empty()) return;
    After(gapMs, [this, gapMs, steps]() mutable {
      auto first = std::move(steps.front());
      steps.erase(steps.begin());
      first();
      Sequence(gapMs, std::move(steps));
    });
  }

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    const auto it = actions_.find(id);
    if (it == actions_.end()) return;
    auto action = std::move(it->second);
    actions_.erase(it);
    action();
  }
  static inline std::map<UINT_PTR, std::function<void()>> actions_;
};

// Stands in for the browser: remembers navigations and reports a finished
// download when told to (or on its own shortly after each navigation).
class FakeBrowser : public ui::IWebBrowserEngine {
 public:
  void Navigate(const std::wstring& url) override {
    if (BeforeNavigate) BeforeNavigate();
    Navigations.push_back(ui::WideToUtf8(url));
    location_ = url;
    if (AutoComplete) scheduler_.After(60, [this] { Complete(); });
  }
  std::wstring LocationURL() override { return location_; }
  void SetBounds(const RECT& r) override { Bounds = r; }
  void Complete() {
    if (OnDownloadComplete) OnDownloadComplete();
  }

  std::function<void()> BeforeNavigate;  // called as each navigation starts
  std::vector<std::string> Navigations;
  RECT Bounds{};
  bool AutoComplete = true;

 private:
  std::wstring location_;
  Scheduler scheduler_;
};

std::wstring Wide(const std::string& utf8) { return ui::Utf8ToWide(utf8); }

double ProcessSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto seconds = [](const FILETIME& t) { return double((std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7; };
  return seconds(kernel) + seconds(user);
}

// The real control for tests with real pages (the browser double's tests need none).
class OleScope {
 public:
  OleScope() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleScope() {
    if (ok_) OleUninitialize();
  }
  OleScope(const OleScope&) = delete;
  OleScope& operator=(const OleScope&) = delete;

 private:
  bool ok_;
};

class AppTest : public ::testing::Test {
 protected:
  AppTest() {
    app.OnException = [this](const std::exception& e) { errors.push_back(e.what()); };
    ui::TWebBrowser::SetEngineFactory([this](HWND, const RECT& bounds) {
      auto engine = std::make_unique<FakeBrowser>();
      engine->Bounds = bounds;
      browser = engine.get();
      return engine;
    });
    form = app.CreateForm<TForm1>();
    form->Timer1->SetInterval(300);  // instead of 30 s; the program's own value is untouched
  }
  ~AppTest() override { ui::TWebBrowser::SetEngineFactory(nullptr); }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }

  void Show() {
    form->Show();
    PumpFor(200);
  }
  void Click(ui::TImage* image) {
    guitest::PostClick(form->Panel1->Handle(), image->Left() + image->Width() / 2, image->Top() + image->Height() / 2);
  }
  void HoverOver(int x, int y) {
    guitest::PostMouseMove(form->Panel1->Handle(), x, y);
    PumpFor(100);
  }
  ui::TColor PanelPixel(int x, int y) { return guitest::WindowPixel(form->Panel1->Handle(), x, y); }

  OleScope ole;  // first: outlives the form and its browser
  ui::TApplication app;
  guitest::BoxWatcher boxes;
  Scheduler scheduler;
  TForm1* form = nullptr;
  FakeBrowser* browser = nullptr;
  std::vector<std::string> errors;
};

TEST_F(AppTest, TheWindowShowsItsComponentsAtTheirPlaces) {
  EXPECT_EQ(form->BoundsRect(), (RECT{192, 107, 192 + 713, 107 + 548})) << "as stored";
  Show();
  HWND wnd = form->Handle();
  wchar_t title[64] = {}, cls[32] = {};
  GetWindowTextW(wnd, title, 64);
  GetClassNameW(wnd, cls, 32);
  EXPECT_STREQ(title, L"Tavrin\u96C6\u4E2D\u529B\u8BAD\u7EC3");
  EXPECT_STREQ(cls, L"TForm1");
  RECT client;
  GetClientRect(wnd, &client);
  const int w = client.right, h = client.bottom;
  EXPECT_EQ(form->Panel1->BoundsRect(), (RECT{0, 0, w, 57}));
  EXPECT_EQ(form->Image1->BoundsRect(), (RECT{8, 8, 8 + 139, 8 + 42}));
  EXPECT_EQ(form->Image2->BoundsRect(), (RECT{152, 8, 152 + 143, 8 + 43}));
  EXPECT_EQ(form->Image3->BoundsRect(), (RECT{301, 8, 301 + 138, 8 + 43}));
  EXPECT_EQ(form->Image4->BoundsRect(), (RECT{w - 2 - 206, 2, w - 2, 55}));
  EXPECT_EQ(form->WebBrowser1->BoundsRect(), (RECT{0, 57, w, h}));
  EXPECT_EQ(browser->Bounds, (RECT{0, 0, w, h - 57}));
  EXPECT_EQ(form->Image1->Cursor, ui::crHandPoint);
  EXPECT_FALSE(form->Timer1->Enabled());
  // Shown: the start page; the shop banner works at any time.
  ASSERT_EQ(browser->Navigations.size(), 1u);
  EXPECT_EQ(browser->Navigations[0], quiz::StartPageUrl());
  Click(form->Image4);
  EXPECT_TRUE(PumpUntil([&] { return browser->Navigations.back() == quiz::ShopPageUrl(); }, 3000));
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(AppTest, TheSkinnedTitleBarShowsTheProgramIcon) {
  ASSERT_TRUE(app.SmallIcon()) << "the program's first icon";
  skin::TScratchBitmapOwner scratch;  // the skin paints through it, as in the program
  Show();
  HWND wnd = form->Handle();
  EXPECT_EQ(SendMessageW(wnd, WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(app.SmallIcon()));
  EXPECT_EQ(SendMessageW(wnd, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(app.Icon()));
  EXPECT_EQ(GetClassLongPtrW(wnd, GCLP_HICON), reinterpret_cast<LONG_PTR>(app.Icon()));
  skin::TWinSkinForm* companion = skin::SkinManage() ? skin::SkinManage()->FindForm(wnd) : nullptr;
  ASSERT_TRUE(companion) << "skinned";
  const RECT* cell = nullptr;
  for (const auto& button : companion->SysButtons)
    if (button->SkinButton->Action == 3 && button->Visible) cell = &button->Rect;
  ASSERT_TRUE(cell) << "the system-menu button";
  // Our target, 16 x 16 in the cell: a red centre inside a white ring.
  const int x = (cell->left + cell->right) / 2, y = (cell->top + cell->bottom) / 2;
  EXPECT_EQ(guitest::WindowPixel(wnd, x, y, true), ui::RGBColor(179, 38, 46));
  EXPECT_EQ(guitest::WindowPixel(wnd, x + 3, y, true), ui::RGBColor(255, 255, 255));
}

// The start page opens only once the window is complete (skinned, when it has
// its skin, or plain with --no-skin), and a start-up benchmark's event is set
// after that first complete paint. One case per test: a process skins its
// first window at once, later ones through the manager's timer.
class FirstPaintTest : public AppTest {
 protected:
  void Check(bool withSkin) {
    skin::TScratchBitmapOwner scratch;
    if (!withSkin) form->SkinData1->SetActive(false);  // before the first activation, as the program does
    const std::wstring name = L"TavrinAppTestFirstPaint" + std::to_wstring(GetCurrentProcessId());
    HANDLE painted = CreateEventW(nullptr, TRUE, FALSE, name.c_str());
    ASSERT_TRUE(painted);
    SetEnvironmentVariableW(L"TAVRIN_FIRST_PAINT_EVENT", name.c_str());
    const HWND wnd = form->Handle();
    const auto skinRunning = [wnd] {
      const skin::TWinSkinForm* frame = skin::SkinManage() ? skin::SkinManage()->FindForm(wnd) : nullptr;
      return frame && frame->SkinState == skin::ssRunning;
    };
    SignalFirstPaint(wnd, [withSkin, skinRunning] { return !withSkin || skinRunning(); });
    bool signalledBeforePage = false, skinnedBeforePage = false;
    browser->BeforeNavigate = [&] {
      signalledBeforePage = WaitForSingleObject(painted, 0) == WAIT_OBJECT_0;
      skinnedBeforePage = skinRunning();
    };
    Show();
    SetEnvironmentVariableW(L"TAVRIN_FIRST_PAINT_EVENT", nullptr);
    EXPECT_EQ(browser->Navigations.size(), 1u);
    EXPECT_TRUE(signalledBeforePage);
    EXPECT_EQ(skinnedBeforePage, withSkin);
    browser->BeforeNavigate = nullptr;
    CloseHandle(painted);
  }
};

TEST_F(FirstPaintTest, SkinnedWindow) { Check(true); }
TEST_F(FirstPaintTest, NoSkinOption) {
  EXPECT_TRUE(NoSkinOption({L"--skin", L"a.skin", L"--no-skin"}));
  EXPECT_FALSE(NoSkinOption({L"--skin", L"--no-skins"}));
  Check(false);
}

// --skin with a folder: its skin on the window, its edits followed, a broken
// edit named in one message box while the last good skin stays.
TEST_F(AppTest, TheSkinOptionPutsAFolderOnTheWindowAndFollowsItsEdits) {
  EXPECT_EQ(SkinOptionPath({L"--skin", L"\u76AE\u80A4"}), std::filesystem::path(L"\u76AE\u80A4"));
  EXPECT_TRUE(SkinOptionPath({L"--skin"}).empty());
  skin::TScratchBitmapOwner scratch;
  const test_support::TSkinFolderCopy folder(u8"tavrin_app_皮肤");
  folder.SetIniValue("SkinName", "Test App");
  ASSERT_TRUE(UseSkinOption(folder.Path(), *form->SkinData1));
  const auto preview = PreviewSkinOption(folder.Path(), *form->SkinData1, form->Handle());
  ASSERT_TRUE(preview && preview->Watching());
  Show();
  EXPECT_EQ(form->SkinData1->SkinName, "Test App");
  EXPECT_TRUE(skin::SkinManage()->FindForm(form->Handle()));

  folder.SetIniValue("SkinName", "Test App Edited");
  EXPECT_TRUE(PumpUntil([&] { return form->SkinData1->SkinName == "Test App Edited"; }, 5000));
  std::vector<std::uint8_t> top = folder.Read("top.bmp");
  top.resize(top.size() / 2);
  folder.Write("top.bmp", top);
  EXPECT_TRUE(PumpUntil([&] { return !boxes.Boxes.empty(); }, 5000));
  PumpFor(1000);
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_NE(boxes.Boxes[0].Text.find(L"top.bmp"), std::wstring::npos);
  EXPECT_EQ(form->SkinData1->SkinName, "Test App Edited");
  EXPECT_TRUE(skin::SkinManage()->FindForm(form->Handle()));
}

// --colour and --follow-system: the options read, and the window following
// the app mode (the dark built-in skin, then its own again) and the accent.
TEST_F(AppTest, ColourAndFollowSystemOptions) {
  std::string problem;
  EXPECT_EQ(ColourOption({L"--colour", L"120,0,-10"}, problem), (skin::TColourShift{120, 0, -10}));
  EXPECT_FALSE(ColourOption({L"--no-skin"}, problem).has_value());
  EXPECT_TRUE(problem.empty());
  EXPECT_FALSE(ColourOption({L"--colour", L"red"}, problem).has_value());
  EXPECT_NE(problem.find("\"red\""), std::string::npos) << problem;
  EXPECT_TRUE(FollowSystemOption({L"--follow-system"}));
  EXPECT_FALSE(FollowSystemOption({L"--no-skin"}));

  skin::TScratchBitmapOwner scratch;
  const std::string own = form->SkinData1->SkinName;
  const test_support::TUserRegistryValue appMode = test_support::AppModeValue();
  const test_support::TUserRegistryValue accent(L"Software\\Microsoft\\Windows\\DWM", L"AccentColor");
  appMode.Set(0);
  accent.Set(0xFF00C000);  // green, 0xAABBGGRR
  TTrainingFollow follow(*form->SkinData1);
  Show();
  EXPECT_EQ(form->SkinData1->SkinName, "夜墨 Night Ink");
  EXPECT_EQ(form->SkinData1->Hue(), skin::AccentRotation(form->SkinData1->AccentHue, ui::RGBColor(0, 192, 0)));
  EXPECT_NE(form->SkinData1->Hue(), 0);
  appMode.Set(1);
  test_support::AnnounceSetting(WM_SETTINGCHANGE, L"ImmersiveColorSet");
  EXPECT_TRUE(PumpUntil([&] { return form->SkinData1->SkinName == own; }, 3000));
  EXPECT_EQ(form->SkinData1->Hue(), skin::AccentRotation(form->SkinData1->AccentHue, ui::RGBColor(0, 192, 0)));
  EXPECT_TRUE(skin::SkinManage()->FindForm(form->Handle()));
}

TEST_F(AppTest, HoveringHighlightsOneExerciseImage) {
  Show();
  guitest::RealMouseFilter filter(form->Panel1);
  // A transparent picture shows the panel's colour (the skin's face colour
  // once the panel is skinned); (1, 1) of each picture is part of its white
  // background.
  const ui::TColor face = ui::ColorToRGB(form->Panel1->Color()), white = ui::RGBColor(255, 255, 255);
  EXPECT_EQ(PanelPixel(9, 9), face);
  HoverOver(60, 30);  // over Image1
  EXPECT_FALSE(form->Image1->Transparent());
  EXPECT_EQ(PanelPixel(9, 9), white);
  HoverOver(200, 30);  // over Image2
  EXPECT_TRUE(form->Image1->Transparent());
  EXPECT_FALSE(form->Image2->Transparent());
  EXPECT_EQ(PanelPixel(9, 9), face);
  EXPECT_EQ(PanelPixel(153, 9), white);
  HoverOver(470, 30);  // the empty part of the panel
  EXPECT_TRUE(form->Image1->Transparent() && form->Image2->Transparent() && form->Image3->Transparent());
  EXPECT_EQ(PanelPixel(153, 9), face);
  EXPECT_TRUE(form->Image4->Transparent());
}

TEST_F(AppTest, AnExerciseShowsTheTaskAndThirtySecondsLaterTheAnswer) {
  form->Timer1->SetInterval(1000);
  Show();
  Click(form->Image1);
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes.size() == 1; }, 5000));
  ASSERT_TRUE(PumpUntil([&] { return form->Timer1->Enabled() && ui::Screen->Cursor() == ui::crHourGlass; }, 3000))
      << "the answer period runs and the hourglass shows";
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes.size() == 2; }, 5000));
  EXPECT_EQ(browser->Navigations, (std::vector<std::string>{quiz::StartPageUrl(), quiz::QuizPageUrl()}));
  EXPECT_EQ(ExerciseMode, 1);
  ASSERT_EQ(Letter1.size(), 1u);
  EXPECT_NE(LetterPool.find(Letter1), std::string::npos);
  EXPECT_EQ(boxes.Boxes[0].Caption, L"\u5F00\u59CB");
  EXPECT_EQ(boxes.Boxes[0].Text, Wide(quiz::TaskMessage({Letter1})));
  EXPECT_EQ(boxes.Boxes[1].Caption, L"\u7B54\u5BF9\u4E86\u5417\uFF1F");
  EXPECT_EQ(boxes.Boxes[1].Text, Wide(quiz::AnswerMessage({Letter1}, LetterPool)));
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_EQ(ui::Screen->Cursor(), ui::crDefault);
}

TEST_F(AppTest, TheAdvancedExerciseAsksForThreeCharacters) {
  Show();
  Click(form->Image3);
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes.size() == 2; }, 8000));
  EXPECT_EQ(ExerciseMode, 3);
  EXPECT_EQ(boxes.Boxes[0].Text, Wide(quiz::TaskMessage({Letter1, Letter2, Letter3})));
  EXPECT_EQ(boxes.Boxes[1].Text, Wide(quiz::AnswerMessage({Letter1, Letter2, Letter3}, LetterPool)));
  EXPECT_EQ(ui::Screen->Cursor(), ui::crDefault) << "only the first exercise shows the hourglass";
}

TEST_F(AppTest, AClickWhileTheAnswerPeriodRunsDoesNothing) {
  form->Timer1->SetInterval(1500);
  Show();
  Click(form->Image2);
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes.size() == 1 && form->Timer1->Enabled(); }, 5000));
  PumpFor(150);  // the task box is gone
  Click(form->Image1);
  Click(form->Image3);
  PumpFor(300);
  EXPECT_EQ(browser->Navigations.size(), 2u);
  EXPECT_EQ(boxes.Boxes.size(), 1u);
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes.size() == 2; }, 5000));
  EXPECT_EQ(ExerciseMode, 2);
  EXPECT_EQ(boxes.Boxes[1].Text, Wide(quiz::AnswerMessage({Letter1, Letter2}, LetterPool)));
}

TEST_F(AppTest, AClickBeforeTheStartPageOpensIsNotUndoneByIt) {
  form->Show();
  Click(form->Image1);  // handled before the start page's timer comes
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes.size() == 1; }, 5000));
  EXPECT_EQ(browser->Navigations, (std::vector<std::string>{quiz::QuizPageUrl()}));
}

TEST_F(AppTest, ASecondClickWhileThePageLoadsIsIgnored) {
  Show();
  browser->AutoComplete = false;
  Click(form->Image1);
  scheduler.Sequence(250, {[&] { Click(form->Image3); },  // arrives while the first exercise waits
                           [&] { browser->Complete(); }});
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes.size() == 2; }, 8000));
  EXPECT_EQ(browser->Navigations.size(), 2u);
  EXPECT_EQ(ExerciseMode, 1);
  EXPECT_EQ(boxes.Boxes[0].Text, Wide(quiz::TaskMessage({Letter1})));
}

TEST_F(AppTest, OnlyTheQuizPageEndsTheWait) {
  Show();
  browser->AutoComplete = false;
  Click(form->Image1);
  scheduler.Sequence(150, {[&] { browser->Navigate(Wide(quiz::QuizPageUrl() + "?again")); },
                           [&] { browser->Complete(); },  // another location: still waiting
                           [&] { EXPECT_TRUE(boxes.Boxes.empty()); },
                           [&] { browser->Navigate(Wide("HTTP://" + quiz::QuizPageUrl().substr(7))); },
                           [&] { browser->Complete(); }});
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes.size() == 2; }, 8000));
}

TEST_F(AppTest, ClosingWhileThePageLoadsEndsTheProgramWithoutATask) {
  browser = nullptr;
  bool timedOut = false;
  scheduler.Sequence(300, {[&] {
                             browser->AutoComplete = false;
                             Click(form->Image1);
                           },
                           [&] { PostMessageW(form->Handle(), WM_CLOSE, 0, 0); }});
  scheduler.After(8000, [&] {
    timedOut = true;
    app.Terminate();
  });
  app.Run();  // returns once the program ends
  EXPECT_FALSE(timedOut);
  EXPECT_EQ(Closing, 1);
  EXPECT_EQ(PageLoaded, 0);
  EXPECT_EQ(browser->Navigations.size(), 2u);
  EXPECT_TRUE(boxes.Boxes.empty());
  EXPECT_FALSE(form->Timer1->Enabled());
}

TEST_F(AppTest, WaitingForThePageLeavesTheProcessorFree) {
  Show();
  browser->AutoComplete = false;
  double start = 0, used = 0;
  Click(form->Image1);
  scheduler.After(100, [&] { start = ProcessSeconds(); });
  scheduler.After(1100, [&] {
    used = ProcessSeconds() - start;
    browser->Complete();
  });
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes.size() == 2; }, 8000));
  EXPECT_LT(used, 0.2) << "processor seconds used during one second of waiting";
}

TEST_F(AppTest, AnAnswerShownWhileTheTaskIsOpenLeavesNoHourglass) {
  Show();
  boxes.HoldUntil = 2;  // the user leaves the task open beyond the answer period
  Click(form->Image1);
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes.size() == 2; }, 8000));
  PumpFor(200);
  EXPECT_EQ(boxes.Boxes[1].Text, Wide(quiz::AnswerMessage({Letter1}, LetterPool)));
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_EQ(ui::Screen->Cursor(), ui::crDefault);
}

// The real control, sent to a loopback port: the program's training host is
// fixed when it is built, so it is swapped for the test's on the way in and
// back on the way out.
class RedirectedBrowser : public ui::IWebBrowserEngine {
 public:
  RedirectedBrowser(std::unique_ptr<ui::IWebBrowserEngine> real, const int& port)
      : real_(std::move(real)), port_(port) {
    real_->OnDownloadComplete = [this] {
      ++Completions;
      if (OnDownloadComplete) OnDownloadComplete();
    };
    real_->OnNavigateError = [this](const std::wstring& url, int status) {
      if (OnNavigateError) OnNavigateError(Swap(url, Test(), Program()), status);
    };
  }
  void Navigate(const std::wstring& url) override { real_->Navigate(Swap(url, Program(), Test())); }
  std::wstring LocationURL() override { return Swap(real_->LocationURL(), Test(), Program()); }
  void SetBounds(const RECT& r) override { real_->SetBounds(r); }

  int Completions = 0;

 private:
  static std::wstring Program() {
    const std::string quizUrl = quiz::QuizPageUrl();
    return Wide(quizUrl.substr(0, quizUrl.find('/', 7)));
  }
  std::wstring Test() const { return L"http://127.0.0.1:" + std::to_wstring(port_); }
  static std::wstring Swap(const std::wstring& url, const std::wstring& from, const std::wstring& to) {
    return url.rfind(from + L"/", 0) == 0 ? to + url.substr(from.size()) : url;
  }

  std::unique_ptr<ui::IWebBrowserEngine> real_;
  const int& port_;
};

class QuizPageFailureTest : public AppTest {
 protected:
  QuizPageFailureTest() {
    ui::TWebBrowser::SetEngineFactory([this](HWND parent, const RECT& bounds) {
      std::unique_ptr<ui::IWebBrowserEngine> real = ui::CreateActiveXBrowser(parent, bounds);
      if (!real) return real;
      auto redirected = std::make_unique<RedirectedBrowser>(std::move(real), port);
      engine = redirected.get();
      return std::unique_ptr<ui::IWebBrowserEngine>(std::move(redirected));
    });
  }
  test::LoopbackSite site{test::TrainingSiteRoot()};
  int port = 0;
  RedirectedBrowser* engine = nullptr;
};

// A page that cannot be loaded ends the waiting exercise with a message and
// leaves the program idle; once the site serves the page, the next click runs
// the exercise. Wine's control reports a download of the page in each case.
TEST_F(QuizPageFailureTest, AFailedLoadEndsTheExerciseWithAMessage) {
  ASSERT_NE(site.port(), 0);
  const int refused = [] {
    test::LoopbackSite gone(test::TrainingSiteRoot());
    return gone.port();
  }();  // closed again: nothing listens there now
  struct Case {
    const char* name;
    int port;
    std::string answer;   // the site's status line for every request
    std::wstring reason;  // in the message
  };
  const Case cases[] = {
      {"no server", refused, "", L"0x"},
      {"404", site.port(), "404 Not Found", L"HTTP 404"},
      {"500", site.port(), "500 Internal Server Error", L"HTTP 500"},
  };
  port = site.port();
  Show();
  // The start page first: Wine reports a download that ends after a newer
  // navigation began with the newer one's address, so an exercise started
  // now would take the start page's download for the quiz page's.
  ASSERT_TRUE(engine);
  ASSERT_TRUE(PumpUntil([&] { return engine->Completions > 0; }, 20000));
  const std::wstring quizUrl = Wide(quiz::QuizPageUrl());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    port = c.port;
    site.AnswerWith(c.answer);
    const std::size_t before = boxes.Boxes.size();
    Click(form->Image1);
    ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes.size() > before; }, 20000));
    PumpFor(500);  // no task box follows
    ASSERT_EQ(boxes.Boxes.size(), before + 1) << ui::WideToUtf8(boxes.Boxes.back().Caption);
    const guitest::ShownBox& box = boxes.Boxes.back();
    EXPECT_EQ(box.Caption, L"\u65E0\u6CD5\u5F00\u59CB");
    EXPECT_NE(box.Text.find(L"\r" + quizUrl + L"\r"), std::wstring::npos) << ui::WideToUtf8(box.Text);
    EXPECT_NE(box.Text.find(c.reason), std::wstring::npos) << ui::WideToUtf8(box.Text);
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_EQ(PageFailed, 1);
  }
  port = site.port();
  site.AnswerWith("");
  Click(form->Image1);
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes.size() > std::size(cases); }, 20000));
  EXPECT_EQ(boxes.Boxes[std::size(cases)].Caption, L"\u5F00\u59CB");
  EXPECT_EQ(boxes.Boxes[std::size(cases)].Text, Wide(quiz::TaskMessage({Letter1})));
}

}  // namespace
