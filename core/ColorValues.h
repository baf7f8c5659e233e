// Colour values as the colour panels and dialogs hold them, laid out
// 0x00BBGGRR, and the float colours of the models.
#pragma once

#include <cstdint>

#include "Geometry.h"

// Each channel times 255, truncated; channels outside 0 .. 1 are held to a
// byte so that they cannot spill into another one.
std::uint32_t ColorValueOf(const GraphicHandler::Color<float>& color);
// Each byte of a colour value divided by 255, alpha 1.
GraphicHandler::Color<float> ColorOfValue(std::uint32_t value);
