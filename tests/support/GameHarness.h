#pragma once
// The whole game on the headless backend, for tests: a temporary program
// folder with the real data files, a temporary system folder, all 69 forms.
// Tests click, type, press keys, advance the virtual clock, answer modal
// windows as they come up, and read labels, skins, the log and the sounds.
#include <deque>
#include <functional>
#include <map>
#include <source_location>
#include <string>
#include <utility>
#include <vector>

#include "support/InputDriver.h"
#include "ui/Application.h"
#include "ui/HeadlessBackend.h"
#include "ui/Image.h"
#include "ui/Label.h"

namespace testing_support {

// Every member has a default, so a test names only what it sets.
struct HarnessOptions {
  // Values that replace those of the shipped configuration (key → value).
  std::map<std::string, std::string> config = {};
  // Runs after the program folder is prepared, before any form exists:
  // a chance to break or replace files.
  std::function<void(const std::string& gameDir)> prepare = {};
  // Show the main menu as the program does at start.
  bool showMainMenu = true;
};

class GameHarness {
 public:
  explicit GameHarness(HarnessOptions options = {});
  ~GameHarness();
  GameHarness(const GameHarness&) = delete;
  GameHarness& operator=(const GameHarness&) = delete;

  ui::Application& app() { return *app_; }
  ui::HeadlessBackend& backend() { return *backend_; }
  const std::string& gameDir() const { return gameDir_; }
  const std::string& systemDir() const { return systemDir_; }

  // --- input, time and modal windows: see InputDriver ---
  void moveTo(ui::Control* control) { input_->moveTo(control); }
  void moveTo(ui::Control* control, int x, int y) { input_->moveTo(control, x, y); }
  void press(ui::Control* c, ui::MouseButton b = ui::MouseButton::Left) { input_->press(c, b); }
  void release(ui::Control* c, ui::MouseButton b = ui::MouseButton::Left) { input_->release(c, b); }
  void click(ui::Control* control) { input_->click(control); }
  void rightClick(ui::Control* control) { input_->rightClick(control); }
  void doubleClick(ui::Control* control) { input_->doubleClick(control); }
  // Presses on the control, moves the mouse by (dx, dy) on the desktop, releases.
  void drag(ui::Control* control, int dx, int dy) { input_->drag(control, dx, dy); }
  // Keys and text go to the window that has the keyboard.
  void type(const std::string& utf8) { input_->type(utf8); }
  void key(int virtualKey, ui::ShiftState shift = 0) { input_->key(virtualKey, shift); }
  void closeWindow(ui::Form* form) { input_->closeWindow(form); }
  // Runs the virtual clock forward, firing every timer at its time.
  void advance(uint64_t ms) { input_->advance(ms); }
  void pump() { input_->pump(); }
  uint64_t now() { return backend_->Now(); }
  // Each answer is used by the next modal loop that waits; a modal window that
  // comes up with no answer queued fails the test.
  // An answer no window used by the end of the test fails it.
  void answerModal(std::function<void(ui::Form& modal)> answer,
                   std::source_location queuedAt = std::source_location::current()) {
    input_->answerModal(std::move(answer), queuedAt);
  }
  // Answers the next n modal windows with Enter (OK in the message windows,
  // "ДА" in the quit dialog, the first button of a message box).
  void answerEnter(int n = 1, std::source_location queuedAt = std::source_location::current()) {
    input_->answerEnter(n, queuedAt);
  }
  size_t pendingAnswers() const { return input_->pendingAnswers(); }
  // Drops the answers no window used (for answers queued ahead of windows
  // that may not come); returns how many.
  size_t discardAnswers() { return input_->discardAnswers(); }
  // Texts of the modal windows answered so far, in order.
  const std::vector<std::string>& messagesShown() const { return input_->messagesShown(); }
  const std::vector<std::string>& unanswered() const { return input_->unanswered(); }
  InputDriver& input() { return *input_; }

  // --- reading ---
  // The log file's lines, decoded; with the time suffix "  -  H:MM:SS" removed.
  std::vector<std::string> logLines(bool withTimes = false) const;
  // Names (without folder) of the sounds played, in order.
  std::vector<std::string> sounds() const;
  void clearSounds() { backend_->ClearSounds(); }
  // The file name (without folder) a picture last loaded; empty if none.
  static std::string skinOf(const ui::Image* image);
  const std::vector<std::string>& exceptions() const { return exceptions_; }
  // Programs started through the launcher: program path and arguments.
  const std::vector<std::pair<std::string, std::vector<std::string>>>& launches() const { return launches_; }
  bool savePng(ui::Form* form, const std::string& path);

  // Finds a control by name on a form (depth first).
  static ui::Control* find(ui::Control* root, const std::string& name);
  template <typename T>
  static T* find(ui::Control* root, const std::string& name) {
    return dynamic_cast<T*>(find(root, name));
  }

  // Ends the application as the program does and destroys every form.
  void shutDown();

  // Rewrites one value of a scrambled configuration file in place.
  static void SetConfigValue(const std::string& configPath, const std::string& key, const std::string& value);

 private:
  std::string root_, gameDir_, systemDir_;
  std::string savedSystemDir_;
  bool hadSystemDir_ = false;
  ui::HeadlessBackend* backend_ = nullptr;
  std::unique_ptr<ui::Application> app_;
  std::unique_ptr<InputDriver> input_;
  std::vector<std::string> exceptions_;
  std::vector<std::pair<std::string, std::vector<std::string>>> launches_;
};

}  // namespace testing_support
