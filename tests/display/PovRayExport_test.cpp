// POV-Ray scenes: exact lines of small molecules, static and on the clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "TestModels.h"
#include "display/SceneExport.h"
#include "tests/CommaLocale.h"

namespace {

using Lines = std::vector<std::string>;
const float kBackground[4] = {0.25f, 0.5f, 1.0f, 1.0f};
const float kNoRotation[4] = {0, 0, 0, 1};

// Hydrogen at the origin bonded to oxygen at (1.2, 0, 0), with element data
// of its own so that the numbers are plain.
MolGL HydroxylModel(std::int32_t type = BALL_AND_STICK) {
  MolGL model;
  model.ModelType = type;
  model.ElementData.Radii = {{1, 30.0}, {8, 66.0}};
  model.ElementData.VdwRadii.clear();
  model.ElementData.Colors = {{1, {1.0f, 1.0f, 1.0f, 1.0f}}, {8, {1.0f, 0.0f, 0.0f, 1.0f}}};
  model.Atoms = {MakeAtom(0, 1, 0.0, 0.0, 0.0), MakeAtom(1, 8, 1.2, 0.0, 0.0)};
  model.Bonds = {{0, 1}};
  NormalMode stretch;
  stretch.ModeNumber = 1;
  stretch.Displacements[0] = {0.1, 0.0, 0.0, 1.0};
  stretch.Displacements[1] = {-0.1, 0.0, 0.0, 1.0};
  model.Modes = {stretch};
  return model;
}

Lines Scene(std::vector<MolGL>& models, SceneExportChoice choice, bool animate = false) {
  return BuildPovRayScene(models, choice, animate, 20.0f, kBackground, kNoRotation);
}

SceneExportChoice Selecting(std::vector<MolGL>& models, std::size_t index = 0) {
  SceneExportChoice choice;
  choice.Selected = &models[index];
  return choice;
}

Lines Between(const Lines& lines, std::size_t first, std::size_t count) {
  return Lines(lines.begin() + static_cast<std::ptrdiff_t>(first),
               lines.begin() + static_cast<std::ptrdiff_t>(first + count));
}

std::size_t CountOf(const Lines& lines, const std::string& part) {
  return static_cast<std::size_t>(
      std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; }));
}

}  // namespace

TEST(PovRayScene, StaticBallAndStickLineByLine) {
  std::vector<MolGL> models = {HydroxylModel()};
  models[0].Position = {1.0, -2.0, 0.5, 1.0};
  const Lines expected = {
      "camera { orthographic location <0.0, 0.0, 20.000000> look_at <0, 0, 0> right <-1.33, 0, 0> angle 40 }",
      "light_source {<-400, 400, 1000> color rgb <1.0, 1.0, 1.0> parallel point_at <0,0,0> }",
      "background { color rgb <0.250000, 0.500000, 1.000000> }",
      "union{",
      "union { ",
      "#declare F = finish { specular 0.4 roughness 0.005 diffuse 0.7 ambient 0.5 };",
      "object {",
      "\tcylinder  {< 0.000000, 0.000000, 0.000000 >, < 0.600000, 0.000000, 0.000000 >, 0.120000 open } ",
      "\ttexture {",
      "\t\tpigment {color rgb < 0.750000, 0.750000, 0.750000 >} ",
      "\t\tfinish {F}",
      "\t}",
      "}",
      "object {",
      "\tcylinder  {< 1.200000, 0.000000, 0.000000 >, < 0.600000, 0.000000, 0.000000 >, 0.120000 open } ",
      "\ttexture {",
      "\t\tpigment {color rgb < 0.750000, 0.750000, 0.750000 >} ",
      "\t\tfinish {F}",
      "\t}",
      "}",
      "object {",
      "\tsphere  {< 0.000000, 0.000000, 0.000000 >, 0.180000} ",
      "\ttexture {",
      "\t\tpigment {color rgb < 1.000000, 1.000000, 1.000000 >} ",
      "\t\tfinish {F}",
      "\t}",
      "}",
      "object {",
      "\tsphere  {< 1.200000, 0.000000, 0.000000 >, 0.396000} ",
      "\ttexture {",
      "\t\tpigment {color rgb < 1.000000, 0.000000, 0.000000 >} ",
      "\t\tfinish {F}",
      "\t}",
      "}",
      "matrix < 1.000000, 0.000000, 0.000000, 0.000000, 1.000000, 0.000000, 0.000000, 0.000000, 1.000000, "
      "0.000000, 0.000000, 0.000000 >",
      "translate < 1.000000, -2.000000, 0.500000 >",
      "}",
      "matrix < 1.000000, 0.000000, 0.000000, 0.000000, 1.000000, 0.000000, 0.000000, 0.000000, 1.000000, "
      "0.000000, 0.000000, 0.000000 >",
      "}",
  };
  EXPECT_EQ(Scene(models, Selecting(models)), expected);
}

