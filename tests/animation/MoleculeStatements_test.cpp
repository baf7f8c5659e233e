// %FILE, %MOL, %BOND, %COLOR, %ATOMCOLOR, %ATOMRADIUS and %MODELTYPE.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProjectFolder.h"
#include "animation/MolAnimation.h"
#include "display/MolGL.h"
#include "molfile/MolFile.h"

namespace {

class MoleculeStatements : public ::testing::Test {
 protected:
  void SetUp() override {
    animation.MolFiles = &files;
    animation.MolGLs = &models;
  }
  // Loads a project of `statements`, which name files beside it.
  void Load(const std::string& statements) {
    animation.Clear();
    ASSERT_TRUE(animation.Load(folder.Write("sub/a.qva", statements + "%CONTINUE 1\n")));
  }
  void Run(std::string_view statement) {
    std::vector<std::string> tokens;
    MolAnimation::Tokenize(statement, tokens);
    animation.ParseLine(tokens);
  }
  std::vector<std::pair<std::uint32_t, std::uint32_t>> BondsOf(std::uint32_t id) const {
    const auto& bonds = animation.Bonds.at(id);
    return {bonds.begin(), bonds.end()};
  }

  ProjectFolder folder;
  std::vector<MolFile> files = std::vector<MolFile>(1);  // one molecule loaded before
  std::vector<MolGL> models = std::vector<MolGL>(1);
  MolAnimation animation;
};

using Pairs = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

}  // namespace

TEST_F(MoleculeStatements, FilesAreFoundBesideTheProjectAndAppended) {
  folder.Write("sub/a.gjf", TwoAtomInput);
  folder.Write("sub/my b.gjf", TwoAtomInput);
  Load(
      "%FILE 1 GJF a.gjf\n"
      "%FILE 2 GI \"my b.gjf\" 1 2 3\n"
      "%FILE 3 GAUSSIAN_INPUT a.gjf 0 1 0 -1 0 0 0 0 1\n"
      "%FILE 4 GJF a.gjf 1 2\n"        // two numbers: not placed
      "%FILE 5 GJF missing.gjf\n"      // appends nothing
      "%FILE 6 XYZ a.gjf\n"            // unknown type: a molecule without atoms
      "%FILE 7 GJF\n");                // no file named
  EXPECT_EQ(animation.FileIndex,
            (std::map<std::uint32_t, std::int32_t>{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, -1}, {6, 5}, {7, -1}}));
  ASSERT_EQ(files.size(), 6u);
  ASSERT_EQ(models.size(), 6u);
  EXPECT_EQ(files[1].FileType, GAUSSIAN_INPUT);
  EXPECT_EQ(files[1].Path, folder.PathOf("sub/a.gjf"));
  EXPECT_EQ(models[1].Atoms.size(), 2u);
  EXPECT_EQ(animation.FileNames.at(2), "my b.gjf");
  EXPECT_EQ(models[2].Position.x, 1);
  EXPECT_EQ(models[2].Position.z, 3);
  // The rows of the rotation in reading order.
  const double* m = models[3].RotMatrix.Element;
  EXPECT_EQ((std::vector<double>(m, m + 7)), (std::vector<double>{0, -1, 0, 0, 1, 0, 0}));
  EXPECT_EQ(models[4].Position.x, 0);
  EXPECT_EQ(files[5].FileType, 0);
  EXPECT_TRUE(models[5].Atoms.empty());
  EXPECT_EQ(animation.ModelTypes.at(7), static_cast<std::uint32_t>(GAUSSIAN_INPUT));
  EXPECT_EQ(animation.ModelTypes.at(6), 0u);
}

TEST_F(MoleculeStatements, FilePathsAreListedAbsoluteAndClean) {
  folder.Write("sub/a.gjf", TwoAtomInput);
  folder.Write("real/x.gjf", TwoAtomInput);
  std::filesystem::create_directories(folder.Root / "real/deep");
  std::filesystem::create_directory_symlink(folder.Root / "real/deep", folder.Root / "link");
  Load(
      "%FILE 1 GJF ../sub/./a.gjf\n"
      "%FILE 2 GJF ../link/../x.gjf\n");  // the system finds real/x.gjf
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[1].Path, folder.PathOf("sub/a.gjf"));
  // Cleaned, the name would lose the link's step and name no file.
  EXPECT_EQ(files[2].Path, folder.PathOf("sub/../link/../x.gjf"));
  EXPECT_EQ(models[2].Atoms.size(), 2u);

  // A project named relative to the current folder lists its files absolute.
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder.Root);
  animation.Clear();
  const bool loaded = animation.Load("sub/../sub/a.qva");
  std::filesystem::current_path(before);
  ASSERT_TRUE(loaded);
  ASSERT_EQ(files.size(), 5u);
  EXPECT_EQ(files[3].Path, folder.PathOf("sub/a.gjf"));
  EXPECT_EQ(files[4].Path, folder.PathOf("sub/../sub/../link/../x.gjf"));
}

TEST_F(MoleculeStatements, IdsKeepTheLow32BitsOfTheNumberWritten) {
  for (const char* statement : {"%MOL 4294967296 1", "%MOL 4294967297 2", "%MOL 2147483648 3",
                                "%MOL -2 4", "%MOL 4294967295 5", "%MOL 2147483647 6"})
    Run(statement);
  EXPECT_EQ(animation.AtomCounts, (std::map<std::uint32_t, std::uint32_t>{
                                      {0, 1}, {1, 2}, {2147483647, 6}, {2147483648u, 3}, {4294967294u, 4}, {4294967295u, 5}}));
  Run("%MOL 7 -4294967295");  // a count wraps as an id does
  EXPECT_EQ(animation.AtomCounts.at(7), 1u);
}

