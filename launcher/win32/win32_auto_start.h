// The current user's Run key (Software\Microsoft\Windows\CurrentVersion\Run
// under HKEY_CURRENT_USER): Windows starts the command of each of its
// values when the user signs in.
#pragma once

#include "platform/ports.h"

namespace fesk::win32 {

class Win32AutoStart : public AutoStartPort {
 public:
  std::optional<std::string> Command(std::string_view name) override;
  bool Register(std::string_view name, std::string_view command) override;
  bool Unregister(std::string_view name) override;
};

}  // namespace fesk::win32
