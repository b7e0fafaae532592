#include "ui/Control.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/Component.h"
#include "ui/Form.h"
#include "ui/PopupMenu.h"

namespace ui {

Control::Control(Control* parent)
    : Left(0),
      Top(0),
      Width(0),
      Height(0),
      Visible(true),
      Enabled(true),
      ShowHint(true),
      Color(clBtnFace),
      ParentColor(true),
      ParentFont(true),
      Cursor(ui::Cursor::Default),
      Align(ui::Align::None),
      TabOrder(0),
      TabStop(false),
      parent_(parent) {
  if (parent_ != nullptr) {
    parent_->children_.push_back(this);
    form_ = parent_->form_;
    Font.AssignQuietly(parent_->Font.Info());
    Color.SetQuietly(parent_->Color());
    TabOrder.SetQuietly(static_cast<int>(parent_->children_.size()) - 1);
  }
  // Only aligned controls take part in their parent's layout: a change of
  // any other one leaves it as it is.
  auto moved = [this] {
    if (parent_ != nullptr && Align != ui::Align::None) parent_->AlignChildren();
    Invalidate();
  };
  Left.OnChange(moved);
  Top.OnChange(moved);
  auto sized = [this] {
    Resized();
    AlignChildren();
    if (parent_ != nullptr && Align != ui::Align::None) parent_->AlignChildren();
    Invalidate();
  };
  Width.OnChange(sized);
  Height.OnChange(sized);
  Visible.OnChange([this] {
    if (parent_ != nullptr && Align != ui::Align::None) parent_->AlignChildren();
    if (!Visible && Focused() && form_ != nullptr) form_->ActiveControl = nullptr;
    Invalidate();
  });
  Enabled.OnChange([this] {
    if (!Enabled && Focused() && form_ != nullptr) form_->ActiveControl = nullptr;
    Invalidate();
  });
  Caption.OnChange([this] {
    TextChanged();
    Invalidate();
  });
  Color.OnChange([this] {
    if (!inheriting_) ParentColor = false;
    for (Control* child : children_) child->ParentColorChanged(Color());
    Invalidate();
  });
  Font.OnChange([this] {
    if (!inheriting_) ParentFont = false;
    FontChanged();
    for (Control* child : children_) child->ParentFontChanged(Font.Info());
    Invalidate();
  });
  ParentFont.OnChange([this] {
    if (ParentFont && parent_ != nullptr) ParentFontChanged(parent_->Font.Info());
  });
  ParentColor.OnChange([this] {
    if (ParentColor && parent_ != nullptr) ParentColorChanged(parent_->Color());
  });
  Align.OnChange([this] {
    if (parent_ != nullptr) parent_->AlignChildren();
  });
}

Control::~Control() {
  if (form_ != nullptr && form_ != this) form_->ControlGone(this);
  for (auto it = components_.rbegin(); it != components_.rend(); ++it) delete *it;
  for (Control* child : children_) delete child;
}

void Control::ParentFontChanged(const FontInfo& info) {
  if (!ParentFont) return;
  FontAboutToChange();
  inheriting_ = true;
  Font.AssignInfo(info);
  inheriting_ = false;
}

void Control::ParentColorChanged(ui::Color color) {
  if (!ParentColor) return;
  inheriting_ = true;
  Color = color;
  inheriting_ = false;
}

Form* Control::ParentForm() const { return form_; }

Application& Control::App() const { return form_->App(); }

void Control::SetBounds(int left, int top, int width, int height) {
  Left = left;
  Top = top;
  Width = width;
  Height = height;
}

Point Control::ClientToScreen(Point p) const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    p.x += c->Left;
    p.y += c->Top;
  }
  return p;
}

Point Control::ScreenToClient(Point p) const {
  const Point origin = ClientToScreen(Point{0, 0});
  return Point{p.x - origin.x, p.y - origin.y};
}

bool Control::IsShowing() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->Visible) return false;
  }
  return true;
}

bool Control::IsEnabled() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->Enabled) return false;
  }
  return true;
}

bool Control::Focused() const { return form_ != nullptr && form_->ActiveControl == this && form_ != this; }

void Control::SetFocus() {
  if (form_ == nullptr || !CanFocus() || !IsEnabled()) return;
  form_->ActiveControl = this;
}

void Control::BringToFront() {
  if (parent_ == nullptr) return;
  auto& siblings = parent_->children_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  siblings.push_back(this);
  Invalidate();
}

void Control::SendToBack() {
  if (parent_ == nullptr) return;
  auto& siblings = parent_->children_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  siblings.insert(siblings.begin(), this);
  Invalidate();
}

void Control::Invalidate() {
  if (form_ == nullptr) return;
  if (form_ == this) {
    form_->MarkDirty();
    return;
  }
  form_->ControlChanged(this);
}

