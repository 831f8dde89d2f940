// The system's code page 932 tables: a character without its own code is
// found by WC_NO_BEST_FIT_CHARS and the used-default flag, never silently
// replaced.
#include "common/text_encoding.h"

#include "platform/win32/text.h"

namespace fesk::encoding {

std::string Cp932ToUtf8(std::string_view cp932) { return win32::Utf8(win32::Wide(cp932)); }

std::optional<std::string> Utf8ToCp932Exactly(std::string_view utf8) {
  return win32::NarrowExactly(win32::WideFromUtf8(utf8));
}

}  // namespace fesk::encoding
