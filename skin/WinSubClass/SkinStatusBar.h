// TSkinStatusBar: a status bar painted wholly by the companion, on the
// skin's face colour: each panel framed by its bevel from the
// StatusBarEdges strip (1 lowered, 2 raised, 3 none) or, without that
// image, with plain 3D edges in the system colours; the panel texts in
// StatusBarEdges' NormalColour2. In simple mode one lowered panel spans the
// bar. Panel settings are read from the window (SB_GETPARTS, SB_GETRECT,
// SB_GETTEXT), so framework and bare status bars are painted alike.
#pragma once

#include <string>
#include <vector>

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

enum TPanelBevel { pnLowered = 1, pnRaised = 2, pnNone = 3 };

// One panel as it is painted.
struct TPanelPaint {
  RECT Rect{};
  std::wstring Text;
  UINT Align = DT_LEFT;  // DT_LEFT, DT_CENTER or DT_RIGHT
  TPanelBevel Bevel = pnLowered;
};

class TSkinStatusBar : public TSkinControl {
 public:
  explicit TSkinStatusBar(TWinSkinForm* owner) : TSkinControl(owner) {}
  std::string ClassName() const override { return "TSkinStatusBar"; }

  bool BeforeDefault(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // The panels to paint in a bar of `rect` (one in simple mode).
  std::vector<TPanelPaint> ReadPanels(const RECT& rect) const;

 private:
  bool SimpleMode() const;
  void DrawSkinPanel(HDC dc, const TPanelPaint& panel) const;
  void DrawPlainPanel(HDC dc, const TPanelPaint& panel) const;
  void DrawPanelText(HDC dc, const RECT& rect, const TPanelPaint& panel) const;
};

// A status-bar text split into its alignment (leading tabs: one centres,
// two right-justify) and the text shown.
void SplitPanelText(std::wstring text, UINT& align, std::wstring& shown);

}  // namespace skin
