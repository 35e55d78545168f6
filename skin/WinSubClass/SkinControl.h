// TSkinControl: the base of every control companion. A companion takes over
// one standard control of a skinned window, keeps a small visual state and
// paints the control from the skin.
//
// Two ways in, one way through:
//   Attach        a framework control: its WindowProc is replaced;
//   AttachWindow  a bare window (a dialog's control): its window procedure is
//                 replaced (WindowSubclass).
// Either way every message goes to SkinWndProc: BeforeDefault may swallow it;
// otherwise the control's own handling runs (CallDefault), then AfterDefault.
//
// Lifetime: the window companion (TWinSkinForm) owns its companions and lists
// them in Controls. A companion goes when its control goes: on WM_NCDESTROY
// of its window, or when the framework control is freed. It may be released
// while one of its own messages is being handled; it is then taken out of the
// owner at once and freed when that message is done.
#pragma once

#include <windows.h>

#include <string>

#include "skin/WinSkinForm/WindowSubclass.h"
#include "ui/Colors.h"
#include "ui/Component.h"
#include "ui/Control.h"
#include "ui/Graphics.h"
#include "ui/Messages.h"

namespace skin {

class TSkinSet;
class TDataSkinObject;
class TWinSkinForm;

// MouseState flags.
enum TMouseStateFlag : unsigned {
  msHot = 1,   // the mouse is over the control
  msDown = 2,  // pressed: left button or space bar held
};

class TSkinControl : public ui::TComponent {
 public:
  // `owner` may be null (tests); a companion without an owner keeps no list.
  explicit TSkinControl(TWinSkinForm* owner);
  ~TSkinControl() override;

  std::string ClassName() const override { return "TSkinControl"; }

  // --- Hooking ---------------------------------------------------------------

  // Hooks a framework control through its WindowProc (creating its window if
  // needed) and adds this object to the owner's Controls. With changeColor the
  // control takes the skin's face colour until Detach. False, hooking nothing,
  // when the control has no window to be had.
  virtual bool Attach(ui::TWinControl* control, TSkinSet* skinData, bool changeColor, ui::TCanvas* canvas);
  // Hooks a bare window by replacing its window procedure. The caller adds
  // the companion to the owner's Controls. False when the window cannot be
  // subclassed.
  virtual bool AttachWindow(HWND wnd, TSkinSet* skinData, ui::TCanvas* canvas);
  // Undoes whichever hook is in place (and the colour); safe to call again.
  virtual void Detach();

  // --- Message stages --------------------------------------------------------

  // First for every message: true lets the control's own handling run; false
  // swallows the message (the override sets its result).
  virtual bool BeforeDefault(ui::TMessage& message);
  // After the control's own handling (only when BeforeDefault said true).
  virtual void AfterDefault(ui::TMessage& message);
  // The full skin painted now through the window DC; painting errors are dropped.
  virtual void Redraw();
  // The whole control into `dc`; `rect` is the window rectangle at (0, 0).
  virtual void PaintSkin(HDC dc, const RECT& rect);
  // The skin changed (colours, images): takes the new face colour where it
  // was replaced, and repaints.
  virtual void Reskin();

  // Both hooking modes end here.
  void SkinWndProc(ui::TMessage& message);
  // Passes the message to the control's own handling.
  void CallDefault(ui::TMessage& message);
  // Tells the control the mouse has left it (the owner's hover timer).
  void SendMouseLeave();
  // Queues a repaint of the whole window and carries it out now (controls
  // with a parent only).
  void Repaint();

  // --- Painting helpers ------------------------------------------------------

  // The window whose keyboard cues the control's texts follow: its own, or
  // its parent's for a control without a window.
  HWND CueWindow() const;
  // Fills `rect` with the skin's face colour.
  void FillFace(HDC dc, const RECT& rect) const;
  // WM_PAINT of the companions that paint the whole control.
  void HandlePaint(ui::TMessage& message);
  // For BeforeDefault of those companions: WM_PAINT goes to HandlePaint and
  // WM_ERASEBKGND is answered (the paint covers everything); true when the
  // message was one of the two, which then must not reach the control.
  bool PaintInstead(ui::TMessage& message);
  // A caption centred vertically (one pixel above the exact centre) and
  // aligned by `align` (DT_LEFT, DT_CENTER, DT_RIGHT); disabled text in the
  // button-shadow colour. The text colour and font are the DC's.
  void DrawControlText(HDC dc, const RECT& rect, UINT align, bool enabled, const std::wstring& text) const;
  // Frame `frameIndex` of `frameCount` of the object's image, nine-part, at rect.
  void DrawSkinFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex, TDataSkinObject* skinObject) const;

  // Takes this companion out of its owner and frees it, now or, inside one
  // of its own messages, when that message is done.
  void Release();

  TWinSkinForm* OwnerForm() const { return form_; }
  bool Attached() const { return OldWindowProc != nullptr || WndProcStub.Attached(); }
  // A system metric (scroll-bar arrow and thumb sizes) at the DPI of the
  // skin this control paints from.
  int SystemMetric(int index) const;

  // --- Fields ----------------------------------------------------------------

  unsigned MouseState = 0;          // TMouseStateFlag bits
  ui::TCanvas* Canvas = nullptr;    // the owner's ControlCanvas, borrowed
  bool Enabled = true;              // cached: no WS_DISABLED
  bool Focused = false;             // cached: GetFocus() == Handle
  std::wstring Caption;             // cached window text
  WindowSubclass WndProcStub;       // a bare window's hook
  TSkinSet* SkinData = nullptr;     // the skin at the owner window's DPI
  HWND Handle = nullptr;            // the control's window; null until attached
  ui::TWndMethod OldWindowProc;     // a framework control's previous WindowProc
  ui::TControl* Control = nullptr;  // the framework control, or null for a bare window
  RECT WindowRect{};                // screen rectangle at the last full paint (hover timer)
  bool ChangeColor = false;         // the control's colour was replaced at attach
  ui::TColor OldColor = 0;

 protected:
  // Hooks `control`'s WindowProc (windowed or not) and follows its lifetime.
  void HookWindowProc(ui::TControl* control);
  void Notification(ui::TComponent* component, ui::TOperation operation) override;
  // The framework control is going: forget it without touching it.
  virtual void ControlFreed();
  // The mouse is over this control now: any other hot control is told it
  // has left, and this one becomes the owner's HotControl.
  void BecomeHot();
  // Clears the owner's HotControl when it is this control.
  void LeaveHot();
  // `r` moved to (0, 0).
  static RECT AtOrigin(RECT r) {
    OffsetRect(&r, -r.left, -r.top);
    return r;
  }
  // The skin colour as a device context takes it.
  static COLORREF Rgb(ui::TColor colour) { return COLORREF(ui::ColorToRGB(colour)); }

 private:
  void RestoreControl();

  TWinSkinForm* form_ = nullptr;
  bool oldDoubleBuffered_ = false;
  int depth_ = 0;  // SkinWndProc calls in progress
  bool releasePending_ = false;
};

}  // namespace skin
