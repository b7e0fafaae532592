#pragma once
// A gauge: how far Progress has come from MinValue to MaxValue, drawn as a
// bar filling from the left or as a pie filling clockwise from twelve
// o'clock, with the percentage in the middle when ShowText is set.
#include "ui/Control.h"

namespace ui {

enum class GaugeKind { HorizontalBar, Pie };

class Gauge : public Control {
 public:
  explicit Gauge(Control* parent);

  Property<GaugeKind> Kind;
  Property<int> MinValue, MaxValue, Progress;
  Property<ui::Color> ForeColor, BackColor;
  Property<bool> ShowText;

  // Whole percent done, 0 to 100.
  int PercentDone() const;

 protected:
  void Paint(Canvas& canvas) override;

 private:
  void PaintPie(Canvas& canvas, double fraction);
};

}  // namespace ui
