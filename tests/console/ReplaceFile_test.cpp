#include "console/model/ReplaceFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class ReplaceFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(testing::TempDir()) / ("replace_file_" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  static std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
  }

  fs::path folder;
};

}  // namespace

TEST_F(ReplaceFileTest, WritesNewAndReplacesExistingFiles) {
  const fs::path target = folder / "a.csv";
  ASSERT_TRUE(ReplaceFileWithBytes(target.string(), "one\r\n"));
  EXPECT_EQ(Contents(target), "one\r\n");
  ASSERT_TRUE(ReplaceFileWithBytes(target.string(), "two"));
  EXPECT_EQ(Contents(target), "two");
  EXPECT_EQ(FilesInFolder(), 1u) << "no temporary file stays";
}

TEST_F(ReplaceFileTest, FailedWriteLeavesTheTargetAsItWas) {
  const fs::path target = folder / "keep.gjf";
  std::ofstream(target) << "old text";
  EXPECT_FALSE(ReplaceFile(target.string(), [](const std::string& temp) {
    std::ofstream(temp) << "half";
    return false;
  }));
  EXPECT_EQ(Contents(target), "old text");
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(ReplaceFileTest, ImpossibleTargetsFail) {
  EXPECT_FALSE(ReplaceFileWithBytes((folder / "missing/x.csv").string(), "x"));
  EXPECT_FALSE(ReplaceFileWithBytes(folder.string(), "x")) << "a folder is not replaced";
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_FALSE(ReplaceFileWithBytes("", "x"));
}

TEST_F(ReplaceFileTest, KeepsPermissionsAndFollowsLinks) {
  const fs::path target = folder / "mode.txt";
  std::ofstream(target) << "old";
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  ASSERT_TRUE(ReplaceFileWithBytes(target.string(), "new"));
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);

  const fs::path link = folder / "link.txt";
  fs::create_symlink(target, link);
  ASSERT_TRUE(ReplaceFileWithBytes(link.string(), "through"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Contents(target), "through");
}
