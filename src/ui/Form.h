#pragma once
// A top-level window without a system frame. Screens derive from it, build
// their controls in the constructor and bind their handlers there.
#include <functional>
#include <string>

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

  // Draws the whole form into its canvas and returns it.
  const Bitmap& Render();
  void MarkDirty() { dirty_ = true; }
  bool Dirty() const { return dirty_; }
  WindowId Window() const { return window_; }
  bool HasWindow() const { return window_ != 0; }

 protected:
  void Paint(Canvas& canvas) override;

 private:
  // The application creates and destroys forms and moves the keyboard.
  friend class Application;
  void DoCreate();
  void DoDestroy();
  void HideForDestruction();
  void FocusNext(bool backwards);
  bool CloseQuery();

  void VisibleChanged();
  void EnsureWindow();
  void PlaceOnDesktop();

  Application& app_;
  Bitmap canvas_;
  WindowId window_ = 0;
  bool dirty_ = true;
  bool modal_ = false;
  bool placed_ = false;
  bool inVisibleChange_ = false;
  Control* lastFocus_ = nullptr;
};

}  // namespace ui
