// TSkinListView: a list view's scroll bars skinned as any scrolling
// control's (the system drags their thumbs: a list view reads the track
// position from its bar, which only the system's drag keeps), and its column
// header, in report view, given a TSkinHeader.
#pragma once

#include <memory>

#include "skin/WinSubClass/SkinHeader.h"
#include "skin/WinSubClass/SkinScrollBar.h"

namespace skin {

class TSkinListView : public TSkinScrollBar {
 public:
  explicit TSkinListView(TWinSkinForm* owner) : TSkinScrollBar(owner) {}
  ~TSkinListView() override;
  std::string ClassName() const override { return "TSkinListView"; }

  // AttachScroll with DragThumb := `changeColor` (discovery passes false),
  // then the header companion.
  bool Attach(ui::TWinControl* control, TSkinSet* skinData, bool changeColor, ui::TCanvas* canvas) override;

  TSkinHeader* Header = nullptr;  // owned by the window companion (or by this one without it)

 protected:
  void Notification(ui::TComponent* component, ui::TOperation operation) override;

 private:
  void AttachHeader(TSkinSet* skinData, ui::TCanvas* canvas);

  std::unique_ptr<TSkinHeader> ownHeader_;  // only without a window companion
};

}  // namespace skin
