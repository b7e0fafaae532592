#include "ui/Font.h"

namespace ui {

Font::Font() : Name("Verdana"), Size(13), Color(clBlack), Style(0) {
  auto notify = [this] {
    if (changed_) changed_();
  };
  Name.OnChange(notify);
  Size.OnChange(notify);
  Color.OnChange(notify);
  Style.OnChange(notify);
}

FontSpec Font::Spec() const { return FontSpec{Name(), Size(), Color(), Style()}; }

void Font::AssignQuietly(const FontSpec& spec) {
  Name.SetQuietly(spec.name);
  Size.SetQuietly(spec.size);
  Color.SetQuietly(spec.color);
  Style.SetQuietly(spec.style);
}

void Font::AssignSpec(const FontSpec& spec) {
  AssignQuietly(spec);
  if (changed_) changed_();
}

void Font::OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

}  // namespace ui
