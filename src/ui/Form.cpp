#include "ui/Form.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "ui/Application.h"
#include "ui/Canvas.h"

namespace ui {

Form::Form(Application& app)
    : Control(nullptr),
      Position(FormPosition::ScreenCenter),
      KeyPreview(false),
      TransparentColor(false),
      TransparentColorValue(clRed),
      DoubleBuffered(false),
      ModalResult(mrNone),
      ActiveControl(nullptr),
      app_(app) {
  form_ = this;
  Visible.SetQuietly(false);
  Width.SetQuietly(320);
  Height.SetQuietly(240);
  Color.SetQuietly(clBtnFace);
  ParentColor.SetQuietly(false);
  ParentFont.SetQuietly(false);
  Visible.OnChange([this] { VisibleChanged(); });
  auto moved = [this] {
    placed_ = true;
    if (window_ != 0) app_.GetBackend().MoveWindow(window_, Left, Top);
  };
  Left.OnChange(moved);
  Top.OnChange(moved);
  auto sized = [this] {
    AlignChildren();
    if (window_ != 0) app_.GetBackend().ResizeWindow(window_, Width, Height);
    MarkDirty();
  };
  Width.OnChange(sized);
  Height.OnChange(sized);
  ActiveControl.OnChange([this] {
    Control* now = ActiveControl;
    if (lastFocus_ != nullptr) lastFocus_->FocusChanged(false), lastFocus_->Invalidate();
    lastFocus_ = now;
    if (now != nullptr) now->FocusChanged(true), now->Invalidate();
  });
  app_.RegisterForm(this);
}

// The form's own part goes first: its controls, deleted after it, no longer
// report to it.
void Form::DetachControls(Control* control) {
  for (Control* child : control->children_) {
    child->form_ = nullptr;
    DetachControls(child);
  }
}

Form::~Form() {
  // The application forgets the pointer's and the capture's control while
  // the controls still know their form; only then are they detached.
  app_.UnregisterForm(this);
  DetachControls(this);
  if (window_ != 0) app_.GetBackend().DestroyWindow(window_);
}

void Form::SetClientSize(int width, int height) {
  Width = width;
  Height = height;
}

void Form::DoCreate() {
  if (!OnCreate) return;
  try {
    OnCreate(*this);
  } catch (const std::exception& e) {
    app_.ShowException(e);
  }
}

void Form::HideForDestruction() {
  if (!Visible) return;
  Visible.SetQuietly(false);
  if (window_ != 0) app_.GetBackend().HideWindow(window_);
  if (OnHide) OnHide(*this);
}

void Form::DoDestroy() {
  HideForDestruction();
  if (OnDestroy) OnDestroy(*this);
}

void Form::PlaceOnDesktop() {
  if (placed_ || Position != FormPosition::ScreenCenter) return;
  Backend& backend = app_.GetBackend();
  Left.SetQuietly((backend.DesktopWidth() - Width) / 2);
  Top.SetQuietly((backend.DesktopHeight() - Height) / 2);
  placed_ = true;
}

void Form::EnsureWindow() {
  if (window_ != 0) return;
  WindowParams params;
  params.title = Caption().empty() ? app_.Title : Caption();
  params.left = Left;
  params.top = Top;
  params.width = std::max(1, Width());
  params.height = std::max(1, Height());
  params.shaped = TransparentColor;
  params.shapeKey = TransparentColorValue;
  params.popup = app_.IsPopupForm(this);
  window_ = app_.GetBackend().CreateWindow(params);
  app_.WindowCreated(this);
}

void Form::VisibleChanged() {
  if (inVisibleChange_) return;
  inVisibleChange_ = true;
  Backend& backend = app_.GetBackend();
  if (Visible) {
    // A window whose show handler is still running comes up before this one.
    app_.MapShownForms();
    MarkDirty();
    app_.FormShown(this);
    // A window that is shown puts the keyboard in its first field.
    if (ActiveControl() == nullptr) FocusNext(false);
    // The window comes up once its show handler has run, drawn once, as the
    // handler left it; sooner only when the handler waits for something else
    // (a message box, another window shown).
    app_.unmapped_.push_back(this);
    try {
      if (OnShow) OnShow(*this);
    } catch (...) {
      inVisibleChange_ = false;
      MapWindow();
      throw;
    }
    MapWindow();
  } else {
    if (window_ != 0) backend.HideWindow(window_);
    ForgetCanvas();
    app_.FormHidden(this);
    if (OnHide) OnHide(*this);
  }
  inVisibleChange_ = false;
}

// The form is drawn before its window is made or placed: at the start of
// the program that is while the display is still opening.
void Form::MapWindow() {
  auto& waiting = app_.unmapped_;
  const auto it = std::find(waiting.begin(), waiting.end(), this);
  if (it == waiting.end()) return;
  waiting.erase(it);
  if (!Visible) return;
  Backend& backend = app_.GetBackend();
  const bool draws = backend.Draws();
  if (draws) Render();
  PlaceOnDesktop();
  if (window_ == 0) {
    EnsureWindow();  // made where the form is
  } else {
    backend.MoveWindow(window_, Left, Top);
  }
  if (draws) backend.Present(window_, canvas_, repainted_);
  // A modal window is a dialog of the window it came over, so that a window
  // manager never puts that window over it; shown otherwise, it is an
  // ordinary window again.
  backend.SetModalFor(window_, modal_ ? app_.ModalOwner(this) : 0);
  backend.ShowWindow(window_);
  backend.RaiseWindow(window_);
}

void Form::Show() {
  Visible = true;
  if (window_ != 0) {
    app_.GetBackend().RaiseWindow(window_);
    app_.FormShown(this);
  }
}

void Form::Hide() { Visible = false; }

int Form::ShowModal() {
  if (Visible || !Enabled || modal_) throw std::logic_error("Cannot make a visible window modal");
  app_.CancelMouseCapture();
  ModalResult = mrNone;
  modal_ = true;
  app_.PushModal(this);
  Show();
  int result = mrNone;
  while (true) {
    app_.RunLoop([this] { return ModalResult != mrNone || !Visible; });
    if (app_.Terminated() || !Visible) break;
    {
      // Closing a modal form asks its close handlers like any close.
      CloseAction action = CloseAction::None;
      if (CloseQuery()) {
        action = CloseAction::Hide;
        if (OnClose) OnClose(*this, action);
      }
      if (action == CloseAction::None) {
        ModalResult = mrNone;
        continue;
      }
      break;
    }
  }
  result = ModalResult;
  if (Visible) Hide();
  app_.PopModal(this);
  modal_ = false;
  ModalResult.SetQuietly(mrNone);
  return result;
}

bool Form::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(*this, canClose);
  return canClose;
}

