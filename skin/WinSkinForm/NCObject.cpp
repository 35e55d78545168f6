// The state machine of the non-client objects. At most one object of a window
// is hot or pressed: the companion's HotObject. Whoever takes that place first
// sends the previous holder its MouseLeave, so a state change never leaves a
// second button drawn hot.
#include "skin/WinSkinForm/NCObject.h"

#include "skin/WinSkinForm/WinSkinForm.h"

namespace skin {

TNCObject*& TNCObject::Hot() const { return SkinForm->HotObject; }

void TNCObject::MouseDown() {
  if (Hot() && Hot() != this) Hot()->MouseLeave();
  if (!Visible) return;
  Hot() = this;
  SkinForm->StartHoverTick();  // the tick takes it back when the mouse is gone
  State = ncsPressed;
  DrawState();
}

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = ncsHot;
  DrawState();
}

void TNCObject::MouseEnter() {
  if (Hot() == this) return;  // a pressed or hot object keeps its state
  if (Hot()) Hot()->MouseLeave();
  if (!Visible) return;
  Hot() = this;
  SkinForm->StartHoverTick();
  State = ncsHot;
  DrawState();
}

void TNCObject::MouseLeave() {
  // An object that became invisible while hot still gives up its place;
  // otherwise it would stay HotObject until the next full frame paint.
  if (Hot() == this) Hot() = nullptr;
  if (!Visible) return;
  State = ncsNormal;
  DrawState();
}

void TWinSysButton::DrawState() { SkinForm->PaintSysButton(*this, State); }

}  // namespace skin
