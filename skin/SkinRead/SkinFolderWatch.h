// Watches a skin folder for edits: a worker thread waits on the system's
// change notification and tells the UI thread, which runs its callback once
// a burst of writes has been quiet for a moment (an editor's save is often
// several writes, a bitmap tool's even more).
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <thread>

#include "ui/KernelHandle.h"

namespace skin {

class TSkinFolderWatch {
 public:
  // `changed` runs on the creating thread, from its message loop.
  TSkinFolderWatch(const std::filesystem::path& folder, std::function<void()> changed);
  ~TSkinFolderWatch();
  TSkinFolderWatch(const TSkinFolderWatch&) = delete;
  TSkinFolderWatch& operator=(const TSkinFolderWatch&) = delete;

  // False when the folder cannot be watched (then nothing ever runs).
  bool Watching() const { return worker_.joinable(); }

  // Quiet time after the last change before the callback runs.
  static constexpr UINT kQuietMs = 300;

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Wait(HANDLE change);

  std::function<void()> changed_;
  HWND window_ = nullptr;       // message-only: receives the worker's note and the quiet timer
  ui::KernelHandle stop_;       // set to end the worker
  std::thread worker_;
};

}  // namespace skin
