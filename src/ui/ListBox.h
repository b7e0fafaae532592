#pragma once
// A list of texts with one selected item: a click selects (and fires
// OnClick), a double click fires OnDblClick, the arrows move the selection,
// the wheel and the scroll bar scroll.
#include "ui/Control.h"
#include "ui/ScrollBar.h"
#include "ui/StringList.h"

namespace ui {

class ListBox : public Control {
 public:
  explicit ListBox(Control* parent);

  StringList Items;
  Property<int> ItemIndex;  // -1: nothing selected
  Property<int> ItemHeight;
  Property<bool> BorderSingle;

  int TopIndex() const { return bar_.Position(); }
  void SetTopIndex(int index);
  // The item under a point of the control, or -1.
  int ItemAtPos(Point p) const;
  void Clear() { Items.Clear(); }

  bool CanFocus() const override { return true; }
  bool IsWindowed() const override { return true; }
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseMove(ShiftState shift, int x, int y) override;
  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseWheel(int steps) override;
  void KeyDown(int& key, ShiftState shift) override;

 protected:
  void Paint(Canvas& canvas) override;
  void DoClick() override;
  void Resized() override { UpdateRange(); }

 private:
  void UpdateRange();
  int Border() const { return BorderSingle ? 2 : 0; }
  ScrollBar bar_;
  bool selectedByMouse_ = false;
};

}  // namespace ui
