// Menus: TMenuItem (one entry, with its sub-items), TMenu (the item tree and
// its system menu), TMainMenu (a form's menu bar) and TPopupMenu (a context
// menu shown with TrackPopupMenu).
//
// Every item gets a command identifier of its own (its WM_COMMAND id) when it
// is created; an item with sub-items owns the system popup menu (HMENU) that
// holds them, built on demand and rebuilt in place when items change, so a
// handle once given out stays valid while the item lives. The root item of a
// main menu holds the menu bar itself.
//
// Owner drawing: with TMenu::OwnerDraw on, the items are MFT_OWNERDRAW and have
// no text of their own; the window that receives WM_MEASUREITEM / WM_DRAWITEM
// (the form for its main menu, a hidden window for popup menus) hands them to
// the item, which measures and draws itself (a plain look) and lets its
// OnMeasureItem adjust the size, or leaves the drawing to its OnDrawItem.
//
// Shortcuts are key codes with shift bits (scShift, scCtrl, scAlt); a key
// press reaching a framework control goes to the popup menus of the control
// and its parents, then to the main menu of its form (IsMenuShortCut).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Control.h"
#include "ui/MenuItemText.h"

namespace ui {

class TMenu;
class TImageList;
class TForm;

using TShortCut = unsigned short;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// A shortcut from a key code and a shift state (ssShift, ssCtrl, ssAlt).
TShortCut ShortCut(WORD key, TShiftState shift);
// "Ctrl+S", "Shift+F5", "Ctrl+Alt+Del"; empty for scNone or an unnamed key.
std::wstring ShortCutToText(TShortCut shortCut);
// The accelerator character of a caption: the one after a single "&" ("&&" is
// a literal ampersand); 0 when there is none.
wchar_t GetHotkey(const std::wstring& caption);
// The caption without its accelerator marks ("&&" becomes "&").
std::wstring StripHotkey(const std::wstring& caption);
// Whether `key` (a character or a virtual-key code) is the caption's
// accelerator, compared without regard to case.
bool IsAccel(WPARAM key, const std::wstring& caption);

using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas& ACanvas, RECT ARect, bool Selected)>;
using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas& ACanvas, int& Width, int& Height)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  // Frees the sub-items too.
  ~TMenuItem() override;
  std::string ClassName() const override { return "TMenuItem"; }

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // A separator: the caption "-".
  bool IsLine() const { return caption_ == L"-"; }

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  int Count() const { return int(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(std::size_t(index)); }
  int IndexOf(const TMenuItem* item) const;
  void Add(TMenuItem* item);
  // Takes `item` from its previous parent item, if any.
  void Insert(int index, TMenuItem* item);
  // Takes the sub-item out of this item without freeing it.
  void Delete(int index);
  void Remove(TMenuItem* item);
  // Frees every sub-item.
  void Clear();

  TMenuItem* Parent() const { return parent_; }
  // The menu whose tree holds this item (null for a loose item).
  TMenu* GetParentMenu() const;
  // The WM_COMMAND identifier of this item.
  UINT Command() const { return command_; }
  // The system popup menu holding the sub-items (created on demand).
  HMENU Handle();
  // The handle when it exists, else null (no creation).
  HMENU HandleIfAllocated() const { return handle_; }
  bool HasSubMenu() const { return !items_.empty(); }

  // Raises OnClick (for an enabled item).
  virtual void Click();
  // Size of the item for owner drawing, OnMeasureItem included.
  void MeasureItem(TCanvas& canvas, int& width, int& height);
  // Draws the item for owner drawing: OnDrawItem, or the plain look.
  void DrawItem(TCanvas& canvas, RECT rect, bool selected);
  // The plain look of an owner-drawn item.
  void DefaultDrawItem(TCanvas& canvas, RECT rect, bool selected);

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

 private:
  friend class TMenu;
  // The system menu of this item's sub-items is built again in place.
  void RebuildHandle();
  void InsertSystemItem(int position, TMenuItem* item);
  // Something about this item changed: its parent's system menu and the menu's owner learn of it.
  void Changed();
  void SubItemsChanged();

  std::wstring caption_;
  TShortCut shortCut_ = scNone;
  bool checked_ = false;
  bool default_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  int imageIndex_ = -1;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item of a menu
  UINT command_ = 0;
  HMENU handle_ = nullptr;
  bool clearing_ = false;
  // Its text for screen readers; its system item's data points here.
  TMenuItemText accessibleText_;
};

