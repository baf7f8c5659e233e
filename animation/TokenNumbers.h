// Numbers in the tokens of an animation file.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Numbers.h"

// Ids and keys are read as integers and kept unsigned, as written: "-1"
// is 4294967295.
inline std::uint32_t ReadId(std::string_view token) { return static_cast<std::uint32_t>(ReadInt(token)); }

// A number a float cannot hold reads as 0, as one a double cannot hold does.
inline float ReadFloat(std::string_view token) { return ReadSingle(token).value_or(0.0f); }
