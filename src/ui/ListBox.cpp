#include "ui/ListBox.h"

#include <algorithm>

#include "ui/Canvas.h"

namespace ui {

ListBox::ListBox(Control* parent) : Control(parent), ItemIndex(-1), ItemHeight(16), BorderSingle(true) {
  Width.SetQuietly(121);
  Height.SetQuietly(97);
  TabStop.SetQuietly(true);
  Color.SetQuietly(clWindow);
  ParentColor.SetQuietly(false);
  Items.OnChange = [this] {
    if (ItemIndex >= Items.Count()) ItemIndex = -1;
    UpdateRange();
    Invalidate();
  };
  ItemIndex.OnChange([this] {
    if (ItemIndex < -1 || ItemIndex >= Items.Count()) ItemIndex.SetQuietly(-1);
    Invalidate();
  });
  ItemHeight.OnChange([this] {
    UpdateRange();
    Invalidate();
  });
}

void ListBox::UpdateRange() {
  const int page = std::max(1, (Height - 2 * Border()) / std::max(1, ItemHeight()));
  bar_.SetRange(Items.Count(), page);
}

void ListBox::SetTopIndex(int index) {
  UpdateRange();
  bar_.SetPosition(index);
  Invalidate();
}

int ListBox::ItemAtPos(Point p) const {
  if (p.x < 0 || p.y < Border() || p.x >= Width || p.y >= Height - Border()) return -1;
  const int index = bar_.Position() + (p.y - Border()) / std::max(1, ItemHeight());
  return index < Items.Count() ? index : -1;
}

void ListBox::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  selectedByMouse_ = false;
  if (button == MouseButton::Left) {
    if (bar_.Needed() && x >= Width - Border() - ScrollBar::kWidth) {
      if (bar_.MouseDown(y - Border(), Height - 2 * Border())) Invalidate();
    } else {
      const int index = ItemAtPos(Point{x, y});
      if (index >= 0) {
        ItemIndex = index;
        selectedByMouse_ = true;
      }
    }
  }
  Control::MouseDown(button, shift, x, y);
}

void ListBox::MouseMove(ShiftState shift, int x, int y) {
  if (bar_.Dragging() && bar_.MouseMove(y - Border(), Height - 2 * Border())) Invalidate();
  Control::MouseMove(shift, x, y);
}

void ListBox::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  bar_.MouseUp();
  Control::MouseUp(button, shift, x, y);
}

void ListBox::DoClick() {
  // The click of a list box is a selection made with the mouse.
  if (!selectedByMouse_) return;
  Control::DoClick();
}

void ListBox::MouseWheel(int steps) {
  UpdateRange();
  bar_.SetPosition(bar_.Position() - 3 * steps);
  Invalidate();
}

void ListBox::KeyDown(int& key, ShiftState shift) {
  Control::KeyDown(key, shift);
  if (Items.Count() == 0) return;
  int index = ItemIndex;
  if (key == VK_UP) index = std::max(0, index - 1);
  if (key == VK_DOWN) index = std::min(Items.Count() - 1, index + 1);
  if (key == VK_HOME) index = 0;
  if (key == VK_END) index = Items.Count() - 1;
  if (index != ItemIndex) {
    ItemIndex = index;
    UpdateRange();
    if (index < bar_.Position()) bar_.SetPosition(index);
    const int page = std::max(1, (Height - 2 * Border()) / std::max(1, ItemHeight()));
    if (index >= bar_.Position() + page) bar_.SetPosition(index - page + 1);
    selectedByMouse_ = true;
    Control::DoClick();
    selectedByMouse_ = false;
  }
}

void ListBox::Paint(Canvas& canvas) {
  UpdateRange();
  const Rect r = ClientRect();
  canvas.FillRect(r, Color);
  const int border = Border();
  if (BorderSingle) {
    canvas.Bevel(r, false);
    canvas.Bevel(Rect{1, 1, r.width - 2, r.height - 2}, false);
  }
  const int barWidth = bar_.Needed() ? ScrollBar::kWidth : 0;
  const FontInfo info = Font.Info();
  {
    Canvas::Scope scope(canvas, Rect{border, border, r.width - 2 * border - barWidth, r.height - 2 * border});
    const int lineHeight = canvas.LineHeight(info);
    int y = 0;
    for (int i = bar_.Position(); i < Items.Count() && y < r.height; ++i, y += ItemHeight) {
      FontInfo itemFont = info;
      if (i == ItemIndex) {
        canvas.FillRect(Rect{0, y, r.width, ItemHeight}, clHighlight);
        itemFont.color = clHighlightText;
      }
      if (!IsEnabled()) itemFont.color = clGrayText;
      canvas.DrawText(Point{2, y + (ItemHeight - lineHeight) / 2}, Items[i], itemFont);
    }
  }
  if (barWidth > 0) bar_.Paint(canvas, Rect{r.width - border - barWidth, border, barWidth, r.height - 2 * border});
}

}  // namespace ui
