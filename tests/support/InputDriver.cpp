#include "support/InputDriver.h"

#include <climits>

#include "ui/Form.h"

namespace testing_support {

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
  auto answer = std::move(answers_.front());
  answers_.pop_front();
  messages_.push_back(describe(*modal));
  answer(*modal);
}

void InputDriver::answerModal(std::function<void(ui::Form&)> answer) { answers_.push_back(std::move(answer)); }

void InputDriver::answerEnter(int n) {
  for (int i = 0; i < n; ++i) answerModal([this](ui::Form&) { key(ui::VK_RETURN); });
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

void InputDriver::pump() {
  if (!app_.Terminated()) app_.ProcessMessages();
}

void InputDriver::advance(uint64_t ms) {
  const uint64_t target = backend_.Now() + ms;
  pump();
  int spins = 0;
  while (!app_.Terminated()) {
    const uint64_t next = app_.NextDeadline();
    if (next > target) break;
    if (next > backend_.Now()) {
      backend_.SetClock(next);
      spins = 0;
    } else if (++spins > 1000) {
      break;  // something stays due without firing; don't spin for ever
    }
    pump();
  }
  if (backend_.Now() < target) backend_.SetClock(target);
  pump();
}

}  // namespace testing_support
