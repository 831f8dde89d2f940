#include "common/settings_file.h"

#include <charconv>
#include <cstdint>

#include "common/cp932.h"
#include "common/file_io.h"

namespace fesk {

PathMessage SettingsWriteErrorText(const FilePath& path) { return PathMessage{"", path, " に書き込めません"}; }

FilePath SettingsFilePathFor(const FilePath& executable_path) {
  return InFolder(FolderOf(executable_path), kSettingsFileName);
}

SettingsFile::SettingsFile(FilePath path) : path_(std::move(path)) {
  if (auto bytes = fileio::ReadWholeFile(path_)) document_ = ProfileDocument::Parse(*bytes);
}

SettingsFile::~SettingsFile() = default;

std::string SettingsFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view default_value) const {
  if (const std::string* stored = document_.FindRaw(section, key)) {
    return ProfileValueAsRead(*stored);
  }
  return ProfileDefaultAsRead(default_value);
}

std::optional<int> ParseSettingsInteger(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  if (text.empty()) return std::nullopt;
  if (base == 16) {
    // Up to eight hex digits, taken as a 32-bit pattern (0xFFFFFFFF is -1).
    std::uint32_t bits = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), bits, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return static_cast<int>(bits);
  }
  if (text.front() == '+') text.remove_prefix(1);
  if (text.empty() || (text.front() == '-' && text.size() == 1)) return std::nullopt;
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

int SettingsFile::ReadInteger(std::string_view section, std::string_view key, int default_value) const {
  const std::string* stored = document_.FindRaw(section, key);
  if (stored == nullptr) return default_value;
  return ParseSettingsInteger(ProfileValueAsRead(*stored)).value_or(default_value);
}

// Every write: take the lock (once per access), start from what is on disk
// now (another process may have written since this object read the file),
// apply the change and replace the file.
template <typename Change>
void SettingsFile::Apply(Change change) {
  if (!lock_) {
    lock_ = std::make_unique<fileio::CrossProcessLock>(path_);
    auto bytes = fileio::ReadWholeFile(path_);
    document_ = bytes ? ProfileDocument::Parse(*bytes) : ProfileDocument::Parse("");
  }
  if (deferred_) {
    if (change(document_)) unwritten_ = true;
    return;
  }
  ProfileDocument changed = document_;
  if (!change(changed)) return;  // same text: the file stays untouched
  if (!fileio::ReplaceFileAtomically(path_, changed.Serialize())) {
    throw FeskError(SettingsWriteErrorText(path_));
  }
  document_ = std::move(changed);
}

void SettingsFile::Flush() {
  if (!unwritten_) return;
  if (!fileio::ReplaceFileAtomically(path_, document_.Serialize())) {
    throw FeskError(SettingsWriteErrorText(path_));
  }
  unwritten_ = false;
}

namespace {

// Nothing is escaped in the file: a line break inside a value would end the
// value there on reading and make the rest lines of their own.
std::string_view FirstLine(std::string_view value) { return value.substr(0, value.find_first_of("\r\n")); }

}  // namespace

std::string WrittenValueReadBack(std::string_view value) {
  return ProfileValueAsRead(TrimProfileSpace(FirstLine(value)));
}

void SettingsFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Apply([&](ProfileDocument& doc) { return doc.SetValue(section, key, FirstLine(value)); });
}

void SettingsFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void SettingsFile::EraseSection(std::string_view section) {
  Apply([&](ProfileDocument& doc) { return doc.EraseSection(section); });
}

void SettingsFile::EraseEverySection(std::string_view section) {
  Apply([&](ProfileDocument& doc) {
    bool erased = false;
    while (doc.EraseSection(section)) erased = true;
    return erased;
  });
}

}  // namespace fesk
