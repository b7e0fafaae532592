#pragma once
// Whole-file text reading and writing, byte for byte (no code page
// conversion). Lines end in CR LF on disk, as the game's files always did.
// A file is written only as a regular file: a symbolic link in its place is
// replaced by the file, never written through, and a FIFO, folder or device
// of that name is a file that cannot be written.
#include <sys/types.h>

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits on CR LF, LF or a lone CR; false when the file cannot be read.
bool LoadLines(const std::string& path, std::vector<std::string>& lines);
// Writes every line followed by CR LF; false when the file cannot be written.
bool SaveLines(const std::string& path, const std::vector<std::string>& lines);
bool FileExists(const std::string& path);

// A file one writer keeps and lets grow at its end, such as a log: Write
// replaces the whole file, Append adds at its end. Between the two, Unchanged
// tells whether the file is still exactly what this writer left there:
// another program that changed, truncated, replaced or removed it makes the
// writer write the whole file again. A copy starts without a file.
class AppendingFile {
 public:
  AppendingFile() = default;
  ~AppendingFile();
  AppendingFile(const AppendingFile&) {}
  AppendingFile& operator=(const AppendingFile& other);

  // Whether `path` is the file this writer last wrote and still holds
  // exactly what it wrote.
  bool Unchanged(const std::string& path) const;
  // Creates or overwrites the file with `bytes`; false when it cannot.
  bool Write(const std::string& path, std::string_view bytes);
  // Adds `bytes` at the end of the file last written; false when it cannot
  // (the writer then has no file until the next Write).
  bool Append(std::string_view bytes);

 private:
  void Forget();
  bool Put(std::string_view bytes);

  int fd_ = -1;
  std::string path_;
  // What the file was when this writer last wrote it.
  off_t size_ = 0;
  timespec modified_{}, changed_{};
};
bool DeleteFile(const std::string& path);

}  // namespace platform
