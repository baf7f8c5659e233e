// The statements that set the time axis and fill the working frame, and the
// data rows of a %DATA block.
#include "MolAnimation.h"
#include "TokenNumbers.h"

void MolAnimation::ReadTimeStep(const Tokens& tokens) { TimeStep = ReadDouble(tokens[1]); }

void MolAnimation::ReadTime(const Tokens& tokens) { FrameTime = ReadDouble(tokens[1]); }

void MolAnimation::ReadData(const Tokens&) { DataMode = true; }

void MolAnimation::ReadFreq(const Tokens& tokens) {
  const std::uint32_t key = ReadId(tokens[1]);
  NMPair pair{ReadInt(tokens[2]), ReadFloat(tokens[3]), 1.0f};
  // Only an amplitude that begins with a digit counts: ".5" and "-2" do not.
  if (tokens.size() >= 5 && tokens[4][0] >= '0' && tokens[4][0] <= '9') pair.Amplitude = ReadFloat(tokens[4]);
  WorkFrame.Freqs.emplace(key, pair);
  ModePhases.emplace(key, 0.0L);
}

void MolAnimation::ReadDipole(const Tokens& tokens) {
  WorkFrame.Dipoles.emplace(ReadId(tokens[1]), ReadFloat(tokens[2]));
}

void MolAnimation::ReadRotation(const Tokens& tokens) {
  if (tokens[1] != "MATRIX" || tokens.size() < 11) return;
  // Number i goes to row i / 3, column i % 3 of the stored four-by-four.
  for (int i = 0; i < 9; ++i) WorkFrame.Rotation.Element[(i / 3) * 4 + i % 3] = ReadFloat(tokens[2 + i]);
}

void MolAnimation::ReadDataRow(const Tokens& tokens) {
  std::int32_t kind = ReadInt(tokens[0]);
  if (tokens[0] == "MOL") kind = 0;
  if (tokens[0] == "FILE") kind = 10;
  if (kind == 0) ReadCoordinateRow(tokens);
  if (kind == 10) ReadViewRow(tokens);
}

// id p1 x1 y1 z1 p2 x2 y2 z2 ...
void MolAnimation::ReadCoordinateRow(const Tokens& tokens) {
  const std::uint32_t id = ReadId(tokens[1]);
  // In 64 bits: a count near 2^32 must not wrap to a small token need.
  const std::uint64_t count = AtomCounts[id];
  if (tokens.size() < 4 * count + 2) return;
  std::vector<Particle> particles;
  particles.reserve((tokens.size() - 2) / 4);
  for (std::size_t k = 2; k + 4 <= tokens.size(); k += 4) {
    particles.emplace_back(ReadInt(tokens[k]), ReadFloat(tokens[k + 1]), ReadFloat(tokens[k + 2]),
                           ReadFloat(tokens[k + 3]), 1.0f);
  }
  WorkFrame.Particles.emplace(id, std::move(particles));
}

// id x y z a1 a2 a3 b1 b2 b3 c1 c2 c3 [FREQ key] [CLIP]
void MolAnimation::ReadViewRow(const Tokens& tokens) {
  if (tokens.size() < 14) return;
  const std::uint32_t id = ReadId(tokens[1]);
  MolFileData data;
  data.Position = {ReadFloat(tokens[2]), ReadFloat(tokens[3]), ReadFloat(tokens[4]), 1.0f};
  // Tokens 5 to 13 fill the upper-left three-by-three column by column.
  for (int k = 0; k < 9; ++k) data.Orientation.Element[(k % 3) * 4 + k / 3] = ReadFloat(tokens[5 + k]);
  for (std::size_t k = 14; k < tokens.size(); ++k) {
    if (tokens[k - 1] == "FREQ") data.FreqKey = ReadInt(tokens[k]);
    if (tokens[k] == "FREQ" && k + 1 < tokens.size()) data.FreqKey = ReadInt(tokens[k + 1]);
    if (tokens[k] == "CLIP") {
      for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) WorkFrame.Rotation.Element[r * 4 + c] = data.Orientation.Element[c * 4 + r];
    }
  }
  WorkFrame.Molecules.emplace(id, data);
}
