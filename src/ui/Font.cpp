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

FontInfo Font::Info() const { return FontInfo{Name(), Size(), Color(), Style()}; }

void Font::AssignQuietly(const FontInfo& info) {
  Name.SetQuietly(info.name);
  Size.SetQuietly(info.size);
  Color.SetQuietly(info.color);
  Style.SetQuietly(info.style);
}

void Font::AssignInfo(const FontInfo& info) {
  AssignQuietly(info);
  if (changed_) changed_();
}

void Font::OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

}  // namespace ui
