#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "TestModels.h"
#include "display/MolGL.h"

TEST(MolGLModel, NewModelHasTheDefaults) {
  const MolGL model;
  EXPECT_EQ(model.ModelType, BALL_AND_STICK);
  EXPECT_FLOAT_EQ(model.BondRadius, 0.12f);
  EXPECT_FLOAT_EQ(model.BallScale, 0.6f);
  EXPECT_FLOAT_EQ(model.SpaceFillingScale, 2.0f);
  EXPECT_FLOAT_EQ(model.BondColor.r, 0.75f);
  EXPECT_FLOAT_EQ(model.BondColor.b, 0.75f);
  EXPECT_FLOAT_EQ(model.BondColor.a, 1.0f);
  EXPECT_EQ(model.SphereSlices, 18);
  EXPECT_EQ(model.SphereStacks, 9);
  EXPECT_EQ(model.CylinderSlices, 8);
  EXPECT_EQ(model.CylinderStacks, 4);
  EXPECT_TRUE(model.ShowMolecule);
  EXPECT_TRUE(model.ShowDummyAtoms);
  EXPECT_EQ(model.ScalingFactor, 1.0);
  EXPECT_EQ(model.NMMagnitude, 1.0);
  EXPECT_EQ(model.Position.w, 1.0);
  EXPECT_EQ(model.RotMatrix.Element[5], 1.0);
  EXPECT_EQ(model.RotMatrix.Element[4], 0.0);
}

TEST(MolGLModel, AddBondAllowsSelfBondsAndIgnoresMissingIds) {
  MolGL model;
  model.Atoms = {MakeAtom(4, 6, 0, 0, 0), MakeAtom(5, 1, 1, 0, 0)};
  model.AddBond(5, 5);
  model.AddBond(5, 99);
  model.AddBond(99, 4);
  model.AddBond(model.Atoms[0], model.Atoms[1]);
  EXPECT_EQ(BondIds(model), (std::vector<std::pair<std::int32_t, std::int32_t>>{{5, 5}, {4, 5}}));
}

TEST(MolGLAutoBond, ExactlyTheBondingDistanceIsNotBonded) {
  MolGL model;
  model.ElementData.Radii[0] = 50.0;  // two atoms of 50 pm: s is exactly 1
  model.Atoms = {MakeAtom(0, 0, 0, 0, 0), MakeAtom(1, 0, 1.2, 0, 0)};
  model.AutoBond();
  EXPECT_TRUE(model.Bonds.empty());

  model.Atoms[1] = MakeAtom(1, 0, 1.1999, 0, 0);
  model.AutoBond();
  EXPECT_EQ(model.Bonds.size(), 1u);
}

TEST(MolGLAutoBond, UsesEquilibriumPositionsAndKeepsExistingBonds) {
  MolGL model;
  model.Atoms = {MakeAtom(0, 6, 0, 0, 0), MakeAtom(1, 1, 1.0, 0, 0)};
  model.Atoms[1].Position.x = 50.0;  // vibrated far away: still bonded
  model.AutoBond();
  model.AutoBond();
  EXPECT_EQ(BondIds(model), (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 1}, {0, 1}}));
}

TEST(MolGLAutoBond, FewerThanTwoAtomsGetNothingAndTouchNoTable) {
  MolGL model;
  model.Atoms = {MakeAtom(0, 150, 0, 0, 0)};
  model.AutoBond();
  EXPECT_TRUE(model.Bonds.empty());
  EXPECT_EQ(model.ElementData.Radii.count(150), 0u);
}

TEST(MolGLAutoBond, UnknownElementBondsWithRadiusZeroAndGainsAnEntry) {
  MolGL model;
  model.ElementData.Radii.erase(150);
  model.Atoms = {MakeAtom(0, 150, 0, 0, 0), MakeAtom(1, 6, 0.9, 0, 0), MakeAtom(2, 6, 5.0, 0, 0)};
  model.AutoBond();
  ASSERT_EQ(model.ElementData.Radii.count(150), 1u);
  EXPECT_EQ(model.ElementData.Radii.at(150), 0.0);
  // Carbon's radius alone (1.2 x 0.772 > 0.9) still reaches.
  EXPECT_EQ(BondIds(model), (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 1}}));
}

