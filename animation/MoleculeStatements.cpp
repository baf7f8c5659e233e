// The statements that declare what a project draws: loaded molecule files,
// particle molecules with their bonds, element colours and radii, and the
// model of each particle molecule.
#include <filesystem>
#include <optional>

#include "MolAnimation.h"
#include "TokenNumbers.h"
#include "display/MolGL.h"
#include "molfile/MolFile.h"

namespace {

std::optional<std::uint32_t> FileTypeOf(std::string_view keyword) {
  if (keyword == "GAUSSIAN_INPUT" || keyword == "GJF" || keyword == "GI") return GAUSSIAN_INPUT;
  if (keyword == "GAUSSIAN_OUTPUT" || keyword == "GO") return GAUSSIAN_OUTPUT;
  if (keyword == "MOPAC_INPUT") return MOPAC_INPUT;
  if (keyword == "TINKER_XYZ") return TINKER_XYZ;
  return std::nullopt;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// %COLOR and %ATOMCOLOR on one table: "#RRGGBB" and an optional radius that
// is not negative. A colour with a character that is not a hexadecimal digit
// is refused.
void ReadTableColor(Elements& table, const std::vector<std::string>& tokens) {
  const std::uint32_t key = ReadId(tokens[1]);
  const std::string& color = tokens[2];
  if (color.size() >= 7 && color[0] == '#') {
    int channels[3];
    bool valid = true;
    for (int c = 0; c < 3; ++c) {
      const int high = HexDigit(color[1 + 2 * c]);
      const int low = HexDigit(color[2 + 2 * c]);
      valid = valid && high >= 0 && low >= 0;
      channels[c] = high * 16 + low;
    }
    if (valid) table.Colors[key] = {channels[0] / 255.0f, channels[1] / 255.0f, channels[2] / 255.0f, 1.0f};
  }
  if (tokens.size() >= 4) {
    const float radius = ReadFloat(tokens[3]);
    if (radius >= 0) table.Radii[key] = radius;
  }
}

}  // namespace

// Without moving the process's current folder.
std::string MolAnimation::MoleculeFilePath(const std::string& name) const {
  return (std::filesystem::path(FileName).parent_path() / name).string();
}

// %FILE id type file [x y z] [m11 ... m33]
void MolAnimation::ReadFile(const Tokens& tokens) {
  const std::size_t n = tokens.size();
  const std::uint32_t id = ReadId(tokens[1]);
  if (const auto code = FileTypeOf(tokens[2])) ModelTypes[id] = *code;
  if (n < 4 || !MolFiles || !MolGLs) {
    // No file named, or nowhere to put it: nothing is loaded under the id.
    FileIndex[id] = -1;
    return;
  }
  FileNames[id] = tokens[3];

  ::Position<double> position;
  Transformation<double> orientation;
  std::size_t matrixAt = 0;
  if (n == 7 || n == 16) position = {ReadDouble(tokens[4]), ReadDouble(tokens[5]), ReadDouble(tokens[6]), 1.0};
  if (n == 13) matrixAt = 4;
  if (n == 16) matrixAt = 7;
  if (matrixAt) {
    // The nine numbers are the rows of the rotation in reading order.
    for (std::size_t k = 0; k < 9; ++k) orientation.Element[4 * (k % 3) + k / 3] = ReadDouble(tokens[matrixAt + k]);
  }

  MolFile file;
  file.FileType = static_cast<std::int32_t>(ModelTypes[id]);
  const std::filesystem::path path = MoleculeFilePath(tokens[3]);
  if (!file.Load(path.c_str())) {
    FileIndex[id] = -1;
    return;
  }
  // Listed absolute and without "." and ".." steps, when that names the file
  // read (it does not after a folder that is a link and then "..").
  std::error_code failed;
  const std::filesystem::path absolute = std::filesystem::absolute(path, failed);
  const std::filesystem::path cleaned = absolute.lexically_normal();
  if (!failed) file.Path = (std::filesystem::equivalent(absolute, cleaned, failed) ? cleaned : absolute).string();
  FileIndex[id] = static_cast<std::int32_t>(MolFiles->size());
  MolGL model;
  file.ToMolGL(model);
  model.ElementData = AtomElements;
  model.Position = position;
  model.RotMatrix = orientation;
  MolFiles->push_back(std::move(file));
  MolGLs->push_back(model);
}

// %MOL id count [bits]
void MolAnimation::ReadMol(const Tokens& tokens) {
  const std::uint32_t id = ReadId(tokens[1]);
  AtomCounts[id] = ReadId(tokens[2]);
  if (tokens.size() >= 4) ReadBondBits(id, AtomCounts[id], tokens[3]);
}

// %BOND id bits
void MolAnimation::ReadBond(const Tokens& tokens) {
  const std::uint32_t id = ReadId(tokens[1]);
  ReadBondBits(id, AtomCounts[id], tokens[2]);
}

// A full count x count matrix when the string is that long, otherwise the
// packed upper triangle; only '1' makes a bond. The work is bounded by the
// length of the string whatever the count.
void MolAnimation::ReadBondBits(std::uint32_t id, std::uint32_t count, std::string_view bits) {
  std::multimap<std::uint32_t, std::uint32_t> bonds;
  const std::uint64_t n = count;
  if (bits.size() >= n * n) {
    for (std::uint64_t i = 0; i < n; ++i)
      for (std::uint64_t j = i + 1; j < n; ++j)
        if (bits[i * n + j] == '1') bonds.emplace(i, j);
  } else {
    std::size_t p = 0;
    for (std::uint64_t i = 0; i < n && p < bits.size(); ++i)
      for (std::uint64_t j = i + 1; j < n && p < bits.size(); ++j, ++p)
        if (bits[p] == '1') bonds.emplace(i, j);
  }
  // The first bond set given for an id stays.
  Bonds.emplace(id, std::move(bonds));
}

void MolAnimation::ReadColor(const Tokens& tokens) { ReadTableColor(ParticleElements, tokens); }

void MolAnimation::ReadAtomColor(const Tokens& tokens) { ReadTableColor(AtomElements, tokens); }

void MolAnimation::ReadAtomRadius(const Tokens& tokens) {
  AtomElements.Radii[ReadId(tokens[1])] = ReadFloat(tokens[2]);
}

// %MODELTYPE id name [a [b]]
void MolAnimation::ReadModelType(const Tokens& tokens) {
  const std::uint32_t id = ReadId(tokens[1]);
  SphereScales[id] = 0.2f;
  StickRadii[id] = 0.1f;
  struct Model {
    std::string_view Name;
    std::uint32_t Code;
    std::map<std::uint32_t, float>* A;  // where a number after the name goes
    std::map<std::uint32_t, float>* B;
  };
  const Model models[] = {
      {"SPACE_FILLING", SPACE_FILLING, &SphereScales, nullptr},
      {"BALL_AND_STICK", BALL_AND_STICK, &SphereScales, &StickRadii},
      {"BALL&STICK", BALL_AND_STICK, &SphereScales, &StickRadii},
      {"BALL_AND_STICK_COLORED", BALL_AND_STICK_COLORED, &SphereScales, &StickRadii},
      {"BALL&STICK_COLORED", BALL_AND_STICK_COLORED, &SphereScales, &StickRadii},
      {"STICK", STICK, &StickRadii, nullptr},
      {"STICK_COLORED", STICK_COLORED, &StickRadii, nullptr},
      {"WIRE", WIRE, nullptr, nullptr},
      {"WIRE_COLORED", WIRE_COLORED, nullptr, nullptr},
  };
  for (const Model& model : models) {
    if (tokens[2] != model.Name) continue;
    ModelTypes[id] = model.Code;
    if (model.A && tokens.size() >= 4) (*model.A)[id] = ReadFloat(tokens[3]);
    if (model.B && tokens.size() >= 5) (*model.B)[id] = ReadFloat(tokens[4]);
    return;
  }
}
