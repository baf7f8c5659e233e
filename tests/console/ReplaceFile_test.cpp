#include "console/model/ReplaceFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "tests/support/StrictRun.h"

namespace fs = std::filesystem;

namespace {

// What was flushed to the disk, in order: each file or folder by its path
// at the time of the flush.
std::vector<std::string> synced;

constexpr char kAcl[] = "system.posix_acl_access";

// An access control list as the kernel stores it: the three classes of
// `mode`, with user `reader` let read, which the mask (the group's bits) allows.
std::string Acl(mode_t mode, uid_t reader) {
  const std::uint32_t entries[][2] = {{0x01 | (mode >> 6 & 7) << 16, ~0u}, {0x02 | 4u << 16, reader},
                                      {0x04 | (mode >> 3 & 7) << 16, ~0u}, {0x10 | (mode >> 3 & 7) << 16, ~0u},
                                      {0x20 | (mode & 7) << 16, ~0u}};
  return std::string("\2\0\0\0", 4) + std::string(reinterpret_cast<const char*>(entries), sizeof entries);
}

}  // namespace

// Stands in for the C library's fsync in this executable, to see what a save
// flushes and when.
extern "C" int fsync(int fd) {
  std::error_code error;
  synced.push_back(fs::read_symlink("/proc/self/fd/" + std::to_string(fd), error).string());
  return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace {

class ReplaceFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(testing::TempDir()) / ("replace_file_" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    // The ordinary user of the permission cases works in here.
    ASSERT_EQ(::chown(folder.c_str(), OrdinaryUserId(), static_cast<gid_t>(-1)), 0);
  }
  void TearDown() override {
    ::umount((folder / "disk").c_str());  // a small disk a case mounted
    fs::permissions(folder, fs::perms::owner_all);
    fs::remove_all(folder);
  }

  static std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static mode_t Mode(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
  }
  // A file the ordinary user owns.
  fs::path OwnFile(const std::string& name, const std::string& text, mode_t mode) const {
    const fs::path path = folder / name;
    std::ofstream(path) << text;
    EXPECT_EQ(::chown(path.c_str(), OrdinaryUserId(), static_cast<gid_t>(-1)), 0);
    EXPECT_EQ(::chmod(path.c_str(), mode), 0);
    return path;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder;
};

}  // namespace

// Also a name near the 255-byte limit (83 three-byte characters), whose
// temporary name is cut to fit.
TEST_F(ReplaceFileTest, WritesNewAndReplacesExistingFiles) {
  std::string longName;
  for (int i = 0; i < 83; ++i) longName += "\xE5\x88\x86";
  for (const std::string& name : {std::string("a.csv"), longName + ".gjf"}) {
    const fs::path target = folder / name;
    ASSERT_TRUE(ReplaceFileWithBytes(target.string(), "one\r\n"));
    EXPECT_EQ(Contents(target), "one\r\n");
    ASSERT_TRUE(ReplaceFileWithBytes(target.string(), "two"));
    EXPECT_EQ(Contents(target), "two");
    EXPECT_EQ(Names(), std::vector<std::string>{name}) << "no temporary file stays";
    fs::remove(target);
  }
}

TEST_F(ReplaceFileTest, AnUncommittedReplacementLeavesTheTargetAsItWas) {
  const fs::path target = folder / "keep.gjf";
  std::ofstream(target) << "old text";
  {
    FileReplacement replacement(target.string());
    ASSERT_FALSE(replacement.Path().empty());
    std::ofstream(replacement.Path()) << "half";
  }
  EXPECT_EQ(Contents(target), "old text");
  EXPECT_EQ(Names(), std::vector<std::string>{"keep.gjf"});
}

TEST_F(ReplaceFileTest, ImpossibleTargetsFailAndSayWhy) {
  const SaveResult missing = ReplaceFileWithBytes((folder / "missing/x.csv").string(), "x");
  EXPECT_FALSE(missing);
  EXPECT_EQ(missing.Reason, std::strerror(ENOENT));
  const SaveResult intoFolder = ReplaceFileWithBytes(folder.string(), "x");
  EXPECT_FALSE(intoFolder) << "a folder is not replaced";
  EXPECT_EQ(intoFolder.Reason, std::strerror(EISDIR));
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_FALSE(ReplaceFileWithBytes("", "x"));
}

// A FIFO or a device, named or reached through a link, is never replaced by
// a regular file; a link to a regular file is followed.
TEST_F(ReplaceFileTest, OnlyRegularFilesAreReplaced) {
  const fs::path fifo = folder / "pipe.pov";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const fs::path toFifo = folder / "to_pipe.pov";
  const fs::path toDevice = folder / "to_null.bmp";
  fs::create_symlink(fifo, toFifo);
  fs::create_symlink("/dev/null", toDevice);
  for (const fs::path& target : {fifo, toFifo, toDevice}) {
    EXPECT_EQ(InspectTarget(target.string()), TargetState::NotRegular) << target;
    const SaveResult saved = ReplaceFileWithBytes(target.string(), "x");
    EXPECT_FALSE(saved) << target;
    EXPECT_EQ(saved.Reason, "Not a regular file");
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_symlink(toFifo));

  const fs::path target = folder / "mode.txt";
  std::ofstream(target) << "old";
  const fs::path link = folder / "link.txt";
  fs::create_symlink(target, link);
  ASSERT_TRUE(ReplaceFileWithBytes(link.string(), "through"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Contents(target), "through");
  // A link whose file does not exist yet makes that file.
  fs::create_symlink("later.txt", folder / "ahead.txt");
  ASSERT_TRUE(ReplaceFileWithBytes((folder / "ahead.txt").string(), "made"));
  EXPECT_EQ(Contents(folder / "later.txt"), "made");
}

// The new contents are never readable by more users than the old ones, not
// even while they are being written.
// A default access control list of the folder, which the old file lacks, is
// not taken.
TEST_F(ReplaceFileTest, TheTemporaryFileHasTheTargetsPermissionsFromTheStart) {
  const std::string inherited = Acl(0644, 4104);
  ASSERT_EQ(::setxattr(folder.c_str(), "system.posix_acl_default", inherited.data(), inherited.size(), 0), 0);
  const fs::path target = folder / "private.gjf";
  std::ofstream(target) << "old";
  ASSERT_EQ(::removexattr(target.c_str(), kAcl), 0);
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  FileReplacement replacement(target.string());
  ASSERT_FALSE(replacement.Path().empty());
  EXPECT_EQ(Mode(replacement.Path()), 0600u);
  EXPECT_LT(::getxattr(replacement.Path().c_str(), kAcl, nullptr, 0), 0);
  std::ofstream(replacement.Path()) << "new";
  ASSERT_TRUE(replacement.Commit());
  EXPECT_EQ(Mode(target), 0600u);
  EXPECT_EQ(Contents(target), "new");
}

// A power cut right after a save leaves the new file, not an empty one: the
// file reaches the disk before the rename, the folder after it.
TEST_F(ReplaceFileTest, FlushesTheFileBeforeTheRenameAndTheFolderAfterIt) {
  const fs::path target = folder / "flushed.mqo";
  std::ofstream(target) << "old";
  synced.clear();
  ASSERT_TRUE(ReplaceFileWithBytes(target.string(), "new"));
  ASSERT_EQ(synced.size(), 2u);
  EXPECT_EQ(synced[0].rfind((folder / ".flushed.mqo.tmp").string(), 0), 0u) << synced[0];
  EXPECT_EQ(synced[1], folder.string());
}

// A save killed halfway (kill -9 of a recording) leaves its temporary file;
// the next save of the same target removes it, but not one still in use.
TEST_F(ReplaceFileTest, LeftoversOfEarlierSavesAreRemoved) {
  for (const char* name : {".movie.avi.tmp4194999-0", ".movie.avi.tmp12-3", ".movie.avi.tmp1", ".other.avi.tmp12-3"})
    std::ofstream(folder / name) << "left";
  const int held = ::open((folder / ".movie.avi.tmp12-3").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);

  const fs::path target = folder / "movie.avi";
  FileReplacement first(target.string());
  FileReplacement second(target.string());
  EXPECT_NE(first.Path(), second.Path()) << "two saves never share a temporary file";
  std::ofstream(second.Path()) << "second";
  ASSERT_TRUE(second.Commit());
  EXPECT_EQ(Contents(target), "second");
  ::close(held);

  std::vector<std::string> kept{fs::path(first.Path()).filename().string(), ".movie.avi.tmp1", ".movie.avi.tmp12-3",
                                ".other.avi.tmp12-3", "movie.avi"};
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(Names(), kept);
}

TEST_F(ReplaceFileTest, AFileTheUserMayNotWriteIsLeftAlone) {
  const fs::path target = OwnFile("locked.bmp", "kept", 0444);
  AsOrdinaryUser([&] {
    EXPECT_EQ(InspectTarget(target.string()), TargetState::NotWritable);
    const SaveResult saved = ReplaceFileWithBytes(target.string(), "new");
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.Reason, std::strerror(EACCES));
  });
  EXPECT_EQ(Contents(target), "kept");
  EXPECT_EQ(Mode(target), 0444u);
  EXPECT_EQ(Names(), std::vector<std::string>{"locked.bmp"});
}

// In a folder the user may not write, no temporary file can be made: a file
// the user may write is written in place, a new one cannot be made.
TEST_F(ReplaceFileTest, AWritableFileInALockedFolderIsWrittenInPlace) {
  const fs::path target = OwnFile("in_place.csv", "old, and longer than the new text", 0644);
  ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
  AsOrdinaryUser([&] {
    EXPECT_TRUE(ReplaceFileWithBytes(target.string(), "new"));
    const SaveResult created = ReplaceFileWithBytes((folder / "new.csv").string(), "x");
    EXPECT_FALSE(created);
    EXPECT_EQ(created.Reason, std::strerror(EACCES));
  });
  EXPECT_EQ(Contents(target), "new");
  EXPECT_EQ(Names(), std::vector<std::string>{"in_place.csv"});
}

namespace {

// A file of user 4101 in group 4201, mode `Mode`, that user 4103 may read
// by its access control list, in a sticky folder that anyone may write,
// saved by `Saver` (root when unset). The owner's own group is 4202; 4102 is
// another user.
struct OwnershipCase {
  const char* Name;
  mode_t Mode;
  std::optional<TestUser> Saver;
  bool SecondName;
  bool InPlace;  // a rename would lose the owner, the group or the other name
};
const OwnershipCase kOwnershipCases[] = {
    {"the owner keeps a group not its own", 0640, TestUser{4101, 4202, {4201}}, false, false},
    {"root keeps the user's owner and group", 0640, std::nullopt, false, false},
    {"root keeps bits that refuse writing", 0444, std::nullopt, false, false},
    {"an owner outside the group cannot keep it", 0660, TestUser{4101, 4202, {}}, false, true},
    {"a group member cannot keep the owner", 0660, TestUser{4102, 4203, {4201}}, false, true},
    {"the sticky folder refuses a rename by a stranger", 0666, TestUser{4102, 4203, {}}, false, true},
    {"a second name is kept", 0640, std::nullopt, true, true},
};

}  // namespace

// A writer of unknown length (a recording) is refused where only writing in
// place keeps what the file has.
TEST_F(ReplaceFileTest, TheOwnerGroupAccessListAndOtherNamesAreKept) {
  if (::geteuid() != 0) GTEST_SKIP() << "saving as other users needs root";
  ASSERT_EQ(::chmod(folder.c_str(), 01777), 0);
  const fs::path target = folder / "shared.gjf";
  for (const OwnershipCase& c : kOwnershipCases) {
    SCOPED_TRACE(c.Name);
    std::ofstream(target) << "old";
    ASSERT_EQ(::chown(target.c_str(), 4101, 4201), 0);
    const std::string acl = Acl(c.Mode, 4103);
    ASSERT_EQ(::setxattr(target.c_str(), kAcl, acl.data(), acl.size(), 0), 0);
    if (c.SecondName) fs::create_hard_link(target, folder / "second.gjf");
    struct stat before {}, after {};
    ::stat(target.c_str(), &before);
    const auto save = [&] {
      EXPECT_EQ(FileReplacement(target.string()).InPlaceRefused(), c.InPlace);
      EXPECT_TRUE(ReplaceFileWithBytes(target.string(), "new"));
    };
    if (c.Saver) AsUser(*c.Saver, save);
    else save();
    ::stat(target.c_str(), &after);
    EXPECT_EQ(Contents(c.SecondName ? folder / "second.gjf" : target), "new");
    EXPECT_EQ(after.st_ino == before.st_ino, c.InPlace);
    std::string kept(acl.size(), '\0');
    EXPECT_EQ(::getxattr(target.c_str(), kAcl, kept.data(), kept.size()), static_cast<ssize_t>(acl.size()));
    EXPECT_EQ(kept, acl);
    EXPECT_EQ(std::vector<unsigned>({after.st_uid, after.st_gid, after.st_mode & 07777}),
              std::vector<unsigned>({4101, 4201, c.Mode}));
    EXPECT_EQ(Names().size(), c.SecondName ? 2u : 1u) << "no temporary file stays";
    fs::remove(target);
    fs::remove(folder / "second.gjf");
  }
}

// On a full disk a save fails with the old file whole, also one written in
// place (a file with a second name).
TEST_F(ReplaceFileTest, AFullDiskLeavesTheOldFileWhole) {
  const fs::path disk = folder / "disk";
  fs::create_directory(disk);
  if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "mounting needs root";
  const std::string old(20000, 'o');
  for (const char* name : {"single.gjf", "linked.gjf"}) std::ofstream(disk / name) << old;
  fs::create_hard_link(disk / "linked.gjf", disk / "second.gjf");
  std::ofstream filler(disk / "filler");
  while (filler << std::string(4096, 'f') << std::flush) {
  }
  for (const char* name : {"single.gjf", "linked.gjf"}) {
    EXPECT_EQ(ReplaceFileWithBytes((disk / name).string(), std::string(40000, 'n')).Reason, std::strerror(ENOSPC));
    EXPECT_EQ(Contents(disk / name), old) << name;
  }
  ASSERT_TRUE(ReplaceFileWithBytes((disk / "linked.gjf").string(), "short")) << "no new space needed";
  EXPECT_EQ(Contents(disk / "second.gjf"), "short");
}
