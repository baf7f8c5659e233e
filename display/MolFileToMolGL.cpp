// MolFile::ToMolGL: a display model from a file record's atoms, connections
// and normal modes.

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "AtomIndex.h"
#include "MolGL.h"
#include "ZMatrixPlacement.h"
#include "molfile/MolFile.h"
#include "platform/Numbers.h"

namespace {

// Connection bonds, each once: from the lower id's list to the higher atom.
void AddConnectionBonds(const Identifier& ids, const AtomIndex& index, MolGL& model) {
  // Smallest id of each label, built once instead of a scan per token.
  std::map<std::string, std::int32_t> byLabel;
  for (const auto& [id, label] : ids.Labels) byLabel.emplace(label, id);
  for (const auto& [id, token] : ids.Connections) {
    const auto other = byLabel.find(token);
    if (other == byLabel.end() || id >= other->second) continue;
    const std::size_t a = index.Find(id), b = index.Find(other->second);
    if (a != AtomIndex::None && b != AtomIndex::None) model.Bonds.push_back({a, b});
  }
}

// Only modes with an entry in every table, and only rows with both an atom
// number and a vector: a job may print fewer tables than mode numbers.
void AddModes(const MolFile& file, const AtomIndex& index, MolGL& model) {
  const NormalModes& data = file.ModeData;
  // Ids by their label read as a number, ascending.
  std::map<std::int64_t, std::vector<std::int32_t>> idsByNumber;
  for (const auto& [id, label] : file.AtomIds.Labels) idsByNumber[ReadInt64(label)].push_back(id);

  const std::size_t count = std::min({data.ModeNumbers.size(), data.Frequencies.size(),
                                      data.Displacements.size()});
  for (std::size_t m = 0; m < count; ++m) {
    NormalMode mode;
    mode.ModeNumber = static_cast<std::int32_t>(data.ModeNumbers[m]);
    mode.Frequency = data.Frequencies[m];
    const NormalModes::Displacement& block = data.Displacements[m];
    const std::size_t rows = std::min(block.AtomNumbers.size(), block.Vectors.size());
    for (std::size_t r = 0; r < rows; ++r) {
      const auto matched = idsByNumber.find(block.AtomNumbers[r]);
      if (matched == idsByNumber.end()) continue;
      for (std::int32_t id : matched->second) {
        const std::size_t place = index.Find(id);
        if (place != AtomIndex::None) mode.Displacements.emplace(place, block.Vectors[r]);
      }
    }
    if (!mode.Displacements.empty()) model.Modes.push_back(std::move(mode));
  }
}

}  // namespace

void MolFile::ToMolGL(MolGL& model) {
  model.Atoms.clear();
  model.Bonds.clear();
  model.Modes.clear();
  model.Name = Name;

  model.Atoms.reserve(AtomIds.Ids.size());
  // Grows with the atoms: references look up, never scan; once all are
  // placed, connections and modes find their atoms through it too.
  AtomIndex placed;
  const ZMatrixFrame frame = ZMatrixFrameOf(*this);
  // As AddBond would: between the first atoms with these ids.
  const auto bond = [&](std::int32_t partner, std::int32_t id) {
    model.Bonds.push_back({placed.Find(partner), placed.Find(id)});
  };
  // MOPAC places every atom whose line gives x, y, z before it builds any
  // internal one, which may so name a later Cartesian atom: a MOPAC file's
  // internal atoms wait for a second pass, in their places.
  const bool cartesianFirst = FileType == MOPAC_INPUT;
  std::vector<std::size_t> waiting;
  for (std::int32_t id : AtomIds.Ids) {
    Atom atom;
    atom.AtomicNumber = AtomIds.AtomicNumbers[id];
    atom.Id = id;
    const bool waits = cartesianFirst && AtomIds.Kinds[id] == ZMATRIX;
    std::int32_t partner = -1;
    if (waits)
      waiting.push_back(model.Atoms.size());
    else
      atom.BasePosition = atom.Position = ZMatrixToCartesian(*this, id, partner, model, placed, frame);
    model.Atoms.push_back(atom);
    placed.Append(id);
    if (partner >= 0) bond(partner, id);
  }
  // Until placed, a waiting atom stands at the origin, where a reference to
  // an atom not placed yet stands; only an atom placed before is bonded.
  for (const std::size_t at : waiting) {
    Atom& atom = model.Atoms[at];
    std::int32_t partner = -1;
    atom.BasePosition = atom.Position = ZMatrixToCartesian(*this, atom.Id, partner, model, placed, frame);
    if (partner >= 0 && (placed.Find(partner) < at || AtomIds.Kinds[partner] != ZMATRIX)) bond(partner, atom.Id);
  }
  if (!AtomIds.Connections.empty()) AddConnectionBonds(AtomIds, placed, model);
  AddModes(*this, placed, model);
}
