#include "skin/popup_menu/PopupOwnerDraw.h"

#include <functional>
#include <string>

#include "skin/WinSkinData/SkinAtDpi.h"
#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/popup_menu/WinSkinPopMenu.h"
#include "ui/Form.h"
#include "ui/KeyboardCues.h"
#include "ui/Menus.h"

namespace skin {

namespace {

// The skin's item handlers, as types of their own so that they can be told
// apart from an item's own handlers (and taken off again).
struct TSkinnedDraw {
  ui::TForm* Form;
  void operator()(ui::TObject* sender, ui::TCanvas& canvas, RECT rect, bool selected) const {
    DrawItemSkinnedEvent(Form, sender, canvas, rect, selected);
  }
};

struct TSkinnedMeasure {
  ui::TForm* Form;
  void operator()(ui::TObject* sender, ui::TCanvas& canvas, int& width, int& height) const {
    MeasureItemEvent(Form, sender, canvas, width, height);
  }
};

bool IsOurDraw(const ui::TMenuItem& item) { return item.OnDrawItem.target<TSkinnedDraw>() != nullptr; }
bool IsOurMeasure(const ui::TMenuItem& item) { return item.OnMeasureItem.target<TSkinnedMeasure>() != nullptr; }

void ForEachItem(ui::TMenuItem& parent, const std::function<void(ui::TMenuItem&)>& visit) {
  for (int i = 0; i < parent.Count(); ++i) {
    ui::TMenuItem& item = *parent.Items(i);
    visit(item);
    ForEachItem(item, visit);
  }
}

void SetItemOwnerDraw(ui::TMenuItem& item, ui::TForm& form, bool on) {
  if (item.Tag == kPlainMenuItemTag) {
    item.OnDrawItem = nullptr;
    if (IsOurMeasure(item)) item.OnMeasureItem = nullptr;
    return;
  }
  if (!on) {
    // Only the skin's own handlers go: an item's own drawing is the application's.
    if (IsOurDraw(item)) item.OnDrawItem = nullptr;
    if (IsOurMeasure(item)) item.OnMeasureItem = nullptr;
    return;
  }
  if (item.OnDrawItem && !IsOurDraw(item)) return;
  item.OnDrawItem = TSkinnedDraw{&form};
  item.OnMeasureItem = TSkinnedMeasure{&form};
}

// The skin of the form's window, or null when it is not skinned (any more).
const TSkinSet* SkinOf(ui::TForm* form) {
  const TSkinManage* manager = SkinManage();
  if (!form || !manager || !form->HandleAllocated()) return nullptr;
  const TWinSkinForm* companion = manager->FindForm(form->Handle());
  if (!companion || !companion->SkinData || companion->SkinData->Empty) return nullptr;
  return companion->Skin();
}

// The framework item of the form's menu bar with this command, or null.
ui::TMenuItem* FrameworkItem(const TWinSkinForm& form, UINT command) {
  if (!form.Form || !form.Form->Menu()) return nullptr;
  return form.Form->Menu()->FindItem(command, ui::fkCommand);
}

// `menu` is `root` or one of its sub-menus.
bool MenuHolds(HMENU root, HMENU menu, int depth = 0) {
  if (!root || !menu || depth > 16) return false;
  if (root == menu) return true;
  const int count = GetMenuItemCount(root);
  for (int i = 0; i < count; ++i)
    if (HMENU sub = GetSubMenu(root, i); sub && MenuHolds(sub, menu, depth + 1)) return true;
  return false;
}

// The text of the item `command` of the menu-bar menus, "" when it has none;
// false when neither menu holds such an item.
bool MenuBarText(const TWinSkinForm& form, UINT command, std::wstring& text) {
  for (HMENU menu : {form.TrackedMenu, form.OrigMenu}) {
    if (!menu) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    if (!GetMenuItemInfoW(menu, command, FALSE, &info)) continue;
    wchar_t buffer[81] = {};
    if (GetMenuStringW(menu, command, buffer, 81, MF_BYCOMMAND) <= 0) buffer[0] = 0;
    text = buffer;
    return true;
  }
  return false;
}

int TextWidth(HDC dc, const std::wstring& text) {
  if (text.empty()) return 0;
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP);
  return r.right - r.left;
}

bool IsNt4() {
  const std::uint32_t version = WinVersion;
  return !(version & 0x80000000u) && (version & 0xFFu) == 4;
}

}  // namespace

bool IsWin9x() { return (WinVersion & 0x80000000u) != 0; }

void SetPopupOwnerDraw(ui::TForm& form, const TSkinData& skinData, bool on) {
  if (!skinData.SkinControls.Contains(xcPopupMenu)) return;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* menu = dynamic_cast<ui::TPopupMenu*>(form.Components(i));
    if (!menu || menu->Tag % 100 == skinData.DisableTag) continue;
    menu->SetOwnerDraw(on);
    ForEachItem(*menu->Items(), [&](ui::TMenuItem& item) { SetItemOwnerDraw(item, form, on); });
  }
}

