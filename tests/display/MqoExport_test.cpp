// Metasequoia documents: the fixed chunks, materials, object names and the
// three meshes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "TestModels.h"
#include "display/MqoMeshes.h"
#include "display/SceneExport.h"
#include "platform/Numbers.h"
#include "tests/CommaLocale.h"

namespace {

using Lines = std::vector<std::string>;

SceneExportChoice Selecting(std::vector<MolGL>& models, std::size_t index = 0) {
  SceneExportChoice choice;
  choice.Selected = &models[index];
  return choice;
}

std::vector<std::string> ObjectNames(const Lines& lines) {
  std::vector<std::string> names;
  for (const std::string& line : lines)
    if (line.starts_with("Object ")) names.push_back(line);
  return names;
}

// The vertices and faces of one mesh, read back from its chunks.
struct Mesh {
  std::vector<Position<double>> Vertices;
  std::vector<std::vector<int>> Faces;
  std::vector<int> Materials;
};

Mesh ReadMesh(const Lines& lines) {
  Mesh mesh;
  std::size_t i = 0;
  const std::size_t vertexCount = ReadUnsigned(lines.at(i++).substr(std::string("\tvertex ").size()));
  for (std::size_t k = 0; k < vertexCount; ++k) {
    const std::string& line = lines.at(i++);
    std::size_t at = 0, used = 0;
    Position<double> p;
    p.x = ReadDouble(line.substr(at), &used), at += used;
    p.y = ReadDouble(line.substr(at), &used), at += used;
    p.z = ReadDouble(line.substr(at), &used);
    mesh.Vertices.push_back(p);
  }
  EXPECT_EQ(lines.at(i++), "\t}");
  const std::size_t faceCount = ReadUnsigned(lines.at(i++).substr(std::string("\tface ").size()));
  for (std::size_t k = 0; k < faceCount; ++k) {
    const std::string& line = lines.at(i++);
    EXPECT_TRUE(line.ends_with(") ")) << line;
    const std::size_t open = line.find("V(");
    std::vector<int> face;
    std::size_t at = open + 2, used = 0;
    const int count = ReadInt(line.substr(2));
    for (int v = 0; v < count; ++v) face.push_back(ReadInt(line.substr(at), &used)), at += used;
    mesh.Faces.push_back(face);
    mesh.Materials.push_back(ReadInt(line.substr(line.find("M(") + 2)));
  }
  EXPECT_EQ(lines.at(i++), "\t}");
  EXPECT_EQ(i, lines.size());
  return mesh;
}

Mesh MeshOf(const std::function<void(ExportObject&)>& write) {
  ExportObject object;
  write(object);
  Lines lines;
  EXPECT_TRUE(object.AppendTo(lines));
  return ReadMesh(lines);
}

// Seen from outside, a face runs clockwise: its right-hand normal points
// towards `inside`.
void ExpectClockwiseFromOutside(const Mesh& mesh, const std::function<Position<double>(const Position<double>&)>& inside) {
  for (const auto& face : mesh.Faces) {
    for (const int v : face) ASSERT_LT(static_cast<std::size_t>(v), mesh.Vertices.size());
    Position<double> centre;
    for (const int v : face) centre = centre + mesh.Vertices[v] / static_cast<int>(face.size());
    centre.w = 1.0;
    // Newell's normal, sound for quads and for triangles with a repeated corner.
    Position<double> n;
    for (std::size_t k = 0; k < face.size(); ++k) {
      const Position<double>& a = mesh.Vertices[face[k]];
      const Position<double>& b = mesh.Vertices[face[(k + 1) % face.size()]];
      n.x += (a.y - b.y) * (a.z + b.z);
      n.y += (a.z - b.z) * (a.x + b.x);
      n.z += (a.x - b.x) * (a.y + b.y);
    }
    const Position<double> in = inside(centre) - centre;
    EXPECT_GT(n.x * in.x + n.y * in.y + n.z * in.z, 0.0);
  }
}

}  // namespace

