#pragma once
// An ordered list of texts: the lines of a memo, the items of a list box.
#include <functional>
#include <string>
#include <vector>

#include "platform/TextFile.h"

namespace ui {

class StringList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& operator[](int index) const;  // throws std::out_of_range
  const std::string& Strings(int index) const { return (*this)[index]; }
  void Put(int index, const std::string& text);
  int Add(const std::string& text);
  void Insert(int index, const std::string& text);
  void Delete(int index);
  void Clear();
  int IndexOf(const std::string& text) const;  // exact match, -1 when absent
  const std::vector<std::string>& Items() const { return items_; }
  void Assign(std::vector<std::string> items);

  // The lines joined, each followed by CR LF (the classic Text property).
  std::string Text() const;
  // Splits on CR LF, LF or a lone CR.
  void SetText(const std::string& text);

  // Replaces the items by the entries of a comma-delimited text (the classic
  // CommaText): entries are separated by a comma, by a run of characters 1 to
  // 32 (blanks, tabs, line breaks), or both; separators before the first
  // entry are skipped, while two commas with nothing but blanks between give
  // an empty entry. An entry in double quotes may hold blanks and commas, a
  // doubled quote inside standing for one; a quote left open runs to the end.
  // The text ends at its first NUL character.
  void SetCommaText(const std::string& text);

  // Reads a CP1251 text file; throws std::runtime_error when it can't be opened.
  void LoadFromFile(const std::string& path);
  // Writes CP1251 with CR LF; throws std::runtime_error when it can't be written.
  // Saved again to the same file after lines were only added, the list
  // writes just those lines at the file's end, unless something else has
  // changed the file since: then, as after any other change of the list, the
  // whole file is written again.
  void SaveToFile(const std::string& path) const;

  std::function<void()> OnChange;

 private:
  void Changed();
  void Rewritten();
  std::vector<std::string> items_;
  // The file last saved to, and how many of the lines it holds; none when
  // the list changed other than by Add since.
  mutable platform::AppendingFile file_;
  mutable size_t linesSaved_ = 0;
};

}  // namespace ui
