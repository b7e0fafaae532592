#include "ui/Application.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "platform/Cp1251.h"
#include "ui/HintWindow.h"
#include "ui/MessageDialog.h"
#include "ui/PopupMenu.h"
#include "ui/Timer.h"

namespace ui {
namespace {

constexpr uint64_t kHintPause = 500;
constexpr uint64_t kHintHidePause = 2500;

ShiftState ButtonFlag(MouseButton b) {
  switch (b) {
    case MouseButton::Left:
      return ssLeft;
    case MouseButton::Right:
      return ssRight;
    case MouseButton::Middle:
      return ssMiddle;
  }
  return 0;
}

}  // namespace

Application::Application(std::unique_ptr<Backend> backend) : backend_(std::move(backend)) {
  platform::SetAudioOutput(&backend_->Audio());
  hint_ = std::make_unique<HintWindow>(*this);
}

Application::~Application() {
  DestroyForms();
  activePopup_ = nullptr;
  hint_.reset();
  platform::SetAudioOutput(nullptr);
}

template <typename F>
void Application::Guarded(F&& action) {
  try {
    action();
  } catch (const std::exception& e) {
    ShowException(e);
  } catch (...) {
    ShowException(std::runtime_error("Unknown exception"));
  }
}

void Application::ShowException(const std::exception& e) {
  if (OnException) {
    OnException(e.what());
    return;
  }
  if (terminated_) return;
  std::string text = e.what();
  if (!text.empty() && text.back() != '.') text += '.';
  MessageBox(text, Title, MB_OK | MB_ICONERROR);
}

int Application::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  if (terminated_) return IDCANCEL;
  MessageDialog dialog(*this, text, caption, flags);
  const int result = dialog.ShowModal();
  if (result == mrYes) return IDYES;
  if (result == mrNo) return IDNO;
  if (result == mrOk) return IDOK;
  return (flags & 0xF) == MB_YESNO ? IDNO : IDCANCEL;
}

void Application::RegisterForm(Form* form) { forms_.push_back(form); }

void Application::UnregisterForm(Form* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  created_.erase(std::remove(created_.begin(), created_.end(), form), created_.end());
  modal_.erase(std::remove(modal_.begin(), modal_.end(), form), modal_.end());
  unmapped_.erase(std::remove(unmapped_.begin(), unmapped_.end(), form), unmapped_.end());
  if (mainForm_ == form) mainForm_ = nullptr;
  if (BelongsTo(capture_, form)) capture_ = nullptr;
  if (BelongsTo(hover_, form)) hover_ = nullptr;
  if (dragForm_ == form) dragForm_ = nullptr;
  if (popupForm_ == form) popupForm_ = nullptr;
}

uint64_t Application::RegisterTimer(Timer* timer) {
  timers_.push_back(timer);
  liveTimers_.insert(timer);
  return ++timerSequence_;
}

void Application::UnregisterTimer(Timer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
  liveTimers_.erase(timer);
}

bool Application::BelongsTo(const Control* control, const Form* form) const {
  return control != nullptr && control->ParentForm() == form;
}

Form* Application::FormOf(WindowId id) const {
  if (id == 0) return nullptr;
  for (Form* f : forms_) {
    if (f->Window() == id) return f;
  }
  return nullptr;
}

bool Application::IsPopupForm(const Form* form) const { return form == hint_.get() || form == popupForm_; }

void Application::WindowCreated(Form*) {}

void Application::FormShown(Form* form) {
  if (!IsPopupForm(form)) active_ = form;
  if (form != hint_.get()) {
    hintShown_ = false;
    if (hint_ && hint_->Visible) hint_->Hide();
  }
}

void Application::FormHidden(Form* form) {
  if (active_ == form) active_ = nullptr;
  if (BelongsTo(capture_, form)) capture_ = nullptr, clickArmed_ = false;
  if (BelongsTo(hover_, form)) SetHover(nullptr);
  if (dragForm_ == form) dragForm_ = nullptr;
}

// A hint belongs to the pointer's stay over its control: it goes with the
// window it was shown for.
void Application::FormMinimized(Form* form) {
  if (BelongsTo(hover_, form)) SetHover(nullptr);
}

void Application::PresentNow(Form* form) {
  if (!backend_->Draws() || !form->HasWindow()) return;
  const Bitmap& canvas = form->Render();
  backend_->Present(form->Window(), canvas, form->Repainted());
}

