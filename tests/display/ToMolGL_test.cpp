#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TestModels.h"
#include "bench/MoleculeTexts.h"
#include "display/AtomIndex.h"
#include "display/MolGL.h"
#include "display/ZMatrixPlacement.h"
#include "molfile/MolFile.h"
#include "tests/molfile/ParseText.h"

namespace {

using P = Position<double>;

double Distance(const P& a, const P& b) { return VectorLength(a - b); }

double AngleDegrees(const P& p, const P& vertex, const P& q) {
  const P u = p - vertex, v = q - vertex;
  return std::acos(Dot(u, v) / (VectorLength(u) * VectorLength(v))) * 180.0 / Pi;
}

// IUPAC torsion of p0-p1-p2-p3: positive when, looking along p1 -> p2, the
// bond to p0 turns clockwise onto the bond to p3.
double DihedralDegrees(const P& p0, const P& p1, const P& p2, const P& p3) {
  const P b1 = p1 - p0, b2 = p2 - p1, b3 = p3 - p2;
  const double y = VectorLength(b2) * Dot(b1, Cross(b2, b3));
  const double x = Dot(Cross(b1, b2), Cross(b2, b3));
  return std::atan2(y, x) * 180.0 / Pi;
}

// Ids 0, 1, 2: the three-atom start of every ordinary Z-matrix.
MolFile ThreeAtomZMatrix() {
  MolFile file;
  DeclareAtom(file, 0, "C1", 6, ZMATRIX);
  DeclareAtom(file, 1, "C2", 6, ZMATRIX);
  DeclareAtom(file, 2, "H3", 1, ZMATRIX);
  SetZ(file.ZMatrixData.Bonds, 1, 0, 1.2);
  SetZ(file.ZMatrixData.Bonds, 2, 0, 1.0);
  SetZ(file.ZMatrixData.Angles, 2, 1, 120.0);
  return file;
}

void ExpectAt(const Atom& atom, double x, double y, double z) {
  EXPECT_NEAR(atom.BasePosition.x, x, 1e-12);
  EXPECT_NEAR(atom.BasePosition.y, y, 1e-12);
  EXPECT_NEAR(atom.BasePosition.z, z, 1e-12);
  EXPECT_EQ(atom.BasePosition.w, 1.0);
  EXPECT_EQ(atom.Position.x, atom.BasePosition.x);
}


}  // namespace

TEST(ZMatrixPlacement, ThreeAtomsAndTheirReferenceBonds) {
  MolFile file = ThreeAtomZMatrix();
  MolGL model;
  file.ToMolGL(model);
  ASSERT_EQ(model.Atoms.size(), 3u);
  ExpectAt(model.Atoms[0], 0, 0, 0);
  ExpectAt(model.Atoms[1], 1.2, 0, 0);
  ExpectAt(model.Atoms[2], -0.5, -0.8660254037844386, 0);
  EXPECT_EQ(BondIds(model), (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 1}, {0, 2}}));
}

TEST(ZMatrixPlacement, DihedralsComeOutWithTheirSign) {
  for (double dihedral : {0.0, 60.0, -60.0, 120.0, 180.0, -150.0}) {
    MolFile file = ThreeAtomZMatrix();
    DeclareAtom(file, 3, "H4", 1, ZMATRIX);
    SetZ(file.ZMatrixData.Bonds, 3, 0, 1.1);
    SetZ(file.ZMatrixData.Angles, 3, 1, 109.5);
    SetZ(file.ZMatrixData.Dihedrals, 3, 2, dihedral);
    // A fifth atom against references off every axis.
    DeclareAtom(file, 4, "H5", 1, ZMATRIX);
    SetZ(file.ZMatrixData.Bonds, 4, 3, 0.9);
    SetZ(file.ZMatrixData.Angles, 4, 2, 95.0);
    SetZ(file.ZMatrixData.Dihedrals, 4, 1, dihedral / 2);
    MolGL model;
    file.ToMolGL(model);
    const auto at = [&](int i) { return model.Atoms[i].BasePosition; };
    SCOPED_TRACE(dihedral);
    EXPECT_NEAR(Distance(at(3), at(0)), 1.1, 1e-12);
    EXPECT_NEAR(AngleDegrees(at(3), at(0), at(1)), 109.5, 1e-9);
    const double measured = DihedralDegrees(at(3), at(0), at(1), at(2));
    EXPECT_NEAR(std::remainder(measured - dihedral, 360.0), 0.0, 1e-9);
    EXPECT_NEAR(Distance(at(4), at(3)), 0.9, 1e-12);
    EXPECT_NEAR(AngleDegrees(at(4), at(3), at(2)), 95.0, 1e-9);
    EXPECT_NEAR(std::remainder(DihedralDegrees(at(4), at(3), at(2), at(1)) - dihedral / 2, 360.0), 0.0, 1e-9);
  }
}

