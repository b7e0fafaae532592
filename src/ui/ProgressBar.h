#pragma once
// A horizontal progress bar: a sunken frame filled from the left in
// proportion to Position between Min and Max (Position stays within them).
#include "ui/Control.h"

namespace ui {

class ProgressBar : public Control {
 public:
  explicit ProgressBar(Control* parent);

  Property<int> Min, Max, Position;
  Property<ui::Color> BarColor;

 protected:
  void Paint(Canvas& canvas) override;
};

}  // namespace ui
