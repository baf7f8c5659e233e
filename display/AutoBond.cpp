// The display model's automatic bonding: a bond between each pair of atoms
// closer than 1.2 times the sum of their bond radii.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "AtomIndex.h"
#include "MolGL.h"

namespace {

// Cells of a spatial grid at least as wide as the longest bond possible, so
// that bonded atoms lie in the same or neighbouring cells.
class BondGrid {
 public:
  // False when the coordinates do not fit a grid (non-finite, or too far
  // apart for the cell size); the caller then compares every pair.
  bool Build(const std::vector<Atom>& atoms, double cell) {
    cell_ = cell;
    cells_.reserve(atoms.size());
    coords_.reserve(atoms.size());
    for (std::size_t i = 0; i < atoms.size(); ++i) {
      const Position<double>& p = atoms[i].BasePosition;
      Coord c;
      if (!CellOf(p.x, c.x) || !CellOf(p.y, c.y) || !CellOf(p.z, c.z)) return false;
      coords_.push_back(c);
      cells_[Key(c.x, c.y, c.z)].push_back(static_cast<std::uint32_t>(i));
    }
    return true;
  }

  // Atoms after `i` in the 27 cells around atom i's cell, ascending.
  void Neighbours(std::size_t i, std::vector<std::uint32_t>& out) const {
    out.clear();
    const Coord c = coords_[i];
    for (std::int64_t dx = -1; dx <= 1; ++dx)
      for (std::int64_t dy = -1; dy <= 1; ++dy)
        for (std::int64_t dz = -1; dz <= 1; ++dz) {
          const auto cell = cells_.find(Key(c.x + dx, c.y + dy, c.z + dz));
          if (cell == cells_.end()) continue;
          for (std::uint32_t j : cell->second)
            if (j > i) out.push_back(j);
        }
    std::sort(out.begin(), out.end());
  }

 private:
  struct Coord {
    std::int64_t x, y, z;
  };
  // 21 bits a coordinate, with room for the neighbours of the outer cells.
  static constexpr double kLimit = (1 << 20) - 2;

  bool CellOf(double v, std::int64_t& cell) const {
    const double c = std::floor(v / cell_);
    if (!(std::fabs(c) <= kLimit)) return false;
    cell = static_cast<std::int64_t>(c);
    return true;
  }
  static std::uint64_t Key(std::int64_t x, std::int64_t y, std::int64_t z) {
    const auto bits = [](std::int64_t v) { return static_cast<std::uint64_t>(v + (1 << 20)) & 0x1FFFFF; };
    return bits(x) << 42 | bits(y) << 21 | bits(z);
  }

  double cell_ = 1.0;
  std::vector<Coord> coords_;
  std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> cells_;
};

}  // namespace

void MolGL::AutoBond() {
  if (Atoms.size() < 2) return;
  // Look-up-or-insert: an element without a radius bonds with 0 and gains
  // that entry in the model's table.
  std::vector<double> radii(Atoms.size());
  double largest = 0.0;
  for (std::size_t i = 0; i < Atoms.size(); ++i) {
    radii[i] = ElementData.Radii[Atoms[i].AtomicNumber];
    largest = std::max(largest, std::fabs(radii[i]));
  }

  const AtomIndex index(Atoms);
  const auto test = [&](std::size_t i, std::size_t j) {
    const double dx = Atoms[i].BasePosition.x - Atoms[j].BasePosition.x;
    const double dy = Atoms[i].BasePosition.y - Atoms[j].BasePosition.y;
    const double dz = Atoms[i].BasePosition.z - Atoms[j].BasePosition.z;
    const double d2 = dx * dx + dy * dy + dz * dz;
    const double s = (radii[i] + radii[j]) * 0.01;
    if (1.44 * s * s > d2) Bonds.push_back({index.Find(Atoms[i].Id), index.Find(Atoms[j].Id)});
  };

  // Pairs are visited in the order (i, then j ascending) whichever way they
  // are found, so the bonds come out as a plain double loop gives them.
  const double reach = 1.2 * 2.0 * largest * 0.01;
  if (reach == 0.0) return;  // every radius 0: nothing is close enough
  BondGrid grid;
  if (std::isfinite(reach) && grid.Build(Atoms, reach * (1.0 + 1e-6) + 1e-9)) {
    std::vector<std::uint32_t> near;
    for (std::size_t i = 0; i < Atoms.size(); ++i) {
      grid.Neighbours(i, near);
      for (std::uint32_t j : near) test(i, j);
    }
    return;
  }
  for (std::size_t i = 0; i < Atoms.size(); ++i)
    for (std::size_t j = i + 1; j < Atoms.size(); ++j) test(i, j);
}
