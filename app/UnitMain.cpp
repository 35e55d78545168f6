#include "app/UnitMain.h"

#include <utility>
#include <vector>

#include "app/Quiz.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Screen.h"
#include "ui/TextConv.h"

std::string LetterPool;
std::string Letter1;
std::string Letter2;
std::string Letter3;
int ExerciseMode = 0;
std::uint8_t PageLoaded = 0;
std::uint8_t PageFailed = 0;
std::uint8_t Closing = 0;

namespace {

// Set while an exercise waits for its page: a second exercise started then
// would overwrite the first one's characters and mode.
bool WaitingForPage = false;

class WaitingScope {
 public:
  WaitingScope() { WaitingForPage = true; }
  ~WaitingScope() { WaitingForPage = false; }
  WaitingScope(const WaitingScope&) = delete;
  WaitingScope& operator=(const WaitingScope&) = delete;
};

// The form whose start page is still to be opened, and the thread timer that opens it.
TForm1* StartPageForm = nullptr;
UINT_PTR StartPageTimer = 0;

// What the browser reported for the quiz page's failed load.
int PageFailedStatus = 0;

constexpr UINT kInfoBox = MB_OK | MB_ICONINFORMATION;
constexpr UINT kErrorBox = MB_OK | MB_ICONERROR;

}  // namespace

TForm1::TForm1(ui::TComponent* owner) : ui::TForm(owner) {
  BindField("WebBrowser1", WebBrowser1);
  BindField("Panel1", Panel1);
  BindField("Image1", Image1);
  BindField("Image2", Image2);
  BindField("Image3", Image3);
  BindField("Image4", Image4);
  BindField("SkinData1", SkinData1);
  BindField("Timer1", Timer1);
  BindEvent("FormCreate", this, &TForm1::FormCreate);
  BindEvent("FormShow", this, &TForm1::FormShow);
  BindEvent("FormCloseQuery", this, &TForm1::FormCloseQuery);
  BindEvent("Image1Click", this, &TForm1::Image1Click);
  BindEvent("Image2Click", this, &TForm1::Image2Click);
  BindEvent("Image3Click", this, &TForm1::Image3Click);
  BindEvent("Image4Click", this, &TForm1::Image4Click);
  BindEvent("Image1MouseMove", this, &TForm1::Image1MouseMove);
  BindEvent("Image2MouseMove", this, &TForm1::Image2MouseMove);
  BindEvent("Image3MouseMove", this, &TForm1::Image3MouseMove);
  BindEvent("Panel1MouseMove", this, &TForm1::Panel1MouseMove);
  BindEvent("WebBrowser1DownloadComplete", this, &TForm1::WebBrowser1DownloadComplete);
  BindEvent("WebBrowser1NavigateError", this, &TForm1::WebBrowser1NavigateError);
  BindEvent("Timer1Timer", this, &TForm1::Timer1Timer);
  skin::RegisterSkinDataClass();  // explicitly: a static library's own registration may never be linked in
  InitializeForm();
}

// The components go first, while the handlers they call still have their form.
TForm1::~TForm1() {
  CancelStartPage();
  DestroyComponents();
}

// A page asked for before the start page opened (a click at once) must not be
// replaced by it.
void TForm1::CancelStartPage() {
  if (StartPageForm != this || StartPageTimer == 0) return;
  KillTimer(nullptr, StartPageTimer);
  StartPageTimer = 0;
  StartPageForm = nullptr;
}

void TForm1::FormCreate(ui::TObject*) {
  LetterPool = std::string(quiz::kGridLetters);
  Closing = 0;
}

// From a timer message, which comes after every posted and paint message: the
// skin's start and the window's first skinned paint go before the control's
// loading of the page (under Wine, a task of several hundred milliseconds that
// would otherwise keep the system frame on the screen as long).
void TForm1::FormShow(ui::TObject*) {
  if (StartPageTimer != 0) return;
  StartPageForm = this;
  StartPageTimer = SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    StartPageTimer = 0;
    if (TForm1* form = std::exchange(StartPageForm, nullptr))
      form->WebBrowser1->Navigate(ui::Utf8ToWide(quiz::StartPageUrl()));
  });
}

void TForm1::FormCloseQuery(ui::TObject*, bool&) { Closing = 1; }

