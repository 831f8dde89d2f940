#include "common/profile_document.h"

#include "common/cp932.h"

namespace fesk {

bool IsProfileSpace(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 0x09 && u <= 0x0D) || u == 0x1A || u == 0x20;
}

std::string_view TrimProfileSpace(std::string_view s) {
  while (!s.empty() && IsProfileSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsProfileSpace(s.back())) s.remove_suffix(1);
  return s;
}

static std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsProfileSpace(s.back())) s.remove_suffix(1);
  return s;
}

static std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsProfileSpace(s.front())) s.remove_prefix(1);
  return s;
}

static bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// A trimmed line that starts with "[" and holds a "]" is a section header;
// its name is the trimmed text up to the last "]".
static std::optional<std::string_view> HeaderName(std::string_view line) {
  if (line.empty() || line.front() != '[') return std::nullopt;
  std::size_t close = line.rfind(']');
  if (close == std::string_view::npos || close == 0) return std::nullopt;
  return TrimProfileSpace(line.substr(1, close - 1));
}

static ProfileDocument::Entry ParseEntry(std::string_view line) {
  std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {std::string(line), std::nullopt};
  return {std::string(TrimRight(line.substr(0, equals))), std::string(TrimLeft(line.substr(equals + 1)))};
}

ProfileDocument ProfileDocument::Parse(std::string_view bytes) {
  ProfileDocument doc;
  doc.sections_.push_back(Section{"", false, {}});
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = pos;
    while (end < bytes.size() && !IsLineBreak(bytes[end])) ++end;
    std::string_view line = TrimProfileSpace(bytes.substr(pos, end - pos));
    pos = end;
    while (pos < bytes.size() && IsLineBreak(bytes[pos])) ++pos;
    if (line.empty()) continue;
    if (auto name = HeaderName(line)) {
      doc.sections_.push_back(Section{std::string(*name), true, {}});
    } else {
      doc.sections_.back().entries.push_back(ParseEntry(line));
    }
  }
  return doc;
}

std::string ProfileDocument::Serialize() const {
  std::string out;
  for (const Section& section : sections_) {
    if (section.has_header) {
      out += '[';
      out += section.name;
      out += "]\r\n";
    }
    for (const Entry& entry : section.entries) {
      out += entry.name;
      if (entry.value) {
        out += '=';
        out += *entry.value;
      }
      out += "\r\n";
    }
  }
  return out;
}

ProfileDocument::Section* ProfileDocument::FindSection(std::string_view name) {
  name = TrimProfileSpace(name);
  for (Section& section : sections_) {
    if (section.has_header && cp932::EqualsIgnoreAsciiCase(section.name, name)) {
      return &section;
    }
  }
  return nullptr;
}

const ProfileDocument::Section* ProfileDocument::FindSection(std::string_view name) const {
  return const_cast<ProfileDocument*>(this)->FindSection(name);
}

// A line without "=" is never found by a read, but a write of its name
// finds it and gives it a value, as the platform does.
static ProfileDocument::Entry* FindEntry(ProfileDocument::Section& section, std::string_view key,
                                         bool with_value_only) {
  key = TrimProfileSpace(key);
  for (ProfileDocument::Entry& entry : section.entries) {
    if (with_value_only && !entry.value) continue;
    if (cp932::EqualsIgnoreAsciiCase(entry.name, key)) return &entry;
  }
  return nullptr;
}

const std::string* ProfileDocument::FindRaw(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return nullptr;
  const Entry* entry = FindEntry(const_cast<Section&>(*found), key, true);
  return entry ? &*entry->value : nullptr;
}

bool ProfileDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  value = TrimLeft(value);
  Section* target = FindSection(section);
  if (target == nullptr) {
    sections_.push_back(Section{std::string(TrimProfileSpace(section)), true, {}});
    target = &sections_.back();
  }
  if (Entry* entry = FindEntry(*target, key, false)) {
    if (entry->value == value) return false;
    entry->value = std::string(value);
    return true;
  }
  target->entries.push_back(Entry{std::string(TrimProfileSpace(key)), std::string(value)});
  return true;
}

bool ProfileDocument::EraseSection(std::string_view section) {
  Section* found = FindSection(section);
  if (found == nullptr) return false;
  sections_.erase(sections_.begin() + (found - sections_.data()));
  return true;
}

static std::string_view WithoutQuotes(std::string_view s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) {
    return s.substr(1, s.size() - 2);
  }
  return s;
}

std::string ProfileValueAsRead(std::string_view stored) {
  return std::string(cp932::CutToBytes(WithoutQuotes(stored), kProfileValueLimit));
}

std::string ProfileDefaultAsRead(std::string_view default_value) {
  while (!default_value.empty() && default_value.back() == ' ') default_value.remove_suffix(1);
  return ProfileValueAsRead(default_value);
}

}  // namespace fesk
