// The X errors the program lives through: each kind told once, in words.
#include "ui/XErrorLog.h"

#include <X11/Xproto.h>
#include <gtest/gtest.h>

namespace {

TEST(XErrorLog, EachKindIsToldOnceWithItsNameAndRequest) {
  ui::XErrorLog::Take();
  constexpr int kBadMatch = 8, kBadWindow = 3;
  ui::XErrorLog::Note(kBadMatch, X_SetInputFocus, 0);
  ui::XErrorLog::Note(kBadMatch, X_SetInputFocus, 0);
  ui::XErrorLog::Note(kBadWindow, X_SetInputFocus, 0);
  // An extension's requests differ by their minor code.
  ui::XErrorLog::Note(kBadWindow, 130, 3);
  ui::XErrorLog::Note(kBadWindow, 130, 4);
  const std::vector<std::string> told = ui::XErrorLog::Take();
  ASSERT_EQ(told.size(), 4u);
  EXPECT_EQ(told[0], "Ошибка X11: BadMatch, запрос 42 (SetInputFocus), игра продолжается...");
  EXPECT_EQ(told[1], "Ошибка X11: BadWindow, запрос 42 (SetInputFocus), игра продолжается...");
  EXPECT_EQ(told[2], "Ошибка X11: BadWindow, запрос 130.3, игра продолжается...");
  EXPECT_EQ(ui::XErrorLog::Describe(200, 60, 0), "Ошибка X11: код 200, запрос 60, игра продолжается...");
  // Told once in a run: the same kind again is not told again.
  ui::XErrorLog::Note(kBadMatch, X_SetInputFocus, 0);
  EXPECT_TRUE(ui::XErrorLog::Take().empty());
}

}  // namespace
