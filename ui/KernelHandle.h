// An owning wrapper for kernel object handles (processes, threads, events,
// jobs) closed with CloseHandle.
#pragma once

#include <windows.h>

#include <utility>

namespace ui {

class KernelHandle {
 public:
  KernelHandle() = default;
  explicit KernelHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  KernelHandle(KernelHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  KernelHandle& operator=(KernelHandle&& o) noexcept {
    if (this != &o) Reset(std::exchange(o.h_, nullptr));
    return *this;
  }
  ~KernelHandle() { Reset(); }

  HANDLE Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void Reset(HANDLE h = nullptr) {
    if (h_) CloseHandle(h_);
    h_ = h;
  }

 private:
  HANDLE h_ = nullptr;
};

}  // namespace ui
