#include "ui/Label.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/Form.h"

namespace ui {

Label::Label(Control* parent)
    : Control(parent),
      Transparent(false),
      AutoSize(true),
      WordWrap(false),
      Alignment(ui::Alignment::LeftJustify),
      Layout(TextLayout::Top) {
  Width.SetQuietly(0);
  Height.SetQuietly(0);
  auto relayout = [this] {
    AdjustBounds();
    Invalidate();
  };
  Transparent.OnChange([this] { Invalidate(); });
  AutoSize.OnChange(relayout);
  WordWrap.OnChange(relayout);
  Alignment.OnChange([this] { Invalidate(); });
  Layout.OnChange([this] { Invalidate(); });
  AdjustBounds();
}

void Label::Resized() {
  if (WordWrap && !adjusting_) AdjustBounds();
}

void Label::AdjustBounds() {
  if (!AutoSize || adjusting_ || ParentForm() == nullptr) return;
  adjusting_ = true;
  FontCache& fonts = ParentForm()->App().Fonts();
  const FontSpec spec = Font.Spec();
  const int lineHeight = fonts.LineHeight(spec);
  const bool fixedWidth = Align == ui::Align::Top || Align == ui::Align::Bottom || Align == ui::Align::Client;
  if (WordWrap) {
    const auto lines = WrapText(&fonts, spec, Caption(), std::max(1, Width()));
    Height = std::max(1, static_cast<int>(lines.size())) * lineHeight;
  } else {
    const auto lines = WrapText(&fonts, spec, Caption(), 1 << 30);
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, fonts.Measure(spec, line).width);
    if (!fixedWidth) {
      if (Alignment == ui::Alignment::RightJustify) Left = Left + Width - widest;
      Width = widest;
    }
    Height = std::max(1, static_cast<int>(lines.size())) * lineHeight;
  }
  adjusting_ = false;
}

void Label::Paint(Canvas& canvas) {
  if (!Transparent) canvas.FillRect(ClientRect(), Color);
  if (Caption().empty()) return;
  FontSpec spec = Font.Spec();
  const bool enabled = IsEnabled();
  const auto lines = WrapText(canvas.Fonts(), spec, Caption(), WordWrap ? std::max(1, Width()) : 1 << 30);
  const int lineHeight = canvas.LineHeight(spec);
  const int total = static_cast<int>(lines.size()) * lineHeight;
  int y = 0;
  if (Layout == TextLayout::Center) y = (Height - total) / 2;
  if (Layout == TextLayout::Bottom) y = Height - total;
  for (const std::string& line : lines) {
    const int w = canvas.TextExtent(line, spec).width;
    int x = 0;
    if (Alignment == ui::Alignment::Center) x = (Width - w) / 2;
    if (Alignment == ui::Alignment::RightJustify) x = Width - w;
    if (enabled) {
      canvas.DrawText(Point{x, y}, line, spec);
    } else {
      // The classic engraved look of disabled text.
      spec.color = clBtnHighlight;
      canvas.DrawText(Point{x + 1, y + 1}, line, spec);
      spec.color = clBtnShadow;
      canvas.DrawText(Point{x, y}, line, spec);
    }
    y += lineHeight;
  }
}

}  // namespace ui
