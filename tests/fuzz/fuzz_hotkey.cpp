// Any text as a shortcut: reading must give a key or nothing, and a key read
// must write back to a text that reads as the same key.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/hotkey_text.h"

namespace {
class OneCharLayout : public fesk::KeyNameSource {
 public:
  std::string KeyName(int key) const override { return key == 0xBA ? ";" : ""; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  OneCharLayout layout;
  std::string text(reinterpret_cast<const char*>(data), size);
  fesk::ShortCut value = fesk::TextToShortCut(text, &layout);
  if (value == 0) return 0;
  std::string written = fesk::ShortCutToText(value, &layout);
  if (written.empty() || fesk::TextToShortCut(written, &layout) != value) std::abort();
  return 0;
}