void TForm1::Image1Click(ui::TObject*) { StartExercise(1); }
void TForm1::Image2Click(ui::TObject*) { StartExercise(2); }
void TForm1::Image3Click(ui::TObject*) { StartExercise(3); }

void TForm1::Image4Click(ui::TObject*) {
  CancelStartPage();
  WebBrowser1->Navigate(ui::Utf8ToWide(quiz::ShopPageUrl()));
}

void TForm1::StartExercise(int letterCount) {
  if (Timer1->Enabled() || WaitingForPage) return;
  PageLoaded = 0;
  PageFailed = 0;
  ExerciseMode = letterCount;
  CancelStartPage();
  WebBrowser1->Navigate(ui::Utf8ToWide(quiz::QuizPageUrl()));
  if (!WaitForQuizPage()) {
    ui::Application->Terminate();  // the window is closing: no task any more
    return;
  }
  // A failure wins over a download reported for the same page: the control
  // reports the download of an error answer too.
  if (PageFailed != 0) {
    ui::ShowMessageBox(this, quiz::PageFailedMessage(quiz::QuizPageUrl(), PageFailedStatus), "无法开始", kErrorBox);
    return;  // idle again: the next click tries anew
  }
  Letter1 = quiz::PickLetter(LetterPool);
  if (letterCount >= 2) Letter2 = quiz::PickLetter(LetterPool);
  if (letterCount == 3) Letter3 = quiz::PickLetter(LetterPool);
  std::vector<std::string> letters{Letter1, Letter2, Letter3};
  letters.resize(std::size_t(letterCount));
  const std::string task = quiz::TaskMessage(letters);
  Timer1->SetEnabled(true);  // the answer period runs while the task box is open
  ui::ShowMessageBox(this, task, "开始", kInfoBox);
  // Only while the exercise still runs: an answer shown meanwhile has ended it.
  if (letterCount == 1 && Timer1->Enabled()) ui::Screen->SetCursor(ui::crHourGlass);
}

bool TForm1::WaitForQuizPage() {
  WaitingScope waiting;
  // Decided after whole messages: the control raises a navigation's last
  // events (the download, then its error) from within one message.
  while (PageLoaded == 0 && PageFailed == 0 && Closing == 0 && !ui::Application->Terminated())
    ui::Application->HandleMessage();  // sleeps until the next message
  return Closing == 0 && !ui::Application->Terminated();
}

void TForm1::Timer1Timer(ui::TObject*) {
  Timer1->SetEnabled(false);
  ui::Screen->SetCursor(ui::crDefault);
  std::vector<std::string> letters{Letter1, Letter2, Letter3};
  letters.resize(std::size_t(ExerciseMode >= 0 && ExerciseMode <= 3 ? ExerciseMode : 0));
  ui::ShowMessageBox(this, quiz::AnswerMessage(letters, LetterPool), "答对了吗？", kInfoBox);
}

void TForm1::WebBrowser1DownloadComplete(ui::TObject*) {
  if (quiz::IsQuizLocation(ui::WideToUtf8(WebBrowser1->LocationURL()), quiz::QuizPageUrlInCapitals()))
    PageLoaded = 1;
}

// The first failure of the quiz page is the one reported; errors that are no
// failure of the load (see quiz::IsFailedLoad) and other pages' do not count.
void TForm1::WebBrowser1NavigateError(ui::TObject*, const std::wstring& URL, int StatusCode) {
  if (PageFailed != 0 || !quiz::IsFailedLoad(StatusCode) ||
      !quiz::IsQuizLocation(ui::WideToUtf8(URL), quiz::QuizPageUrlInCapitals()))
    return;
  PageFailed = 1;
  PageFailedStatus = StatusCode;
}

void TForm1::ShowHover(bool image1, bool image2, bool image3) {
  Image1->SetTransparent(image1);
  Image2->SetTransparent(image2);
  Image3->SetTransparent(image3);
}

void TForm1::Image1MouseMove(ui::TObject*, ui::TShiftState, int, int) { ShowHover(false, true, true); }
void TForm1::Image2MouseMove(ui::TObject*, ui::TShiftState, int, int) { ShowHover(true, false, true); }
void TForm1::Image3MouseMove(ui::TObject*, ui::TShiftState, int, int) { ShowHover(true, true, false); }
void TForm1::Panel1MouseMove(ui::TObject*, ui::TShiftState, int, int) { ShowHover(true, true, true); }
