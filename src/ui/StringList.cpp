#include "ui/StringList.h"

#include <stdexcept>
#include <string_view>

#include "platform/Cp1251.h"
#include "platform/TextFile.h"

namespace ui {

const std::string& StringList::operator[](int index) const {
  if (index < 0 || index >= Count()) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  }
  return items_[index];
}

void StringList::Put(int index, const std::string& text) {
  (void)(*this)[index];
  items_[index] = text;
  Rewritten();
  Changed();
}

int StringList::Add(const std::string& text) {
  items_.push_back(text);
  Changed();
  return Count() - 1;
}

void StringList::Insert(int index, const std::string& text) {
  if (index < 0 || index > Count()) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  }
  items_.insert(items_.begin() + index, text);
  Rewritten();
  Changed();
}

void StringList::Delete(int index) {
  (void)(*this)[index];
  items_.erase(items_.begin() + index);
  Rewritten();
  Changed();
}

void StringList::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Rewritten();
  Changed();
}

int StringList::IndexOf(const std::string& text) const {
  for (int i = 0; i < Count(); ++i) {
    if (items_[i] == text) return i;
  }
  return -1;
}

void StringList::Assign(std::vector<std::string> items) {
  items_ = std::move(items);
  Rewritten();
  Changed();
}

std::string StringList::Text() const {
  std::string text;
  for (const std::string& line : items_) text += line + "\r\n";
  return text;
}

void StringList::SetText(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(current);
  Assign(std::move(lines));
}

void StringList::SetCommaText(const std::string& text) {
  const std::string_view all(text.c_str());  // up to the first NUL
  auto blank = [&](size_t i) { return i < all.size() && all[i] >= 1 && all[i] <= ' '; };
  std::vector<std::string> entries;
  size_t p = 0;
  while (blank(p)) ++p;
  while (p < all.size()) {
    std::string entry;
    if (all[p] == '"') {
      ++p;
      while (p < all.size()) {
        if (all[p] == '"') {
          if (p + 1 < all.size() && all[p + 1] == '"') {
            entry += '"';
            p += 2;
            continue;
          }
          ++p;  // the closing quote
          break;
        }
        entry += all[p++];
      }
    } else {
      const size_t start = p;
      while (p < all.size() && static_cast<unsigned char>(all[p]) > ' ' && all[p] != ',') ++p;
      entry.assign(all.substr(start, p - start));
    }
    entries.push_back(std::move(entry));
    while (blank(p)) ++p;
    if (p < all.size() && all[p] == ',') {
      do {
        ++p;
      } while (blank(p));
    }
  }
  Assign(std::move(entries));
}

void StringList::LoadFromFile(const std::string& path) {
  std::vector<std::string> lines;
  if (!platform::LoadLines(path, lines)) {
    throw std::runtime_error("Cannot open file \"" + path + "\". No such file or directory");
  }
  for (std::string& line : lines) line = platform::Cp1251ToUtf8(line);
  Assign(std::move(lines));
}

void StringList::SaveToFile(const std::string& path) const {
  const auto linesFrom = [this](size_t first) {
    std::string bytes;
    for (size_t i = first; i < items_.size(); ++i) {
      bytes += platform::Utf8ToCp1251(items_[i]);
      bytes += "\r\n";
    }
    return bytes;
  };
  if (linesSaved_ <= items_.size() && file_.Unchanged(path) && file_.Append(linesFrom(linesSaved_))) {
    linesSaved_ = items_.size();
    return;
  }
  if (!file_.Write(path, linesFrom(0))) {
    linesSaved_ = 0;
    throw std::runtime_error("Cannot create file \"" + path + "\"");
  }
  linesSaved_ = items_.size();
}

void StringList::Changed() {
  if (OnChange) OnChange();
}

void StringList::Rewritten() {
  // The next save writes the whole file.
  file_ = platform::AppendingFile();
  linesSaved_ = 0;
}

}  // namespace ui
