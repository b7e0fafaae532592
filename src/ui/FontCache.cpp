#include "ui/FontCache.h"

#include <SDL_ttf.h>
#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <set>
#include <vector>

#include "platform/SystemFolder.h"
#include "platform/TextFile.h"

namespace ui {
namespace {

constexpr const char* kFallbackRegular = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kFallbackBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

// One file for each program: a configuration may choose by the program's
// name. None without a cache folder.
std::string ChoicesFile() {
  const std::string folder = platform::CacheFolder();
  return folder.empty() ? std::string() : folder + "/fonts." + program_invocation_short_name;
}

// What else fontconfig's answers depend on: its version, the name of the
// program's file (a configuration may test it), and every variable it reads
// that can change an answer: the language, where the configuration and the
// font folders are found (HOME for "~", the XDG folders for "xdg", the data
// folders among them) and where its caches lie; newer versions also match on
// the desktop's name. Those that only change what it prints (FC_DEBUG,
// FC_DBG_MATCH_FILTER), how it reads its caches (FONTCONFIG_USE_MMAP) or the
// times it writes into them (SOURCE_DATE_EPOCH) are left out.
std::string FontEnvironment() {
  const std::string running = platform::ExecutablePath(nullptr);
  std::string out = std::to_string(FcGetVersion()) + "\t" + program_invocation_short_name + "\t" +
                    running.substr(running.rfind('/') + 1);
  for (const char* name :
       {"FC_LANG", "LC_ALL", "LC_CTYPE", "LANG", "FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT", "HOME",
        "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CACHE_HOME", "XDG_CURRENT_DESKTOP"}) {
    out += std::string("\t") + name;
    if (const char* value = std::getenv(name)) out += std::string("=") + value;
  }
  return out;
}

// Where fontconfig's answers came from: every configuration file and folder
// it read and the folders they lie in (a file added beside them), the font
// folders it knows, and where a user's own configuration and fonts appear.
std::vector<std::string> FontconfigSources() {
  std::vector<std::string> paths;
  auto take = [&paths](FcStrList* list, bool withFolder) {
    if (list == nullptr) return;
    while (const FcChar8* item = FcStrListNext(list)) {
      std::string path = reinterpret_cast<const char*>(item);
      const size_t slash = path.rfind('/');
      if (withFolder && slash != std::string::npos && slash > 0) paths.push_back(path.substr(0, slash));
      paths.push_back(std::move(path));
    }
    FcStrListDone(list);
  };
  take(FcConfigGetConfigFiles(nullptr), true);
  take(FcConfigGetConfigDirs(nullptr), false);
  take(FcConfigGetFontDirs(nullptr), false);
  auto folder = [](const char* variable, const std::string& otherwise) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' ? std::string(value) : otherwise;
  };
  const std::string home = folder("HOME", "");
  const std::string config = folder("XDG_CONFIG_HOME", home + "/.config");
  const std::string data = folder("XDG_DATA_HOME", home + "/.local/share");
  for (const std::string& path :
       {config + "/fontconfig", config + "/fontconfig/fonts.conf", config + "/fontconfig/conf.d", home + "/.fonts.conf",
        home + "/.fonts.conf.d", home + "/.fonts", data + "/fonts"}) {
    paths.push_back(path);
  }
  return paths;
}

}  // namespace

FontCache::FontCache() : choicesFile_(ChoicesFile()), environment_(FontEnvironment()) {
  ready_ = TTF_Init() == 0;
  if (!choicesFile_.empty()) files_ = FontChoices::Load(choicesFile_, environment_);
  remembered_ = !files_.Empty();
  if (!remembered_) fontconfigReady_ = std::async(std::launch::async, [] { FcInit(); });
}

FontCache::~FontCache() {
  if (fontconfigReady_.valid()) fontconfigReady_.wait();
  for (auto& [key, font] : fonts_) {
    if (font != nullptr) TTF_CloseFont(font);
  }
  if (ready_) TTF_Quit();
  for (auto& [path, mapping] : mappings_) {
    if (mapping.data != nullptr) ::munmap(const_cast<void*>(mapping.data), mapping.size);
  }
}

const FontCache::Mapping& FontCache::MapFile(const std::string& path) {
  if (auto it = mappings_.find(path); it != mappings_.end()) return it->second;
  Mapping mapping;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat info {};
  if (fd >= 0 && ::fstat(fd, &info) == 0 && info.st_size > 0 && info.st_size <= INT_MAX) {
    void* data = ::mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    if (data != MAP_FAILED) mapping = {data, static_cast<size_t>(info.st_size)};
  }
  if (fd >= 0) ::close(fd);
  return mappings_.emplace(path, mapping).first->second;
}

