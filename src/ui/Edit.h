#pragma once
// A one-line text field. It takes Russian and Latin text (only what the
// Cyrillic code page can hold), Backspace and Delete, the arrows, Home, End,
// Ctrl+V and Shift+Insert; its key-press handler sees each character first
// and can drop it by setting it to 0. Ctrl+V comes as a typed control
// character (22), so a handler that takes only some characters drops it;
// Shift+Insert is a key, and its text goes in past the handler, as pasting
// is the one way other text reaches such a field.
#include <string>

#include "ui/Control.h"

namespace ui {

class Edit : public Control {
 public:
  explicit Edit(Control* parent);

  Property<std::string> Text;
  Property<bool> ReadOnly;
  Property<int> MaxLength;  // in characters; 0 = no limit
  Property<bool> BorderSingle;
  NotifyEvent OnChange;

  // Caret position in characters from the start.
  int CaretPos() const { return caret_; }
  void SetCaretPos(int pos);

  bool CanFocus() const override { return true; }
  bool IsWindowed() const override { return true; }
  void KeyDown(int& key, ShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;

 protected:
  void Paint(Canvas& canvas) override;

 private:
  void Insert(const std::string& text);
  // The clipboard's first line, at the caret.
  void Paste();
  int CharacterAt(int x);
  int caret_ = 0;
  int scroll_ = 0;  // pixels scrolled off to the left
};

}  // namespace ui
