#include "MolFile.h"

#include <cstring>
#include <fstream>
#include <string_view>

#include "platform/Files.h"
#include "platform/Numbers.h"

namespace {

// Appends `line` without its CRs, made once at its final size; `mayHoldCR`
// false says it has none.
void AppendLine(std::vector<std::string>& lines, std::string_view line, bool mayHoldCR = true) {
  if (!mayHoldCR || line.find('\r') == std::string_view::npos) {
    lines.emplace_back(line);
    return;
  }
  std::string& kept = lines.emplace_back();
  kept.reserve(line.size());
  for (const char c : line)
    if (c != '\r') kept += c;
}

}  // namespace

void Cartesian::Clear() {
  Count = 0;
  Positions.clear();
  Names.clear();
}

void ZMatrix::Clear() {
  Count = 0;
  Bonds.clear();
  Angles.clear();
  Dihedrals.clear();
  SecondAngleSides.clear();
  Variables.clear();
  VariableLineIndexes.clear();
  SectionLineIndexes.clear();
  NamedByAtoms = false;
  ReferenceStyles.clear();
}

void NormalModes::Clear() {
  ModeNumbers.clear();
  Symmetries.clear();
  Frequencies.clear();
  ReducedMasses.clear();
  ForceConstants.clear();
  IRIntensities.clear();
  RamanActivities.clear();
  Depolarizations.clear();
  Displacements.clear();
}

std::string FormatModeValue(double value, const char* picture) {
  return NormalModes::IsKnown(value) ? FormatFloat(picture, value) : "**********";
}

bool MolFile::Load(const char* path) {
  if (!IsRegularFile(path)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  // Lines go straight into Lines (taken back out when the read fails), so
  // the text is never held twice: outputs reach hundreds of megabytes. Lines
  // rarely average under 32 bytes, and capacity never used costs no memory.
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.clear();  // a file that cannot seek to its end is still read
  in.seekg(0);
  const std::size_t held = Lines.size();
  if (size > 0) Lines.reserve(held + static_cast<std::size_t>(size) / 32);
  std::string cut;  // the start of a line that the end of a block cut off
  char block[1 << 16];
  while (in.read(block, sizeof block) || in.gcount() > 0) {
    const char* p = block;
    const char* const end = block + in.gcount();
    const bool carriageReturns = std::memchr(block, '\r', end - block) != nullptr;  // most files have none
    for (const char* stop; (stop = static_cast<const char*>(std::memchr(p, '\n', end - p))); p = stop + 1) {
      if (cut.empty()) {
        AppendLine(Lines, std::string_view(p, stop - p), carriageReturns);
      } else {
        cut.append(p, stop);
        AppendLine(Lines, cut);
        cut.clear();
      }
    }
    cut.append(p, end);
  }
  if (in.bad()) {
    Lines.resize(held);
    return false;
  }
  AppendLine(Lines, cut);
  Path = path;
  Parse();
  return true;
}

std::string MolFile::Text() const {
  // Line ends go between lines: a text that ended with a line end has an
  // empty last line, so it keeps its end and gains nothing.
  std::string text;
  for (std::size_t i = 0; i < Lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += Lines[i];
  }
  return text;
}

bool MolFile::Save(const char* path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const std::string text = Text();
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  const bool written = out.good();
  out.close();
  return written && !out.fail();
}

void MolFile::ClearGeometry() {
  AtomIds.Ids.clear();
  AtomIds.Labels.clear();
  AtomIds.AtomicNumbers.clear();
  AtomIds.Kinds.clear();
  AtomIds.LineIndexes.clear();
  AtomIds.LineTails.clear();
  AtomIds.FreezeCodes.clear();
  AtomIds.Flags.clear();
  CartesianData.Clear();
  ZMatrixData.Clear();
}

void MolFile::ClearTables() {
  ClearGeometry();
  AtomIds.Connections.clear();
  ModeData.Clear();
  RefusedLine = -1;
  RefusedFor = Refusal::SymbolicParameter;
  RefusedName.clear();
  Charge = 0;
  Multiplicity = 1;
  Units = {};
}

void MolFile::Parse() {
  ClearTables();
  switch (FileType) {
    case GAUSSIAN_INPUT:
      ReadGaussianInput(Lines);
      break;
    case GAUSSIAN_OUTPUT:
    case GAUSSIAN_OUTPUT_ANIMATION:
      ReadGaussianOutput(Lines, FileType);
      break;
    case MOPAC_INPUT:
      ReadMopacInput(Lines);
      break;
    case TINKER_XYZ:
      ReadTinkerXyz(Lines);
      break;
    default:
      break;
  }
}

void MolFile::Clear() {
  Name.clear();
  Path.clear();
  Lines.clear();
  ClearTables();
}

bool MolFile::HasZMatrixAtoms() const {
  for (std::int32_t id : AtomIds.Ids) {
    const auto kind = AtomIds.Kinds.find(id);
    if (kind != AtomIds.Kinds.end() && kind->second == ZMATRIX) return true;
  }
  return false;
}

bool MolFile::HasAtomsToConvert() const { return HasZMatrixAtoms() || !CartesianData.Names.empty(); }

void Tokenize(const std::string& line, std::vector<std::string>& tokens) {
  std::string current;
  for (unsigned char c : line) {
    if (IsTokenByte(c)) {
      current += static_cast<char>(c);
    } else if (IsTokenSeparator(c)) {
      if (!current.empty()) tokens.push_back(std::move(current)), current.clear();
    }
    // any other byte is dropped
  }
  if (!current.empty()) tokens.push_back(std::move(current));
}