enum TFindItemKind { fkCommand, fkHandle, fkShortCut };

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  std::string ClassName() const override { return "TMenu"; }

  // The invisible root; its sub-items are the menu's entries.
  TMenuItem* Items() const { return items_; }
  // The system menu (menu bar or popup) of the entries.
  HMENU Handle() { return items_->Handle(); }
  // The system menu when it exists, else null (no creation).
  HMENU HandleIfAllocatedRoot() const { return items_->HandleIfAllocated(); }

  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  // Right-to-left reading: items are ordered and drawn from the right.
  bool RightToLeft() const { return rightToLeft_; }
  void SetRightToLeft(bool value);
  bool IsRightToLeft() const { return rightToLeft_; }

  // A menu bar (TMainMenu) rather than a popup menu.
  bool IsMenuBar() const { return bar_; }
  // The DPI its items are measured and drawn at: that of the form showing
  // the menu bar, of the control or form owning a popup menu, else the system's.
  int Dpi() const;

  // The item with this command identifier, sub-menu handle or shortcut, or null.
  TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind) const;
  // Clicks the enabled, visible item with this shortcut (key plus the current
  // shift state); false when there is none.
  bool IsShortCut(WORD key, TShiftState shift);
  // WM_COMMAND: clicks the item with this command identifier; false when there is none.
  bool DispatchCommand(UINT command);
  // WM_MEASUREITEM / WM_DRAWITEM of an owner-drawn item of this menu; false when not one.
  bool DispatchMeasureItem(MEASUREITEMSTRUCT& measure);
  bool DispatchDrawItem(const DRAWITEMSTRUCT& draw);

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  friend class TMenuItem;
  // Something in the tree changed (items, captions, states).
  virtual void MenuChanged() {}
  // The root item makes a menu bar instead of a popup menu.
  void SetMenuBar(bool bar) { bar_ = bar; }
  // Builds every system menu of the tree again (owner drawing changed).
  void RebuildAll();

 private:
  TMenuItem* items_;
  bool ownerDraw_ = false;
  bool rightToLeft_ = false;
  bool bar_ = false;
  TImageList* images_ = nullptr;
};

// A form's menu bar (TForm::Menu). A change of its items tells the form's
// window with CM_MENUCHANGED, after putting the menu back on the window when
// something (a skinned menu bar) took it off.
class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner);
  // Takes the menu off its form's window first (the system would destroy it with the window).
  ~TMainMenu() override;
  std::string ClassName() const override { return "TMainMenu"; }

  // The form that shows this menu (set by TForm::SetMenu).
  TForm* Form() const { return form_; }

 protected:
  void MenuChanged() override;

 private:
  friend class TForm;
  TForm* form_ = nullptr;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  std::string ClassName() const override { return "TPopupMenu"; }

  TPopupAlignment Alignment = paLeft;
  // Shown on a right click over a control whose PopupMenu it is.
  bool AutoPopup = true;
  TNotifyEvent OnPopup;
  // The control it was last shown for.
  TComponent* PopupComponent = nullptr;

  // Shows the menu at a screen point and returns when it closes; the chosen
  // item's OnClick runs when its WM_COMMAND arrives (posted by the system).
  void Popup(int x, int y);
  // The hidden window that owns shown popup menus (created on demand).
  static HWND Window();

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
};

// A key press (WM_KEYDOWN, WM_SYSKEYDOWN) given to the menus of its window:
// the popup menus of the control and its parents, then the form's main menu
// (an MDI child's frame's). True when an item took it.
bool IsMenuShortCut(const MSG& msg);

}  // namespace ui
