// Any bytes as a group table: reading must neither crash nor hang, and the
// tree read must write out and read back to the same file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/group_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  fesk::GroupTableReadResult result = fesk::ParseGroupTable(bytes);
  std::string written = fesk::FormatGroupTable(result.tree);
  fesk::GroupTableReadResult again = fesk::ParseGroupTable(written);
  // Names that begin with blanks lose them on reading, which may change the
  // tree; every other tree survives the round trip unchanged.
  bool blank_led = false;
  for (fesk::GroupNodeId node : result.tree.PreOrder()) {
    const std::string& name = result.tree.Name(node);
    if (!name.empty() && (name[0] == ' ' || name[0] == '\t')) blank_led = true;
    result.tree.Path(node);
  }
  if (!blank_led && (again.error || fesk::FormatGroupTable(again.tree) != written)) std::abort();
  return 0;
}
