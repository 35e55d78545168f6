#include "skin/popup_menu/WinSkinPopMenu.h"

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WindowDpi.h"
#include "skin/draw/Slicing.h"
#include "skin/manager/SkinManage.h"
#include "ui/GdiHandles.h"

namespace skin {

TWinSkinPopMenu* PendingPopup = nullptr;

void BindPendingPopup(HMENU menu) {
  if (!PendingPopup || !menu) return;
  // A menu whose window is known already is not this popup's: an item of an
  // open parent menu was redrawn (its selection) after a sub-menu's frame.
  const TSkinManage* manager = SkinManage();
  if (TWinSkinPopMenu* bound = manager ? manager->FindPopupMenu(menu) : nullptr; bound && bound != PendingPopup)
    return;
  PendingPopup->MenuHandle = menu;
  PendingPopup = nullptr;
}

namespace {

SIZE WindowSize(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND wnd, TSkinData* skinData, HMENU menu) {
  Handle = wnd;
  SkinData = skinData ? &skinData->AtDpi(WindowDpi(wnd)) : nullptr;
  MenuHandle = menu;
  WndProcStub.Attach(wnd, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
    return PopupWndProc(msg, wParam, lParam);
  });
}

void TWinSkinPopMenu::Detach() {
  // A popup that goes must not be bound to the next menu drawn.
  if (PendingPopup == this) PendingPopup = nullptr;
  if (!WndProcStub.Attached()) return;
  WndProcStub.Detach();
  Background.Clear();
}

POINT TWinSkinPopMenu::ClientOffset() const {
  RECT window{};
  POINT client{0, 0};
  if (!GetWindowRect(Handle, &window) || !ClientToScreen(Handle, &client)) return POINT{kFrame, kFrame};
  return POINT{client.x - window.left, client.y - window.top};
}

LRESULT TWinSkinPopMenu::PopupWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  const TSkinManage* manager = SkinManage();
  if (!manager || !manager->Enabled) return WndProcStub.CallOld(msg, wParam, lParam);
  switch (msg) {
    case WM_DESTROY:
      Detach();
      return WndProcStub.CallOld(msg, wParam, lParam);
    case WM_NCPAINT:
      if (!CanPaint()) return WndProcStub.CallOld(msg, wParam, lParam);
      BuildBackground();
      MarkPendingIfUnbound();
      PaintPopupFrame();
      return 0;
    case WM_PAINT: {
      if (!CanPaint()) return WndProcStub.CallOld(msg, wParam, lParam);
      // The items may be drawn before any frame paint: they need the
      // background and the binding all the same.
      const SIZE size = WindowSize(Handle);
      if (Background.Width() != size.cx || Background.Height() != size.cy) BuildBackground();
      MarkPendingIfUnbound();
      const LRESULT result = WndProcStub.CallOld(msg, wParam, lParam);
      // Where the system frame lies inside the client area, the system has
      // just painted over ours.
      const POINT offset = ClientOffset();
      if (offset.x == 0 && offset.y == 0) PaintPopupFrame();
      return result;
    }
    case WM_PRINT:
      return PrintBackground(msg, wParam, lParam);
    default:
      return WndProcStub.CallOld(msg, wParam, lParam);
  }
}

bool TWinSkinPopMenu::CanPaint() const {
  return SkinData && !SkinData->Empty && SkinData->MenuBackground && !SkinData->MenuBackground->Bitmap.Empty();
}

void TWinSkinPopMenu::BuildBackground() {
  const SIZE size = WindowSize(Handle);
  TDataSkinObject& image = *SkinData->MenuBackground;
  const RECT margins{image.LeftWidth, image.TopHeight, image.RightWidth, image.BottomHeight};
  const auto sliced = CreateSlicedBitmap(RECT{0, 0, size.cx, size.cy}, image.Bitmap, margins, false,
                                         image.Tile != 0, 1, 1);
  Background.Assign(*sliced);
}

void TWinSkinPopMenu::MarkPendingIfUnbound() {
  if (MenuHandle) return;
  // The menu window tells its menu where the system answers MN_GETHMENU;
  // otherwise the first item drawn after this paint names it.
  MenuHandle = reinterpret_cast<HMENU>(SendMessageW(Handle, MN_GETHMENU, 0, 0));
  if (!IsMenu(MenuHandle)) MenuHandle = nullptr;
  if (!MenuHandle) PendingPopup = this;
}

void TWinSkinPopMenu::PaintPopupFrame() {
  if (Background.Empty()) return;
  const ui::WindowDC dc(Handle, true);
  if (!dc.Get()) return;
  const int w = Background.Width(), h = Background.Height();
  const HDC from = Background.Canvas().Handle();
  const auto copy = [&](int x, int y, int cx, int cy) {
    if (cx > 0 && cy > 0) BitBlt(dc.Get(), x, y, cx, cy, from, x, y, SRCCOPY);
  };
  copy(0, 0, w, kFrame);                         // top rows
  copy(0, h - kFrame, w, kFrame);                // bottom rows
  copy(0, kFrame, kFrame, h - 2 * kFrame);       // left columns between them
  copy(w - kFrame, kFrame, kFrame, h - 2 * kFrame);  // right columns
}

LRESULT TWinSkinPopMenu::PrintBackground(UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto target = reinterpret_cast<HDC>(wParam);
  if (!CanPaint() || !target) return WndProcStub.CallOld(msg, wParam, lParam);
  MarkPendingIfUnbound();
  BuildBackground();
  const int w = Background.Width(), h = Background.Height();
  BitBlt(target, 0, 0, w, h, Background.Canvas().Handle(), 0, 0, SRCCOPY);
  // The system prints the items inside the frame only; the caller's own clip
  // is given back afterwards.
  const ui::SavedDC saved(target);
  IntersectClipRect(target, kFrame, kFrame, w - kFrame, h - kFrame);
  return WndProcStub.CallOld(msg, wParam, lParam);
}

}  // namespace skin
