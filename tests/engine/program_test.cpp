// The program's run and its exit status: a run that ends normally says so,
// and one that fails never reports success.
#include "Program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "city/Play.h"
#include "platform/TempFolder.h"
#include "ui/HeadlessBackend.h"

using testing::HasSubstr;

namespace {

// Runs the game of the build's program folder with its log in a folder of
// its own; the environment is as before afterwards.
class Program : public ::testing::Test {
 protected:
  Program() {
    if (const char* old = std::getenv("ZENDRIX_SYSTEM_DIR")) saved_ = old, hadSystemDir_ = true;
    setenv("ZENDRIX_SYSTEM_DIR", system_.path().c_str(), 1);
  }
  ~Program() override {
    if (hadSystemDir_) {
      setenv("ZENDRIX_SYSTEM_DIR", saved_.c_str(), 1);
    } else {
      unsetenv("ZENDRIX_SYSTEM_DIR");
    }
  }

  int Run(std::unique_ptr<ui::Backend> backend) {
    GameRun run;
    run.exeName = std::string(ZX_GAME_DIR) + "/zendrix2";
    run.headlessMs = 2000;
    return RunGame(std::move(backend), run, errors_);
  }

  testing_support::TempFolder system_;
  std::string saved_;
  bool hadSystemDir_ = false;
  std::ostringstream errors_;
};

// A backend whose wait for input fails once the loop runs.
class LostDisplay : public ui::HeadlessBackend {
 public:
  void WaitEvent(uint64_t) override { throw std::runtime_error("Связь с дисплеем потеряна"); }
};

// A backend that cannot make a window.
class NoWindows : public ui::HeadlessBackend {
 public:
  ui::WindowId CreateWindow(const ui::WindowParams&) override { throw std::runtime_error("Окно не создано"); }
};

TEST_F(Program, ANormalRunEndsWithStatusZeroAndNothingToReport) {
  EXPECT_EQ(Run(std::make_unique<ui::HeadlessBackend>()), 0);
  EXPECT_EQ(errors_.str(), "");
  EXPECT_EQ(menu, nullptr);  // every form is gone
}

TEST_F(Program, AnExceptionEscapingTheMessageLoopEndsWithAFailureStatus) {
  EXPECT_EQ(Run(std::make_unique<LostDisplay>()), 1);
  EXPECT_EQ(errors_.str(), "zendrix2: Связь с дисплеем потеряна\n");
}

TEST_F(Program, AStartThatCannotShowTheMainMenuEndsWithAFailureStatus) {
  EXPECT_EQ(Run(std::make_unique<NoWindows>()), 1);
  EXPECT_THAT(errors_.str(), HasSubstr("zendrix2: Окно не создано\n"));
}

}  // namespace
