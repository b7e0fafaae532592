#pragma once
// The standard push button: raised face, sunken while pressed, a focus
// frame; Enter or Space clicks it. A ModalResult other than mrNone is given
// to its form when it is clicked.
#include "ui/Control.h"

namespace ui {

class Button : public Control {
 public:
  explicit Button(Control* parent);

  Property<int> ModalResult;

  bool CanFocus() const override { return true; }
  bool IsWindowed() const override { return true; }
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseMove(ShiftState shift, int x, int y) override;
  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  void KeyPress(char32_t& key) override;

 protected:
  void Paint(Canvas& canvas) override;
  void DoClick() override;

 private:
  bool pressed_ = false;
  bool inside_ = false;
};

}  // namespace ui
