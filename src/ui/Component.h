#pragma once
// A non-visual part of a form (a timer, a popup menu): owned by a control,
// deleted with it.
namespace ui {

class Control;

class Component {
 public:
  explicit Component(Control* owner);
  virtual ~Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;
  Control* Owner() const { return owner_; }

 private:
  Control* owner_;
};

}  // namespace ui
