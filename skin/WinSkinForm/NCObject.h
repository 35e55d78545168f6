// Clickable objects of a skinned window's non-client area: the caption buttons
// (TWinSysButton) here, the menu-bar items (TMenuBtn) with the menu bar. Each
// has a small state machine (1 normal, 2 pressed, 3 hot) shared through the
// window companion's HotObject: at most one object of a window is hot or
// pressed. Rect is in frame coordinates (the window's top-left corner is 0,0).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <utility>

#include "skin/draw/Slicing.h"

namespace skin {

class TWinSkinForm;
class TDataSkinSysButton;

enum TNCState { ncsNormal = 1, ncsPressed = 2, ncsHot = 3 };

class TNCObject {
 public:
  explicit TNCObject(TWinSkinForm* skinForm) : SkinForm(skinForm) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  TWinSkinForm* SkinForm;  // not owned
  std::uint32_t Reserved = 0;
  RECT Rect{};
  bool Visible = false;
  int State = ncsNormal;

  // Pressed: takes HotObject from whoever holds it.
  virtual void MouseDown();
  // Released over the object: hot again (it stays HotObject).
  virtual void MouseUp();
  // The mouse came over it: hot, unless it already is HotObject.
  virtual void MouseEnter();
  // The mouse left it: normal, and HotObject no more.
  virtual void MouseLeave();
  // Repaints the object in its State; nothing here.
  virtual void DrawState() {}

 protected:
  // The owning window's HotObject.
  TNCObject*& Hot() const;
};

// One caption button, linked to its skin object. The skin data and the
// buttons built from it share the object: a reload of the skin never leaves
// a button pointing at a freed one.
class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm* skinForm, std::shared_ptr<TDataSkinSysButton> skinButton)
      : TNCObject(skinForm), SkinButton(std::move(skinButton)) {}

  std::shared_ptr<TDataSkinSysButton> SkinButton;
  // Its look on the composed title bar, kept for the next composition.
  TKeptImageFrame TitleBarLook;

  // Straight onto the window, over what it shows there.
  void DrawState() override;
};

}  // namespace skin
