// The editor's parameters as the run-time library hands them to a program:
// the command line split at blanks, double quotes grouping blanks into one
// parameter and disappearing themselves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fesk::editor {

// The parameters after the program name of a whole command line
// (GetCommandLineW as UTF-8; blanks and quotes are single bytes there as in
// code page 932, every byte of another character is above them).
std::vector<std::string> CommandLineParameters(std::string_view command_line);

}  // namespace fesk::editor
