#include "skin/WinSubClass/SkinTab.h"

#include <algorithm>
#include <array>
#include <utility>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSubClass/SkinUpDown.h"
#include "skin/draw/SkinDraw.h"
#include "ui/KeyboardCues.h"

namespace skin {

namespace {

constexpr int kTextLimit = 80;  // characters of a tab caption read back
constexpr int kMaxTabs = 4096;  // more items than this are not drawn

DWORD StyleOf(HWND wnd) { return DWORD(GetWindowLongPtrW(wnd, GWL_STYLE)); }

// `image` as a 24-bit copy of `source`.
void CopyImage24(ui::TBitmap& image, const ui::TBitmap& source) {
  image.Assign(source);
  image.SetPixelFormat(ui::TPixelFormat::pf24bit);
}

bool Intersects(const RECT& a, const RECT& b) {
  RECT common{};
  return IntersectRect(&common, &a, &b) != FALSE;
}

// The window rectangle of `child` relative to `parent`'s window.
RECT WindowRectIn(HWND child, HWND parent) {
  RECT r{}, p{};
  if (!GetWindowRect(child, &r) || !GetWindowRect(parent, &p)) return RECT{};
  OffsetRect(&r, -p.left, -p.top);
  return r;
}

// The inside of the page frame, which the frame leaves alone.
RECT FrameInside(const RECT& page, const ui::TBitmap& border, TTabOrientation orientation) {
  const TFrame frame = SelectFrame(border, false, 1, 1);
  const RECT m = CollapseMargins(FitMarginsToFrame(TabBorderMargins(orientation), frame), RectWidth(page),
                                 RectHeight(page));
  return RECT{page.left + m.left, page.top + m.top, page.right - m.right, page.bottom - m.bottom};
}

}  // namespace

TSkinTab::TSkinTab(TWinSkinForm* owner) : TSkinControl(owner) {}

TSkinTab::~TSkinTab() { TSkinTab::Detach(); }

void TSkinTab::Detach() {
  TSkinControl::Detach();
  if (TSkinUpDown* arrows = std::exchange(UpDown, nullptr)) {
    arrows->RemoveFreeNotification(this);
    arrows->Release();
  }
}

bool TSkinTab::AttachWindow(HWND wnd, TSkinSet* skinData, ui::TCanvas* canvas) {
  if (!TSkinControl::AttachWindow(wnd, skinData, canvas)) return false;
  Focused = GetFocus() == Handle;
  Enabled = (StyleOf(Handle) & WS_DISABLED) == 0;
  Caption = GetWindowTextString(Handle);
  PrepareImages();
  FindTabUpDown();
  return true;
}

void TSkinTab::Reskin() {
  PrepareImages();
  TSkinControl::Reskin();
}

void TSkinTab::PrepareImages() {
  if (Handle) Orientation = TabOrientation(StyleOf(Handle));
  // Nothing of an earlier skin may stay behind.
  TabImage.Clear();
  BorderImage.Clear();
  TDataSkinBorder* tabs = SkinData ? SkinData->Tabs.get() : nullptr;
  if (!tabs || tabs->Bitmap.Empty() || tabs->Bitmap2.Empty()) return;
  CopyImage24(TabImage, tabs->Bitmap);
  CopyImage24(BorderImage, tabs->Bitmap2);
  switch (Orientation) {
    case toBottom:
      FlipBitmapVertical(TabImage);
      FlipBitmapVertical(BorderImage);
      break;
    case toLeft: RotateBitmapLeft(BorderImage); break;
    case toRight: RotateBitmapRight(BorderImage); break;
    default: break;
  }
}

bool TSkinTab::FindTabUpDown() {
  if (!Handle) return false;
  const HWND wnd = FindWindowExW(Handle, nullptr, L"msctls_updown32", nullptr);
  if (!wnd) return false;
  if (!UpDown && SkinData && Attached()) {
    auto* arrows = new TSkinUpDown(OwnerForm());
    if (arrows->AttachWindow(wnd, SkinData, Canvas)) {
      if (TWinSkinForm* form = OwnerForm()) form->Controls.push_back(arrows);
      arrows->FreeNotification(this);
      UpDown = arrows;
      InvalidateRect(wnd, nullptr, FALSE);
    } else {
      arrows->Release();
    }
  }
  return (StyleOf(wnd) & WS_VISIBLE) != 0;
}

void TSkinTab::Notification(ui::TComponent* component, ui::TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == ui::opRemove && component && component == UpDown) UpDown = nullptr;
}

