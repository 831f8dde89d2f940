// Access object for the shared settings file "Fesk.Ini".
//
// One object per access: it reads the file when it is made and every write
// reaches the file at once.  Unlike the platform's profile functions, a
// write never leaves a half-written file (the new content replaces the file
// in one step) and writers in different processes are serialised, so that
// the launcher writing LINK while the editor saves loses nobody's keys.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/errors.h"
#include "common/file_path.h"
#include "common/profile_document.h"
#include "common/program_files.h"

namespace fesk {

namespace fileio {
class CrossProcessLock;
}

class SettingsFile {
 public:
  explicit SettingsFile(FilePath path);
  ~SettingsFile();
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  // The value's text; the default only when the key, its section or the file
  // is missing ("key=" reads as empty).  At most 1023 bytes are seen.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view default_value) const;

  // Decimal, optionally signed; a text longer than 2 characters beginning
  // "0x" or "0X" is hexadecimal.  The default when the key is missing or the
  // text is not a valid 32-bit integer.
  int ReadInteger(std::string_view section, std::string_view key, int default_value) const;

  // WriteString writes the value up to its first line break (CR or LF).
  // These throw SettingsWriteError ("<path> に書き込めません") when the file
  // cannot be written; what was written before stays.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void EraseSection(std::string_view section);
  // Removes every section of that name, where EraseSection removes the
  // first: a file written by hand may hold a section twice, and the second
  // would come to light once the first is gone.
  void EraseEverySection(std::string_view section);

  // From now on the writes of this access change only what the object holds;
  // Flush() then replaces the file once.  A save of every program thus
  // writes the file one time instead of once per key, and either completely
  // or not at all.
  void DeferWrites() { deferred_ = true; }
  // Writes what the deferred writes changed; throws like a write.
  void Flush();

  const FilePath& Path() const { return path_; }

 private:
  template <typename Change>
  void Apply(Change change);

  FilePath path_;
  ProfileDocument document_;
  // Taken at the first write and held until the object goes, so that the
  // writes of one access form one uninterrupted sequence.
  std::unique_ptr<fileio::CrossProcessLock> lock_;
  bool deferred_ = false;
  bool unwritten_ = false;  // deferred changes not yet in the file
};

// What ReadString gives back for a value written by WriteString: a value is
// written up to its first line break (the rest would be read as lines of
// their own, a "[section]" line among them), and as it is, so the line loses
// its blanks at both ends and the value a pair of enclosing quotes.
std::string WrittenValueReadBack(std::string_view value);

// "%s に書き込めません" with the file's full path.
PathMessage SettingsWriteErrorText(const FilePath& path);

// Decimal or "0x" hexadecimal text as the launcher reads it; nullopt when the
// text is not a valid 32-bit integer.
std::optional<int> ParseSettingsInteger(std::string_view text);

// "Fesk.Ini" in the folder of the given executable path.
FilePath SettingsFilePathFor(const FilePath& executable_path);

}  // namespace fesk
