// TWinControl's painting, its child controls and their alignment, and its bounds.
#include "ui/Control.h"

#include <algorithm>

#include "ui/ControlInternal.h"
#include "ui/FlagScope.h"
#include "ui/FormReader.h"

namespace ui {

using detail::IsWindowed;

void TWinControl::WMPaint(TMessage& m) {
  if (m.WParam) {  // painting into a given device context
    PaintHandler(reinterpret_cast<HDC>(m.WParam));
    return;
  }
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(handle_, &ps);
  if (!dc) return;
  if (DoubleBuffered) {
    RECT client;
    GetClientRect(handle_, &client);
    const RECT& area = ps.rcPaint;
    MemoryDC memory(dc);
    BitmapHandle bitmap(CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
    if (memory.Get() && bitmap) {
      SelectGuard select(memory.Get(), bitmap.Get());
      IntersectClipRect(memory.Get(), area.left, area.top, area.right, area.bottom);
      PaintHandler(memory.Get());
      BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.Get(), area.left,
             area.top, SRCCOPY);
    } else {
      PaintHandler(dc);
    }
  } else {
    PaintHandler(dc);
  }
  EndPaint(handle_, &ps);
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
  if (defWndProc_ != DefWindowProcW) {  // a system control erases its own way
    DefaultHandler(m);
    return;
  }
  if (!DoubleBuffered) {
    RECT r;
    GetClientRect(handle_, &r);
    if (!brush_) brush_.Reset(CreateSolidBrush(ColorToRGB(Color())));
    ::FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush_.Get());
  }
  m.Result = 1;
}

void TWinControl::PaintHandler(HDC dc) {
  if (!dc) return;
  {
    SavedDC saved(dc);
    PaintWindow(dc);
  }
  PaintControls(dc);
}

void TWinControl::PaintWindow(HDC dc) {
  if (defWndProc_ != DefWindowProcW) {
    CallWindowProcW(defWndProc_, handle_, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    return;
  }
  if (DoubleBuffered) {  // the background was not erased
    RECT r = ClientRect();
    TCanvas canvas(dc);
    canvas.FillRect(r, Color());
  }
}

void TWinControl::PaintControls(HDC dc) {
  RECT clip{};
  const int clipKind = GetClipBox(dc, &clip);
  for (TControl* c : std::vector<TControl*>(controls_)) {
    if (IsWindowed(c) || !c->Visible()) continue;
    const RECT bounds = c->BoundsRect();
    RECT common;
    if (clipKind != ERROR && !IntersectRect(&common, &bounds, &clip)) continue;
    SavedDC saved(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

TControl* TWinControl::ControlAtPos(POINT pos, bool allowDisabled, bool allowWinControls) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!allowWinControls && IsWindowed(c)) continue;
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
    const RECT r = c->BoundsRect();
    if (PtInRect(&r, pos)) return c;
  }
  return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
  if (!control || control->parent_ == this) return;
  controls_.push_back(control);
  control->parent_ = this;
  control->ApplyParentFont();
  if (auto* child = dynamic_cast<TWinControl*>(control)) {
    if (child->handle_) {
      if (handle_) ::SetParent(child->handle_, handle_);
      else child->DestroyHandle();
    } else if (handle_ && child->Visible() && !InState(csLoading)) {
      child->CreateHandle();
    }
  }
  control->Invalidate();
  control->RequestAlign();
}

void TWinControl::RemoveControl(TControl* control) {
  const auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  control->Invalidate();
  controls_.erase(it);
  if (captureControl_ == control) captureControl_ = nullptr;
  if (auto* child = dynamic_cast<TWinControl*>(control)) child->DestroyHandle();
  control->parent_ = nullptr;
  if (control->Align() != alNone) Realign();
}

void TWinControl::ParentFontChanged() {
  for (TControl* c : std::vector<TControl*>(controls_)) c->ApplyParentFont();
}

void TWinControl::Realign() {
  if (alignLevel_ > 0 || aligning_ || InState(csLoading | csDestroying)) return;
  RECT r = ClientRect();
  AdjustClientRect(r);
  FlagScope scope(aligning_);
  AlignControls(r);
}

void TWinControl::EnableAlign() {
  if (alignLevel_ > 0 && --alignLevel_ == 0) Realign();
}

void TWinControl::AdjustClientRect(RECT&) const {}

void TWinControl::AlignControls(RECT& r) {
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> list;
    for (TControl* c : controls_)
      if (c->Align() == align && c->Visible()) list.push_back(c);
    // Controls of one kind keep the order of their positions (from the outside in).
    std::stable_sort(list.begin(), list.end(), [align](const TControl* a, const TControl* b) {
      switch (align) {
        case alTop: return a->Top() < b->Top();
        case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft: return a->Left() < b->Left();
        case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
      }
    });
    for (TControl* c : list) {
      const int w = std::max<int>(r.right - r.left, 0), h = std::max<int>(r.bottom - r.top, 0);
      switch (align) {
        case alTop:
          c->SetBounds(r.left, r.top, w, c->Height());
          r.top += c->Height();
          break;
        case alBottom:
          c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height());
          r.bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(r.left, r.top, c->Width(), h);
          r.left += c->Width();
          break;
        case alRight:
          c->SetBounds(r.right - c->Width(), r.top, c->Width(), h);
          r.right -= c->Width();
          break;
        default:
          c->SetBounds(r.left, r.top, w, h);
          break;
      }
    }
  }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  if (handle_) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBoundsFromWindow();
  } else {
    const bool resized = width != Width() || height != Height();
    StoreBounds(left, top, width, height);
    if (resized) Realign();
  }
  RequestAlign();
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!handle_ || IsIconic(handle_)) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if ((GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) && GetParent(handle_))
    MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
  StoreBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, Width(), Height()};
  if (handle_) GetClientRect(handle_, &r);
  return r;
}

POINT TWinControl::ClientOrigin() const {
  if (!handle_) return TControl::ClientOrigin();
  POINT p{0, 0};
  ::ClientToScreen(handle_, &p);
  return p;
}

void TWinControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  visible_ = visible;
  if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
  else if (visible && parent_ && parent_->handle_ && !InState(csLoading)) CreateHandle();
  Perform(CM_VISIBLECHANGED, visible);
  RequestAlign();
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  if (handle_) EnableWindow(handle_, enabled);
  TControl::SetEnabled(enabled);
}

void TWinControl::SetCaption(const std::wstring& caption) {
  if (caption == Caption()) return;
  TControl::SetCaption(caption);
  if (handle_) SetWindowTextW(handle_, caption.c_str());
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, !DoubleBuffered);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "TabOrder") TabOrder = value.AsInt();
  else if (name == "TabStop") TabStop = value.AsBool();
  else if (name == "DoubleBuffered") DoubleBuffered = value.AsBool();
  else return TControl::SetProperty(name, value, reader);
  return true;
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

}  // namespace ui
