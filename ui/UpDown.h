// Spin controls. TUpDown is a window of the system's up-down class
// (superclassed, window class "TUpDown"): two arrow buttons stepping
// Position over Min..Max, optionally showing it in an associated control.
// TSpinEdit is an edit with a bare up-down window (class "msctls_updown32")
// inside it at the right that steps the number in the edit.
#pragma once

#include <string>

#include "ui/Control.h"
#include "ui/EditCtrls.h"

namespace ui {

enum TUDOrientation { udVertical, udHorizontal };

class TUpDown : public TWinControl {
 public:
  explicit TUpDown(TComponent* owner);
  ~TUpDown() override;
  std::string ClassName() const override { return "TUpDown"; }

  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int value);
  void SetMax(int value);
  // As the window has it (it changes as the user clicks).
  int Position() const;
  void SetPosition(int value);
  // The control whose text shows the position (null: none).
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* control);

  // "Associate" names another component of the form.
  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void PushSettings();

  TUDOrientation orientation_ = udVertical;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  TWinControl* associate_ = nullptr;
  std::string associateName_;  // read from a description, found in Loaded
};

class TSpinEdit : public TCustomEdit {
 public:
  explicit TSpinEdit(TComponent* owner);
  std::string ClassName() const override { return "TSpinEdit"; }

  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  void SetMinValue(int value);
  void SetMaxValue(int value);
  // The number in the edit (clamped to the range).
  int Value() const;
  void SetValue(int value);
  // The up-down window inside the edit (null without a window).
  HWND Button() const { return button_; }

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void PlaceButton();

  HWND button_ = nullptr;
  int min_ = 0;
  int max_ = 100;
  int value_ = 0;
};

// Makes the up-down and date-time picker classes available (once).
void InitSpinClasses();

}  // namespace ui
