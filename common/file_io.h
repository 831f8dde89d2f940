// The few file operations the settings and group-table files need, with one
// implementation per platform (platform/posix, platform/win32).  Paths are
// the programs' own paths in UTF-8 (FilePath), so a folder of any name works.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/file_path.h"

namespace fesk::fileio {

// The whole file, or nothing when it is missing or cannot be read.
std::optional<std::string> ReadWholeFile(const FilePath& path);

// Replaces the file's content so that a reader, or a process that dies in the
// middle, only ever sees the old or the new content: the bytes go to a
// temporary file beside it, which then takes the file's place.  Fails for a
// read-only file and for a folder that does not exist.
bool ReplaceFileAtomically(const FilePath& path, std::string_view content);

// Creates or truncates the file and writes the content, with no atomic
// guarantee: a reader may see the file half written.  The group table is
// written this way; tests use it to lay out files.
bool WriteWholeFile(const FilePath& path, std::string_view content);

// Serialises read-modify-write cycles on one file across processes.  Held
// from construction to destruction.
class CrossProcessLock {
 public:
  explicit CrossProcessLock(const FilePath& path);
  ~CrossProcessLock();
  CrossProcessLock(const CrossProcessLock&) = delete;
  CrossProcessLock& operator=(const CrossProcessLock&) = delete;

 private:
  void* handle_ = nullptr;
  int fd_ = -1;
};

}  // namespace fesk::fileio
