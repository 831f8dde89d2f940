// The editor's parameters as the run-time library hands them to a program:
// the command line split at blanks, double quotes grouping blanks into one
// parameter and disappearing themselves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fesk::editor {

// The parameters after the program name of a whole command line
// (GetCommandLine converted to code page 932).
std::vector<std::string> CommandLineParameters(std::string_view command_line);

}  // namespace fesk::editor
