#include "MolFile.h"

#include <cstdio>
#include <fstream>

#include "platform/Files.h"
#include "platform/Numbers.h"

void Cartesian::Clear() {
  Count = 0;
  Positions.clear();
}

void ZMatrix::Clear() {
  Count = 0;
  Bonds.clear();
  Angles.clear();
  Dihedrals.clear();
  Variables.clear();
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

  // Read in blocks: outputs reach hundreds of megabytes. The lines go
  // straight into Lines (no second copy at the peak) and are taken back out
  // when the read fails.
  const std::size_t held = Lines.size();
  std::string current;
  char buf[1 << 16];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    const char* p = buf;
    const char* end = buf + in.gcount();
    while (p < end) {
      const char* stop = p;
      while (stop < end && *stop != '\n' && *stop != '\r') ++stop;
      current.append(p, stop);
      if (stop == end) break;
      if (*stop == '\n') Lines.push_back(std::move(current)), current.clear();
      p = stop + 1;  // a CR is dropped wherever it stands
    }
  }
  if (in.bad()) {
    Lines.resize(held);
    return false;
  }
  Lines.push_back(std::move(current));
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
  CartesianData.Clear();
  ZMatrixData.Clear();
}

void MolFile::ClearTables() {
  ClearGeometry();
  AtomIds.Connections.clear();
  ModeData.Clear();
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

void Tokenize(const std::string& line, std::vector<std::string>& tokens) {
  std::string current;
  for (unsigned char c : line) {
    if ((c >= 0x21 && c <= 0x2B) || (c >= 0x2D && c <= 0x7E)) {
      current += static_cast<char>(c);
    } else if (c == ' ' || c == '\t' || c == ',' || c == '\n' || c == '\r' || c == '\0') {
      if (!current.empty()) tokens.push_back(std::move(current)), current.clear();
    }
    // any other byte is dropped
  }
  if (!current.empty()) tokens.push_back(std::move(current));
}
