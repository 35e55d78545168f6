#include "ui/TabCtrls.h"

#include <algorithm>

#include "ui/FormParser.h"
#include "ui/FormReader.h"
#include "ui/TextConv.h"

namespace ui {

namespace {

// The system's tab and up-down classes exist once the common controls are
// set up for them.
void InitTabClasses() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_TAB_CLASSES | ICC_UPDOWN_CLASS;
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)done;
}

TTabPosition TabPositionFrom(const TPropertyValue& value) {
  return value.AsEnum<TTabPosition>({{"tpTop", tpTop}, {"tpBottom", tpBottom}, {"tpLeft", tpLeft}, {"tpRight", tpRight}});
}

constexpr DWORD kTabStyleMask = TCS_BOTTOM | TCS_VERTICAL | TCS_MULTILINE;

}  // namespace

DWORD TabPositionStyle(TTabPosition position) {
  switch (position) {
    case tpBottom: return TCS_BOTTOM;
    case tpLeft: return TCS_VERTICAL;
    case tpRight: return TCS_VERTICAL | TCS_BOTTOM;
    default: return 0;
  }
}

// ------------------------------------------------------- TCustomTabControl

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  TabStop = true;
  StoreBounds(0, 0, 289, 193);
}

TCustomTabControl::~TCustomTabControl() = default;

DWORD TCustomTabControl::TabStyle() const {
  DWORD style = TabPositionStyle(tabPosition_);
  // Tabs down a side always wrap: the system cannot scroll them.
  if (multiLine_ || (style & TCS_VERTICAL)) style |= TCS_MULTILINE;
  return style;
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
  InitTabClasses();
  TWinControl::CreateParams(params);
  params.SystemClass = WC_TABCONTROLW;
  params.Style |= TabStyle();
  if (TabStop) params.Style |= WS_TABSTOP;
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TCustomTabControl::CreateWnd() {
  TWinControl::CreateWnd();
  const HWND wnd = Handle();
  if (imageList_) SendMessageW(wnd, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imageList_));
  for (int i = 0; i < TabCount(); ++i) PutItem(i, true);
  SendMessageW(wnd, TCM_SETCURSEL, WPARAM(tabIndex_), 0);
}

void TCustomTabControl::UpdateStyle() {
  if (!HandleAllocated()) return;
  const HWND wnd = Handle();
  const DWORD style = (DWORD(GetWindowLongPtrW(wnd, GWL_STYLE)) & ~kTabStyleMask) | TabStyle();
  SetWindowLongPtrW(wnd, GWL_STYLE, LONG_PTR(style));
  SetWindowPos(wnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(wnd, nullptr, TRUE);
  Realign();
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
  if (position == tabPosition_) return;
  tabPosition_ = position;
  UpdateStyle();
}

void TCustomTabControl::SetMultiLine(bool value) {
  if (value == multiLine_) return;
  multiLine_ = value;
  UpdateStyle();
}

// Setting the same list again takes its current system list (a new size
// makes a new one).
void TCustomTabControl::SetImages(TImageList* images) {
  if (images != images_) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
  }
  SetImageListHandle(images_ ? images_->Handle() : nullptr);
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component && component == images_) {
    images_ = nullptr;
    SetImageListHandle(nullptr);
  }
}

void TCustomTabControl::SetImageListHandle(HIMAGELIST images) {
  imageList_ = images;
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  InvalidateRect(Handle(), nullptr, TRUE);
  Realign();
}

void TCustomTabControl::PutItem(int index, bool insert) {
  if (!HandleAllocated()) return;
  TTabItem& item = items_.at(std::size_t(index));
  TCITEMW tc{};
  tc.mask = TCIF_TEXT | TCIF_IMAGE;
  tc.pszText = item.Caption.data();
  tc.iImage = item.ImageIndex;
  SendMessageW(Handle(), insert ? TCM_INSERTITEMW : TCM_SETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&tc));
}

void TCustomTabControl::InsertTab(int index, const std::wstring& caption, int imageIndex) {
  index = std::clamp(index, 0, TabCount());
  items_.insert(items_.begin() + index, TTabItem{caption, imageIndex});
  PutItem(index, true);
  if (tabIndex_ >= index) ++tabIndex_;
  Realign();
}

void TCustomTabControl::DeleteTab(int index) {
  if (index < 0 || index >= TabCount()) return;
  items_.erase(items_.begin() + index);
  if (HandleAllocated()) SendMessageW(Handle(), TCM_DELETEITEM, WPARAM(index), 0);
  if (tabIndex_ > index) --tabIndex_;
  else if (tabIndex_ == index) tabIndex_ = std::min(index, TabCount() - 1);
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, WPARAM(tabIndex_), 0);
  Realign();
}

void TCustomTabControl::ClearTabs() {
  items_.clear();
  tabIndex_ = -1;
  if (HandleAllocated()) SendMessageW(Handle(), TCM_DELETEALLITEMS, 0, 0);
  Realign();
}

void TCustomTabControl::UpdateTab(int index, const std::wstring& caption, int imageIndex) {
  if (index < 0 || index >= TabCount()) return;
  items_[std::size_t(index)] = TTabItem{caption, imageIndex};
  PutItem(index, false);
  Realign();  // a longer caption may add a row
}

void TCustomTabControl::SelectTab(int index) {
  if (index < -1 || index >= TabCount()) index = -1;
  if (index == tabIndex_) return;
  tabIndex_ = index;
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, WPARAM(index), 0);
}

void TCustomTabControl::Change() {
  if (OnChange && !InState(csLoading)) OnChange(this);
}

