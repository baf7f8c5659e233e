#include "CaptureImage.h"

#include <algorithm>

#include "LittleEndian.h"

CaptureImage::CaptureImage(int width, int height)
    : Width(std::max(0, width)), Height(std::max(0, height)), Pixels(RowSize() * Height) {}

std::size_t CaptureImage::DibRowSize(int width) {
  const std::size_t bits = static_cast<std::size_t>(std::max(0, width)) * 24;
  return ((bits + 31) & ~static_cast<std::size_t>(31)) / 8;
}

std::string EncodeBmp(const CaptureImage& image) {
  constexpr std::uint32_t headers = 14 + 40;
  const auto pixelBytes = static_cast<std::uint32_t>(image.Pixels.size());
  std::string file;
  file.reserve(headers + pixelBytes);
  file += "BM";
  PutU32(file, headers + pixelBytes);
  PutU32(file, 0);
  PutU32(file, headers);
  PutBitmapInfoHeader(file, image.Width, image.Height, 0, pixelBytes);
  file.append(reinterpret_cast<const char*>(image.Pixels.data()), image.Pixels.size());
  return file;
}
