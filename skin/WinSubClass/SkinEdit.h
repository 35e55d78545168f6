// TSkinEdit: an edit paints itself; the companion then flattens its sunken
// border into a one-pixel line in the skin's shadow colour, painting the
// inner rings over with the background brush. A borderless edit is left
// alone. A spin button found inside the edit gets a TSkinUpDown of its own,
// and the edit then keeps the ring the button sits on.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
 public:
  explicit TSkinEdit(TWinSkinForm* owner) : TSkinControl(owner) {}
  ~TSkinEdit() override;
  std::string ClassName() const override { return "TSkinEdit"; }

  // The system draws the sunken border again on WM_NCPAINT alone (a frame
  // redraw without the client): the flat one goes over it then too.
  void AfterDefault(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void Detach() override;

  // Looks for a spin button among the edit's child windows and attaches a
  // TSkinUpDown to the first one (owned by the edit's owner). Does nothing
  // once UpDown is set.
  void FindUpDown();

  // The spin button's companion, or null. Owned by the window companion
  // (or by this edit when it has none).
  TSkinUpDown* UpDown = nullptr;

 protected:
  void Notification(ui::TComponent* component, ui::TOperation operation) override;
};

}  // namespace skin
