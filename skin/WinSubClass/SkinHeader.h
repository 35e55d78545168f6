// TSkinHeader: the column header of a skinned list view. The header paints
// itself, then every column button and the empty area right of the last
// column are painted over it from frame 1 of the skin's Headerbar image, with
// the column captions aligned as the columns say (4 pixels in from the side,
// or centred). Without a Headerbar image the header keeps its own look.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinHeader : public TSkinControl {
 public:
  explicit TSkinHeader(TWinSkinForm* owner) : TSkinControl(owner) {}
  std::string ClassName() const override { return "TSkinHeader"; }

  // The base hook, and the companion joins its owner's Controls.
  bool AttachWindow(HWND wnd, TSkinSet* skinData, ui::TCanvas* canvas) override;
  bool BeforeDefault(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // One column button: the skin frame over `r` and the caption of item `index`.
  void DrawHeaderItem(HDC dc, const RECT& r, int index);

 private:
  TDataSkinObject* HeaderImage() const;
};

}  // namespace skin
