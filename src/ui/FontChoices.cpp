#include "ui/FontChoices.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string_view>

#include "platform/TextFile.h"

namespace ui {
namespace {

constexpr const char* kHeader = "zendrix2 font choices 1";
constexpr off_t kLargestFile = 1 << 20;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

// Whether text can stand in one field of a line.
bool Plain(std::string_view text) { return text.find_first_of("\t\r\n") == std::string_view::npos; }

bool Flag(const std::string& field, bool& out) {
  if (field != "0" && field != "1") return false;
  out = field == "1";
  return true;
}

}  // namespace

std::string FontChoices::Stamp(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return "-";
  return std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec) + " " +
         std::to_string(info.st_size);
}

FontChoices FontChoices::Load(const std::string& file, const std::string& environment) {
  struct stat info {};
  std::vector<std::string> lines;
  if (::stat(file.c_str(), &info) != 0 || info.st_size > kLargestFile || !platform::LoadLines(file, lines)) return {};
  if (lines.size() < 2 || lines[0] != kHeader || lines[1] != "environment\t" + environment) return {};
  FontChoices choices;
  for (size_t i = 2; i < lines.size(); ++i) {
    const std::vector<std::string> f = Fields(lines[i]);
    if (f.size() == 3 && f[0] == "watch") {
      if (f[2].empty() || Stamp(f[2]) != f[1]) return {};
      choices.watched_.insert(f[2]);
    } else if (f.size() == 6 && f[0] == "choice") {
      FontFile font;
      bool bold = false, italic = false;
      if (!Flag(f[1], bold) || !Flag(f[2], italic) || !Flag(f[3], font.boldFace) || f[5].empty()) return {};
      font.path = f[5];
      choices.choices_[Key{f[4], bold, italic}] = font;
    } else if (!lines[i].empty()) {
      return {};
    }
  }
  // Choices watched by nothing could never be found out of date.
  if (choices.watched_.empty()) return {};
  return choices;
}

bool FontChoices::Save(const std::string& file, const std::string& environment) const {
  if (environment.find_first_of("\r\n") != std::string::npos || watched_.empty()) return false;
  std::string text = std::string(kHeader) + "\nenvironment\t" + environment + "\n";
  // The chosen files are watched too: a font file replaced in place.
  std::set<std::string> watched = watched_;
  for (const auto& [key, font] : choices_) watched.insert(font.path);
  for (const std::string& path : watched) {
    if (Plain(path)) text += "watch\t" + Stamp(path) + "\t" + path + "\n";
  }
  for (const auto& [key, font] : choices_) {
    const auto& [family, bold, italic] = key;
    if (!Plain(family) || !Plain(font.path)) continue;
    text += std::string("choice\t") + (bold ? "1" : "0") + "\t" + (italic ? "1" : "0") + "\t" +
            (font.boldFace ? "1" : "0") + "\t" + family + "\t" + font.path + "\n";
  }
  // Written beside the file and renamed over it: a reader finds the old
  // file or the new one, never a part.
  const std::string fresh = file + ".new" + std::to_string(::getpid());
  std::FILE* out = std::fopen(fresh.c_str(), "wb");
  if (out == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  if (std::fclose(out) != 0 || !written || std::rename(fresh.c_str(), file.c_str()) != 0) {
    std::remove(fresh.c_str());
    return false;
  }
  return true;
}

const FontFile* FontChoices::Find(const Key& key) const {
  const auto it = choices_.find(key);
  return it == choices_.end() ? nullptr : &it->second;
}

void FontChoices::Set(const Key& key, const FontFile& file) { choices_[key] = file; }

void FontChoices::Watch(const std::vector<std::string>& paths) {
  watched_.clear();
  for (const std::string& path : paths) {
    if (!path.empty()) watched_.insert(path);
  }
}

}  // namespace ui