// --- Painting ------------------------------------------------------------------

void TSkinTab::PaintSkin(HDC dc, const RECT& rect) {
  TDataSkinBorder* tabs = SkinData ? SkinData->Tabs.get() : nullptr;
  if (!Handle || !tabs || tabs->Bitmap.Empty()) return;
  Enabled = (StyleOf(Handle) & WS_DISABLED) == 0;
  if (TabOrientation(StyleOf(Handle)) != Orientation) PrepareImages();  // moved to another side
  if (TabImage.Empty()) return;

  RECT display = rect;
  SendMessageW(Handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const RECT page = TabPageRect(display, Orientation);
  const RECT strip = TabStripRect(rect, page, Orientation);
  ComposeStrip(rect, page, strip);
  PutOnWindow(dc, rect, page, strip, !BorderImage.Empty());
}

void TSkinTab::ComposeStrip(const RECT& rect, const RECT& page, const RECT& strip) {
  const SIZE size = TabStripSize(strip, Orientation);
  Buffer.SetPixelFormat(ui::TPixelFormat::pf24bit);
  Buffer.SetSize(std::max<LONG>(size.cx, 0), std::max<LONG>(size.cy, 0));
  if (Buffer.Empty()) return;
  HDC dc = Buffer.Canvas().Handle();
  FillFace(dc, RECT{0, 0, Buffer.Width(), Buffer.Height()});
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  const HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  const int count = std::min(int(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0)), kMaxTabs);
  const int current = int(SendMessageW(Handle, TCM_GETCURFOCUS, 0, 0));
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
  try {
    for (int i = 0; i < count; ++i) DrawTab(i, rect, page, size, current, images);
  } catch (...) {
    if (oldFont) SelectObject(dc, oldFont);
    throw;
  }
  if (oldFont) SelectObject(dc, oldFont);
  if (Orientation == toRight) RotateBitmapRight(Buffer);
  else if (Orientation == toLeft) RotateBitmapLeft(Buffer);
}

void TSkinTab::DrawTab(int index, const RECT& rect, const RECT& page, SIZE size, int current, HIMAGELIST images) {
  std::array<wchar_t, kTextLimit + 1> text{};
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
  item.pszText = text.data();
  item.cchTextMax = kTextLimit;
  item.iImage = -1;
  if (!SendMessageW(Handle, TCM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item))) return;
  text.back() = L'\0';
  RECT itemRect{};
  if (!SendMessageW(Handle, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&itemRect))) return;
  const RECT t = MapTabToStrip(itemRect, rect, page, size, Orientation);
  // A tab scrolled out of view, or a rectangle the strip cannot hold (odd
  // data from the control), is not drawn: it would only build bitmaps
  // nobody sees.
  const RECT bounds{0, 0, size.cx, size.cy};
  if (IsEmptyArea(t) || !Intersects(t, bounds) || RectWidth(t) > 2 * size.cx + 64 || RectHeight(t) > 2 * size.cy + 64)
    return;

  TDataSkinBorder& tabs = *SkinData->Tabs;
  const int frame = index == current ? 2 : 1;
  HDC dc = Buffer.Canvas().Handle();
  const RECT margins{tabs.LeftWidth, tabs.TopHeight, tabs.RightWidth, tabs.BottomHeight};
  DrawSlicedImage(dc, t, TabImage, margins, false, tabs.Tile != 0, tabs.Trans != 0, tabs.SafeFrameCount(), frame);
  SetTextColor(dc, Rgb(frame == 2 ? tabs.MouseOverColour2 : tabs.NormalColour2));
  const std::wstring caption(text.data());
  if (images) DrawTabCaption(dc, t, caption, item.iImage, images);
  else DrawControlText(dc, t, DT_CENTER, Enabled, caption);
}

