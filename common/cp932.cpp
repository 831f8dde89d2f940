#include "common/cp932.h"

namespace fesk::cp932 {

std::size_t CharLength(std::string_view s, std::size_t pos) {
  if (pos + 1 < s.size() && IsLeadByte(static_cast<unsigned char>(s[pos]))) {
    return 2;
  }
  return 1;
}

std::string_view CutToBytes(std::string_view s, std::size_t max_bytes) {
  if (s.size() <= max_bytes) return s;
  std::size_t pos = 0;
  while (pos < max_bytes) {
    std::size_t len = IsLeadByte(static_cast<unsigned char>(s[pos])) ? 2 : 1;
    if (pos + len > max_bytes) break;
    pos += len;
  }
  return s.substr(0, pos);
}

std::size_t Find(std::string_view s, char c, std::size_t from) {
  std::size_t pos = 0;
  while (pos < s.size()) {
    if (pos >= from && s[pos] == c) return pos;
    pos += CharLength(s, pos);
  }
  return std::string_view::npos;
}

std::size_t FindLast(std::string_view s, char c) {
  std::size_t found = std::string_view::npos;
  for (std::size_t pos = 0; pos < s.size(); pos += CharLength(s, pos)) {
    if (s[pos] == c) found = pos;
  }
  return found;
}

std::vector<std::string> Split(std::string_view s, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < s.size(); pos += CharLength(s, pos)) {
    if (s[pos] == separator) {
      parts.emplace_back(s.substr(start, pos - start));
      start = pos + 1;
    }
  }
  parts.emplace_back(s.substr(start));
  return parts;
}

bool EndsWithLeadByte(std::string_view s) {
  std::size_t pos = 0;
  while (pos < s.size()) {
    if (IsLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 == s.size()) {
      return true;
    }
    pos += CharLength(s, pos);
  }
  return false;
}

std::string FolderOf(std::string_view path) {
  std::size_t slash = FindLast(path, '\\');
  if (slash == std::string_view::npos) return {};
  return std::string(path.substr(0, slash + 1));
}

std::string FileNameOf(std::string_view path) {
  std::size_t slash = FindLast(path, '\\');
  if (slash == std::string_view::npos) return std::string(path);
  return std::string(path.substr(slash + 1));
}

static char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Trail bytes are compared exactly: 0x41 and 0x61 as second bytes belong to
// different characters, not to one letter in two cases.
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  std::size_t pos = 0;
  while (pos < a.size()) {
    std::size_t len = CharLength(a, pos);
    if (len == 2) {
      if (a.substr(pos, 2) != b.substr(pos, 2)) return false;
    } else if (UpperAscii(a[pos]) != UpperAscii(b[pos])) {
      return false;
    }
    pos += len;
  }
  return true;
}

std::string ToUpperAscii(std::string_view s) {
  std::string out(s);
  for (std::size_t pos = 0; pos < out.size(); pos += CharLength(out, pos)) {
    out[pos] = UpperAscii(out[pos]);
  }
  return out;
}

}  // namespace fesk::cp932