// The search must find exactly the pairs, in exactly the order, that comparing
// every pair finds; a random cloud with mixed elements, negative coordinates,
// ids out of order and one repeated id.
TEST(MolGLAutoBond, SameBondsInTheSameOrderAsEveryPairCompared) {
  MolGL model;
  std::mt19937 random(7);
  std::uniform_real_distribution<double> coordinate(-9.0, 9.0);
  const std::uint32_t elements[] = {1, 6, 7, 8, 17, 0};
  for (int i = 0; i < 600; ++i) {
    const std::int32_t id = i == 300 ? 900 : 1000 - i;  // 900 is atom 100 too
    model.Atoms.push_back(MakeAtom(id, elements[i % 6], coordinate(random), coordinate(random), coordinate(random)));
  }
  model.Atoms.push_back(MakeAtom(2000, 6, 1e5, 0, 0));  // far away
  model.AutoBond();

  const auto expected = EveryPairWithinReach(model);
  ASSERT_GT(expected.size(), 100u);
  EXPECT_EQ(BondIds(model), expected);
  // Bonds of the repeated id point at its first atom.
  for (const Bond& b : model.Bonds) {
    EXPECT_NE(b.Atom1, 300u);
    EXPECT_NE(b.Atom2, 300u);
  }
}

TEST(MolGLAutoBond, NonFiniteCoordinatesStillBondTheRest) {
  MolGL model;
  model.Atoms = {MakeAtom(0, 6, 0, 0, 0), MakeAtom(1, 6, 1.5, 0, 0),
                 MakeAtom(2, 6, std::numeric_limits<double>::infinity(), 0, 0)};
  model.AutoBond();
  EXPECT_EQ(BondIds(model), (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 1}}));
}

namespace {

std::vector<int> BondsPerAtom(const MolGL& model) {
  std::vector<int> counts(model.Atoms.size());
  for (const Bond& b : model.Bonds) ++counts[b.Atom1], ++counts[b.Atom2];
  return counts;
}

}  // namespace

// Atoms heaped on one point would otherwise give every pair a bond.
TEST(MolGLAutoBond, SeventeenAtomsOnOnePointTakeSixteenBondsEach) {
  MolGL model;
  for (int i = 0; i < 17; ++i) model.Atoms.push_back(MakeAtom(i, 6, 0, 0, 0));
  model.AutoBond();
  EXPECT_EQ(model.Bonds.size(), 17u * 16 / 2);
  EXPECT_EQ(BondsPerAtom(model), std::vector<int>(17, 16));
}

// Beyond sixteen partners an atom keeps the nearest, the earlier atom first
// among equally near ones. Partners of radius 0 never bond each other.
TEST(MolGLAutoBond, AnAtomKeepsItsNearestPartnersTheEarlierFirstAmongEquals) {
  MolGL model;
  model.ElementData.Radii[200] = 100.0;  // reaches 1.2 A
  model.ElementData.Radii[201] = 0.0;
  model.Atoms.push_back(MakeAtom(0, 200, 0, 0, 0));
  for (int id = 1; id <= 20; ++id) {
    const double distance = id <= 3 ? 1.19 : id == 20 ? 0.5 : 1.0;
    model.Atoms.push_back(MakeAtom(id, 201, distance, 0, 0));
  }
  model.AutoBond();
  std::vector<std::pair<std::int32_t, std::int32_t>> expected;
  for (int id = 4; id <= 18; ++id) expected.emplace_back(0, id);  // 19 is as near as 18, but later
  expected.emplace_back(0, 20);
  EXPECT_EQ(BondIds(model), expected);
}

// Far-off coordinates, up to the ends of the double range, neither hide
// their neighbours nor the pairs near the origin.
TEST(MolGLAutoBond, FarOffAtomsBondAsAnyOthers) {
  MolGL model;
  model.Atoms = {MakeAtom(0, 6, 0, 0, 0),          MakeAtom(1, 6, 1e30, 0, 0),
                 MakeAtom(2, 6, 1.5, 0, 0),        MakeAtom(3, 6, 1e30, 0, 0),
                 MakeAtom(4, 6, -1.7e308, 1e308, 0), MakeAtom(5, 6, -1.7e308, 1e308, 1.0),
                 MakeAtom(6, 6, 1e30, 1.0, 0)};
  model.AutoBond();
  EXPECT_EQ(BondIds(model),
            (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 2}, {1, 3}, {1, 6}, {3, 6}, {4, 5}}));
}

namespace {

MolGL ModelWithBondsAndModes() {
  MolGL model;
  model.Name = "source";
  model.ModelType = STICK;
  model.BondRadius = 0.3f;
  model.AtomColors[3] = {1, 0, 0, 1};
  model.Atoms = {MakeAtom(7, 8, 0, 0, 0), MakeAtom(3, 1, 0.96, 0, 0), MakeAtom(9, 1, -0.24, 0.93, 0)};
  model.AddBond(7, 3);
  model.AddBond(7, 9);
  NormalMode mode;
  mode.ModeNumber = 2;
  mode.Frequency = 1650.5;
  mode.Animate = true;
  mode.Phase = 1.25L;
  mode.Displacements[1] = {0.1, 0.2, 0.3, 1.0};
  mode.Displacements[2] = {-0.1, 0.0, 0.0, 1.0};
  model.Modes.push_back(mode);
  model.Modes.push_back(NormalMode{});  // an empty mode is copied too
  return model;
}

}  // namespace