TEST(MqoMeshes, SphereCountsOrderAndOrientation) {
  const Position<double> centre{1.0, 2.0, 3.0, 1.0};
  const Mesh sphere = MeshOf([&](ExportObject& o) { WriteMqoSphere(o, centre, 0.5f, 4, 18, 9); });
  EXPECT_EQ(sphere.Vertices.size(), 146u);
  EXPECT_EQ(sphere.Faces.size(), 162u);
  EXPECT_TRUE(std::all_of(sphere.Materials.begin(), sphere.Materials.end(), [](int m) { return m == 4; }));
  for (const auto& v : sphere.Vertices) EXPECT_NEAR(VectorLength(v - centre), 0.5, 1e-4);
  EXPECT_NEAR(sphere.Vertices.front().z, 3.5, 1e-9);
  EXPECT_NEAR(sphere.Vertices.back().z, 2.5, 1e-9);
  ExpectClockwiseFromOutside(sphere, [&](const Position<double>&) { return centre; });

  ExportObject small;
  WriteMqoSphere(small, {}, 1.0f, 2, 4, 2);
  Lines lines;
  small.AppendTo(lines);
  const Lines faces(lines.end() - 10, lines.end());
  EXPECT_EQ(faces, (Lines{"\tface 8 {", "\t\t3 V(0 2 1) M(2) ", "\t\t3 V(0 3 2) M(2) ", "\t\t3 V(0 4 3) M(2) ",
                          "\t\t3 V(0 1 4) M(2) ", "\t\t3 V(1 2 5) M(2) ", "\t\t3 V(2 3 5) M(2) ",
                          "\t\t3 V(3 4 5) M(2) ", "\t\t3 V(4 1 5) M(2) ", "\t}"}));
  EXPECT_EQ(lines[1], "\t\t0.0000 0.0000 1.0000");
  EXPECT_EQ(lines[2], "\t\t1.0000 0.0000 0.0000");
}

TEST(MqoMeshes, ResolutionBelowAClosedMeshIsRaised) {
  for (const auto& [slices, stacks] : {std::pair{0, 0}, {1, 1}, {-5, 9}, {18, -1}}) {
    const Mesh sphere = MeshOf([&](ExportObject& o) { WriteMqoSphere(o, {}, 1.0f, 2, slices, stacks); });
    ExpectClockwiseFromOutside(sphere, [](const Position<double>&) { return Position<double>{}; });
  }
  const Mesh cylinder =
      MeshOf([](ExportObject& o) { WriteMqoCylinder(o, {}, {0.0, 0.0, 1.0, 1.0}, 0.1f, 1, 1, 0); });
  EXPECT_EQ(cylinder.Vertices.size(), 9u);
}

TEST(MqoMeshes, CylinderHalvesAndArrowShape) {
  const Position<double> p1{1.0, 1.0, 1.0, 1.0}, p2{1.0, 3.0, 1.0, 1.0};
  const Mesh cylinder = MeshOf([&](ExportObject& o) { WriteMqoCylinder(o, p1, p2, 0.2f, 3, 5, 8); });
  EXPECT_EQ(cylinder.Vertices.size(), 24u);
  ASSERT_EQ(cylinder.Faces.size(), 16u);
  for (std::size_t u = 0; u < 16; ++u) EXPECT_EQ(cylinder.Materials[u], u < 8 ? 3 : 5) << u;
  EXPECT_EQ(cylinder.Faces[7], (std::vector<int>{0, 7, 15, 8}));
  EXPECT_EQ(cylinder.Faces[15], (std::vector<int>{8, 15, 23, 16}));
  for (std::size_t q = 0; q < 3; ++q) {
    for (std::size_t j = 0; j < 8; ++j) {
      const Position<double>& v = cylinder.Vertices[q * 8 + j];
      EXPECT_NEAR(v.y, 1.0 + q, 1e-4);
      EXPECT_NEAR(std::hypot(v.x - 1.0, v.z - 1.0), 0.2, 1e-4);
    }
  }
  ExpectClockwiseFromOutside(cylinder, [&](const Position<double>& c) { return Position<double>{1.0, c.y, 1.0, 1.0}; });

  const Position<double> start{0.0, 0.0, 1.0, 1.0};
  const Mesh arrow = MeshOf([&](ExportObject& o) { WriteMqoArrow(o, start, {0.0, 0.0, -2.0, 1.0}, 0.1f, 0, 8); });
  EXPECT_EQ(arrow.Vertices.size(), 26u);
  EXPECT_EQ(arrow.Faces.size(), 32u);
  EXPECT_NEAR(arrow.Vertices.back().z, 1.0 - 2.2, 1e-4) << "the tip lies 2r beyond the vector";
  EXPECT_NEAR(arrow.Vertices[9].z, 1.0 - 1.8, 1e-4);
  EXPECT_NEAR(std::hypot(arrow.Vertices[17].x, arrow.Vertices[17].y), 0.2, 1e-4);
  // Just behind a face on the axis, towards the tip, lies inside the arrow.
  ExpectClockwiseFromOutside(arrow,
                             [&](const Position<double>& c) { return Position<double>{0.0, 0.0, c.z - 0.01, 1.0}; });
}

