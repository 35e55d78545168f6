// The common controls: progress bar, track bar and status bar. Each is a thin
// wrapper of the system's common control (superclassed, so its window class
// carries the framework class name: "TProgressBar", "TTrackBar",
// "TStatusBar"). The system draws them; the wrapper keeps their settings and
// pushes them into the window whenever it is (re)created.
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Panel.h"  // TAlignment

namespace ui {

// Base of the wrappers: the system class and the common-control set it needs.
class TCommonControl : public TWinControl {
 public:
  TCommonControl(TComponent* owner, const wchar_t* systemClass, DWORD iccClass);
  std::string ClassName() const override { return "TCommonControl"; }

 protected:
  // The window's style bits of this control (besides the framework's).
  virtual DWORD ControlStyle() const { return 0; }
  // The window has just been created: push the settings into it.
  virtual void WindowCreated() {}
  // Puts a changed ControlStyle on the existing window.
  void UpdateControlStyle(DWORD mask);

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  const wchar_t* systemClass_;
};

// Base of the controls over a range Min..Max with a Position inside it.
class TRangeControl : public TCommonControl {
 public:
  TRangeControl(TComponent* owner, const wchar_t* systemClass, DWORD iccClass, int max);

  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  void SetMin(int value) { SetRange(value, max_); }
  void SetMax(int value) { SetRange(min_, value); }
  int Position() const { return position_; }
  virtual void SetPosition(int value) = 0;

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  // `value` inside the range; while loading, the range may still follow.
  int InRange(int value) const;

  int min_ = 0;
  int max_;
  int position_ = 0;
};

enum TProgressBarOrientation { pbHorizontal, pbVertical };

// A progress bar over Min..Max. The system keeps Position inside the range.
class TProgressBar : public TRangeControl {
 public:
  explicit TProgressBar(TComponent* owner);
  std::string ClassName() const override { return "TProgressBar"; }

  void SetPosition(int value) override;
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation value);

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  // A description may give the position before the range: kept inside it now.
  void Loaded() override;

 protected:
  DWORD ControlStyle() const override;
  void WindowCreated() override;

 private:
  TProgressBarOrientation orientation_ = pbHorizontal;
};

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickStyle { tsNone, tsAuto, tsManual };

// A track bar (slider) over Min..Max. OnChange follows every move of the
// thumb, by the user or by SetPosition.
class TTrackBar : public TRangeControl {
 public:
  explicit TTrackBar(TComponent* owner);
  std::string ClassName() const override { return "TTrackBar"; }

  void SetPosition(int value) override;
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation value);
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle value);
  // Every how many positions an automatic tick mark is drawn.
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);

  TNotifyEvent OnChange;

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  void Loaded() override;

 protected:
  DWORD ControlStyle() const override;
  void WindowCreated() override;
  void WndProc(TMessage& message) override;

 private:
  void Changed();

  TTrackBarOrientation orientation_ = trHorizontal;
  TTickStyle tickStyle_ = tsAuto;
  int frequency_ = 1;
};

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

struct TStatusPanel {
  std::wstring Text;
  int Width = 50;
  TAlignment Alignment = taLeftJustify;
  TStatusPanelBevel Bevel = pbLowered;
};

// A status bar: a row of panels, or one text over the whole bar
// (SimplePanel). The last panel reaches to the right end. In descriptions a
// panel's settings are "Panels.Item<n>.<Text|Width|Alignment|Bevel>".
class TStatusBar : public TCommonControl {
 public:
  explicit TStatusBar(TComponent* owner);
  std::string ClassName() const override { return "TStatusBar"; }

  static constexpr int kMaxPanels = 64;

  const std::vector<TStatusPanel>& Panels() const { return panels_; }
  void SetPanels(const std::vector<TStatusPanel>& panels);
  // One panel changed in place (index must be < Panels().size()).
  void SetPanel(int index, const TStatusPanel& panel);
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  const std::wstring& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::wstring& text);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  DWORD ControlStyle() const override;
  void WindowCreated() override;

 private:
  void ShowPanels();
  void ShowSimple();
  bool SetPanelProperty(std::string_view name, const TPropertyValue& value);

  std::vector<TStatusPanel> panels_;
  bool simplePanel_ = false;
  std::wstring simpleText_;
  bool sizeGrip_ = true;
};

}  // namespace ui
