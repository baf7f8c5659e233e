// Pieces the readers share: appending an atom to the per-atom tables,
// its position, and the normalised text of a number as the readers store it.
#pragma once

#include <cstdint>
#include <string>

#include "MolFile.h"

// Appends the next atom id (the number of ids so far) with its line, kind,
// label and atomic number; returns the id.
std::int32_t AddAtom(Identifier& atoms, std::uint32_t lineIndex, CoordinateKind kind,
                     const std::string& label, std::uint32_t atomicNumber);

// Counts a Cartesian atom and gives it the position read from three tokens
// (text that is not a number reads as 0).
void SetPosition(Cartesian& cartesian, std::int32_t id, const std::string& x, const std::string& y,
                 const std::string& z);

// A value written ".5" is kept as "0.5" and "-.5" as "-0.5"; other texts are
// returned as they are.
std::string WithLeadingZero(const std::string& text);

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
