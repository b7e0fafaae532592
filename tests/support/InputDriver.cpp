#include "support/InputDriver.h"

#include <gtest/gtest.h>

#include <climits>
#include <string_view>
#include <utility>

#include "ui/Form.h"

namespace testing_support {
namespace {

// Rounds in a row in which the loop has something due and no time passes:
// far more than any number of timers due at one moment.
constexpr int kRoundsWithoutProgress = 1000;

}  // namespace

InputDriver::InputDriver(ui::Application& app, ui::HeadlessBackend& backend) : app_(app), backend_(backend) {
  backend_.OnIdle = [this](uint64_t) { onIdle(); };
  describe = [](ui::Form& form) { return form.Caption(); };
}

InputDriver::~InputDriver() { backend_.OnIdle = nullptr; }

void InputDriver::onIdle() {
  ui::Form* modal = app_.PopupWindow() != nullptr ? app_.PopupWindow() : app_.ActiveModal();
  if (modal == nullptr) {
    // A popup menu or another nested loop with nothing scripted.
    unanswered_.push_back("(a nested loop without a modal window)");
    app_.Terminate();
    return;
  }
  if (answers_.empty()) {
    unanswered_.push_back(modal->Name() + " \"" + describe(*modal) + "\"");
    app_.Terminate();
    return;
  }
  auto answer = std::move(answers_.front().action);
  answers_.pop_front();
  messages_.push_back(describe(*modal));
  answer(*modal);
}

void InputDriver::answerModal(std::function<void(ui::Form&)> answer, std::source_location queuedAt) {
  answers_.push_back(Answer{std::move(answer), queuedAt});
}

void InputDriver::answerEnter(int n, std::source_location queuedAt) {
  for (int i = 0; i < n; ++i) answerModal([this](ui::Form&) { key(ui::VK_RETURN); }, queuedAt);
}

size_t InputDriver::discardAnswers() {
  const size_t n = answers_.size();
  answers_.clear();
  return n;
}

void InputDriver::checkEnd() {
  for (const std::string& modal : unanswered_) {
    ADD_FAILURE() << "A modal window came up and no answer was queued for it: " << modal
                  << ". Queue one with answerEnter() or answerModal() before the step that shows it.";
  }
  unanswered_.clear();
  // A test cut short by a fatal failure leaves its later answers unused; that says nothing new.
  if (answers_.empty() || ::testing::Test::HasFatalFailure()) {
    answers_.clear();
    return;
  }
  // One failure per line that queued answers, reported at that line.
  std::vector<std::pair<std::source_location, int>> lines;
  for (const Answer& a : answers_) {
    if (!lines.empty() && lines.back().first.line() == a.queuedAt.line() &&
        std::string_view(lines.back().first.file_name()) == a.queuedAt.file_name()) {
      ++lines.back().second;
    } else {
      lines.emplace_back(a.queuedAt, 1);
    }
  }
  answers_.clear();
  for (const auto& [where, count] : lines) {
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
        << count << (count == 1 ? " answer" : " answers")
        << " queued here for a modal window never used: no modal window came up for " << (count == 1 ? "it" : "them")
        << " before the test ended. Queue an answer only for a window the step is expected to show; "
           "a test that queues answers ahead of windows that may not come drops the rest with discardAnswers().";
  }
}

void InputDriver::postMouse(ui::Event::Type type, ui::Control* control, int x, int y, ui::MouseButton button,
                            int clicks) {
  ui::Form* form = control->ParentForm();
  const ui::Point screen = control->ClientToScreen(ui::Point{x, y});
  ui::Event e;
  e.type = type;
  e.window = form->Window();
  e.button = button;
  e.clicks = clicks;
  e.shift = held_;
  backend_.PostAtDesktop(e, screen.x, screen.y);
}

namespace {
ui::ShiftState Flag(ui::MouseButton b) {
  return b == ui::MouseButton::Left ? ui::ssLeft : b == ui::MouseButton::Right ? ui::ssRight : ui::ssMiddle;
}
}  // namespace

void InputDriver::moveTo(ui::Control* control) { moveTo(control, control->Width / 2, control->Height / 2); }

void InputDriver::moveTo(ui::Control* control, int x, int y) {
  postMouse(ui::Event::Type::MouseMove, control, x, y, ui::MouseButton::Left, 0);
  pump();
}

void InputDriver::press(ui::Control* control, ui::MouseButton button) {
  held_ |= Flag(button);
  postMouse(ui::Event::Type::MouseDown, control, control->Width / 2, control->Height / 2, button, 1);
  pump();
}

void InputDriver::release(ui::Control* control, ui::MouseButton button) {
  held_ &= ~Flag(button);
  postMouse(ui::Event::Type::MouseUp, control, control->Width / 2, control->Height / 2, button, 1);
  pump();
}

void InputDriver::click(ui::Control* control) {
  moveTo(control);
  press(control);
  release(control);
}

void InputDriver::rightClick(ui::Control* control) {
  moveTo(control);
  press(control, ui::MouseButton::Right);
  release(control, ui::MouseButton::Right);
}

void InputDriver::doubleClick(ui::Control* control) {
  click(control);
  held_ |= ui::ssLeft;
  postMouse(ui::Event::Type::MouseDown, control, control->Width / 2, control->Height / 2, ui::MouseButton::Left, 2);
  pump();
  release(control);
}

void InputDriver::drag(ui::Control* control, int dx, int dy) {
  moveTo(control);
  press(control);
  const ui::Point start = backend_.GlobalMouse();
  ui::Event e;
  e.type = ui::Event::Type::MouseMove;
  e.window = control->ParentForm()->Window();
  e.shift = held_;
  backend_.PostAtDesktop(e, start.x + dx, start.y + dy);
  pump();
  held_ &= ~ui::ssLeft;
  e.type = ui::Event::Type::MouseUp;
  e.shift = held_;
  backend_.PostAtDesktop(e, start.x + dx, start.y + dy);
  pump();
}

void InputDriver::type(const std::string& utf8) {
  ui::Event e;
  e.type = ui::Event::Type::TextInput;
  e.window = backend_.FocusWindow();
  e.text = utf8;
  backend_.Post(e);
  pump();
}

void InputDriver::key(int virtualKey, ui::ShiftState shift) {
  ui::Event e;
  e.type = ui::Event::Type::KeyDown;
  e.window = backend_.FocusWindow();
  e.key = virtualKey;
  e.shift = shift;
  backend_.Post(e);
  e.type = ui::Event::Type::KeyUp;
  backend_.Post(e);
  pump();
}

void InputDriver::closeWindow(ui::Form* form) {
  ui::Event e;
  e.type = ui::Event::Type::CloseRequest;
  e.window = form->Window();
  backend_.Post(e);
  pump();
}

void InputDriver::pump() {
  if (!app_.Terminated()) app_.ProcessMessages();
}

void InputDriver::advance(uint64_t ms) {
  const uint64_t start = backend_.Now();
  const uint64_t target = start + ms;
  pump();
  int roundsWithoutProgress = 0;
  while (!app_.Terminated()) {
    const uint64_t before = backend_.Now();
    const uint64_t next = app_.NextDeadline();
    if (next > target) break;
    if (next > before) backend_.SetClock(next);
    pump();
    if (backend_.Now() > before) {
      roundsWithoutProgress = 0;
    } else if (++roundsWithoutProgress >= kRoundsWithoutProgress) {
      ADD_FAILURE() << "advance(" << ms << ") from " << start << " ms spins without progress: for "
                    << kRoundsWithoutProgress << " rounds the clock stayed at " << before
                    << " ms while the application kept reporting something due at " << next
                    << " ms. A timer, a hint or another deadline stays due and never runs, or the clock "
                       "does not move. The clock now jumps to "
                    << target << " ms; whatever was due in between did not run.";
      break;
    }
  }
  if (backend_.Now() < target) backend_.SetClock(target);
  pump();
}

}  // namespace testing_support
