// Atom labels as the files write them, turned into atomic numbers through the
// fixed element table. A label beginning with a digit is an atomic number.
#pragma once

#include <cstdint>
#include <string>

// Symbol followed by anything; an unknown two-letter symbol falls back to
// its first letter ("Bq" -> B).
std::uint32_t AtomicNumberFromLabel(const std::string& label);
// As AtomicNumberFromLabel without the one-letter fallback ("Bq" -> 0).
std::uint32_t ParseAtomLabel(const std::string& label);
// ParseAtomLabel with MOPAC's isotopes of hydrogen: the symbol D (deuterium)
// or T (tritium), in either case, is hydrogen.
std::uint32_t MopacAtomicNumber(const std::string& label);
// Gaussian's ghost centre: a label whose letters are "Bq", in any case,
// before anything that is no letter ("bq", "Bq1"). It has no nucleus, so in
// a Gaussian input it is the dummy atom where the one-letter fallback would
// make it boron.
bool IsGhostLabel(const std::string& label);
// Force-field names: only the first two characters count, and an upper-case
// second letter after an upper-case first one is dropped ("CA" -> C).
std::uint32_t NormalizeAtomLabel(const std::string& label);
// The element's symbol for a written label; "X" for the dummy atom (0) and
// any number the table does not hold.
std::string SymbolOrX(std::uint32_t atomicNumber);
