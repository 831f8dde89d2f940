// POSIX file operations for the native build (tests, benchmarks, fuzzing).
#include "common/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace fesk::fileio {

std::optional<std::string> ReadWholeFile(const FilePath& path) {
  std::ifstream in(path.utf8, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

static bool WriteAll(const std::string& path, std::string_view content) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  const char* data = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written <= 0) {
      ::close(fd);
      return false;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return ::close(fd) == 0;
}

static bool IsReadOnly(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

bool ReplaceFileAtomically(const FilePath& path, std::string_view content) {
  if (IsReadOnly(path.utf8)) return false;
  std::string temporary = path.utf8 + ".new";
  if (!WriteAll(temporary, content)) {
    ::unlink(temporary.c_str());
    return false;
  }
  if (std::rename(temporary.c_str(), path.utf8.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

bool WriteWholeFile(const FilePath& path, std::string_view content) {
  if (IsReadOnly(path.utf8)) return false;
  return WriteAll(path.utf8, content);
}

// A lock file beside the settings file: the settings file itself is replaced
// by rename on every write, so a lock on it would lock a file that is gone.
CrossProcessLock::CrossProcessLock(const FilePath& path) {
  fd_ = ::open((path.utf8 + ".lock").c_str(), O_RDWR | O_CREAT, 0644);
  if (fd_ >= 0) ::flock(fd_, LOCK_EX);
}

CrossProcessLock::~CrossProcessLock() {
  if (fd_ >= 0) {
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
  }
}

}  // namespace fesk::fileio
