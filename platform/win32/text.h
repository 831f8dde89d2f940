// Conversion between the core's code-page-932 bytes and the UTF-16 of the
// wide Win32 functions.  Always code page 932, whatever the system's ANSI
// code page is, so that Japanese text shows right on any Windows.
#pragma once

#include <string>
#include <string_view>

namespace fesk::win32 {

std::wstring Wide(std::string_view cp932);
std::string Narrow(std::wstring_view utf16);

}  // namespace fesk::win32