// A dihedral reference within 1e-4 A of the line of the other two: MOPAC
// turns the dihedral from a fixed direction of its frame, which the display
// frame turns 180 degrees about x where no atom is Cartesian. The last atom
// where MOPAC 22 puts it; B - A along z makes MOPAC swap its axes first. A
// Gaussian input keeps its own construction.
TEST(ZMatrixPlacement, MopacPlacesADihedralAboutAStraightLineAsMopacDoes) {
  const std::pair<std::string, P> cases[] = {
      {"PM7\nt\nc\nC\nC 1.2 1\nH 1.0 1 100.0 1\nO 1.4 1 179.998 1 0.0 0 2 1 3\nH 0.96 1 110.0 1 60.0 1 4 2 1",
       {2.9284, 0.4510, 0.7812}},
      {"PM7\nt\nc\nC 0.001 1 0.002 1 0.0 1\nC 0.004 1 0.0 1 1.5 1\nC 0.007 1 -0.002 1 3.0 1\nH 1.1 1 110.0 1 -30.0 1 1 2 3",
       {-0.5166, 0.8977, -0.3740}},
      {"#p\n\nt\n\n0 1\nC\nC 1 1.2\nH 1 1.0 2 100.0\nO 2 1.4 1 179.998 3 0.0\nH 4 0.96 2 110.0 1 60.0\n",
       {2.9283, -0.4511, -0.7812}}};
  for (const auto& [text, want] : cases) {
    MolFile file = ParseText(text[0] == '#' ? GAUSSIAN_INPUT : MOPAC_INPUT, text);
    MolGL model;
    file.ToMolGL(model);
    EXPECT_LT(VectorLength(model.Atoms.back().BasePosition - want), 1e-4) << text;
  }
}

TEST(ZMatrixPlacement, AxisCasesOfTheThirdAtom) {
  MolFile file;
  MolGL model;
  model.Atoms = {MakeAtom(0, 6, 0, 2, 0), MakeAtom(1, 6, 0, 3, 0),   // on the y axis
                 MakeAtom(2, 6, 0, 0, 1), MakeAtom(3, 6, 0, 0, -1),  // on the z axis
                 MakeAtom(4, 6, 1, 1, 0), MakeAtom(5, 6, 2, 3, 0)};  // off the axes
  DeclareAtom(file, 9, "H", 1, ZMATRIX);
  const auto third = [&](std::int32_t a, std::int32_t b) {
    SetZ(file.ZMatrixData.Bonds, 9, a, 1.0);
    SetZ(file.ZMatrixData.Angles, 9, b, 90.0);
    std::int32_t partner = -1;
    const P p = ZMatrixToCartesian(file, 9, partner, model, AtomIndex(model.Atoms), ZMatrixFrame::Display);
    EXPECT_EQ(partner, a);
    return p;
  };
  P p = third(0, 1);  // A below B on y: y = A.y + r cos 90, z = A.z - r sin 90
  EXPECT_NEAR(p.x, 0.0, 1e-12);
  EXPECT_NEAR(p.y, 2.0, 1e-12);
  EXPECT_NEAR(p.z, -1.0, 1e-12);
  p = third(2, 3);
  EXPECT_NEAR(p.x, -1.0, 1e-12);
  EXPECT_NEAR(p.z, 1.0, 1e-12);
  p = third(4, 5);  // no axis holds both: the origin
  EXPECT_EQ(p.x, 0.0);
  EXPECT_EQ(p.y, 0.0);
  EXPECT_EQ(p.z, 0.0);
  EXPECT_EQ(p.w, 1.0);
}