TEST(MqoDocument, HeaderMaterialsAndObjectNames) {
  std::vector<MolGL> models = {BentWater(), BentWater()};
  models[1].Atoms.push_back(MakeAtom(9, 6, 0.0, 0.0, 3.0));
  models[0].ElementData.Colors[8] = {1.0f, 0.0f, 0.0f, 1.0f};
  models[0].ElementData.Colors.erase(6);
  SceneExportChoice choice = Selecting(models);
  choice.ShowModeArrows = true;
  choice.SelectedMode = 7;
  const Lines lines = BuildMqoDocument(models, choice, 20.0f);
  const Lines head = {"Metasequoia Document",
                      "Format Text Ver 1.0",
                      "",
                      "Scene {",
                      "\tpos 0.0000 0.0000 20.000000",
                      "\tlookat 0.0000 0.0000 0.0000",
                      "\thead -0.5236",
                      "\tpich 0.5236",
                      "\tortho 0",
                      "\tzoom2 20.0000",
                      "\tamb 0.250 0.250 0.250",
                      "}",
                      "Material 5 {",
                      "\t\"arrow\" col(1.000 0.000 0.000 1.000) dif(0.800) amb(0.600) emi(0.000) spc(0.000) power(5.00)",
                      "\t\"bond\" col(0.750 0.750 0.750 1.000)  dif(0.800) amb(0.600) emi(0.000) spc(0.000) power(5.00)"};
  ASSERT_GT(lines.size(), head.size() + 4);
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + head.size()), head);
  EXPECT_TRUE(lines[15].starts_with("\t\"col2-1\" col(")) << lines[15];
  EXPECT_EQ(lines[16], "\t\"col3-6\" col(0.000 0.000 0.000 1.000)  dif(0.800) amb(0.600) emi(0.000) spc(0.000) power(5.00)")
      << "the carbon of another model, without a colour in the selected one's table";
  EXPECT_EQ(lines[17], "\t\"col4-8\" col(1.000 0.000 0.000 1.000)  dif(0.800) amb(0.600) emi(0.000) spc(0.000) power(5.00)");
  EXPECT_EQ(lines[18], "}");
  EXPECT_EQ(lines.back(), "Eof");
  EXPECT_EQ(models[0].ElementData.Colors.count(6), 0u) << "looking up adds nothing to the table";
  EXPECT_EQ(models[1].ExportIndex, 1);
  EXPECT_EQ(models[1].MaterialIndex, (std::map<std::int32_t, std::uint32_t>{{1, 2}, {6, 3}, {8, 4}}));

  EXPECT_EQ(ObjectNames(lines),
            (Lines{"Object \"M0BndO1H5\" {", "Object \"M0BndO1H3\" {", "Object \"M0-O1\" {", "Object \"M0-H5\" {",
                   "Object \"M0-H3\" {", "Object \"M0NM7O1\" {", "Object \"M0NM7H3\" {"}))
      << "only the selected model; no arrow for an atom at rest";
  const auto atom = std::find(lines.begin(), lines.end(), "Object \"M0-O1\" {");
  EXPECT_EQ(Lines(atom + 1, atom + 8), (Lines{"\tvisible 15", "\tlocking 0", "\tshading 1",
                                              "\tcolor 1.000000 0.000000 0.000000", "\tcolor_type 0",
                                              "\ttranslation 0.0 0.0 0.0", "\tvertex 146 {"}));
  const auto face = std::find(atom, lines.end(), "\tface 162 {");
  ASSERT_NE(face, lines.end());
  EXPECT_EQ(face[1], "\t\t3 V(0 2 1) M(4) ") << "oxygen's material";

  choice.ShowOnlySelected = false;
  const Lines both = BuildMqoDocument(models, choice, 20.0f);
  EXPECT_EQ(ObjectNames(both).size(), 7u + 6u);
  EXPECT_NE(std::find(both.begin(), both.end(), "Object \"M1-C9\" {"), both.end());
}

