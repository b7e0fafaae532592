#include "ui/Button.h"

#include "ui/Canvas.h"
#include "ui/Form.h"

namespace ui {

Button::Button(Control* parent) : Control(parent), ModalResult(mrNone) {
  Width.SetQuietly(75);
  Height.SetQuietly(25);
  TabStop.SetQuietly(true);
  Color.SetQuietly(clBtnFace);
  ParentColor.SetQuietly(false);
}

void Button::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (button == MouseButton::Left) {
    pressed_ = true;
    inside_ = true;
    Invalidate();
  }
  Control::MouseDown(button, shift, x, y);
}

void Button::MouseMove(ShiftState shift, int x, int y) {
  const bool inside = ClientRect().Contains(Point{x, y});
  if (pressed_ && inside != inside_) {
    inside_ = inside;
    Invalidate();
  }
  Control::MouseMove(shift, x, y);
}

void Button::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  if (button == MouseButton::Left && pressed_) {
    pressed_ = false;
    Invalidate();
  }
  Control::MouseUp(button, shift, x, y);
}

void Button::KeyPress(char32_t& key) {
  Control::KeyPress(key);
  if (key == 13 || key == 32) {
    key = 0;
    Click();
  }
}

void Button::DoClick() {
  if (ModalResult != mrNone && ParentForm() != nullptr) ParentForm()->ModalResult = ModalResult;
  Control::DoClick();
}

void Button::Paint(Canvas& canvas) {
  const Rect r = ClientRect();
  const bool down = pressed_ && inside_;
  canvas.FillRect(r, Color);
  canvas.FrameRect(r, Focused() ? clBlack : ui::Color{120, 120, 120});
  canvas.Bevel(Rect{1, 1, r.width - 2, r.height - 2}, !down);
  FontInfo info = Font.Info();
  if (!IsEnabled()) info.color = clGrayText;
  const TextSize size = canvas.TextExtent(Caption(), info);
  const int shift = down ? 1 : 0;
  canvas.DrawText(Point{(r.width - size.width) / 2 + shift, (r.height - size.height) / 2 + shift}, Caption(), info);
  if (Focused()) {
    for (int x = 4; x < r.width - 4; x += 2) {
      canvas.FillRect(Rect{x, 4, 1, 1}, clBlack);
      canvas.FillRect(Rect{x, r.height - 5, 1, 1}, clBlack);
    }
    for (int y = 4; y < r.height - 4; y += 2) {
      canvas.FillRect(Rect{4, y, 1, 1}, clBlack);
      canvas.FillRect(Rect{r.width - 5, y, 1, 1}, clBlack);
    }
  }
}

}  // namespace ui