TEST(ZMatrixPlacement, ForwardReferenceStandsAtTheOriginWithoutABond) {
  MolFile file;
  DeclareAtom(file, 0, "O", 8, ZMATRIX);
  DeclareAtom(file, 1, "H", 1, ZMATRIX);
  SetZ(file.ZMatrixData.Bonds, 0, 1, 1.5);
  MolGL model;
  file.ToMolGL(model);
  ExpectAt(model.Atoms[0], 1.5, 0, 0);
  ExpectAt(model.Atoms[1], 0, 0, 0);
  EXPECT_TRUE(model.Bonds.empty());
}

// Ids out of file order, and a repeated one: references find the first
// atom placed with the id, as a scan of the atoms would.
TEST(ZMatrixPlacement, ReferencesFindTheFirstAtomPlacedWithTheirId) {
  MolFile file;
  DeclareAtom(file, 7, "C", 6, CARTESIAN);
  DeclareAtom(file, 3, "C", 6, ZMATRIX);
  DeclareAtom(file, 7, "C", 6, CARTESIAN);  // a second atom 7, at 7's position
  DeclareAtom(file, 9, "H", 1, ZMATRIX);
  file.CartesianData.Positions[7] = {0.5, 0, 0, 1};
  SetZ(file.ZMatrixData.Bonds, 3, 7, 1.0);
  SetZ(file.ZMatrixData.Bonds, 9, 3, 1.5);
  MolGL model;
  file.ToMolGL(model);
  ExpectAt(model.Atoms[1], 1.5, 0, 0);
  ExpectAt(model.Atoms[3], 3.0, 0, 0);
  ASSERT_EQ(model.Bonds.size(), 2u);
  EXPECT_EQ(model.Bonds[0].Atom1, 0u);  // the first atom 7
  EXPECT_EQ(model.Bonds[0].Atom2, 1u);
  EXPECT_EQ(model.Bonds[1].Atom1, 1u);
  EXPECT_EQ(model.Bonds[1].Atom2, 3u);
}

// A format code of 1 or -1 makes the third value a second bond angle, on the
// side it gives. Angles that cannot meet, or references in one line, keep the
// first angle and come as near the second as they can.
TEST(ZMatrixPlacement, AFormatCodeMakesTheThirdValueASecondBondAngle) {
  struct Case {
    std::string route, atoms;
    double bond, angle1, angle2;  // as measured, degrees
    int side;
  };
  const double radians = 1.9106 * 180.0 / Pi;
  const Case cases[] = {
      {"#p", "C\nO 1 1.43\nH 1 CH 2 T\nH 1 CH 2 T 3 T 1\nVariables:\nCH 1.09\nT 109.47\n", 1.09, 109.47, 109.47, 1},
      {"#p units=rad", "C1\nO2 C1 1.43\nH3 C1 1.09 O2 1.9106\nH4,C1,1.09,O2,1.9106,H3,1.9106,-1\n", 1.09, radians,
       radians, -1},
      {"#p", "C\nO 1 1.43\nH 1 1.09 2 109.47\nH 1 1.0 2 30.0 3 30.0 1\n", 1.0, 30.0, 79.47, 0},
      {"#p", "C\nO 1 1.43\nX 2 1.0 1 180.0\nH 1 1.09 2 109.47 3 70.53 -1\n", 1.09, 109.47, 109.47, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.atoms);
    MolFile file = ParseText(GAUSSIAN_INPUT, c.route + "\n\nt\n\n0 1\n" + c.atoms + "\n");
    MolGL model;
    file.ToMolGL(model);
    ASSERT_EQ(model.Atoms.size(), 4u);
    const auto at = [&](int i) { return model.Atoms[i].BasePosition; };
    EXPECT_NEAR(Distance(at(3), at(0)), c.bond, 1e-12);
    EXPECT_NEAR(AngleDegrees(at(3), at(0), at(1)), c.angle1, 1e-9);
    EXPECT_NEAR(AngleDegrees(at(3), at(0), at(2)), c.angle2, 1e-9);
    const double side = Dot(Cross(at(1) - at(0), at(2) - at(0)), at(3) - at(0));
    EXPECT_EQ(side > 1e-9 ? 1 : side < -1e-9 ? -1 : 0, c.side);
  }
}

