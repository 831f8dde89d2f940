#include "launcher/ui/settings_file_caption.h"

#include "common/storable_path.h"
#include "common/text_encoding.h"

namespace fesk {

namespace {

// Bytes of the UTF-8 character at `at`; a byte that begins no whole
// character counts as one character of its own.
std::size_t CharacterLength(std::string_view utf8, std::size_t at) {
  const unsigned char lead = static_cast<unsigned char>(utf8[at]);
  const std::size_t length = lead >= 0xF0 && lead <= 0xF7   ? 4
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xC0 && lead <= 0xDF ? 2
                                                            : 1;
  if (at + length > utf8.size()) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(utf8[at + i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

// Character by character, "?" where code page 932 has no code.
std::string ShownWithMarks(const std::string& utf8) {
  std::string shown;
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t length = CharacterLength(utf8, at);
    shown += encoding::Utf8ToCp932Exactly(std::string_view(utf8).substr(at, length)).value_or("?");
    at += length;
  }
  return shown;
}

}  // namespace

std::string SettingsFileCaption(const FilePath& settings_path, PathPort* paths) {
  const std::optional<std::string> exact = StorableForm(settings_path, ShortFormsOf(paths));
  return "設定ファイル:\r\n" + exact.value_or(ShownWithMarks(settings_path.utf8));
}

}  // namespace fesk
