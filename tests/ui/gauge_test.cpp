// The gauge: its pie fills clockwise from twelve o'clock in proportion to
// Progress, which stays within its bounds; the bar fills from the left.
#include "ui/Gauge.h"

#include <cmath>

#include "ui/UiFixture.h"

namespace {

const ui::Color kFore{0, 160, 60};
const ui::Color kBack{255, 255, 255};

class Gauges : public UiFixture {
 protected:
  ui::Gauge* MakePie(int progress) {
    auto* g = new ui::Gauge(form_);
    g->Kind = ui::GaugeKind::Pie;
    g->SetBounds(10, 10, 101, 101);
    g->MaxValue = 31;
    g->ForeColor = kFore;
    g->BackColor = kBack;
    g->ShowText = false;
    g->Progress = progress;
    return g;
  }
  // The colour at a point of the gauge, by angle from twelve o'clock
  // clockwise (degrees) and distance from the centre as a share of the radius.
  ui::Color At(const ui::Gauge* g, double degrees, double share) {
    const ui::Bitmap& image = form_->Render();
    const double a = degrees * 3.14159265358979 / 180.0;
    const double r = 50 * share;
    const int x = g->Left + 50 + static_cast<int>(std::lround(r * std::sin(a)));
    const int y = g->Top + 50 - static_cast<int>(std::lround(r * std::cos(a)));
    return image.ColorAt(x, y);
  }
};

TEST_F(Gauges, ThePieFillsClockwiseFromTwelveOClock) {
  ui::Gauge* g = MakePie(0);
  for (double deg : {10.0, 100.0, 190.0, 350.0}) EXPECT_EQ(At(g, deg, 0.6), kBack) << deg;
  g->Progress = 31;
  for (double deg : {10.0, 100.0, 190.0, 350.0}) EXPECT_EQ(At(g, deg, 0.6), kFore) << deg;
  // A quarter: the first quarter of the circle only.
  g->MaxValue = 100;
  g->Progress = 25;
  EXPECT_EQ(At(g, 20, 0.6), kFore);
  EXPECT_EQ(At(g, 80, 0.6), kFore);
  EXPECT_EQ(At(g, 100, 0.6), kBack);
  EXPECT_EQ(At(g, 270, 0.6), kBack);
  // Outside the ellipse the form shows through.
  EXPECT_EQ(form_->Render().ColorAt(g->Left + 2, g->Top + 2), form_->Color());
  EXPECT_EQ(At(g, 45, 1.0), ui::clBlack);  // the rim
}

TEST_F(Gauges, ProgressStaysWithinItsBoundsAndGivesThePercentDone) {
  ui::Gauge* g = MakePie(1);
  EXPECT_EQ(g->PercentDone(), 3);
  g->Progress = 40;
  EXPECT_EQ(g->Progress(), 31);
  EXPECT_EQ(g->PercentDone(), 100);
  g->Progress = -3;
  EXPECT_EQ(g->Progress(), 0);
  g->Progress = 20;
  g->MaxValue = 10;
  EXPECT_EQ(g->Progress(), 10);
  g->MaxValue = g->MinValue();
  EXPECT_EQ(g->PercentDone(), 0);
  form_->Render();  // an empty span draws without dividing by zero
}

TEST_F(Gauges, TheBarFillsFromTheLeft) {
  auto* g = new ui::Gauge(form_);
  g->SetBounds(10, 150, 102, 20);
  g->ForeColor = kFore;
  g->BackColor = kBack;
  g->ShowText = false;
  g->Progress = 50;
  const ui::Bitmap& image = form_->Render();
  EXPECT_EQ(image.ColorAt(10 + 20, 160), kFore);
  EXPECT_EQ(image.ColorAt(10 + 49, 160), kFore);
  EXPECT_EQ(image.ColorAt(10 + 53, 160), kBack);
  EXPECT_EQ(image.ColorAt(10 + 90, 160), kBack);
}

}  // namespace
