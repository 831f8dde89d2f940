// Paths written as u8"..." literals: the sources are compiled to code page
// 932, and the programs' own paths are UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "common/file_path.h"

namespace fesk::testing {

inline std::string Utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }
inline FilePath Utf8Path(std::u8string_view text) { return FilePath(Utf8(text)); }

}  // namespace fesk::testing
