// The standard button-class controls: push button, check box, radio button,
// group box and radio group. Each is a thin wrapper of a window of the
// system's BUTTON class (superclassed, so its window class carries the
// framework class name: "TButton", "TCheckBox"...). The system draws them;
// clicks come back from the parent as a reflected BN_CLICKED.
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Panel.h"  // TAlignment

namespace ui {

// Base of the controls made from the BUTTON class.
class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* owner);
  std::string ClassName() const override { return "TButtonControl"; }

 protected:
  // The BS_* type and flags of this control.
  virtual DWORD ButtonStyle() const = 0;
  // A reflected BN_CLICKED: the user clicked (or pressed the space bar).
  virtual void Clicked() { Click(); }
  // Raises OnClick for the clicks the system button reports, and only those:
  // the framework's own mouse-up click would count each of them twice.
  void Click() override;
  // The window has just been created: push state into it.
  virtual void WindowCreated() {}
  // Puts a changed ButtonStyle on the existing window.
  void UpdateButtonStyle();

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  bool reportedClick_ = false;  // a BN_CLICKED is being handled
};

// A push button. Default gives it the default-button look; Cancel marks the
// button that stands for Escape (kept for the form's use).
class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* owner);
  std::string ClassName() const override { return "TButton"; }

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel = false;

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  DWORD ButtonStyle() const override { return default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }

 private:
  bool default_ = false;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A button with a mark beside its caption: check boxes and radio buttons.
// Alignment taLeftJustify puts the caption left of the mark.
class TMarkButton : public TButtonControl {
 public:
  using TButtonControl::TButtonControl;
  std::string ClassName() const override { return "TMarkButton"; }

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  // BS_LEFTTEXT when the caption goes left of the mark.
  DWORD MarkSide() const { return alignment_ == taLeftJustify ? BS_LEFTTEXT : 0; }
  // The state as BM_SETCHECK takes it.
  virtual WPARAM CheckState() const = 0;
  // Shows the state on the window.
  void ShowCheckState();
  void WindowCreated() override { ShowCheckState(); }

 private:
  TAlignment alignment_ = taRightJustify;
};

// A check box with two or three states. A click steps unchecked -> checked
// -> (grayed, when AllowGrayed) -> unchecked.
class TCheckBox : public TMarkButton {
 public:
  explicit TCheckBox(TComponent* owner);
  std::string ClassName() const override { return "TCheckBox"; }

  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  bool AllowGrayed = false;

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  // BS_3STATE: the box never changes its state by itself; Clicked decides.
  DWORD ButtonStyle() const override { return BS_3STATE | MarkSide(); }
  WPARAM CheckState() const override { return WPARAM(state_); }
  void Clicked() override;

 private:
  TCheckBoxState state_ = cbUnchecked;
};

// A radio button; checking one unchecks the other radio buttons of its parent.
class TRadioButton : public TMarkButton {
 public:
  explicit TRadioButton(TComponent* owner);
  std::string ClassName() const override { return "TRadioButton"; }

  bool Checked() const { return checked_; }
  void SetChecked(bool value);

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  DWORD ButtonStyle() const override { return BS_RADIOBUTTON | MarkSide(); }
  WPARAM CheckState() const override { return checked_ ? BST_CHECKED : BST_UNCHECKED; }
  void Clicked() override;

 private:
  bool checked_ = false;
};

// A framed container with a caption (a BS_GROUPBOX window).
class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner);
  std::string ClassName() const override { return "TGroupBox"; }

 protected:
  void CreateParams(TCreateParams& params) override;
  // Aligned children stay inside the frame, below the caption.
  void AdjustClientRect(RECT& rect) const override;
  void WndProc(TMessage& message) override;
  // Double buffered, nothing erases the inside first: filled here.
  void PaintWindow(HDC dc) override;
};

// A group box holding one radio button per item; ItemIndex is the checked
// one (-1: none). The radio buttons belong to the group.
class TRadioGroup : public TGroupBox {
 public:
  explicit TRadioGroup(TComponent* owner);
  std::string ClassName() const override { return "TRadioGroup"; }

  const std::vector<std::wstring>& Items() const { return items_; }
  void SetItems(const std::vector<std::wstring>& items);
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  TRadioButton* Buttons(int index) const { return buttons_.at(std::size_t(index)); }

  // "Items" is one string, an item a line.
  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  void AlignControls(RECT& rect) override;

 private:
  void ButtonClicked(TRadioButton* button);

  std::vector<std::wstring> items_;
  std::vector<TRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
};

}  // namespace ui
