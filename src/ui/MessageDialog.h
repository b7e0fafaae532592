#pragma once
// The application's message box: a framed window with an icon, the text and
// OK or Yes/No buttons. Enter answers the first button, Escape the last.
#include <string>

#include "ui/Form.h"

namespace ui {

class Button;
class Label;

class MessageDialog : public Form {
 public:
  MessageDialog(Application& app, const std::string& text, const std::string& caption, unsigned flags);
  unsigned Flags() const { return flags_; }
  Label* Text() const { return text_; }
  Button* FirstButton() const { return first_; }
  Button* SecondButton() const { return second_; }

 protected:
  void Paint(Canvas& canvas) override;

 private:
  unsigned flags_;
  Label* title_ = nullptr;
  Label* text_ = nullptr;
  Button* first_ = nullptr;
  Button* second_ = nullptr;
};

}  // namespace ui