TEST(PovRayScene, ModelRotationAndTrackballTakeTwelveElements) {
  std::vector<MolGL> models = {HydroxylModel()};
  for (int i = 0; i < 16; ++i) models[0].RotMatrix.Element[i] = i;
  const float quarterTurnAboutZ[4] = {0.0f, 0.0f, 0.70710678f, 0.70710678f};
  const Lines lines = BuildPovRayScene(models, Selecting(models), false, 20.0f, kBackground, quarterTurnAboutZ);
  EXPECT_EQ(lines[lines.size() - 5],
            "matrix < 0.000000, 1.000000, 2.000000, 4.000000, 5.000000, 6.000000, 8.000000, 9.000000, "
            "10.000000, 12.000000, 13.000000, 14.000000 >");
  EXPECT_EQ(lines[lines.size() - 2],
            "matrix < 0.000000, -1.000000, 0.000000, 1.000000, 0.000000, 0.000000, 0.000000, 0.000000, "
            "1.000000, 0.000000, 0.000000, 0.000000 >");
}

TEST(PovRayScene, ModeExportPutsOnlyTheSelectedMoleculeOnTheClock) {
  std::vector<MolGL> models = {HydroxylModel(), HydroxylModel()};
  SceneExportChoice choice = Selecting(models, 1);
  choice.ShowOnlySelected = false;
  choice.SelectedMode = 1;
  const Lines lines = Scene(models, choice, true);
  // Second union, after 4 frame lines and the first union's 33.
  const Lines second = Between(lines, 4 + 33 + 2, 14);
  EXPECT_EQ(second[1],
            "\tcylinder  {< 0.000000+0.100000*sin(2*pi*clock), +0.000000+0.000000*sin(2*pi*clock), "
            "+0.000000+0.000000*sin(2*pi*clock) >, < +0.600000+0.000000*sin(2*pi*clock), "
            "+0.000000+0.000000*sin(2*pi*clock), +0.000000+0.000000*sin(2*pi*clock) >, +0.120000 open } ");
  EXPECT_EQ(second[2], "\ttexture {") << "the sign stays within its line";
  EXPECT_EQ(second[8],
            "\tcylinder  {< 1.200000-0.100000*sin(2*pi*clock), +0.000000+0.000000*sin(2*pi*clock), "
            "+0.000000+0.000000*sin(2*pi*clock) >, < +0.600000+0.000000*sin(2*pi*clock), "
            "+0.000000+0.000000*sin(2*pi*clock), +0.000000+0.000000*sin(2*pi*clock) >, +0.120000 open } ");
  EXPECT_EQ(CountOf(Between(lines, 0, 4 + 33), "clock"), 0u) << "the other molecule is static";
  EXPECT_EQ(CountOf(lines, "sphere  {<"), 4u);
  EXPECT_EQ(CountOf(lines, "clock) >, +0.180000} "), 1u);
  EXPECT_TRUE(models[1].ExportMode.Animate);
  EXPECT_FALSE(models[0].ExportMode.Animate);

  // The plain export never writes the clock, even for a selected mode.
  EXPECT_EQ(CountOf(Scene(models, choice, false), "clock"), 0u);
  EXPECT_FALSE(models[1].ExportMode.Animate);
  // Nor does a mode export without a selected mode row.
  choice.SelectedMode.reset();
  EXPECT_EQ(CountOf(Scene(models, choice, true), "clock"), 0u);
}

TEST(PovRayScene, AnimatedSphereSignsAndAtomsTheModeLeavesAtRest) {
  std::vector<MolGL> models = {HydroxylModel(STICK)};
  MolGL& model = models[0];
  model.BondRadius = 0.5f;
  model.NMMagnitude = 2.0;
  model.Atoms[0].BasePosition = {1.0, 2.0, 3.0, 1.0};
  model.Modes[0].Displacements[0] = {0.05, -0.1, 0.0, 1.0};
  model.Modes[0].Displacements.erase(1);
  SceneExportChoice choice = Selecting(models);
  choice.SelectedMode = 1;
  const Lines lines = Scene(models, choice, true);
  EXPECT_EQ(CountOf(lines,
                    "\tsphere  {< 1.000000+0.100000*sin(2*pi*clock), +2.000000-0.200000*sin(2*pi*clock), "
                    "+3.000000+0.000000*sin(2*pi*clock) >, +0.500000} "),
            1u);
  EXPECT_EQ(CountOf(lines,
                    "\tsphere  {< 1.200000+0.000000*sin(2*pi*clock), +0.000000+0.000000*sin(2*pi*clock), "
                    "+0.000000+0.000000*sin(2*pi*clock) >, +0.500000} "),
            1u);
  EXPECT_EQ(model.ExportMode.Displacements.count(1), 0u) << "an atom at rest gains no entry";
}

