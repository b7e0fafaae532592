#pragma once
// A multi-line, read-only text box with word wrap and a vertical scroll bar.
// Its Text is kept exactly as set (line breaks included); Lines is the same
// text split into lines.
#include <string>

#include "ui/Control.h"
#include "ui/ScrollBar.h"
#include "ui/StringList.h"

namespace ui {

enum class ScrollStyle { None, Vertical };

class Memo : public Control {
 public:
  explicit Memo(Control* parent);

  Property<std::string> Text;
  StringList Lines;
  Property<bool> ReadOnly;
  Property<bool> WordWrap;
  Property<ScrollStyle> ScrollBars;
  Property<bool> BorderSingle;

  // Reads a CP1251 file into Text; throws std::runtime_error when missing.
  void LoadFromFile(const std::string& path);
  void Clear() { Text = ""; }
  int TopLine() const { return bar_.Position(); }

  bool CanFocus() const override { return true; }
  bool IsWindowed() const override { return true; }
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseMove(ShiftState shift, int x, int y) override;
  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseWheel(int steps) override;
  void KeyDown(int& key, ShiftState shift) override;

 protected:
  void Paint(Canvas& canvas) override;

 private:
  void Layout(Canvas* canvas);
  std::vector<std::string> visual_;
  ScrollBar bar_;
  bool syncing_ = false;
};

}  // namespace ui
