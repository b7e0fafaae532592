#include "ui/Memo.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/Cp1251.h"
#include "platform/TextFile.h"
#include "ui/Application.h"
#include "ui/Canvas.h"

namespace ui {
namespace {
constexpr int kPadding = 2;
}

Memo::Memo(Control* parent)
    : Control(parent), ReadOnly(true), WordWrap(true), ScrollBars(ScrollStyle::None), BorderSingle(true) {
  Width.SetQuietly(185);
  Height.SetQuietly(89);
  TabStop.SetQuietly(true);
  Color.SetQuietly(clWindow);
  ParentColor.SetQuietly(false);
  Text.OnChange([this] {
    if (!syncing_) {
      syncing_ = true;
      Lines.SetText(Text());
      syncing_ = false;
    }
    bar_.SetPosition(0);
    Invalidate();
  });
  Lines.OnChange = [this] {
    if (syncing_) return;
    syncing_ = true;
    std::string joined;
    for (int i = 0; i < Lines.Count(); ++i) joined += (i > 0 ? "\r\n" : "") + Lines[i];
    Text = joined;
    syncing_ = false;
  };
  WordWrap.OnChange([this] { Invalidate(); });
  ScrollBars.OnChange([this] { Invalidate(); });
}

void Memo::LoadFromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("Cannot open file \"" + path + "\". No such file or directory");
  const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Line breaks of any kind become CR LF, as the text box keeps them.
  std::string text;
  text.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\r') {
      text += "\r\n";
      if (i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
    } else if (raw[i] == '\n') {
      text += "\r\n";
    } else {
      text += raw[i];
    }
  }
  Text = platform::Cp1251ToUtf8(text);
}

void Memo::Layout(Canvas* canvas) {
  FontCache* fonts = canvas != nullptr ? canvas->Fonts() : &App().Fonts();
  const FontInfo info = Font.Info();
  const int lineHeight = fonts->LineHeight(info);
  const int border = BorderSingle ? 2 : 0;
  const int textWidth =
      Width - 2 * border - 2 * kPadding - (ScrollBars == ScrollStyle::Vertical ? ScrollBar::kWidth : 0);
  visual_ = WordWrap ? WrapText(fonts, info, Text(), std::max(1, textWidth)) : WrapText(fonts, info, Text(), 1 << 30);
  // A text ending in a line break shows the empty line after it, as an edit box does.
  const int page = std::max(1, (Height - 2 * border) / std::max(1, lineHeight));
  bar_.SetRange(static_cast<int>(visual_.size()), page);
}

void Memo::Paint(Canvas& canvas) {
  Layout(&canvas);
  const Rect r = ClientRect();
  canvas.FillRect(r, Color);
  const int border = BorderSingle ? 2 : 0;
  if (BorderSingle) {
    canvas.Bevel(r, false);
    canvas.Bevel(Rect{1, 1, r.width - 2, r.height - 2}, false);
  }
  const FontInfo info = Font.Info();
  const int lineHeight = canvas.LineHeight(info);
  const int barWidth = ScrollBars == ScrollStyle::Vertical ? ScrollBar::kWidth : 0;
  {
    Canvas::Scope scope(canvas, Rect{border, border, r.width - 2 * border - barWidth, r.height - 2 * border});
    int y = 0;
    for (size_t i = static_cast<size_t>(bar_.Position()); i < visual_.size() && y < r.height; ++i, y += lineHeight) {
      canvas.DrawText(Point{kPadding, y}, visual_[i], info);
    }
  }
  if (barWidth > 0) bar_.Paint(canvas, Rect{r.width - border - barWidth, border, barWidth, r.height - 2 * border});
}

void Memo::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  const int border = BorderSingle ? 2 : 0;
  if (button == MouseButton::Left && ScrollBars == ScrollStyle::Vertical && x >= Width - border - ScrollBar::kWidth) {
    Layout(nullptr);
    if (bar_.MouseDown(y - border, Height - 2 * border)) Invalidate();
  }
  Control::MouseDown(button, shift, x, y);
}

void Memo::MouseMove(ShiftState shift, int x, int y) {
  const int border = BorderSingle ? 2 : 0;
  if (bar_.Dragging() && bar_.MouseMove(y - border, Height - 2 * border)) Invalidate();
  Control::MouseMove(shift, x, y);
}

void Memo::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  bar_.MouseUp();
  Control::MouseUp(button, shift, x, y);
}

void Memo::MouseWheel(int steps) {
  Layout(nullptr);
  bar_.SetPosition(bar_.Position() - 3 * steps);
  Invalidate();
}

void Memo::KeyDown(int& key, ShiftState shift) {
  Control::KeyDown(key, shift);
  Layout(nullptr);
  const int before = bar_.Position();
  if (key == VK_UP) bar_.SetPosition(before - 1);
  if (key == VK_DOWN) bar_.SetPosition(before + 1);
  if (key == VK_PRIOR) bar_.SetPosition(before - 10);
  if (key == VK_NEXT) bar_.SetPosition(before + 10);
  if (bar_.Position() != before) Invalidate();
}

}  // namespace ui
