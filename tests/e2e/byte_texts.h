// Building the bytes of files written by hand for the scenarios that give
// the programs odd files: literals with NUL bytes, long repeated runs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fesk::e2e {

// A literal's bytes, NULs included.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

inline std::string Repeat(std::string_view part, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += part;
  return text;
}

}  // namespace fesk::e2e