const FontFile& FontCache::FindFile(const FontChoices::Key& key) {
  // Which file fontconfig picks for a family doesn't change while the
  // program runs; it is asked once, and not at all while the answer of an
  // earlier run still holds.
  if (const FontFile* file = files_.Find(key)) return *file;
  files_.Set(key, AskFontconfig(key));
  Remember();
  return *files_.Find(key);
}

void FontCache::Remember() {
  if (choicesFile_.empty()) return;
  files_.Watch(FontconfigSources());
  files_.Save(choicesFile_, environment_);
}

void FontCache::ForgetRemembered(const FontChoices::Key& key) {
  remembered_ = false;
  std::set<FontChoices::Key> families{key};
  for (const auto& [font, opened] : fonts_) {
    const auto& [name, size, style] = font;
    families.insert({name, (style & fsBold) != 0, (style & fsItalic) != 0});
  }
  files_ = FontChoices();
  for (const FontChoices::Key& family : families) files_.Set(family, AskFontconfig(family));
  Remember();
}

FontFile FontCache::AskFontconfig(const FontChoices::Key& key) {
  const auto& [family, bold, italic] = key;
  if (fontconfigReady_.valid()) fontconfigReady_.get();
  ++questions_;
  FontFile choice;
  if (FcPattern* pattern = FcPatternCreate()) {
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
      FcChar8* file = nullptr;
      int weight = FC_WEIGHT_REGULAR;
      if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr) {
        choice.path = reinterpret_cast<const char*>(file);
      }
      if (FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch) {
        choice.boldFace = weight >= FC_WEIGHT_DEMIBOLD;
      }
      FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
  }
  if (choice.path.empty() || !platform::FileExists(choice.path)) {
    choice.path = bold ? kFallbackBold : kFallbackRegular;
    choice.boldFace = bold;
  }
  return choice;
}

TTF_Font* FontCache::Get(const FontInfo& info) {
  if (!ready_) return nullptr;
  const int size = info.size > 0 ? info.size : 13;
  const auto key = std::make_tuple(info.name, size, info.style);
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  const bool bold = (info.style & fsBold) != 0;
  const bool italic = (info.style & fsItalic) != 0;
  const FontChoices::Key family{info.name, bold, italic};
  TTF_Font* font = OpenFile(FindFile(family).path, size);
  if (font == nullptr && remembered_) {
    // A file an earlier run chose stands as it was recorded, yet SDL_ttf
    // cannot open it: that run's answers are not taken any more.
    ForgetRemembered(family);
    font = OpenFile(FindFile(family).path, size);
  }
  if (font != nullptr) {
    int style = TTF_STYLE_NORMAL;
    if (bold && !FindFile(family).boldFace) style |= TTF_STYLE_BOLD;
    if (info.style & fsUnderline) style |= TTF_STYLE_UNDERLINE;
    if (info.style & fsStrikeOut) style |= TTF_STYLE_STRIKETHROUGH;
    TTF_SetFontStyle(font, style);
    TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
  }
  fonts_.emplace(key, font);
  return font;
}

TTF_Font* FontCache::OpenFile(const std::string& path, int size) {
  const Mapping& bytes = MapFile(path);
  if (bytes.data == nullptr) return TTF_OpenFont(path.c_str(), size);
  return TTF_OpenFontRW(SDL_RWFromConstMem(bytes.data, static_cast<int>(bytes.size)), 1, size);
}

TextSize FontCache::Measure(const FontInfo& info, std::string_view text) {
  TTF_Font* font = Get(info);
  if (font == nullptr) return {static_cast<int>(text.size()) * info.size / 2, info.size + 3};
  if (text.empty()) return {0, TTF_FontHeight(font)};
  auto& known = widths_[font];
  std::string key(text);
  if (auto it = known.find(key); it != known.end()) return {it->second, TTF_FontHeight(font)};
  int w = 0, h = 0;
  TTF_SizeUTF8(font, key.c_str(), &w, &h);
  if (known.size() > 4096) known.clear();  // bounded: texts that change every tick don't pile up
  known.emplace(std::move(key), w);
  return {w, TTF_FontHeight(font)};
}

int FontCache::LineHeight(const FontInfo& info) {
  TTF_Font* font = Get(info);
  return font != nullptr ? TTF_FontHeight(font) : info.size + 3;
}

}  // namespace ui
