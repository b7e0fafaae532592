#include "ui/HintWindow.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Canvas.h"

namespace ui {

HintWindow::HintWindow(Application& app) : Form(app) {
  Position = FormPosition::Designed;
  Color = clInfoBk;
  Font.Name = "Tahoma";
  Font.Size = 12;
  Font.Color = clBlack;
}

void HintWindow::Activate(const std::string& text, int x, int y) {
  text_ = text;
  const TextSize size = App().Fonts().Measure(Font.Info(), text);
  Width = size.width + 8;
  Height = size.height + 4;
  Backend& backend = App().GetBackend();
  Left = std::max(0, std::min(x, backend.DesktopWidth() - Width));
  Top = std::max(0, std::min(y, backend.DesktopHeight() - Height));
  MarkDirty();
  if (!Visible) Show();
}

void HintWindow::Paint(Canvas& canvas) {
  canvas.FillRect(ClientRect(), Color);
  canvas.FrameRect(ClientRect(), clBlack);
  canvas.DrawText(Point{4, 2}, text_, Font.Info());
}

}  // namespace ui
