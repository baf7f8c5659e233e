// One molecule as read from a file: its text, line by line, and the tables a
// reader parses out of it. Plain value record, copied freely.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "core/Geometry.h"

enum FileTypeCode : std::int32_t {
  GAUSSIAN_INPUT = 10,
  GAUSSIAN_OUTPUT = 11,            // only the last standard orientation stays
  GAUSSIAN_OUTPUT_RESERVED = 12,   // produced by nothing, read by nothing
  GAUSSIAN_OUTPUT_ANIMATION = 13,  // every standard orientation stays
  MOPAC_INPUT = 20,
  TINKER_XYZ = 30,
};

enum CoordinateKind : std::uint32_t {
  ZMATRIX = 10,    // placed by references and values in ZMatrixData
  CARTESIAN = 20,  // x, y, z in CartesianData
};

// Per-atom bookkeeping, keyed by atom id (0, 1, 2, ... in order of appearance).
struct Identifier {
  std::vector<std::int32_t> Ids;
  std::map<std::int32_t, std::string> Labels;
  std::map<std::int32_t, std::uint32_t> AtomicNumbers;
  std::map<std::int32_t, std::uint32_t> Kinds;          // a CoordinateKind
  std::map<std::uint32_t, std::uint32_t> LineIndexes;   // index into MolFile::Lines
  std::multimap<std::int32_t, std::string> Connections;  // TINKER bonded-atom tokens
  // What an atom line holds beyond the tables, so that a regenerated line
  // still says it: the text after the last token read, when more tokens
  // follow (a Gaussian ONIOM layer, the flag that makes a third value an
  // angle); a Gaussian Cartesian freeze code; MOPAC optimisation flags of
  // the three values, "" where the line wrote none.
  std::map<std::int32_t, std::string> LineTails;
  std::map<std::int32_t, std::string> FreezeCodes;
  std::map<std::int32_t, std::array<std::string, 3>> Flags;
};

struct Cartesian {
  std::int32_t Count = 0;
  std::map<std::int32_t, Position<double>> Positions;
  // Coordinates a Gaussian input names by a variable ("V1", "-V1"), valued
  // as Z-matrix entries are; "" where the line writes a number. Only atoms
  // whose line names one have an entry.
  std::map<std::int32_t, std::array<std::string, 3>> Names;

  void Clear();
};

struct ZMatrix {
  struct Pair {
    std::int32_t Reference = -1;  // id of the reference atom, -1 while unresolved
    std::string Text;             // the value as written, or a variable name
    bool IsVariable = false;
    double Value = 0.0;
  };

  std::int32_t Count = 0;
  std::map<std::int32_t, std::int32_t> ReferenceStyles;  // 2 labels, 1 numbers
  std::map<std::int32_t, Pair> Bonds;
  std::map<std::int32_t, Pair> Angles;     // degrees
  std::map<std::int32_t, Pair> Dihedrals;  // degrees
  // Atoms whose third value is a second bond angle, not a dihedral (a
  // Gaussian format code of 1 or -1 after it): the code, which says on which
  // side of the references' plane the atom lies.
  std::map<std::int32_t, std::int32_t> SecondAngleSides;
  std::map<std::int32_t, Pair> Variables;  // key: ordinal of the variable line
  std::map<std::int32_t, std::uint32_t> VariableLineIndexes;  // key as Variables; into MolFile::Lines
  // A Gaussian input's section of variables and constants after the
  // molecule: the lines of its headings and definitions and the blank lines
  // that end its blocks; and whether an atom line of the molecule names a
  // value (a Z-matrix entry, or a Cartesian coordinate written as a name).
  std::vector<std::uint32_t> SectionLineIndexes;
  bool NamedByAtoms = false;

  void Clear();
  // The values of the entries that name a variable, from Variables.
  void ResolveVariables();
};

// Results of a frequency calculation, one entry per mode in each table.
// Consumers read them bounds-checked: a job may print fewer tables.
struct NormalModes {
  struct Displacement {
    std::vector<std::uint32_t> AtomNumbers;
    std::vector<std::uint32_t> AtomicNumbers;
    std::vector<Position<double>> Vectors;
  };

  std::vector<std::uint32_t> ModeNumbers;
  std::vector<std::string> Symmetries;
  std::vector<float> Frequencies;
  std::vector<float> ReducedMasses;
  std::vector<float> ForceConstants;
  std::vector<float> IRIntensities;
  std::vector<float> RamanActivities;
  std::vector<float> Depolarizations;
  std::vector<Displacement> Displacements;
  // Parse state of the output reader: the modes of the block being read (its
  // mode numbers), and the column groups of its displacement header, 0 until
  // the header is read and again once a line that is no row ends the rows.
  // The two differ where a last block of fewer modes keeps the full blocks'
  // header.
  std::size_t BlockModes = 0;
  std::size_t HeaderColumns = 0;

  // A value printed as stars (too wide for its column) is not known. It is
  // held as a NaN, so that no sum or scale takes it for a number; every
  // reader of the value tables asks IsKnown first.
  static constexpr float Unknown = std::numeric_limits<float>::quiet_NaN();
  static bool IsKnown(double value) { return !std::isnan(value); }

