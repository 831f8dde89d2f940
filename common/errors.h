// Errors that stop the operation in progress and are shown to the user in
// the program's standard error box, as the handler that caught them decides.
#pragma once

#include <stdexcept>
#include <string>

namespace fesk {

// The message is code-page-932 text, ready to be shown.
class FeskError : public std::runtime_error {
 public:
  explicit FeskError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace fesk
