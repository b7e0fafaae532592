#pragma once
// A one-line text field. It takes Russian and Latin text (only what the
// Cyrillic code page can hold), Backspace and Delete, the arrows, Home, End,
// Ctrl+V and Shift+Insert; its key-press handler sees each character first
// and can drop it by setting it to 0. Pasted text meets the handler too, one
// character at a time, and goes in only if it drops none of them.
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
  // The clipboard's first line, if the key-press handler passes all of it: a
  // field that takes digits only takes no "1e3" or "1,5" in part.
  void Paste();
  int CharacterAt(int x);
  int caret_ = 0;
  int scroll_ = 0;  // pixels scrolled off to the left
};

}  // namespace ui
