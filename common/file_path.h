// Paths the programs carry for themselves: their own file, "Fesk.Ini",
// "FESK.TBL" and the help beside it, the sibling program they start, and a
// path the user has just handed over before it is made fit to be stored.
//
// Such a path is UTF-8, never code page 932: the folder the programs were
// copied into may have any name ("C:\Users\José Müller\Tools\"), and code
// page 932 would turn "é" into "e" and name another folder.  The texts the
// files hold stay code page 932 (std::string); the distinct type keeps the
// two from being mixed by mistake.
#pragma once

#include <string>
#include <string_view>

namespace fesk {

struct FilePath {
  std::string utf8;

  FilePath() = default;
  explicit FilePath(std::string text) : utf8(std::move(text)) {}
  bool empty() const { return utf8.empty(); }
  friend bool operator==(const FilePath&, const FilePath&) = default;
};

// Folder part of a path, trailing backslash included; empty when there is
// no backslash.  In UTF-8 the byte 0x5C is always the backslash itself.
inline FilePath FolderOf(const FilePath& path) {
  const std::size_t slash = path.utf8.rfind('\\');
  return FilePath(slash == std::string::npos ? std::string() : path.utf8.substr(0, slash + 1));
}

// A file of the programs' own (an ASCII name such as "Fesk.Ini") in a folder
// that ends in a backslash.
inline FilePath InFolder(const FilePath& folder, std::string_view file_name) {
  return FilePath(folder.utf8 + std::string(file_name));
}

}  // namespace fesk
