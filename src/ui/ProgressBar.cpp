#include "ui/ProgressBar.h"

#include <algorithm>

#include "ui/Canvas.h"

namespace ui {

ProgressBar::ProgressBar(Control* parent) : Control(parent), Min(0), Max(100), Position(0), BarColor(ui::clHighlight) {
  Width.SetQuietly(150);
  Height.SetQuietly(17);
  Color.SetQuietly(clBtnFace);
  ParentColor.SetQuietly(false);
  Position.OnChange([this] {
    const int clamped = std::clamp(Position(), Min(), std::max(Min(), Max()));
    if (clamped != Position()) Position.SetQuietly(clamped);
    Invalidate();
  });
  BarColor.OnChange([this] { Invalidate(); });
}

void ProgressBar::Paint(Canvas& canvas) {
  const Rect all = ClientRect();
  canvas.FillRect(all, Color);
  canvas.Bevel(all, false);
  const int span = Max - Min;
  const Rect inner{2, 2, std::max(0, Width - 4), std::max(0, Height - 4)};
  if (span <= 0 || inner.Empty()) return;
  const int filled = static_cast<int>(static_cast<long long>(inner.width) * (Position - Min) / span);
  canvas.FillRect(Rect{inner.left, inner.top, filled, inner.height}, BarColor);
}

}  // namespace ui
