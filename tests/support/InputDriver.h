#pragma once
// Scripted input and virtual time for an application on the headless
// backend: mouse and keys aimed at controls, the clock advanced timer by
// timer, and answers queued for the modal windows that come up.
#include <deque>
#include <functional>
#include <source_location>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/HeadlessBackend.h"

namespace testing_support {

class InputDriver {
 public:
  InputDriver(ui::Application& app, ui::HeadlessBackend& backend);
  ~InputDriver();

  void moveTo(ui::Control* control);
  void moveTo(ui::Control* control, int x, int y);
  void press(ui::Control* control, ui::MouseButton button = ui::MouseButton::Left);
  void release(ui::Control* control, ui::MouseButton button = ui::MouseButton::Left);
  void click(ui::Control* control);
  void rightClick(ui::Control* control);
  void doubleClick(ui::Control* control);
  void drag(ui::Control* control, int dx, int dy);
  void type(const std::string& utf8);
  void key(int virtualKey, ui::ShiftState shift = 0);
  // The window manager's close of the form's window (Alt+F4, a task bar's close).
  void closeWindow(ui::Form* form);
  // Runs the clock forward timer by timer. A loop that keeps reporting work
  // due without getting on (no time passes, round after round) fails the
  // test and jumps to the end.
  void advance(uint64_t ms);
  void pump();

  // Each answer is used by the next modal window (or popup menu) that waits.
  // An answer still queued when the test ends fails it (see checkEnd).
  void answerModal(std::function<void(ui::Form& modal)> answer,
                   std::source_location queuedAt = std::source_location::current());
  void answerEnter(int n = 1, std::source_location queuedAt = std::source_location::current());
  size_t pendingAnswers() const { return answers_.size(); }
  // Drops the answers no window used, for tests that queue answers ahead of
  // windows that may or may not come; returns how many were dropped.
  size_t discardAnswers();
  const std::vector<std::string>& messagesShown() const { return messages_; }
  const std::vector<std::string>& unanswered() const { return unanswered_; }

  // The checks at the end of a test: every modal window was answered and
  // every queued answer was used. Failures go to the running test.
  void checkEnd();

  // How a modal window's text is read for messagesShown().
  std::function<std::string(ui::Form&)> describe;

 private:
  void postMouse(ui::Event::Type type, ui::Control* control, int x, int y, ui::MouseButton button, int clicks);
  void onIdle();
  ui::Application& app_;
  ui::HeadlessBackend& backend_;
  struct Answer {
    std::function<void(ui::Form&)> action;
    std::source_location queuedAt;
  };
  std::deque<Answer> answers_;
  std::vector<std::string> messages_;
  std::vector<std::string> unanswered_;
  ui::ShiftState held_ = 0;
};

}  // namespace testing_support
