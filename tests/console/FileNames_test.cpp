// Parts of file names, and the roads that names and filters choose.
#include <gtest/gtest.h>

#include "console/model/FileNames.h"
#include "console/model/OpenRoads.h"
#include "molfile/MolFile.h"

namespace {

TEST(FileNames, TheExtensionComesFromTheLastComponentOnly) {
  EXPECT_EQ(ExtractFileExt("/data/water.out"), ".out");
  EXPECT_EQ(ExtractFileExt("a.b.gjf"), ".gjf");
  EXPECT_EQ(ExtractFileExt("dir.gjf/file"), "");
  EXPECT_EQ(ExtractFileExt(".gjf"), ".gjf");
  EXPECT_EQ(ExtractFileExt("/"), "");
  EXPECT_EQ(ExtractFileExt(""), "");
}

TEST(FileNames, NameAndFolderSplitAtTheLastSeparator) {
  EXPECT_EQ(ExtractFileName("/data/sub/water.out"), "water.out");
  EXPECT_EQ(ExtractFileName("water.out"), "water.out");
  EXPECT_EQ(ExtractFileName("/data/"), "");
  EXPECT_EQ(ExtractFileDir("/data/sub/water.out"), "/data/sub");
  EXPECT_EQ(ExtractFileDir("/water.out"), "/");
  EXPECT_EQ(ExtractFileDir("water.out"), "");
  EXPECT_EQ(ExtractFilePath("/data/sub/water.out"), "/data/sub/");
  EXPECT_EQ(ExtractFilePath("/water.out"), "/");
  EXPECT_EQ(ExtractFilePath("water.out"), "");
}

TEST(OpenRoads, TheCommandLineComparesExtensionsExactly) {
  EXPECT_EQ(ChoiceForArgument("a.gjf")->FileType, GAUSSIAN_INPUT);
  EXPECT_EQ(ChoiceForArgument("sub/a.out")->FileType, GAUSSIAN_OUTPUT);
  EXPECT_EQ(ChoiceForArgument("a.qva")->Road, OpenRoad::Animation);
  for (const char* name : {"a.GJF", "a.Out", "a.gjc", "a.com", "a.mop", "a.xyz", "a", "dir.gjf/file"}) {
    EXPECT_FALSE(ChoiceForArgument(name).has_value()) << name;
  }
}

TEST(OpenRoads, PassesReadTestOnlyForRegularFiles) {
  EXPECT_FALSE(PassesReadTest("/"));
  EXPECT_FALSE(PassesReadTest("/dev/null"));
  EXPECT_FALSE(PassesReadTest("/no/such/file"));
  EXPECT_TRUE(PassesReadTest(QUIVERA_EXAMPLES "/water.out"));
}

}  // namespace
