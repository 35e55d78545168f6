// Tab controls: TTabControl (a row of tabs over one area, Tabs as strings)
// and TPageControl (one TTabSheet per tab; the sheet of the selected tab is
// shown). Both are windows of the system's tab control class (superclassed,
// so the window class carries the framework class name), which draws the tabs
// and the frame; the selection comes back from the parent as a reflected
// TCN_SELCHANGE.
//
// TabPosition puts the tabs on any side (TCS_BOTTOM / TCS_VERTICAL); tabs on
// the left or right always wrap into rows. Without MultiLine, tabs on the top
// or bottom that do not fit show the system's scroll arrows (an
// "msctls_updown32" child of the tab control).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/ImgList.h"

namespace ui {

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

// The TCS_* styles of a tab position.
DWORD TabPositionStyle(TTabPosition position);

// What both kinds share: the window, the tab items, position and selection.
class TCustomTabControl : public TWinControl {
 public:
  explicit TCustomTabControl(TComponent* owner);
  ~TCustomTabControl() override;
  std::string ClassName() const override { return "TCustomTabControl"; }

  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition position);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value);
  // The image list the tabs take their icons from (null: none), by an
  // ImageIndex per tab. The control does not own it and lets go of it when it
  // is freed.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  // The system image list in use (Images' or one set directly).
  HIMAGELIST ImageListHandle() const { return imageList_; }
  void SetImageListHandle(HIMAGELIST images);

  int TabCount() const { return int(items_.size()); }
  // The selected tab, -1 for none.
  int TabIndex() const { return tabIndex_; }
  // A tab's rectangle in client coordinates (empty without a window or for a
  // tab that is not there).
  RECT TabRect(int index);

  TNotifyEvent OnChange;

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  void Loaded() override;

 protected:
  struct TTabItem {
    std::wstring Caption;
    int ImageIndex = -1;
  };

  void InsertTab(int index, const std::wstring& caption, int imageIndex);
  void DeleteTab(int index);
  void ClearTabs();
  void UpdateTab(int index, const std::wstring& caption, int imageIndex);
  // Selects a tab without raising OnChange; out of range selects none.
  void SelectTab(int index);
  // The user selected another tab.
  virtual void Change();

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // The display area inside the tabs and the frame.
  void AdjustClientRect(RECT& rect) const override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void PutItem(int index, bool insert);
  void UpdateStyle();
  DWORD TabStyle() const;

  std::vector<TTabItem> items_;
  TTabPosition tabPosition_ = tpTop;
  bool multiLine_ = false;
  TImageList* images_ = nullptr;
  HIMAGELIST imageList_ = nullptr;
  int tabIndex_ = -1;
};

// Tabs given as strings over one area; OnChange when the user picks another.
class TTabControl : public TCustomTabControl {
 public:
  explicit TTabControl(TComponent* owner);
  std::string ClassName() const override { return "TTabControl"; }

  const std::vector<std::wstring>& Tabs() const { return tabs_; }
  void SetTabs(const std::vector<std::wstring>& tabs);
  void SetTabIndex(int index) { SelectTab(index); }

  // "Tabs" is one string, a tab a line.
  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  void Loaded() override;

 private:
  std::vector<std::wstring> tabs_;
  int loadedIndex_ = -1;  // TabIndex read before the tabs
};

class TPageControl;

// One page of a page control: a container whose tab shows its Caption and
// ImageIndex. Only the sheet of the selected tab is visible.
class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  std::string ClassName() const override { return "TTabSheet"; }

  TPageControl* PageControl() const { return pageControl_; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // The sheet's tab position in its page control, -1 when in none.
  int PageIndex() const;

  void SetParent(TWinControl* parent) override;
  void SetCaption(const std::wstring& caption) override;
  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  int imageIndex_ = -1;
};

class TPageControl : public TCustomTabControl {
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;
  std::string ClassName() const override { return "TPageControl"; }

  int PageCount() const { return int(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(std::size_t(index)); }
  TTabSheet* ActivePage() const;
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const { return TabIndex(); }
  void SetActivePageIndex(int index);

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  void Loaded() override;

 protected:
  void Change() override;
  void AlignControls(RECT& rect) override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void PageChanged(TTabSheet* page);
  // Shows the active sheet, hides the others.
  void ShowActivePage();

  std::vector<TTabSheet*> pages_;
  int loadedIndex_ = -1;  // ActivePageIndex read before the sheets
};

}  // namespace ui
