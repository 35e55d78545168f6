// Controls: TControl (position, alignment, colour, font, cursor, mouse events
// and the replaceable WindowProc), TWinControl (a control with its own window)
// and TGraphicControl (windowless, painted by its parent).
//
// Message flow. Every message of a control passes through its `WindowProc`,
// which by default calls the virtual WndProc. For a windowed control that is
// each message arriving at its window; for a windowless one, the messages its
// parent routes to it: mouse messages (in the control's coordinates), WM_PAINT
// with the device context in WParam (origin moved to the control's top left),
// and the CM_* notifications. To intercept, keep the current WindowProc, set
// your own, and call the kept one for what you pass on; put it back to undo.
// A handler may replace WindowProc while a message is being dispatched.
//
// Mouse. A parent routes mouse messages over a windowless child to that child
// (capturing the mouse between button down and up). As the mouse moves from
// one control to another, the one it left receives CM_MOUSELEAVE and the one it
// entered CM_MOUSEENTER; leaving the program's windows ends with CM_MOUSELEAVE.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Colors.h"
#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Graphics.h"
#include "ui/Messages.h"

namespace ui {

class TWinControl;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
// The system cursor shown for `cursor` (the arrow for crDefault; null for crNone).
HCURSOR CursorHandle(TCursor cursor);

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = unsigned;

using TWndMethod = std::function<void(TMessage&)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  std::string ClassName() const override { return "TControl"; }

  TWndMethod WindowProc;
  // Sends a message through WindowProc and returns its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  // The DPI the control is laid out at: its form's (TForm::Dpi), the system
  // DPI while it is on no form.
  int Dpi() const;

  // Position in the parent's client area (screen position for top-level windows).
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().right; }
  int ClientHeight() const { return ClientRect().bottom; }
  // Screen position of the client area's top left corner.
  virtual POINT ClientOrigin() const;
  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  // While true, the control takes its parent's font (a change of its own font clears it).
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TCursor Cursor = crDefault;
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  const std::wstring& Caption() const { return caption_; }
  virtual void SetCaption(const std::wstring& caption);

  // Shown on a right click (WM_CONTEXTMENU) over the control when its AutoPopup is on.
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  // Marks the control for repainting; Update paints what is marked now.
  virtual void Invalidate();
  virtual void Update();
  void Repaint();

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  virtual void WndProc(TMessage& message);
  // What happens to a message nobody handled: nothing for windowless controls,
  // the window's default procedure for windowed ones.
  virtual void DefaultHandler(TMessage& message);

  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);

  // The parent lays out its aligned children again.
  void RequestAlign();
  // Takes the parent's font while ParentFont is set.
  void ApplyParentFont();
  // Store new values without any of the setters' effects.
  void StoreBounds(int left, int top, int width, int height);
  void StoreVisible(bool visible) { visible_ = visible; }
  bool IsMouseCapturedByWindow() const;

  TWinControl* parent_ = nullptr;

 private:
  friend class TWinControl;
  void HandleMouseMessage(TMessage& message);
  void FontChanged();

  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  TAlign align_ = alNone;
  TColor color_ = clBtnFace;
  TFont font_;
  bool parentFont_ = true;
  bool applyingParentFont_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  bool clicked_ = false;
  std::wstring caption_;
  TPopupMenu* popupMenu_ = nullptr;
};

// What a windowed control's window is created from.
struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  std::wstring WinClassName;  // registered on first use; the framework class name by default
  std::wstring SystemClass;   // when set, the window class is derived from this system class
  UINT ClassStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  HICON ClassIcon = nullptr;  // the class's large and small icons (not owned; kept by the class)
  HICON ClassSmallIcon = nullptr;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  std::string ClassName() const override { return "TWinControl"; }

  // The window, created on demand (with the parents' windows).
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded();
  void DestroyHandle();
  // The framework control of a window, or null for a window that is not one.
  static TWinControl* FindControl(HWND wnd);

  int ControlCount() const { return int(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(std::size_t(index)); }
  // The topmost visible child at `pos` (client coordinates): windowless ones
  // only unless allowWinControls; disabled ones only when allowDisabled.
  TControl* ControlAtPos(POINT pos, bool allowDisabled = false, bool allowWinControls = false) const;

  // Lays out the aligned children: all alTop ones from the top down (in the
  // order of their Top), then alBottom from the bottom up, alLeft, alRight,
  // and alClient in what remains.
  void Realign();
  void DisableAlign() { ++alignLevel_; }
  void EnableAlign();

  // Paint through an off-screen bitmap (no flicker; the background is not erased first).
  bool DoubleBuffered = false;
  int TabOrder = -1;
  bool TabStop = false;

  void SetFocus();
  bool Focused() const;

  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetCaption(const std::wstring& caption) override;
  RECT ClientRect() const override;
  POINT ClientOrigin() const override;
  void Invalidate() override;
  void Update() override;

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  void Loaded() override;

  // Adds or removes a child (SetParent calls these).
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

 protected:
  virtual void CreateParams(TCreateParams& params);
  // Creates this control's window, then its visible windowed children's.
  virtual void CreateHandle();
  // Creates the window alone from CreateParams.
  virtual void CreateWnd();
  // The system call that makes the window (CreateWindowExW by default). The
  // first messages of the new window reach this control whatever the call.
  virtual HWND CreateWindowHandle(const TCreateParams& params);
  // Destroys the window (children go with it).
  virtual void DestroyWnd();
  // The part of the client area that aligned children share.
  virtual void AdjustClientRect(RECT& rect) const;
  virtual void AlignControls(RECT& rect);
  // Paints the control's own face (background included) into `dc`.
  virtual void PaintWindow(HDC dc);
  // Paints the visible windowless children that meet the clip box of `dc`.
  void PaintControls(HDC dc);

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

 private:
  static LRESULT CALLBACK InitWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT MainWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  void WMPaint(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  bool WMSetCursor(TMessage& message);
  // The PopupMenu of the control under the point (or of this one).
  bool WMContextMenu(TMessage& message);
  // A character no control takes goes to the form as CM_DIALOGCHAR (menu accelerators).
  bool WMDialogChar(TMessage& message);
  bool RouteMouseToChild(TMessage& message);
  bool ReflectToChild(TMessage& message);
  void TrackMouseLeave();
  void UpdateBoundsFromWindow();
  void PaintHandler(HDC dc);
  void ParentFontChanged();

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = DefWindowProcW;
  std::vector<TControl*> controls_;  // in z-order, bottom first
  int alignLevel_ = 0;
  bool aligning_ = false;
  TControl* captureControl_ = nullptr;
  bool trackingLeave_ = false;
  BrushHandle brush_;
};

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  std::string ClassName() const override { return "TGraphicControl"; }

 protected:
  // The canvas of the paint in progress (valid only inside Paint).
  TCanvas& Canvas() { return *canvas_; }
  virtual void Paint() {}
  void WndProc(TMessage& message) override;

 private:
  TCanvas* canvas_ = nullptr;
};

// The control the mouse is over (null when it is over none of the program's controls).
TControl* MouseControl();

}  // namespace ui
