#include "TextCodec.h"

#include <array>
#include <cstdint>
#include <iconv.h>
#include <vector>

namespace {

constexpr char32_t kNone = 0xFFFFFFFF;
constexpr char32_t kByteCharacters = 0xF700;  // U+F700 + byte stands for a byte that decodes to nothing

bool StandsForByte(char32_t c) { return c >= kByteCharacters && c <= kByteCharacters + 0xFF; }

// Both directions as tables, made once from glibc's "CP932" (not
// "SHIFT_JIS", which maps 0x5C to the yen sign): a text then costs a table
// look-up per character, with no conversion descriptor per call.
struct Cp932Tables {
  std::array<char32_t, 256> Single;     // the character of a byte on its own, or kNone
  std::vector<char32_t> Pair;           // by lead * 256 + trail, or kNone
  std::vector<std::uint16_t> Encoded;   // by BMP character: 0 none, a byte, or lead * 256 + trail

  Cp932Tables() : Pair(0x10000, kNone), Encoded(0x10000, 0) {
    iconv_t decoder = iconv_open("UTF-32LE", "CP932");
    iconv_t encoder = iconv_open("CP932", "UTF-32LE");
    Single.fill(kNone);
    if (decoder == reinterpret_cast<iconv_t>(-1) || encoder == reinterpret_cast<iconv_t>(-1)) {
      for (char32_t b = 0; b < 0x80; ++b) Single[b] = b;  // ASCII at least
    } else {
      for (unsigned b = 0; b < 0x100; ++b) {
        const unsigned char byte[] = {static_cast<unsigned char>(b)};
        Single[b] = Decode(decoder, encoder, byte, 1);
      }
      for (unsigned lead = 0x80; lead < 0x100; ++lead) {
        if (Single[lead] != kNone) continue;
        for (unsigned trail = 0x40; trail < 0x100; ++trail) {
          const unsigned char pair[] = {static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
          Pair[lead << 8 | trail] = Decode(decoder, encoder, pair, 2);
        }
      }
    }
    if (decoder != reinterpret_cast<iconv_t>(-1)) iconv_close(decoder);
    if (encoder != reinterpret_cast<iconv_t>(-1)) iconv_close(encoder);
    for (unsigned b = 0; b < 0x100; ++b)
      if (Single[b] != kNone) Encoded[Single[b]] = static_cast<std::uint16_t>(b);
    for (unsigned code = 0; code < 0x10000; ++code)
      if (Pair[code] != kNone) Encoded[Pair[code]] = static_cast<std::uint16_t>(code);
  }

  // The one BMP character that `bytes` decode to, kept only when it encodes
  // back to the same bytes; kNone otherwise.
  static char32_t Decode(iconv_t decoder, iconv_t encoder, const unsigned char* bytes, std::size_t size) {
    char32_t character = 0;
    if (!Convert(decoder, bytes, size, &character, sizeof character)) return kNone;
    if (character > 0xFFFF || StandsForByte(character)) return kNone;
    unsigned char back[4] = {};
    if (!Convert(encoder, &character, sizeof character, back, size)) return kNone;
    for (std::size_t i = 0; i < size; ++i)
      if (back[i] != bytes[i]) return kNone;
    return character;
  }

  // Converts all of `in` to exactly `outSize` bytes.
  static bool Convert(iconv_t cd, const void* in, std::size_t inSize, void* out, std::size_t outSize) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(static_cast<const char*>(in));
    char* dst = static_cast<char*>(out);
    std::size_t dstLeft = outSize;
    return iconv(cd, &src, &inSize, &dst, &dstLeft) != static_cast<std::size_t>(-1) && inSize == 0 && dstLeft == 0;
  }
};

const Cp932Tables& Tables() {
  static const Cp932Tables tables;
  return tables;
}

// The character that starts at bytes[i], advancing i past its one or two
// bytes; every character of code page 932 lies in the BMP.
char32_t NextCharacter(const Cp932Tables& tables, std::string_view bytes, std::size_t& i) {
  const auto byte = static_cast<unsigned char>(bytes[i++]);
  char32_t c = tables.Single[byte];
  if (c == kNone && i < bytes.size()) {
    c = tables.Pair[byte << 8 | static_cast<unsigned char>(bytes[i])];
    if (c != kNone) ++i;
  }
  return c == kNone ? kByteCharacters + byte : c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The character that starts at utf8[i], advancing i past it; kNone, past
// one byte and the continuation bytes after it, for bytes that are not UTF-8.
char32_t NextCharacter(std::string_view utf8, std::size_t& i) {
  const auto byte = [&utf8](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
  const unsigned char first = byte(i++);
  if (first < 0x80) return first;
  const std::size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 0;
  char32_t c = first & (0x7F >> length);
  std::size_t k = 1;
  for (; length && k < length && i < utf8.size() && (byte(i) & 0xC0) == 0x80; ++k) c = c << 6 | (byte(i++) & 0x3F);
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  const bool valid = length && k == length && first < 0xF5 && c >= kLeast[length] && c <= 0x10FFFF &&
                     !(c >= 0xD800 && c <= 0xDFFF);
  if (valid) return c;
  while (i < utf8.size() && (byte(i) & 0xC0) == 0x80) ++i;
  return kNone;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
  const Cp932Tables& tables = Tables();
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (std::size_t i = 0; i < bytes.size();) {
    // Runs of ASCII, most of a file's text, go over whole.
    const std::size_t start = i;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
    out.append(bytes.data() + start, i - start);
    if (i < bytes.size()) AppendUtf8(out, NextCharacter(tables, bytes, i));
  }
  return out;
}

std::size_t Cp932ToUtf16(std::string_view bytes, char16_t* utf16) {
  const Cp932Tables& tables = Tables();
  char16_t* out = utf16;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) {
      *out++ = byte;
      ++i;
    } else {
      *out++ = static_cast<char16_t>(NextCharacter(tables, bytes, i));
    }
  }
  return static_cast<std::size_t>(out - utf16);
}

std::string Utf8ToCp932(std::string_view utf8) {
  const Cp932Tables& tables = Tables();
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = NextCharacter(utf8, i);
    if (StandsForByte(c)) {
      out += static_cast<char>(c - kByteCharacters);
      continue;
    }
    const std::uint16_t code = c <= 0xFFFF && c != kNone ? tables.Encoded[c] : 0;
    if (code == 0 && c != 0) {
      out += '?';
    } else if (code > 0xFF) {
      out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
    } else {
      out += static_cast<char>(code);
    }
  }
  return out;
}