TEST(PovRayScene, BondsOfEachModel) {
  struct Case {
    std::int32_t type;
    const char* cylinderEnd;
    const char* pigment1;
    const char* finish;
  };
  const std::string grey = "\t\tpigment {color rgb < 0.750000, 0.750000, 0.750000 >} ";
  const std::string white = "\t\tpigment {color rgb < 1.000000, 1.000000, 1.000000 >} ";
  const std::string lit = "\t\tfinish {F}";
  const std::string unlit = "\t\tfinish {specular 0.0 roughness 0.005 diffuse 0.0 ambient 1.0}";
  const Case cases[] = {
      {BALL_AND_STICK, ", 0.120000 open } ", grey.c_str(), lit.c_str()},
      {BALL_AND_STICK_COLORED, ", 0.120000 open } ", white.c_str(), lit.c_str()},
      {STICK, ", 0.120000 open } ", grey.c_str(), lit.c_str()},
      {STICK_COLORED, ", 0.120000 open } ", white.c_str(), lit.c_str()},
      {WIRE, ", 0.012000  } ", grey.c_str(), unlit.c_str()},
      {WIRE_COLORED, ", 0.012000  } ", white.c_str(), unlit.c_str()},
  };
  for (const Case& c : cases) {
    std::vector<MolGL> models = {HydroxylModel(c.type)};
    const Lines lines = Scene(models, Selecting(models));
    const Lines bond = Between(lines, 6, 7);
    EXPECT_TRUE(bond[1].ends_with(c.cylinderEnd)) << c.type << ": " << bond[1];
    EXPECT_EQ(bond[3], c.pigment1) << c.type;
    EXPECT_EQ(bond[4], c.finish) << c.type;
    EXPECT_EQ(CountOf(lines, "sphere"), HasAtomModel(c.type) ? 2u : 0u) << c.type;
  }
  // Sticks take the bond colour for their atoms too.
  std::vector<MolGL> sticks = {HydroxylModel(STICK)};
  EXPECT_EQ(CountOf(Scene(sticks, Selecting(sticks)), "pigment {color rgb < 0.750000, 0.750000, 0.750000 >}"), 4u);
}

TEST(PovRayScene, ModelsWithoutBondsOrAtoms) {
  std::vector<MolGL> models = {HydroxylModel(SPACE_FILLING)};
  Lines lines = Scene(models, Selecting(models));
  EXPECT_EQ(CountOf(lines, "cylinder"), 0u);
  EXPECT_EQ(CountOf(lines, "\tsphere  {< 0.000000, 0.000000, 0.000000 >, 0.600000} "), 1u);

  models[0].ModelType = 106;
  lines = Scene(models, Selecting(models));
  EXPECT_EQ(lines.size(), 4u + 5u + 2u) << "the finish, the placement and the braces only";

  models[0].ShowMolecule = false;
  lines = Scene(models, Selecting(models));
  EXPECT_EQ(lines.size(), 4u + 2u);
}

TEST(PovRayScene, DegenerateBondsDummyAtomsAndMissingColours) {
  std::vector<MolGL> models = {HydroxylModel(BALL_AND_STICK_COLORED)};
  MolGL& model = models[0];
  model.Atoms[1].Position = {0.0002, 0.0, 0.0, 1.0};
  EXPECT_EQ(CountOf(Scene(models, Selecting(models)), "cylinder"), 0u);

  model.Atoms[1].Position = {1.2, 0.0, 0.0, 1.0};
  model.Atoms[1].AtomicNumber = 0;
  model.ShowDummyAtoms = false;
  Lines lines = Scene(models, Selecting(models));
  EXPECT_EQ(CountOf(lines, "cylinder"), 0u);
  EXPECT_EQ(CountOf(lines, "sphere"), 1u);

  model.ShowDummyAtoms = true;
  lines = Scene(models, Selecting(models));
  EXPECT_EQ(CountOf(lines, "\t\tpigment {color rgb < 0.000000, 0.000000, 0.000000 >} "), 2u)
      << "a dummy atom without an element colour is black, bond half and sphere";
  EXPECT_EQ(model.ElementData.Colors.count(0), 0u) << "looking up adds nothing to the table";

  // A bond left pointing past the atoms is skipped.
  model.Bonds.push_back({0, 7});
  EXPECT_EQ(CountOf(Scene(models, Selecting(models)), "cylinder"), 2u);
}

