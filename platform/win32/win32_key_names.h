// Names of keys as the keyboard layout reports them, for shortcut texts.
#pragma once

#include "common/hotkey_text.h"

namespace fesk::win32 {

class Win32KeyNames : public KeyNameSource {
 public:
  std::string KeyName(int virtual_key) const override;
};

}  // namespace fesk::win32
