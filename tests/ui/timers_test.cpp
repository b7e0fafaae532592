// Window timers on the virtual clock.
#include "ui/Timer.h"
#include "ui/UiFixture.h"

namespace {

class Timers : public UiFixture {
 protected:
  ui::Timer* MakeTimer(int interval, std::vector<uint64_t>* ticks) {
    auto* t = new ui::Timer(form_);
    t->Enabled = false;
    t->Interval = interval;
    t->OnTimer = [this, ticks](ui::Control&) { ticks->push_back(backend_->Now()); };
    return t;
  }
};

TEST_F(Timers, FiresEveryIntervalFromTheMomentItIsEnabled) {
  std::vector<uint64_t> ticks;
  backend_->SetClock(1000);
  ui::Timer* t = MakeTimer(300, &ticks);
  t->Enabled = true;
  input_->advance(1000);
  EXPECT_EQ(ticks, (std::vector<uint64_t>{1300, 1600, 1900}));
}

TEST_F(Timers, EnablingARunningTimerDoesNotRestartIt) {
  std::vector<uint64_t> ticks;
  ui::Timer* t = MakeTimer(100, &ticks);
  t->Enabled = true;
  input_->advance(60);
  t->Enabled = true;
  input_->advance(50);
  EXPECT_EQ(ticks, (std::vector<uint64_t>{100}));
}

TEST_F(Timers, ChangingTheIntervalRestartsIt) {
  std::vector<uint64_t> ticks;
  ui::Timer* t = MakeTimer(100, &ticks);
  t->Enabled = true;
  input_->advance(60);
  t->Interval = 100;  // same value: nothing happens
  t->Interval = 50;
  input_->advance(60);
  EXPECT_EQ(ticks, (std::vector<uint64_t>{110}));
}

TEST_F(Timers, DisabledTimerAndTimerWithoutHandlerNeverFire) {
  std::vector<uint64_t> ticks;
  ui::Timer* t = MakeTimer(100, &ticks);
  input_->advance(500);
  t->OnTimer = nullptr;
  t->Enabled = true;
  input_->advance(500);
  EXPECT_TRUE(ticks.empty());
}

TEST_F(Timers, ALateTimerFiresOnceThenKeepsItsRhythm) {
  std::vector<uint64_t> ticks;
  ui::Timer* t = MakeTimer(100, &ticks);
  t->Enabled = true;
  backend_->SetClock(450);  // the loop was busy for four intervals
  input_->pump();
  input_->pump();
  EXPECT_EQ(ticks, (std::vector<uint64_t>{450, 450}));  // the missed one and the one pending
  input_->advance(100);
  EXPECT_EQ(ticks.back(), 500u);
}

TEST_F(Timers, TimersOfHiddenFormsFireAndTicksRunInsideModalLoops) {
  std::vector<uint64_t> ticks;
  ui::Timer* t = MakeTimer(100, &ticks);
  form_->Hide();
  t->Enabled = true;
  input_->advance(100);
  EXPECT_EQ(ticks.size(), 1u);
  ui::Form* dialog = nullptr;
  app_->CreateForm(dialog);
  input_->answerModal([&](ui::Form& modal) {
    input_->advance(300);
    modal.ModalResult = ui::mrOk;
  });
  dialog->ShowModal();
  EXPECT_EQ(ticks.size(), 4u);
}

TEST_F(Timers, HandlerCanStopAnotherTimerDueAtTheSameTime) {
  std::vector<uint64_t> first, second;
  ui::Timer* a = MakeTimer(100, &first);
  ui::Timer* b = MakeTimer(100, &second);
  a->OnTimer = [&](ui::Control&) {
    first.push_back(1);
    b->Enabled = false;
  };
  a->Enabled = true;
  b->Enabled = true;
  input_->advance(100);
  EXPECT_EQ(first.size(), 1u);
  EXPECT_TRUE(second.empty());
}

TEST_F(Timers, TerminateEndsNestedModalLoopsInnermostFirst) {
  ui::Form* outer = nullptr;
  ui::Form* inner = nullptr;
  app_->CreateForm(outer);
  app_->CreateForm(inner);
  std::vector<std::string> order;
  input_->answerModal([&](ui::Form&) {
    inner->ShowModal();
    order.push_back("inner returned");
  });
  input_->answerModal([&](ui::Form&) { app_->Terminate(); });
  outer->ShowModal();
  order.push_back("outer returned");
  EXPECT_EQ(order, (std::vector<std::string>{"inner returned", "outer returned"}));
  EXPECT_FALSE(inner->Visible);
  EXPECT_FALSE(outer->Visible);
}

}  // namespace