TEST(PovRayScene, ArrowsOfTheSelectedMode) {
  std::vector<MolGL> models = {HydroxylModel()};
  models[0].Modes[0].Displacements[0] = {1.0, 0.0, 0.0, 1.0};
  models[0].Modes[0].Displacements[1] = {0.0, 0.0, 0.0, 1.0};
  models[0].ShowMolecule = false;
  SceneExportChoice choice = Selecting(models);
  choice.SelectedMode = 1;
  choice.ShowModeArrows = true;
  choice.ArrowMagnitude = 2.0f;
  choice.ArrowRadius = 0.5f;
  models[0].BondRadius = 0.2f;
  const Lines lines = Scene(models, choice);
  const Lines expected = {
      "union { ",
      "#declare F = finish { specular 0.4 roughness 0.005 diffuse 0.7 ambient 0.7 };",
      "object {",
      "\tcylinder  {< 0.000000, 0.000000, 0.000000 >, < 1.900000, 0.000000, 0.000000 >, 0.100000 } ",
      "\ttexture {",
      "\t\tpigment {color rgb < 1.000000, 0.000000, 0.000000 >} ",
      "\t\tfinish {F}",
      "\t}",
      "}",
      "object {",
      "\tcone  {< 1.800000, 0.000000, 0.000000 >, 0.200000, < 2.200000, 0.000000, 0.000000 >, 0.0 } ",
      "\ttexture {",
      "\t\tpigment {color rgb < 1.000000, 0.000000, 0.000000 >} ",
      "\t\tfinish {F}",
      "\t}",
      "}",
  };
  ASSERT_EQ(lines.size(), 4u + expected.size() + 3u + 2u) << "a hidden molecule still has its arrows";
  EXPECT_EQ(Between(lines, 4, expected.size()), expected);
  EXPECT_EQ(lines[4 + expected.size() + 1], "translate < 0.000000, 0.000000, 0.000000 >");

  // No length, or one too large to write, leaves the arrows out.
  for (const float magnitude : {0.0f, std::numeric_limits<float>::infinity()}) {
    choice.ArrowMagnitude = magnitude;
    const Lines none = Scene(models, choice);
    EXPECT_EQ(CountOf(none, "object"), 0u) << magnitude;
    EXPECT_EQ(CountOf(none, "nan") + CountOf(none, "inf"), 0u) << magnitude;
  }

  // With the console's factors, 0.06 long ends the shaft where it starts
  // ("-0.000000" is 0 to POV-Ray, which refuses such a scene): the cone
  // stands alone. A radius of 0 leaves a cone of no length: no arrow.
  choice.ArrowMagnitude = 1.0f;
  models[0].BondRadius = 0.12f;
  for (const Position<double>& d : {Position<double>{0.0, 0.06, 0.0, 1.0}, Position<double>{0.04, 0.04, -0.02, 1.0}}) {
    models[0].Modes[0].Displacements[0] = d;
    const Lines cone = Scene(models, choice);
    EXPECT_EQ(CountOf(cone, "\tcylinder"), 0u) << d.x;
    EXPECT_EQ(CountOf(cone, "\tcone"), 1u) << d.x;
  }
  choice.ArrowRadius = 0.0f;
  EXPECT_EQ(CountOf(Scene(models, choice), "object"), 0u);
}

TEST(PovRayScene, OnlySelectedOrAll) {
  std::vector<MolGL> models = {HydroxylModel(), HydroxylModel()};
  EXPECT_EQ(CountOf(Scene(models, Selecting(models, 1)), "union { "), 1u);
  SceneExportChoice all = Selecting(models, 1);
  all.ShowOnlySelected = false;
  EXPECT_EQ(CountOf(Scene(models, all), "union { "), 2u);
  all.Selected = nullptr;
  all.ShowOnlySelected = true;
  EXPECT_EQ(CountOf(Scene(models, all), "union { "), 2u);
}

TEST(PovRayScene, SameTextInACommaLocale) {
  std::vector<MolGL> models = {HydroxylModel()};
  const Lines expected = Scene(models, Selecting(models));
  CommaLocale locale;
  if (!locale.Active()) GTEST_SKIP() << "no locale with a decimal comma can be made here";
  EXPECT_EQ(Scene(models, Selecting(models)), expected);
}
