// Byte-level helpers for code page 932 (Shift-JIS) text.
//
// All text in the core is kept as the bytes the files hold.  A double-byte
// character starts with a lead byte (0x81-0x9F, 0xE0-0xFC); its trail byte
// may be any of 0x40-0xFC, including 0x5C ("\") and letters, so every cut,
// split or search must step over whole characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fesk::cp932 {

constexpr bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Length in bytes of the character starting at s[pos] (1 or 2; 1 for a lead
// byte with nothing after it).
std::size_t CharLength(std::string_view s, std::size_t pos);

// The longest prefix of s of at most max_bytes bytes that does not end in the
// middle of a double-byte character.
std::string_view CutToBytes(std::string_view s, std::size_t max_bytes);

// Position of the first single-byte character c at or after from, never a
// trail byte that happens to equal c; npos when absent.
std::size_t Find(std::string_view s, char c, std::size_t from = 0);

// Position of the last single-byte character c; npos when absent.
std::size_t FindLast(std::string_view s, char c);

// Splits at every single-byte separator; "a\b" gives {"a","b"}, "" gives {""}.
std::vector<std::string> Split(std::string_view s, char separator);

// True when s ends inside a double-byte character (a lone lead byte at the
// end).
bool EndsWithLeadByte(std::string_view s);

// Folder part of a path, trailing backslash included ("C:\a\b.exe" gives
// "C:\a\"); empty when there is no backslash.
std::string FolderOf(std::string_view path);

// File name part of a path (after the last backslash).
std::string FileNameOf(std::string_view path);

// ASCII-only case folding, as the profile functions compare names.
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);
std::string ToUpperAscii(std::string_view s);

}  // namespace fesk::cp932
