#include "development/DevRules.h"

#include <algorithm>

#include "city/Play.h"

namespace devrules {

int RunDays(int level, int bar, bool threeD, bool employed) {
  // Levels and bars come from the configuration: out-of-range ones count as
  // the nearest sensible value.
  level = std::clamp(level, 0, 100);
  bar = std::clamp(bar, 0, 10);
  int days = std::max(10, 40 - 3 * level - bar);
  if (threeD) days += days / 2;
  if (employed) days *= 2;
  return days;
}

int GamePrice(int level, bool threeD, int advancedLevels) {
  level = std::clamp(level, 0, 100);
  int price = 1000 + 250 * level;
  if (threeD) price += price / 2;
  return price + 50 * std::clamp(advancedLevels, 0, 10000);
}

int StepInterval(int days) { return std::max(1, days) * kDayMs / kRunSteps; }

}  // namespace devrules

void SetDevelopmentCaption(const std::string& caption) {
  menu->devl->Caption = caption;
  menu->devl->Left = menu->dev->Left + (menu->dev->Width - menu->devl->Width) / 2;
}
