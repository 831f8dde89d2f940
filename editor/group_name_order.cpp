#include "editor/group_name_order.h"

#include "common/cp932.h"

namespace fesk::editor {

namespace {

// Primary weight of one character: its class, then its folded code.
struct Weight {
  int group;
  int code;
  auto operator<=>(const Weight&) const = default;
};

Weight PrimaryWeight(const std::string& s, std::size_t pos, std::size_t length) {
  const auto c = static_cast<unsigned char>(s[pos]);
  if (length == 2) {
    return Weight{3, (c << 8) | static_cast<unsigned char>(s[pos + 1])};
  }
  if (c >= '0' && c <= '9') return Weight{1, c};
  if (c >= 'a' && c <= 'z') return Weight{2, c - 'a' + 'A'};
  if (c >= 'A' && c <= 'Z') return Weight{2, c};
  if (c < 0x80) return Weight{0, c};
  return Weight{3, c};  // half-width katakana and other single bytes
}

int Sign(int value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

}  // namespace

int ApproximateLstrcmp(const std::string& a, const std::string& b) {
  std::size_t i = 0, j = 0;
  int case_order = 0;  // first difference in letter case, lower case first
  while (i < a.size() && j < b.size()) {
    std::size_t la = cp932::CharLength(a, i), lb = cp932::CharLength(b, j);
    Weight wa = PrimaryWeight(a, i, la), wb = PrimaryWeight(b, j, lb);
    if (wa != wb) return wa < wb ? -1 : 1;
    if (case_order == 0 && la == 1 && a[i] != b[j]) {
      bool a_lower = a[i] >= 'a' && a[i] <= 'z';
      case_order = a_lower ? -1 : 1;
    }
    i += la;
    j += lb;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return Sign(case_order);
}

}  // namespace fesk::editor