  void Clear();
};

// A value of the tables as the mode lists show it: in `picture`, or stars
// when it is not known.
std::string FormatModeValue(double value, const char* picture = "0.0000");

// ToMolGL and the Gaussian-input writer build display models: they are
// compiled into the display library (molfile/CMakeLists.txt).
class MolGL;

// What an input's numbers mean, as a Gaussian route's Units keyword or a
// MOPAC deck's A0 says: angstroms per length unit (bohr for AU and A0),
// degrees per angle unit (radians).
// The tables keep the file's own numbers; the display model takes them
// times these.
struct FileUnits {
  double Length = 1.0;
  double Angle = 1.0;
};

class MolFile {
 public:
  std::string Name;
  std::string Path;
  std::int32_t FileType = 0;
  std::vector<std::string> Lines;
  Identifier AtomIds;
  Cartesian CartesianData;
  ZMatrix ZMatrixData;
  NormalModes ModeData;
  // Set by a reader that refuses the text, which then gives no atom: the
  // index of the line it could not read (-1 when the text was read), and why.
  enum class Refusal : std::uint8_t {
    SymbolicParameter,  // a value written as a name, defined after the geometry
    NotAnAtomLine,      // a name where a flag or a reference number stands
    UnplacedAtom,       // a MOPAC atom with neither x, y, z nor three reference atoms
    UndefinedName,      // a Z-matrix value named by no variable or constant
    IncludedMolecule,   // a Gaussian "@file" line: the molecule stands in another file
  };
  std::int64_t RefusedLine = -1;
  Refusal RefusedFor = Refusal::SymbolicParameter;
  std::string RefusedName;  // the undefined name
  // The charge and multiplicity a Gaussian output states before the geometry
  // kept, or a MOPAC input's keywords (without a spin keyword, the spin
  // MS= names, else the lowest spin its electrons allow), for the conversion
  // to Gaussian input; 0 and 1 where none is stated.
  std::int32_t Charge = 0;
  std::int32_t Multiplicity = 1;
  FileUnits Units;

  // Appends the file's lines, sets Path and parses. False, with the record
  // unchanged, when the file cannot be read (missing, a directory, a failed read).
  [[nodiscard]] bool Load(const char* path);
  // Writes Text(); false when any write fails.
  [[nodiscard]] bool Save(const char* path) const;
  // Lines separated by line ends, as they are saved.
  std::string Text() const;
  void Parse();
  void Clear();
  bool HasZMatrixAtoms() const;
  // Atoms that Convert to Cartesian rewrites: Z-matrix atoms, and Cartesian
  // atoms whose coordinates name variables.
  bool HasAtomsToConvert() const;
  // The values of the Z-matrix entries and Cartesian coordinates that name
  // a variable.
  void ResolveVariables();

  void ReadGaussianInput(const std::vector<std::string>& lines);
  void ReadGaussianOutput(const std::vector<std::string>& lines, std::int32_t fileType);
  void ReadMopacInput(const std::vector<std::string>& lines);
  void ReadTinkerXyz(const std::vector<std::string>& lines);

  // One line of a frequency section. `afterModeNumbers` carries from one line
  // to the next whether the line held mode numbers: symmetry labels count only
  // on the line right after them.
  static void ReadGaussianFrequencies(NormalModes& modes, const std::vector<std::string>& tokens,
                                      bool& afterModeNumbers);

  // Rewrite the line that defined atom `id` from the tables, after an edit.
  void UpdateAtomLine(std::uint32_t id);
  void UpdateMopacAtomLine(std::uint32_t id);
  // Writes the three coordinates into a TINKER atom's line (six decimals,
  // right-aligned where the old ones ended); the rest of the line stays.
  void UpdateTinkerAtomLine(std::uint32_t id);
  // Writes `text` as the value in variable `key`'s line; its name, the
  // separator and the rest of the line stay.
  void UpdateVariableLine(std::int32_t key, const std::string& text);

  // Builds `model` from this record (defined with the display model).
  void ToMolGL(MolGL& model);
  // Replaces the text by a Gaussian input of this molecule and re-parses.
  void ToGaussianInput();
  // Rewrites every Z-matrix atom line of a Gaussian input as Cartesian.
  void ToCartesian();
  void WriteCartesianLine(std::int32_t id, const MolGL& model);

 private:
  void ClearTables();
  void EndMoleculeSection();
  // The atoms with their coordinates and Z-matrix; connections and modes stay.
  void ClearGeometry();
};

// Splits a line at blanks, tabs, commas, CR, LF and NUL; drops other control
// and non-ASCII bytes; appends the tokens to `tokens`.
void Tokenize(const std::string& line, std::vector<std::string>& tokens);

// The bytes a token is made of: printable ASCII but the blank and the comma.
inline bool IsTokenByte(unsigned char c) { return (c >= 0x21 && c <= 0x2B) || (c >= 0x2D && c <= 0x7E); }
// The bytes that end a token; every other byte is dropped.
inline bool IsTokenSeparator(unsigned char c) {
  return c == ' ' || c == '\t' || c == ',' || c == '\n' || c == '\r' || c == '\0';
}
