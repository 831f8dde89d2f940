// Order of group names for the sort button.  The window passes the
// platform's lstrcmpA; the portable default approximates it for the names
// this editor meets.
#pragma once

#include <functional>
#include <string>

namespace fesk::editor {

// Negative, zero or positive as a sorts before, with or after b.
using GroupNameCompare = std::function<int(const std::string& a, const std::string& b)>;

// Approximates lstrcmpA under a Japanese locale: punctuation and blanks
// first, then digits, then letters compared without regard to case, then
// everything else (katakana, kanji) by code; among names equal but for the
// case of letters, lower case comes first ("a" < "A" < "b").
int ApproximateLstrcmp(const std::string& a, const std::string& b);

}  // namespace fesk::editor
