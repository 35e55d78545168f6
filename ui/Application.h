// The application object: the message loop, the main form, and the hidden
// window of class "TApplication" that represents the program.
//
// One TApplication lives for the whole program (main creates it first and
// frees it last); while it exists, the globals Application and Screen point to
// it and to its screen. It owns the forms made with CreateForm and frees them
// before its own window goes.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "ui/Component.h"
#include "ui/Screen.h"

namespace ui {

class TForm;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  void Initialize() {}

  // Creates a form owned by the application; the first one becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    if (!mainForm_) mainForm_ = form;
    return form;
  }

  // Shows the main form and handles messages until Terminate.
  void Run();
  // Handles every message waiting now, then returns.
  void ProcessMessages();
  // Handles one waiting message; false when none was waiting.
  bool ProcessMessage();
  // Handles one message, waiting (without using the processor) until one arrives.
  void HandleMessage();
  // Ends the message loop; the program ends once Run returns.
  void Terminate();
  bool Terminated() const { return terminated_; }

  TForm* MainForm() const { return mainForm_; }
  HWND Handle() const { return handle_; }
  std::wstring Title;
  // The program's icon: the first icon group of its resources (the one
  // Explorer shows), in the system's large and small icon sizes; null when
  // the program has none. Forms without an icon of their own show it.
  HICON Icon() const { return icon_; }
  HICON SmallIcon() const { return smallIcon_; }

  // What happens to an exception that reaches the message loop; by default a
  // message box with its text.
  std::function<void(const std::exception&)> OnException;
  void ShowException(const std::exception& e);

  void Notification(TComponent* component, TOperation operation) override;

 private:
  void WaitForMessage();
  bool IsMdiMsg(MSG& msg) const;
  static bool IsForeignShortCut(const MSG& msg);

  HWND handle_ = nullptr;
  HICON icon_ = nullptr;  // shared (LR_SHARED): the system frees them with the program
  HICON smallIcon_ = nullptr;
  std::unique_ptr<TScreen> screen_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

// The application object (null before it is created and after it is gone).
extern TApplication* Application;

// Reports an exception caught at a window procedure or in the message loop.
void HandleException(const std::exception& e);

}  // namespace ui
