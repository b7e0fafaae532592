#include "platform/TextFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <exception>
#include <fstream>
#include <iterator>

namespace platform {

bool LoadLines(const std::string& path, std::vector<std::string>& lines) {
  // Only a regular file is text: a folder of that name opens but throws on
  // the first read.
  if (!FileExists(path)) return false;
  std::string data;
  try {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
  } catch (const std::exception&) {
    return false;
  }
  lines.clear();
  std::string current;
  for (size_t i = 0; i < data.size(); ++i) {
    const char c = data[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(current);
  return true;
}

bool SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  for (const std::string& line : lines) out << line << "\r\n";
  out.flush();
  return static_cast<bool>(out);
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

}  // namespace platform
