// TWinSkinForm: the non-client mouse over the skinned frame. The system keeps
// its own hit testing, with the skinned caption buttons answered as the
// system frame answers its own (HTCLOSE, HTMAXBUTTON, ...): tools that read
// hit codes find them. The caption-button styles are off the window, so the
// system draws no button of its own; and the buttons' mouse messages are
// found here, before the old procedure sees one, and consumed.
#include "skin/WinSkinData/SkinObjects.h"
#include "skin/WinSkinForm/CaptionButtonKind.h"
#include "skin/WinSkinForm/WinSkinForm.h"

namespace skin {

namespace {

// The screen point of a mouse message. Coordinates are signed: left of or
// above the primary monitor they are negative.
POINT MessagePoint(const ui::TMessage& message) {
  return POINT{short(LOWORD(message.LParam)), short(HIWORD(message.LParam))};
}

struct TNcTarget {
  TNCObject* Object = nullptr;
  bool MenuItem = false;
};

// The caption button under a frame point or, without one, the item of the
// skinned menu bar there.
TNcTarget NcObjectAt(TWinSkinForm& form, POINT framePoint) {
  if (TNCObject* button = form.SysButtonAt(framePoint)) return {button, false};
  if (form.SkinMenu) {
    if (TNCObject* item = form.MenuBarItemAt(framePoint)) return {item, true};
  }
  return {};
}

}  // namespace

POINT TWinSkinForm::ScreenToFrame(int x, int y) {
  POINT p{x, y};
  ScreenToClient(Handle, &p);
  if (WindowState != wsMinimized) {
    p.x += BorderLeft;
    p.y += BorderTop + MenuBarHeight;
  }
  return p;
}

// The mouse may leave a hot button without another non-client message (onto
// the client area, another window, the desktop): the window's 250 ms tick
// notices it here.
void TWinSkinForm::HoverCheck() {
  if (MenuTracking || !HotObject) return;
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return;
  const POINT p = ScreenToFrame(cursor.x, cursor.y);
  if (!PtInRect(&HotObject->Rect, p)) HotObject->MouseLeave();
}

void TWinSkinForm::HandleNcMouseMove(ui::TMessage& message) {
  message.Result = 0;
  StartHoverTick();
  if (!Active) return;  // no hot tracking on an inactive window
  const POINT screen = MessagePoint(message);
  if (TNCObject* object = NcObjectAt(*this, ScreenToFrame(screen.x, screen.y)).Object) {
    object->MouseEnter();
    return;
  }
  if (HotObject) HotObject->MouseLeave();
  CallOld(message);
}

void TWinSkinForm::HandleNcLButtonDown(ui::TMessage& message) {
  const POINT screen = MessagePoint(message);
  TNcTarget target = NcObjectAt(*this, ScreenToFrame(screen.x, screen.y));
  if (target.Object) {
    if (!Active) {
      SetForegroundWindow(Handle);
      // Activation repaints the frame, which may place the buttons anew.
      target = NcObjectAt(*this, ScreenToFrame(screen.x, screen.y));
    }
    if (target.Object) {
      target.Object->MouseDown();
      if (target.MenuItem) OpenMenuItem(target.Object);
    }
    message.Result = 0;
    return;
  }
  // A press on the caption of a maximised window must not start moving it.
  if (WindowState == wsMaximized && Active && message.WParam == HTCAPTION) message.WParam = HTMENU;
  CallOld(message);
}

// The system would track its own hot caption buttons on these (a themed
// frame draws them): the skinned buttons' hot state is the hover tick's.
void TWinSkinForm::HandleNcMouseLeave(ui::TMessage& message) {
  message.Result = 0;
  HoverCheck();
}

void TWinSkinForm::HandleNcLButtonUp(ui::TMessage& message) {
  const POINT screen = MessagePoint(message);
  const TNcTarget target = NcObjectAt(*this, ScreenToFrame(screen.x, screen.y));
  if (!target.Object) {
    CallOld(message);
    return;
  }
  message.Result = 0;
  // Only HotObject acts: a release over a button the mouse was never seen
  // to enter (pressed on the client area, say) does nothing.
  if (target.MenuItem || target.Object != HotObject) return;
  target.Object->MouseUp();
  RunSysButtonAction(screen.x, screen.y);
}

void TWinSkinForm::HandleNcRButtonDown(ui::TMessage& message) {
  if ((message.WParam != HTCAPTION && message.WParam != HTSYSMENU) || FormKind == fkMdiChild) {
    CallOld(message);
    return;
  }
  const POINT screen = MessagePoint(message);
  ShowSystemMenu(screen.x, screen.y);
  message.Result = 0;
}

// A skinned button wins over whatever the system found under it (caption, a
// sizing edge): a press there is the button's.
bool TWinSkinForm::CaptionButtonHit(POINT framePoint, LRESULT& code) {
  const TWinSysButton* button = SysButtonAt(framePoint);
  if (!button || !button->SkinButton) return false;
  const LRESULT found = CaptionButtonHitCode(CaptionButtonKind(*button->SkinButton));
  if (found == HTNOWHERE) return false;
  code = found;
  return true;
}

void TWinSkinForm::HandleNcHitTest(ui::TMessage& message) {
  CallOld(message);
  const POINT screen = MessagePoint(message);
  const POINT p = ScreenToFrame(screen.x, screen.y);
  if (message.Result != HTCLIENT && message.Result != HTTRANSPARENT && message.Result != HTERROR &&
      CaptionButtonHit(p, message.Result))
    return;
  if ((message.Result != HTCAPTION && message.Result != HTNOWHERE) || MenuBarHeight <= 0) return;
  // The menu bar begins at row BorderTop of the frame. Below a skin title bar
  // taller than the system's caption the system finds nothing there (it knows
  // no menu on the window): the bar's rows are the menu all the same.
  if (p.y < BorderTop) return;
  if (message.Result == HTCAPTION || p.y < BorderTop + MenuBarHeight) message.Result = HTMENU;
}

}  // namespace skin
