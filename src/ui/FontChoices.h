#pragma once
// Which font file fontconfig chose for each family and style, remembered
// from one run of the game to the next. fontconfig reads and parses its whole
// configuration before it answers the first question, some milliseconds at
// every start; its answers change only with that configuration, the font
// folders and the environment. So the answers are kept together with how
// every file and folder they came from stood, and are taken again only while
// all of it stands as it did.
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace ui {

struct FontFile {
  std::string path;
  bool boldFace = false;  // the file's own face is bold
};

class FontChoices {
 public:
  using Key = std::tuple<std::string, bool, bool>;  // family, bold, italic

  // How a file or folder stands now: its modification time, size, file number
  // and device, and change time, or its absence ("-").
  static std::string Stamp(const std::string& path);

  // The choices in `file`; none when it is missing, cut short or otherwise
  // damaged, was written under another environment, any path it watches
  // stands otherwise now, or any chosen file is missing or not the one
  // recorded (another size, modification time, file or change time).
  static FontChoices Load(const std::string& file, const std::string& environment);
  // Writes the choices, each with how its file stands now, and the watched
  // paths; a chosen file that is missing is left out. The file is replaced
  // whole or not at all. False when it cannot be written.
  bool Save(const std::string& file, const std::string& environment) const;

  const FontFile* Find(const Key& key) const;
  void Set(const Key& key, const FontFile& file);
  // The files and folders the choices depend on, in place of those before.
  void Watch(const std::vector<std::string>& paths);
  bool Empty() const { return choices_.empty(); }

 private:
  std::set<std::string> watched_;
  std::map<Key, FontFile> choices_;
};

}  // namespace ui
