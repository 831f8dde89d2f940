#include "common/storable_path.h"

#include "common/text_encoding.h"

namespace fesk {

std::optional<std::string> StorableForm(const FilePath& path, PathPort* paths) {
  if (std::optional<std::string> exact = encoding::Utf8ToCp932Exactly(path.utf8)) return exact;
  if (paths == nullptr) return std::nullopt;
  if (std::optional<FilePath> short_form = paths->ShortForm(path)) {
    return encoding::Utf8ToCp932Exactly(short_form->utf8);
  }
  return std::nullopt;
}

std::optional<std::string> StorablePathOrRefuse(const FilePath& path, PathPort* paths, DialogPort& dialogs) {
  std::optional<std::string> storable = StorableForm(path, paths);
  if (!storable) {
    dialogs.MessageBox(PathMessage{"", path, std::string("\r") + kUnstorablePathText}, kUnstorablePathCaption,
                       Buttons::kOk);
  }
  return storable;
}

}  // namespace fesk
