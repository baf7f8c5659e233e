// Parts of file names, and the roads that names and filters choose.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

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
  const struct {
    const char* Name;
    OpenRoad Road;
    int FileType;
  } opened[] = {{"a.gjf", OpenRoad::Molecule, GAUSSIAN_INPUT},   {"a.com", OpenRoad::Molecule, GAUSSIAN_INPUT},
                {"sub/a.out", OpenRoad::Molecule, GAUSSIAN_OUTPUT}, {"a.log", OpenRoad::Molecule, GAUSSIAN_OUTPUT},
                {"a.qva", OpenRoad::Animation, 0}};
  for (const auto& c : opened) {
    const std::optional<OpenChoice> choice = ChoiceForArgument(c.Name);
    ASSERT_TRUE(choice.has_value()) << c.Name;
    EXPECT_EQ(choice->Road, c.Road) << c.Name;
    EXPECT_EQ(choice->FileType, c.FileType) << c.Name;
  }
  for (const char* name : {"a.GJF", "a.Out", "a.COM", "a.gjc", "a.mop", "a.xyz", "a", "dir.gjf/file", "a.com.bak"}) {
    EXPECT_FALSE(ChoiceForArgument(name).has_value()) << name;
  }
}

TEST(OpenRoads, PassesReadTestOnlyForRegularFiles) {
  EXPECT_FALSE(PassesReadTest("/"));
  EXPECT_FALSE(PassesReadTest("/dev/null"));
  EXPECT_FALSE(PassesReadTest("/no/such/file"));
  EXPECT_TRUE(PassesReadTest(QUIVERA_EXAMPLES "/water.out"));
}

TEST(OpenRoads, AFileTheUserMayNotReadFailsTheReadTest) {
  // Root reads every file: the test runs as an ordinary user.
  char folder[] = "/tmp/quivera-read-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  ASSERT_EQ(chmod(folder, 0755), 0);
  const std::string locked = std::string(folder) + "/locked.gjf";
  const std::string open = std::string(folder) + "/open.gjf";
  std::ofstream(locked) << "text";
  std::ofstream(open) << "text";
  ASSERT_EQ(chmod(locked.c_str(), 0), 0);
  ASSERT_EQ(chmod(open.c_str(), 0644), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
    _exit((PassesReadTest(locked) ? 1 : 0) | (PassesReadTest(open) ? 0 : 2));
  }
  int status = 0;
  waitpid(child, &status, 0);
  std::filesystem::remove_all(folder);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the locked file passed, 2: the open one failed, 3: no uid change";
}

}  // namespace