void Application::MapShownForms() {
  while (!unmapped_.empty()) unmapped_.front()->MapWindow();
}

void Application::PushModal(Form* form) {
  // The windows underneath take no input now: their hover and hint go.
  SetHover(nullptr);
  modal_.push_back(form);
  modalReturn_.push_back(active_);
  modalMinimizedAt_.reset();
}

void Application::PopModal(Form* form) {
  auto it = std::find(modal_.rbegin(), modal_.rend(), form);
  if (it == modal_.rend()) return;
  const size_t index = static_cast<size_t>(std::distance(modal_.begin(), std::next(it).base()));
  Form* back = modalReturn_[index];
  modal_.erase(modal_.begin() + static_cast<long>(index));
  modalReturn_.erase(modalReturn_.begin() + static_cast<long>(index));
  // The keyboard goes back to the window that had it before.
  if (back != nullptr && back->Visible && back->HasWindow() && !terminated_) {
    active_ = back;
    backend_->RaiseWindow(back->Window());
  }
}

WindowId Application::ModalOwner(const Form* form) const {
  const auto it = std::find(modal_.begin(), modal_.end(), form);
  if (it == modal_.end()) return 0;
  const Form* owner = modalReturn_[static_cast<size_t>(it - modal_.begin())];
  return owner != nullptr && owner != form && owner->Visible && owner->HasWindow() ? owner->Window() : 0;
}

// Under a window manager a click raises the window clicked, the one a modal
// window blocks too, and may give it the keyboard: the modal window comes
// back on top with the keyboard, or it would wait hidden for an answer. So
// does a window the manager activated (a task bar's entry), and a modal
// window that was minimised comes back onto the desktop first. Only the
// activation a manager makes itself when the modal window is minimised
// leaves it minimised: the player minimised it a moment before. It is told
// by its timing, as it comes at once; not every manager makes one (fluxbox
// gives the keyboard to the desktop), so the next activation may well be the
// player's own.
void Application::BringModalForward(const Form* blocked) {
  if (modal_.empty() || popupForm_ != nullptr || blocked == nullptr || blocked == hint_.get()) return;
  Form* modal = modal_.back();
  if (blocked == modal || !blocked->Visible || !modal->Visible || !modal->HasWindow()) return;
  modalMinimizedAt_.reset();
  active_ = modal;
  // A modal window minimised on its own leaves nothing else to answer.
  backend_->RestoreWindow(modal->Window());
  backend_->RaiseWindow(modal->Window());
}

void Application::CancelMouseCapture() {
  capture_ = nullptr;
  clickArmed_ = false;
  dragForm_ = nullptr;
}

void Application::BeginWindowDrag(Form* form, Point grab) {
  capture_ = nullptr;
  clickArmed_ = false;
  dragForm_ = form;
  dragGrab_ = grab;
}

bool Application::AcceptsInput(const Form* form) const {
  if (form == nullptr || !form->Visible || !form->Enabled) return false;
  if (form == hint_.get()) return false;
  if (popupForm_ != nullptr) return form == popupForm_;
  if (modal_.empty()) return true;
  return form == modal_.back();
}

void Application::Terminate() { terminated_ = true; }

void Application::Minimize() {
  for (Form* f : forms_) {
    if (!f->Visible || !f->HasWindow()) continue;
    backend_->MinimizeWindow(f->Window());
    FormMinimized(f);
  }
}

void Application::Run() {
  RunLoop([] { return false; });
  DestroyForms();
}

void Application::RunLoop(const std::function<bool()>& done) {
  while (!terminated_ && !done()) {
    ProcessMessages();
    if (terminated_ || done()) break;
    backend_->WaitEvent(NextDeadline());
  }
}

uint64_t Application::NextDeadline() {
  uint64_t deadline = UINT64_MAX;
  for (Timer* t : timers_) {
    if (t->Armed()) deadline = std::min(deadline, t->Due());
  }
  if (!hintShown_ && HintMayShow()) deadline = std::min(deadline, hoverSince_ + kHintPause);
  if (hintShown_) deadline = std::min(deadline, hintShownAt_ + kHintHidePause);
  // A window being dragged is moved about sixty times a second.
  if (dragForm_ != nullptr && backend_->Draws()) deadline = std::min(deadline, backend_->Now() + 16);
  return deadline;
}

