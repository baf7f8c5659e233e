// Which road a file takes into the program: by the open dialog's filter, or,
// for the command line, by its extension.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The open dialog's filters, in the order their 1-based indices name them.
// Gaussian names its output ".log" on Linux, ".out" elsewhere.
inline constexpr char MoleculeOpenFilter[] =
    "Gaussian Input(Job) File (*.gjf *.gjc *.com)|*.gjf;*.gjc;*.com|"
    "Gaussian Output File (*.out *.log)|*.out;*.log|"
    "Gaussian Output File (with Animation)(*.out *.log)|*.out;*.log|"
    "Mopac Input File(*.mop *.dat *.mpc *.zmt)|*.mop;*.dat;*.mpc;*.zmt|"
    "TINKER XYZ File(*.xyz)|*.xyz|"
    "Quivera Animation File (*.qva)|*.qva";

enum class OpenRoad {
  Molecule,   // one new molecule of FileType
  Refused,    // Gaussian output with every orientation: not offered yet
  Animation,  // an animation project
};

struct OpenChoice {
  OpenRoad Road;
  int FileType = 0;  // for the molecule road
};

// The road of a filter index; an index outside 1..6 reads a Gaussian input.
OpenChoice ChoiceForFilter(int filterIndex);

// The road of a command-line argument, from its extension compared exactly
// (".gjf" or ".com" for an input, ".out" or ".log" for an output, ".qva");
// none for any other.
std::optional<OpenChoice> ChoiceForArgument(std::string_view argument);

// The name of a molecule file type, as messages give it.
const char* FileTypeName(int fileType);

// True for an existing regular file that may be read; a directory, a device
// or a missing file fails, and `reason`, when given, gets the system's words
// for why.
bool PassesReadTest(const std::string& path, std::string* reason = nullptr);