TEST_F(MoleculeStatements, AtomColoursReachOnlyLaterFiles) {
  folder.Write("sub/a.gjf", TwoAtomInput);
  Load(
      "%ATOMCOLOR 8 #0000FF 150\n"
      "%ATOMRADIUS 1 -5\n"
      "%FILE 1 GJF a.gjf\n"
      "%ATOMCOLOR 8 #FF0000\n"
      "%FILE 2 GJF a.gjf\n");
  const auto& before = models[1].ElementData;
  EXPECT_EQ(before.Colors.at(8).b, 1.0f);
  EXPECT_EQ(before.Radii.at(8), 150);
  EXPECT_EQ(before.Radii.at(1), -5);  // no sign test here
  EXPECT_EQ(models[2].ElementData.Colors.at(8).r, 1.0f);
}

TEST_F(MoleculeStatements, BondBitsArePackedOrAFullMatrix) {
  Run("%MOL 1 3 010");
  Run("%MOL 2 3 000001000");
  Run("%MOL 3 3 1");
  Run("%MOL 4 3 110");
  Run("%BOND 4 001");  // the first set stays
  Run("%BOND 5 1");    // count 0 before %MOL: an empty set that stays
  Run("%MOL 5 2 1");
  Run("%MOL 6 3 1x1");
  EXPECT_EQ(BondsOf(1), (Pairs{{0, 2}}));
  EXPECT_EQ(BondsOf(2), (Pairs{{1, 2}}));
  EXPECT_EQ(BondsOf(3), (Pairs{{0, 1}}));
  EXPECT_EQ(BondsOf(4), (Pairs{{0, 1}, {0, 2}}));
  EXPECT_TRUE(BondsOf(5).empty());
  EXPECT_EQ(animation.AtomCounts.at(5), 2u);
  EXPECT_EQ(BondsOf(6), (Pairs{{0, 1}, {1, 2}}));
}

TEST_F(MoleculeStatements, AHugeParticleCountReadsOnlyTheBitsGiven) {
  // -1 is 4294967295 particles: the work follows the length of the string.
  Run("%MOL 1 -1 1011");
  EXPECT_EQ(animation.AtomCounts.at(1), 4294967295u);
  EXPECT_EQ(BondsOf(1), (Pairs{{0, 1}, {0, 3}, {0, 4}}));
  Run("%MOL 2 65536 1");
  EXPECT_EQ(BondsOf(2), (Pairs{{0, 1}}));
}

TEST_F(MoleculeStatements, ColoursAndRadiiOfParticles) {
  Run("%COLOR 6 #FF8000 170");
  const auto& carbon = animation.ParticleElements.Colors.at(6);
  EXPECT_EQ(carbon.r, 1.0f);
  EXPECT_EQ(carbon.g, 128 / 255.0f);
  EXPECT_EQ(carbon.b, 0.0f);
  EXPECT_EQ(animation.ParticleElements.Radii.at(6), 170);

  Run("%COLOR 7 FF8000 171");  // only the radius
  Run("%COLOR 8 #ff8000 -1");  // only the colour
  Run("%COLOR 9 #GG0000 172"); // not hexadecimal: the colour is refused
  Run("%COLOR 1 #FF80 173");   // too short
  const Elements fresh;
  const auto same = [&](std::uint32_t key) {
    const auto& a = animation.ParticleElements.Colors.at(key);
    const auto& b = fresh.Colors.at(key);
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
  };
  EXPECT_TRUE(same(7));
  EXPECT_EQ(animation.ParticleElements.Radii.at(7), 171);
  EXPECT_EQ(animation.ParticleElements.Colors.at(8).g, 128 / 255.0f);
  EXPECT_EQ(animation.ParticleElements.Radii.at(8), fresh.Radii.at(8));
  EXPECT_TRUE(same(9));
  EXPECT_EQ(animation.ParticleElements.Radii.at(9), 172);
  EXPECT_TRUE(same(1));
  // A radius a float cannot hold reads as 0, not as an infinite sphere.
  Run("%COLOR 5 #000000 1e48");
  EXPECT_EQ(animation.ParticleElements.Radii.at(5), 0);
  // The atom table is another table.
  EXPECT_EQ(animation.AtomElements.Radii.at(6), fresh.Radii.at(6));
}

TEST_F(MoleculeStatements, ModelTypesResetScaleAndRadiusFirst) {
  Run("%MODELTYPE 1 BALL&STICK 0.5 0.3");
  EXPECT_EQ(animation.ModelTypes.at(1), static_cast<std::uint32_t>(BALL_AND_STICK));
  EXPECT_EQ(animation.SphereScales.at(1), 0.5f);
  EXPECT_EQ(animation.StickRadii.at(1), 0.3f);
  Run("%MODELTYPE 1 STICK");
  EXPECT_EQ(animation.SphereScales.at(1), 0.2f);
  EXPECT_EQ(animation.StickRadii.at(1), 0.1f);
  Run("%MODELTYPE 1 STICK_COLORED 0.4 9");
  EXPECT_EQ(animation.StickRadii.at(1), 0.4f);
  EXPECT_EQ(animation.SphereScales.at(1), 0.2f);
  Run("%MODELTYPE 1 TUBE 5 5");
  EXPECT_EQ(animation.ModelTypes.at(1), static_cast<std::uint32_t>(STICK_COLORED));
  EXPECT_EQ(animation.StickRadii.at(1), 0.1f);
  Run("%MODELTYPE 2 SPACE_FILLING 3 4");
  EXPECT_EQ(animation.SphereScales.at(2), 3.0f);
  EXPECT_EQ(animation.StickRadii.at(2), 0.1f);
  Run("%MODELTYPE 3 ball&stick");
  EXPECT_EQ(animation.ModelTypes.count(3), 0u);
}
