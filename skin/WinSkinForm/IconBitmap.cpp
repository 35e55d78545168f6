// TWinSkinForm: the window's small icon on the key colour, shown by the icon
// caption buttons.
#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WindowDpi.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/Frames.h"
#include "skin/manager/SkinManage.h"

namespace skin {

namespace {

HICON WindowIcon(HWND wnd) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_BIG, 0));
  return icon;
}

// The default icon of the last registered main-form skin that has one.
const ui::TBitmap* LastMainformDefaultIcon() {
  const TSkinManage* manager = SkinManage();
  if (!manager) return nullptr;
  const ui::TBitmap* found = nullptr;
  for (const TSkinData* data : manager->SkinDatas)
    if (data->SkinFormtype == sfMainform && !data->DefaultIcon.Empty()) found = &data->DefaultIcon;
  return found;
}

}  // namespace

void TWinSkinForm::BuildIconBitmap() {
  DropFrameCache();  // the icon buttons' kept looks show the old icon
  const int width = SystemMetricForDpi(SM_CXSMICON, Dpi);
  const int height = SystemMetricForDpi(SM_CYSMICON, Dpi);
  ui::TBitmap square;
  square.SetSize(width, height);
  square.Fill(kKeyColour);
  IconBitmap.Assign(square);

  if (HICON icon = WindowIcon(Handle)) {
    auto copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE));
    if (!copy) copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, 0));
    DrawIconEx(square.Canvas().Handle(), 0, 0, copy ? copy : icon, width, height, 0, nullptr, DI_NORMAL);
    if (copy) DestroyIcon(copy);
    IconBitmap.Assign(square);
    return;
  }
  if (!SkinData) return;
  if (SkinData->DefaultIcon.Empty()) {
    if (const ui::TBitmap* other = LastMainformDefaultIcon()) IconBitmap.Assign(*other);
  } else {
    IconBitmap.Assign(SkinData->DefaultIcon);
  }
}

}  // namespace skin
