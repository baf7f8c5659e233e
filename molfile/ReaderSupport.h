// Pieces the readers share, some with the line regeneration: appending
// an atom to the per-atom tables, its position, the normalised text of a
// number as the readers store it, where tokens stand in a line, and the
// parts of a variable line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// The text with its small ASCII letters made capitals: keywords and names
// that the programs read without regard to case.
std::string Capitals(std::string_view text);

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
// A periodic system's translation vector ("Tv x y z", "TV 1 10.0 2 90.0 3
// 90.0"): a line of a Gaussian molecule that is no atom.
inline bool IsTranslationVector(std::string_view t) {
  return t.size() == 2 && (t[0] == 'T' || t[0] == 't') && (t[1] == 'V' || t[1] == 'v');
}
// One digit or more and nothing else.
bool IsDigits(std::string_view t);
// [sign]digits: a reference atom, a flag, a freeze code.
bool IsWholeNumber(std::string_view t);
// A number read whole and nothing else: "399,212341" or "1.5x" is not one.
bool IsOneNumber(std::string_view t);

// Where each token of Tokenize stands in `line`: [first, second), dropped
// bytes inside a token included.
std::vector<std::pair<std::size_t, std::size_t>> TokenSpans(const std::string& line);

// Where the atom label that begins `line` ends, given the line's TokenSpans
// (not empty): where its token ends, or, when the token opens a parenthesised
// part that it does not close, just after the ")" that does, blanks and
// commas inside included (a PDB record "C(HETATM    1  C   CYN A   1)",
// "H(Fragment=1,Iso=2)").
std::size_t LabelEnd(const std::string& line, const std::vector<std::pair<std::size_t, std::size_t>>& spans);

// The text of `line` after its token `last` (0-based, as Tokenize counts),
// when more follows: a token, or a comment from `textEnd` on, before which
// the tokens are counted. Otherwise "". A regenerated line ends with it.
std::string TextAfterToken(const std::string& line, std::size_t last, std::size_t textEnd = std::string::npos);

// What a Gaussian input Z-matrix line holds beyond its atom, from the tail
// its reader kept (the text after the dihedral's value), for the same atom
// written as Cartesian: the fields after the flag that follows the dihedral
// (ONIOM's layer, a link atom, a fragment) and the comment ("!").
std::string ZMatrixLineExtras(const std::string& tail);

// A variable line of a Gaussian input: the name, then the value, separated
// by '=', blanks, tabs or commas. The value ends at the first separator after
// it, so the scan form "R 1.0 4 0.1" (start, points, step) and a trailing
// flag give the start value. Bytes outside printable ASCII belong to neither;
// a comment ("!" on) belongs to the line's end.
struct VariableLineParts {
  std::string Name;
  std::string Value;
  // Where the value stands in the line; both at the line's end (before its
  // comment) without one.
  std::size_t ValueBegin = 0;
  std::size_t ValueEnd = 0;
  bool Separated = false;  // a separator follows the name
};
VariableLineParts SplitVariableLine(const std::string& line);
