// Errors that stop the operation in progress and are shown to the user in
// the program's standard error box, as the handler that caught them decides.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "common/file_path.h"

namespace fesk {

// A text that names one of the programs' files: code-page-932 text before
// and after the path, which stays UTF-8 so that the box shows the folder's
// real name whatever characters it has.
struct PathMessage {
  std::string before;
  FilePath path;
  std::string after;

  // The parts one after the other, as they are (what() of an error, the
  // record of a test double).
  std::string Joined() const { return before + path.utf8 + after; }
  friend bool operator==(const PathMessage&, const PathMessage&) = default;
};

// The message is code-page-932 text, ready to be shown; one that names a
// file keeps its parts apart (path_message).
class FeskError : public std::runtime_error {
 public:
  explicit FeskError(const std::string& message) : std::runtime_error(message) {}
  explicit FeskError(PathMessage message) : std::runtime_error(message.Joined()), path_message_(std::move(message)) {}

  const std::optional<PathMessage>& path_message() const { return path_message_; }

 private:
  std::optional<PathMessage> path_message_;
};

}  // namespace fesk
