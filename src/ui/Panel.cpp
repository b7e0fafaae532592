#include "ui/Panel.h"

#include "ui/Canvas.h"

namespace ui {

Panel::Panel(Control* parent) : Control(parent) {
  Width.SetQuietly(185);
  Height.SetQuietly(41);
  Color.SetQuietly(clBtnFace);
  ParentColor.SetQuietly(false);
}

void Panel::Paint(Canvas& canvas) {
  const Rect r = ClientRect();
  canvas.FillRect(r, Color);
  canvas.Bevel(r, true);
  const std::string text = Caption();
  if (text.empty()) return;
  const FontInfo font = Font.Info();
  const TextSize size = canvas.TextExtent(text, font);
  canvas.DrawText(Point{(r.width - size.width) / 2, (r.height - size.height) / 2}, text, font);
}

}  // namespace ui
