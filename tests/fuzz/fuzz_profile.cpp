// Any bytes as a settings file: parsing, looking up, changing and writing
// back must neither crash nor hang, and a file written by us must read back
// to itself.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/profile_document.h"
#include "common/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  fesk::ProfileDocument doc = fesk::ProfileDocument::Parse(bytes);
  for (const char* section : {"SYSTEM", "CMD0", "FESKIN", ""}) {
    for (const char* key : {"MODE", "DISCRIPTION", "HINT", "LINK", ""}) {
      if (const std::string* raw = doc.FindRaw(section, key)) {
        std::string value = fesk::ProfileValueAsRead(*raw);
        if (value.size() > fesk::kProfileValueLimit) std::abort();
        fesk::ParseSettingsInteger(value);
      }
    }
  }
  std::string written = fesk::ProfileDocument::Parse(bytes).Serialize();
  if (fesk::ProfileDocument::Parse(written).Serialize() != written) std::abort();
  doc.SetValue("SYSTEM", "LINK", bytes.substr(0, 40));
  doc.EraseSection("CMD0");
  doc.Serialize();
  return 0;
}
