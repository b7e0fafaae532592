#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <fstream>
#include <iterator>

namespace platform {
namespace {

// Opens `path` to write it from its start, as a regular file and never
// through a link: a symbolic link in its place is removed (its target stays
// as it is) and the file made anew; a FIFO, folder or device there is no file
// to write, and a FIFO without a reader does not hold the caller up. `flags`
// are added to the opening's. -1 when it cannot be opened.
int OpenToWrite(const std::string& path, int flags) {
  const int opening = O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | flags;
  int fd = ::open(path.c_str(), opening | O_CREAT, 0666);
  if (fd < 0 && errno == ELOOP) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && ::unlink(path.c_str()) == 0) {
      fd = ::open(path.c_str(), opening | O_CREAT | O_EXCL, 0666);
    }
  }
  if (fd < 0) return -1;
  struct stat info {};
  const int status = ::fcntl(fd, F_GETFL);
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || status < 0 ||
      ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0 || ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

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
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  const int fd = OpenToWrite(path, 0);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes);
  return ::close(fd) == 0 && written;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

AppendingFile::~AppendingFile() { Forget(); }

AppendingFile& AppendingFile::operator=(const AppendingFile& other) {
  if (this != &other) Forget();
  return *this;
}

void AppendingFile::Forget() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  path_.clear();
}

bool AppendingFile::Unchanged(const std::string& path) const {
  if (fd_ < 0 || path != path_) return false;
  // The file this writer holds open, asked without a look-up of its name:
  // writing, truncating, moving, removing or replacing it (a file renamed
  // over it leaves it without a name) all change its change time, and the
  // last two its count of names.
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return false;
  return st.st_nlink > 0 && st.st_size == size_ && st.st_mtim.tv_sec == modified_.tv_sec &&
         st.st_mtim.tv_nsec == modified_.tv_nsec && st.st_ctim.tv_sec == changed_.tv_sec &&
         st.st_ctim.tv_nsec == changed_.tv_nsec;
}

bool AppendingFile::Write(const std::string& path, std::string_view bytes) {
  Forget();
  fd_ = OpenToWrite(path, O_APPEND);
  if (fd_ < 0) return false;
  path_ = path;
  return Put(bytes);
}

bool AppendingFile::Append(std::string_view bytes) {
  if (fd_ < 0) return false;
  return Put(bytes);
}

bool AppendingFile::Put(std::string_view bytes) {
  struct stat st {};
  if (!WriteAll(fd_, bytes) || ::fstat(fd_, &st) != 0) {
    Forget();
    return false;
  }
  size_ = st.st_size;
  modified_ = st.st_mtim;
  changed_ = st.st_ctim;
  return true;
}

}  // namespace platform