// The benchmark's molecules, from the text a user opens, bond exactly as
// comparing every pair does: none comes near the limit of bonds an atom takes.
TEST(ToMolGL, BenchmarkMoleculesBondByDistanceAsEveryPairCompared) {
  const struct {
    const char* name;
    std::int32_t type;
    std::string text;
    std::size_t bonds;
  } inputs[] = {{"alkane", GAUSSIAN_INPUT, AlkaneInput(1000, false), 999},
                {"alkane and a far atom", GAUSSIAN_INPUT, AlkaneInput(1000, true), 999},
                {"Z-matrix chain", GAUSSIAN_INPUT, ChainZMatrixInput(3000), 2999},
                {"MOPAC chain", MOPAC_INPUT, ChainMopacInput(3000), 2999},
                {"TINKER alkane", TINKER_XYZ, AlkaneTinker(1000), 999}};
  for (const auto& input : inputs) {
    SCOPED_TRACE(input.name);
    MolFile file = ParseText(input.type, input.text);
    MolGL model;
    file.ToMolGL(model);
    model.Bonds.clear();
    model.AutoBond();
    const auto expected = EveryPairWithinReach(model);
    EXPECT_EQ(expected.size(), input.bonds);
    EXPECT_EQ(BondIds(model), expected);
  }
}

TEST(ToMolGL, MissingTableEntriesBecomeDummyAtomsAtTheOrigin) {
  MolFile file;
  file.Name = "odd";
  file.AtomIds.Ids = {0, 1};
  file.AtomIds.Kinds[1] = CARTESIAN;  // with no position
  file.AtomIds.AtomicNumbers[1] = 6;
  MolGL model;
  file.ToMolGL(model);
  EXPECT_EQ(model.Name, "odd");
  ASSERT_EQ(model.Atoms.size(), 2u);
  EXPECT_EQ(model.Atoms[0].AtomicNumber, 0u);
  ExpectAt(model.Atoms[0], 0, 0, 0);
  ExpectAt(model.Atoms[1], 0, 0, 0);
  EXPECT_EQ(file.AtomIds.AtomicNumbers.at(0), 0u);
  EXPECT_EQ(file.AtomIds.Kinds.at(0), 0u);
}

TEST(ToMolGL, ConnectionsGiveOneBondFromTheLowerAtomsList) {
  MolFile file;
  for (std::int32_t id = 0; id < 4; ++id) {
    DeclareAtom(file, id, id == 3 ? "2" : std::to_string(id + 1).c_str(), 6, CARTESIAN);
    file.CartesianData.Positions[id] = {double(id), 0, 0, 1};
  }
  auto& links = file.AtomIds.Connections;
  links.emplace(0, "2");  // and back from 1: one bond
  links.emplace(1, "1");
  links.emplace(2, "1");  // listed only on the higher atom: none
  links.emplace(1, "2");  // the atom itself: none
  links.emplace(0, "9");  // no such atom
  links.emplace(0, "3");  // after 0-1: bonds keep the order of the lists
  links.emplace(2, "2");  // "2" names ids 1 and 3: the smallest, 1 < 2, so none
  MolGL model;
  file.ToMolGL(model);
  EXPECT_EQ(BondIds(model), (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 1}, {0, 2}}));
}

