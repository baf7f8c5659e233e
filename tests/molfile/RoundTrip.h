// Test helpers: regenerate every atom line of a file model with no edit, and
// compare the tables read back with those read before.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "molfile/MolFile.h"

inline void RegenerateAtomLine(MolFile& file, std::int32_t id) {
  if (file.FileType == MOPAC_INPUT)
    file.UpdateMopacAtomLine(static_cast<std::uint32_t>(id));
  else
    file.UpdateAtomLine(static_cast<std::uint32_t>(id));
}

// Gaussian lines carry the entries' texts; MOPAC lines are written from the
// values (ten significant digits), so only the values come back.
inline void ExpectSameEntries(const std::map<std::int32_t, ZMatrix::Pair>& before,
                              const std::map<std::int32_t, ZMatrix::Pair>& after, bool sameTexts) {
  ASSERT_EQ(after.size(), before.size());
  for (const auto& [id, pair] : before) {
    SCOPED_TRACE("atom " + std::to_string(id));
    ASSERT_TRUE(after.contains(id));
    const ZMatrix::Pair& read = after.at(id);
    EXPECT_EQ(read.Reference, pair.Reference);
    EXPECT_EQ(read.IsVariable, pair.IsVariable);
    if (sameTexts) {
      EXPECT_EQ(read.Text, pair.Text);
      EXPECT_EQ(read.Value, pair.Value);
    } else {
      EXPECT_NEAR(read.Value, pair.Value, 5e-10 * std::max(1.0, std::fabs(pair.Value)));
    }
  }
}

// Parses `before`'s text again after regenerating the line of atom `only`,
// as an edit does, or of every atom (-1), and expects the same atoms, entries
// and (to the eleven decimals written) positions.
inline void ExpectRegeneratedLineReadsBack(const MolFile& before, std::int32_t only) {
  SCOPED_TRACE("regenerated atom " + std::to_string(only));
  MolFile after = before;
  for (const std::int32_t id : before.AtomIds.Ids)
    if (only < 0 || id == only) RegenerateAtomLine(after, id);
  after.Parse();
  const bool sameTexts = before.FileType != MOPAC_INPUT;
  EXPECT_EQ(after.AtomIds.Ids, before.AtomIds.Ids);
  EXPECT_EQ(after.AtomIds.Labels, before.AtomIds.Labels);
  EXPECT_EQ(after.AtomIds.AtomicNumbers, before.AtomIds.AtomicNumbers);
  EXPECT_EQ(after.AtomIds.Kinds, before.AtomIds.Kinds);
  EXPECT_EQ(after.AtomIds.LineIndexes, before.AtomIds.LineIndexes);
  EXPECT_EQ(after.ZMatrixData.ReferenceStyles, before.ZMatrixData.ReferenceStyles);
  ExpectSameEntries(before.ZMatrixData.Bonds, after.ZMatrixData.Bonds, sameTexts);
  ExpectSameEntries(before.ZMatrixData.Angles, after.ZMatrixData.Angles, sameTexts);
  ExpectSameEntries(before.ZMatrixData.Dihedrals, after.ZMatrixData.Dihedrals, sameTexts);
  ASSERT_EQ(after.CartesianData.Positions.size(), before.CartesianData.Positions.size());
  for (const auto& [id, p] : before.CartesianData.Positions) {
    const Position<double>& q = after.CartesianData.Positions.at(id);
    EXPECT_NEAR(q.x, p.x, 1e-11);
    EXPECT_NEAR(q.y, p.y, 1e-11);
    EXPECT_NEAR(q.z, p.z, 1e-11);
  }
}

inline void ExpectRegeneratedLinesReadBack(const MolFile& before) {
  ExpectRegeneratedLineReadsBack(before, -1);
  for (const std::int32_t id : before.AtomIds.Ids) ExpectRegeneratedLineReadsBack(before, id);
}
