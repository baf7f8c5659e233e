// What the editor's cell edits make of a typed text.
#pragma once

#include <cstdint>
#include <string>

#include <QString>

// The bytes of `text` (in code page 932) whose codes, read as signed bytes,
// lie in first .. last, in order; blanks, signs outside the range and every
// byte from 128 up are dropped.
std::string FilterCell(const QString& text, int first, int last);

// A typed number: one written with an exponent ("1.5e-3", "1.5E-3",
// "1.5D-3") is taken whole, D made E so that the files read it back; any
// other text is filtered as above.
std::string NumberCellText(const QString& text, int first, int last);

// The leading number that ReadDouble takes from a cell's text, as typed:
// what follows it ("1.5.2", "1/2", "0.9x") was not read and is not written.
// "0" when there is none.
std::string NumberTaken(const std::string& text);

// Codes 45 to 57: "-", ".", "/" and the digits.
constexpr int NumberFirst = 45, NumberLast = 57;
// Codes 45 to 122: "-" to "z".
constexpr int LabelFirst = 45, LabelLast = 122;

// The 0-based atom id that a row's "atom" cell (id + 1) names; -1 when it
// names none.
int AtomIdOfCell(const QString& cell);

// The atomic number of a label typed into a grid: by the grid's own `rule`,
// or for a MOPAC input (`fileType`) by MOPAC's, so that the file read again
// agrees (D is hydrogen there); in a Gaussian input a ghost "Bq" is the
// dummy atom.
std::uint32_t TypedAtomicNumber(std::int32_t fileType, const std::string& label,
                                std::uint32_t (*rule)(const std::string&));