void Application::ProcessMessages() {
  if (destroyed_) return;
  MapShownForms();
  Event event;
  while (!terminated_ && backend_->PollEvent(event)) {
    Guarded([&] { Dispatch(event); });
  }
  for (const std::string& line : backend_->TakeDisplayErrors()) {
    if (OnDisplayError) {
      Guarded([&] { OnDisplayError(line); });
    } else {
      std::fprintf(stderr, "%s\n", line.c_str());
    }
  }
  FollowDrag();
  if (!terminated_) FireDueTimers();
  if (!terminated_) UpdateHint();
  PaintDirtyForms();
}

void Application::FireDueTimers() {
  const uint64_t now = backend_->Now();
  std::vector<Timer*> due;
  for (Timer* t : timers_) {
    if (t->Armed() && t->Due() <= now) due.push_back(t);
  }
  std::sort(due.begin(), due.end(), [](Timer* a, Timer* b) {
    return a->Due() != b->Due() ? a->Due() < b->Due() : a->Sequence() < b->Sequence();
  });
  for (Timer* t : due) {
    if (terminated_) return;
    // A handler earlier in this round may have stopped or removed it.
    if (liveTimers_.count(t) == 0 || !t->Armed() || t->Due() > now) continue;
    Guarded([&] { t->Fire(now); });
  }
}

void Application::PaintDirtyForms() {
  if (!backend_->Draws()) return;
  for (Form* f : forms_) {
    if (f->Visible && f->Dirty() && f->HasWindow()) PresentNow(f);
  }
}

void Application::SetHover(Control* control) {
  if (control == hover_) return;
  hover_ = control;
  hoverSince_ = backend_->Now();
  hintSpent_ = false;
  if (hintShown_) {
    hintShown_ = false;
    if (hint_->Visible) hint_->Hide();
  }
  backend_->SetCursor(control != nullptr ? control->Cursor() : Cursor::Default);
}

// The one test of whether the control under the mouse may still show its
// hint: the loop waits for a hint only when UpdateHint would then show it.
bool Application::HintMayShow() const {
  return hover_ != nullptr && !hintSpent_ && !hover_->Hint().empty() && hover_->ShowHint && capture_ == nullptr &&
         AcceptsInput(hover_->ParentForm());
}

void Application::UpdateHint() {
  const uint64_t now = backend_->Now();
  if (hintShown_) {
    if (now >= hintShownAt_ + kHintHidePause || hover_ == nullptr) {
      hintShown_ = false;
      hintSpent_ = hover_ != nullptr;
      if (hint_->Visible) hint_->Hide();
    }
    return;
  }
  if (!HintMayShow() || now < hoverSince_ + kHintPause) return;
  const Point mouse = backend_->GlobalMouse();
  hint_->Activate(hover_->Hint(), mouse.x, mouse.y + 20);
  hintShown_ = true;
  hintShownAt_ = now;
}

void Application::Dispatch(const Event& e) {
  keyShift_ = e.shift & (ssShift | ssAlt | ssCtrl);
  switch (e.type) {
    case Event::Type::MouseDown:
      DispatchMouseDown(FormOf(e.window), e);
      break;
    case Event::Type::MouseMove:
      DispatchMouseMove(FormOf(e.window), e);
      break;
    case Event::Type::MouseUp:
      DispatchMouseUp(FormOf(e.window), e);
      break;
    case Event::Type::MouseWheel: {
      Form* form = FormOf(e.window);
      if (!AcceptsInput(form)) break;
      Control* target = form->ActiveControl() != nullptr ? form->ActiveControl() : form->ControlAt(Point{e.x, e.y});
      Control* under = form->ControlAt(Point{e.x, e.y});
      (under != form ? under : target)->MouseWheel(e.wheel);
      break;
    }
    case Event::Type::KeyDown:
      DispatchKeyDown(FormOf(e.window), e);
      break;
    case Event::Type::KeyUp: {
      Form* form = FormOf(e.window);
      if (!AcceptsInput(form)) break;
      int key = e.key;
      Control* target = form->ActiveControl() != nullptr ? form->ActiveControl() : form;
      if (form->KeyPreview && target != form) form->KeyUp(key, e.shift);
      if (key != 0) target->KeyUp(key, e.shift);
      break;
    }
    case Event::Type::TextInput: {
      Form* form = FormOf(e.window);
      if (!AcceptsInput(form) || (e.shift & (ssCtrl | ssAlt))) break;
      for (size_t pos = 0; pos < e.text.size();) {
        const char32_t ch = platform::DecodeUtf8(e.text, pos);
        DispatchKeyPress(form, ch);
      }
      break;
    }
    case Event::Type::MouseLeave:
      // A control pressed keeps the mouse until the button is up.
      if (capture_ == nullptr && dragForm_ == nullptr && BelongsTo(hover_, FormOf(e.window))) SetHover(nullptr);
      break;
    case Event::Type::Minimized:
      if (Form* form = FormOf(e.window)) {
        FormMinimized(form);
        if (!modal_.empty() && form == modal_.back()) modalMinimizedAt_ = backend_->Now();
      }
      break;
    case Event::Type::Activated:
      if (Form* form = FormOf(e.window); form != nullptr && !AcceptsInput(form)) {
        // The manager's own hand-over comes within a fraction of a second.
        constexpr uint64_t kHandOver = 500;
        if (!modalMinimizedAt_ || backend_->Now() - *modalMinimizedAt_ >= kHandOver) BringModalForward(form);
      }
      break;
    case Event::Type::Repaint:
      if (Form* form = FormOf(e.window)) form->MarkDirty();
      break;
    case Event::Type::CloseRequest: {
      Form* form = FormOf(e.window);
      if (AcceptsInput(form)) form->CloseRequested();
      break;
    }
    case Event::Type::Quit:
      Terminate();
      break;
  }
}

