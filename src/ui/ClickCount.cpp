#include "ui/ClickCount.h"

#include <algorithm>

namespace ui {

void ClickCount::Shown(WindowId window) {
  if (std::find(shown_.begin(), shown_.end(), window) == shown_.end()) shown_.push_back(window);
}

int ClickCount::Press(WindowId window, int systemCount) {
  const bool fresh = std::find(shown_.begin(), shown_.end(), window) != shown_.end();
  shown_.clear();
  // The system may have started a new run itself (a pause, a distant press).
  if (systemCount <= before_ || window != window_ || fresh) before_ = std::max(0, systemCount - 1);
  window_ = window;
  return systemCount - before_;
}

int ClickCount::Release(int systemCount) const { return std::max(1, systemCount - before_); }

}  // namespace ui