TEST(MolGLCopy, CopyRefersToItsOwnAtomsAfterTheSourceIsGone) {
  auto source = std::make_unique<MolGL>(ModelWithBondsAndModes());
  source->ExportIndex = 4;
  source->MaterialIndex[8] = 2;
  source->ExportMode.ModeNumber = 5;
  const MolGL copy(*source);
  source.reset();

  EXPECT_EQ(copy.Name, "source");
  EXPECT_EQ(copy.ModelType, STICK);
  EXPECT_FLOAT_EQ(copy.BondRadius, 0.3f);
  EXPECT_EQ(copy.AtomColors.size(), 1u);
  EXPECT_EQ(BondIds(copy), (std::vector<std::pair<std::int32_t, std::int32_t>>{{7, 3}, {7, 9}}));
  ASSERT_EQ(copy.Modes.size(), 2u);
  const NormalMode& mode = copy.Modes[0];
  EXPECT_EQ(mode.ModeNumber, 2);
  EXPECT_EQ(mode.Frequency, 1650.5);
  EXPECT_TRUE(mode.Animate);
  EXPECT_EQ(mode.Phase, 1.25L);
  ASSERT_EQ(mode.Displacements.size(), 2u);
  EXPECT_EQ(copy.Atoms[mode.Displacements.begin()->first].Id, 3);
  EXPECT_EQ(mode.Displacements.at(1).z, 0.3);
  EXPECT_TRUE(copy.Modes[1].Displacements.empty());
  // The export slots are not copied.
  EXPECT_EQ(copy.ExportIndex, 0);
  EXPECT_TRUE(copy.MaterialIndex.empty());
  EXPECT_EQ(copy.ExportMode.ModeNumber, 0);
}

TEST(MolGLCopy, AssignmentKeepsTheTargetsExportSlots) {
  const MolGL source = ModelWithBondsAndModes();
  MolGL target;
  target.ExportIndex = 11;
  target.MaterialIndex[6] = 1;
  target.ExportMode.ModeNumber = 8;
  target.Atoms = {MakeAtom(0, 6, 0, 0, 0)};
  target = source;
  EXPECT_EQ(target.ExportIndex, 11);
  EXPECT_EQ(target.MaterialIndex.at(6), 1u);
  EXPECT_EQ(target.ExportMode.ModeNumber, 8);
  EXPECT_EQ(target.Atoms.size(), 3u);
  EXPECT_EQ(BondIds(target), BondIds(source));
}

TEST(MolGLCopy, SelfAssignmentLosesNothing) {
  MolGL model = ModelWithBondsAndModes();
  MolGL& same = model;
  model = same;
  EXPECT_EQ(model.Bonds.size(), 2u);
  EXPECT_EQ(model.Modes.size(), 2u);
}

TEST(MolGLCopy, ModelsSurviveTheVectorGrowing) {
  std::vector<MolGL> models;
  for (int i = 0; i < 20; ++i) models.push_back(ModelWithBondsAndModes());
  models.erase(models.begin());
  for (const MolGL& model : models) {
    EXPECT_EQ(BondIds(model), (std::vector<std::pair<std::int32_t, std::int32_t>>{{7, 3}, {7, 9}}));
    EXPECT_EQ(model.Atoms[model.Modes[0].Displacements.rbegin()->first].Id, 9);
  }
}

TEST(MolGLCopy, RepeatedIdsPointAtTheFirstAtomWithThatId) {
  MolGL source;
  source.Atoms = {MakeAtom(0, 6, 0, 0, 0), MakeAtom(1, 1, 1, 0, 0), MakeAtom(1, 1, 2, 0, 0)};
  source.Bonds.push_back({0, 2});
  NormalMode mode;
  mode.Displacements[1] = {1, 0, 0, 1};
  mode.Displacements[2] = {2, 0, 0, 1};
  source.Modes.push_back(mode);
  const MolGL copy(source);
  ASSERT_EQ(copy.Bonds.size(), 1u);
  EXPECT_EQ(copy.Bonds[0].Atom2, 1u);
  ASSERT_EQ(copy.Modes[0].Displacements.size(), 1u);
  EXPECT_EQ(copy.Modes[0].Displacements.at(1).x, 1.0);
}

TEST(MolGLCopy, EntriesPointingPastTheAtomsAreDropped) {
  MolGL source = ModelWithBondsAndModes();
  source.Atoms.resize(2);  // atom 9 removed without rebuilding
  const MolGL copy(source);
  EXPECT_EQ(BondIds(copy), (std::vector<std::pair<std::int32_t, std::int32_t>>{{7, 3}}));
  EXPECT_EQ(copy.Modes[0].Displacements.size(), 1u);
}
