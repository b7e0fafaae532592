#pragma once
// The application object: creates the forms, runs the message loop (and the
// nested loops of modal windows and popup menus), dispatches input to
// controls in the classic order, fires timers, shows hints and reports
// exceptions that escape handlers.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/Backend.h"
#include "ui/FontCache.h"
#include "ui/Form.h"

namespace ui {

class HintWindow;
class PopupMenu;
class Timer;

class Application {
 public:
  explicit Application(std::unique_ptr<Backend> backend);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  std::string Title;
  std::string ExeName;
  // When set, exceptions that escape handlers go here instead of the report box.
  std::function<void(const std::string& message)> OnException;
  // Where the window system's refusals that the program lived through are
  // told (one line each); when unset, the standard error.
  std::function<void(const std::string& line)> OnDisplayError;

  // Creates a form: constructs it (its controls), sets the caller's instance
  // pointer, then runs its creation handler. The first form created is the
  // main window.
  template <typename T>
  T* CreateForm(T*& reference) {
    T* form = new T(*this);
    reference = form;
    created_.push_back(form);
    if (mainForm_ == nullptr) mainForm_ = form;
    form->DoCreate();
    return form;
  }

  // Runs the message loop until Terminate, then destroys every form.
  void Run();
  // Handles everything pending, including due timer ticks, then returns.
  void ProcessMessages();
  // Ends the message loop and every nested loop; handlers return first.
  void Terminate();
  bool Terminated() const { return terminated_; }
  void Minimize();

  // A modal message box; flags are MB_OK or MB_YESNO with an icon flag.
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
  void ShowException(const std::exception& e);

  Form* MainForm() const { return mainForm_; }
  const std::vector<Form*>& Forms() const { return created_; }
  Form* ActiveModal() const { return modal_.empty() ? nullptr : modal_.back(); }
  // The window of the popup menu that is open, if any.
  Form* PopupWindow() const { return popupForm_; }
  Backend& GetBackend() { return *backend_; }
  FontCache& Fonts() { return fonts_; }
  uint64_t Now() { return backend_->Now(); }
  HintWindow* Hint() const { return hint_.get(); }
  Control* Captured() const { return capture_; }

  // Destroys every created form, last created first (each hides if it is
  // shown, then runs its destruction handler). Run does this itself.
  void DestroyForms();

  // The time the loop next has something to do (a timer or a hint); UINT64_MAX: nothing.
  uint64_t NextDeadline();

 private:
  // The bookkeeping behind forms, timers and popup menus: registering them,
  // the modal stack, nested loops and the window drag. Only those classes
  // call it; screens go through Show, ShowModal, Enabled, Popup and BeginDrag.
  friend class Form;
  friend class Timer;
  friend class PopupMenu;
  void RegisterForm(Form* form);
  void UnregisterForm(Form* form);
  uint64_t RegisterTimer(Timer* timer);
  void UnregisterTimer(Timer* timer);
  void WindowCreated(Form* form);
  void FormShown(Form* form);
  void FormHidden(Form* form);
  void FormMinimized(Form* form);
  void PresentNow(Form* form);
  // Maps the windows shown whose show handlers are still running.
  void MapShownForms();
  void PushModal(Form* form);
  void PopModal(Form* form);
  // The window a modal form came over: the one that had the keyboard when it
  // was shown, while that one is up; 0 when there is none.
  WindowId ModalOwner(const Form* form) const;
  // Brings the modal window forward with the keyboard after a press or a
  // key on a window it blocks.
  void BringModalForward(const Form* blocked);
  void CancelMouseCapture();
  void BeginWindowDrag(Form* form, Point grab);
  bool IsPopupForm(const Form* form) const;
  // Runs nested loop rounds until done() holds or the application ends.
  void RunLoop(const std::function<bool()>& done);
  // Shows a popup menu at a desktop point and waits until it closes.
  void TrackPopup(PopupMenu& menu, int x, int y);

  void Dispatch(const Event& event);
  void DispatchMouseDown(Form* form, const Event& e);
  void DispatchMouseMove(Form* form, const Event& e);
  void DispatchMouseUp(Form* form, const Event& e);
  void DispatchKeyDown(Form* form, const Event& e);
  void DispatchKeyPress(Form* form, char32_t ch);
  bool AcceptsInput(const Form* form) const;
  Form* FormOf(WindowId id) const;
  void FireDueTimers();
  void UpdateHint();
  bool HintMayShow() const;
  void FollowDrag();
  void SetHover(Control* control);
  void PaintDirtyForms();
  bool BelongsTo(const Control* control, const Form* form) const;
  template <typename F>
  void Guarded(F&& action);

  std::unique_ptr<Backend> backend_;
  FontCache fonts_;
  std::vector<Form*> forms_;     // every live form, internal ones included
  std::vector<Form*> created_;   // the forms made by CreateForm, in order
  std::vector<Form*> unmapped_;  // shown, their windows not yet up: their show handlers run
  Form* mainForm_ = nullptr;
  std::vector<Timer*> timers_;
  std::set<Timer*> liveTimers_;
  uint64_t timerSequence_ = 0;
  std::vector<Form*> modal_;
  std::vector<Form*> modalReturn_;  // the window that had the keyboard before each modal one
  // When the top modal window was last minimised: an activation of a window
  // beneath that comes within a moment of it is the manager handing the
  // keyboard on, not the player.
  std::optional<uint64_t> modalMinimizedAt_;
  Form* active_ = nullptr;  // the window that has the keyboard
  bool terminated_ = false;
  bool destroyed_ = false;

  // Mouse state.
  Control* capture_ = nullptr;
  MouseButton captureButton_ = MouseButton::Left;
  bool clickArmed_ = false;
  Form* dragForm_ = nullptr;
  Point dragGrab_{};
  Control* hover_ = nullptr;
  uint64_t hoverSince_ = 0;
  ShiftState keyShift_ = 0;

  std::unique_ptr<HintWindow> hint_;
  bool hintShown_ = false;
  uint64_t hintShownAt_ = 0;
  bool hintSpent_ = false;  // the hover's hint has had its time; no second one until the pointer moves on
  PopupMenu* activePopup_ = nullptr;
  Form* popupForm_ = nullptr;
};

}  // namespace ui
