#include "skin/WinSubClass/SkinListView.h"

#include <commctrl.h>

namespace skin {

TSkinListView::~TSkinListView() {
  if (Header) Header->RemoveFreeNotification(this);
}

bool TSkinListView::Attach(ui::TWinControl* control, TSkinSet* skinData, bool changeColor, ui::TCanvas* canvas) {
  if (Attached()) return false;
  if (!AttachScroll(control, skinData, changeColor, canvas)) return false;
  AttachHeader(skinData, canvas);
  return true;
}

void TSkinListView::AttachHeader(TSkinSet* skinData, ui::TCanvas* canvas) {
  const auto header = reinterpret_cast<HWND>(SendMessageW(Handle, LVM_GETHEADER, 0, 0));
  // Only the report view shows its header; the other views may keep a hidden one.
  if (!header || (GetWindowLongPtrW(Handle, GWL_STYLE) & LVS_TYPEMASK) != LVS_REPORT) return;
  auto companion = std::make_unique<TSkinHeader>(OwnerForm());
  if (!companion->AttachWindow(header, skinData, canvas)) return;
  Header = companion.get();
  Header->FreeNotification(this);
  if (OwnerForm()) companion.release();  // the window companion owns it now
  else ownHeader_ = std::move(companion);
}

void TSkinListView::Notification(ui::TComponent* component, ui::TOperation operation) {
  TSkinScrollBar::Notification(component, operation);
  if (operation == ui::opRemove && component && component == Header) Header = nullptr;
}

}  // namespace skin