void TSkinTab::DrawTabCaption(HDC dc, const RECT& r, const std::wstring& text, int imageIndex,
                              HIMAGELIST images) const {
  int iconWidth = 0, iconHeight = 0;
  if (images && imageIndex >= 0 && imageIndex < ImageList_GetImageCount(images))
    ImageList_GetIconSize(images, &iconWidth, &iconHeight);
  const ui::TCueText shown = ui::WithCues(CueWindow(), text, DT_CENTER | DT_SINGLELINE | DT_EXPANDTABS);
  RECT measured = r;
  if (text.empty()) {
    measured.right = measured.left;  // an empty caption measures nothing
    measured.bottom = measured.top;
  } else {
    DrawTextW(dc, shown.Text.c_str(), int(shown.Text.size()), &measured, shown.Format | DT_CALCRECT | DT_NOCLIP);
  }
  const int dx = (RectWidth(r) - iconWidth - RectWidth(measured)) / 2;
  if (iconWidth > 0)
    ImageList_Draw(images, imageIndex, dc, r.left + dx, r.top + (RectHeight(r) - iconHeight) / 2, ILD_TRANSPARENT);
  OffsetRect(&measured, iconWidth + dx + 1, (RectHeight(r) - RectHeight(measured)) / 2);
  SetBkMode(dc, TRANSPARENT);
  if (!Enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  if (!text.empty()) DrawTextW(dc, shown.Text.c_str(), int(shown.Text.size()), &measured, shown.Format);
}

void TSkinTab::PutOnWindow(HDC dc, const RECT& rect, const RECT& page, const RECT& strip, bool withBorder) {
  ui::TBitmap composed;
  composed.SetPixelFormat(ui::TPixelFormat::pf24bit);
  composed.SetSize(RectWidth(rect), RectHeight(rect));
  if (composed.Empty()) return;
  HDC work = composed.Canvas().Handle();
  // The turned strip fits the strip's rectangle; never copy more than either holds.
  const int w = std::min<int>(Buffer.Width(), RectWidth(strip)), h = std::min<int>(Buffer.Height(), RectHeight(strip));
  if (w > 0 && h > 0) BitBlt(work, strip.left, strip.top, w, h, Buffer.Canvas().Handle(), 0, 0, SRCCOPY);

  ui::RegionHandle clip(CreateRectRgn(strip.left, strip.top, strip.left + std::max(w, 0), strip.top + std::max(h, 0)));
  if (withBorder && !IsEmptyArea(page)) {
    DrawSlicedBorder(work, page, BorderImage, TabBorderMargins(Orientation), false, false, 1, 1);
    const RECT inside = FrameInside(page, BorderImage, Orientation);
    ui::RegionHandle ring(CreateRectRgn(page.left, page.top, page.right, page.bottom));
    ui::RegionHandle hole(CreateRectRgn(inside.left, inside.top, inside.right, inside.bottom));
    if (!IsEmptyArea(inside)) CombineRgn(ring.Get(), ring.Get(), hole.Get(), RGN_DIFF);
    CombineRgn(clip.Get(), clip.Get(), ring.Get(), RGN_OR);
  }
  if (FindTabUpDown()) {
    const HWND arrows = FindWindowExW(Handle, nullptr, L"msctls_updown32", nullptr);
    const RECT a = WindowRectIn(arrows, Handle);
    ui::RegionHandle out(CreateRectRgn(a.left, a.top, a.right, a.bottom));
    CombineRgn(clip.Get(), clip.Get(), out.Get(), RGN_DIFF);
  }
  ui::SavedDC saved(dc);  // takes the clipping off again
  SelectClipRgn(dc, clip.Get());
  BitBlt(dc, rect.left, rect.top, RectWidth(rect), RectHeight(rect), work, 0, 0, SRCCOPY);
}

}  // namespace skin
