// The harness's own checks: answers queued for modal windows, modal windows
// nobody answered, time that cannot get on, and the screen pointers a test
// leaves behind. A wrong harness hides real faults.
#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "support/GameHarness.h"
#include "support/InputDriver.h"
#include "ui/Timer.h"

using testing::HasSubstr;
using testing_support::GameHarness;

namespace {

// Runs part of a test and returns the failures it reported instead of
// failing this test with them.
template <typename F>
std::vector<testing::TestPartResult> FailuresOf(F&& part) {
  testing::TestPartResultArray results;
  {
    testing::ScopedFakeTestPartResultReporter reporter(
        testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    part();
  }
  std::vector<testing::TestPartResult> failures;
  for (int i = 0; i < results.size(); ++i) failures.push_back(results.GetTestPartResult(i));
  return failures;
}

TEST(HarnessChecks, AnswersNoWindowUsedFailTheTestAtTheLineThatQueuedThem) {
  int line = 0;
  auto failures = FailuresOf([&] {
    GameHarness h;
    h.answerEnter();
    engine->ShowInfoMessage("Проверка");
    line = __LINE__ + 1;
    h.answerEnter(2);
    h.answerModal([](ui::Form&) {});
  });
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_EQ(failures[0].line_number(), line);
  EXPECT_STREQ(failures[0].file_name(), __FILE__);
  EXPECT_THAT(failures[0].message(), HasSubstr("2 answers queued here for a modal window never used"));
  EXPECT_THAT(failures[0].message(), HasSubstr("discardAnswers()"));
  EXPECT_EQ(failures[1].line_number(), line + 1);
  EXPECT_THAT(failures[1].message(), HasSubstr("1 answer queued here"));

  // Answers dropped on purpose, and answers every window used, are no fault.
  failures = FailuresOf([] {
    GameHarness h;
    h.answerEnter(3);
    engine->ShowInfoMessage("Проверка");
    EXPECT_EQ(h.discardAnswers(), 2u);
    EXPECT_EQ(h.messagesShown(), std::vector<std::string>{"Проверка"});
  });
  EXPECT_TRUE(failures.empty()) << failures[0].message();
}

TEST(HarnessChecks, AModalWindowNobodyAnsweredEndsTheRunAndFailsTheTest) {
  const auto failures = FailuresOf([] {
    GameHarness h;
    engine->ShowInfoMessage("Никто не ответит");
    EXPECT_TRUE(h.app().Terminated());
  });
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_THAT(failures[0].message(), HasSubstr("no answer was queued for it"));
  EXPECT_THAT(failures[0].message(), HasSubstr("\"Никто не ответит\""));
}

// A backend whose clock never moves: every timer stays due in the future and
// nothing ever runs.
class StoppedClock : public ui::HeadlessBackend {
 public:
  uint64_t Now() override { return 0; }
};

TEST(HarnessChecks, AdvancingTimeThatCannotGetOnFailsInsteadOfSpinning) {
  int ticks = 0;
  const auto failures = FailuresOf([&] {
    auto backend = std::make_unique<StoppedClock>();
    StoppedClock& clock = *backend;
    ui::Application app(std::move(backend));
    testing_support::InputDriver input(app, clock);
    ui::Form* form = nullptr;
    app.CreateForm(form);
    auto* timer = new ui::Timer(form);
    timer->Interval = 100;
    timer->OnTimer = [&](ui::Control&) { ++ticks; };
    input.advance(1000);
    app.DestroyForms();
  });
  EXPECT_EQ(ticks, 0);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_THAT(failures[0].message(), HasSubstr("advance(1000) from 0 ms spins without progress"));
  EXPECT_THAT(failures[0].message(), HasSubstr("something due at 100 ms"));
}

TEST(HarnessChecks, NoScreenPointerOutlivesTheHarness) {
  {
    GameHarness h;
    ASSERT_NE(Form1, nullptr);
    ASSERT_NE(engine, nullptr);
    ASSERT_NE(menu, nullptr);
  }
  EXPECT_EQ(Form1, nullptr);
  EXPECT_EQ(engine, nullptr);
  EXPECT_EQ(menu, nullptr);
}

}  // namespace
