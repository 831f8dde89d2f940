// A minimal check harness for the test programs that run under Wine: each
// failed check prints what differed; the exit code is the number of
// failures, which the runner hands to ctest.
#pragma once

#include <cstdio>
#include <string>

namespace fesk::winetest {

inline int& Failures() {
  static int failures = 0;
  return failures;
}

// Shows bytes that are not printable ASCII as \xNN, so CP932 text is
// readable in the log whatever the console's code page.
inline std::string Printable(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

inline void CheckEqual(const std::string& actual, const std::string& expected, const std::string& what) {
  if (actual == expected) return;
  ++Failures();
  std::printf("FAIL %s\n  expected: \"%s\"\n  actual:   \"%s\"\n", what.c_str(), Printable(expected).c_str(),
              Printable(actual).c_str());
}

inline void Check(bool condition, const std::string& what) {
  if (condition) return;
  ++Failures();
  std::printf("FAIL %s\n", what.c_str());
}

inline int Finish(const char* name) {
  std::printf("%s: %s (%d failures)\n", name, Failures() ? "FAILED" : "passed", Failures());
  std::fflush(stdout);
  return Failures();
}

}  // namespace fesk::winetest
