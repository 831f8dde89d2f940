// iconv's "CP932" (glibc has it) for the native build, where the tests run.
#include "common/text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace fesk::encoding {

namespace {

std::optional<std::string> Converted(const char* to, const char* from, std::string_view text) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(text.size() * 4 + 4, '\0');
  char* in_pointer = const_cast<char*>(text.data());
  std::size_t in_left = text.size();
  char* out_pointer = out.data();
  std::size_t out_left = out.size();
  const std::size_t result = iconv(converter, &in_pointer, &in_left, &out_pointer, &out_left);
  iconv_close(converter);
  // A result above zero counts characters converted in an inexact way.
  if (result != 0 || in_left != 0) return std::nullopt;
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) { return Converted("UTF-8", "CP932", cp932).value_or(std::string()); }

std::optional<std::string> Utf8ToCp932Exactly(std::string_view utf8) {
  std::optional<std::string> cp932 = Converted("CP932", "UTF-8", utf8);
  // A round trip that gives back other text means a look-alike was chosen.
  if (!cp932 || Converted("UTF-8", "CP932", *cp932) != std::optional<std::string>(std::string(utf8))) {
    return std::nullopt;
  }
  return cp932;
}

}  // namespace fesk::encoding
