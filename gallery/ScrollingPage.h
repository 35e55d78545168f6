// The gallery's page of scrolling controls: a multi-line edit and a list box
// with both scroll bars (and a disabled list box), horizontal and vertical
// scroll bar controls (and disabled ones), and a report-style list view whose
// columns (captions left, centred and right) leave part of its header empty.
#pragma once

#include "ui/EditCtrls.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/ListView.h"
#include "ui/ScrollBar.h"

namespace gallery {

class TScrollingPage : public ui::TForm {
 public:
  explicit TScrollingPage(ui::TComponent* owner);
  ~TScrollingPage() override;
  std::string ClassName() const override { return "TScrollingPage"; }

  ui::TMemo* Memo = nullptr;
  ui::TListBox* Lines = nullptr;
  ui::TListView* Files = nullptr;
  ui::TScrollBar* HorzBar = nullptr;
  ui::TScrollBar* VertBar = nullptr;
};

}  // namespace gallery
