// What the start-up benchmark asks of the program: `--no-skin` starts the
// training window with its skin inactive (the plain system frame), and an
// event named by the environment variable TAVRIN_FIRST_PAINT_EVENT is set
// once the window's first complete paint is on the screen.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Whether `args` (the arguments after the program name) hold `--no-skin`.
bool NoSkinOption(const std::vector<std::wstring>& args);

// Sets the named event after the first paint of `wnd` that `ready` accepts
// (the skin on, when one is expected), its child windows painted too. Does
// nothing unless the environment names an event that exists. Must not outlive
// the window's thread; the window may go first.
class TFirstPaintSignal {
 public:
  TFirstPaintSignal(HWND wnd, std::function<bool()> ready);
  ~TFirstPaintSignal();
  TFirstPaintSignal(const TFirstPaintSignal&) = delete;
  TFirstPaintSignal& operator=(const TFirstPaintSignal&) = delete;

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  void AfterPaint(HWND wnd);

  HANDLE event_ = nullptr;
  std::function<bool()> ready_;
};
