// The Windows profile ("INI") format, parsed into lines that can be looked up,
// changed and written back the way the platform's profile functions do it.
//
// The rules (trimming, section and key matching, duplicates, what survives a
// rewrite) are those of GetPrivateProfileStringA / WritePrivateProfileStringA;
// a differential test under Wine holds this file to them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fesk {

class ProfileDocument {
 public:
  // Lines such as "key=value"; a line without "=" has no value: it is kept on
  // rewrite but never found by a lookup.
  struct Entry {
    std::string name;
    std::optional<std::string> value;
  };
  struct Section {
    std::string name;
    bool has_header = true;  // false only for the keys before the first header
    std::vector<Entry> entries;
  };

  static ProfileDocument Parse(std::string_view bytes);
  std::string Serialize() const;

  // The stored text of the first matching key of the first matching section,
  // as written in the file (quotes included); nullptr when missing.
  const std::string* FindRaw(std::string_view section, std::string_view key) const;

  // Sets a key, creating its section at the end of the file or the key at the
  // end of its section.  Returns false when the stored text already equals the
  // new value, so that the caller can leave the file untouched.
  bool SetValue(std::string_view section, std::string_view key, std::string_view value);

  // Removes the first matching section; false when there was none.
  bool EraseSection(std::string_view section);

  const std::vector<Section>& Sections() const { return sections_; }

 private:
  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;

  std::vector<Section> sections_;
};

// Profile white space: 0x09-0x0D, 0x1A and 0x20.
bool IsProfileSpace(char c);
std::string_view TrimProfileSpace(std::string_view s);

// What a read returns for a stored text or, when the key is missing, for the
// default: surrounding quotes removed, cut to the 1023 bytes of the caller's
// buffer (never half a double-byte character).
std::string ProfileValueAsRead(std::string_view stored);
std::string ProfileDefaultAsRead(std::string_view default_value);

inline constexpr std::size_t kProfileValueLimit = 1023;

}  // namespace fesk
