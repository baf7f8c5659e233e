// A captured picture in the layout of a 24-bit device-independent bitmap:
// blue, green, red per pixel, rows from the bottom up, each row padded to a
// multiple of 4 bytes. This is what the GL read-back gives with a pack
// alignment of 4, and what BMP files and uncompressed AVI frames hold.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct CaptureImage {
  int Width = 0;
  int Height = 0;
  std::vector<unsigned char> Pixels;  // RowSize() x Height bytes

  CaptureImage() = default;
  // A black picture of the given size (negative sizes count as 0).
  CaptureImage(int width, int height);

  std::size_t RowSize() const { return DibRowSize(Width); }
  // Bytes of one 24-bit row padded to 4 bytes.
  static std::size_t DibRowSize(int width);
};

// The picture as a BMP file (24 bits, rows bottom-up).
std::string EncodeBmp(const CaptureImage& image);

// The picture as a baseline JFIF file of the given quality (1 to 100).
// Empty for an empty picture or when the encoder fails.
std::string EncodeJpeg(const CaptureImage& image, int quality);