void Form::Close() {
  if (modal_) {
    if (ModalResult == mrNone) ModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  CloseAction action = app_.MainForm() == this ? CloseAction::Free : CloseAction::Hide;
  if (OnClose) OnClose(*this, action);
  switch (action) {
    case CloseAction::None:
      return;
    case CloseAction::Minimize:
      if (window_ != 0) app_.GetBackend().MinimizeWindow(window_);
      app_.FormMinimized(this);
      return;
    case CloseAction::Free:
      if (app_.MainForm() == this) {
        app_.Terminate();
        return;
      }
      Hide();
      return;
    case CloseAction::Hide:
      Hide();
      return;
  }
}

void Form::BeginDrag(Point grab) { app_.BeginWindowDrag(this, grab); }

void Form::ControlChanged(Control* control) {
  if (dirtyAll_) return;
  if (canvas_.Empty()) {
    // Nothing is drawn yet: the first drawing draws everything anyway.
    dirtyAll_ = true;
    return;
  }
  AddDirtyRect(control->drawnAt_);
  if (!control->listed_) {
    control->listed_ = true;
    dirtyControls_.push_back(control);
  }
}

void Form::ControlGone(Control* control) {
  if (control->listed_) {
    dirtyControls_.erase(std::remove(dirtyControls_.begin(), dirtyControls_.end(), control), dirtyControls_.end());
    control->listed_ = false;
  }
  if (!dirtyAll_ && !canvas_.Empty()) AddDirtyRect(control->drawnAt_);
}

void Form::AddDirtyRect(const Rect& r) {
  Rect add = r.Intersect(ClientRect());
  if (add.Empty()) return;
  // Overlapping parts merge, so no pixel is drawn twice; past a few parts
  // they all become one.
  for (bool merged = true; merged;) {
    merged = false;
    for (size_t i = 0; i < dirtyRects_.size(); ++i) {
      if (!dirtyRects_[i].Intersects(add)) continue;
      add = add.Union(dirtyRects_[i]);
      dirtyRects_.erase(dirtyRects_.begin() + static_cast<long>(i));
      merged = true;
      break;
    }
  }
  constexpr size_t kMostParts = 8;
  if (dirtyRects_.size() >= kMostParts) {
    for (const Rect& part : dirtyRects_) add = add.Union(part);
    dirtyRects_.clear();
  }
  dirtyRects_.push_back(add);
}

// A hidden form keeps no canvas (nor does its window keep the picture): it
// is drawn whole when shown again.
void Form::ForgetCanvas() {
  canvas_ = Bitmap();
  dirtyAll_ = true;
  dirtyRects_.clear();
  for (Control* c : dirtyControls_) c->listed_ = false;
  dirtyControls_.clear();
}

const Bitmap& Form::Render() {
  const int width = std::max(1, Width()), height = std::max(1, Height());
  if (canvas_.Width() != width || canvas_.Height() != height) {
    // Every pixel of a form of its own size is drawn below; a form of no size gets one black pixel.
    canvas_ = Width() > 0 && Height() > 0 ? Bitmap(width, height, Bitmap::Unfilled{}) : Bitmap(width, height);
    dirtyAll_ = true;
  }
  if (dirtyAll_) {
    // Sizes worked out when first read (a label's) are settled before
    // drawing, so that settling them asks for no second drawing.
    std::function<void(const Control*)> settle = [&settle](const Control* c) {
      for (const Control* child : c->Controls()) {
        if (child->Visible) (void)child->BoundsRect(), settle(child);
      }
    };
    settle(this);
  } else {
    // The changed controls are drawn where they are now as well as where they were.
    // (Working a size out may add controls to the list as it is read.)
    for (size_t i = 0; i < dirtyControls_.size(); ++i) {
      Control* c = dirtyControls_[i];
      bool shown = true;
      for (const Control* p = c; p != nullptr && p != this; p = p->Parent()) shown = shown && p->Visible;
      if (shown) AddDirtyRect(c->FormRect());
    }
  }
  for (Control* c : dirtyControls_) c->listed_ = false;
  dirtyControls_.clear();
  repainted_.clear();
  if (dirtyAll_) {
    repainted_.push_back(Rect{0, 0, width, height});
  } else {
    repainted_.swap(dirtyRects_);
  }
  dirtyRects_.clear();
  dirtyAll_ = false;
  for (const Rect& part : repainted_) {
    Canvas canvas(canvas_, &app_.Fonts(), part);
    PaintAll(canvas);
  }
  return canvas_;
}

void Form::Paint(Canvas& canvas) { canvas.FillRect(ClientRect(), Color); }

void Form::FocusNext(bool backwards) {
  std::vector<Control*> all;
  std::function<void(Control*)> collect = [&](Control* c) {
    std::vector<Control*> kids = c->Controls();
    std::stable_sort(kids.begin(), kids.end(), [](Control* a, Control* b) { return a->TabOrder < b->TabOrder; });
    for (Control* k : kids) {
      if (!k->Visible || !k->Enabled) continue;
      if (k->CanFocus() && k->TabStop) all.push_back(k);
      collect(k);
    }
  };
  collect(this);
  if (all.empty()) return;
  auto it = std::find(all.begin(), all.end(), ActiveControl());
  int index = it == all.end() ? -1 : static_cast<int>(it - all.begin());
  const int n = static_cast<int>(all.size());
  index = backwards ? (index <= 0 ? n - 1 : index - 1) : (index + 1) % n;
  all[index]->SetFocus();
}

}  // namespace ui