RECT TCustomTabControl::TabRect(int index) {
  RECT r{};
  if (HandleAllocated() && index >= 0 && index < TabCount())
    SendMessageW(Handle(), TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

void TCustomTabControl::AdjustClientRect(RECT& rect) const {
  if (!HandleAllocated()) return;
  // The window exists, so Handle() creates nothing.
  SendMessageW(const_cast<TCustomTabControl*>(this)->Handle(), TCM_ADJUSTRECT, FALSE,
               reinterpret_cast<LPARAM>(&rect));
}

void TCustomTabControl::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY && m.LParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    if (header->code == TCN_SELCHANGING) {
      m.Result = 0;  // allowed
      return;
    }
    if (header->code == TCN_SELCHANGE) {
      tabIndex_ = int(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
      Change();
      return;
    }
  }
  TWinControl::WndProc(m);
}

void TCustomTabControl::Loaded() {
  TWinControl::Loaded();
  Realign();
}

bool TCustomTabControl::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "TabPosition") SetTabPosition(TabPositionFrom(value));
  else if (name == "MultiLine") SetMultiLine(value.AsBool());
  else if (name == "Images") reader.ReadReference<TImageList>(value, [this](TImageList* images) { SetImages(images); });
  else if (name == "OnChange") OnChange = reader.FindEvent<TNotifyEvent>(value);
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

// ------------------------------------------------------------- TTabControl

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner) {}

void TTabControl::SetTabs(const std::vector<std::wstring>& tabs) {
  const int index = TabIndex();
  tabs_ = tabs;
  ClearTabs();
  for (const std::wstring& tab : tabs_) InsertTab(TabCount(), tab, -1);
  SelectTab(index >= 0 && index < TabCount() ? index : (TabCount() > 0 ? 0 : -1));
}

void TTabControl::Loaded() {
  TCustomTabControl::Loaded();
  if (loadedIndex_ >= 0) SelectTab(loadedIndex_);
}

bool TTabControl::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Tabs") {
    SetTabs(SplitLines(value.AsWide()));
  } else if (name == "TabIndex") {
    loadedIndex_ = value.AsInt();
    SelectTab(loadedIndex_);
  } else {
    return TCustomTabControl::SetProperty(name, value, reader);
  }
  return true;
}

// --------------------------------------------------------------- TTabSheet

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  StoreBounds(0, 0, 200, 150);
  StoreVisible(false);  // shown when its tab is selected
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->pages_;
  const auto it = std::find(pages.begin(), pages.end(), this);
  return it == pages.end() ? -1 : int(it - pages.begin());
}

void TTabSheet::SetParent(TWinControl* parent) {
  if (pageControl_ && parent != pageControl_) pageControl_->RemovePage(this);
  TWinControl::SetParent(parent);
  if (auto* pages = dynamic_cast<TPageControl*>(parent); pages && pages != pageControl_) pages->InsertPage(this);
}

void TTabSheet::SetCaption(const std::wstring& caption) {
  TWinControl::SetCaption(caption);
  if (pageControl_) pageControl_->PageChanged(this);
}

void TTabSheet::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  if (pageControl_) pageControl_->PageChanged(this);
}

bool TTabSheet::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "ImageIndex") SetImageIndex(value.AsInt());
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

// ------------------------------------------------------------ TPageControl

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
  // The sheets outlive this part of the control: they must not call back.
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
}

TTabSheet* TPageControl::ActivePage() const {
  const int index = TabIndex();
  return index >= 0 && index < PageCount() ? pages_[std::size_t(index)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (!page || page->pageControl_ != this) return;
  SetActivePageIndex(page->PageIndex());
}

void TPageControl::SetActivePageIndex(int index) {
  SelectTab(index);
  ShowActivePage();
}

void TPageControl::InsertPage(TTabSheet* page) {
  page->pageControl_ = this;
  pages_.push_back(page);
  InsertTab(PageCount() - 1, page->Caption(), page->ImageIndex());
  if (TabIndex() < 0) SelectTab(0);
  ShowActivePage();
}

void TPageControl::RemovePage(TTabSheet* page) {
  const auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  const int index = int(it - pages_.begin());
  pages_.erase(it);
  page->pageControl_ = nullptr;
  DeleteTab(index);
  ShowActivePage();
}

void TPageControl::PageChanged(TTabSheet* page) {
  UpdateTab(page->PageIndex(), page->Caption(), page->ImageIndex());
}

void TPageControl::ShowActivePage() {
  TTabSheet* active = ActivePage();
  if (active) active->SetVisible(true);
  for (TTabSheet* page : pages_)
    if (page != active) page->SetVisible(false);
  Realign();
}

void TPageControl::Change() {
  ShowActivePage();
  TCustomTabControl::Change();
}

// Every sheet fills the display area (hidden ones too, so that they are
// ready when shown).
void TPageControl::AlignControls(RECT& rect) {
  for (TTabSheet* page : pages_)
    page->SetBounds(rect.left, rect.top, std::max<int>(rect.right - rect.left, 0),
                    std::max<int>(rect.bottom - rect.top, 0));
  TCustomTabControl::AlignControls(rect);
}

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  if (loadedIndex_ >= 0) SetActivePageIndex(loadedIndex_);
  ShowActivePage();
}

bool TPageControl::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "ActivePageIndex") {
    loadedIndex_ = value.AsInt();
    SetActivePageIndex(loadedIndex_);
    return true;
  }
  return TCustomTabControl::SetProperty(name, value, reader);
}

}  // namespace ui