TMenuItemLook LookOf(ui::TMenuItem& item) {
  TMenuItemLook look;
  look.Caption = item.Caption();
  look.ShortCutText = ui::ShortCutToText(item.ShortCut());
  look.Checked = item.Checked();
  look.Default = item.Default();
  look.Enabled = item.Enabled();
  look.ImageIndex = item.ImageIndex();
  if (const ui::TMenu* menu = item.GetParentMenu()) {
    look.Images = menu->Images();
    look.RightToLeft = menu->IsRightToLeft();
    if (const auto* popup = dynamic_cast<const ui::TPopupMenu*>(menu)) {
      if (popup->Alignment == ui::paRight) look.Alignment = DT_RIGHT;
      else if (popup->Alignment == ui::paCenter) look.Alignment = DT_CENTER;
    }
  }
  return look;
}

void MeasureItemEvent(ui::TForm* form, ui::TObject* sender, ui::TCanvas& /*canvas*/, int& width, int& height) {
  const TSkinSet* skin = SkinOf(form);
  const TEngineMeasures measures = skin ? skin->Measures : EngineMeasuresAt(form ? form->Dpi() : kBaseDpi);
  width += measures.ItemExtraWidth;
  const auto* item = dynamic_cast<const ui::TMenuItem*>(sender);
  if (IsWin9x() && item && !item->IsLine()) height += measures.ItemExtraHeight;
}

void DrawItemSkinnedEvent(ui::TForm* form, ui::TObject* sender, ui::TCanvas& canvas, RECT rect, bool selected) {
  auto* item = dynamic_cast<ui::TMenuItem*>(sender);
  if (!item) return;
  const TSkinSet* skin = SkinOf(form);
  if (!skin) {
    item->DefaultDrawItem(canvas, rect, selected);
    return;
  }
  const HMENU menu = item->Parent() ? item->Parent()->Handle() : nullptr;
  if (skin->MenuItem) BindPendingPopup(menu);
  TMenuItemLook look = LookOf(*item);
  look.HideAccessKeys = form && form->HandleAllocated() && ui::HidesAccessKeys(form->Handle());
  DrawItemSkinned(*skin, menu, look, canvas.Handle(), rect, selected);
}

bool MeasureMenuItem(TWinSkinForm& form, MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU || !form.OrigMenu) return false;
  std::wstring text;
  bool line = false;
  if (ui::TMenuItem* item = FrameworkItem(form, measure.itemID)) {
    text = item->Caption();
    if (item->ShortCut() != ui::scNone) text += ui::ShortCutToText(item->ShortCut());
    line = item->IsLine();
  } else if (MenuBarText(form, measure.itemID, text)) {
    line = text.empty();
  } else {
    return false;  // not an item of the menu bar: the window's own
  }
  const ui::WindowDC dc(form.Handle, true);
  const ui::FontHandle font = CreateMenuFont(form.Dpi);
  int width = 0;
  {
    const ui::SelectGuard select(dc.Get(), font.Get());
    width = TextWidth(dc.Get(), text);
  }
  const TEngineMeasures measures = form.Skin() ? form.Skin()->Measures : EngineMeasuresAt(form.Dpi);
  measure.itemWidth = UINT(width + measures.BarItemExtraWidth);
  if (line) {
    measure.itemHeight = UINT(measures.SeparatorHeight);
  } else {
    measure.itemHeight += UINT(measures.ItemExtraHeight);
    if (IsWin9x()) measure.itemHeight += UINT(measures.ItemExtraHeight);
  }
  return true;
}

bool DrawMenuItem(TWinSkinForm& form, const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU || !form.OrigMenu) return false;
  if (form.FormKind == fkMdiFrame && IsNt4()) return false;
  if (!form.SkinData || form.SkinData->Empty) return false;
  const auto menu = reinterpret_cast<HMENU>(draw.hwndItem);
  ui::TMenuItem* item = FrameworkItem(form, draw.itemID);
  if (!item && !MenuHolds(form.OrigMenu, menu) && !MenuHolds(form.TrackedMenu, menu)) return false;
  BindPendingPopup(menu);
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  const ui::FontHandle font = CreateMenuFont(form.Dpi);  // outlives the DC state that selects it
  const ui::SavedDC saved(draw.hDC);
  SelectObject(draw.hDC, font.Get());
  TMenuItemLook look = item ? LookOf(*item) : LookOfMenuCommand(menu, draw.itemID);
  look.HideAccessKeys = (draw.itemState & ODS_NOACCEL) || ui::HidesAccessKeys(form.Handle);
  if (item) DrawItemSkinned(*form.Skin(), menu, look, draw.hDC, draw.rcItem, selected);
  else DrawItemForeign(*form.Skin(), menu, look, selected, draw.rcItem, draw.hDC);
  return true;
}

}  // namespace skin
