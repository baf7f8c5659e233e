#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "molfile/MolFile.h"

namespace fs = std::filesystem;

namespace {

class MolFileFiles : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quivera-molfile-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& bytes) {
    const std::string path = (dir_ / ("f" + std::to_string(count_++))).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  static std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::vector<std::string> LoadLines(const std::string& bytes) {
    MolFile file;
    file.FileType = GAUSSIAN_OUTPUT_RESERVED;
    EXPECT_TRUE(file.Load(Write(bytes).c_str()));
    return file.Lines;
  }

  fs::path dir_;
  int count_ = 0;
};

using V = std::vector<std::string>;

MolFile Water(std::int32_t type) {
  MolFile file;
  file.FileType = type;
  EXPECT_TRUE(file.Load(QUIVERA_EXAMPLES "/water.out"));
  return file;
}

bool SameTables(const MolFile& a, const MolFile& b) {
  const NormalModes &m = a.ModeData, &n = b.ModeData;
  return a.AtomIds.Ids == b.AtomIds.Ids && a.AtomIds.Labels == b.AtomIds.Labels &&
         a.AtomIds.AtomicNumbers == b.AtomIds.AtomicNumbers && a.AtomIds.Kinds == b.AtomIds.Kinds &&
         a.AtomIds.LineIndexes == b.AtomIds.LineIndexes &&
         a.AtomIds.Connections == b.AtomIds.Connections &&
         a.CartesianData.Count == b.CartesianData.Count &&
         a.CartesianData.Positions.size() == b.CartesianData.Positions.size() &&
         m.ModeNumbers == n.ModeNumbers && m.Symmetries == n.Symmetries &&
         m.Frequencies == n.Frequencies && m.IRIntensities == n.IRIntensities &&
         m.RamanActivities == n.RamanActivities && m.Displacements.size() == n.Displacements.size();
}

bool TablesEmpty(const MolFile& f) {
  return f.AtomIds.Ids.empty() && f.AtomIds.Labels.empty() && f.AtomIds.AtomicNumbers.empty() &&
         f.AtomIds.Kinds.empty() && f.AtomIds.LineIndexes.empty() && f.AtomIds.Connections.empty() &&
         f.CartesianData.Count == 0 && f.CartesianData.Positions.empty() &&
         f.ZMatrixData.Count == 0 && f.ZMatrixData.Variables.empty() &&
         f.ZMatrixData.Bonds.empty() && f.ModeData.ModeNumbers.empty() &&
         f.ModeData.Frequencies.empty() && f.ModeData.Displacements.empty() && f.Charge == 0 &&
         f.Multiplicity == 1;
}

}  // namespace

TEST_F(MolFileFiles, LoadSplitsAtLineFeedsAndDropsCarriageReturns) {
  EXPECT_EQ(LoadLines("a\nb"), (V{"a", "b"}));
  EXPECT_EQ(LoadLines("a\nb\n"), (V{"a", "b", ""}));
  EXPECT_EQ(LoadLines("a\r\nb"), (V{"a", "b"}));
  EXPECT_EQ(LoadLines("a\rb"), (V{"ab"}));
  EXPECT_EQ(LoadLines(""), (V{""}));
  EXPECT_EQ(LoadLines("\n\n"), (V{"", "", ""}));
  EXPECT_EQ(LoadLines(std::string("a\0b\n", 4)), (V{std::string("a\0b", 3), ""}));
  // Lines and line ends that straddle the reading blocks.
  const std::string longLine(100000, 'x');
  EXPECT_EQ(LoadLines(longLine + "\r\n" + longLine), (V{longLine, longLine}));
  const std::string edge(65535, 'y');
  EXPECT_EQ(LoadLines(edge + "\r\nz\r"), (V{edge, "z"}));
}

TEST_F(MolFileFiles, LoadAppendsSetsPathAndParses) {
  const std::string path = Write(
      "                         Standard orientation:\n"
      " ---------------------------------------------------------------------\n"
      " Center     Atomic      Atomic             Coordinates (Angstroms)\n"
      " Number     Number       Type             X           Y           Z\n"
      " ---------------------------------------------------------------------\n"
      "      1          8           0        0.000000    0.000000    0.119262\n");
  MolFile file;
  file.FileType = GAUSSIAN_OUTPUT;
  file.Lines = {"earlier"};
  ASSERT_TRUE(file.Load(path.c_str()));
  EXPECT_EQ(file.Path, path);
  EXPECT_EQ(file.Lines.size(), 8u);
  EXPECT_EQ(file.Lines[0], "earlier");
  ASSERT_EQ(file.AtomIds.Ids.size(), 1u);
  EXPECT_EQ(file.AtomIds.LineIndexes.at(0), 6u);  // counted from the first line held
}

