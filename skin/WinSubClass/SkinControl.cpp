#include "skin/WinSubClass/SkinControl.h"

#include <algorithm>
#include <utility>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WindowDpi.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/SkinDraw.h"
#include "ui/KeyboardCues.h"

namespace skin {

namespace {

// Selects a copy of the DC's font without bold, italic, underline and
// strike-out for a scope; does nothing when the font is plain already.
class PlainFontScope {
 public:
  explicit PlainFontScope(HDC dc) : dc_(dc) {
    LOGFONTW font{};
    if (!GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font)) return;
    if (font.lfWeight <= FW_NORMAL && !font.lfItalic && !font.lfUnderline && !font.lfStrikeOut) return;
    font.lfWeight = FW_NORMAL;
    font.lfItalic = font.lfUnderline = font.lfStrikeOut = FALSE;
    plain_.Reset(CreateFontIndirectW(&font));
    if (plain_) old_ = SelectObject(dc, plain_.Get());
  }
  ~PlainFontScope() {
    if (old_) SelectObject(dc_, old_);
  }
  PlainFontScope(const PlainFontScope&) = delete;
  PlainFontScope& operator=(const PlainFontScope&) = delete;

 private:
  HDC dc_;
  ui::FontHandle plain_;
  HGDIOBJ old_ = nullptr;
};

}  // namespace

TSkinControl::TSkinControl(TWinSkinForm* owner) : ui::TComponent(owner), form_(owner) {}

TSkinControl::~TSkinControl() {
  TSkinControl::Detach();
  if (!form_) return;
  auto& list = form_->Controls;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  LeaveHot();
}

// --- Hooking -------------------------------------------------------------------

bool TSkinControl::Attach(ui::TWinControl* control, TSkinSet* skinData, bool changeColor, ui::TCanvas* canvas) {
  if (!control || !skinData || Attached()) return false;
  HWND wnd = nullptr;
  try {
    wnd = control->Handle();
  } catch (...) {
    return false;  // a control without a window stays plain
  }
  if (!wnd) return false;
  SkinData = skinData;
  Canvas = canvas;
  ChangeColor = changeColor;
  Handle = wnd;
  HookWindowProc(control);
  oldDoubleBuffered_ = control->DoubleBuffered;
  control->DoubleBuffered = true;
  if (form_) form_->Controls.push_back(this);
  Focused = GetFocus() == Handle;
  Enabled = (GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED) == 0;
  Caption = GetWindowTextString(Handle);
  if (ChangeColor) {
    OldColor = control->Color();
    control->SetColor(SkinData->ButtonFaceColour);
  }
  control->Invalidate();
  return true;
}

void TSkinControl::HookWindowProc(ui::TControl* control) {
  Control = control;
  OldWindowProc = control->WindowProc;
  control->WindowProc = [this](ui::TMessage& message) { SkinWndProc(message); };
  control->FreeNotification(this);
}

bool TSkinControl::AttachWindow(HWND wnd, TSkinSet* skinData, ui::TCanvas* canvas) {
  if (!wnd || !skinData || Attached()) return false;
  const bool hooked = WndProcStub.Attach(wnd, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
    ui::TMessage message{msg, wParam, lParam, 0};
    SkinWndProc(message);
    return message.Result;
  });
  if (!hooked) return false;
  SkinData = skinData;
  Canvas = canvas;
  Handle = wnd;
  Enabled = true;
  Caption = GetWindowTextString(wnd);
  return true;
}

void TSkinControl::Detach() {
  if (OldWindowProc) RestoreControl();
  WndProcStub.Detach();
}

void TSkinControl::RestoreControl() {
  ui::TControl* control = Control;
  if (control) {
    // A window companion being torn down leaves the skin colour; so does a
    // control that is being freed (nothing of it may run any more).
    const bool ownerGoing = form_ && form_->SkinState == ssDestroying;
    if (ChangeColor && !ownerGoing && !control->InState(ui::csDestroying)) control->SetColor(OldColor);
    control->WindowProc = OldWindowProc;
    if (auto* windowed = dynamic_cast<ui::TWinControl*>(control)) windowed->DoubleBuffered = oldDoubleBuffered_;
  }
  OldWindowProc = nullptr;
}

void TSkinControl::Notification(ui::TComponent* component, ui::TOperation operation) {
  ui::TComponent::Notification(component, operation);
  if (operation == ui::opRemove && component && component == Control) ControlFreed();
}

void TSkinControl::ControlFreed() {
  // Its WindowProc is being destroyed with it: nothing to put back.
  Control = nullptr;
  OldWindowProc = nullptr;
  Release();
}

void TSkinControl::Release() {
  Detach();
  if (form_) {
    auto& list = form_->Controls;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    LeaveHot();
    std::exchange(form_, nullptr)->RemoveComponent(this);
  }
  if (depth_ > 0) releasePending_ = true;
  else delete this;
}

// --- Message stages ------------------------------------------------------------

void TSkinControl::SkinWndProc(ui::TMessage& message) {
  // Frees a companion released during the message once the message is done.
  struct DepthScope {
    TSkinControl* self;
    ~DepthScope() {
      if (--self->depth_ == 0 && self->releasePending_) delete self;
    }
  };
  ++depth_;
  DepthScope scope{this};
  if (message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN) ui::NoteKey(CueWindow(), message.Msg, message.WParam);
  if (!BeforeDefault(message)) return;
  CallDefault(message);
  if (!releasePending_) AfterDefault(message);
}

