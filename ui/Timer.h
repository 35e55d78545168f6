// A timer component: raises OnTimer every Interval milliseconds while Enabled.
#pragma once

#include <memory>

#include "ui/Component.h"
#include "ui/UtilWindow.h"

namespace ui {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  std::string ClassName() const override { return "TTimer"; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Milliseconds; 0 stops the timer. Changing it while enabled starts the period anew.
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);

  TNotifyEvent OnTimer;

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  void Loaded() override;

 private:
  void UpdateTimer();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  bool running_ = false;
  std::unique_ptr<TUtilWindow> window_;
};

}  // namespace ui
