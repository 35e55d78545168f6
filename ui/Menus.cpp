#include "ui/Menus.h"

#include <algorithm>
#include <set>

#include "ui/Application.h"
#include "ui/Dpi.h"
#include "ui/Form.h"
#include "ui/FormReader.h"
#include "ui/ImgList.h"

namespace ui {

namespace {

// Command identifiers stay below the system-menu range (0xF000) and fit the
// low word of WM_COMMAND's wParam.
constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0xEFFF;

std::set<UINT>& UsedCommands() {
  static std::set<UINT> used;
  return used;
}

UINT NewCommand() {
  static UINT next = kFirstCommand;
  auto& used = UsedCommands();
  for (UINT tries = 0; tries <= kLastCommand; ++tries) {
    const UINT id = next;
    next = next >= kLastCommand ? kFirstCommand : next + 1;
    if (used.insert(id).second) return id;
  }
  throw std::runtime_error("no menu command identifier is left");
}

void FreeCommand(UINT id) { UsedCommands().erase(id); }

std::vector<TPopupMenu*>& PopupMenus() {
  static std::vector<TPopupMenu*> list;
  return list;
}

struct TKeyName {
  WORD Key;
  const wchar_t* Name;
};

constexpr TKeyName kKeyNames[] = {
    {VK_BACK, L"BkSp"}, {VK_TAB, L"Tab"},     {VK_RETURN, L"Enter"}, {VK_ESCAPE, L"Esc"},  {VK_SPACE, L"Space"},
    {VK_PRIOR, L"PgUp"}, {VK_NEXT, L"PgDn"},  {VK_END, L"End"},      {VK_HOME, L"Home"},   {VK_LEFT, L"Left"},
    {VK_UP, L"Up"},      {VK_RIGHT, L"Right"}, {VK_DOWN, L"Down"},   {VK_INSERT, L"Ins"},  {VK_DELETE, L"Del"},
};

std::wstring KeyName(WORD key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, wchar_t(key));
  if (key >= VK_F1 && key <= VK_F24) return L"F" + std::to_wstring(key - VK_F1 + 1);
  for (const TKeyName& k : kKeyNames)
    if (k.Key == key) return k.Name;
  return {};
}

wchar_t UpperChar(wchar_t c) {
  wchar_t s[2] = {c, 0};
  CharUpperW(s);
  return s[0];
}

TShiftState CurrentShift() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

std::wstring ItemText(const TMenuItem& item) {
  std::wstring text = item.Caption();
  const TMenu* menu = item.GetParentMenu();
  const bool onBar = item.Parent() && !item.Parent()->Parent() && menu && menu->IsMenuBar();
  if (item.ShortCut() != scNone && !onBar) {
    const std::wstring shortcut = ShortCutToText(item.ShortCut());
    if (!shortcut.empty()) text += L"\t" + shortcut;
  }
  return text;
}

}  // namespace

// ---------------------------------------------------------------- shortcuts

TShortCut ShortCut(WORD key, TShiftState shift) {
  if (key > 0xFF) return scNone;
  TShortCut result = key;
  if (shift & ssShift) result |= scShift;
  if (shift & ssCtrl) result |= scCtrl;
  if (shift & ssAlt) result |= scAlt;
  return result;
}

std::wstring ShortCutToText(TShortCut shortCut) {
  const std::wstring name = KeyName(WORD(shortCut & 0xFF));
  if (name.empty()) return {};
  std::wstring text;
  if (shortCut & scShift) text += L"Shift+";
  if (shortCut & scCtrl) text += L"Ctrl+";
  if (shortCut & scAlt) text += L"Alt+";
  return text + name;
}

wchar_t GetHotkey(const std::wstring& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;  // "&&": a literal ampersand
  }
  return 0;
}

std::wstring StripHotkey(const std::wstring& caption) {
  std::wstring text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
    else if (caption[i] == L'&') continue;
    text += caption[i];
  }
  return text;
}

bool IsAccel(WPARAM key, const std::wstring& caption) {
  const wchar_t hotkey = GetHotkey(caption);
  return hotkey != 0 && key != 0 && key <= 0xFFFF && UpperChar(wchar_t(key)) == UpperChar(hotkey);
}

// ---------------------------------------------------------------- TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NewCommand()) {}

