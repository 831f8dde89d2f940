// Conversion between the core's code-page-932 bytes and the UTF-16 of the
// wide Win32 functions.  Always code page 932, whatever the system's ANSI
// code page is, so that Japanese text shows right on any Windows.  The
// programs' own paths (FilePath) are UTF-8 and never pass through code page
// 932.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/file_path.h"

namespace fesk::win32 {

std::wstring Wide(std::string_view cp932);
std::string Narrow(std::wstring_view utf16);

// Code page 932 text when every character has its own code there; nothing
// when one would be a look-alike or the default character.
std::optional<std::string> NarrowExactly(std::wstring_view utf16);

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

inline std::wstring Wide(const FilePath& path) { return WideFromUtf8(path.utf8); }
inline FilePath PathOf(std::wstring_view utf16) { return FilePath(Utf8(utf16)); }

}  // namespace fesk::win32
