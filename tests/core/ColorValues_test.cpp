// Colour values and the float colours of the models.
#include <gtest/gtest.h>

#include "core/ColorValues.h"

TEST(ColorValue, BytesRoundTripAndChannelsStayInTheirByte) {
  for (std::uint32_t byte = 0; byte < 256; ++byte) {
    const std::uint32_t value = byte | (255 - byte) << 8 | (byte / 2) << 16;
    const GraphicHandler::Color<float> color = ColorOfValue(value);
    EXPECT_EQ(color.a, 1.0f);
    EXPECT_EQ(ColorValueOf(color), value) << byte;
  }
  EXPECT_EQ(ColorOfValue(210).r, static_cast<float>(210 * (1.0L / 255)));
  // The top byte is not a channel.
  EXPECT_EQ(ColorValueOf(ColorOfValue(0xFF0000FFu)), 0xFFu);
  // Channels truncate, and out of range hold at 0 and 255.
  EXPECT_EQ(ColorValueOf({0.999f, 0, 0, 1}), 254u);
  EXPECT_EQ(ColorValueOf({2.0f, -1.0f, 0, 1}), 255u);
}
