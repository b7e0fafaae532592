#pragma once
// A control's font: family name, pixel size, colour and style. The plain
// FontInfo is what drawing uses; Font is the property-bearing version that
// controls expose as `Font.Color = clBlack`.
#include <string>

#include "ui/Property.h"
#include "ui/Types.h"

namespace ui {

using FontStyles = unsigned;
inline constexpr FontStyles fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

struct FontInfo {
  std::string name = "Verdana";
  int size = 13;  // pixel height of the em square
  Color color = clBlack;
  FontStyles style = 0;
  bool operator==(const FontInfo&) const = default;
};

class Font {
 public:
  Font();
  Font(const Font&) = delete;

  Property<std::string> Name;
  Property<int> Size;
  Property<ui::Color> Color;
  Property<FontStyles> Style;

  FontInfo Info() const;
  // Copies every attribute without counting it as the owner's own change.
  void AssignQuietly(const FontInfo& info);
  void AssignInfo(const FontInfo& info);
  // Called after any attribute changes.
  void OnChange(std::function<void()> changed);

 private:
  std::function<void()> changed_;
};

}  // namespace ui
