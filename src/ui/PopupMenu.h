#pragma once
// A popup menu: items with captions ("-" is a separator) shown in a small
// window at a desktop point; choosing an item closes the menu and then runs
// the item's OnClick.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Control.h"

namespace ui {

class Form;

class MenuItem {
 public:
  std::string Name;
  std::string Caption;
  bool Enabled = true;
  bool Visible = true;
  NotifyEvent OnClick;
  bool IsSeparator() const { return Caption == "-"; }
};

class PopupMenu : public Component {
 public:
  explicit PopupMenu(Control* owner);
  ~PopupMenu() override;

  MenuItem* Add(const std::string& caption, NotifyEvent onClick = {});
  const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }

  // Shows the menu at a desktop point and returns once it has closed (and
  // the chosen item's handler has run).
  void Popup(int x, int y);
  bool Showing() const;

  // Used by the menu's window and the application.
  Form& Window();
  void Choose(MenuItem* item);
  void Dismiss();
  void RunChosen();

 private:
  std::vector<std::unique_ptr<MenuItem>> items_;
  std::unique_ptr<Form> window_;
  MenuItem* chosen_ = nullptr;
};

}  // namespace ui
