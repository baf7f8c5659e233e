#include <gtest/gtest.h>

#include "TestModels.h"
#include "display/MolGL.h"

namespace {

void ExpectColor(const GraphicHandler::Color<float>& c, float r, float g, float b, float a) {
  EXPECT_FLOAT_EQ(c.r, r);
  EXPECT_FLOAT_EQ(c.g, g);
  EXPECT_FLOAT_EQ(c.b, b);
  EXPECT_FLOAT_EQ(c.a, a);
}

}  // namespace

TEST(DrawRules, SpaceFillingTakesTheVdwRadiusUnscaled) {
  MolGL model;
  model.ModelType = SPACE_FILLING;
  model.ElementData.VdwRadii[6] = 170.0;
  model.ElementData.VdwRadii.erase(3);
  model.ElementData.Radii[3] = 152.0;
  EXPECT_FLOAT_EQ(AtomDrawRadius(model, MakeAtom(0, 6, 0, 0, 0)), 1.70f);
  EXPECT_FLOAT_EQ(AtomDrawRadius(model, MakeAtom(0, 3, 0, 0, 0)), 3.04f);
  // An override radius is used with the space-filling factor, vdW or not.
  model.AtomRadii[2] = 0.5;
  Atom carbon = MakeAtom(0, 6, 0, 0, 0);
  carbon.RadiusKey = 2;
  EXPECT_FLOAT_EQ(AtomDrawRadius(model, carbon), 1.0f);
}

TEST(DrawRules, RadiiOfTheBallAndStickModels) {
  MolGL model;
  model.ElementData.Radii[8] = 60.0;
  const Atom oxygen = MakeAtom(0, 8, 0, 0, 0);
  for (std::int32_t type : {BALL_AND_STICK, BALL_AND_STICK_COLORED}) {
    model.ModelType = type;
    EXPECT_FLOAT_EQ(AtomDrawRadius(model, oxygen), 0.36f);
  }
  for (std::int32_t type : {STICK, STICK_COLORED}) {
    model.ModelType = type;
    EXPECT_FLOAT_EQ(AtomDrawRadius(model, oxygen), 0.12f);
  }
  model.ModelType = BALL_AND_STICK;
  EXPECT_EQ(AtomDrawRadius(model, MakeAtom(0, 250, 0, 0, 0)), 0.0f);  // no radius
  Atom keyed = oxygen;
  keyed.RadiusKey = 9;  // a key with no entry
  EXPECT_EQ(AtomDrawRadius(model, keyed), 0.0f);
  EXPECT_EQ(model.AtomRadii.count(9), 0u);
}

TEST(DrawRules, ColoursByModelType) {
  MolGL model;
  model.ElementData.Colors[8] = {0.8f, 0.0f, 0.0f, 1.0f};
  model.AtomColors[4] = {0.0f, 1.0f, 0.0f, 0.5f};
  const Atom oxygen = MakeAtom(0, 8, 0, 0, 0);
  Atom keyed = oxygen;
  keyed.ColorKey = 4;

  model.ModelType = STICK;
  ExpectColor(AtomDrawColor(model, oxygen), 0.75f, 0.75f, 0.75f, 1.0f);
  ExpectColor(AtomDrawColor(model, keyed), 0.0f, 1.0f, 0.0f, 0.5f);
  for (std::int32_t type : {SPACE_FILLING, BALL_AND_STICK, BALL_AND_STICK_COLORED, STICK_COLORED}) {
    model.ModelType = type;
    ExpectColor(AtomDrawColor(model, oxygen), 0.8f, 0.0f, 0.0f, 1.0f);
    ExpectColor(AtomDrawColor(model, keyed), 0.0f, 1.0f, 0.0f, 0.5f);
  }
  ExpectColor(AtomDrawColor(model, MakeAtom(0, 250, 0, 0, 0)), 0, 0, 0, 0);
  EXPECT_EQ(model.ElementData.Colors.count(250), 0u);
}