void Application::DispatchMouseDown(Form* form, const Event& e) {
  if (popupForm_ != nullptr && form != popupForm_) {
    // A press outside an open menu closes it and does nothing else.
    if (activePopup_ != nullptr) activePopup_->Dismiss();
    return;
  }
  if (!AcceptsInput(form)) {
    BringModalForward(form);
    return;
  }
  if (hintShown_) {
    hintShown_ = false;
    hint_->Hide();
  }
  hoverSince_ = backend_->Now();
  if (form != popupForm_) {
    backend_->RaiseWindow(form->Window());
    active_ = form;
  }
  Control* target = form->ControlAt(Point{e.x, e.y});
  const bool isDouble = e.button == MouseButton::Left && e.clicks >= 2 && e.clicks % 2 == 0;
  ShiftState shift = (e.shift & (ssShift | ssAlt | ssCtrl)) | ButtonFlag(e.button) | (isDouble ? ssDouble : 0);
  capture_ = target;
  captureButton_ = e.button;
  clickArmed_ = e.button == MouseButton::Left && !isDouble;
  if (target->CanFocus()) target->SetFocus();
  const Point p = target->ScreenToClient(form->ClientToScreen(Point{e.x, e.y}));
  if (isDouble) target->DblClick();
  target->MouseDown(e.button, shift, p.x, p.y);
}

// The dragged window follows the mouse itself, not only its motion events:
// once the window moves with the pointer, the pointer stays put inside it and
// no further motion may be reported.
void Application::FollowDrag() {
  if (dragForm_ == nullptr) return;
  if ((backend_->GlobalButtons() & ssLeft) == 0) {
    dragForm_ = nullptr;
    return;
  }
  const Point mouse = backend_->GlobalMouse();
  dragForm_->Left = mouse.x - dragGrab_.x;
  dragForm_->Top = mouse.y - dragGrab_.y;
}

void Application::DispatchMouseMove(Form* form, const Event& e) {
  if (dragForm_ != nullptr) {
    FollowDrag();
    return;
  }
  if (form == nullptr) return;
  const Point screen = form->ClientToScreen(Point{e.x, e.y});
  if (capture_ != nullptr) {
    const Point p = capture_->ScreenToClient(screen);
    capture_->MouseMove(e.shift, p.x, p.y);
    return;
  }
  if (!AcceptsInput(form)) {
    SetHover(nullptr);
    return;
  }
  Control* target = form->ControlAt(Point{e.x, e.y});
  SetHover(target);
  const Point p = target->ScreenToClient(screen);
  target->MouseMove(e.shift, p.x, p.y);
}

