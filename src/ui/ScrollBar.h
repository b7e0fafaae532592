#pragma once
// The vertical scroll bar that memos and list boxes draw at their right
// edge: arrows, track and a thumb that can be dragged.
#include "ui/Types.h"

namespace ui {

class Canvas;

class ScrollBar {
 public:
  static constexpr int kWidth = 17;

  // total lines, lines that fit, first line shown.
  void SetRange(int total, int page);
  int Position() const { return position_; }
  void SetPosition(int position);
  int Max() const { return total_ > page_ ? total_ - page_ : 0; }
  bool Needed() const { return total_ > page_; }

  void Paint(Canvas& canvas, const Rect& area) const;
  // Mouse in the bar's area (y relative to its top); true when it changed the position.
  bool MouseDown(int y, int height);
  bool MouseMove(int y, int height);
  void MouseUp() { dragging_ = false; }
  bool Dragging() const { return dragging_; }

 private:
  Rect Thumb(int height) const;
  int total_ = 0, page_ = 1, position_ = 0;
  bool dragging_ = false;
  int dragOffset_ = 0;
};

}  // namespace ui