TMenuItem::~TMenuItem() {
  Destroying();
  if (parent_) parent_->Remove(this);
  Clear();
  if (handle_) {
    // Sub-menus belong to the sub-items (gone by now); only this level goes.
    while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
    DestroyMenu(handle_);
  }
  FreeCommand(command_);
}

void TMenuItem::SetCaption(const std::wstring& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  if (value && parent_)  // one default item per level
    for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
  default_ = value;
  Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : int(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) throw EComponentError("a menu item cannot hold itself");
  for (const TMenuItem* p = this; p; p = p->parent_)
    if (p == item) throw EComponentError("a menu item cannot hold one of its parents");
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  const bool hadItems = HasSubMenu();
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  // A first sub-item turns this item into a sub-menu: the parent's entry changes.
  if (!hadItems && parent_) parent_->RebuildHandle();
  SubItemsChanged();
}

void TMenuItem::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("menu item index out of range");
  TMenuItem* item = items_[std::size_t(index)];
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  if (clearing_ || InState(csDestroying)) return;
  if (!HasSubMenu() && parent_) parent_->RebuildHandle();
  SubItemsChanged();
}

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index >= 0) Delete(index);
}

void TMenuItem::Clear() {
  clearing_ = true;
  while (!items_.empty()) delete items_.back();  // each one takes itself out
  clearing_ = false;
  if (!InState(csDestroying)) SubItemsChanged();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

HMENU TMenuItem::Handle() {
  if (!handle_) {
    const TMenu* menu = GetParentMenu();
    handle_ = (menu_ && menu && menu->IsMenuBar()) ? CreateMenu() : CreatePopupMenu();
    if (!handle_) throw std::runtime_error("cannot create a menu");
    for (TMenuItem* item : items_)
      if (item->visible_) InsertSystemItem(GetMenuItemCount(handle_), item);
  }
  return handle_;
}

void TMenuItem::InsertSystemItem(int position, TMenuItem* item) {
  const TMenu* menu = GetParentMenu();
  const bool ownerDraw = menu && menu->OwnerDraw();
  std::wstring text = ItemText(*item);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
  info.fType = 0;
  if (item->IsLine()) info.fType |= MFT_SEPARATOR;
  if (ownerDraw) info.fType |= MFT_OWNERDRAW;  // no text: the item draws itself
  if (menu && menu->IsRightToLeft()) info.fType |= MFT_RIGHTORDER;
  if (!ownerDraw && !item->IsLine()) {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
  }
  info.fState = (item->enabled_ ? 0 : MFS_GRAYED) | (item->checked_ ? MFS_CHECKED : 0) |
                (item->default_ ? MFS_DEFAULT : 0);
  info.wID = item->command_;
  // Owner-drawn, the item has no text: a screen reader reads it from here.
  item->accessibleText_.Set(item->IsLine() ? std::wstring() : text);
  info.dwItemData = item->accessibleText_.Data();
  if (item->HasSubMenu()) {
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = item->Handle();
  }
  InsertMenuItemW(handle_, UINT(position), TRUE, &info);
}

void TMenuItem::RebuildHandle() {
  if (!handle_) return;
  // RemoveMenu keeps the sub-items' own menus alive (DeleteMenu would destroy them).
  while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  for (TMenuItem* item : items_)
    if (item->visible_) InsertSystemItem(GetMenuItemCount(handle_), item);
}

void TMenuItem::Changed() {
  if (InState(csDestroying)) return;
  if (parent_) parent_->SubItemsChanged();
}

void TMenuItem::SubItemsChanged() {
  if (InState(csDestroying)) return;
  RebuildHandle();
  if (TMenu* menu = GetParentMenu(); menu && !menu->InState(csDestroying) && !menu->InState(csLoading))
    menu->MenuChanged();
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::DrawItem(TCanvas& canvas, RECT rect, bool selected) {
  if (OnDrawItem) OnDrawItem(this, canvas, rect, selected);
  else DefaultDrawItem(canvas, rect, selected);
}

bool TMenuItem::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Caption") SetCaption(value.AsWide());
  else if (name == "ShortCut") SetShortCut(TShortCut(value.AsInt()));
  else if (name == "Checked") SetChecked(value.AsBool());
  else if (name == "Default") SetDefault(value.AsBool());
  else if (name == "Enabled") SetEnabled(value.AsBool());
  else if (name == "Visible") SetVisible(value.AsBool());
  else if (name == "ImageIndex") SetImageIndex(value.AsInt());
  else if (name == "Tag") Tag = value.AsInt();
  else if (name == "OnClick") OnClick = reader.FindEvent<TNotifyEvent>(value);
  else if (name == "OnDrawItem") OnDrawItem = reader.FindEvent<TMenuDrawItemEvent>(value);
  else if (name == "OnMeasureItem") OnMeasureItem = reader.FindEvent<TMenuMeasureItemEvent>(value);
  else return TComponent::SetProperty(name, value, reader);
  return true;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
  else if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

// ---------------------------------------------------------------- TMenu

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
  Destroying();
  SetImages(nullptr);
  delete items_;
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == ownerDraw_) return;
  ownerDraw_ = value;
  RebuildAll();
}

