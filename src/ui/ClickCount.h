#pragma once
// Which press of a quick run of presses a press is. The window system counts
// presses close in time and place as one run whatever window they land in, so
// a press in a window that has just appeared where another one was, under a
// pointer that has not moved, came as the second press of a double click and
// was not taken as a click. Here a run belongs to one window, as a player
// expects: a press in another window, or in a window shown since the last
// press, starts a new run.
#include <vector>

#include "ui/Backend.h"

namespace ui {

class ClickCount {
 public:
  // Window `window` has been shown.
  void Shown(WindowId window);
  // A press in `window` that the system counts as the `systemCount`-th of its
  // run; returns its place in the window's own run, from 1.
  int Press(WindowId window, int systemCount);
  // The release of a button, which the system counts as `systemCount`.
  int Release(int systemCount) const;

 private:
  WindowId window_ = 0;          // the window of the last press
  int before_ = 0;               // presses of the system's run that went to other windows
  std::vector<WindowId> shown_;  // windows shown since the last press
};

}  // namespace ui
