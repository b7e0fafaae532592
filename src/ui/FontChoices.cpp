#include "ui/FontChoices.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace ui {
namespace {

constexpr const char* kHeader = "zendrix2 font choices 3";
// The last line: a file without it was cut short.
constexpr const char* kEnd = "end";
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

// The lines of a small regular file, each ended by LF; false when it cannot
// be read, is too large, or its last line is not ended. Anything but a regular
// file is not read: a FIFO would hold the start until something wrote to it.
bool ReadLines(const std::string& file, std::vector<std::string>& lines) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  std::string text;
  bool read = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kLargestFile;
  if (read) {
    text.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (done < text.size()) {
      const ssize_t n = ::read(fd, text.data() + done, text.size() - done);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    read = done == text.size();
  }
  ::close(fd);
  if (!read || text.empty() || text.back() != '\n') return false;
  size_t start = 0;
  for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return true;
}

}  // namespace

std::string FontChoices::Stamp(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return "-";
  // The file's number and device, and its change time, which no one can set,
  // differ for a file put in its place even with the same size and times.
  return std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec) + " " +
         std::to_string(info.st_size) + " " + std::to_string(info.st_ino) + " " + std::to_string(info.st_dev) + " " +
         std::to_string(info.st_ctim.tv_sec) + "." + std::to_string(info.st_ctim.tv_nsec);
}

FontChoices FontChoices::Load(const std::string& file, const std::string& environment) {
  std::vector<std::string> lines;
  if (!ReadLines(file, lines) || lines.size() < 3 || lines[0] != kHeader || lines[1] != "environment\t" + environment ||
      lines.back() != kEnd) {
    return {};
  }
  FontChoices choices;
  for (size_t i = 2; i + 1 < lines.size(); ++i) {
    const std::vector<std::string> f = Fields(lines[i]);
    if (f.size() == 3 && f[0] == "watch") {
      if (f[2].empty() || Stamp(f[2]) != f[1]) return {};
      choices.watched_.insert(f[2]);
    } else if (f.size() == 7 && f[0] == "choice") {
      // The chosen file must be there, as it was when it was chosen.
      FontFile font;
      bool bold = false, italic = false;
      if (!Flag(f[1], bold) || !Flag(f[2], italic) || !Flag(f[3], font.boldFace) || f[6].empty() || f[5] == "-" ||
          Stamp(f[6]) != f[5]) {
        return {};
      }
      font.path = f[6];
      choices.choices_[Key{f[4], bold, italic}] = font;
    } else {
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
  for (const std::string& path : watched_) {
    if (Plain(path)) text += "watch\t" + Stamp(path) + "\t" + path + "\n";
  }
  for (const auto& [key, font] : choices_) {
    const auto& [family, bold, italic] = key;
    if (!Plain(family) || !Plain(font.path)) continue;
    const std::string stamp = Stamp(font.path);
    if (stamp == "-") continue;
    text += std::string("choice\t") + (bold ? "1" : "0") + "\t" + (italic ? "1" : "0") + "\t" +
            (font.boldFace ? "1" : "0") + "\t" + family + "\t" + stamp + "\t" + font.path + "\n";
  }
  text += std::string(kEnd) + "\n";
  // Written beside the file under a name of its own and renamed over it: a
  // reader finds the old file or the new one, never a part.
  std::string fresh = file + ".XXXXXX";
  const int fd = ::mkostemp(fresh.data(), O_CLOEXEC);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  if (::close(fd) != 0 || done != text.size() || std::rename(fresh.c_str(), file.c_str()) != 0) {
    ::unlink(fresh.c_str());
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