void TSkinControl::CallDefault(ui::TMessage& message) {
  if (OldWindowProc) {
    const ui::TWndMethod old = OldWindowProc;  // a copy: the handler may detach this object
    old(message);
  } else if (WndProcStub.OldProc()) {
    message.Result = WndProcStub.CallOld(message.Msg, message.WParam, message.LParam);
  }
}

bool TSkinControl::BeforeDefault(ui::TMessage& /*message*/) { return true; }

void TSkinControl::AfterDefault(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case ui::CM_ENABLEDCHANGED:
      Repaint();
      break;
    case WM_SETTEXT:
      if (message.LParam) Caption = reinterpret_cast<const wchar_t*>(message.LParam);
      Repaint();
      break;
    case WM_PAINT:
      Redraw();  // the control painted itself; the skin goes over it
      break;
    case WM_NCDESTROY:
      Release();  // the window, and with it the control this companion skins, is gone
      break;
    default:
      break;
  }
}

void TSkinControl::SendMouseLeave() {
  if (Handle) SendMessageW(Handle, ui::CM_MOUSELEAVE, 0, 0);
  else if (Control) Control->Perform(ui::CM_MOUSELEAVE);
}

void TSkinControl::BecomeHot() {
  MouseState |= msHot;
  TSkinControl* hot = form_ ? form_->HotControl : nullptr;
  if (hot && hot != this) hot->SendMouseLeave();
  if (form_ && form_->HotControl == this) return;
  Repaint();
  if (form_) form_->SetHotControl(this);
}

void TSkinControl::LeaveHot() {
  if (form_ && form_->HotControl == this) form_->HotControl = nullptr;
}

int TSkinControl::SystemMetric(int index) const {
  return SystemMetricForDpi(index, SkinData ? SkinData->Dpi : SystemDpi());
}

void TSkinControl::Reskin() {
  if (ChangeColor && Control && SkinData) Control->SetColor(SkinData->ButtonFaceColour);
  if (Control) Control->Invalidate();
  else if (Handle) InvalidateRect(Handle, nullptr, TRUE);
}

// --- Painting ------------------------------------------------------------------

void TSkinControl::Repaint() {
  RECT r{};
  if (!Handle || !GetWindowRect(Handle, &r)) return;
  if (!GetParent(Handle)) return;
  r = AtOrigin(r);
  InvalidateRect(Handle, &r, FALSE);
  UpdateWindow(Handle);
}

void TSkinControl::Redraw() {
  RECT r{};
  if (!Handle || !GetWindowRect(Handle, &r)) return;
  WindowRect = r;
  ui::WindowDC dc(Handle, true);
  if (!dc.Get()) return;
  try {
    PaintSkin(dc.Get(), AtOrigin(r));
  } catch (...) {
    // A failed paint leaves the control as it was; nothing reaches the message loop.
  }
}

bool TSkinControl::PaintInstead(ui::TMessage& message) {
  if (message.Msg == WM_PAINT) {
    HandlePaint(message);
    return true;
  }
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return true;
  }
  return false;
}

void TSkinControl::HandlePaint(ui::TMessage& message) {
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  const bool began = dc == nullptr;
  if (began) dc = BeginPaint(Handle, &ps);
  RECT r{};
  if (dc && GetWindowRect(Handle, &r)) {
    WindowRect = r;
    try {
      PaintSkin(dc, AtOrigin(r));
    } catch (...) {
      // as in Redraw
    }
  }
  if (began) EndPaint(Handle, &ps);
  message.Result = 0;
}

void TSkinControl::PaintSkin(HDC /*dc*/, const RECT& /*rect*/) {}

HWND TSkinControl::CueWindow() const {
  if (Handle) return Handle;
  ui::TWinControl* parent = Control ? Control->Parent() : nullptr;
  return parent && parent->HandleAllocated() ? parent->Handle() : nullptr;
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) const {
  if (!SkinData) return;
  ui::BrushHandle brush(CreateSolidBrush(Rgb(SkinData->ButtonFaceColour)));
  FillRect(dc, &rect, brush.Get());
}

void TSkinControl::DrawControlText(HDC dc, const RECT& rect, UINT align, bool enabled,
                                   const std::wstring& text) const {
  SetBkMode(dc, TRANSPARENT);
  PlainFontScope plain(dc);
  const ui::TCueText shown = ui::WithCues(CueWindow(), text, align | DT_EXPANDTABS);
  RECT measured = rect;
  DrawTextW(dc, shown.Text.c_str(), int(shown.Text.size()), &measured, shown.Format | DT_CALCRECT | DT_NOCLIP);
  // The measured box keeps the rectangle's top left; move it into place.
  const int free = RectWidth(rect) - RectWidth(measured);
  const int dx = align == DT_CENTER ? free / 2 : align == DT_RIGHT ? free : 0;
  const int dy = (RectHeight(rect) - RectHeight(measured)) / 2 - 1;
  OffsetRect(&measured, dx, dy);
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawTextW(dc, shown.Text.c_str(), int(shown.Text.size()), &measured, shown.Format);
}

void TSkinControl::DrawSkinFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex,
                                 TDataSkinObject* skinObject) const {
  if (!skinObject) return;
  const RECT margins{skinObject->LeftWidth, skinObject->TopHeight, skinObject->RightWidth, skinObject->BottomHeight};
  DrawSlicedImage(dc, rect, skinObject->Bitmap, margins, false, skinObject->Tile != 0, skinObject->Trans == 1,
                  frameCount, frameIndex);
}

}  // namespace skin
