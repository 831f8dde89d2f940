// Typing through real synthetic input: the KeySink of the Fesk program.
#pragma once

#include <cstdint>

#include "launcher/services/key_sink.h"

namespace fesk::win32 {

class Win32KeySink : public KeySink {
 public:
  void KeyDown(int virtual_key) override;
  void KeyUp(int virtual_key) override;
  std::uint16_t LayoutKey(char character) override;
  bool PostDoubleByteChar(char lead, char trail) override;
  bool KeyIsDown(int virtual_key) override;
};

}  // namespace fesk::win32
