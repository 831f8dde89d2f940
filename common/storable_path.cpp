#include "common/storable_path.h"

#include "common/text_encoding.h"

namespace fesk {

std::optional<std::string> StorableForm(const FilePath& path, const ShortFormLookup& short_form) {
  if (std::optional<std::string> exact = encoding::Utf8ToCp932Exactly(path.utf8)) return exact;
  if (!short_form) return std::nullopt;
  if (std::optional<FilePath> short_path = short_form(path)) return encoding::Utf8ToCp932Exactly(short_path->utf8);
  return std::nullopt;
}

PathMessage UnstorablePathText(const FilePath& path) {
  return PathMessage{"", path, std::string("\r") + kUnstorablePathText};
}

}  // namespace fesk