TEST(ToMolGL, ReferenceBondsComeBeforeConnectionBonds) {
  MolFile file = ThreeAtomZMatrix();
  file.AtomIds.Connections.emplace(1, "H3");
  MolGL model;
  file.ToMolGL(model);
  EXPECT_EQ(BondIds(model), (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 1}, {0, 2}, {1, 2}}));
}

namespace {

// Three atoms labelled "1", "2", "3" with mode tables that are not in step.
MolFile FileWithModes(const char* firstLabel) {
  MolFile file;
  for (std::int32_t id = 0; id < 3; ++id) {
    DeclareAtom(file, id, id == 0 ? firstLabel : std::to_string(id + 1).c_str(), 1, CARTESIAN);
    file.CartesianData.Positions[id] = {double(id), 0, 0, 1};
  }
  NormalModes& modes = file.ModeData;
  modes.ModeNumbers = {1, 2, 3, 4};
  modes.Frequencies = {1234.56f, 200.0f, 300.0f};
  NormalModes::Displacement first;
  first.AtomNumbers = {1, 3, 1, 2};  // atom 1 twice: the first vector stays
  first.Vectors = {{0.1, 0, 0, 1}, {0.3, 0, 0, 1}, {0.9, 0, 0, 1}};  // one vector short
  NormalModes::Displacement unmatched;
  unmatched.AtomNumbers = {7};
  unmatched.Vectors = {{1, 1, 1, 1}};
  NormalModes::Displacement third;
  third.AtomNumbers = {2};
  third.Vectors = {{0, 0.5, 0, 1}};
  modes.Displacements = {first, unmatched, third};
  return file;
}

}  // namespace

TEST(ToMolGL, ModesUseOnlyTheEntriesEveryTableHas) {
  MolFile file = FileWithModes(" +1x");  // read as 1, as atoi would
  MolGL model;
  file.ToMolGL(model);
  ASSERT_EQ(model.Modes.size(), 2u);  // mode 2 matches no atom, mode 4 has no tables
  const NormalMode& first = model.Modes[0];
  EXPECT_EQ(first.ModeNumber, 1);
  EXPECT_EQ(first.Frequency, static_cast<double>(1234.56f));
  EXPECT_FALSE(first.Animate);
  ASSERT_EQ(first.Displacements.size(), 2u);
  EXPECT_EQ(first.Displacements.at(0).x, 0.1);
  EXPECT_EQ(first.Displacements.at(2).x, 0.3);
  EXPECT_EQ(model.Modes[1].ModeNumber, 3);
  EXPECT_EQ(model.Atoms[model.Modes[1].Displacements.begin()->first].Id, 1);
}

TEST(ToMolGL, ElementLabelsGiveNoModes) {
  MolFile file = FileWithModes("C1");
  for (auto& [id, label] : file.AtomIds.Labels) label = "H" + std::to_string(id + 1);
  MolGL model;
  file.ToMolGL(model);
  EXPECT_TRUE(model.Modes.empty());
}

TEST(ToMolGL, RebuildingKeepsTheDisplayParameters) {
  MolGL model;
  model.ModelType = WIRE_COLORED;
  model.BondColor = {0.1f, 0.2f, 0.3f, 1.0f};
  model.SphereSlices = 32;
  model.ElementData.Radii[6] = 10.0;
  model.AtomRadii[1] = 2.0;
  model.NMMagnitude = 3.0;
  model.Atoms = {MakeAtom(0, 8, 0, 0, 0)};
  model.AutoBond();
  MolFile file = ThreeAtomZMatrix();
  file.ToMolGL(model);
  EXPECT_EQ(model.ModelType, WIRE_COLORED);
  EXPECT_FLOAT_EQ(model.BondColor.g, 0.2f);
  EXPECT_EQ(model.SphereSlices, 32);
  EXPECT_EQ(model.ElementData.Radii.at(6), 10.0);
  EXPECT_EQ(model.AtomRadii.at(1), 2.0);
  EXPECT_EQ(model.NMMagnitude, 3.0);
  EXPECT_EQ(model.Atoms.size(), 3u);
  EXPECT_EQ(model.Bonds.size(), 2u);
}
