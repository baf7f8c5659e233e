#include "ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

}  // namespace

std::string CreateTemporaryBeside(const std::string& target) {
  if (target.empty()) return {};
  const fs::path path(Resolved(target));
  if (path.empty()) return {};
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const std::string stem = "." + path.filename().string() + ".tmp" + FormatFloat("0", getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string temp = (folder / (stem + FormatFloat("0", attempt))).string();
    // 0666 less the umask, as for any new file.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return temp;
    }
    if (errno != EEXIST) break;
  }
  return {};
}

bool CommitTemporary(const std::string& temp, const std::string& target) {
  const std::string path = Resolved(target);
  bool ok = !path.empty();
  struct stat old {};
  if (ok && ::stat(path.c_str(), &old) == 0) ok = ::chmod(temp.c_str(), old.st_mode & 07777) == 0;
  if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(temp.c_str());
  return ok;
}

bool ReplaceFile(const std::string& target, const std::function<bool(const std::string&)>& write) {
  const std::string temp = CreateTemporaryBeside(target);
  if (temp.empty()) return false;
  if (write(temp)) return CommitTemporary(temp, target);
  std::remove(temp.c_str());
  return false;
}

bool ReplaceFileWithBytes(const std::string& target, std::string_view bytes) {
  return ReplaceFile(target, [bytes](const std::string& temp) {
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
  });
}
