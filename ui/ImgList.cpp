#include "ui/ImgList.h"

#include <algorithm>

#include "ui/Font.h"
#include "ui/FormReader.h"

namespace ui {

TImageList::TImageList(TComponent* owner) : TComponent(owner) { Recreate(); }

TImageList::~TImageList() {
  if (handle_) ImageList_Destroy(handle_);
}

void TImageList::Recreate() {
  if (handle_) ImageList_Destroy(handle_);
  handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4);
}

void TImageList::SetSize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  // In place: a tab control or menu holding the old handle would otherwise
  // draw from a destroyed list.
  if (!handle_ || !ImageList_SetIconSize(handle_, width_, height_)) Recreate();
}

int TImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

void TImageList::Clear() {
  if (handle_) ImageList_RemoveAll(handle_);
}

int TImageList::Add(TBitmap& bitmap, TColor maskColor) {
  if (!handle_ || bitmap.Empty() || bitmap.Width() < width_) return -1;
  const int count = bitmap.Width() / width_;
  // The list takes a copy of its own size; AddMasked blackens the masked
  // pixels of what it is given, so it never sees the caller's bitmap.
  HDC screen = GetDC(nullptr);
  HBITMAP strip = CreateCompatibleBitmap(screen, count * width_, height_);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  if (!strip || !dc) {
    if (strip) DeleteObject(strip);
    if (dc) DeleteDC(dc);
    return -1;
  }
  HGDIOBJ old = SelectObject(dc, strip);
  RECT all{0, 0, count * width_, height_};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  BitBlt(dc, 0, 0, count * width_, std::min(height_, bitmap.Height()), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  SelectObject(dc, old);
  DeleteDC(dc);
  const int first = maskColor == clNone ? ImageList_Add(handle_, strip, nullptr)
                                         : ImageList_AddMasked(handle_, strip, ColorToRGB(maskColor));
  DeleteObject(strip);
  return first;
}

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
  if (!handle_ || index < 0 || index >= Count()) return;
  if (enabled) {
    ImageList_Draw(handle_, index, dc, x, y, ILD_TRANSPARENT);
    return;
  }
  HICON icon = ImageList_GetIcon(handle_, index, ILD_TRANSPARENT);
  if (!icon) return;
  DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, width_, height_, DST_ICON | DSS_DISABLED);
  DestroyIcon(icon);
}

bool TImageList::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Width") SetWidth(value.AsInt());
  else if (name == "Height") SetHeight(value.AsInt());
  else if (name == "MaskColor") maskColor_ = ColorFromValue(value);
  else return TComponent::SetProperty(name, value, reader);
  return true;
}

bool TImageList::ReadBinaryProperty(std::string_view name, TStream& stream) {
  if (name != "Bitmap") return TComponent::ReadBinaryProperty(name, stream);
  TBitmap bitmap;
  if (!bitmap.LoadFromStream(stream)) throw EPropertyError("the image list's bitmap cannot be read");
  Add(bitmap, maskColor_);
  return true;
}

}  // namespace ui
