#pragma once
// The small pale window that shows a control's hint after the mouse has
// rested on it.
#include <string>

#include "ui/Form.h"

namespace ui {

class HintWindow : public Form {
 public:
  explicit HintWindow(Application& app);
  // Shows text with the window's top-left corner at the desktop point.
  void Activate(const std::string& text, int x, int y);
  const std::string& Text() const { return text_; }

 protected:
  void Paint(Canvas& canvas) override;

 private:
  std::string text_;
};

}  // namespace ui
