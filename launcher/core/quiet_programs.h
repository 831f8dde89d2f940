// Programs the user wants left alone: a painting program that uses the
// trigger keys itself, a game, a remote desktop.  While the window in front
// belongs to one of them, a mouse action or a screen position starts
// nothing, as over a full-screen program; shortcut keys stay, as they are
// pressed on purpose.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ports.h"

namespace fesk {

// "|" separates the names in the settings file: no file name can hold it.
inline constexpr char kQuietProgramSeparator = '|';

// The program file names of QUIETPROGRAMS ("mspaint.exe|mstsc.exe"), code
// page 932, in the order the user listed them.
class QuietProgramList {
 public:
  // Blanks around a name and empty items are dropped; a missing key reads as
  // the empty value and lists nothing.
  static QuietProgramList Parse(std::string_view value);
  // The value to store: the names joined by "|", empty for none.
  std::string ToValue() const;

  // Adds the file name of a name or a path typed or picked by the user;
  // false (and nothing added) when it is empty, holds the separator, or is
  // listed already.
  bool Add(std::string_view name_or_path);
  // False when the name was not listed.
  bool Remove(std::string_view name);

  // True when the program file (a bare name or a full path) is listed, its
  // folder dropped and letter case ignored.  An empty name never is.
  bool Lists(std::string_view program_file) const;

  const std::vector<std::string>& names() const { return names_; }
  bool empty() const { return names_.empty(); }
  friend bool operator==(const QuietProgramList&, const QuietProgramList&) = default;

 private:
  std::vector<std::string> names_;
};

// The file name of a path: what follows its last "\" or "/" that is no
// trail byte of a double-byte character.
std::string_view ProgramFileName(std::string_view path);

// Asks the platform about the window in front, and only when the list names
// something: an empty list costs nothing.  False without a port, without a
// window in front, or for a window whose program is unknown.
bool QuietOverListedProgram(const QuietProgramList& list, ForegroundPort* foreground);

}  // namespace fesk
