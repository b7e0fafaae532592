#pragma once
// A read-only INI file: sections of key=value lines. The file is CP1251 on
// disk; names and values come back in UTF-8.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class IniFile {
 public:
  // Reads the whole file; a missing file reads as empty.
  explicit IniFile(const std::string& path);
  // Reads lines already in memory (CP1251), as a file holding them would read.
  explicit IniFile(const std::vector<std::string>& lines);

  // Every key=value line of the section, in file order, as "key=value";
  // the section name is matched without regard to letter case.
  std::vector<std::string> ReadSectionValues(std::string_view section) const;
  // Whether the file has a header of the section, even one with no lines.
  bool SectionExists(std::string_view section) const;

 private:
  struct Section {
    std::string name;
    std::vector<std::string> lines;
  };
  void Parse(const std::vector<std::string>& lines);
  std::vector<Section> sections_;
};

// The value of the first "name=value" line whose name equals name without
// regard to letter case; empty when there is none.
std::string ValueOf(const std::vector<std::string>& lines, std::string_view name);

}  // namespace platform
