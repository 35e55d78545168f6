#include "skin/WinSkinForm/WinSkinMenu.h"

#include <algorithm>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSkinForm/WindowDpi.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin/draw/Slicing.h"
#include "skin/draw/Tiling.h"
#include "skin/manager/SkinManage.h"
#include "ui/KeyboardCues.h"
#include "ui/Menus.h"

namespace skin {

namespace {

constexpr int kCaptionChars = 80;  // the longest item text read from a menu
constexpr int kItemPadding = 10;   // added to a caption's width
constexpr int kMdiVisibility = 100;

HFONT CreateMenuFont(int dpi) {
  NONCLIENTMETRICSW metrics;
  if (!NonClientMetricsForDpi(metrics, dpi)) return nullptr;
  return CreateFontIndirectW(&metrics.lfMenuFont);
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// The bar's text colours: a disabled caption that would not show on the bar
// (the skin gives its shadow colour as the text colour) takes the system's.
COLORREF CaptionColour(const TSkinSet& skin, bool enabled) {
  if (enabled) return ui::ColorToRGB(skin.MenuBarTextColour);
  const ui::TColor shadow = ui::ColorToRGB(skin.ButtonShadowColour);
  return shadow == ui::ColorToRGB(skin.MenuBarTextColour) ? GetSysColor(COLOR_BTNSHADOW) : shadow;
}

}  // namespace

// ---------------------------------------------------------------- TMenuBtn

TMenuBtn::TMenuBtn(TWinSkinForm* skinForm, int index) : TNCObject(skinForm), Index(index) {
  Visible = true;
}

void TMenuBtn::DrawState() {
  TWinSkinMenu* bar = SkinForm ? SkinForm->SkinMenu : nullptr;
  const TSkinSet* skin = SkinForm ? SkinForm->Skin() : nullptr;
  if (!bar || bar->BarBackground.Empty() || !skin) return;
  const RECT& barRect = bar->BarRect;
  const int left = std::max(Rect.left, barRect.left), right = std::min(Rect.right, barRect.right);
  const int w = right - left, h = Height(barRect);
  if (w <= 0 || h <= 0) return;
  // The column is composed off screen from the saved background and put on
  // the window in one blit: the other items are not touched.
  ui::TBitmap column;
  column.SetSize(w, h);
  if (column.Empty()) return;
  HDC cdc = column.Canvas().Handle();
  BitBlt(cdc, 0, 0, w, h, bar->BarBackground.Canvas().Handle(), left - barRect.left, 0, SRCCOPY);
  const RECT item{Rect.left - left, Rect.top - barRect.top, Rect.right - left, Rect.bottom - barRect.top};
  if (State == ncsPressed || State == ncsHot) {
    ui::BrushHandle brush(CreateSolidBrush(ui::ColorToRGB(skin->ButtonHilightColour)));
    FrameRect(cdc, &item, brush.Get());
  }
  bar->DrawCaption(cdc, item, Caption, Enabled);
  HDC dc = GetWindowDC(SkinForm->Handle);
  if (!dc) return;
  BitBlt(dc, left, barRect.top, w, h, cdc, 0, 0, SRCCOPY);
  ReleaseDC(SkinForm->Handle, dc);
}

// ---------------------------------------------------------------- TWinSkinMenu

TWinSkinMenu::TWinSkinMenu(TWinSkinForm* owner)
    : ui::TComponent(owner), SkinForm(owner), font_(CreateMenuFont(owner ? owner->Dpi : 96)) {}

void TWinSkinMenu::DpiChanged() { font_.Reset(CreateMenuFont(SkinForm ? SkinForm->Dpi : 96)); }

TWinSkinMenu::~TWinSkinMenu() {
  Destroying();
  ForgetTrackingMenu(this);
  SetMenu(nullptr);
  FreeItems();
}

void TWinSkinMenu::SetMenu(ui::TMainMenu* menu) {
  if (menu == Menu) return;
  if (Menu) Menu->RemoveFreeNotification(this);
  Menu = menu;
  if (Menu) Menu->FreeNotification(this);
}

void TWinSkinMenu::Notification(ui::TComponent* component, ui::TOperation operation) {
  ui::TComponent::Notification(component, operation);
  if (operation == ui::opRemove && component == Menu) Menu = nullptr;
}

void TWinSkinMenu::FreeItems() {
  if (SkinForm)
    for (const auto& item : Items)
      if (SkinForm->HotObject == item.get()) SkinForm->HotObject = nullptr;
  Items.clear();
}

void TWinSkinMenu::BuildItems() {
  HWND wnd = SkinForm->Handle;
  // A window without a menu now (its form dropped it) ends with an empty bar.
  MenuHandle = GetMenu(wnd);
  FreeItems();
  ItemCount = MenuHandle ? GetMenuItemCount(MenuHandle) : -1;
  if (ItemCount <= 0) return;
  for (int i = 0; i < ItemCount; ++i) ReadItem(i);
  if (GetMenu(wnd)) ::SetMenu(wnd, nullptr);  // no system menu bar any more
}

void TWinSkinMenu::ReadItem(int position) {
  auto item = std::make_unique<TMenuBtn>(SkinForm, position);
  wchar_t text[kCaptionChars + 1] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = kCaptionChars;
  if (GetMenuItemInfoW(MenuHandle, UINT(position), TRUE, &info)) {
    item->SubMenu = info.hSubMenu;
    item->Enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    item->Command = info.wID;
    item->Caption = text;
  }
  // An owner-drawn framework item has no text of its own: its caption is the item's.
  if (item->Caption.empty() && Menu) {
    if (ui::TMenuItem* source = Menu->FindItem(item->Command, ui::fkCommand);
        source && source->Parent() == Menu->Items()) {
      item->Caption = source->Caption();
      item->Enabled = source->Enabled();
      item->SubMenu = source->HasSubMenu() ? source->Handle() : nullptr;
    }
  }
  Items.push_back(std::move(item));
}

void TWinSkinMenu::GiveMenuBack() {
  RestoreItemTypes();
  HWND wnd = SkinForm->Handle;
  if (MenuHandle && IsMenu(MenuHandle) && IsWindow(wnd) && !GetMenu(wnd)) ::SetMenu(wnd, MenuHandle);
}

void TWinSkinMenu::RestoreItemTypes() {
  for (const TOwnerDrawnItem& changed : OwnerDrawnItems) {
    if (!IsMenu(changed.Menu)) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_DATA;
    if (!GetMenuItemInfoW(changed.Menu, changed.Position, TRUE, &info)) continue;
    MENUITEMINFOW type{};
    type.cbSize = sizeof(type);
    // The text given goes, whatever became of the item: it is freed below.
    if (changed.GivenData && info.dwItemData == changed.GivenData) type.fMask |= MIIM_DATA;
    // The look only of the very item that was changed: its owner may have
    // rebuilt the menu since.
    if (info.wID == changed.Id && info.hSubMenu == changed.SubMenu && (info.fType & MFT_OWNERDRAW)) {
      type.fMask |= MIIM_FTYPE;
      type.fType = info.fType & ~UINT(MFT_OWNERDRAW);
    }
    if (type.fMask) SetMenuItemInfoW(changed.Menu, changed.Position, TRUE, &type);
  }
  OwnerDrawnItems.clear();
  ItemTexts.clear();
}

void TWinSkinMenu::DrawCaption(HDC dc, const RECT& rect, const std::wstring& text, bool enabled) const {
  const TSkinSet* skin = SkinForm ? SkinForm->Skin() : nullptr;
  if (text.empty() || !skin) return;
  HGDIOBJ oldFont = SelectObject(dc, font_ ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, CaptionColour(*skin, enabled));
  const ui::TCueText shown = ui::WithCues(SkinForm->Handle, text, DT_CENTER | DT_EXPANDTABS | DT_SINGLELINE);
  RECT measured = rect;
  DrawTextW(dc, shown.Text.c_str(), int(shown.Text.size()), &measured, shown.Format | DT_CALCRECT | DT_NOCLIP);
  const int dx = (Width(rect) - Width(measured)) / 2, dy = (Height(rect) - Height(measured)) / 2;
  RECT place{rect.left + dx, rect.top + dy, rect.left + dx + Width(measured), rect.top + dy + Height(measured)};
  DrawTextW(dc, shown.Text.c_str(), int(shown.Text.size()), &place, shown.Format);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

void TWinSkinMenu::PaintMenuBar(HDC dc, const RECT& rect) {
  ui::TBitmap* scratch = ScratchBitmap();
  const int w = Width(rect), h = Height(rect);
  const TSkinSet* set = SkinForm ? SkinForm->Skin() : nullptr;
  if (!scratch || !set || w <= 0 || h <= 0) return;
  scratch->SetSize(w, h);
  if (scratch->Empty()) return;
  HDC sdc = scratch->Canvas().Handle();
  const RECT all{0, 0, w, h};

  int x = 6;
  TDataSkinObject* skin = set->MenuBar.get();
  if (skin && !skin->Bitmap.Empty()) {
    const int frame = SkinForm->Active ? 1 : 2;  // two frames, one above the other
    const RECT margins{skin->LeftWidth, skin->TopHeight, skin->RightWidth, skin->BottomHeight};
    if (skin->Tile == 1) DrawSlicedImage(sdc, all, skin->Bitmap, margins, true, false, false, 2, frame);
    else DrawTiledStrip(scratch->Canvas(), all, skin->Bitmap, margins, true, false, 2, frame);
    x = skin->LeftWidth + 4;
    if (w < x || x < 0) x = 12;  // a narrow bar, or a negative margin from bad skin data
  } else {
    ui::BrushHandle brush(CreateSolidBrush(ui::ColorToRGB(set->MenubarColour)));
    FillRect(sdc, &all, brush.Get());
  }
  BarRect = rect;
  BarBackground.Assign(*scratch);

  HGDIOBJ oldFont = SelectObject(sdc, font_ ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
  for (const auto& item : Items) {
    RECT measured{0, 0, 0, 0};
    if (!item->Caption.empty())
      DrawTextW(sdc, item->Caption.c_str(), int(item->Caption.size()), &measured,
                DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    const int iw = Width(measured) + kItemPadding;
    const RECT inBar{x, 0, x + iw, h - 1};
    DrawCaption(sdc, inBar, item->Caption, item->Enabled);
    item->Rect = RECT{x + rect.left, rect.top, x + rect.left + iw, rect.bottom - 1};
    // A hot or open item keeps its frame through a repaint of the whole bar.
    if (item->State == ncsPressed || item->State == ncsHot) {
      ui::BrushHandle brush(CreateSolidBrush(ui::ColorToRGB(set->ButtonHilightColour)));
      FrameRect(sdc, &inBar, brush.Get());
    }
    x += iw;
  }
  SelectObject(sdc, oldFont);
  DrawMdiButtons(sdc);
  BitBlt(dc, rect.left, rect.top, w, h, sdc, 0, 0, SRCCOPY);
}

// The buttons of a maximised MDI child sit in the bar of its frame.
void TWinSkinMenu::DrawMdiButtons(HDC dc) {
  if (!SkinForm->MdiChildMaximized()) return;
  for (const auto& button : SkinForm->SysButtons) {
    TDataSkinSysButton* entry = button->SkinButton.get();
    if (!entry || entry->Visibility != kMdiVisibility || entry->Bitmap.Empty()) continue;
    const RECT& r = button->Rect;
    const RECT inBar{r.left - SkinForm->BorderLeft, r.top - SkinForm->BorderTop, r.right - SkinForm->BorderLeft,
                     r.bottom - SkinForm->BorderTop};
    DrawImageFrame(dc, inBar, entry->Bitmap, true, entry->SafeFrameCount(), 1);
  }
  TSkinManage* manager = SkinManage();
  if (manager && !manager->MdiMaximized) manager->SetMdiMax(true);
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT framePoint) const {
  for (const auto& item : Items)
    if (!item->Caption.empty() && PtInRect(&item->Rect, framePoint)) return item.get();
  return nullptr;
}

TMenuBtn* TWinSkinMenu::FindAccelItem(WPARAM key) const {
  for (const auto& item : Items)
    if (item->Enabled && ui::IsAccel(key, item->Caption)) return item.get();
  return nullptr;
}

void TWinSkinMenu::ClickMenuItem(TMenuBtn* item, bool byKey) {
  if (!item) return;
  RECT window{};
  if (!GetWindowRect(SkinForm->Handle, &window)) return;
  KeyOpenIndex = byKey ? item->Index : -1;
  SkinForm->WindowRect = window;
  const int x = item->Rect.left + window.left + 1, y = item->Rect.top + window.top + 1;
  PostMessageW(SkinForm->Handle, WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(x, y));
}

}  // namespace skin