void TMenu::SetRightToLeft(bool value) {
  if (value == rightToLeft_) return;
  rightToLeft_ = value;
  RebuildAll();
}

void TMenu::SetImages(TImageList* images) {
  if (images == images_) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images_) images_->FreeNotification(this);
  if (!InState(csDestroying)) RebuildAll();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TMenu::RebuildAll() {
  const std::function<void(TMenuItem*)> rebuild = [&](TMenuItem* item) {
    for (int i = 0; i < item->Count(); ++i) rebuild(item->Items(i));
    item->RebuildHandle();
  };
  rebuild(items_);
  if (!InState(csLoading) && !InState(csDestroying)) MenuChanged();
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) const {
  const std::function<TMenuItem*(TMenuItem*)> find = [&](TMenuItem* item) -> TMenuItem* {
    for (TMenuItem* sub : item->items_) {
      bool match = false;
      switch (kind) {
        case fkCommand: match = sub->command_ == value; break;
        case fkHandle: match = sub->handle_ && reinterpret_cast<UINT_PTR>(sub->handle_) == value; break;
        case fkShortCut: match = sub->shortCut_ != scNone && sub->shortCut_ == value; break;
      }
      if (match) return sub;
      if (TMenuItem* found = find(sub)) return found;
    }
    return nullptr;
  };
  return find(items_);
}

bool TMenu::IsShortCut(WORD key, TShiftState shift) {
  const TShortCut shortCut = ui::ShortCut(key, shift);
  if (shortCut == scNone) return false;
  TMenuItem* item = FindItem(shortCut, fkShortCut);
  if (!item) return false;
  // Only an item the user could reach: it and every level above enabled and visible.
  for (const TMenuItem* p = item; p && p->Parent(); p = p->Parent())
    if (!p->Enabled() || !p->Visible()) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command, fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

int TMenu::Dpi() const {
  if (const auto* bar = dynamic_cast<const TMainMenu*>(this); bar && bar->Form()) return bar->Form()->Dpi();
  for (const TComponent* owner = Owner(); owner; owner = owner->Owner())
    if (const auto* control = dynamic_cast<const TControl*>(owner)) return control->Dpi();
  return SystemDpi();
}

bool TMenu::DispatchMeasureItem(MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU) return false;
  TMenuItem* item = FindItem(measure.itemID, fkCommand);
  if (!item) return false;
  HDC dc = GetDC(nullptr);
  {
    TCanvas canvas(dc);
    int width = int(measure.itemWidth), height = int(measure.itemHeight);
    item->MeasureItem(canvas, width, height);
    measure.itemWidth = UINT(std::max(width, 0));
    measure.itemHeight = UINT(std::max(height, 0));
  }
  ReleaseDC(nullptr, dc);
  return true;
}

bool TMenu::DispatchDrawItem(const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU) return false;
  TMenuItem* item = FindItem(draw.itemID, fkCommand);
  if (!item) return false;
  const int saved = SaveDC(draw.hDC);
  TCanvas canvas(draw.hDC);
  item->DrawItem(canvas, draw.rcItem, (draw.itemState & ODS_SELECTED) != 0);
  RestoreDC(draw.hDC, saved);
  return true;
}

