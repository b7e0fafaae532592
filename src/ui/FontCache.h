#pragma once
// Opens fonts by family name through fontconfig (a family the system lacks,
// such as Verdana, falls back to what fontconfig prefers, DejaVu Sans here)
// and keeps one SDL_ttf font per family, size and style.
#include <future>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "ui/Font.h"
#include "ui/FontChoices.h"

typedef struct _TTF_Font TTF_Font;

namespace ui {

struct TextSize {
  int width = 0, height = 0;
};

class FontCache {
 public:
  FontCache();
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // Null when no font file can be found or opened; text is then not drawn.
  TTF_Font* Get(const FontInfo& info);
  TextSize Measure(const FontInfo& info, std::string_view text);
  int LineHeight(const FontInfo& info);

 private:
  const FontFile& FindFile(const std::string& family, bool bold, bool italic);
  // The font file's bytes, mapped once and shared by every size opened from
  // it: FreeType then reads glyphs from memory, not by a seek and a read each.
  struct Mapping {
    const void* data = nullptr;
    size_t size = 0;
  };
  const Mapping& MapFile(const std::string& path);

  std::map<std::string, Mapping> mappings_;

  std::map<FontChoices::Key, FontFile> files_;
  std::map<std::tuple<std::string, int, FontStyles>, TTF_Font*> fonts_;
  // Widths already measured, per font: labels measure the same texts often.
  std::map<TTF_Font*, std::unordered_map<std::string, int>> widths_;
  bool ready_ = false;
  // Unless the files fontconfig chose in an earlier run still hold, it reads
  // its configuration on a thread of its own while the program starts; the
  // first look-up of a font file waits for it.
  std::future<void> fontconfigReady_;
};

}  // namespace ui
