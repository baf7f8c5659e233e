#include "AtomIndex.h"

AtomIndex::AtomIndex(const std::vector<Atom>& atoms) {
  for (const Atom& atom : atoms) Append(atom.Id);
}

void AtomIndex::Append(std::int32_t id) {
  if (identity_ && id == static_cast<std::int64_t>(count_)) {
    ++count_;
    return;
  }
  if (identity_) {
    identity_ = false;
    for (std::size_t i = 0; i < count_; ++i) places_.emplace(static_cast<std::int32_t>(i), i);
  }
  places_.emplace(id, count_++);  // a repeated id keeps its first place
}

std::size_t AtomIndex::Find(std::int32_t id) const {
  if (identity_) {
    return id >= 0 && static_cast<std::size_t>(id) < count_ ? static_cast<std::size_t>(id) : None;
  }
  const auto it = places_.find(id);
  return it == places_.end() ? None : it->second;
}
