#include <gtest/gtest.h>

#include <cmath>

#include "TestModels.h"
#include "display/MolGL.h"
#include "molfile/MolFile.h"

namespace {

// Two atoms; mode 1 (1000 cm-1) moves atom 0 along x, mode 2 (500 cm-1)
// moves atom 1 along y and atom 0 along z.
MolGL VibratingModel() {
  MolGL model;
  model.Atoms = {MakeAtom(0, 8, 0, 0, 0), MakeAtom(1, 1, 1, 0, 0)};
  NormalMode first;
  first.ModeNumber = 1;
  first.Frequency = 1000.0;
  first.Displacements[0] = {0.5, 0, 0, 1};
  NormalMode second;
  second.ModeNumber = 2;
  second.Frequency = 500.0;
  second.Displacements[0] = {0, 0, 0.25, 1};
  second.Displacements[1] = {0, 0.2, 0, 1};
  model.Modes = {first, second};
  return model;
}

}  // namespace

TEST(Vibration, NothingAnimatedLeavesAtomsAtRestButMovesTheClock) {
  MolGL model = VibratingModel();
  model.Atoms[0].Position.x = 7.0;
  model.Update(42.5L);
  EXPECT_EQ(model.LastUpdateTime, 42.5L);
  EXPECT_EQ(model.Atoms[0].Position.x, 0.0);
  EXPECT_EQ(model.Modes[0].Phase, 0.0L);
}

TEST(Vibration, AModeWhoseFrequencyIsNotKnownStandsStill) {
  MolGL model = VibratingModel();
  model.Modes[0].Frequency = NormalModes::Unknown;
  model.Modes[0].Animate = true;
  model.Update(3.0L);
  EXPECT_EQ(model.Modes[0].Phase, 0.0L);
  EXPECT_EQ(model.Atoms[0].Position.x, 0.0);
}

TEST(Vibration, PhaseGrowsByTwoPiCNuPerFemtosecond) {
  MolGL model = VibratingModel();
  model.Modes[0].Animate = true;
  model.Update(1.0L);
  EXPECT_NEAR(static_cast<double>(model.Modes[0].Phase), 0.1883651567, 5e-11);
  // One period later the phase has grown by 2 pi.
  const long double period = 33.3564095198152L;
  model.Update(1.0L + period);
  EXPECT_NEAR(static_cast<double>(model.Modes[0].Phase - 0.1883651567L), 2 * Pi, 1e-9);
  EXPECT_NEAR(model.Atoms[0].Position.x, 0.5 * std::sin(0.1883651567), 1e-9);
}

TEST(Vibration, ExtendedPrecisionKeepsLongRunsExact) {
  // After ten million femtoseconds the phase still matches the product
  // formed in extended precision, not the one a double would give.
  MolGL model = VibratingModel();
  model.Modes[0].Animate = true;
  for (int i = 1; i <= 1000; ++i) model.Update(i * 10000.0L);
  const long double expected = 10000000.0L * 2.0 * Pi * 1000.0 * 299792458.0 * 100.0 * 1e-15;
  EXPECT_NEAR(static_cast<double>(model.Modes[0].Phase - expected), 0.0, 1e-9);  // doubles drift by 2.5e-8
}

TEST(Vibration, SameTimeTwiceAddsNothing) {
  MolGL model = VibratingModel();
  model.Modes[0].Animate = true;
  model.Update(3.0L);
  const long double phase = model.Modes[0].Phase;
  const double x = model.Atoms[0].Position.x;
  model.Update(3.0L);
  EXPECT_EQ(model.Modes[0].Phase, phase);
  EXPECT_EQ(model.Atoms[0].Position.x, x);
}

TEST(Vibration, ModesSuperposeAndOneSwitchedOffStopsContributing) {
  MolGL model = VibratingModel();
  model.NMMagnitude = 2.0;
  model.Modes[0].Animate = model.Modes[1].Animate = true;
  model.Update(5.0L);
  const double s1 = std::sin(static_cast<double>(model.Modes[0].Phase));
  const double s2 = std::sin(static_cast<double>(model.Modes[1].Phase));
  EXPECT_DOUBLE_EQ(model.Atoms[0].Position.x, 2.0 * 0.5 * s1);
  EXPECT_DOUBLE_EQ(model.Atoms[0].Position.z, 2.0 * 0.25 * s2);
  EXPECT_DOUBLE_EQ(model.Atoms[1].Position.y, 2.0 * 0.2 * s2);
  EXPECT_EQ(model.Atoms[1].BasePosition.y, 0.0);

  model.Modes[1].Animate = false;
  const long double kept = model.Modes[1].Phase;
  model.Update(6.0L);
  EXPECT_EQ(model.Modes[1].Phase, kept);
  EXPECT_EQ(model.Atoms[0].Position.z, 0.0);
  EXPECT_EQ(model.Atoms[1].Position.y, 0.0);
  EXPECT_NE(model.Atoms[0].Position.x, 0.0);
}

TEST(Vibration, ZeroMagnitudeStandsStillWhilePhasesRun) {
  MolGL model = VibratingModel();
  model.NMMagnitude = 0.0;
  model.Modes[0].Animate = true;
  model.Update(4.0L);
  EXPECT_GT(model.Modes[0].Phase, 0.0L);
  EXPECT_EQ(model.Atoms[0].Position.x, 0.0);
}

TEST(Vibration, ClockSetBackRunsPhasesBackwards) {
  MolGL model = VibratingModel();
  model.Modes[0].Animate = true;
  model.Update(10.0L);
  model.Update(4.0L);
  EXPECT_NEAR(static_cast<double>(model.Modes[0].Phase), 4.0 * 0.1883651567, 1e-9);
}

TEST(Vibration, ApplyModePhasesUsesPhasesAsTheyStand) {
  MolGL model = VibratingModel();
  model.LastUpdateTime = 9.0L;
  model.Modes[0].Animate = true;
  model.Modes[0].Phase = Pi / 2;
  model.ApplyModePhases();
  EXPECT_DOUBLE_EQ(model.Atoms[0].Position.x, 0.5);
  EXPECT_EQ(model.Modes[0].Phase, static_cast<long double>(Pi / 2));
  EXPECT_EQ(model.LastUpdateTime, 9.0L);
}