TEST(MqoDocument, ModelsDummiesAndMaterialsOfBonds) {
  std::vector<MolGL> models = {BentWater(SPACE_FILLING)};
  const auto objects = [&] { return ObjectNames(BuildMqoDocument(models, Selecting(models), 20.0f)); };
  EXPECT_EQ(objects().size(), 3u) << "atoms only";
  models[0].ModelType = WIRE;
  EXPECT_EQ(objects(), (Lines{"Object \"M0BndO1H5\" {", "Object \"M0BndO1H3\" {"}));

  models[0].Atoms[1].AtomicNumber = 0;
  models[0].ModelType = BALL_AND_STICK;
  EXPECT_EQ(objects()[2], "Object \"M0-O1\" {");
  EXPECT_EQ(objects()[3], "Object \"M0-5\" {") << "a dummy atom has no symbol";
  models[0].ShowDummyAtoms = false;
  EXPECT_EQ(objects(), (Lines{"Object \"M0BndO1H3\" {", "Object \"M0-O1\" {", "Object \"M0-H3\" {"}));

  models[0].ShowDummyAtoms = true;
  models[0].Atoms[2].Position = {0.0001, 0.0, 0.0, 1.0};
  models[0].Bonds.push_back({1, 9});
  EXPECT_EQ(objects().size(), 1u + 3u) << "no bond too short to orient, none past the atoms";

  // Faces of a coloured model's bond take their halves' element materials.
  models[0] = BentWater(WIRE_COLORED);
  const Lines lines = BuildMqoDocument(models, Selecting(models), 20.0f);
  const auto faces = std::find(lines.begin(), lines.end(), "\tface 16 {");
  ASSERT_NE(faces, lines.end());
  EXPECT_EQ(faces[1], "\t\t4 V(1 0 8 9) M(3) ");
  EXPECT_EQ(faces[16], "\t\t4 V(8 15 23 16) M(2) ");
  EXPECT_EQ(faces[-25], "\t\t0.0000 0.0000 -0.0120") << "a tube a tenth of the bond radius";
}

TEST(MqoDocument, TranslationMovesVerticesRotationDoesNot) {
  std::vector<MolGL> models = {BentWater(SPACE_FILLING)};
  models[0].Atoms.resize(1);
  const Lines still = BuildMqoDocument(models, Selecting(models), 20.0f);
  for (double& e : models[0].RotMatrix.Element) e = 0.5;
  EXPECT_EQ(BuildMqoDocument(models, Selecting(models), 20.0f), still);
  models[0].Position = {1.0, 0.0, 0.0, 1.0};
  const Lines moved = BuildMqoDocument(models, Selecting(models), 20.0f);
  EXPECT_EQ(moved[25], "\t\t1.0000 0.0000 1.4000") << "the top of oxygen's van der Waals sphere";

  EXPECT_TRUE(BuildMqoDocument(models, {}, 20.0f).empty()) << "nothing without a selected model";
}

TEST(MqoDocument, NoArrowsOfZeroOrEndlessLength) {
  std::vector<MolGL> models = {BentWater()};
  SceneExportChoice choice = Selecting(models);
  choice.ShowModeArrows = true;
  choice.SelectedMode = 7;
  models[0].ShowMolecule = false;
  EXPECT_EQ(ObjectNames(BuildMqoDocument(models, choice, 20.0f)).size(), 2u) << "a hidden molecule keeps its arrows";
  for (const float magnitude : {0.0f, std::numeric_limits<float>::infinity()}) {
    choice.ArrowMagnitude = magnitude;
    const Lines lines = BuildMqoDocument(models, choice, 20.0f);
    EXPECT_TRUE(ObjectNames(lines).empty()) << magnitude;
    for (const std::string& line : lines) EXPECT_EQ(line.find("nan"), std::string::npos);
  }
}

TEST(MqoDocument, SameTextInACommaLocale) {
  std::vector<MolGL> models = {BentWater()};
  const Lines expected = BuildMqoDocument(models, Selecting(models), 20.0f);
  CommaLocale locale;
  if (!locale.Active()) GTEST_SKIP() << "no locale with a decimal comma can be made here";
  EXPECT_EQ(BuildMqoDocument(models, Selecting(models), 20.0f), expected);
}
