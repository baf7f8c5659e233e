#include "ReplaceFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/Numbers.h"

namespace fs = std::filesystem;

namespace {

// Through a link, the file it names is replaced, not the link. Empty when
// the link leads nowhere that can be named.
std::string Resolved(const std::string& target) {
  fs::path path(target);
  std::error_code error;
  if (fs::is_symlink(path, error)) {
    path = fs::weakly_canonical(path, error);
    if (error) return {};
  }
  return path.string();
}

std::string FolderOf(const fs::path& path) { return path.has_parent_path() ? path.parent_path().string() : "."; }

// Every temporary file of NAME is ".NAME.tmp" + process id + "-" + number.
std::string TemporaryStem(const fs::path& path) { return "." + path.filename().string() + ".tmp"; }

bool IsNumber(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(c) != 0; });
}

bool IsTemporaryName(std::string_view name, std::string_view stem) {
  if (name.substr(0, stem.size()) != stem) return false;
  const std::string_view rest = name.substr(stem.size());
  const std::size_t dash = rest.find('-');
  return dash != std::string_view::npos && IsNumber(rest.substr(0, dash)) && IsNumber(rest.substr(dash + 1));
}

// A save holds a lock on its temporary file for as long as it runs, so one
// that can be locked was left by a save that never ended.
void RemoveLeftovers(const fs::path& target) {
  const std::string stem = TemporaryStem(target);
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(FolderOf(target), error)) {
    if (!IsTemporaryName(entry.path().filename().string(), stem)) continue;
    const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlink(entry.path().c_str());
    ::close(fd);
  }
}

// 0 when all of `bytes` went to `fd`, else the error.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// The folder's entry for a renamed file reaches the disk only with the
// folder itself. The file is in place already, so a failure here is not
// reported as a failed save.
void SyncFolder(const std::string& target) {
  const int fd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

SaveResult SaveResult::Failed(int error) { return {false, std::strerror(error)}; }

TargetState InspectTarget(const std::string& target, std::string* reason) {
  struct stat info {};
  if (target.empty() || ::stat(target.c_str(), &info) != 0) return TargetState::Absent;
  if (!S_ISREG(info.st_mode)) {
    if (reason) *reason = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "Not a regular file";
    return TargetState::NotRegular;
  }
  if (::access(target.c_str(), W_OK) != 0) {
    if (reason) *reason = std::strerror(errno);
    return TargetState::NotWritable;
  }
  return TargetState::Replaceable;
}

FileReplacement::FileReplacement(const std::string& target) : target_(Resolved(target)) {
  std::string reason;
  const TargetState state = InspectTarget(target, &reason);
  if (state == TargetState::NotRegular || state == TargetState::NotWritable) {
    result_ = {false, reason};
    return;
  }
  if (target_.empty()) {
    Fail(ENOENT);
    return;
  }
  struct stat info {};
  const bool exists = state == TargetState::Replaceable && ::stat(target_.c_str(), &info) == 0;
  RemoveLeftovers(target_);
  if (CreateTemporary(target_, exists, info.st_mode)) return;
  const int error = errno;
  // The folder takes no new file: a file the user may write is written in
  // place, as it would be without a temporary file.
  if (exists && (error == EACCES || error == EPERM)) {
    path_ = target_;
    return;
  }
  Fail(error);
}

FileReplacement::~FileReplacement() {
  if (fd_ < 0) return;
  ::unlink(path_.c_str());
  ::close(fd_);
}

void FileReplacement::Fail(int error) {
  result_ = SaveResult::Failed(error);
  path_.clear();
}

// False, with errno set, when no temporary file can be made.
bool FileReplacement::CreateTemporary(const std::string& target, bool exists, mode_t mode) {
  // One counter for the whole program: two saves never share a name.
  static std::atomic<unsigned> counter{0};
  const fs::path path(target);
  const std::string stem =
      (fs::path(FolderOf(path)) / TemporaryStem(path)).string() + FormatFloat("0", ::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string temp = stem + FormatFloat("0", counter++);
    // A new file gets 0666 less the umask, as any; a replacement gets the
    // target's permission bits before it holds a byte.
    const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return false;
    if ((exists && ::fchmod(fd, (mode & 0777) | S_IRUSR | S_IWUSR) != 0) || ::flock(fd, LOCK_EX) != 0) {
      const int error = errno;
      ::close(fd);
      ::unlink(temp.c_str());
      errno = error;
      return false;
    }
    fd_ = fd;
    path_ = temp;
    return true;
  }
  errno = EEXIST;
  return false;
}

SaveResult FileReplacement::Commit() {
  if (path_.empty()) return result_;
  const std::string written = path_;
  const bool inPlace = fd_ < 0;
  const int file = inPlace ? ::open(written.c_str(), O_WRONLY | O_CLOEXEC) : fd_;
  const bool ok = file >= 0 && ::fsync(file) == 0 && (inPlace || ::rename(written.c_str(), target_.c_str()) == 0);
  if (ok) SyncFolder(target_);
  else Fail(errno);
  path_.clear();
  if (!ok && !inPlace) ::unlink(written.c_str());
  if (file >= 0) ::close(file);
  fd_ = -1;
  return result_;
}

SaveResult ReplaceFileWithBytes(const std::string& target, std::string_view bytes) {
  FileReplacement replacement(target);
  if (replacement.Path().empty()) return replacement.Result();
  // In place the target is cut to nothing first; every step is checked.
  const int fd = ::open(replacement.Path().c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return SaveResult::Failed(errno);
  int error = WriteAll(fd, bytes);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) return SaveResult::Failed(error);
  return replacement.Commit();
}
