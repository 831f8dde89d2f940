// Conversions between the files' code page 932 and the UTF-8 of the
// programs' own paths (common/file_path.h), with one implementation per
// platform: the system's code page 932 tables on Windows, iconv elsewhere.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fesk::encoding {

// Code page 932 bytes as UTF-8.
std::string Cp932ToUtf8(std::string_view cp932);

// UTF-8 text as code page 932 when every character has its own code there;
// nothing when one would be replaced by a look-alike ("é" by "e") or by "?",
// or when the text is no valid UTF-8.
std::optional<std::string> Utf8ToCp932Exactly(std::string_view utf8);

}  // namespace fesk::encoding
