#include "skin/WinSubClass/SkinStatusBar.h"

#include <commctrl.h>

#include "skin/WinSkinData/SkinData.h"
#include "skin/draw/SkinDraw.h"
#include "ui/ComCtrls.h"

namespace skin {

namespace {

constexpr int kEdgeFrames = 3;

// Text and drawing type of panel `index` (SB_GETTEXT's high word).
std::wstring PanelText(HWND wnd, int index, WORD& type) {
  const LRESULT info = SendMessageW(wnd, SB_GETTEXTLENGTHW, WPARAM(index), 0);
  type = HIWORD(info);
  std::wstring text(LOWORD(info) + 1u, L'\0');
  SendMessageW(wnd, SB_GETTEXTW, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcsnlen(text.c_str(), text.size()));
  return text;
}

TPanelBevel BevelOfType(WORD type) {
  if (type & SBT_NOBORDERS) return pnNone;
  if (type & SBT_POPOUT) return pnRaised;
  return pnLowered;
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
  ui::BrushHandle brush(CreateSolidBrush(colour));
  FillRect(dc, &r, brush.Get());
}

}  // namespace

void SplitPanelText(std::wstring text, UINT& align, std::wstring& shown) {
  std::size_t tabs = 0;
  while (tabs < text.size() && tabs < 2 && text[tabs] == L'\t') ++tabs;
  align = tabs == 0 ? DT_LEFT : tabs == 1 ? DT_CENTER : DT_RIGHT;
  shown = text.substr(tabs);
}

bool TSkinStatusBar::BeforeDefault(ui::TMessage& message) { return !PaintInstead(message); }

bool TSkinStatusBar::SimpleMode() const {
  if (SendMessageW(Handle, SB_ISSIMPLE, 0, 0)) return true;
  const auto* bar = dynamic_cast<const ui::TStatusBar*>(Control);
  return bar && bar->Panels().empty();
}

std::vector<TPanelPaint> TSkinStatusBar::ReadPanels(const RECT& rect) const {
  std::vector<TPanelPaint> panels;
  if (SimpleMode()) {
    TPanelPaint panel;
    panel.Rect = rect;
    WORD type = 0;
    const auto* bar = dynamic_cast<const ui::TStatusBar*>(Control);
    panel.Text = bar ? bar->SimpleText() : PanelText(Handle, 0, type);
    panels.push_back(panel);  // left-aligned and lowered, whatever the text asks
    return panels;
  }
  const int count = int(SendMessageW(Handle, SB_GETPARTS, 0, 0));
  for (int i = 0; i < count && i < 256; ++i) {
    TPanelPaint panel;
    if (!SendMessageW(Handle, SB_GETRECT, WPARAM(i), reinterpret_cast<LPARAM>(&panel.Rect))) continue;
    WORD type = 0;
    SplitPanelText(PanelText(Handle, i, type), panel.Align, panel.Text);
    panel.Bevel = BevelOfType(type);
    panels.push_back(panel);
  }
  return panels;
}

void TSkinStatusBar::PaintSkin(HDC dc, const RECT& rect) {
  if (!SkinData || IsEmptyArea(rect)) return;
  ui::TBitmap* buffer = ScratchBitmap();
  ui::TBitmap own;
  if (!buffer) buffer = &own;
  buffer->SetSize(rect.right, rect.bottom);
  HDC target = buffer->Canvas().Handle();
  FillFace(target, rect);

  HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  ui::SelectGuard selectFont(target, font);
  TDataSkinObject* edges = SkinData->StatusBarEdges.get();
  if (edges) SetTextColor(target, Rgb(edges->NormalColour2));
  else if (Control) SetTextColor(target, Rgb(Control->Font().Color()));
  else SetTextColor(target, GetSysColor(COLOR_BTNTEXT));

  const bool skinned = edges && !edges->Bitmap.Empty();
  for (const TPanelPaint& panel : ReadPanels(rect)) {
    if (skinned) DrawSkinPanel(target, panel);
    else DrawPlainPanel(target, panel);
  }
  BitBlt(dc, rect.left, rect.top, RectWidth(rect), RectHeight(rect), target, rect.left, rect.top, SRCCOPY);
}

void TSkinStatusBar::DrawSkinPanel(HDC dc, const TPanelPaint& panel) const {
  if (IsInverted(panel.Rect)) return;
  TDataSkinObject& edges = *SkinData->StatusBarEdges;
  const RECT margins{edges.LeftWidth, edges.TopHeight, edges.RightWidth, edges.BottomHeight};
  DrawSlicedImage(dc, panel.Rect, edges.Bitmap, margins, false, edges.Tile != 0, false, kEdgeFrames, panel.Bevel);
  DrawPanelText(dc, panel.Rect, panel);
}

void TSkinStatusBar::DrawPlainPanel(HDC dc, const TPanelPaint& panel) const {
  RECT r = panel.Rect;
  if (IsInverted(r)) return;
  if (panel.Bevel != pnNone && RectWidth(r) > 1 && RectHeight(r) > 1) {
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF topLeft = panel.Bevel == pnLowered ? shadow : light;
    const COLORREF bottomRight = panel.Bevel == pnLowered ? light : shadow;
    FillSolid(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    InflateRect(&r, -1, -1);
  }
  DrawPanelText(dc, r, panel);
}

void TSkinStatusBar::DrawPanelText(HDC dc, const RECT& rect, const TPanelPaint& panel) const {
  // An empty panel measures as a space: its frame is all there is to see.
  // A long text stays inside its panel.
  ui::SavedDC saved(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  DrawControlText(dc, rect, panel.Align, true, panel.Text.empty() ? std::wstring(L" ") : panel.Text);
}

}  // namespace skin
