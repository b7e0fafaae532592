#pragma once
// A text label: transparent or on its own colour, left/right/centre aligned,
// sized to its text unless AutoSize is off, optionally word-wrapped.
#include "ui/Control.h"

namespace ui {

enum class TextLayout { Top, Center, Bottom };

class Label : public Control {
 public:
  explicit Label(Control* parent);

  Property<bool> Transparent;
  Property<bool> AutoSize;
  Property<bool> WordWrap;
  Property<ui::Alignment> Alignment;
  Property<TextLayout> Layout;

 protected:
  void Paint(Canvas& canvas) override;
  void TextChanged() override { AdjustBounds(); }
  void FontChanged() override { AdjustBounds(); }
  void Resized() override;

 private:
  void AdjustBounds();
  bool adjusting_ = false;
};

}  // namespace ui
