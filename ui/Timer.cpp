#include "ui/Timer.h"

#include "ui/FormReader.h"

namespace ui {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  window_ = std::make_unique<TUtilWindow>([this](TMessage& m) {
    if (m.Msg != WM_TIMER) return false;
    if (enabled_ && OnTimer) OnTimer(this);
    return true;
  });
  UpdateTimer();
}

TTimer::~TTimer() {
  if (running_) KillTimer(window_->Handle(), kTimerId);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (running_) KillTimer(window_->Handle(), kTimerId);
  running_ = false;
  if (!enabled_ || interval_ == 0 || InState(csLoading)) return;
  running_ = SetTimer(window_->Handle(), kTimerId, interval_, nullptr) != 0;
}

bool TTimer::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Enabled") SetEnabled(value.AsBool());
  else if (name == "Interval") {
    const std::int64_t interval = value.AsInt64();
    if (interval < 0 || interval > 0x7FFFFFFF) throw EPropertyError("interval out of range: " + value.Describe());
    SetInterval(unsigned(interval));
  } else if (name == "OnTimer") OnTimer = reader.FindEvent<TNotifyEvent>(value);
  else return TComponent::SetProperty(name, value, reader);
  return true;
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

}  // namespace ui
