// Starting with Windows: the launcher's value under the current user's Run
// key, "Fesk", holds its own program file in quotes.  Windows starts every
// command of that key when the user signs in.
#pragma once

#include <string>
#include <string_view>

#include "common/file_path.h"

namespace fesk {

inline constexpr char kAutoStartValueName[] = "Fesk";

// The command registered for `program_path`: the path in quotes, so that a
// folder with a blank in it ("C:\Program Files\Fesk\") is not read up to
// the blank.
std::string AutoStartCommand(const FilePath& program_path);

// True when a registered command starts `program_path`: the path itself, in
// quotes or not, blanks around it ignored, letters in any case.  A value
// naming another copy of the launcher does not count.
bool AutoStartNames(std::string_view command, const FilePath& program_path);

}  // namespace fesk
