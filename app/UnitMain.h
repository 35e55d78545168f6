// The training window: a web page with the grid of characters, and a header
// strip with three exercise images and the shop banner.
#pragma once

#include <cstdint>
#include <string>

#include "skin/WinSkinData/SkinData.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Panel.h"
#include "ui/Timer.h"
#include "ui/WebBrowser.h"

// The state of the exercises, one for the whole program.
extern std::string LetterPool;  // the grid's characters (set by FormCreate)
extern std::string Letter1;     // the characters asked for, in the order picked
extern std::string Letter2;
extern std::string Letter3;
extern int ExerciseMode;          // 1, 2 or 3: how many characters are asked for
extern std::uint8_t PageLoaded;   // the quiz page has finished loading
extern std::uint8_t PageFailed;   // the quiz page could not be loaded
extern std::uint8_t Closing;      // the window has been asked to close

class TForm1 : public ui::TForm {
 public:
  explicit TForm1(ui::TComponent* owner);
  ~TForm1() override;
  std::string ClassName() const override { return "TForm1"; }

  ui::TWebBrowser* WebBrowser1 = nullptr;
  ui::TPanel* Panel1 = nullptr;
  ui::TImage* Image1 = nullptr;
  ui::TImage* Image2 = nullptr;
  ui::TImage* Image3 = nullptr;
  ui::TImage* Image4 = nullptr;
  skin::TSkinData* SkinData1 = nullptr;
  ui::TTimer* Timer1 = nullptr;

  void FormCreate(ui::TObject* Sender);
  void FormShow(ui::TObject* Sender);
  void FormCloseQuery(ui::TObject* Sender, bool& CanClose);
  void Image1Click(ui::TObject* Sender);
  void Image2Click(ui::TObject* Sender);
  void Image3Click(ui::TObject* Sender);
  void Image4Click(ui::TObject* Sender);
  void Image1MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);
  void Image2MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);
  void Image3MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);
  void Panel1MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);
  void WebBrowser1DownloadComplete(ui::TObject* Sender);
  void WebBrowser1NavigateError(ui::TObject* Sender, const std::wstring& URL, int StatusCode);
  void Timer1Timer(ui::TObject* Sender);

 private:
  void CancelStartPage();
  void StartExercise(int letterCount);
  // Handles messages until the quiz page has loaded or failed to; false when
  // the program is closing instead.
  bool WaitForQuizPage();
  void ShowHover(bool image1, bool image2, bool image3);
};