void Application::DispatchMouseUp(Form* form, const Event& e) {
  if (dragForm_ != nullptr) {
    if (e.button == MouseButton::Left) dragForm_ = nullptr;
    return;
  }
  if (form == nullptr) return;
  const Point screen = form->ClientToScreen(Point{e.x, e.y});
  const ShiftState shift = e.shift & (ssShift | ssAlt | ssCtrl);
  if (capture_ != nullptr && e.button == captureButton_) {
    Control* target = capture_;
    const bool armed = clickArmed_;
    capture_ = nullptr;
    clickArmed_ = false;
    const Point p = target->ScreenToClient(screen);
    if (armed && target->ClientRect().Contains(p) && target->IsShowing() && target->IsEnabled()) target->Click();
    target->MouseUp(e.button, shift, p.x, p.y);
    if (e.button == MouseButton::Right && target->PopupMenu != nullptr && !terminated_) {
      const Point mouse = backend_->GlobalMouse();
      target->PopupMenu->Popup(mouse.x, mouse.y);
    }
    return;
  }
  if (!AcceptsInput(form)) return;
  Control* target = form->ControlAt(Point{e.x, e.y});
  const Point p = target->ScreenToClient(screen);
  target->MouseUp(e.button, shift, p.x, p.y);
}

void Application::DispatchKeyDown(Form* form, const Event& e) {
  if (popupForm_ != nullptr) form = popupForm_;  // an open menu has the keyboard
  if (!AcceptsInput(form)) {
    // A modifier alone is no answer: it is also what a window gets for the
    // keys still held when the keyboard comes to it (the Alt of the manager's
    // Alt+F9 that minimised the modal window).
    if (e.key != VK_SHIFT && e.key != VK_CONTROL && e.key != VK_MENU) BringModalForward(form);
    return;
  }
  if (hintShown_) {
    hintShown_ = false;
    hint_->Hide();
  }
  int key = e.key;
  const ShiftState shift = e.shift & (ssShift | ssAlt | ssCtrl);
  Control* focused = form->ActiveControl();
  if (focused != nullptr && (!focused->IsShowing() || !focused->IsEnabled())) focused = nullptr;
  Control* target = focused != nullptr ? focused : form;
  if (form->KeyPreview && target != form) form->KeyDown(key, shift);
  if (key != 0) target->KeyDown(key, shift);
  if (key == 0 || terminated_) return;
  if (key == VK_TAB && !(shift & (ssAlt | ssCtrl)) && !(focused != nullptr && focused->WantsKey(VK_TAB))) {
    form->FocusNext((shift & ssShift) != 0);
    return;
  }
  if (shift & ssAlt) return;  // Alt combinations type nothing
  char32_t ch = 0;
  if (shift & ssCtrl) {
    if (key >= 'A' && key <= 'Z') ch = static_cast<char32_t>(key - 'A' + 1);  // Ctrl+V is 22
  } else if (key == VK_RETURN) {
    ch = 13;
  } else if (key == VK_BACK) {
    ch = 8;
  } else if (key == VK_ESCAPE) {
    ch = 27;
  }
  if (ch != 0) DispatchKeyPress(form, ch);
}

void Application::DispatchKeyPress(Form* form, char32_t ch) {
  if (!AcceptsInput(form)) return;
  Control* focused = form->ActiveControl();
  if (focused != nullptr && (!focused->IsShowing() || !focused->IsEnabled())) focused = nullptr;
  Control* target = focused != nullptr ? focused : form;
  if (form->KeyPreview && target != form) form->KeyPress(ch);
  if (ch != 0) target->KeyPress(ch);
}

void Application::TrackPopup(PopupMenu& menu, int x, int y) {
  if (activePopup_ != nullptr || terminated_) return;
  CancelMouseCapture();
  activePopup_ = &menu;
  Form& window = menu.Window();
  popupForm_ = &window;
  window.Left = x;
  window.Top = y;
  window.Show();
  RunLoop([&] { return !window.Visible; });
  if (window.Visible) window.Hide();
  popupForm_ = nullptr;
  activePopup_ = nullptr;
  menu.RunChosen();
}

void Application::DestroyForms() {
  if (destroyed_) return;
  terminated_ = true;
  destroyed_ = true;
  if (hint_ && hint_->Visible) hint_->Hide();
  // Every form that is still up hides first, while all the others still
  // exist, since a hide handler may reach any form; then they are destroyed,
  // last created first, so the main window goes last.
  for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
    try {
      (*it)->HideForDestruction();
    } catch (...) {
      // Nothing can be reported any more; the other forms still go.
    }
  }
  while (!created_.empty()) {
    Form* form = created_.back();
    created_.pop_back();
    try {
      form->DoDestroy();
    } catch (...) {
    }
    delete form;
  }
}

}  // namespace ui
