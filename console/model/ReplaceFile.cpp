#include "ReplaceFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/Files.h"
#include "platform/Numbers.h"

namespace fs = std::filesystem;

namespace {

// Through a link, the file it names is replaced, or made when it does not
// exist yet, not the link. Empty when the links go round in a circle.
std::string Resolved(const std::string& target) {
  fs::path path(target);
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path.string();
    const fs::path next = fs::read_symlink(path, error);
    if (error) return {};
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return {};
}

std::string FolderOf(const fs::path& path) { return path.has_parent_path() ? path.parent_path().string() : "."; }

// Every temporary file of NAME is ".NAME.tmp" + process id + "-" + number.
// A long NAME is cut, on a character's first byte, so that the whole stays
// within the 255 bytes a name may have: "." and ".tmp" and two numbers of up
// to ten digits with the dash take 26.
std::string TemporaryStem(const fs::path& path) {
  constexpr std::size_t kLongestName = 255 - 26;
  std::string name = path.filename().string();
  if (name.size() > kLongestName) {
    std::size_t cut = kLongestName;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  return "." + name + ".tmp";
}

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

// The disk space for `length` bytes of `fd`, taken before the first old
// byte is overwritten; its size stays as it is, so a failure changes nothing.
// A file system that cannot reserve is asked for its free space instead.
// Reserving passes the file-size limit (ulimit -f), which would stop the
// write part way: a length beyond it is refused first.
int Reserve(int fd, std::uint64_t length) {
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && length > limit.rlim_cur)
    return EFBIG;
  if (length == 0 || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(length)) == 0) return 0;
  if (errno != EOPNOTSUPP) return errno;
  struct stat info {};
  struct statvfs space {};
  if (::fstat(fd, &info) != 0 || ::fstatvfs(fd, &space) != 0) return errno;
  const std::uint64_t free = static_cast<std::uint64_t>(space.f_bavail) * space.f_frsize;
  const std::uint64_t held = static_cast<std::uint64_t>(info.st_size);
  return length > held && length - held > free ? ENOSPC : 0;
}

// `bytes` as the whole of the file at `path`, which is new or written in
// place: nothing is cut before the new length is reserved and written.
int WriteFile(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = Reserve(fd, bytes.size());
  if (error == 0) error = WriteAll(fd, bytes);
  if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

// The names of the extended attributes that `list` (listxattr or
// flistxattr of one file) gives.
template <typename List>
std::vector<std::string> AttributeNames(List list) {
  const ssize_t size = list(nullptr, 0);
  if (size <= 0) return {};
  std::string names(static_cast<std::size_t>(size), '\0');
  names.resize(static_cast<std::size_t>(std::max<ssize_t>(list(names.data(), names.size()), 0)));
  std::vector<std::string> result;
  for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) result.emplace_back(names.c_str() + at);
  return result;
}

bool Refused() {
  errno = EPERM;
  return false;
}

// The extended attributes of the file `old` (its access control list among
// them) for the new file `fd`, which keeps none that the old one lacks (a
// folder's default access control list). False (EPERM) where the saver may
// not read or set one: a rename would lose it.
bool TakeAttributes(int fd, const std::string& old) {
  const std::vector<std::string> names =
      AttributeNames([&](char* list, std::size_t size) { return ::listxattr(old.c_str(), list, size); });
  const std::vector<std::string> taken =
      AttributeNames([&](char* list, std::size_t size) { return ::flistxattr(fd, list, size); });
  for (const std::string& name : taken)
    if (std::find(names.begin(), names.end(), name) == names.end() && ::fremovexattr(fd, name.c_str()) != 0)
      return Refused();
  for (const std::string& name : names) {
    const ssize_t size = ::getxattr(old.c_str(), name.c_str(), nullptr, 0);
    if (size < 0) return Refused();
    std::string value(static_cast<std::size_t>(size), '\0');
    if (::getxattr(old.c_str(), name.c_str(), value.data(), value.size()) != size ||
        ::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) != 0)
      return Refused();
  }
  return true;
}