Rect Control::FormRect() const {
  if (form_ == nullptr || form_ == this) return ClientRect();
  Rect r = BoundsRect();
  for (const Control* p = parent_; p != nullptr && p != form_; p = p->parent_) {
    r = r.Intersect(p->ClientRect());
    r.left += p->Left;
    r.top += p->Top;
  }
  return r.Intersect(form_->ClientRect());
}

void Control::Click() { DoClick(); }

void Control::DoClick() {
  if (OnClick) OnClick(*this);
}

void Control::OrderedChildren(std::vector<Control*>& out, bool topFirst) const {
  // Drawn controls first, windowed ones above them; each group in z-order.
  out.clear();
  for (Control* c : children_) {
    if (!c->IsWindowed()) out.push_back(c);
  }
  for (Control* c : children_) {
    if (c->IsWindowed()) out.push_back(c);
  }
  if (topFirst) std::reverse(out.begin(), out.end());
}

Control* Control::ControlAt(Point p) {
  std::vector<Control*> order;
  OrderedChildren(order, true);
  for (Control* child : order) {
    if (!child->Visible || !child->Enabled) continue;
    if (!child->BoundsRect().Contains(p)) continue;
    return child->ControlAt(Point{p.x - child->Left, p.y - child->Top});
  }
  return this;
}

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void Control::MouseMove(ShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

void Control::DblClick() {
  if (OnDblClick) OnDblClick(*this);
}

void Control::KeyDown(int& key, ShiftState shift) {
  if (OnKeyDown) OnKeyDown(*this, key, shift);
}

void Control::KeyUp(int& key, ShiftState shift) {
  if (OnKeyUp) OnKeyUp(*this, key, shift);
}

void Control::KeyPress(char32_t& key) {
  if (OnKeyPress) OnKeyPress(*this, key);
}

void Control::PaintAll(Canvas& canvas) {
  std::vector<Control*> order;
  OrderedChildren(order, false);
  // Only what shows inside the area being drawn is drawn; what lies wholly
  // under an opaque child covering that area is not drawn at all.
  const Rect area = canvas.ClipRect();
  size_t first = 0;
  bool covered = false;
  for (size_t i = order.size(); i-- > 0 && !covered;) {
    const Control* child = order[i];
    covered = child->Visible && child->Opaque() && child->BoundsRect().Contains(area);
    if (covered) first = i;
  }
  if (!covered) Paint(canvas);
  for (size_t i = first; i < order.size(); ++i) {
    Control* child = order[i];
    if (!child->Visible || child->Width <= 0 || child->Height <= 0) continue;
    if (!area.Intersects(child->BoundsRect())) continue;
    Canvas::Scope scope(canvas, child->BoundsRect());
    child->drawnAt_ = canvas.Extent();
    child->PaintAll(canvas);
  }
}

void Control::AlignChildren() {
  // The aligned children move quietly; each that moved or changed size is drawn again.
  // Only aligned children are read: a label's size is worked out when read.
  std::vector<std::pair<Control*, Rect>> before;
  for (Control* c : children_) {
    if (c->Align != ui::Align::None) before.emplace_back(c, c->BoundsRect());
  }
  if (before.empty()) return;
  AlignChildrenQuietly();
  for (const auto& [c, bounds] : before) {
    if (c->BoundsRect() != bounds) c->Invalidate();
  }
}

void Control::AlignChildrenQuietly() {
  int top = 0, bottom = Height, left = 0, right = Width;
  for (Control* c : children_) {
    if (!c->Visible || c->Align == ui::Align::None || c->Align == ui::Align::Client) continue;
    switch (c->Align()) {
      case ui::Align::Top:
        c->Left.SetQuietly(left), c->Top.SetQuietly(top), c->Width.SetQuietly(right - left);
        top += c->Height;
        break;
      case ui::Align::Bottom:
        bottom -= c->Height;
        c->Left.SetQuietly(left), c->Top.SetQuietly(bottom), c->Width.SetQuietly(right - left);
        break;
      case ui::Align::Left:
        c->Left.SetQuietly(left), c->Top.SetQuietly(top), c->Height.SetQuietly(bottom - top);
        left += c->Width;
        break;
      case ui::Align::Right:
        right -= c->Width;
        c->Left.SetQuietly(right), c->Top.SetQuietly(top), c->Height.SetQuietly(bottom - top);
        break;
      default:
        break;
    }
    c->Resized();
  }
  for (Control* c : children_) {
    if (!c->Visible || c->Align != ui::Align::Client) continue;
    c->Left.SetQuietly(left), c->Top.SetQuietly(top);
    c->Width.SetQuietly(right - left), c->Height.SetQuietly(bottom - top);
    c->Resized();
    c->AlignChildren();
  }
}

}  // namespace ui
