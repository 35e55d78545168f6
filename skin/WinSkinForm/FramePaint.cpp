// TWinSkinForm: the skinned frame's layout and painting.
//
// The client area sits inside the four skin borders (and the skinned menu bar
// under the title). Each border is composed off screen and put on the window
// in one blit; the title bar (top border, caption, caption buttons) is
// composed in FrameBitmap and put on the window in one blit, so the frame
// never shows half drawn.
#include <optional>
#include <utility>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/TitleBar.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/Frames.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin/draw/WindowText.h"

namespace skin {

namespace {

constexpr int kBorderLeft = 1;
constexpr int kBorderRight = 2;
constexpr int kBorderTop = 3;
constexpr int kBorderBottom = 4;

bool IsMdiChildNotNormal(const TWinSkinForm& form) {
  return form.FormKind == fkMdiChild && form.WindowState != wsNormal;
}

// The frame is the skin's only while the skin runs on a window that has a
// skinned frame; painters borrow the scratch bitmap, so nothing is painted
// before the program has made it.
bool FramePaintable(const TWinSkinForm& form) {
  return ScratchBitmap() && form.SkinData &&
         (form.SkinState == ssRunning || form.SkinState == ssReskinning) && form.BorderKind != bkNone &&
         !IsMdiChildNotNormal(form);
}

// The device context of a WM_NCPAINT: the window DC clipped to the update
// region. WM_NCPAINT's region stays the sender's, while GetDCEx takes over
// the one it is given, so it gets a copy. The whole-window value 1 is no
// region: it (like a failed GetDCEx) leaves Get() null, and the painter then
// takes the plain window DC.
class TNcPaintDC {
 public:
  TNcPaintDC(HWND wnd, WPARAM updateRegion) : wnd_(wnd) {
    if (updateRegion <= 1) return;
    ui::RegionHandle copy(CreateRectRgn(0, 0, 0, 0));
    if (!copy || CombineRgn(copy.Get(), reinterpret_cast<HRGN>(updateRegion), nullptr, RGN_COPY) == ERROR) return;
    dc_ = GetDCEx(wnd, copy.Get(), DCX_WINDOW | DCX_INTERSECTRGN);
    if (dc_) copy.Release();
  }
  ~TNcPaintDC() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  TNcPaintDC(const TNcPaintDC&) = delete;
  TNcPaintDC& operator=(const TNcPaintDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_ = nullptr;
};

void PaintFrameParts(TWinSkinForm& form, HDC dc) {
  RECT window{};
  if (!GetWindowRect(form.Handle, &window)) return;
  form.WindowRect = window;
  const int w = RectWidth(window), h = RectHeight(window);
  form.FrameWidth = w;
  form.DrawBorder(kBorderLeft, {0, 0, form.BorderLeft, h}, dc);
  form.DrawBorder(kBorderRight, {w - form.BorderRight, 0, w, h}, dc);
  form.DrawBorder(kBorderBottom, {form.BorderLeft, h - form.BorderBottom, w - form.BorderRight, h}, dc);
  form.PaintTitleBar(dc);
  if (form.SkinMenu)
    form.PaintMenuBar(dc, {form.BorderLeft, form.BorderTop, w - form.BorderRight, form.BorderTop + form.MenuBarHeight});
}

// When the window turns inactive, the old procedure paints the system's own
// inactive caption, which is taller than a low skin title bar and may reach
// into the top rows of the client area. The client repaints those rows
// itself: covering them with a plain fill would wipe what the client shows
// there wherever the system drew nothing.
void RepairBelowTitleBar(TWinSkinForm& form) {
  if (form.Active) return;
  const int systemCaptionBottom = form.SystemMetric(SM_CYCAPTION) + form.SystemMetric(SM_CXFRAME);
  const int rows = systemCaptionBottom - form.BorderTop - form.MenuBarHeight;
  if (rows <= 0) return;
  RECT client{};
  GetClientRect(form.Handle, &client);
  const RECT strip{0, 0, client.right, rows};
  RedrawWindow(form.Handle, &strip, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

void ComposeTitleBar(TWinSkinForm& form, int width, int height) {
  ComposeTitleBar(form, width, height, form.CurrentTitleBarKey(width, height));
}

void ComposeTitleBar(TWinSkinForm& form, int width, int height, TWinSkinForm::TTitleBarKey key) {
  // The current title bar becomes the one before, and the one before comes
  // back if it is this one.
  TWinSkinForm::TKeptTitleBar& before = form.PreviousTitleBar;
  form.FrameBitmap.Swap(before.Bitmap);
  std::swap(form.TitleBarKey, before.Key);
  std::swap(form.CaptionRect, before.CaptionRect);
  form.FrameWidth = width;
  if (!form.FrameBitmap.Empty() && form.TitleBarKey == key) {
    form.LayoutSysButtons();  // the buttons' places go with the width
    return;
  }
  form.TitleBarKey = std::move(key);
  ui::TBitmap& bar = form.FrameBitmap;
  bar.SetSize(width, form.BorderTop);
  if (bar.Empty()) return;
  HDC dc = bar.Canvas().Handle();
  // The top ends of the side borders, as PaintFrame puts them on the window.
  form.DrawBorder(kBorderLeft, {0, 0, form.BorderLeft, height}, dc);
  form.DrawBorder(kBorderRight, {width - form.BorderRight, 0, width, height}, dc);
  const RECT title{form.BorderLeft, 0, width - form.BorderRight, form.BorderTop};
  form.DrawBorder(kBorderTop, title, dc);
  form.DrawCaptionText(bar.Canvas(), title, form.TitleBarKey.Text);
  form.LayoutSysButtons();  // places the buttons by CaptionRect and FrameWidth
  form.PaintSysButtons(bar);
}

void TWinSkinForm::CalcFrameClient(ui::TMessage& message) {
  CallOld(message);
  if ((message.WParam & 0xFF) == 0) {
    message.Result = 0;  // the plain rectangle keeps what the old procedure computed
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
  message.Result = WVR_VALIDRECTS;
  if (IsMdiChildNotNormal() || BorderKind == bkNone || !params->lppos) {
    params->rgrc[1] = params->rgrc[0];
    return;
  }
  const WINDOWPOS& pos = *params->lppos;
  params->rgrc[0] = RECT{pos.x + BorderLeft, pos.y + BorderTop + MenuBarHeight, pos.x + pos.cx - BorderRight,
                         pos.y + pos.cy - BorderBottom};
  params->rgrc[1] = params->rgrc[0];
}

void TWinSkinForm::HandleNcPaint(ui::TMessage& message) {
  if (IsMdiChildNotNormal() || BorderKind == bkNone) {
    CallOld(message);
    return;
  }
  message.Result = 0;
  if (RegionAwaitsNewSize()) {
    framePaintDeferred_ = true;
    return;
  }
  framePaintDeferred_ = false;
  const TNcPaintDC dc(Handle, message.WParam);
  PaintFrame(dc.Get());
}

void TWinSkinForm::PaintFrame(HDC dc) {
  if (!FramePaintable(*this)) return;
  // A full repaint shows every object in its normal look, so none may stay
  // hot: a menu-bar item would keep a frame no mouse move takes off. Only the
  // item whose popup is open keeps its frame and its place until it closes.
  if (HotObject && !MenuTracking) {
    HotObject->State = ncsNormal;
    HotObject = nullptr;
  }
  std::optional<ui::WindowDC> windowDC;
  if (!dc) {
    windowDC.emplace(Handle, true);
    dc = windowDC->Get();
  }
  if (dc) {
    try {
      PaintFrameParts(*this, dc);
    } catch (...) {
      // A frame that fails to paint stays as it was; the message loop goes on.
    }
  }
}

TWinSkinForm::TTitleBarKey TWinSkinForm::CurrentTitleBarKey(int width, int height) {
  TTitleBarKey key{width, height, Active, WindowState, MenuBarHeight, 0, IconBitmap.Handle(), CaptionFont.Get(),
                   CaptionLead + GetWindowTextString(Handle)};
  if (const TSkinSet* skin = Skin(); skin && skin->Title) {
    const TDataSkinTitle& t = *skin->Title;
    const ui::TColor colour = Active ? skin->TitleTextActiveColour : skin->TitleTextInactiveColour;
    key.Caption = {t.TextAlignment, t.LeftWidth, t.TopHeight, t.RightWidth, t.TXTBackleft, t.TXTBackRight,
                   reinterpret_cast<std::intptr_t>(t.Bitmap.Handle()), std::intptr_t(colour)};
  }
  for (int i = 0; i < int(SysButtons.size()) && i < 32; ++i)
    if (UpdateSysButtonVisible(i)) key.VisibleButtons |= 1u << i;
  return key;
}

void TWinSkinForm::DropFrameCache() {
  FrameParts.Clear();
  PreviousTitleBar.Bitmap.Clear();
  PreviousTitleBar.Key = TTitleBarKey{};
  for (const auto& button : SysButtons) button->TitleBarLook.Clear();
  TitleBarKey = TTitleBarKey{};
}

void TWinSkinForm::PaintTitleBar(HDC dc) {
  // An unchanged title bar (size, look, text, buttons) is put on as composed
  // last time; its caption buttons keep their places.
  const int height = RectHeight(WindowRect);
  TTitleBarKey key = CurrentTitleBarKey(FrameWidth, height);
  if (FrameBitmap.Empty() || FrameBitmap.Width() != FrameWidth || !(key == TitleBarKey))
    ComposeTitleBar(*this, FrameWidth, height, std::move(key));  // the key read once: it reads the caption
  if (!FrameBitmap.Empty())
    BitBlt(dc, 0, 0, FrameWidth, BorderTop, FrameBitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  RepairBelowTitleBar(*this);
  SetBkMode(dc, OPAQUE);
}

ui::TBitmap* TWinSkinForm::BorderPart(int index, SIZE size) {
  if (size.cx <= 0 || size.cy <= 0 || index < kBorderLeft || index > kBorderBottom || !SkinData) return nullptr;
  TDataSkinBorder* border = Skin()->Borders[std::size_t(index - 1)].get();
  if (!border) return nullptr;
  const int frame = (Active || border->FrameCount == 1) ? 1 : 2;  // frame 2 is the inactive look
  ui::TBitmap* part = FrameParts.Get(border, index, frame, size);
  return part && !part->Empty() ? part : nullptr;
}

void TWinSkinForm::DrawBorder(int index, const RECT& rect, HDC dc) {
  const int w = RectWidth(rect), h = RectHeight(rect);
  ui::TBitmap* part = BorderPart(index, SIZE{w, h});
  if (!part) return;
  // Borders are always opaque; their key colour acts only through the window region.
  BitBlt(dc, rect.left, rect.top, w, h, part->Canvas().Handle(), 0, 0, SRCCOPY);
}

}  // namespace skin
