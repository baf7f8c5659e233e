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
  EXPECT_EQ(ChoiceForArgument("a.gjf")->FileType, GAUSSIAN_INPUT);
  EXPECT_EQ(ChoiceForArgument("a.com")->FileType, GAUSSIAN_INPUT);
  EXPECT_EQ(ChoiceForArgument("sub/a.out")->FileType, GAUSSIAN_OUTPUT);
  EXPECT_EQ(ChoiceForArgument("a.log")->FileType, GAUSSIAN_OUTPUT);
  EXPECT_EQ(ChoiceForArgument("a.qva")->Road, OpenRoad::Animation);
  for (const char* name : {"a.GJF", "a.Out", "a.gjc", "a.COM", "a.mop", "a.xyz", "a", "dir.gjf/file"}) {
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
