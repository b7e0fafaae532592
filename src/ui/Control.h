#pragma once
// The base of every control: bounds, visibility, caption, colours, font,
// hint and the classic mouse and keyboard events. A control is owned by its
// parent (its form or a container) and deleted with it.
#include <functional>
#include <string>
#include <vector>

#include "ui/Font.h"
#include "ui/Property.h"
#include "ui/Types.h"

namespace ui {

class Application;
class Canvas;
class Component;
class Control;
class Form;
class PopupMenu;

using NotifyEvent = std::function<void(Control& sender)>;
using MouseEvent = std::function<void(Control& sender, MouseButton button, ShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(Control& sender, ShiftState shift, int x, int y)>;
using KeyEvent = std::function<void(Control& sender, int& key, ShiftState shift)>;
using KeyPressEvent = std::function<void(Control& sender, char32_t& key)>;

class Control {
 public:
  explicit Control(Control* parent);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Property<std::string> Name;
  Property<int> Left, Top, Width, Height;
  Property<bool> Visible, Enabled;
  Property<std::string> Caption;
  Property<std::string> Hint;
  Property<bool> ShowHint;
  Property<ui::Color> Color;
  Property<bool> ParentColor;
  ui::Font Font;
  Property<bool> ParentFont;
  Property<ui::Cursor> Cursor;
  Property<ui::Align> Align;
  Property<int> TabOrder;
  Property<bool> TabStop;
  ui::PopupMenu* PopupMenu = nullptr;
  int Tag = 0;

  NotifyEvent OnClick, OnDblClick;
  MouseEvent OnMouseDown, OnMouseUp;
  MouseMoveEvent OnMouseMove;
  KeyEvent OnKeyDown, OnKeyUp;
  KeyPressEvent OnKeyPress;

  Control* Parent() const { return parent_; }
  Form* ParentForm() const;
  Application& App() const;
  const std::vector<Control*>& Controls() const { return children_; }

  Rect BoundsRect() const { return Rect{Left, Top, Width, Height}; }
  Rect ClientRect() const { return Rect{0, 0, Width, Height}; }
  void SetBounds(int left, int top, int width, int height);
  Point ClientToScreen(Point p) const;
  Point ScreenToClient(Point p) const;
  // Visible itself and every parent up to a visible form.
  bool IsShowing() const;
  // Enabled itself and every parent.
  bool IsEnabled() const;

  virtual bool CanFocus() const { return false; }
  // Windowed controls (edits, lists, buttons) lie above the drawn ones.
  virtual bool IsWindowed() const { return false; }
  bool Focused() const;
  void SetFocus();

  void BringToFront();
  void SendToBack();
  // Asks for the control to be drawn again: where it was last drawn and
  // where it is now.
  void Invalidate();
  // Whether Paint covers every pixel of the control, so nothing under it
  // needs drawing.
  virtual bool Opaque() const { return false; }
  // The control's area in its form's coordinates, cut by its parents.
  Rect FormRect() const;

  // Fires OnClick, as a click on the control would.
  void Click();

  // The control under p (client coordinates) that takes mouse input: the
  // deepest visible and enabled one, else this control.
  Control* ControlAt(Point p);

  // Dispatch entry points; the defaults fire the events.
  virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
  virtual void MouseMove(ShiftState shift, int x, int y);
  virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
  virtual void DblClick();
  virtual void MouseWheel(int steps) {}
  virtual void KeyDown(int& key, ShiftState shift);
  virtual void KeyUp(int& key, ShiftState shift);
  virtual void KeyPress(char32_t& key);
  virtual void FocusChanged(bool focused) {}
  // Whether the control takes the keys Tab and the arrows itself.
  virtual bool WantsKey(int key) const { return false; }

  // Takes ownership of a timer or menu; it is deleted with this control.
  void AdoptComponent(Component* component) { components_.push_back(component); }

  // Draws the control and its children in the control's own coordinates.
  void PaintAll(Canvas& canvas);
  // The colours and font the control draws with, after inheritance.
  ui::Color EffectiveColor() const { return Color(); }
  FontInfo EffectiveFont() const { return Font.Info(); }

 protected:
  virtual void Paint(Canvas& canvas) {}
  virtual void DoClick();
  // Called after the size changed.
  virtual void Resized() {}
  virtual void FontChanged() {}
  // Called just before the control takes on its parent's new font.
  virtual void FontAboutToChange() {}
  virtual void TextChanged() {}
  void AlignChildren();
  Form* form_ = nullptr;

 private:
  friend class Form;
  void ParentFontChanged(const FontInfo& info);
  void ParentColorChanged(ui::Color color);
  void OrderedChildren(std::vector<Control*>& out, bool topFirst) const;
  void AlignChildrenQuietly();

  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  std::vector<Component*> components_;
  bool inheriting_ = false;
  // The form's bookkeeping of what to draw again: where the control was last
  // drawn, and whether it waits in the form's list of changed controls.
  Rect drawnAt_{};
  bool listed_ = false;
};

}  // namespace ui
