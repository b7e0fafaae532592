#pragma once
// A raised panel with its caption in the middle: a surface to click on or to
// group controls on.
#include "ui/Control.h"

namespace ui {

class Panel : public Control {
 public:
  explicit Panel(Control* parent);

 protected:
  void Paint(Canvas& canvas) override;
};

}  // namespace ui
