#pragma once
// A window timer. Interval in milliseconds; Enabled starts it. Enabling a
// running timer does not restart it; changing the interval does. At most one
// tick is pending at a time: a timer that fell behind fires once, promptly,
// and then keeps its rhythm. Ticks come from the application's loop, which
// tells the timer the time by the backend's clock.
#include <cstdint>
#include <functional>

#include "ui/Component.h"
#include "ui/Control.h"
#include "ui/Property.h"

namespace ui {

class Application;

class Timer : public Component {
 public:
  // The timer belongs to its form and is deleted with it.
  explicit Timer(Control* owner);
  ~Timer() override;

  Property<std::string> Name;
  Property<int> Interval;
  Property<bool> Enabled;
  NotifyEvent OnTimer;

 private:
  // The application's loop asks when the timer is due and fires it.
  friend class Application;
  bool Armed() const;
  uint64_t Due() const { return due_; }
  uint64_t Sequence() const { return sequence_; }
  void Fire(uint64_t now);

  void Restart();
  Application& app_;
  uint64_t due_ = 0;
  uint64_t sequence_ = 0;
};

}  // namespace ui
