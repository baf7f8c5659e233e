// Numbers in the tokens of an animation file.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Numbers.h"

// Ids and keys are read as integers and kept unsigned: the low 32 bits of
// the number written, so that every value wraps alike ("-1" is 4294967295,
// "4294967296" is 0).
inline std::uint32_t ReadId(std::string_view token) { return static_cast<std::uint32_t>(ReadInt64(token)); }

// A number a float cannot hold reads as 0, as one a double cannot hold does.
inline float ReadFloat(std::string_view token) { return ReadSingle(token).value_or(0.0f); }