// The owner and group of the file `old` at `path` for the new file `fd`, its
// extended attributes, then its permission bits (a change of owner may clear
// some), with the owner's read and write while it is written, since a writer
// may open it again by name; the commit takes them away again. Only root may
// give a file away, and only to a group it is in may an owner move one.
bool TakeOwnership(int fd, const std::string& path, const struct stat& old) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return false;
  if ((info.st_uid != old.st_uid || info.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
    return false;
  return TakeAttributes(fd, path) && ::fchmod(fd, (old.st_mode & 0777) | S_IRUSR | S_IWUSR) == 0;
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
    if (reason) *reason = NotRegularFileReason(info.st_mode);
    return TargetState::NotRegular;
  }
  if (::access(target.c_str(), W_OK) != 0) {
    if (reason) *reason = std::strerror(errno);
    return TargetState::NotWritable;
  }
  return TargetState::Replaceable;
}

FileReplacement::FileReplacement(const std::string& target, InPlaceWrite inPlace) : target_(Resolved(target)) {
  std::string reason;
  const TargetState state = InspectTarget(target, &reason);
  if (state == TargetState::NotRegular || state == TargetState::NotWritable) {
    result_ = {false, reason};
    return;
  }
  if (target_.empty()) {
    Fail(target.empty() ? ENOENT : ELOOP);
    return;
  }
  struct stat info {};
  const bool exists = state == TargetState::Replaceable && ::stat(target_.c_str(), &info) == 0;
  RemoveLeftovers(target_);
  // A new file in its place would leave the other names with the old text.
  if (exists && info.st_nlink > 1) {
    WriteInPlace(EMLINK, inPlace);
  } else if (!CreateTemporary(exists ? &info : nullptr)) {
    const int error = errno;
    // The folder takes no new file, or the saver may not give it what the
    // old one has: a file the user may write is written in place.
    if (exists && (error == EACCES || error == EPERM)) WriteInPlace(error, inPlace);
    else Fail(error);
  }
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

void FileReplacement::WriteInPlace(int reason, InPlaceWrite inPlace) {
  if (inPlace == InPlaceWrite::Allowed) {
    path_ = target_;
    return;
  }
  Fail(reason);
  result_.InPlaceCause = reason;
}

// False, with errno set, when no temporary file can be made, or (EPERM) when
// it cannot have the owner, group and attributes of the file `old` it replaces.
bool FileReplacement::CreateTemporary(const struct stat* old) {
  // One counter for the whole program: two saves never share a name.
  static std::atomic<unsigned> counter{0};
  const fs::path path(target_);
  const std::string stem =
      (fs::path(FolderOf(path)) / TemporaryStem(path)).string() + FormatFloat("0", ::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string temp = stem + FormatFloat("0", counter++);
    // A new file gets 0666 less the umask, as any; a replacement gets the
    // target's owner, group, attributes and permission bits before it holds
    // a byte.
    const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, old ? 0600 : 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return false;
    if ((old && !TakeOwnership(fd, target_, *old)) || ::flock(fd, LOCK_EX) != 0) {
      const int error = errno;
      ::close(fd);
      ::unlink(temp.c_str());
      errno = error;
      return false;
    }
    fd_ = fd;
    path_ = temp;
    if (old) mode_ = old->st_mode & 0777;
    return true;
  }
  errno = EEXIST;
  return false;
}

SaveResult FileReplacement::Commit() {
  if (path_.empty()) return result_;
  const std::string written = path_;
  const bool inPlace = InPlace();
  const int file = inPlace ? ::open(written.c_str(), O_WRONLY | O_CLOEXEC) : fd_;
  const bool ok = file >= 0 && (!mode_ || inPlace || ::fchmod(file, *mode_) == 0) && ::fsync(file) == 0 &&
                  (inPlace || ::rename(written.c_str(), target_.c_str()) == 0);
  if (ok) SyncFolder(target_);
  else Fail(errno);
  path_.clear();
  if (!ok && !inPlace) ::unlink(written.c_str());
  if (file >= 0) ::close(file);
  fd_ = -1;
  return result_;
}

SaveResult ReplaceFileWithBytes(const std::string& target, std::string_view bytes, InPlaceWrite inPlace) {
  FileReplacement replacement(target, inPlace);
  if (replacement.Path().empty()) return replacement.Result();
  const int error = WriteFile(replacement.Path(), bytes);
  if (error != 0) return SaveResult::Failed(error);
  return replacement.Commit();
}
