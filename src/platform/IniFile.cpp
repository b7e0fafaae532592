#include "platform/IniFile.h"

#include "platform/Conversions.h"
#include "platform/Cp1251.h"
#include "platform/TextFile.h"

namespace platform {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

IniFile::IniFile(const std::string& path) {
  std::vector<std::string> lines;
  if (LoadLines(path, lines)) Parse(lines);
}

IniFile::IniFile(const std::vector<std::string>& lines) { Parse(lines); }

void IniFile::Parse(const std::vector<std::string>& lines) {
  Section* current = nullptr;
  for (const std::string& raw : lines) {
    const std::string line = Cp1251ToUtf8(raw);
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == ';') continue;
    if (text.front() == '[') {
      const size_t close = text.find(']');
      if (close == std::string_view::npos) continue;
      sections_.push_back({std::string(Trim(text.substr(1, close - 1))), {}});
      current = &sections_.back();
      continue;
    }
    const size_t eq = text.find('=');
    if (current == nullptr || eq == std::string_view::npos) continue;
    const std::string_view name = Trim(text.substr(0, eq));
    if (name.empty()) continue;
    current->lines.push_back(std::string(name) + "=" + std::string(Trim(text.substr(eq + 1))));
  }
}

std::vector<std::string> IniFile::ReadSectionValues(std::string_view section) const {
  std::vector<std::string> out;
  for (const Section& s : sections_) {
    if (SameText(s.name, section)) out.insert(out.end(), s.lines.begin(), s.lines.end());
  }
  return out;
}

bool IniFile::SectionExists(std::string_view section) const {
  for (const Section& s : sections_) {
    if (SameText(s.name, section)) return true;
  }
  return false;
}

std::string ValueOf(const std::vector<std::string>& lines, std::string_view name) {
  for (const std::string& line : lines) {
    const size_t eq = line.find('=');
    if (eq != std::string::npos && SameText(std::string_view(line).substr(0, eq), name)) {
      return line.substr(eq + 1);
    }
  }
  return {};
}

}  // namespace platform
