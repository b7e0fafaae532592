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
    measured_ = Measured{};
    stale_ = true;
    Invalidate();
  };
  Transparent.OnChange([this] { Invalidate(); });
  AutoSize.OnChange(relayout);
  WordWrap.OnChange(relayout);
  Alignment.OnChange([this] { Invalidate(); });
  Layout.OnChange([this] { Invalidate(); });
  // Whatever the size or a waiting placement depends on.
  for (Property<int>* p : {&Left, &Top, &Width, &Height}) p->Watch(&sizeWatcher_);
  for (Property<bool>* p : {&AutoSize, &WordWrap}) p->Watch(&changeWatcher_);
  Font.Size.Watch(&changeWatcher_);
  Caption.Watch(&changeWatcher_);
  Font.Name.Watch(&changeWatcher_);
  Font.Style.Watch(&changeWatcher_);
  Align.Watch(&changeWatcher_);
  Alignment.Watch(&changeWatcher_);
}

void Label::EnsureMeasured() {
  if (adjusting_ || measuring_) return;
  if (stale_) {
    stale_ = false;
    measuring_ = true;
    try {
      AdjustBounds();
    } catch (...) {
      measuring_ = adjusting_ = false;
      throw;
    }
    measuring_ = false;
  }
  SettlePlacement();
}

void Label::PlaceBySize(std::function<void(Label&)> place) {
  SettlePlacement();
  place_ = std::move(place);
  // A size that needs no measuring (none to follow, or already measured) places it now.
  if (!AutoSize || !stale_ || ParentForm() == nullptr) SettlePlacement();
}

void Label::SettlePlacement() {
  if (!place_ || adjusting_ || measuring_) return;
  // Taken out first: the placement reads and writes the label's own size and place.
  std::function<void(Label&)> place = std::move(place_);
  place_ = nullptr;
  place(*this);
}

void Label::Resized() {
  if (WordWrap && !adjusting_) stale_ = true;
}

void Label::AdjustBounds() {
  if (!AutoSize || adjusting_ || ParentForm() == nullptr) return;
  const bool fixedWidth = Align == ui::Align::Top || Align == ui::Align::Bottom || Align == ui::Align::Client;
  const Measured now{Caption(), Font.Name(), Font.Size(), Font.Style(), WordWrap(), WordWrap ? Width() : -1, Align()};
  if (now == measured_) return;  // a change of colour, say, changes no size
  adjusting_ = true;
  FontCache& fonts = ParentForm()->App().Fonts();
  const FontInfo info = Font.Info();
  const int lineHeight = fonts.LineHeight(info);
  size_t lineCount = 0;
  if (WordWrap) {
    lineCount = WrapText(&fonts, info, Caption(), std::max(1, Width())).size();
  } else {
    // Lines end only at the caption's own line breaks.
    const std::string caption = Caption();
    int widest = 0;
    size_t start = 0;
    while (true) {
      const size_t end = caption.find_first_of("\r\n", start);
      widest = std::max(widest, fonts.Measure(info, std::string_view(caption).substr(start, end - start)).width);
      ++lineCount;
      if (end == std::string::npos) break;
      start = end + ((caption[end] == '\r' && end + 1 < caption.size() && caption[end + 1] == '\n') ? 2 : 1);
      if (start >= caption.size()) break;
    }
    if (!fixedWidth) {
      if (Alignment == ui::Alignment::RightJustify) Left = Left + Width - widest;
      Width = widest;
    }
  }
  Height = std::max<int>(1, static_cast<int>(lineCount)) * lineHeight;
  measured_ = now;
  measured_.width = WordWrap ? Width() : -1;
  adjusting_ = false;
}

const Label::Rendered& Label::RenderedCaption(Canvas& canvas) {
  const FontInfo info = Font.Info();
  const int wrapWidth = WordWrap ? std::max(1, Width()) : -1;
  if (rendered_.caption == Caption() && rendered_.font == info.name && rendered_.size == info.size &&
      rendered_.style == info.style && rendered_.wrapWidth == wrapWidth && canvas.Fonts() != nullptr) {
    return rendered_;
  }
  Rendered made;
  made.caption = Caption();
  made.font = info.name;
  made.size = info.size;
  made.style = info.style;
  made.wrapWidth = wrapWidth;
  made.lineHeight = canvas.LineHeight(info);
  for (const std::string& line : WrapText(canvas.Fonts(), info, made.caption, wrapWidth > 0 ? wrapWidth : 1 << 30)) {
    made.lines.push_back(Line{canvas.RenderText(line, info), canvas.TextExtent(line, info).width});
  }
  rendered_ = std::move(made);
  return rendered_;
}

void Label::Paint(Canvas& canvas) {
  if (!Transparent) canvas.FillRect(ClientRect(), Color);
  if (Caption().empty()) return;
  const Rendered& text = RenderedCaption(canvas);
  const bool enabled = IsEnabled();
  const int total = static_cast<int>(text.lines.size()) * text.lineHeight;
  int y = 0;
  if (Layout == TextLayout::Center) y = (Height - total) / 2;
  if (Layout == TextLayout::Bottom) y = Height - total;
  for (const Line& line : text.lines) {
    int x = 0;
    if (Alignment == ui::Alignment::Center) x = (Width - line.width) / 2;
    if (Alignment == ui::Alignment::RightJustify) x = Width - line.width;
    if (enabled) {
      canvas.DrawText(Point{x, y}, line.image, Font.Color);
    } else {
      // The classic engraved look of disabled text.
      canvas.DrawText(Point{x + 1, y + 1}, line.image, clBtnHighlight);
      canvas.DrawText(Point{x, y}, line.image, clBtnShadow);
    }
    y += text.lineHeight;
  }
}

}  // namespace ui
