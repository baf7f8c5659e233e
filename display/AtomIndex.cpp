#include "AtomIndex.h"

AtomIndex::AtomIndex(const std::vector<Atom>& atoms) : count_(atoms.size()) {
  for (std::size_t i = 0; i < atoms.size(); ++i) {
    if (atoms[i].Id != static_cast<std::int64_t>(i)) {
      identity_ = false;
      break;
    }
  }
  if (identity_) return;
  places_.reserve(atoms.size());
  for (std::size_t i = 0; i < atoms.size(); ++i) places_.emplace(atoms[i].Id, i);
}

std::size_t AtomIndex::Find(std::int32_t id) const {
  if (identity_) {
    return id >= 0 && static_cast<std::size_t>(id) < count_ ? static_cast<std::size_t>(id) : None;
  }
  const auto it = places_.find(id);
  return it == places_.end() ? None : it->second;
}