TEST_F(MolFileFiles, LoadFailureChangesNothing) {
  MolFile file = Water(GAUSSIAN_OUTPUT);
  const MolFile before = file;
  EXPECT_FALSE(file.Load((dir_ / "missing").c_str()));
  EXPECT_FALSE(file.Load(dir_.c_str()));  // a directory opens as a stream but holds no text
  // A regular file whose reading fails part way (here at once, with EIO).
  if (fs::exists("/proc/self/mem")) {
    EXPECT_FALSE(file.Load("/proc/self/mem"));
  }
  EXPECT_EQ(file.Path, before.Path);
  EXPECT_EQ(file.Lines, before.Lines);
  EXPECT_TRUE(SameTables(file, before));
}

TEST_F(MolFileFiles, SaveWritesLineEndsBetweenLines) {
  MolFile file;
  const std::string path = (dir_ / "out").string();
  file.Lines = {"a", ""};
  ASSERT_TRUE(file.Save(path.c_str()));
  EXPECT_EQ(Bytes(path), "a\n");
  file.Lines = {"a", "b"};
  ASSERT_TRUE(file.Save(path.c_str()));
  EXPECT_EQ(Bytes(path), "a\nb");  // emptied first
  file.Lines = {};
  ASSERT_TRUE(file.Save(path.c_str()));
  EXPECT_EQ(Bytes(path), "");
}

TEST_F(MolFileFiles, LoadAndSaveKeepTheBytes) {
  for (const std::string bytes : {"a\nb\n", "a\nb", "", "\n\n", "x\n\n\ny", "a\r\nb\r\n"}) {
    MolFile file;
    file.FileType = GAUSSIAN_OUTPUT_RESERVED;
    ASSERT_TRUE(file.Load(Write(bytes).c_str()));
    const std::string path = (dir_ / "again").string();
    ASSERT_TRUE(file.Save(path.c_str()));
    std::string expected = bytes;
    std::erase(expected, '\r');
    EXPECT_EQ(Bytes(path), expected);
    // And again: nothing grows from one save to the next.
    MolFile second;
    second.FileType = GAUSSIAN_OUTPUT_RESERVED;
    ASSERT_TRUE(second.Load(path.c_str()));
    ASSERT_TRUE(second.Save(path.c_str()));
    EXPECT_EQ(Bytes(path), expected);
  }
}

TEST_F(MolFileFiles, SaveReportsFailures) {
  MolFile file;
  file.Lines = {"a", "b"};
  EXPECT_FALSE(file.Save((dir_ / "no" / "such").c_str()));
  EXPECT_FALSE(file.Save(dir_.c_str()));
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  EXPECT_FALSE(file.Save("/dev/full"));  // the open succeeds, the write does not
}

TEST(MolFileParse, TypesWithoutAReaderLeaveTheTablesEmpty) {
  for (const std::int32_t type : {std::int32_t{GAUSSIAN_OUTPUT_RESERVED}, 0, 99, -1}) {
    MolFile file = Water(GAUSSIAN_OUTPUT);
    file.AtomIds.Connections.emplace(0, "2");
    file.Charge = -1;  // an output's, not to be written into a later conversion
    file.Multiplicity = 2;
    const std::vector<std::string> lines = file.Lines;
    file.FileType = type;
    file.Parse();
    EXPECT_TRUE(TablesEmpty(file)) << type;
    EXPECT_EQ(file.Lines, lines);
  }
}

TEST(MolFileParse, TwiceIsOnce) {
  for (const std::int32_t type : {GAUSSIAN_OUTPUT, GAUSSIAN_OUTPUT_ANIMATION}) {
    const MolFile once = Water(type);
    MolFile twice = once;
    twice.Parse();
    EXPECT_TRUE(SameTables(once, twice)) << type;
    EXPECT_EQ(twice.AtomIds.Ids.size(), 3u);
    EXPECT_EQ(twice.ModeData.ModeNumbers.size(), 3u);
  }
}

TEST(MolFileParse, HasZMatrixAtoms) {
  MolFile file;
  EXPECT_FALSE(file.HasZMatrixAtoms());
  file.AtomIds.Ids = {0, 1, 2};
  file.AtomIds.Kinds = {{0, CARTESIAN}, {1, CARTESIAN}};
  EXPECT_FALSE(file.HasZMatrixAtoms());  // an atom without a kind is not a Z-matrix atom
  EXPECT_EQ(file.AtomIds.Kinds.size(), 2u);
  file.AtomIds.Kinds[2] = ZMATRIX;
  EXPECT_TRUE(file.HasZMatrixAtoms());
}

TEST(MolFileParse, ClearKeepsOnlyTheFileType) {
  MolFile file = Water(GAUSSIAN_OUTPUT);
  file.Name = "water";
  file.ZMatrixData.Variables[0] = {-1, "R1", false, 1.0};
  file.Clear();
  EXPECT_EQ(file.FileType, GAUSSIAN_OUTPUT);
  EXPECT_TRUE(file.Name.empty());
  EXPECT_TRUE(file.Path.empty());
  EXPECT_TRUE(file.Lines.empty());
  EXPECT_TRUE(TablesEmpty(file));
}
