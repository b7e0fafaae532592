#pragma once
// A text label: transparent or on its own colour, left/right/centre aligned,
// sized to its text unless AutoSize is off, optionally word-wrapped.
#include <functional>
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Control.h"

namespace ui {

enum class TextLayout { Top, Center, Bottom };

class Label : public Control {
 public:
  explicit Label(Control* parent);

  Property<bool> Transparent;
  Property<bool> AutoSize;
  Property<bool> WordWrap;
  Property<ui::Alignment> Alignment;
  Property<TextLayout> Layout;

  // Places the label by its size (`place` sets its Left or Top: centred on a
  // button, say, or ending at a margin) as soon as the size is known: at once
  // when it is, otherwise when someone first looks at the label's place or
  // size, or just before its text, font, size or place changes. The result is
  // the one of placing it now; a label on a window nobody opens is never
  // measured.
  void PlaceBySize(std::function<void(Label&)> place);

 protected:
  void Paint(Canvas& canvas) override;
  void TextChanged() override { stale_ = true; }
  void FontChanged() override { stale_ = true; }
  void FontAboutToChange() override { SettlePlacement(); }
  void Resized() override;

 private:
  // The size follows the text, worked out when someone next looks at it:
  // labels on windows nobody has opened yet are never measured. A placement
  // waiting for the size is made before anything it was worked out from
  // changes.
  struct SizeWatcher : PropertyWatcher {
    explicit SizeWatcher(Label* label) : label(label) {}
    void BeforeRead() const override { label->EnsureMeasured(); }
    void BeforeWrite() const override { label->SettlePlacement(); }
    Label* label;
  };
  // The text, font and layout settings: only a change of them matters.
  struct ChangeWatcher : PropertyWatcher {
    explicit ChangeWatcher(Label* label) : label(label) {}
    void BeforeWrite() const override { label->SettlePlacement(); }
    Label* label;
  };
  void EnsureMeasured();
  void SettlePlacement();
  void AdjustBounds();
  SizeWatcher sizeWatcher_{this};
  ChangeWatcher changeWatcher_{this};
  bool stale_ = true;
  bool measuring_ = false;
  bool adjusting_ = false;
  std::function<void(Label&)> place_;
  // What the size was last worked out from; nothing else changes it.
  struct Measured {
    std::string caption;
    std::string font;
    int size = -1;
    FontStyles style = 0;
    bool wordWrap = false;
    int width = -1;
    ui::Align align = ui::Align::None;
    bool operator==(const Measured&) const = default;
  };
  Measured measured_;
  // The caption's lines as the font drew them, kept until the caption, the
  // font (its colour apart) or the width it wraps at changes.
  struct Line {
    TextImage image;
    int width = 0;  // the advance of the line, for aligning it
  };
  struct Rendered {
    std::string caption;
    std::string font;
    int size = -1;
    FontStyles style = 0;
    int wrapWidth = -1;
    int lineHeight = 0;
    std::vector<Line> lines;
  };
  const Rendered& RenderedCaption(Canvas& canvas);
  Rendered rendered_;
};

}  // namespace ui
