#include "ColorValues.h"

namespace {

// In extended precision, so that a byte divided by 255 and stored as a
// float comes back as the same byte.
std::uint32_t ChannelByte(float channel) {
  const long double scaled = static_cast<long double>(channel) * 255;
  if (!(scaled > 0)) return 0;
  return scaled >= 255 ? 255u : static_cast<std::uint32_t>(scaled);
}

float ByteChannel(std::uint32_t byte) { return static_cast<float>((byte & 0xFFu) * (1.0L / 255)); }

}  // namespace

std::uint32_t ColorValueOf(const GraphicHandler::Color<float>& color) {
  return ChannelByte(color.r) | ChannelByte(color.g) << 8 | ChannelByte(color.b) << 16;
}

GraphicHandler::Color<float> ColorOfValue(std::uint32_t value) {
  return {ByteChannel(value), ByteChannel(value >> 8), ByteChannel(value >> 16), 1.0f};
}
