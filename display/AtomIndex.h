// Id -> place of the first atom with that id, for re-pointing many bonds and
// displacements at once, or for placing atoms one after another against
// those before, where a scan per look-up would be quadratic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <vector>

#include "MolGL.h"

class AtomIndex {
 public:
  static constexpr std::size_t None = std::numeric_limits<std::size_t>::max();

  AtomIndex() = default;
  explicit AtomIndex(const std::vector<Atom>& atoms);
  // Records the atom appended next to the indexed atoms.
  void Append(std::int32_t id);
  // Place in the atoms of the first atom whose Id is `id`, or None.
  std::size_t Find(std::int32_t id) const;

 private:
  std::size_t count_ = 0;
  bool identity_ = true;  // atom i has id i, as every reader numbers them
  std::unordered_map<std::int32_t, std::size_t> places_;
};
