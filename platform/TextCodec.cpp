#include "TextCodec.h"

#include <cerrno>
#include <iconv.h>

namespace {

// "CP932" and not "SHIFT_JIS": the latter maps 0x5C to the yen sign.
std::string Convert(std::string_view in, const char* to, const char* from,
                    std::string_view replacement) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::string out;
  out.reserve(in.size() * 2);
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char buf[4096];
  while (srcLeft > 0) {
    char* dst = buf;
    std::size_t dstLeft = sizeof buf;
    const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf, dst - buf);
    if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // An invalid or cut-off sequence: replace one byte and go on.
      out.append(replacement);
      ++src;
      --srcLeft;
      if (from[0] == 'U') {  // skip the rest of a UTF-8 sequence
        while (srcLeft > 0 && (static_cast<unsigned char>(*src) & 0xC0) == 0x80) ++src, --srcLeft;
      }
    }
  }
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
  return Convert(bytes, "UTF-8", "CP932", "\xEF\xBF\xBD");
}

std::string Utf8ToCp932(std::string_view utf8) { return Convert(utf8, "CP932", "UTF-8", "?"); }
