// Runs of quick presses, as the window backend hands them to the forms: the
// system's count is cut where the press goes to another window or to one
// shown since the last press.
#include "ui/ClickCount.h"

#include <gtest/gtest.h>

namespace {

TEST(ClickCount, RunStaysInOneWindow) {
  ui::ClickCount count;
  EXPECT_EQ(count.Press(1, 1), 1);
  EXPECT_EQ(count.Release(1), 1);
  EXPECT_EQ(count.Press(1, 2), 2);  // a double click in one window stays one
  EXPECT_EQ(count.Release(2), 2);
  // The window closes and another opens where it was; the system's run goes on.
  EXPECT_EQ(count.Press(2, 3), 1);
  EXPECT_EQ(count.Release(3), 1);
  EXPECT_EQ(count.Press(2, 4), 2);  // a real double click in the new window
  EXPECT_EQ(count.Press(2, 5), 3);
  // The system starts a new run itself after a pause.
  EXPECT_EQ(count.Press(2, 1), 1);
  EXPECT_EQ(count.Press(2, 2), 2);
}

TEST(ClickCount, WindowShownAgainStartsItsOwnRun) {
  ui::ClickCount count;
  EXPECT_EQ(count.Press(7, 1), 1);
  count.Shown(7);  // hidden and shown again in the same place, the pointer still
  EXPECT_EQ(count.Press(7, 2), 1);
  EXPECT_EQ(count.Press(7, 3), 2);
  // Another window shown meanwhile does not cut this window's run.
  count.Shown(8);
  EXPECT_EQ(count.Press(7, 4), 3);
  // A showing counts once, for the next press only.
  count.Shown(8);
  EXPECT_EQ(count.Press(9, 5), 1);
  EXPECT_EQ(count.Press(8, 6), 1);
  EXPECT_EQ(count.Press(8, 7), 2);
}

}  // namespace
