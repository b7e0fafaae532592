#pragma once
// A top-level window without a system frame. Screens derive from it, build
// their controls in the constructor and bind their handlers there.
#include <functional>
#include <string>
#include <vector>

#include "ui/Backend.h"
#include "ui/Bitmap.h"
#include "ui/Control.h"

namespace ui {

class Application;

using CloseQueryEvent = std::function<void(Control& sender, bool& canClose)>;
using CloseEvent = std::function<void(Control& sender, CloseAction& action)>;

class Form : public Control {
 public:
  explicit Form(Application& app);
  ~Form() override;

  Application& App() const { return app_; }

  Property<FormPosition> Position;
  Property<bool> KeyPreview;
  Property<bool> TransparentColor;
  Property<ui::Color> TransparentColorValue;
  Property<bool> DoubleBuffered;  // our drawing never flickers; only recorded
  Property<int> ModalResult;
  Property<Control*> ActiveControl;

  NotifyEvent OnCreate, OnShow, OnHide, OnDestroy, OnActivate;
  CloseQueryEvent OnCloseQuery;
  CloseEvent OnClose;

  int ClientWidth() const { return Width; }
  int ClientHeight() const { return Height; }
  void SetClientSize(int width, int height);

  // Makes the form visible (running OnShow when it was hidden) and brings it
  // to the front with the keyboard.
  void Show();
  void Hide();
  // Shows the form and runs a nested message loop until ModalResult is set,
  // the form is hidden or closed, or the application terminates.
  int ShowModal();
  // Asks OnCloseQuery, then OnClose; a modal form gets mrCancel, the main
  // form ends the application, any other form hides.
  void Close();
  bool IsModal() const { return modal_; }

  // The window drag: the form follows the mouse until the left button is up.
  void BeginDrag(Point grab);

  // Draws into the form's canvas what changed since it was last drawn (all
  // of it the first time) and returns the canvas.
  const Bitmap& Render();
  // The parts of the canvas the last Render drew anew.
  const std::vector<Rect>& Repainted() const { return repainted_; }
  // The whole form is to be drawn again.
  void MarkDirty() { dirtyAll_ = true; }
  bool Dirty() const { return dirtyAll_ || !dirtyRects_.empty() || !dirtyControls_.empty(); }
  WindowId Window() const { return window_; }
  bool HasWindow() const { return window_ != 0; }

 protected:
  void Paint(Canvas& canvas) override;
  // The window manager asks to close the window (Alt+F4, a task bar's
  // close): the same as Close() unless the form says otherwise.
  virtual void CloseRequested() { Close(); }

 private:
  // The application creates and destroys forms and moves the keyboard.
  friend class Application;
  // Controls report their changes and their end.
  friend class Control;
  void ControlChanged(Control* control);
  void ControlGone(Control* control);
  void AddDirtyRect(const Rect& r);
  void ForgetCanvas();
  static void DetachControls(Control* control);
  void DoCreate();
  void DoDestroy();
  void HideForDestruction();
  void FocusNext(bool backwards);
  bool CloseQuery();

  void VisibleChanged();
  // Draws the form, makes and places its window, presents and maps it, once
  // its show handler has run.
  void MapWindow();
  void EnsureWindow();
  void PlaceOnDesktop();

  Application& app_;
  Bitmap canvas_;
  WindowId window_ = 0;
  // What to draw again: everything, or these parts and these controls.
  bool dirtyAll_ = true;
  std::vector<Rect> dirtyRects_;
  std::vector<Control*> dirtyControls_;
  std::vector<Rect> repainted_;
  bool modal_ = false;
  bool placed_ = false;
  bool inVisibleChange_ = false;
  Control* lastFocus_ = nullptr;
};

}  // namespace ui
