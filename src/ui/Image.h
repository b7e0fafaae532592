#pragma once
// A control that shows a picture; with AutoSize it takes the picture's size.
// With Transparent, the colour of the picture's bottom-left pixel is not drawn.
#include "ui/Control.h"
#include "ui/Picture.h"

namespace ui {

class Image : public Control {
 public:
  explicit Image(Control* parent);

  ui::Picture Picture;
  Property<bool> AutoSize;
  Property<bool> Stretch;
  Property<bool> Center;
  Property<bool> Transparent;

  bool Opaque() const override;

 protected:
  void Paint(Canvas& canvas) override;
};

}  // namespace ui
