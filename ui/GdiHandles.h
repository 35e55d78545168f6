// Owning wrappers for GDI and USER handles: every object a painter creates is
// released on every path, exceptions included.
#pragma once

#include <windows.h>

#include <utility>

#include "ui/LiveHandles.h"

namespace ui {

// A GDI object (bitmap, brush, pen, font, region) freed with DeleteObject.
template <typename H>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(H h) : h_(h) {
    if (h_) CountGdi(1);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  GdiObject& operator=(GdiObject&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, nullptr);  // counted once already
    }
    return *this;
  }
  ~GdiObject() { Reset(); }

  H Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  // Gives up ownership (e.g. a region handed to SetWindowRgn).
  H Release() {
    if (h_) CountGdi(-1);
    return std::exchange(h_, nullptr);
  }
  void Reset(H h = nullptr) {
    if (h_) {
      DeleteObject(h_);
      CountGdi(-1);
    }
    h_ = h;
    if (h_) CountGdi(1);
  }

 private:
  H h_ = nullptr;
};

using BitmapHandle = GdiObject<HBITMAP>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using FontHandle = GdiObject<HFONT>;
using RegionHandle = GdiObject<HRGN>;

// A memory device context freed with DeleteDC.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {
    if (dc_) CountGdi(1);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  ~MemoryDC() {
    if (dc_) {
      DeleteDC(dc_);
      CountGdi(-1);
    }
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A window's (or the screen's) device context released with ReleaseDC.
class WindowDC {
 public:
  // GetDC for a client area (or the screen when wnd is null); GetWindowDC when whole.
  explicit WindowDC(HWND wnd, bool whole = false)
      : wnd_(wnd), dc_(whole ? GetWindowDC(wnd) : GetDC(wnd)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// Selects an object into a DC for a scope and puts the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Saves a DC's whole state for a scope (clip region, colours, modes, objects).
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;
  ~SavedDC() {
    if (id_) RestoreDC(dc_, id_);
  }

 private:
  HDC dc_;
  int id_;
};

}  // namespace ui
