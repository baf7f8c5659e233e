// Little-endian fields of the RIFF and bitmap headers, appended to a byte string.
#pragma once

#include <cstdint>
#include <string>

inline void PutU16(std::string& out, std::uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

inline void PutU32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

inline void PutFourCC(std::string& out, const char (&code)[5]) { out.append(code, 4); }

// BITMAPINFOHEADER of a 24-bit picture; compression 0 is uncompressed RGB.
inline void PutBitmapInfoHeader(std::string& out, int width, int height, std::uint32_t compression,
                                std::uint32_t imageSize) {
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(height));  // positive: rows bottom-up
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, compression);
  PutU32(out, imageSize);
  PutU32(out, 2952);  // 75 dots per inch
  PutU32(out, 2952);
  PutU32(out, 0);
  PutU32(out, 0);
}
