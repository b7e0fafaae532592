#include "ui/Gauge.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "ui/Canvas.h"

namespace ui {

Gauge::Gauge(Control* parent)
    : Control(parent),
      Kind(GaugeKind::HorizontalBar),
      MinValue(0),
      MaxValue(100),
      Progress(0),
      ForeColor(clBlack),
      BackColor(clWhite),
      ShowText(true) {
  Width.SetQuietly(100);
  Height.SetQuietly(100);
  // Progress stays between the bounds, as the bounds are set.
  auto clamp = [this] {
    const int clamped = std::clamp(Progress(), MinValue(), std::max(MinValue(), MaxValue()));
    if (clamped != Progress()) Progress.SetQuietly(clamped);
    Invalidate();
  };
  Progress.OnChange(clamp);
  MinValue.OnChange(clamp);
  MaxValue.OnChange(clamp);
  for (auto* p : {&ForeColor, &BackColor}) p->OnChange([this] { Invalidate(); });
  Kind.OnChange([this] { Invalidate(); });
  ShowText.OnChange([this] { Invalidate(); });
}

int Gauge::PercentDone() const {
  const long long span = static_cast<long long>(MaxValue()) - MinValue();
  if (span <= 0) return 0;
  return static_cast<int>((static_cast<long long>(Progress()) - MinValue()) * 100 / span);
}

void Gauge::Paint(Canvas& canvas) {
  const Rect all = ClientRect();
  const long long span = static_cast<long long>(MaxValue()) - MinValue();
  const double fraction = span > 0 ? static_cast<double>(Progress() - MinValue()) / static_cast<double>(span) : 0.0;
  switch (Kind()) {
    case GaugeKind::HorizontalBar: {
      canvas.FillRect(all, BackColor);
      const int filled = static_cast<int>(std::lround((all.width - 2) * fraction));
      canvas.FillRect(Rect{1, 1, filled, all.height - 2}, ForeColor);
      canvas.FrameRect(all, clBlack);
      break;
    }
    case GaugeKind::Pie:
      PaintPie(canvas, fraction);
      break;
  }
  if (ShowText) {
    FontInfo info = Font.Info();
    const std::string text = std::to_string(PercentDone()) + "%";
    const TextSize size = canvas.TextExtent(text, info);
    canvas.DrawText(Point{(all.width - size.width) / 2, (all.height - size.height) / 2}, text, info);
  }
}

// The ellipse in the back colour, the part done in the fore colour from
// twelve o'clock clockwise, a black rim; each row drawn as runs of one colour.
void Gauge::PaintPie(Canvas& canvas, double fraction) {
  const double rx = (Width() - 1) / 2.0, ry = (Height() - 1) / 2.0;
  if (rx <= 0 || ry <= 0) return;
  const double cx = rx, cy = ry;
  const double sweep = fraction * 2 * std::numbers::pi;
  const double rim = 1.0 - 1.5 / std::min(rx, ry);
  for (int y = 0; y < Height(); ++y) {
    int runStart = 0;
    const ui::Color* runColor = nullptr;
    auto flush = [&](int x) {
      if (runColor != nullptr && x > runStart) canvas.HLine(runStart, x - 1, y, *runColor);
    };
    const ui::Color fore = ForeColor(), back = BackColor();
    for (int x = 0; x <= Width(); ++x) {
      const ui::Color* color = nullptr;
      if (x < Width()) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d <= 1.0) {
          double angle = std::atan2(dx, -dy);
          if (angle < 0) angle += 2 * std::numbers::pi;
          color = d >= rim ? &clBlack : angle < sweep ? &fore : &back;
        }
      }
      if (color == nullptr || runColor == nullptr || !(*color == *runColor)) {
        flush(x);
        runStart = x;
        runColor = color;
      }
    }
  }
}

}  // namespace ui
