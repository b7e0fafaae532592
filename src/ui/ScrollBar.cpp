#include "ui/ScrollBar.h"

#include <algorithm>

#include "ui/Canvas.h"

namespace ui {

void ScrollBar::SetRange(int total, int page) {
  total_ = std::max(0, total);
  page_ = std::max(1, page);
  SetPosition(position_);
}

void ScrollBar::SetPosition(int position) { position_ = std::clamp(position, 0, Max()); }

Rect ScrollBar::Thumb(int height) const {
  const int track = std::max(1, height - 2 * kWidth);
  if (!Needed()) return Rect{0, kWidth, kWidth, track};
  const int size = std::max(8, track * page_ / total_);
  const int top = kWidth + (track - size) * position_ / std::max(1, Max());
  return Rect{0, top, kWidth, size};
}

void ScrollBar::Paint(Canvas& canvas, const Rect& area) const {
  Canvas::Scope scope(canvas, area);
  canvas.FillRect(Rect{0, 0, area.width, area.height}, Color{230, 230, 230});
  const Color face = clBtnFace;
  const Color arrow = Needed() ? Color{60, 60, 60} : clBtnShadow;
  const Rect up{0, 0, kWidth, kWidth};
  const Rect down{0, area.height - kWidth, kWidth, kWidth};
  for (const Rect& r : {up, down}) {
    canvas.FillRect(r, face);
    canvas.Bevel(r, true);
  }
  for (int i = 0; i < 4; ++i) {
    canvas.HLine(8 - i, 8 + i, 6 + i, arrow);
    canvas.HLine(8 - i, 8 + i, area.height - 7 - i, arrow);
  }
  if (Needed()) {
    const Rect thumb = Thumb(area.height);
    canvas.FillRect(thumb, face);
    canvas.Bevel(thumb, true);
  }
}

bool ScrollBar::MouseDown(int y, int height) {
  const int before = position_;
  if (y < kWidth) {
    SetPosition(position_ - 1);
  } else if (y >= height - kWidth) {
    SetPosition(position_ + 1);
  } else {
    const Rect thumb = Thumb(height);
    if (y < thumb.top) {
      SetPosition(position_ - page_);
    } else if (y >= thumb.bottom()) {
      SetPosition(position_ + page_);
    } else {
      dragging_ = true;
      dragOffset_ = y - thumb.top;
    }
  }
  return position_ != before;
}

bool ScrollBar::MouseMove(int y, int height) {
  if (!dragging_ || !Needed()) return false;
  const int before = position_;
  const Rect thumb = Thumb(height);
  const int track = std::max(1, height - 2 * kWidth - thumb.height);
  SetPosition((y - dragOffset_ - kWidth) * Max() / track);
  return position_ != before;
}

}  // namespace ui
