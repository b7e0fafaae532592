#pragma once
// Opens fonts by family name through fontconfig (a family the system lacks,
// such as Verdana, falls back to what fontconfig prefers, DejaVu Sans here)
// and keeps one SDL_ttf font per family, size and style. The files
// fontconfig chose are remembered in the cache folder for the next start
// (see FontChoices).
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
  // How many times fontconfig was asked which file a family is drawn with.
  int FontconfigQuestions() const { return questions_; }

 private:
  const FontFile& FindFile(const FontChoices::Key& key);
  FontFile AskFontconfig(const FontChoices::Key& key);
  // A remembered file that SDL_ttf cannot open: nothing remembered is
  // trusted any more. fontconfig is asked again for `key` and for every
  // family already looked up, and the cache file is written anew.
  void ForgetRemembered(const FontChoices::Key& key);
  void Remember();
  // The font file's bytes, mapped once and shared by every size opened from
  // it: FreeType then reads glyphs from memory, not by a seek and a read each.
  struct Mapping {
    const void* data = nullptr;
    size_t size = 0;
  };
  const Mapping& MapFile(const std::string& path);
  // Null when the file is no font SDL_ttf opens.
  TTF_Font* OpenFile(const std::string& path, int size);

  std::map<std::string, Mapping> mappings_;

  // Where the choices are remembered (empty: nowhere) and the environment
  // they hold in.
  std::string choicesFile_, environment_;
  // The file of each family looked up so far, and those an earlier run
  // chose, while they hold.
  FontChoices files_;
  // Whether files_ holds choices of an earlier run not yet found wrong.
  bool remembered_ = false;
  int questions_ = 0;
  std::map<std::tuple<std::string, int, FontStyles>, TTF_Font*> fonts_;
  // Widths already measured, per font: labels measure the same texts often.
  std::map<TTF_Font*, std::unordered_map<std::string, int>> widths_;
  bool ready_ = false;
  // Unless the files fontconfig chose in an earlier run still hold, it reads
  // its configuration on a thread of its own while the program starts; the
  // first question to it waits for that.
  std::future<void> fontconfigReady_;
};

}  // namespace ui
