#include "ui/Form.h"

#include <algorithm>
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

Form::~Form() {
  app_.UnregisterForm(this);
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
    PlaceOnDesktop();
    EnsureWindow();
    backend.MoveWindow(window_, Left, Top);
    MarkDirty();
    app_.PresentNow(this);
    backend.ShowWindow(window_);
    backend.RaiseWindow(window_);
    app_.FormShown(this);
    // A window that is shown puts the keyboard in its first field.
    if (ActiveControl() == nullptr) FocusNext(false);
    if (OnShow) OnShow(*this);
  } else {
    if (window_ != 0) backend.HideWindow(window_);
    app_.FormHidden(this);
    if (OnHide) OnHide(*this);
  }
  inVisibleChange_ = false;
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

const Bitmap& Form::Render() {
  if (canvas_.Width() != Width || canvas_.Height() != Height)
    canvas_ = Bitmap(std::max(1, Width()), std::max(1, Height()));
  Canvas canvas(canvas_, &app_.Fonts());
  PaintAll(canvas);
  dirty_ = false;
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