bool TMenu::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "OwnerDraw") SetOwnerDraw(value.AsBool());
  else if (name == "Images") reader.ReadReference<TImageList>(value, [this](TImageList* i) { SetImages(i); });
  else if (name == "BiDiMode")
    SetRightToLeft(value.AsIdent() == "bdRightToLeft" || value.AsIdent() == "bdRightToLeftNoAlign" ||
                   value.AsIdent() == "bdRightToLeftReadingOnly");
  else if (name == "RightToLeft") SetRightToLeft(value.AsBool());
  else return TComponent::SetProperty(name, value, reader);
  return true;
}

// ---------------------------------------------------------------- TMainMenu

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) { SetMenuBar(true); }

TMainMenu::~TMainMenu() {
  if (form_) form_->SetMenu(nullptr);
}

void TMainMenu::MenuChanged() {
  if (!form_ || !form_->HandleAllocated()) return;
  HWND wnd = form_->Handle();
  // Whoever took the menu off the window (a skinned menu bar) rebuilds from it.
  if (GetMenu(wnd) != Handle()) ::SetMenu(wnd, Handle());
  DrawMenuBar(wnd);
  SendMessageW(wnd, CM_MENUCHANGED, 0, 0);
}

// ---------------------------------------------------------------- TPopupMenu

namespace {

// The owner of shown popup menus: their WM_COMMAND, WM_MEASUREITEM and
// WM_DRAWITEM come here and go on to the items.
LRESULT CALLBACK PopupWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  try {
    switch (msg) {
      case WM_COMMAND:
        if (HIWORD(wParam) == 0 && lParam == 0)
          for (TPopupMenu* menu : std::vector<TPopupMenu*>(PopupMenus()))
            if (menu->DispatchCommand(LOWORD(wParam))) return 0;
        break;
      case WM_MEASUREITEM:
        for (TPopupMenu* menu : PopupMenus())
          if (menu->DispatchMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
        break;
      case WM_DRAWITEM:
        for (TPopupMenu* menu : PopupMenus())
          if (menu->DispatchDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        break;
      default:
        break;
    }
  } catch (const std::exception& e) {
    HandleException(e);
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

}  // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) { PopupMenus().push_back(this); }

TPopupMenu::~TPopupMenu() {
  auto& list = PopupMenus();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

HWND TPopupMenu::Window() {
  static HWND window = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PopupWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TPopupList";
    RegisterClassExW(&wc);
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"TPopupList", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }();
  return window;
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  UINT flags = TPM_RIGHTBUTTON;
  switch (Alignment) {
    case paLeft: flags |= TPM_LEFTALIGN; break;
    case paRight: flags |= TPM_RIGHTALIGN; break;
    case paCenter: flags |= TPM_CENTERALIGN; break;
  }
  if (IsRightToLeft()) flags |= TPM_LAYOUTRTL;
  TrackPopupMenu(Handle(), flags, x, y, 0, Window(), nullptr);
}

bool TPopupMenu::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Alignment")
    Alignment = value.AsEnum<TPopupAlignment>({{"paLeft", paLeft}, {"paRight", paRight}, {"paCenter", paCenter}});
  else if (name == "AutoPopup") AutoPopup = value.AsBool();
  else if (name == "OnPopup") OnPopup = reader.FindEvent<TNotifyEvent>(value);
  else return TMenu::SetProperty(name, value, reader);
  return true;
}

// ---------------------------------------------------------------- shortcuts in the message loop

bool IsMenuShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  const WORD key = WORD(msg.wParam);
  if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) return false;
  const TShiftState shift = CurrentShift();
  TControl* control = nullptr;
  for (HWND wnd = msg.hwnd; wnd && !control; wnd = GetParent(wnd)) control = TWinControl::FindControl(wnd);
  for (TControl* c = control; c; c = c->Parent()) {
    if (TPopupMenu* popup = c->PopupMenu(); popup && popup->IsShortCut(key, shift)) return true;
    if (auto* form = dynamic_cast<TForm*>(c); form && form->Menu() && form->Menu()->IsShortCut(key, shift))
      return true;
  }
  // An MDI child's frame holds the menu bar.
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  auto* rootForm = dynamic_cast<TForm*>(TWinControl::FindControl(root));
  bool seen = false;
  for (TControl* c = control; c; c = c->Parent()) seen = seen || c == rootForm;
  return rootForm && !seen && rootForm->Menu() && rootForm->Menu()->IsShortCut(key, shift);
}

}  // namespace ui
