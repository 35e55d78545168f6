// The gallery's page of tabs: a page control with icons on its tabs and a
// control on each sheet, tab controls with their tabs at the bottom, the left
// and the right, one with more tabs than fit (the scroll arrows show) and a
// disabled one.
#pragma once

#include "ui/Form.h"
#include "ui/ImgList.h"
#include "ui/TabCtrls.h"

namespace gallery {

class TTabsPage : public ui::TForm {
 public:
  explicit TTabsPage(ui::TComponent* owner);
  ~TTabsPage() override;
  std::string ClassName() const override { return "TTabsPage"; }

  ui::TPageControl* Pages = nullptr;
  ui::TTabControl* TabsMany = nullptr;
  ui::TImageList* Icons = nullptr;  // the page control's tab icons
};

}  // namespace gallery
