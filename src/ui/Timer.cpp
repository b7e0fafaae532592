#include "ui/Timer.h"

#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {

Timer::Timer(Control* owner) : Component(owner), Interval(1000), Enabled(true), app_(owner->App()) {
  sequence_ = app_.RegisterTimer(this);
  Restart();
  Enabled.OnChange([this] {
    if (Enabled) Restart();
  });
  Interval.OnChange([this] { Restart(); });
}

Timer::~Timer() { app_.UnregisterTimer(this); }

void Timer::Restart() { due_ = app_.Now() + static_cast<uint64_t>(Interval > 0 ? Interval() : 0); }

bool Timer::Armed() const { return Enabled && Interval > 0 && static_cast<bool>(OnTimer); }

void Timer::Fire(uint64_t now) {
  const auto interval = static_cast<uint64_t>(Interval());
  const uint64_t missed = now > due_ ? (now - due_) / interval : 0;
  due_ = missed >= 1 ? due_ + missed * interval : due_ + interval;
  if (OnTimer) OnTimer(*Owner());
}

}  // namespace ui
